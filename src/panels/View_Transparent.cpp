#include "panels/View_Transparent.h"

View_Transparent::View_Transparent(QWidget *parent) : PanelBase("View_Transparent", "Transparent", parent) {}
