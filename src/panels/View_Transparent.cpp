#include "panels/View_Transparent.h"

#include "model/ProjectMode.h"

#include <QVBoxLayout>

View_Transparent::View_Transparent(PhotoEditor &editor, QWidget *parent)
    : PanelBase(editor, "View_Transparent", tr("Transparent"), parent)
{
    sliderTransparency = addSlider(tr("&Transparency"), tr("0 % draws the photo opaque, 100 % hides it"),
                                   PhotoField::TransparentTransparency, 1.0, percentText);
    sliderSize = addSlider(tr("&Width"), tr("The photo's width in percent of the background's width"),
                           PhotoField::TransparentSize, 0.5, percentText);
    sliderX = addSlider(tr("&X"), tr("Offset to the right, in percent of the background's width"),
                        PhotoField::TransparentXOffset, 0.5, percentText);
    sliderY = addSlider(tr("&Y"), tr("Offset upwards, in percent of the background's height"),
                        PhotoField::TransparentYOffset, 0.5, percentText);
    addPlacementControls(*placementFields(Transparent));
    body()->addStretch(1);
    connect(sliderTransparency, &ValueSlider::valueEdited, this, &View_Transparent::OnChangeTransparency);
    connect(sliderSize, &ValueSlider::valueEdited, this, &View_Transparent::OnChangeSize);
    connect(sliderX, &ValueSlider::valueEdited, this, &View_Transparent::OnChangeX);
    connect(sliderY, &ValueSlider::valueEdited, this, &View_Transparent::OnChangeY);
}
