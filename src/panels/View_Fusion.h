#pragma once

#include "panels/PanelBase.h"

#include <QPointer>

// Controls panel of Exposure fusion projects: the exponents of the three weights every
// pixel of every photo gets (contrast, saturation, well-exposedness), settings of the
// whole project, so they stay enabled whatever is selected.
class View_Fusion : public PanelBase {
    Q_OBJECT
  public:
    View_Fusion(PhotoEditor &editor, QWidget *parent = nullptr);

    QPointer<ValueSlider> sliderContrast;
    QPointer<ValueSlider> sliderSaturation;
    QPointer<ValueSlider> sliderExposure;

    void OnChangeWeights();

    void enableControls(const Object_Photo *photo) override;

  private:
    ValueSlider *addWeightSlider(const QString &label, const QString &tip);
};
