#pragma once

#include <QMainWindow>

class AppDelegate;
class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QScreen;
class QScrollArea;
class QTimer;
class PhotoTable;
class PlacementTool;
class View_Image_Preview;

// The main window: the photo table with its list buttons, the preview canvas in a
// scroll area, the controls container, and the menus. It holds no project state:
// every command goes to the AppDelegate.
class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    explicit MainWindow(AppDelegate &delegate);
    ~MainWindow() override;

    PhotoTable *table() const { return m_table; }
    View_Image_Preview *canvas() const { return m_canvas; }
    QScrollArea *canvasScroll() const { return m_scroll; }
    QWidget *controlsContainer() const { return m_controls; }

    // Named commands, for tests and the window's own buttons: "add", "remove", "up",
    // "down", "new", "save", "share".
    QPushButton *button(const QString &name) const;
    QAction *menuAction(const QString &objectName) const;

    // The smallest window: the resize rule's, within what `screen` has room for with a
    // `frame` (title bar and borders) around the window.
    static QSize minimumSizeOn(const QScreen *screen, QSize frame = {});
    void fitMinimumSize();

    // While a capture or a write runs: Save, Export Again, Copy Picture and Share
    // disabled; once it has run for `busyDelayMs`, the busy pointer and the stage
    // (setOutputStage) in the status bar, both gone when it ends.
    void setOutputBusy(bool busy, int busyDelayMs = 0);
    // What the output is doing now ("Rendering…", "Writing mix.jpg…").
    void setOutputStage(const QString &stage);
    // Whether the busy pointer and the stage are shown now.
    bool showsBusy() const { return m_showsBusy; }
    const QString &outputStage() const { return m_outputStage; }
    // Save and Share are disabled while the list is empty.
    void setHasPhotos(bool hasPhotos);

    // File › Open Recent, filled each time it opens.
    QMenu *recentMenu() const { return m_recentMenu; }
    void fillRecentMenu();

  protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

  private:
    QWidget *buildPhotoColumn();
    QWidget *buildCanvasColumn();
    void buildMenus();
    void addPlacementAction(QMenu *menu);
    QAction *addMenuAction(QMenu *menu, const QString &objectName, const QString &text,
                           const QKeySequence &shortcut, void (AppDelegate::*command)());

    AppDelegate &m_delegate;
    PhotoTable *m_table = nullptr;
    View_Image_Preview *m_canvas = nullptr;
    QScrollArea *m_scroll = nullptr;
    QWidget *m_controls = nullptr;
    QLabel *m_zoomLabel = nullptr;
    QPushButton *m_save = nullptr;
    QPushButton *m_share = nullptr;
    QAction *m_saveAction = nullptr;
    QAction *m_placeAction = nullptr; // checked while the placement tool has the canvas
    PlacementTool *m_placementTool = nullptr;
    QList<QAction *> m_outputActions; // Save, Export Again, Copy Picture
    QTimer *m_busyDelay = nullptr;
    QTimer *m_idleLater = nullptr;
    QString m_outputStage;
    bool m_showsBusy = false;
    QAction *m_maskAction = nullptr;
    QMenu *m_recentMenu = nullptr;
    bool m_outputBusy = false;
    bool m_hasPhotos = false;
    bool m_followsScreen = false;

    void enableOutput();
    void showBusy();
    void showIdle();
};
