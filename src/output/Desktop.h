#pragma once

#include <QPoint>
#include <QString>
#include <QStringList>
#include <QUrl>

class QWidget;

// Everything the desktop does modally or outside the process goes through here: the
// application uses the Qt implementation, tests a scripted one.
// What the open panel offers: files with one of the extensions (matched without
// regard to case), named `filterName` in the panel, starting in `directory`.
struct OpenPanelRequest {
    QString title;
    QString directory;
    QString filterName;
    QStringList extensions;
    bool multiple = false; // several files may be chosen at once
};

struct AlertRequest {
    QString message;
    QString informativeText;
    QStringList buttons; // left to right; the first is the default
    bool warning = true; // a warning; false for news that something went well
};

class Desktop {
  public:
    virtual ~Desktop() = default;

    // Runs a modal alert and returns the index of the button pressed (0 when the
    // alert was dismissed without a button).
    virtual int runAlert(QWidget *parent, const AlertRequest &alert) = 0;

    // Runs the modal open panel for existing files. Returns the chosen paths in the
    // order the panel lists them, or none when cancelled.
    virtual QStringList runOpenPanel(QWidget *parent, const OpenPanelRequest &request) = 0;

    // Runs the modal save panel. Returns the confirmed path, or an empty string.
    // `nameFilters` such as "Quillane projects (*.quillane)"; none: the picture formats.
    virtual QString runSavePanel(QWidget *parent, const QString &title, const QString &directory,
                                 const QString &proposedName, const QStringList &nameFilters = {}) = 0;

    // Runs the modal panel that chooses a folder, starting in `directory`. Returns the
    // chosen folder, or an empty string.
    virtual QString runFolderPanel(QWidget *parent, const QString &title, const QString &directory) = 0;

    // Opens a web page in the browser, or a file in its default application.
    virtual bool openUrl(const QUrl &url) = 0;

    virtual QPoint pointerPosition() = 0;

    // Shows a menu of `items` next to `anchor`, above it where the screen has room, and
    // returns the index chosen, or -1 when the menu was dismissed.
    virtual int runMenu(QWidget *anchor, const QStringList &items) = 0;
    // Shows a context menu of `items` at `globalPosition` (the pointer, or the row the
    // keyboard chose) and returns the index chosen, or -1.
    virtual int runContextMenu(QWidget *parent, QPoint globalPosition, const QStringList &items) = 0;

    // Whether a program of that name is installed, and starting one detached.
    virtual bool hasProgram(const QString &program) = 0;
    virtual bool startProgram(const QString &program, const QStringList &arguments) = 0;
};

class QtDesktop : public Desktop {
  public:
    int runAlert(QWidget *parent, const AlertRequest &alert) override;
    QStringList runOpenPanel(QWidget *parent, const OpenPanelRequest &request) override;
    QString runSavePanel(QWidget *parent, const QString &title, const QString &directory,
                         const QString &proposedName, const QStringList &nameFilters = {}) override;
    QString runFolderPanel(QWidget *parent, const QString &title, const QString &directory) override;
    bool openUrl(const QUrl &url) override;
    QPoint pointerPosition() override;
    int runMenu(QWidget *anchor, const QStringList &items) override;
    int runContextMenu(QWidget *parent, QPoint globalPosition, const QStringList &items) override;
    bool hasProgram(const QString &program) override;
    bool startProgram(const QString &program, const QStringList &arguments) override;
};

// The name filter of the open panel, "Photos (*.[bB][mM][pP] ...)": extensions match
// without regard to case, so camera files such as IMG_0001.JPG are offered too.
QString photoNameFilter(const QStringList &extensions);
QString nameFilter(const QString &name, const QStringList &extensions);

// The extension of a filter's first pattern: "png" for "PNG picture (*.png)".
QString filterSuffix(const QString &filter);
