#include "panels/View_Fusion.h"

#include <QLabel>
#include <QSlider>
#include <QVBoxLayout>

#include <cmath>

namespace {

QString exponentText(double value)
{
    return QString::number(value, 'f', 1);
}

// A slider's value as the project keeps it: a whole number of tenths.
double tenths(double value)
{
    return std::round(value / FusionWeights::kStep) / 10.0; // 0.3, as the project file reads it
}

} // namespace

View_Fusion::View_Fusion(PhotoEditor &editor, QWidget *parent)
    : PanelBase(editor, "View_Fusion", tr("Exposure fusion"), parent)
{
    sliderContrast =
        addWeightSlider(tr("&Contrast"), tr("How much fine detail counts in a pixel's weight: 0 to 2"));
    sliderSaturation =
        addWeightSlider(tr("Sa&turation"), tr("How much strong colour counts in a pixel's weight: 0 to 2"));
    sliderExposure = addWeightSlider(
        tr("E&xposure"), tr("How much a pixel's closeness to mid-grey counts in its weight: 0 to 2"));
    auto *note = new QLabel(tr("Every photo is fused, aligned where it has an alignment "
                               "(Photo menu, Align to Background)."),
                            this);
    note->setWordWrap(true);
    body()->addWidget(note);
    body()->addStretch(1);
    for (ValueSlider *slider : {sliderContrast.get(), sliderSaturation.get(), sliderExposure.get()})
        connect(slider, &ValueSlider::valueEdited, this, &View_Fusion::OnChangeWeights);
}

ValueSlider *View_Fusion::addWeightSlider(const QString &label, const QString &tip)
{
    auto *slider = new ValueSlider(
        {FusionWeights::kLeast, FusionWeights::kMost, FusionWeights::kStep, exponentText, 1.0}, this);
    slider->setToolTip(tip);
    addRow(label, slider)->setBuddy(slider->track());
    slider->track()->setAccessibleName(slider->accessibleName());
    slider->track()->setAccessibleDescription(tip);
    return slider;
}

void View_Fusion::OnChangeWeights()
{
    ProjectOptions options = editor().projectOptions();
    options.fusion = {tenths(sliderContrast->value()), tenths(sliderSaturation->value()),
                      tenths(sliderExposure->value())};
    editor().setProjectOptions(options);
}

// The sliders belong to the project: they show its weights whatever is selected.
void View_Fusion::enableControls(const Object_Photo *photo)
{
    PanelBase::enableControls(photo);
    const FusionWeights &weights = editor().projectOptions().fusion;
    sliderContrast->setValue(weights.contrast);
    sliderSaturation->setValue(weights.saturation);
    sliderExposure->setValue(weights.exposure);
}
