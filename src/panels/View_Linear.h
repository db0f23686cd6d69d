#pragma once

#include "panels/PanelBase.h"

#include <QPointer>

class QCheckBox;

// Controls panel of both Linear project types: how far the selected photo's seam
// overlaps the picture before it; for the project, whether the saved strip is built at
// full resolution, and the blend space of its seams.
class View_Linear : public PanelBase {
    Q_OBJECT
  public:
    View_Linear(PhotoEditor &editor, QWidget *parent = nullptr);

    QPointer<ValueSlider> sliderIntersectionLevel;

    QPointer<QCheckBox> checkFullResolution;

    void OnChangeIntersectionLevel() { writeSlider(sliderIntersectionLevel); }
    void OnCheckFullResolution();

    void enableControls(const Object_Photo *photo) override;
};
