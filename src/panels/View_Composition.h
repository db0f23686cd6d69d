#pragma once

#include "panels/PanelBase.h"

// Controls panel of the Composite project type.
class View_Composition : public PanelBase {
    Q_OBJECT
public:
    explicit View_Composition(QWidget *parent = nullptr);
};
