// Copy Picture, Export Again and the preferences that shape saved pictures, with a
// scripted desktop.
#include "../engine/ExifSample.h"
#include "TestApp.h"
#include "app/MainWindow.h"
#include "app/Preferences.h"
#include "encode/CameraDetails.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QLineEdit>
#include <QMimeData>
#include <QStatusBar>
#include <QTest>

namespace {

const QString kCaptureName = QStringLiteral("2026-03-07-14-05-09.png");

QImage straight(const QImage &image)
{
    return image.convertToFormat(QImage::Format_ARGB32);
}

// Saves through the save panel to `destination` and waits for the "Success" alert.
void saveTo(TestApp &app, const QString &destination)
{
    const qsizetype alerts = app.desktop->alerts.size();
    app.desktop->saveAnswers.enqueue(destination);
    app.delegate->window()->menuAction("menuSave")->trigger();
    QTRY_COMPARE(app.desktop->alerts.size(), alerts + 1);
    QCOMPARE(app.desktop->alerts.last().message, QStringLiteral("Success"));
}

// Adds one photo of the given size and colour and waits for it.
void addPhoto(TestApp &app, const QString &name, QSize size, QColor color)
{
    app.desktop->openAnswers.enqueue(app.writePhoto(name, size, color));
    app.delegate->OnAddPhoto();
    app.waitForPhotos();
}

} // namespace

class ExportTest : public QObject {
    Q_OBJECT

  private slots:
    // What Copy puts on the clipboard is the picture Save writes, pixel for pixel.
    void copyPutsTheSavedPictureOnTheClipboard()
    {
        TestApp app;
        app.launchWithoutDialog();
        app.addPhotos({"beach.png"});
        addPhoto(app, "sea.png", {30, 50}, QColor(20, 90, 200, 160));
        AppDelegate &d = *app.delegate;
        d.window()->menuAction("menuSave")->trigger(); // the save panel is cancelled
        QTRY_COMPARE(app.desktop->savePanels.size(), 1);
        const QImage saved(QDir(d.capture.s_Output_Folder).filePath(kCaptureName));
        QVERIFY(!saved.isNull());
        QGuiApplication::clipboard()->clear();
        QCOMPARE(d.window()->menuAction("menuCopyPicture")->shortcut(), QKeySequence(QKeySequence::Copy));
        d.window()->menuAction("menuCopyPicture")->trigger();
        const auto clipboard = [] { return QGuiApplication::clipboard()->mimeData(); };
        QTRY_VERIFY(clipboard() && clipboard()->hasFormat("image/png"));
        const QImage copied = QImage::fromData(clipboard()->data("image/png"), "PNG");
        QCOMPARE(copied.size(), QSize(40, 50));
        QCOMPARE(straight(copied), straight(saved));
        QCOMPARE(d.window()->statusBar()->currentMessage(),
                 QStringLiteral("The picture (40 × 50) is on the clipboard."));
        QVERIFY(app.desktop->alerts.isEmpty());
    }

    void exportAgainWritesTheLastSavesPathAndFormat_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("format");
        QTest::newRow("png") << "mix.png" << QByteArray("png");
        QTest::newRow("jpeg") << "mix.jpg" << QByteArray("jpeg");
        QTest::newRow("webp") << "mix.webp" << QByteArray("webp");
        QTest::newRow("tiff") << "mix.tif" << QByteArray("tiff");
    }

    // The second picture goes where the first went, in its format, once the user has
    // agreed to replace it; the next save panel opens there in that format.
    void exportAgainWritesTheLastSavesPathAndFormat()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, format);
        TestApp app;
        app.launchWithoutDialog();
        app.addPhotos({"beach.png"});
        AppDelegate &d = *app.delegate;
        const QString destination = app.home.filePath("out/" + name);
        QVERIFY(QDir().mkpath(app.home.filePath("out")));
        saveTo(app, destination);
        QCOMPARE(QImageReader(destination).size(), QSize(40, 30));

        addPhoto(app, "wider.png", {60, 20}, Qt::green); // another size, so the write shows
        d.project().removeAt(0);
        app.desktop->alertAnswers.enqueue(1); // Replace
        QCOMPARE(d.window()->menuAction("menuExportAgain")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_E));
        d.window()->menuAction("menuExportAgain")->trigger();
        QTRY_COMPARE(d.window()->statusBar()->currentMessage(), "The picture was saved as " + name + ".");
        QCOMPARE(app.desktop->savePanels.size(), 1); // no panel the second time
        const AlertRequest replace = app.desktop->alerts.last();
        QCOMPARE(replace.message, "\u201C" + name + "\u201D already exists. Do you want to replace it?");
        QCOMPARE(replace.buttons, (QStringList{"Cancel", "Replace"}));
        QImageReader reader(destination);
        QCOMPARE(reader.format(), format);
        QCOMPARE(reader.size(), QSize(60, 20));
        QCOMPARE(QDir(app.home.filePath("out")).entryList(QDir::Files), QStringList{name});

        d.window()->menuAction("menuSave")->trigger();
        QTRY_COMPARE(app.desktop->savePanels.size(), 2);
        QCOMPARE(app.desktop->savePanels[1].directory, app.home.filePath("out"));
        QCOMPARE(app.desktop->savePanels[1].proposedName,
                 QFileInfo(kCaptureName).completeBaseName() + "." + QFileInfo(name).suffix());
    }

    // Cancel leaves the file as it was; before any save, Export Again is Save.
    void exportAgainCancelledOrFirstChangesNothing()
    {
        TestApp app;
        app.launchWithoutDialog();
        app.addPhotos({"beach.png"});
        AppDelegate &d = *app.delegate;
        d.OnExportAgain();
        QTRY_COMPARE(app.desktop->savePanels.size(), 1);
        const QString destination = app.home.filePath("kept.jpg");
        saveTo(app, destination);
        const QByteArray before = [&] {
            QFile file(destination);
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        }();
        app.addPhotos({"sea.png"});
        d.project().removeAt(0);
        const qsizetype alerts = app.desktop->alerts.size();
        app.desktop->alertAnswers.enqueue(0); // Cancel
        d.OnExportAgain();
        QTRY_COMPARE(app.desktop->alerts.size(), alerts + 1);
        QTRY_VERIFY(!d.timer_Export_Again && !d.isWritingPicture());
        QFile after(destination);
        QVERIFY(after.open(QIODevice::ReadOnly));
        QCOMPARE(after.readAll(), before);
    }

    void cameraDetailsFollowThePreference_data()
    {
        QTest::addColumn<bool>("keep");
        QTest::addColumn<QString>("name");
        QTest::newRow("kept, JPEG") << true << "mix.jpg";
        QTest::newRow("kept, PNG moved from the output folder") << true << "mix.png";
        QTest::newRow("not kept (the default)") << false << "mix.jpg";
    }

    // The saved picture carries the background photo's camera only when asked to.
    void cameraDetailsFollowThePreference()
    {
        QFETCH(bool, keep);
        QFETCH(QString, name);
        TestApp app;
        app.launchWithoutDialog();
        AppDelegate &d = *app.delegate;
        const QString photo = app.writePhoto("camera.png");
        QVERIFY(addCameraDetails(photo, exifNamingTheCamera()).ok);
        QVERIFY(cameraDetailsOf(photo).contains("Quillcam"));
        Preferences preferences = d.preferences();
        preferences.keepCameraDetails = keep;
        d.setPreferences(preferences);
        app.desktop->openAnswers.enqueue(photo);
        d.OnAddPhoto();
        app.waitForPhotos();
        saveTo(app, app.home.filePath(name));
        QCOMPARE(cameraDetailsOf(app.home.filePath(name)).contains("Quillcam"), keep);
    }

    // The preferences are kept in the settings file and the output folder follows them.
    void preferencesAreKeptAndTheOutputFolderFollows()
    {
        TestApp app;
        TestApp again; // a later run (made first: a new TestApp starts from the defaults)
        app.launchWithoutDialog();
        AppDelegate &d = *app.delegate;
        QVERIFY(!Preferences::load().keepCameraDetails); // off until chosen
        PreferencesDialog dialog(d.preferences(), "/default", *app.desktop);
        QVERIFY(!dialog.keepCameraDetails()->isChecked());
        dialog.keepCameraDetails()->setChecked(true);
        dialog.folderField()->setText(app.home.filePath("pictures"));
        d.setPreferences(dialog.chosen());
        const Preferences kept = Preferences::load();
        QVERIFY(kept.keepCameraDetails);
        QCOMPARE(kept.outputFolder, app.home.filePath("pictures"));
        QCOMPARE(QDir::cleanPath(d.capture.s_Output_Folder), app.home.filePath("pictures"));
        QVERIFY(QFileInfo(app.home.filePath("pictures")).isDir());
        QCOMPARE(kept.pictureOptions("a.jpg").quality, kDefaultJpegQuality);
        QCOMPARE(kept.pictureOptions("a.png").quality, 0);

        again.delegate->applicationDidFinishLaunching();
        QCOMPARE(QDir::cleanPath(again.delegate->capture.s_Output_Folder), app.home.filePath("pictures"));
    }
};

QTEST_MAIN(ExportTest)
#include "tst_export.moc"
