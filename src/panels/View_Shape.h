#pragma once

#include "panels/PanelBase.h"

// Controls panel of the Shape project type.
class View_Shape : public PanelBase {
    Q_OBJECT
public:
    View_Shape(AppDelegate &delegate, QWidget *parent = nullptr);
};
