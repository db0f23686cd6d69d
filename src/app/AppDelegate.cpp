#include "app/AppDelegate.h"

#include "app/GestureCounter.h"
#include "app/MainWindow.h"
#include "app/PhotoTable.h"
#include "app/View_Image_Preview.h"
#include "output/SharingServices.h"

#include <QScrollArea>

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <cstdio>
#include <cstdlib>
#include <utility>

namespace {

void endProcessNow(int status)
{
    std::fflush(nullptr);
    std::_Exit(status);
}
} // namespace

AppDelegate::AppDelegate(Options options)
    : m_options(std::move(options)), m_desktop(m_options.desktop), m_panelStore(std::make_unique<QWidget>())
{
    if (!m_desktop)
        m_desktop = std::make_shared<QtDesktop>();
    if (!m_options.exitProcess)
        m_options.exitProcess = endProcessNow;
    if (!m_options.clock)
        m_options.clock = [] { return QDateTime::currentDateTime(); };
    m_window = std::make_unique<MainWindow>(*this);
    viewPreviewImage = m_window->canvas();
    // A drawing pass with a photo is where a pending capture starts. From the start of
    // the capture until its picture is written, the window shows that it is busy; it
    // keeps repainting and answering meanwhile.
    connect(viewPreviewImage, &View_Image_Preview::passDrawn, this, &AppDelegate::startCaptureIfPending);
    // The canvas's description names the picture's size and zoom, which a pass tells.
    connect(viewPreviewImage, &View_Image_Preview::passDrawn, this, &AppDelegate::describeCanvas);
    connect(viewPreviewImage, &View_Image_Preview::zoomChanged, this, &AppDelegate::describeCanvas);
    connect(&m_output, &OutputRunner::captureStarted, this,
            [this] { setOutputBusy(true, tr("Rendering…")); });
    connect(&m_output, &OutputRunner::captured, this, &AppDelegate::finishCapture);
    connect(&m_output, &OutputRunner::written, this, [this](const WriteResult &result) {
        setOutputBusy(false);
        if (auto done = std::exchange(m_writeDone, {}))
            done(result);
        continuePendingOutput(); // a save that waited for this write
    });
    m_gestures = new GestureCounter(this);
    connect(&m_project, &PhotoProject::changed, this, &AppDelegate::followProject);
    connect(&m_adder, &PhotoAdder::batchFinished, this, &AppDelegate::finishAdd);
    connect(&m_adder, &PhotoAdder::progress, this, &AppDelegate::showLoadProgress);
    scrollviewPreviewCanvas = m_window->canvasScroll();
    tablePhotos = m_window->table();
    view_Controls = m_window->controlsContainer();
    setUpPhotoTable();
}

AppDelegate::~AppDelegate()
{
    stopAddingPhotos();
    // The panels shown live inside the window; move them back so each is deleted once.
    for (QWidget *panel : view_Controls ? view_Controls->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)
                                        : QList<QWidget *>())
        panel->setParent(m_panelStore.get());
}

void AppDelegate::applicationDidFinishLaunching()
{
    stopAddingPhotos();
    m_project.reset(Composite, {}, QString());
    for (QWidget *panel : m_panelStore->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        delete panel;
    capture.b_Take_Picture = false;

    m_preferences = Preferences::load();
    // A chosen output folder that cannot be made gives way to the usual one.
    capture.s_Output_Folder = preferredOutputFolder();
    if (!createOutputFolder())
        capture.s_Output_Folder = defaultOutputFolder();
    if (!createOutputFolder()) {
        desktop().runAlert(nullptr, {tr("Error"), tr("Error #0008. Application will exit."), {tr("Close")}});
        m_options.exitProcess(0);
        return;
    }

    Set_Controls_View_to_Home();
    scheduleOneShot(timerStartupSelectProjectType, timing().oneShotMs,
                    &AppDelegate::TimerNewProjectStartupRoutine);

    updateWindowTitle();
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}

QString AppDelegate::defaultDocumentsFolder() const
{
    if (!m_options.documentsFolder.isEmpty())
        return m_options.documentsFolder;
    const QStringList found = QStandardPaths::standardLocations(QStandardPaths::DocumentsLocation);
    return found.isEmpty() ? QDir::homePath() + "/Documents" : found.first();
}

QString AppDelegate::defaultOutputFolder() const
{
    return QDir::cleanPath(defaultDocumentsFolder() + "/Quillane") + "/";
}

QString AppDelegate::preferredOutputFolder() const
{
    return m_preferences.outputFolder.isEmpty() ? defaultOutputFolder()
                                                : QDir::cleanPath(m_preferences.outputFolder) + "/";
}

bool AppDelegate::createOutputFolder()
{
    // Something already there (even a plain file) is used as it is.
    const QFileInfo there(QDir::cleanPath(capture.s_Output_Folder));
    if (there.exists() || there.isSymLink())
        return true;
    return QDir().mkpath(capture.s_Output_Folder);
}

QSize AppDelegate::windowWillResize(QSize proposed)
{
    return {std::max(proposed.width(), 800), std::max(proposed.height(), 600)};
}

void AppDelegate::windowWillClose()
{
    stopAddingPhotos();
    Terminate_App();
}

void AppDelegate::Terminate_App()
{
    removeSharedCopies();
    m_options.exitProcess(0);
}

void AppDelegate::scheduleOneShot(QPointer<QTimer> &slot, int ms, void (AppDelegate::*routine)())
{
    if (slot) {
        slot->stop();
        slot->deleteLater();
    }
    auto *timer = new QTimer(this);
    timer->setSingleShot(true);
    timer->setInterval(ms);
    connect(timer, &QTimer::timeout, this, routine);
    connect(timer, &QTimer::timeout, timer, &QObject::deleteLater);
    slot = timer;
    timer->start();
}

void AppDelegate::TimerNewProjectStartupRoutine()
{
    if (!openLaunchProject())
        OnNewProjectStartup();
}

void AppDelegate::markPreviewForRedraw()
{
    if (viewPreviewImage)
        viewPreviewImage->redraw();
}

// The table follows the list and the selection, the panel the selected photo and the
// project's settings (the canvas follows the project itself).
void AppDelegate::followProject(int changes)
{
    if (changes & PhotoProject::ListChanged && m_tableModel)
        refreshTablePhotos();
    else if (changes & PhotoProject::SelectionChanged)
        followSelection();
    // Another photo in the selected row, a value put back by undo or redo or written on
    // the canvas, or new settings show in the panel.
    const int written = m_panelWriting ? 0 : PhotoProject::FieldChanged;
    if (changes & (PhotoProject::ListChanged | PhotoProject::SelectionChanged | PhotoProject::FromHistory |
                   PhotoProject::OptionsChanged | written))
        syncPanelToSelection();
    m_window->setHasPhotos(!m_project.photos().isEmpty());
    updateWindowTitle();
    describeCanvas();
}
