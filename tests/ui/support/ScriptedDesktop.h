#pragma once

#include "app/Desktop.h"

#include <QList>
#include <QQueue>

// A desktop whose dialogs answer from a script and which records what was asked.
class ScriptedDesktop : public Desktop {
public:
    QList<AlertRequest> alerts;
    QQueue<int> alertAnswers; // empty: the first button
    QQueue<QString> openAnswers; // empty: cancelled
    QList<QStringList> openPanelExtensions;
    QQueue<QString> saveAnswers;
    QList<QUrl> openedUrls;
    QPoint pointer;

    int runAlert(QWidget *, const AlertRequest &alert) override
    {
        alerts << alert;
        return alertAnswers.isEmpty() ? 0 : alertAnswers.dequeue();
    }
    QString runOpenPanel(QWidget *, const QString &, const QStringList &extensions) override
    {
        openPanelExtensions << extensions;
        return openAnswers.isEmpty() ? QString() : openAnswers.dequeue();
    }
    QString runSavePanel(QWidget *, const QString &, const QString &, const QString &) override
    {
        return saveAnswers.isEmpty() ? QString() : saveAnswers.dequeue();
    }
    bool openUrl(const QUrl &url) override
    {
        openedUrls << url;
        return true;
    }
    QPoint pointerPosition() override { return pointer; }
};
