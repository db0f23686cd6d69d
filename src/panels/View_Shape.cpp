#include "panels/View_Shape.h"

View_Shape::View_Shape(QWidget *parent) : PanelBase("View_Shape", "Shape", parent) {}
