#include "app/MainWindow.h"

#include "app/AppDelegate.h"
#include "app/FileDrop.h"
#include "app/PhotoTable.h"
#include "app/View_Image_Preview.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QSplitter>
#include <QUndoStack>
#include <QVBoxLayout>

namespace {

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
    setWindowTitle(QStringLiteral("Quillane"));
    // The window manager enforces the smallest size that the resize rule allows.
    setMinimumSize(AppDelegate::windowWillResize(QSize(0, 0)));
    resize(1200, 800);

    auto *splitter = new QSplitter(Qt::Horizontal, this);
    splitter->addWidget(buildPhotoColumn());
    splitter->addWidget(buildCanvasColumn());
    splitter->setStretchFactor(0, 0);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({300, 900});
    setCentralWidget(splitter);
    buildMenus();
    Accept_File_Drops(m_delegate, this);
    Accept_File_Drops(m_delegate, m_table->viewport());
}

QWidget *MainWindow::buildPhotoColumn()
{
    auto *column = new QWidget(this);
    auto *layout = new QVBoxLayout(column);
    m_table = new PhotoTable(column);
    m_table->setObjectName("tablePhotos");
    m_table->setMinimumWidth(240);
    layout->addWidget(m_table, 1);

    auto *buttons = new QHBoxLayout;
    const struct {
        const char *name, *text, *tip;
        void (AppDelegate::*command)();
    } rows[] = {
        {"add", "Add", "Add a photo (the first one is the background)", &AppDelegate::OnMenuActionAddPhoto},
        {"remove", "Remove", "Remove the selected photo", &AppDelegate::OnMenuActionRemovePhoto},
        {"up", "Move Up", "Move the selected photo up", &AppDelegate::OnMenuActionMoveUp},
        {"down", "Move Down", "Move the selected photo down", &AppDelegate::OnMenuActionMoveDown},
    };
    for (const auto &row : rows) {
        QPushButton *button = makeButton(column, row.name, row.text, row.tip);
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
    QPushButton *newProject = makeButton(column, "new", "New Project", "Start a new project");
    connect(newProject, &QPushButton::clicked, &m_delegate, &AppDelegate::OnNewProject);
    toolbar->addWidget(newProject);
    toolbar->addStretch(1);
    m_save = makeButton(column, "save", "Save", "Save the mixed picture as a PNG file");
    m_share = makeButton(column, "share", "Share", "Share the mixed picture");
    connect(m_save, &QPushButton::clicked, &m_delegate, &AppDelegate::OnSaveMixedPhoto);
    connect(m_share, &QPushButton::clicked, &m_delegate, &AppDelegate::OnShare);
    toolbar->addWidget(m_save);
    toolbar->addWidget(m_share);
    layout->addLayout(toolbar);

    m_scroll = new QScrollArea(column);
    m_scroll->setObjectName("scrollviewPreviewCanvas");
    m_scroll->setWidgetResizable(true);
    m_canvas = new View_Image_Preview(m_delegate.project());
    m_canvas->setObjectName("viewPreviewImage");
    m_canvas->setMinimumSize(320, 240);
    m_scroll->setWidget(m_canvas);
    layout->addWidget(m_scroll, 1);

    m_controls = new QWidget(column);
    m_controls->setObjectName("view_Controls");
    m_controls->setLayout(new QVBoxLayout);
    m_controls->layout()->setContentsMargins(0, 0, 0, 0);
    m_controls->setMinimumHeight(170);
    layout->addWidget(m_controls, 0);
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
    QMenu *file = menuBar()->addMenu("&File");
    addMenuAction(file, "menuNewProject", "&New Project…", QKeySequence::New,
                  &AppDelegate::OnMenuFileNewProject);
    addMenuAction(file, "menuOpenProject", "&Open Project…", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O),
                  &AppDelegate::OnMenuFileOpenProject);
    addMenuAction(file, "menuSaveProject", "Save &Project…", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S),
                  &AppDelegate::OnMenuFileSaveProject);
    m_saveAction =
        addMenuAction(file, "menuSave", "&Save…", QKeySequence::Save, &AppDelegate::OnMenuFileSave);
    file->addSeparator();
    QAction *quit = addMenuAction(file, "menuQuit", "&Quit", QKeySequence::Quit, &AppDelegate::OnMenuQuit);
    quit->setMenuRole(QAction::QuitRole);

    QMenu *edit = menuBar()->addMenu("&Edit");
    const struct {
        QAction *action;
        const char *name;
        QKeySequence shortcut;
    } history[] = {
        {m_delegate.undoStack().createUndoAction(edit, "Undo"), "menuUndo",
         QKeySequence(Qt::CTRL | Qt::Key_Z)},
        {m_delegate.undoStack().createRedoAction(edit, "Redo"), "menuRedo",
         QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)},
    };
    for (const auto &row : history) {
        row.action->setObjectName(row.name);
        row.action->setShortcut(row.shortcut);
        edit->addAction(row.action);
    }

    QMenu *action = menuBar()->addMenu("&Action");
    addMenuAction(action, "menuAddPhoto", "&Add Photo…", QKeySequence::Open,
                  &AppDelegate::OnMenuActionAddPhoto);
    addMenuAction(action, "menuRemovePhoto", "&Remove Photo", QKeySequence::Delete,
                  &AppDelegate::OnMenuActionRemovePhoto);
    addMenuAction(action, "menuMoveUp", "Move &Up", QKeySequence(Qt::CTRL | Qt::Key_Up),
                  &AppDelegate::OnMenuActionMoveUp);
    addMenuAction(action, "menuMoveDown", "Move &Down", QKeySequence(Qt::CTRL | Qt::Key_Down),
                  &AppDelegate::OnMenuActionMoveDown);

    QMenu *help = menuBar()->addMenu("&Help");
    addMenuAction(help, "menuHelpApp", "Quillane &Home Page", {}, &AppDelegate::OnMenuHelpAppHomePage);
    addMenuAction(help, "menuHelpCompany", "&Company Home Page", {}, &AppDelegate::OnMenuHelpCompanyHomePage);
    addMenuAction(help, "menuHelpPrivacy", "&Privacy Policy", {}, &AppDelegate::OnMenuHelpPrivacyPolicy);
    addMenuAction(help, "menuHelpTicket", "Submit a Support &Ticket", {},
                  &AppDelegate::OnMenuHelpSubmitTicket);
}

void MainWindow::setOutputBusy(bool busy)
{
    for (QWidget *button : {static_cast<QWidget *>(m_save), static_cast<QWidget *>(m_share)})
        button->setEnabled(!busy);
    m_saveAction->setEnabled(!busy);
    if (busy)
        QApplication::setOverrideCursor(Qt::BusyCursor);
    else
        QApplication::restoreOverrideCursor();
}

QPushButton *MainWindow::button(const QString &name) const
{
    return findChild<QPushButton *>(name);
}

QAction *MainWindow::menuAction(const QString &objectName) const
{
    return findChild<QAction *>(objectName);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    m_delegate.windowWillClose();
}
