#pragma once

#include "app/Preferences.h"
#include "app/Timing.h"
#include "encode/OutputRunner.h"
#include "imaging/PhotoAdder.h"
#include "imaging/PhotoReplacer.h"
#include "imaging/WorkerJob.h"
#include "model/PhotoProject.h"
#include "output/Desktop.h"
#include "panels/PhotoEditor.h"
#include "render/CaptureStep.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QSize>
#include <QTimer>

#include <functional>
#include <memory>

class MainWindow;
class PhotoTableModel;
class QTableView;
class QScrollArea;
class QWidget;
class PanelBase;
class View_Image_Preview;
class View_Home;
class View_Composition;
class View_Shape;
class View_Linear;
class View_Transparent;
class View_Fusion;
class Window_Share;
class GestureCounter;

// Web site of the help pages.
inline constexpr const char *kSiteAddress = "https://www.quillane.app";
// The licence the program is distributed under (also in the AppStream metadata).
inline constexpr const char *kProjectLicence = "GPL-3.0-or-later";

// What is kept between runs: QSettings under the application's own name, the folders
// the open panels last showed.
inline constexpr const char *kSettingsName = "Quillane";
inline constexpr const char *kLastPhotoFolderKey = "lastPhotoFolder";
inline constexpr const char *kLastProjectFolderKey = "lastProjectFolder";

// The application object: the shell that wires the window, the menus, the panels, the
// timers and the save flow to the document. The project itself is a PhotoProject, the
// document: the list, the selection, the undo history and the photos still loading are
// its, every change goes through its operations, and the table, the canvas and the panel
// follow its one notification.
class AppDelegate : public QObject, public PhotoEditor {
    Q_OBJECT
  public:
    struct Options {
        QString documentsFolder;              // empty: the user's Documents folder
        std::shared_ptr<Desktop> desktop;     // null: the Qt implementation
        std::function<void(int)> exitProcess; // null: end the process at once
        std::function<QDateTime()> clock;     // null: the current local time
        Timing timing;
        QStringList launchFiles; // photos and a project from the command line
    };

    explicit AppDelegate(Options options = {});
    ~AppDelegate() override;

    // Window and views (weak)
    MainWindow *window() const { return m_window.get(); }
    QPointer<View_Image_Preview> viewPreviewImage;
    QPointer<QScrollArea> scrollviewPreviewCanvas;
    QPointer<QTableView> tablePhotos;
    QPointer<QWidget> view_Controls;

    // The document: array_Photos, modeBlend, i_Selected_Photo_Index, its file and its
    // history. Its public operations are the only way to change it.
    PhotoProject &project() { return m_project; }
    const PhotoProject &project() const { return m_project; }
    // The number of the pointer or key gesture under way (the document merges its writes).
    quint64 currentGesture() const;
    // The capture request and its results: b_Take_Picture, imageSave,
    // s_Saved_Take_Picture, and the folder pictures go to, s_Output_Folder.
    CaptureState capture;

    // Pending timers (weak: empty once fired or stopped)
    QPointer<QTimer> timer_Save_Picture;
    QPointer<QTimer> timer_Share_Picture;
    QPointer<QTimer> timer_Copy_Picture;
    QPointer<QTimer> timer_Export_Again;
    QPointer<QTimer> timer_Select_First_Image;
    QPointer<QTimer> timerStartupSelectProjectType;

    // Controls panels, created on first show and kept
    QPointer<View_Composition> customview_Controls_Composition;
    QPointer<View_Shape> customview_Controls_Shape;
    QPointer<View_Linear> customview_Controls_Linear;
    QPointer<View_Home> customview_Controls_Home;
    QPointer<View_Transparent> customview_Controls_Transparent;
    QPointer<View_Fusion> customview_Controls_Fusion;

    // The share sheet while it is shown
    QPointer<Window_Share> windowShare;

    Desktop &desktop() const { return *m_desktop; }
    const Timing &timing() const { return m_options.timing; }
    QDateTime now() const { return m_options.clock(); }

    // Start-up and end
    void applicationDidFinishLaunching();
    static QSize windowWillResize(QSize proposed);
    void windowWillClose();
    void Terminate_App();

    // Panel switching
    void Set_Controls_View_to_Home();
    void Set_Controls_View_to_Composition();
    void Set_Controls_View_to_Shape();
    void Set_Controls_View_to_Linear();
    void Set_Controls_View_to_Transparent();
    void Set_Controls_View_to_Fusion();

    // Menu commands
    void OnMenuFileNewProject();
    void OnMenuActionAddPhoto();
    void OnMenuActionRemovePhoto();
    void OnMenuActionMoveUp();
    void OnMenuActionMoveDown();
    void OnMenuQuit();
    void OnMenuHelpAppHomePage();
    void OnMenuHelpCompanyHomePage();
    void OnMenuHelpPrivacyPolicy();
    void OnMenuHelpSubmitTicket();
    void OnMenuHelpAbout();
    void OnMenuHelpKeyboardShortcuts();
    void OnMenuEditCopyPicture();
    void OnMenuEditPreferences();
    void OnMenuFileExportAgain();

    // Align to Background (AppDelegate_Align.cpp): the selected photo, or every later
    // photo that can be aligned, aligned on a worker; the result is one undo step, or an
    // alert says why none was found. Clear Alignment takes the selected photo's back.
    void OnMenuPhotoAlign();
    void OnMenuPhotoAlignAll();
    void OnMenuPhotoClearAlignment();
    bool canAlignSelected() const;
    bool canAlignAny() const;
    bool selectedHasAlignment() const;
    bool isAligning() const { return m_aligning.isRunning(); }

    // Timer routines
    void TimerNewProjectStartupRoutine();

    // Project type
    void OnNewProjectStartup();
    void OnNewProject();
    void TimerSelectFirstImageRoutine();

    // Photo list and table
    void OnAddPhoto();
    void OnRemovePhoto();
    void OnMovePhotoUp();
    void OnMovePhotoDown();
    void OnReplacePhoto();
    void OnShowPhotoFile();
    void refreshTablePhotos();
    void tableViewSelectionDidChange();

    // The panels' editor (PhotoEditor): the document's write rule, with the gesture
    // that merges one drag's writes into one undo step.
    bool setPhotoField(PhotoField field, double value) override;
    PhotoPtr tunablePhoto() const override;
    const ProjectOptions &projectOptions() const override { return m_project.options(); }
    bool setProjectOptions(const ProjectOptions &options) override;
    QPoint pointerPosition() const override { return m_desktop->pointerPosition(); }

    void markPreviewForRedraw();

    // Output: saving and sharing the mixed picture (AppDelegate_Output.cpp)
    void OnSaveMixedPhoto();
    void Timer_Save_Picture_Routine();
    void OnMenuFileSave();
    void OnShare();
    void Timer_Share_Picture_Routine();
    void Close_Share_Window();
    // The PNG writer of the save flow: atomic, straight alpha, tagged sRGB.
    static WriteResult saveImage(const QImage &image, const QString &path);
    // Writes the picture with the output runner, then calls `done` on this thread.
    // Meanwhile the window shows a busy cursor and Save and Share are disabled.
    void writeCapture(const QImage &picture, const QString &path,
                      std::function<void(const WriteResult &)> done);
    bool isWritingPicture() const { return m_output.isWriting(); }
    // Runs a writing job on the output runner and `done` with its result here; false
    // (nothing started) while another write runs.
    // `stage` names the write in the status bar ("Writing mix.jpg…").
    bool runWrite(std::function<WriteResult()> job, std::function<void(const WriteResult &)> done,
                  const QString &stage = {});
    static QString writingStage(const QString &path);

    // Edit › Copy Picture (AppDelegate_Export.cpp): the mixed picture at full resolution
    // on the clipboard as image/png, captured and encoded on workers like a save.
    void OnCopyPicture();
    void Timer_Copy_Picture_Routine();
    // File › Export Again: the picture written to the last save's path in its format,
    // after asking whether to replace the file there.
    void OnExportAgain();
    void Timer_Export_Again_Routine();
    const Preferences &preferences() const { return m_preferences; }
    void setPreferences(const Preferences &preferences);
    // Where the last save put a picture (empty before the first).
    static QString lastSavedPicture();
    // Captures and writes on workers, for Save and Share.
    OutputRunner &outputRunner() { return m_output; }

    // Project files, several photos at once, drops and the command line
    // (AppDelegate_Files.cpp, AppDelegate_ProjectFile.cpp)
    void OnMenuFileOpenProject();
    void OnMenuFileSaveProject();
    void OnOpenProject();
    // True when the project was written.
    bool OnSaveProject();
    bool openProjectFile(const QString &path);
    // Adds photo files (Add, drops, the command line): their rows appear at once and
    // their pictures arrive from workers; one undo step and one alert for the whole add.
    void addPhotoFiles(const QStringList &paths);
    bool isLoadingPhotos() const { return m_adder.isLoading(); }
    bool openFiles(const QStringList &paths);

    // Unsaved work and recent projects (AppDelegate_Unsaved.cpp): the title shows the
    // project's name and whether it changed since it was opened or saved; the ways out
    // of a changed project ask Save / Discard / Cancel first.
    bool isProjectModified() const;
    QString projectDisplayName() const;
    void updateWindowTitle();
    void describeCanvas();
    bool confirmUnsavedChanges();
    bool windowShouldClose();
    QStringList recentProjects() const;
    void clearRecentProjects();
    void openRecentProject(const QString &path);

  private:
    OpenPanelRequest photoPanelRequest() const;
    static QString rememberedFolder(const char *key, const QString &fallback);
    QString defaultDocumentsFolder() const;
    QString defaultOutputFolder() const;
    QString preferredOutputFolder() const;
    // The writer's options for a picture at `path`: the preferences' quality, and the
    // background photo's camera details when they are to be kept.
    std::function<PictureOptions()> pictureOptionsFor(const QString &path) const;
    bool openLaunchProject();
    bool addLaunchPhotos();
    bool loadProjectPhotos(const QString &projectName, NewPhotoList &photos);
    void followProject(int changes);
    void startCaptureIfPending(bool drewPhotos);
    void finishCapture(const QImage &picture, const QString &error);
    void continuePendingOutput();
    void finishAdd(int added, const QStringList &refusals);
    void showLoadProgress(int loaded, int total);
    void stopAddingPhotos();
    void markProjectSaved(const QString &path);
    void followSelection();
    void rememberRecentProject(const QString &path);
    void showProjectFileAlert(const QString &message, const QString &informativeText);

    void showPanelOfMode();
    void setUpPhotoTable();
    void showPhotoMenu(QPoint position);
    bool runProjectTypeDialog(bool startup, quint64 &mode);
    qint64 selectedTableRow() const;
    PanelBase *panelOfMode() const;
    void syncPanelToSelection();
    template <typename Panel> void showPanel(QPointer<Panel> &slot);
    void scheduleOneShot(QPointer<QTimer> &slot, int ms, void (AppDelegate::*routine)());
    bool createOutputFolder();
    void openHelpPage(const QString &path);
    void scheduleRepeating(QPointer<QTimer> &slot, void (AppDelegate::*routine)());
    void setOutputBusy(bool busy, const QString &stage = {});
    static void stopTimer(QPointer<QTimer> &slot);
    void requestCapture(QPointer<QTimer> &poll, void (AppDelegate::*routine)());
    bool takeCapture(QPointer<QTimer> &poll, const QString &failure);
    void putOnClipboard(const QByteArray &png, QSize size);
    void offerSavedPicture(const QString &written);
    void savePictureElsewhere(const QString &failedPath, const QString &reason);
    void announceSavedPicture(const QString &chosen);
    QString saveFolder() const;
    static QString proposedPictureName(const QString &capturePath);
    // `announce`: what follows a write that succeeded; empty for the "Success" alert.
    void writeChosenPicture(const QString &chosen, const QString &keptAt, std::function<WriteResult()> job,
                            std::function<void()> announce = {});
    void alignRows(const QList<qsizetype> &rows);

    Options m_options;
    PhotoProject m_project;
    PhotoAdder m_adder{m_project};
    PhotoReplacer m_replacer{m_project};
    GestureCounter *m_gestures = nullptr;
    bool m_panelWriting = false; // a panel's write is under way: the panel needs no reload
    OutputRunner m_output;
    WorkerJob m_aligning;      // Align to Background, one run at a time
    QDateTime m_captureTime;   // the clock when the capture's pass started: it names the file
    QElapsedTimer m_saveClock; // since the last Save command, for the output timing log
    std::function<void(const WriteResult &)> m_writeDone;
    std::shared_ptr<Desktop> m_desktop;
    std::unique_ptr<MainWindow> m_window;
    std::unique_ptr<QWidget> m_panelStore; // hidden parent of the panels not shown
    PhotoTableModel *m_tableModel = nullptr;
    bool m_followingSelection = false; // the table is being set to the document's selection
    int m_outputBusy = 0;              // captures and writes under way
    QStringList m_launchPhotos;        // added once the start-up project type is chosen
    Preferences m_preferences;
};
