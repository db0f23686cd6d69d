#include "panels/PanelBase.h"

#include "app/AppDelegate.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>

const SliderRange kEnlargementRange{-90.0, 400.0, 0.5, signedPercentText};
const SliderRange kPhotoOffsetRange{-100.0, 500.0, 0.5, percentText};

PanelBase::PanelBase(AppDelegate &delegate, const QString &objectName, const QString &title, QWidget *parent)
    : QWidget(parent), m_delegate(delegate)
{
    setObjectName(objectName);
    m_body = new QVBoxLayout(this);
    auto *heading = new QLabel(QStringLiteral("<b>%1</b>").arg(title.toHtmlEscaped()), this);
    m_body->addWidget(heading);
    m_grid = new QGridLayout;
    m_grid->setColumnStretch(1, 1);
    m_body->addLayout(m_grid);
}

ValueSlider *PanelBase::addSlider(const QString &label, const QString &tip, PhotoField field,
                                  const SliderRange &range)
{
    auto *slider = new ValueSlider(range, this);
    slider->setToolTip(tip);
    addRow(label, slider)->setBuddy(slider->track());
    m_sliders << SliderBinding{slider, field};
    m_controls << slider;
    return slider;
}

QLabel *PanelBase::addRow(const QString &label, QWidget *control)
{
    auto *name = new QLabel(label, this);
    name->setToolTip(control->toolTip());
    const int row = m_grid->count() == 0 ? 0 : m_grid->rowCount();
    m_grid->addWidget(name, row, 0);
    m_grid->addWidget(control, row, 1);
    return name;
}

bool PanelBase::Write_Slider(const ValueSlider *slider)
{
    for (const SliderBinding &binding : m_sliders)
        if (binding.slider == slider)
            return m_delegate.Set_Photo_Field(binding.field, slider->value());
    return false;
}

void PanelBase::Enable_Sliders(bool enabled)
{
    for (const SliderBinding &binding : m_sliders)
        binding.slider->setEnabled(enabled);
}

void PanelBase::Enable_Controls(const Object_Photo *photo)
{
    for (QWidget *control : m_controls)
        control->setEnabled(photo != nullptr);
    if (m_blendSpace) {
        const QSignalBlocker quiet(m_blendSpace);
        m_blendSpace->setCurrentIndex(int(m_delegate.projectOptions.blendSpace));
    }
}

// Rows in BlendSpace order.
void PanelBase::addBlendSpaceChoice()
{
    m_blendSpace = new QComboBox(this);
    m_blendSpace->addItem("Linear light");
    m_blendSpace->addItem("sRGB values, as most editors blend");
    m_blendSpace->setToolTip(
        "Where the photos' colours are mixed: in linear light, or as the stored sRGB values");
    addRow("Blend space", m_blendSpace);
    connect(m_blendSpace, &QComboBox::activated, this, &PanelBase::OnChangeBlendSpace);
}

void PanelBase::OnChangeBlendSpace()
{
    Project_Options options = m_delegate.projectOptions;
    options.blendSpace = m_blendSpace->currentIndex() == 1 ? BlendSpace::Srgb : BlendSpace::Linear;
    m_delegate.Set_Project_Options(options);
}

void PanelBase::Load_Controls(const Object_Photo &photo)
{
    for (const SliderBinding &binding : m_sliders)
        binding.slider->setValue(Read_Photo_Field(photo, binding.field));
}
