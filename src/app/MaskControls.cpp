#include "app/MaskControls.h"

#include "app/MaskTool.h"
#include "app/View_Image_Preview.h"
#include "model/PhotoProject.h"

#include <QAction>

#include <QButtonGroup>
#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>

namespace {

// A number box with its label, both named for assistive technologies.
template <typename Box>
Box *addNumber(QHBoxLayout *row, QWidget *parent, const QString &name, const QString &text,
               const QString &tip)
{
    auto *label = new QLabel(text, parent);
    auto *box = new Box(parent);
    box->setObjectName(name);
    box->setAccessibleName(QString(text).remove(QLatin1Char('&')).remove(QLatin1Char(':')));
    box->setToolTip(tip);
    label->setBuddy(box);
    row->addWidget(label);
    row->addWidget(box);
    return box;
}

} // namespace

MaskControls::MaskControls(MaskTool &tool, PhotoProject &project, QWidget *parent)
    : QWidget(parent), m_tool(tool), m_project(project)
{
    setObjectName("maskControls");
    setAccessibleName(tr("Mask tool"));
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    auto *group = new QButtonGroup(this);
    const struct {
        const char *name, *text, *tip;
    } choices[] = {
        {"maskHide", QT_TR_NOOP("Hide"), QT_TR_NOOP("Brush that hides the photo (B; X swaps with Show)")},
        {"maskShow", QT_TR_NOOP("Show"),
         QT_TR_NOOP("Brush that shows the photo again (B; X swaps with Hide)")},
        {"maskLinear", QT_TR_NOOP("Linear"),
         QT_TR_NOOP("Linear gradient: drag from where the photo shows to where it is hidden (G)")},
        {"maskRadial", QT_TR_NOOP("Radial"),
         QT_TR_NOOP("Radial gradient: drag from the centre, where the photo shows, outwards (G)")},
    };
    for (const auto &choice : choices) {
        QAbstractButton *button = addChoice(choice.name, tr(choice.text), tr(choice.tip));
        group->addButton(button);
        row->addWidget(button);
    }
    m_size = addNumber<QDoubleSpinBox>(row, this, "maskSize", tr("Size:"),
                                       tr("The brush's diameter in per cent of the photo's width ([ and ])"));
    m_size->setRange(MaskTool::kSmallestSize, MaskTool::kLargestSize);
    m_size->setDecimals(1);
    m_size->setSuffix(tr(" %"));
    m_hardness =
        addNumber<QSpinBox>(row, this, "maskHardness", tr("Hardness:"),
                            tr("100 a hard edge, lower a softer one (Shift+[ and Shift+]); for a radial "
                               "gradient, how much of it is fully shown"));
    m_hardness->setRange(0, 100);
    m_opacity = addNumber<QSpinBox>(row, this, "maskOpacity", tr("Opacity:"),
                                    tr("How far one stroke hides or shows the photo"));
    m_opacity->setRange(1, 100);
    m_opacity->setSuffix(tr(" %"));
    connect(m_size, &QDoubleSpinBox::valueChanged, this, &MaskControls::readSettings);
    connect(m_hardness, &QSpinBox::valueChanged, this, &MaskControls::readSettings);
    connect(m_opacity, &QSpinBox::valueChanged, this, &MaskControls::readSettings);
    auto *invert = new QPushButton(tr("Invert"), this);
    invert->setObjectName("maskInvert");
    invert->setAccessibleName(tr("Invert the mask"));
    invert->setToolTip(tr("Show the photo where it was hidden and hide it where it showed"));
    connect(invert, &QPushButton::clicked, this, [this] { m_project.invertMask(m_project.selectedIndex()); });
    auto *clear = new QPushButton(tr("Clear"), this);
    clear->setObjectName("maskClear");
    clear->setAccessibleName(tr("Clear the mask"));
    clear->setToolTip(tr("Remove the photo's mask: it shows everywhere again"));
    connect(clear, &QPushButton::clicked, this, [this] { m_project.clearMask(m_project.selectedIndex()); });
    m_showMask = new QCheckBox(tr("Show Mask"), this);
    m_showMask->setObjectName("maskShowOverlay");
    m_showMask->setAccessibleName(tr("Show the mask"));
    m_showMask->setToolTip(tr("Tint the parts of the photo the mask hides"));
    connect(m_showMask, &QCheckBox::toggled, this, &MaskControls::readSettings);
    for (QWidget *button : {static_cast<QWidget *>(invert), static_cast<QWidget *>(clear)})
        button->setFocusPolicy(Qt::TabFocus);
    row->addWidget(invert);
    row->addWidget(clear);
    row->addWidget(m_showMask);
    row->addStretch(1);
    connect(&m_tool, &MaskTool::settingsChanged, this, &MaskControls::showSettings);
    showSettings();
}

QAbstractButton *MaskControls::addChoice(const QString &name, const QString &text, const QString &tip)
{
    auto *button = new QToolButton(this);
    button->setObjectName(name);
    button->setText(text);
    button->setToolTip(tip);
    button->setAccessibleName(text);
    button->setCheckable(true);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setFocusPolicy(Qt::TabFocus); // a click leaves the keys with the canvas
    connect(button, &QToolButton::toggled, this, [this](bool on) {
        if (on)
            readSettings();
    });
    m_choices.append(button);
    return button;
}

void MaskControls::showSettings()
{
    const MaskTool::Settings &settings = m_tool.settings();
    m_showing = true;
    const int choice = settings.shape == MaskTool::Brush            ? (settings.show ? 1 : 0)
                       : settings.shape == MaskTool::LinearGradient ? 2
                                                                    : 3;
    m_choices[choice]->setChecked(true);
    m_size->setValue(settings.size);
    m_hardness->setValue(int(settings.hardness));
    m_opacity->setValue(int(settings.opacity));
    m_showMask->setChecked(settings.showMask);
    m_showing = false;
}

void MaskControls::readSettings()
{
    if (m_showing)
        return;
    MaskTool::Settings settings = m_tool.settings();
    if (m_choices[0]->isChecked() || m_choices[1]->isChecked()) {
        settings.shape = MaskTool::Brush;
        settings.show = m_choices[1]->isChecked();
    } else {
        settings.shape = m_choices[2]->isChecked() ? MaskTool::LinearGradient : MaskTool::RadialGradient;
    }
    settings.size = m_size->value();
    settings.hardness = m_hardness->value();
    settings.opacity = m_opacity->value();
    settings.showMask = m_showMask->isChecked();
    m_tool.setSettings(settings);
}

QAction *addMaskTool(PhotoProject &project, View_Image_Preview &canvas, QBoxLayout *toolbar,
                     QBoxLayout *column, int at)
{
    QWidget *owner = column->parentWidget();
    auto *tool = new MaskTool(project, canvas, owner);
    auto *controls = new MaskControls(*tool, project, owner);
    controls->hide();
    column->insertWidget(at, controls);
    auto *action = new QAction(MaskControls::tr("Mas&k"), owner);
    action->setObjectName("menuMaskTool");
    action->setCheckable(true);
    action->setToolTip(MaskControls::tr("Paint where the selected photo shows (not in Linear projects)"));
    auto *button = new QToolButton(owner);
    button->setObjectName("mask");
    button->setDefaultAction(action);
    button->setAccessibleName(MaskControls::tr("Mask tool"));
    toolbar->insertWidget(1, button);
    QObject::connect(action, &QAction::toggled, controls, [&canvas, tool, controls](bool on) {
        if (on)
            canvas.setTool(tool);
        else if (canvas.tool() == tool)
            canvas.setTool(nullptr);
        controls->setVisible(on);
        if (on)
            canvas.setFocus();
    });
    // Offered for a later photo of a project that places photos over others.
    auto offer = [&project, action, button] {
        const bool linear = isLinearMode(project.mode());
        button->setVisible(!linear);
        action->setEnabled(!linear && project.canMask(project.selectedIndex()));
        if (!action->isEnabled())
            action->setChecked(false);
    };
    QObject::connect(&project, &PhotoProject::changed, action, offer);
    offer();
    return action;
}
