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
    View_Linear(AppDelegate &delegate, QWidget *parent = nullptr);

    QPointer<ValueSlider> sliderIntersectionLevel;

    QPointer<QCheckBox> checkFullResolution;

    void OnChangeIntersectionLevel() { Write_Slider(sliderIntersectionLevel); }
    void OnCheckFullResolution();

    void Enable_Controls(const Object_Photo *photo) override;
};
