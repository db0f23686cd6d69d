#include "panels/View_Linear.h"

View_Linear::View_Linear(QWidget *parent) : PanelBase("View_Linear", "Linear", parent) {}
