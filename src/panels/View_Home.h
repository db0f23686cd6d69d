#pragma once

#include "panels/PanelBase.h"

// The panel shown before a project type is chosen: a short welcome.
class View_Home : public PanelBase {
    Q_OBJECT
  public:
    View_Home(PhotoEditor &editor, QWidget *parent = nullptr);
};
