#include "app/Window_New_Project.h"

#include "model/BlendMode.h"
#include "model/ProjectMode.h"
#include "output/Desktop.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QVBoxLayout>

void ChoiceButton::nextCheckState()
{
    if (!isChecked())
        setChecked(true);
}

Window_New_Project::Window_New_Project(quint64 currentMode, Desktop &desktop, bool startup, QWidget *parent)
    : QDialog(parent), modeChosen(currentMode), bStartup(startup), m_desktop(desktop)
{
    setObjectName("Window_New_Project");
    setWindowTitle(tr("New Project"));
    setWindowModality(Qt::ApplicationModal);
    buildLayout();
    windowDidLoad();
}

QRadioButton *Window_New_Project::addChoice(const QString &name, const QString &text,
                                            const QString &description, void (Window_New_Project::*handler)(),
                                            bool indented)
{
    auto *button = new ChoiceButton(text, this);
    button->setObjectName(name);
    button->setAutoExclusive(false);
    connect(button, &QAbstractButton::clicked, this, handler);
    auto *row = new QVBoxLayout;
    row->setContentsMargins(indented ? 28 : 0, 0, 0, 0);
    row->setSpacing(0);
    row->addWidget(button);
    auto *label = new QLabel(description, this);
    label->setContentsMargins(24, 0, 0, 4);
    m_descriptions << label;
    tintDescriptions();
    button->setAccessibleDescription(description);
    row->addWidget(label);
    static_cast<QVBoxLayout *>(layout())->addLayout(row);
    return button;
}

// Quieter than the choices themselves, yet readable on light and dark palettes alike:
// the dialog's text colour, seven tenths of the way from its background.
void Window_New_Project::tintDescriptions()
{
    const QColor ink = palette().color(QPalette::WindowText);
    const QColor back = palette().color(QPalette::Window);
    const QColor quiet = QColor::fromRgbF(back.redF() + 0.7f * (ink.redF() - back.redF()),
                                          back.greenF() + 0.7f * (ink.greenF() - back.greenF()),
                                          back.blueF() + 0.7f * (ink.blueF() - back.blueF()));
    for (QLabel *label : std::as_const(m_descriptions)) {
        QPalette tinted = label->palette();
        tinted.setColor(QPalette::WindowText, quiet);
        label->setPalette(tinted);
    }
}

void Window_New_Project::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        tintDescriptions();
}

void Window_New_Project::buildLayout()
{
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(
        new QLabel(QStringLiteral("<b>%1</b>").arg(tr("Choose the type of your project")), this));
    using W = Window_New_Project;
    radioComposite =
        addChoice("radioComposite", tr("&Composite"),
                  tr("Lay each photo over the picture with one of %1 blend modes.").arg(kBlendModeCount),
                  &W::OnRadioComposite);
    radioShape = addChoice("radioShape", tr("&Shape"),
                           tr("Cut each photo out through a shape: circle, star, heart…"), &W::OnRadioShape);
    radioLinear = addChoice("radioLinear", tr("&Linear"), tr("Join the photos into a strip with soft seams."),
                            &W::OnRadioLinear);
    radioHorizontal = addChoice("radioHorizontal", tr("&Horizontal"), tr("Left to right."),
                                &W::OnRadioLinearHorizontal, true);
    radioVertical =
        addChoice("radioVertical", tr("&Vertical"), tr("Bottom to top."), &W::OnRadioLinearVertical, true);
    radioTransparency =
        addChoice("radioTransparency", tr("&Transparency"),
                  tr("Lay each photo over the background with its own opacity, size and place."),
                  &W::OnRadioTransparency);
    radioFusion =
        addChoice("radioFusion", tr("&Exposure fusion"),
                  tr("Fuse a bracket of exposures of one scene into one picture."), &W::OnRadioFusion);
    auto *buttons = new QDialogButtonBox(this);
    buttonOK = buttons->addButton(QDialogButtonBox::Ok);
    buttonCancel = buttons->addButton(QDialogButtonBox::Cancel);
    buttonOK->setDefault(true);
    connect(buttonOK, &QPushButton::clicked, this, &W::OnOK);
    connect(buttonCancel, &QPushButton::clicked, this, &W::OnCancel);
    layout->addWidget(buttons);
}

void Window_New_Project::windowDidLoad()
{
    const quint64 mode = modeChosen;
    radioComposite->setChecked(mode == Composite);
    radioShape->setChecked(mode == Shape);
    radioLinear->setChecked(isLinearMode(mode));
    radioTransparency->setChecked(mode == Transparent);
    radioFusion->setChecked(mode == Fusion);
    radioHorizontal->setChecked(mode == LinearHorizontal);
    radioVertical->setChecked(mode == LinearVertical);
    radioHorizontal->setEnabled(isLinearMode(mode));
    radioVertical->setEnabled(isLinearMode(mode));
}

void Window_New_Project::onlyMainChoice(QRadioButton *on)
{
    if (!on->isChecked())
        return;
    for (QRadioButton *other : {radioComposite.get(), radioShape.get(), radioLinear.get(),
                                radioTransparency.get(), radioFusion.get()})
        if (other != on)
            other->setChecked(false);
    const bool linear = on == radioLinear;
    radioHorizontal->setChecked(linear);
    radioVertical->setChecked(false);
    radioHorizontal->setEnabled(linear);
    radioVertical->setEnabled(linear);
}

void Window_New_Project::OnRadioComposite()
{
    onlyMainChoice(radioComposite);
}
void Window_New_Project::OnRadioShape()
{
    onlyMainChoice(radioShape);
}
void Window_New_Project::OnRadioTransparency()
{
    onlyMainChoice(radioTransparency);
}
void Window_New_Project::OnRadioFusion()
{
    onlyMainChoice(radioFusion);
}
void Window_New_Project::OnRadioLinear()
{
    onlyMainChoice(radioLinear);
}

void Window_New_Project::OnRadioLinearHorizontal()
{
    if (radioHorizontal->isChecked())
        radioVertical->setChecked(false);
}

void Window_New_Project::OnRadioLinearVertical()
{
    if (radioVertical->isChecked())
        radioHorizontal->setChecked(false);
}

void Window_New_Project::OnOK()
{
    bOK = true;
    if (radioComposite->isChecked())
        modeChosen = Composite;
    else if (radioShape->isChecked())
        modeChosen = Shape;
    else if (radioLinear->isChecked())
        modeChosen = radioHorizontal->isChecked() ? LinearHorizontal : LinearVertical;
    else if (radioTransparency->isChecked())
        modeChosen = Transparent;
    else if (radioFusion->isChecked())
        modeChosen = Fusion;
    done(1);
}

void Window_New_Project::OnCancel()
{
    if (bStartup) {
        m_desktop.runAlert(this,
                           {tr("Error"), tr("You must choose a project type at startup."), {tr("Close")}});
        return;
    }
    bOK = false;
    done(0);
}

void Window_New_Project::reject()
{
    OnCancel();
}
