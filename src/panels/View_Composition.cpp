#include "panels/View_Composition.h"

View_Composition::View_Composition(QWidget *parent) : PanelBase("View_Composition", "Composite", parent) {}
