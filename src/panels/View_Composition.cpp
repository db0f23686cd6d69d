#include "panels/View_Composition.h"

#include "model/BlendMode.h"
#include "model/ProjectMode.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QSignalBlocker>
#include <QVBoxLayout>

View_Composition::View_Composition(PhotoEditor &editor, QWidget *parent)
    : PanelBase(editor, "View_Composition", tr("Composite"), parent)
{
    comboBlendMode = new QComboBox(this);
    comboBlendMode->setEditable(false);
    comboBlendMode->setToolTip(tr("How the photo is mixed with the picture beneath it"));
    addRow(tr("&Blend mode"), comboBlendMode);
    addControl(comboBlendMode);
    checkCompositeMatchBgSize = new QCheckBox(tr("Match the bac&kground's size"), this);
    checkCompositeMatchBgSize->setToolTip(
        tr("Stretch the photo over the whole background; off: place it by its size and offsets"));
    addRow(QString(), checkCompositeMatchBgSize);
    addControl(checkCompositeMatchBgSize);
    sliderSize = addSlider(tr("S&ize"), tr("Enlargement of the photo's own width (0 % keeps its size)"),
                           PhotoField::CompositeSize, 0.5, signedPercentText);
    sliderX = addSlider(tr("&X"), tr("Offset to the right, in percent of the photo's own width"),
                        PhotoField::CompositeXOffset, 0.5, percentText);
    sliderY = addSlider(tr("&Y"), tr("Offset upwards, in percent of the photo's own height"),
                        PhotoField::CompositeYOffset, 0.5, percentText);
    addPlacementControls(*placementFields(Composite));
    sliderOpacity = addSlider(tr("O&pacity"), tr("How strongly the blend shows over the picture beneath it"),
                              PhotoField::CompositeOpacity, 1.0, percentText);
    addBlendSpaceChoice();
    body()->addStretch(1);

    connect(comboBlendMode, &QComboBox::activated, this, &View_Composition::OnChangeBlendMode);
    connect(checkCompositeMatchBgSize, &QCheckBox::clicked, this,
            &View_Composition::OnCheckCompositeMatchBgSize);
    connect(sliderSize, &ValueSlider::valueEdited, this, &View_Composition::OnChangeSize);
    connect(sliderX, &ValueSlider::valueEdited, this, &View_Composition::OnChangeX);
    connect(sliderY, &ValueSlider::valueEdited, this, &View_Composition::OnChangeY);
    connect(sliderOpacity, &ValueSlider::valueEdited, this, &View_Composition::OnChangeOpacity);
    viewDidLoad();
}

// The blend modes in their order: row i is blend mode i.
void View_Composition::viewDidLoad()
{
    for (quint64 mode = 0; mode < kBlendModeCount; ++mode)
        comboBlendMode->addItem(QCoreApplication::translate("BlendMode", qPrintable(blendModeName(mode))));
    comboBlendMode->setCurrentIndex(0);
}

void View_Composition::OnChangeBlendMode()
{
    const int row = comboBlendMode->currentIndex();
    if (row >= 0)
        editor().setPhotoField(PhotoField::CompositeBlendMode, row);
}

// The size and offset fields keep their values either way: turning the box off again
// brings back the photo's own size and place.
void View_Composition::OnCheckCompositeMatchBgSize()
{
    const bool on = checkCompositeMatchBgSize->checkState() == Qt::Checked;
    if (editor().setPhotoField(PhotoField::CompositeSizeOfBG, on))
        enablePlacement(!on);
}

void View_Composition::enableControls(const Object_Photo *photo)
{
    PanelBase::enableControls(photo);
    if (!photo)
        return;
    const QSignalBlocker quiet(checkCompositeMatchBgSize);
    checkCompositeMatchBgSize->setChecked(photo->bCompositeSizeOfBG);
    enablePlacement(!photo->bCompositeSizeOfBG);
}

// Size and offsets only for a placed photo; the opacity whenever a photo is selected.
void View_Composition::enablePlacement(bool placed)
{
    enableSliders(placed);
    sliderOpacity->setEnabled(true);
}

void View_Composition::loadControls(const Object_Photo &photo)
{
    {
        const QSignalBlocker quietCombo(comboBlendMode);
        const QSignalBlocker quietCheck(checkCompositeMatchBgSize);
        const quint64 mode = photo.m_Composite_Blend_Mode;
        comboBlendMode->setCurrentIndex(mode < quint64(kBlendModeCount) ? int(mode) : -1);
        checkCompositeMatchBgSize->setChecked(photo.bCompositeSizeOfBG);
    }
    PanelBase::loadControls(photo);
}
