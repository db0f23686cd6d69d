#pragma once

#include "panels/PanelBase.h"

// The panel shown before a project type is chosen: a short welcome.
class View_Home : public PanelBase {
    Q_OBJECT
public:
    explicit View_Home(QWidget *parent = nullptr);
};
