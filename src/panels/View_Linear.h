#pragma once

#include "panels/PanelBase.h"

#include <QPointer>

// Controls panel of both Linear project types: how far the selected photo's seam
// overlaps the picture before it.
class View_Linear : public PanelBase {
    Q_OBJECT
  public:
    View_Linear(PhotoEditor &editor, QWidget *parent = nullptr);

    QPointer<ValueSlider> sliderIntersectionLevel;

    void OnChangeIntersectionLevel() { writeSlider(sliderIntersectionLevel); }
};
