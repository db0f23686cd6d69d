#pragma once

#include "panels/PanelBase.h"

// Controls panel of the Linear project type.
class View_Linear : public PanelBase {
    Q_OBJECT
public:
    explicit View_Linear(QWidget *parent = nullptr);
};
