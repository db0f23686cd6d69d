#pragma once

#include "output/Desktop.h"

#include <QList>
#include <QQueue>

// One answer of the open panel: a file, or several chosen at once; none is Cancel.
struct OpenAnswer {
    QStringList files;
    OpenAnswer(const QString &file) : files(file.isEmpty() ? QStringList() : QStringList{file}) {}
    OpenAnswer(const QStringList &chosen) : files(chosen) {}
};

// A desktop whose dialogs answer from a script and which records what was asked.
class ScriptedDesktop : public Desktop {
  public:
    QList<AlertRequest> alerts;
    QQueue<int> alertAnswers;       // empty: the first button
    QQueue<OpenAnswer> openAnswers; // empty: cancelled
    QList<QStringList> openPanelExtensions;
    QList<OpenPanelRequest> openRequests;
    QQueue<QString> saveAnswers; // empty: cancelled
    struct SavePanel {
        QString title, directory, proposedName;
        QStringList nameFilters; // none: the picture formats
    };
    QList<SavePanel> savePanels;
    QQueue<int> menuAnswers; // empty: dismissed
    QList<QStringList> menus;
    QStringList installedPrograms;
    QList<QStringList> startedPrograms; // program, then its arguments
    QList<QUrl> openedUrls;
    bool urlsOpen = true; // false: no program opens what openUrl is given
    QPoint pointer;

    int runAlert(QWidget *, const AlertRequest &alert) override
    {
        alerts << alert;
        return alertAnswers.isEmpty() ? 0 : alertAnswers.dequeue();
    }
    QStringList runOpenPanel(QWidget *, const OpenPanelRequest &request) override
    {
        openPanelExtensions << request.extensions;
        openRequests << request;
        return openAnswers.isEmpty() ? QStringList() : openAnswers.dequeue().files;
    }
    QString runSavePanel(QWidget *, const QString &title, const QString &directory, const QString &name,
                         const QStringList &nameFilters) override
    {
        savePanels << SavePanel{title, directory, name, nameFilters};
        return saveAnswers.isEmpty() ? QString() : saveAnswers.dequeue();
    }
    QQueue<QString> folderAnswers; // empty: cancelled
    QString runFolderPanel(QWidget *, const QString &, const QString &) override
    {
        return folderAnswers.isEmpty() ? QString() : folderAnswers.dequeue();
    }
    bool openUrl(const QUrl &url) override
    {
        openedUrls << url;
        return urlsOpen;
    }
    QPoint pointerPosition() override { return pointer; }
    int runMenu(QWidget *, const QStringList &items) override
    {
        menus << items;
        return menuAnswers.isEmpty() ? -1 : menuAnswers.dequeue();
    }
    int runContextMenu(QWidget *parent, QPoint, const QStringList &items) override
    {
        return runMenu(parent, items);
    }
    bool hasProgram(const QString &program) override { return installedPrograms.contains(program); }
    bool startProgram(const QString &program, const QStringList &arguments) override
    {
        startedPrograms << (QStringList{program} + arguments);
        return true;
    }
};
