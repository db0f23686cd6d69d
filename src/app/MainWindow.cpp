#include "app/MainWindow.h"

#include "app/AppAccessibility.h"
#include "app/AppDelegate.h"
#include "app/FileDrop.h"
#include "app/IndicatorStyle.h"
#include "app/MaskControls.h"
#include "app/PhotoTable.h"
#include "app/PlacementTool.h"
#include "app/View_Image_Preview.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QStatusBar>
#include <QTimer>
#include <QUndoStack>
#include <QVBoxLayout>
#include <QWindow>

#include <utility>

namespace {

// The controls column: as tall as the panel in it wants, and scrolling when the window
// is too small for that (a high scale factor on a small screen).
class ControlsScroll : public QScrollArea {
  public:
    using QScrollArea::QScrollArea;
    QSize sizeHint() const override
    {
        const QSize content = widget() ? widget()->sizeHint().expandedTo(widget()->minimumSize()) : QSize();
        return {content.width() + verticalScrollBar()->sizeHint().width(),
                content.height() + 2 * frameWidth()};
    }

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == widget() && event->type() == QEvent::LayoutRequest)
            updateGeometry(); // another panel came in
        return QScrollArea::eventFilter(watched, event);
    }
};

QPushButton *makeButton(QWidget *parent, const QString &name, const QString &text, const QString &tip)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setToolTip(tip);
    return button;
}

} // namespace

MainWindow::MainWindow(AppDelegate &delegate) : m_delegate(delegate)
{
    useIndicatorStyle();
    installAppAccessibility();
    setWindowTitle(tr("Quillane"));
    // The window manager enforces the smallest size that the resize rule allows, or the
    // screen when it is smaller (a high scale factor on a small screen).
    setMinimumSize(minimumSizeOn(screen()));
    resize(1200, 800);

    auto *splitter = new QSplitter(Qt::Horizontal, this);
    splitter->addWidget(buildPhotoColumn());
    splitter->addWidget(buildCanvasColumn());
    splitter->setStretchFactor(0, 0);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({300, 900});
    setCentralWidget(splitter);
    buildMenus();
    enableOutput();
    acceptFileDrops(m_delegate, this);
    acceptFileDrops(m_delegate, m_table->viewport());
}

// A window closed while busy leaves no busy cursor behind.
MainWindow::~MainWindow()
{
    if (m_showsBusy)
        QApplication::restoreOverrideCursor();
}

QSize MainWindow::minimumSizeOn(const QScreen *screen, QSize frame)
{
    const QSize rule = AppDelegate::windowWillResize(QSize(0, 0));
    if (!screen)
        return rule;
    return rule.boundedTo((screen->availableSize() - frame).expandedTo(QSize(320, 240)));
}

// The title bar and the frame are known once the window manager has framed the window.
void MainWindow::fitMinimumSize()
{
    const QSize frame = frameGeometry().size() - geometry().size();
    setMinimumSize(minimumSizeOn(screen(), frame));
    // The opening size too: a window larger than the screen shrinks to it.
    const QSize room = screen() ? screen()->availableSize() - frame : size();
    if (width() > room.width() || height() > room.height())
        resize(size().boundedTo(room).expandedTo(minimumSize()));
}

QWidget *MainWindow::buildPhotoColumn()
{
    auto *column = new QWidget(this);
    auto *layout = new QVBoxLayout(column);
    m_table = new PhotoTable(column);
    m_table->setObjectName("tablePhotos");
    m_table->setMinimumWidth(240);
    // Tab leaves the table for the next control; the arrow keys move between rows.
    m_table->setTabKeyNavigation(false);
    m_table->setAccessibleName(tr("Photos"));
    m_table->setAccessibleDescription(tr("The photos in mixing order; the first is the background."));
    layout->addWidget(m_table, 1);

    auto *buttons = new QHBoxLayout;
    const struct {
        const char *name, *text, *tip;
        void (AppDelegate::*command)();
    } rows[] = {
        {"add", QT_TR_NOOP("A&dd"), QT_TR_NOOP("Add a photo (the first one is the background)"),
         &AppDelegate::OnMenuActionAddPhoto},
        {"remove", QT_TR_NOOP("Re&move"), QT_TR_NOOP("Remove the selected photo"),
         &AppDelegate::OnMenuActionRemovePhoto},
        {"up", QT_TR_NOOP("Move &Up"), QT_TR_NOOP("Move the selected photo up"),
         &AppDelegate::OnMenuActionMoveUp},
        {"down", QT_TR_NOOP("Move D&own"), QT_TR_NOOP("Move the selected photo down"),
         &AppDelegate::OnMenuActionMoveDown},
    };
    for (const auto &row : rows) {
        QPushButton *button = makeButton(column, row.name, tr(row.text), tr(row.tip));
        connect(button, &QPushButton::clicked, &m_delegate, row.command);
        buttons->addWidget(button);
    }
    layout->addLayout(buttons);
    return column;
}

QWidget *MainWindow::buildCanvasColumn()
{
    auto *column = new QWidget(this);
    auto *layout = new QVBoxLayout(column);

    auto *toolbar = new QHBoxLayout;
    QPushButton *newProject = makeButton(column, "new", tr("&New Project"), tr("Start a new project"));
    connect(newProject, &QPushButton::clicked, &m_delegate, &AppDelegate::OnNewProject);
    toolbar->addWidget(newProject);
    toolbar->addStretch(1);
    m_zoomLabel = new QLabel(column);
    m_zoomLabel->setObjectName("zoomLabel");
    m_zoomLabel->setAccessibleName(tr("Zoom"));
    m_zoomLabel->setToolTip(tr("Zoom of the preview: Ctrl+wheel, Ctrl++ and Ctrl+− change it"));
    toolbar->addWidget(m_zoomLabel);
    toolbar->addSpacing(12);
    m_save = makeButton(column, "save", tr("&Save"), tr("Save the mixed picture as a PNG file"));
    m_share = makeButton(column, "share", tr("Sha&re"), tr("Share the mixed picture"));
    connect(m_save, &QPushButton::clicked, &m_delegate, &AppDelegate::OnSaveMixedPhoto);
    connect(m_share, &QPushButton::clicked, &m_delegate, &AppDelegate::OnShare);
    toolbar->addWidget(m_save);
    toolbar->addWidget(m_share);
    layout->addLayout(toolbar);

    m_scroll = new QScrollArea(column);
    m_scroll->setObjectName("scrollviewPreviewCanvas");
    m_scroll->setAccessibleName(tr("Preview"));
    m_scroll->setWidgetResizable(true);
    m_canvas = new View_Image_Preview(m_delegate.project());
    m_canvas->setObjectName("viewPreviewImage");
    m_canvas->setMinimumSize(240, 160);
    m_scroll->setWidget(m_canvas);
    m_canvas->setScrollArea(m_scroll);
    connect(m_canvas, &View_Image_Preview::zoomChanged, m_zoomLabel, [this] {
        const QString zoom = m_canvas->shownZoom() > 0.0 ? m_canvas->zoomText() : QString();
        m_zoomLabel->setText(zoom);
        // Read as the label's name: "Zoom: Fit (23 %)".
        m_zoomLabel->setAccessibleName(zoom.isEmpty() ? tr("Zoom") : tr("Zoom: %1").arg(zoom));
    });
    layout->addWidget(m_scroll, 1);
    m_maskAction = addMaskTool(m_delegate.project(), *m_canvas, toolbar, layout, 1);

    m_controls = new QWidget(column);
    m_controls->setObjectName("view_Controls");
    m_controls->setAccessibleName(tr("Controls of the selected photo"));
    m_controls->setLayout(new QVBoxLayout);
    m_controls->layout()->setContentsMargins(0, 0, 0, 0);
    // The controls scroll when the screen is too small for the whole column.
    auto *controlsScroll = new ControlsScroll(column);
    controlsScroll->setObjectName("controlsScroll");
    controlsScroll->setWidgetResizable(true);
    controlsScroll->setFrameShape(QFrame::NoFrame);
    controlsScroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    controlsScroll->setWidget(m_controls);
    controlsScroll->setMinimumHeight(120);
    controlsScroll->setFocusPolicy(Qt::NoFocus); // Tab goes to the controls themselves
    m_controls->setMinimumHeight(170);
    layout->addWidget(controlsScroll, 0);
    return column;
}

QAction *MainWindow::addMenuAction(QMenu *menu, const QString &objectName, const QString &text,
                                   const QKeySequence &shortcut, void (AppDelegate::*command)())
{
    QAction *action = menu->addAction(text);
    action->setObjectName(objectName);
    action->setShortcut(shortcut);
    connect(action, &QAction::triggered, &m_delegate, command);
    return action;
}

void MainWindow::buildMenus()
{
    QMenu *file = menuBar()->addMenu(tr("&File"));
    addMenuAction(file, "menuNewProject", tr("&New Project…"), QKeySequence::New,
                  &AppDelegate::OnMenuFileNewProject);
    addMenuAction(file, "menuOpenProject", tr("&Open Project…"),
                  QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O), &AppDelegate::OnMenuFileOpenProject);
    m_recentMenu = file->addMenu(tr("Open &Recent"));
    m_recentMenu->setObjectName("menuOpenRecent");
    connect(m_recentMenu, &QMenu::aboutToShow, this, &MainWindow::fillRecentMenu);
    addMenuAction(file, "menuSaveProject", tr("Save &Project…"),
                  QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), &AppDelegate::OnMenuFileSaveProject);
    m_saveAction =
        addMenuAction(file, "menuSave", tr("&Save…"), QKeySequence::Save, &AppDelegate::OnMenuFileSave);
    m_outputActions << addMenuAction(file, "menuExportAgain", tr("&Export Again"),
                                     QKeySequence(Qt::CTRL | Qt::Key_E), &AppDelegate::OnMenuFileExportAgain);
    file->addSeparator();
    QAction *quit =
        addMenuAction(file, "menuQuit", tr("&Quit"), QKeySequence::Quit, &AppDelegate::OnMenuQuit);
    quit->setMenuRole(QAction::QuitRole);

    QMenu *edit = menuBar()->addMenu(tr("&Edit"));
    const struct {
        QAction *action;
        const char *name;
        QKeySequence shortcut;
    } history[] = {
        {m_delegate.project().undoStack().createUndoAction(edit, tr("Undo")), "menuUndo",
         QKeySequence(Qt::CTRL | Qt::Key_Z)},
        {m_delegate.project().undoStack().createRedoAction(edit, tr("Redo")), "menuRedo",
         QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)},
    };
    for (const auto &row : history) {
        row.action->setObjectName(row.name);
        row.action->setShortcut(row.shortcut);
        edit->addAction(row.action);
    }
    edit->addSeparator();
    m_outputActions << addMenuAction(edit, "menuCopyPicture", tr("&Copy Picture"), QKeySequence::Copy,
                                     &AppDelegate::OnMenuEditCopyPicture);
    edit->addSeparator();
    addMenuAction(edit, "menuPreferences", tr("Pr&eferences…"), QKeySequence(Qt::CTRL | Qt::Key_Comma),
                  &AppDelegate::OnMenuEditPreferences)
        ->setMenuRole(QAction::PreferencesRole);

    QMenu *action = menuBar()->addMenu(tr("&Action"));
    addMenuAction(action, "menuAddPhoto", tr("&Add Photo…"), QKeySequence::Open,
                  &AppDelegate::OnMenuActionAddPhoto);
    addMenuAction(action, "menuRemovePhoto", tr("&Remove Photo"), QKeySequence::Delete,
                  &AppDelegate::OnMenuActionRemovePhoto);
    addMenuAction(action, "menuMoveUp", tr("Move &Up"), QKeySequence(Qt::CTRL | Qt::Key_Up),
                  &AppDelegate::OnMenuActionMoveUp);
    addMenuAction(action, "menuMoveDown", tr("Move &Down"), QKeySequence(Qt::CTRL | Qt::Key_Down),
                  &AppDelegate::OnMenuActionMoveDown);
    addPlacementAction(action);
    action->addSeparator();
    action->addAction(m_maskAction);
    // One tool has the canvas at a time.
    auto *tools = new QActionGroup(this);
    tools->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    tools->addAction(m_placeAction);
    tools->addAction(m_maskAction);

    QMenu *photo = menuBar()->addMenu(tr("Photo"));
    photo->setObjectName("menuPhoto");
    const struct {
        const char *name;
        QString text;
        void (AppDelegate::*command)();
        bool (AppDelegate::*enabled)() const;
    } photoItems[] = {
        {"menuAlignPhoto", tr("&Align to Background"), &AppDelegate::OnMenuPhotoAlign,
         &AppDelegate::canAlignSelected},
        {"menuAlignAllPhotos", tr("Align All &Later Photos"), &AppDelegate::OnMenuPhotoAlignAll,
         &AppDelegate::canAlignAny},
        {"menuClearAlignment", tr("&Clear Alignment"), &AppDelegate::OnMenuPhotoClearAlignment,
         &AppDelegate::selectedHasAlignment},
    };
    for (const auto &row : photoItems) {
        QAction *item = addMenuAction(photo, row.name, row.text, {}, row.command);
        connect(photo, &QMenu::aboutToShow, item,
                [this, item, enabled = row.enabled] { item->setEnabled((m_delegate.*enabled)()); });
    }

    QMenu *view = menuBar()->addMenu(tr("&View"));
    const struct {
        const char *name;
        QString text;
        QList<QKeySequence> shortcuts;
        void (View_Image_Preview::*command)();
    } zoom[] = {
        {"menuZoomIn",
         tr("Zoom &In"),
         {QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)},
         &View_Image_Preview::zoomIn},
        {"menuZoomOut", tr("Zoom &Out"), {QKeySequence::ZoomOut}, &View_Image_Preview::zoomOut},
        {"menuZoomFit",
         tr("&Fit in Window"),
         {QKeySequence(Qt::CTRL | Qt::Key_0)},
         &View_Image_Preview::zoomToFit},
        {"menuZoomActual",
         tr("&Actual Pixels (100 %)"),
         {QKeySequence(Qt::CTRL | Qt::Key_1)},
         &View_Image_Preview::zoomToActualPixels},
    };
    for (const auto &row : zoom) {
        QAction *item = view->addAction(row.text);
        item->setObjectName(row.name);
        item->setShortcuts(row.shortcuts);
        connect(item, &QAction::triggered, m_canvas, row.command);
    }

    QMenu *help = menuBar()->addMenu(tr("&Help"));
    addMenuAction(help, "menuShortcuts", tr("&Keyboard Shortcuts"), QKeySequence::HelpContents,
                  &AppDelegate::OnMenuHelpKeyboardShortcuts);
    help->addSeparator();
    addMenuAction(help, "menuHelpApp", tr("Quillane &Home Page"), {}, &AppDelegate::OnMenuHelpAppHomePage);
    addMenuAction(help, "menuHelpCompany", tr("&Company Home Page"), {},
                  &AppDelegate::OnMenuHelpCompanyHomePage);
    addMenuAction(help, "menuHelpPrivacy", tr("&Privacy Policy"), {}, &AppDelegate::OnMenuHelpPrivacyPolicy);
    addMenuAction(help, "menuHelpTicket", tr("Submit a Support &Ticket"), {},
                  &AppDelegate::OnMenuHelpSubmitTicket);
    help->addSeparator();
    addMenuAction(help, "menuHelpAbout", tr("&About Quillane"), {}, &AppDelegate::OnMenuHelpAbout)
        ->setMenuRole(QAction::AboutRole);
}

// Action › Place Photo on Canvas: the placement tool takes the canvas while checked;
// the tool's own finish (Enter, a double-click) unchecks it.
void MainWindow::addPlacementAction(QMenu *menu)
{
    menu->addSeparator();
    m_placeAction = menu->addAction(tr("&Place Photo on Canvas"));
    m_placeAction->setObjectName("menuPlacePhoto");
    m_placeAction->setCheckable(true);
    m_placeAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    m_placeAction->setToolTip(tr("Move, scale and rotate the selected photo by dragging it on the canvas"));
    m_placementTool = new PlacementTool(
        m_delegate.project(), *m_canvas, [this] { return m_delegate.currentGesture(); }, this);
    connect(m_placeAction, &QAction::toggled, this, [this](bool on) {
        if (on)
            m_canvas->setTool(m_placementTool);
        else if (m_canvas->tool() == m_placementTool)
            m_canvas->setTool(nullptr);
        if (on)
            m_canvas->setFocus();
    });
    connect(m_placementTool, &PlacementTool::finished, m_placeAction,
            [this] { m_placeAction->setChecked(false); });
}

// The recent projects, newest first; one no longer there is shown disabled.
void MainWindow::fillRecentMenu()
{
    m_recentMenu->clear();
    const QStringList recent = m_delegate.recentProjects();
    for (qsizetype i = 0; i < recent.size(); ++i) {
        const QFileInfo info(recent[i]);
        QAction *open = m_recentMenu->addAction(
            tr("&%1 %2 (%3)").arg(i + 1 == 10 ? 0 : i + 1).arg(info.completeBaseName(), info.absolutePath()));
        open->setEnabled(info.isFile());
        connect(open, &QAction::triggered, &m_delegate,
                [this, path = recent[i]] { m_delegate.openRecentProject(path); });
    }
    if (recent.isEmpty())
        m_recentMenu->addAction(tr("No Recent Projects"))->setEnabled(false);
    m_recentMenu->addSeparator();
    QAction *clear = m_recentMenu->addAction(tr("&Clear Menu"));
    clear->setObjectName("menuClearRecent");
    clear->setEnabled(!recent.isEmpty());
    connect(clear, &QAction::triggered, &m_delegate, &AppDelegate::clearRecentProjects);
}

// The busy pointer and the stage go once the event loop runs again idle: the next stage of
// the same command (a capture's write) starts at once and keeps them, without a flicker
// or a new delay, while an alert or a panel that follows the work finds the window idle.
void MainWindow::setOutputBusy(bool busy, int busyDelayMs)
{
    m_outputBusy = busy;
    enableOutput();
    if (!m_busyDelay) {
        m_busyDelay = new QTimer(this);
        m_busyDelay->setSingleShot(true);
        connect(m_busyDelay, &QTimer::timeout, this, &MainWindow::showBusy);
        m_idleLater = new QTimer(this);
        m_idleLater->setSingleShot(true);
        connect(m_idleLater, &QTimer::timeout, this, &MainWindow::showIdle);
    }
    if (!busy) {
        m_idleLater->start(0);
        return;
    }
    m_idleLater->stop();
    if (!m_showsBusy && !m_busyDelay->isActive())
        m_busyDelay->start(busyDelayMs);
}

void MainWindow::showIdle()
{
    if (m_outputBusy)
        return;
    m_busyDelay->stop();
    if (std::exchange(m_showsBusy, false)) {
        QApplication::restoreOverrideCursor();
        statusBar()->clearMessage();
    }
    m_outputStage.clear();
}

void MainWindow::setOutputStage(const QString &stage)
{
    m_outputStage = stage;
    if (m_showsBusy)
        statusBar()->showMessage(stage);
}

// The work has taken long enough to be noticed: the busy pointer (over the canvas as
// everywhere in the window, which keeps answering) and what is being done.
void MainWindow::showBusy()
{
    if (!m_outputBusy || std::exchange(m_showsBusy, true))
        return;
    QApplication::setOverrideCursor(Qt::BusyCursor);
    statusBar()->showMessage(m_outputStage);
}

void MainWindow::setHasPhotos(bool hasPhotos)
{
    m_hasPhotos = hasPhotos;
    enableOutput();
}

// Save and Share need a photo, and wait while a capture or a write runs.
void MainWindow::enableOutput()
{
    const bool enabled = m_hasPhotos && !m_outputBusy;
    for (QWidget *button : {static_cast<QWidget *>(m_save), static_cast<QWidget *>(m_share)})
        button->setEnabled(enabled);
    m_saveAction->setEnabled(enabled);
    for (QAction *action : std::as_const(m_outputActions))
        action->setEnabled(enabled);
}

QPushButton *MainWindow::button(const QString &name) const
{
    return findChild<QPushButton *>(name);
}

QAction *MainWindow::menuAction(const QString &objectName) const
{
    return findChild<QAction *>(objectName);
}

void MainWindow::showEvent(QShowEvent *event)
{
    fitMinimumSize();
    if (windowHandle() && !m_followsScreen) {
        m_followsScreen = true;
        connect(windowHandle(), &QWindow::screenChanged, this, &MainWindow::fitMinimumSize);
    }
    QTimer::singleShot(100, this, &MainWindow::fitMinimumSize);
    QMainWindow::showEvent(event);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (!m_delegate.windowShouldClose()) {
        event->ignore();
        return;
    }
    event->accept();
    m_delegate.windowWillClose();
}
