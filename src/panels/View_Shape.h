#pragma once

#include "panels/PanelBase.h"

// Controls panel of the Shape project type.
class View_Shape : public PanelBase {
    Q_OBJECT
public:
    explicit View_Shape(QWidget *parent = nullptr);
};
