#include "panels/View_Linear.h"

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
    body()->addStretch(1);
    connect(sliderIntersectionLevel, &ValueSlider::valueEdited, this,
            &View_Linear::OnChangeIntersectionLevel);
}
