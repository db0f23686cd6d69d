#pragma once

#include "panels/PanelBase.h"

// Controls panel of the Transparent project type.
class View_Transparent : public PanelBase {
    Q_OBJECT
public:
    explicit View_Transparent(QWidget *parent = nullptr);
};
