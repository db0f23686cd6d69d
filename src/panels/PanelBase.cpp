#include "panels/PanelBase.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>

PanelBase::PanelBase(PhotoEditor &editor, const QString &objectName, const QString &title, QWidget *parent)
    : QWidget(parent), m_editor(editor)
{
    setObjectName(objectName);
    m_body = new QVBoxLayout(this);
    auto *heading = new QLabel(QStringLiteral("<b>%1</b>").arg(title.toHtmlEscaped()), this);
    m_body->addWidget(heading);
    m_grid = new QGridLayout;
    m_grid->setColumnStretch(1, 1);
    m_body->addLayout(m_grid);
}

ValueSlider *PanelBase::addSlider(const QString &label, const QString &tip, PhotoField field, double step,
                                  std::function<QString(double)> text)
{
    const PhotoFieldRow &row = photoFieldRow(field);
    auto *slider = new ValueSlider({row.minimum, row.maximum, step, std::move(text), row.initial}, this);
    slider->setToolTip(tip);
    addRow(label, slider)->setBuddy(slider->track());
    slider->track()->setAccessibleName(slider->accessibleName());
    slider->track()->setAccessibleDescription(tip);
    m_sliders << SliderBinding{slider, field};
    m_controls << slider;
    return slider;
}

QLabel *PanelBase::addRow(const QString &label, QWidget *control)
{
    auto *name = new QLabel(label, this);
    name->setBuddy(control); // the label's mnemonic focuses the control
    name->setToolTip(control->toolTip());
    // Screen readers name the control after its label (without the mnemonic's "&").
    QString plain = label;
    plain.remove(QLatin1Char('&'));
    if (plain.endsWith(QLatin1Char(':')))
        plain.chop(1);
    control->setAccessibleName(plain);
    const int row = m_grid->count() == 0 ? 0 : m_grid->rowCount();
    m_grid->addWidget(name, row, 0);
    m_grid->addWidget(control, row, 1);
    return name;
}

void PanelBase::addPlacementControls(const PlacementFields &fields)
{
    auto *turn = addSlider(tr("An&gle"), tr("Turns the photo clockwise about its centre, after the flips"),
                           fields.rotation, 0.5, degreesText);
    connect(turn, &ValueSlider::valueEdited, this, [this, turn] { writeSlider(turn); });
    auto *row = new QWidget(this);
    auto *rowLayout = new QHBoxLayout(row);
    rowLayout->setContentsMargins(0, 0, 0, 0);
    rowLayout->addWidget(
        addFlag(tr("Flip hori&zontally"), tr("Mirrors the photo left to right"), fields.flipHorizontal));
    rowLayout->addWidget(
        addFlag(tr("Flip vertically"), tr("Mirrors the photo top to bottom"), fields.flipVertical));
    rowLayout->addStretch(1);
    addRow(QString(), row);
    row->setAccessibleName(tr("Flips"));
}

QCheckBox *PanelBase::addFlag(const QString &label, const QString &tip, PhotoField field)
{
    auto *box = new QCheckBox(label, this);
    box->setToolTip(tip);
    QString plain = label;
    box->setAccessibleName(plain.remove(QLatin1Char('&')));
    box->setAccessibleDescription(tip);
    connect(box, &QCheckBox::clicked, this,
            [this, box, field] { m_editor.setPhotoField(field, box->isChecked()); });
    m_flags << FlagBinding{box, field};
    m_controls << box;
    return box;
}

bool PanelBase::writeSlider(const ValueSlider *slider)
{
    for (const SliderBinding &binding : m_sliders)
        if (binding.slider == slider)
            return m_editor.setPhotoField(binding.field, slider->value());
    return false;
}

void PanelBase::enableSliders(bool enabled)
{
    for (const SliderBinding &binding : m_sliders)
        binding.slider->setEnabled(enabled);
    for (const FlagBinding &binding : m_flags)
        binding.box->setEnabled(enabled);
}

void PanelBase::enableControls(const Object_Photo *photo)
{
    for (QWidget *control : m_controls)
        control->setEnabled(photo != nullptr);
    if (m_blendSpace) {
        const QSignalBlocker quiet(m_blendSpace);
        m_blendSpace->setCurrentIndex(int(m_editor.projectOptions().blendSpace));
    }
}

// Rows in BlendSpace order.
void PanelBase::addBlendSpaceChoice()
{
    m_blendSpace = new QComboBox(this);
    m_blendSpace->addItem(tr("Linear light"));
    m_blendSpace->addItem(tr("sRGB values, as most editors blend"));
    m_blendSpace->setToolTip(
        tr("Where the photos' colours are mixed: in linear light, or as the stored sRGB values"));
    addRow(tr("Blend spa&ce"), m_blendSpace);
    connect(m_blendSpace, &QComboBox::activated, this, &PanelBase::OnChangeBlendSpace);
}

void PanelBase::OnChangeBlendSpace()
{
    ProjectOptions options = m_editor.projectOptions();
    options.blendSpace = m_blendSpace->currentIndex() == 1 ? BlendSpace::Srgb : BlendSpace::Linear;
    m_editor.setProjectOptions(options);
}

void PanelBase::loadControls(const Object_Photo &photo)
{
    for (const SliderBinding &binding : m_sliders)
        binding.slider->setValue(readPhotoField(photo, binding.field));
    for (const FlagBinding &binding : m_flags) {
        const QSignalBlocker quiet(binding.box);
        binding.box->setChecked(readPhotoField(photo, binding.field) != 0.0);
    }
}
