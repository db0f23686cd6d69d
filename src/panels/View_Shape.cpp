#include "panels/View_Shape.h"

View_Shape::View_Shape(AppDelegate &delegate, QWidget *parent) : PanelBase(delegate, "View_Shape", "Shape", parent) {}
