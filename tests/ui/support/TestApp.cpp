#include "TestApp.h"

#include "app/MainWindow.h"

#include <QSettings>
#include <QTest>
#include <QTimer>

TestApp::TestApp(const QString &documents, const QStringList &launchFiles)
{
    // Each test starts without a last save and with the default preferences (the
    // settings file lives as long as the test program).
    QSettings settings(kSettingsName, kSettingsName);
    settings.remove(QStringLiteral("lastSavedPicture"));
    settings.remove(QStringLiteral("preferences"));
    AppDelegate::Options options;
    options.documentsFolder = documents.isEmpty() ? home.filePath("Documents") : documents;
    options.desktop = desktop;
    options.exitProcess = [this](int status) { exitStatus = status; };
    options.launchFiles = launchFiles;
    options.timing.oneShotMs = 20;
    options.timing.pollMs = 50;
    options.clock = [] { return QDateTime(QDate(2026, 3, 7), QTime(14, 5, 9)); };
    delegate = std::make_unique<AppDelegate>(options);
}

void TestApp::launchWithoutDialog(quint64 mode)
{
    delegate->applicationDidFinishLaunching();
    if (delegate->timerStartupSelectProjectType)
        delegate->timerStartupSelectProjectType->stop();
    delegate->project().reset(mode, {}, QString());
}

QString TestApp::writePhoto(const QString &name, QSize size, QColor color)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(color);
    const QString path = home.filePath(name);
    image.save(path, "PNG");
    return path;
}

void TestApp::addPhotos(const QStringList &names)
{
    for (const QString &name : names) {
        desktop->openAnswers.enqueue(writePhoto(name));
        const qsizetype before = delegate->project().photos().size();
        delegate->OnAddPhoto();
        waitForPhotos();
        QTRY_COMPARE(delegate->project().selectedIndex(), qint64(before));
    }
}

void TestApp::waitForPhotos()
{
    QTRY_VERIFY(!delegate->isLoadingPhotos());
}

QStringList TestApp::names() const
{
    QStringList result;
    for (const PhotoPtr &photo : delegate->project().photos())
        result << photo->sName;
    return result;
}
