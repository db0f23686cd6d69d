#pragma once

#include "ScriptedDesktop.h"
#include "app/AppDelegate.h"

#include <QImage>
#include <QList>
#include <QTemporaryDir>

#include <memory>
#include <optional>

// An AppDelegate on a temporary Documents folder, a scripted desktop, short timers and
// an exit that is recorded instead of ending the test.
struct TestApp {
    QTemporaryDir home;
    std::shared_ptr<ScriptedDesktop> desktop = std::make_shared<ScriptedDesktop>();
    std::optional<int> exitStatus;
    std::unique_ptr<AppDelegate> delegate;

    explicit TestApp(const QString &documents = {}, const QStringList &launchFiles = {});

    // Runs start-up without the project type dialog that follows it.
    void launchWithoutDialog(quint64 mode = Composite);

    // A small PNG in the temporary folder, for the open panel to return.
    QString writePhoto(const QString &name, QSize size = {40, 30}, QColor color = Qt::red);

    // Adds photos through the open panel and waits for each row selection.
    void addPhotos(const QStringList &names);
    // Waits until the photos being added have all loaded (or been refused).
    void waitForPhotos();

    QStringList names() const;
};
