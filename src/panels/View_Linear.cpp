#include "panels/View_Linear.h"

#include <QCheckBox>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

// The level L runs from 0 to 360; the neighbours overlap by L / 360.
QString overlapText(double level)
{
    return View_Linear::tr("%1 (%2 % overlap)")
        .arg(QString::number(level, 'g', 6), QString::number(level / 3.6, 'f', 0));
}

} // namespace

View_Linear::View_Linear(PhotoEditor &editor, QWidget *parent)
    : PanelBase(editor, "View_Linear", tr("Linear"), parent)
{
    sliderIntersectionLevel =
        addSlider(tr("&Intersection"), tr("How far the photo's seam overlaps the photo before it: 0 to 360"),
                  PhotoField::LinearIntersectionLevel, 1.0, overlapText);
    checkFullResolution = new QCheckBox(tr("Save at full reso&lution"), this);
    checkFullResolution->setToolTip(tr(
        "Build the saved strip from the photos at their own size; off: from copies fitted into 400 x 400"));
    addRow(QString(), checkFullResolution);
    addBlendSpaceChoice();
    body()->addStretch(1);
    connect(sliderIntersectionLevel, &ValueSlider::valueEdited, this,
            &View_Linear::OnChangeIntersectionLevel);
    connect(checkFullResolution, &QCheckBox::clicked, this, &View_Linear::OnCheckFullResolution);
}

void View_Linear::OnCheckFullResolution()
{
    ProjectOptions options = editor().projectOptions();
    options.fullResolution = checkFullResolution->isChecked();
    editor().setProjectOptions(options);
}

// The check box belongs to the project: it shows its setting whatever is selected.
void View_Linear::enableControls(const Object_Photo *photo)
{
    PanelBase::enableControls(photo);
    const QSignalBlocker quiet(checkFullResolution);
    checkFullResolution->setChecked(editor().projectOptions().fullResolution);
}
