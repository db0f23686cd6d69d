// Project files, several photos at once, drops and the command line.
#include "ModalScript.h"
#include "TestApp.h"
#include "app/MainWindow.h"
#include "app/Window_New_Project.h"
#include "encode/PngWriter.h"
#include "imaging/ReducedCopies.h"
#include "model/ProjectFile.h"
#include "panels/View_Composition.h"
#include "panels/View_Shape.h"
#include "panels/View_Transparent.h"
#include "render/RenderPass.h"

#include <QDir>
#include <QMimeData>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTableView>
#include <QTest>
#include <QTimer>

namespace {

// A picture whose every pixel differs from its neighbours, so that any shift or scale
// of a layer changes the mix.
QString writeGradient(const QString &path, QSize size, int hue)
{
    QImage image(size, QImage::Format_ARGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixelColor(x, y,
                                QColor::fromHsv((hue + x * 7) % 360, 40 + y * 3 % 200, 255 - x % 97, 255));
    QDir().mkpath(QFileInfo(path).absolutePath());
    image.save(path, "PNG");
    return path;
}

void writeText(const QString &path, const QByteArray &text)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
}

QImage captured(const AppDelegate &d)
{
    CaptureState state{true, QImage(), QString(), QString("/unused/"), QString()};
    captureStep(state, renderPass(d.project().photos(), d.project().mode(), QSizeF(0, 0), true), QDateTime());
    return state.imageSave.convertToFormat(QImage::Format_ARGB32);
}

// A Composite project of three tuned photos in `folder`/photos.
void makeTunedProject(TestApp &app, const QString &folder)
{
    app.launchWithoutDialog(Composite);
    AppDelegate &d = *app.delegate;
    const QString photos = folder + "/photos/";
    d.addPhotoFiles({writeGradient(photos + "sea.png", {60, 40}, 200),
                     writeGradient(photos + "sky.png", {30, 50}, 20),
                     writeGradient(folder + "/../sun.png", {24, 24}, 90)});
    app.waitForPhotos();
    QCOMPARE(d.project().photos().size(), 3);
    PhotoProject &project = d.project();
    project.writeField(1, PhotoField::CompositeBlendMode, 16);
    project.writeField(1, PhotoField::CompositeSizeOfBG, 0);
    project.writeField(1, PhotoField::CompositeSize, 37.25);
    project.writeField(1, PhotoField::CompositeXOffset, -12.5);
    project.writeField(2, PhotoField::CompositeBlendMode, 5);
    project.writeField(2, PhotoField::CompositeYOffset, 33.3);
}

void dropOn(QWidget *target, const QStringList &paths, bool *accepted = nullptr)
{
    QMimeData data;
    QList<QUrl> urls;
    for (const QString &path : paths)
        urls << QUrl::fromLocalFile(path);
    data.setUrls(urls);
    const QPoint at(5, 5);
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    if (accepted)
        *accepted = enter.isAccepted();
    if (!enter.isAccepted())
        return;
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
}

} // namespace

class ProjectFilesTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { QSettings(kSettingsName, kSettingsName).clear(); }

    void savedProjectOpensAsTheSameMixAndRendersTheSameWithTheRenderer()
    {
        TestApp saver;
        const QString folder = saver.home.filePath("work");
        makeTunedProject(saver, folder);
        saver.desktop->saveAnswers.enqueue(folder + "/beach"); // no extension typed
        saver.delegate->window()->menuAction("menuSaveProject")->trigger();
        QVERIFY(saver.desktop->alerts.isEmpty());
        // The panel offers projects only, so that a name typed bare gets no picture's extension.
        QCOMPARE(saver.desktop->savePanels.last().nameFilters, QStringList{"Quillane projects (*.quillane)"});
        const QString projectPath = folder + "/beach.quillane";
        QVERIFY(QFileInfo::exists(projectPath));
        QCOMPARE(saver.delegate->project().projectFile(), projectPath);

        TestApp opener;
        opener.launchWithoutDialog(Transparent);
        opener.delegate->Set_Controls_View_to_Transparent();
        opener.addPhotos({"old.png"});
        opener.desktop->openAnswers.enqueue(projectPath);
        opener.desktop->alertAnswers.enqueue(1); // discard the unsaved photo
        opener.delegate->window()->menuAction("menuOpenProject")->trigger();
        AppDelegate &d = *opener.delegate;
        QCOMPARE(opener.desktop->alerts.size(), 1);
        QCOMPARE(opener.desktop->openRequests.last().extensions, (QStringList{"quillane", "json"}));
        QCOMPARE(d.project().mode(), quint64(Composite));
        QVERIFY(d.customview_Controls_Composition && d.customview_Controls_Composition->isVisible());
        QCOMPARE(opener.names(), (QStringList{"sea.png", "sky.png", "sun.png"}));
        QCOMPARE(d.tablePhotos->model()->rowCount(), 3);
        QTRY_COMPARE(d.project().selectedIndex(), 2);
        for (qsizetype i = 0; i < 3; ++i) {
            const Object_Photo &a = *saver.delegate->project().photos()[i], &b = *d.project().photos()[i];
            QCOMPARE(b.sFile, a.sFile);
            QCOMPARE(b.image, a.image);
            QCOMPARE(std::tie(b.m_Composite_Blend_Mode, b.bCompositeSizeOfBG, b.f_Composite_Size,
                              b.f_Composite_X_Offset, b.f_Composite_Y_Offset),
                     std::tie(a.m_Composite_Blend_Mode, a.bCompositeSizeOfBG, a.f_Composite_Size,
                              a.f_Composite_X_Offset, a.f_Composite_Y_Offset));
        }
        const QImage appPicture = captured(*saver.delegate);
        QVERIFY(!appPicture.isNull());
        QCOMPARE(captured(d), appPicture);

        QProcess mix;
        const QString output = saver.home.filePath("mixed.png");
        mix.start(QUILLANE_MIX_PATH, {"-o", output, projectPath});
        QVERIFY(mix.waitForFinished(60000));
        QCOMPARE(mix.exitCode(), 0);
        // What Save would write: the captured picture through the same PNG writer.
        const QString saved = saver.home.filePath("saved.png");
        CaptureState state{true, QImage(), QString(), QString("/unused/"), QString()};
        captureStep(state, renderPass(saver.delegate->project().photos(), Composite, QSizeF(0, 0), true),
                    QDateTime());
        QVERIFY(AppDelegate::saveImage(state.imageSave, saved).ok);
        QCOMPARE(QImage(output), QImage(saved));
    }

    void projectsThatCannotBeOpenedLeaveTheProjectAsItWas_data()
    {
        QTest::addColumn<QByteArray>("content"); // empty: no file at all
        QTest::addColumn<QString>("expected");
        QTest::newRow("missing") << QByteArray() << "could not be read";
        QTest::newRow("picture") << QByteArray("\x89PNG\r\n\x1a\n\0\0", 10)
                                 << "is not a Quillane project: not valid JSON";
        QTest::newRow("other JSON") << QByteArray(R"({"name": "notes", "items": []})")
                                    << "is not a Quillane project";
        QTest::newRow("newer")
            << QByteArray(R"({"version": 7, "mode": "shape", "photos": [{"file": "a.png"}]})")
            << "cannot be opened: it was written by a newer version of Quillane (project format 7";
        QTest::newRow("damaged") << QByteArray(R"({"version": 1, "mode": "shape", "photos": [{"file": 3}]})")
                                 << "is a damaged project: photo 1:";
    }

    void projectsThatCannotBeOpenedLeaveTheProjectAsItWas()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, expected);
        TestApp app;
        app.launchWithoutDialog(Transparent);
        app.addPhotos({"a.png", "b.png"});
        AppDelegate &d = *app.delegate;
        const QString path = app.home.filePath("mix.json");
        if (!content.isEmpty())
            writeText(path, content);
        app.desktop->openAnswers.enqueue(path);
        app.desktop->alertAnswers.enqueue(1); // discard the unsaved photos
        d.OnOpenProject();
        QCOMPARE(app.desktop->alerts.size(), 2);
        QCOMPARE(app.desktop->alerts[1].message, QString("The project could not be opened"));
        QVERIFY2(app.desktop->alerts[1].informativeText.startsWith("\u201Cmix.json\u201D ") &&
                     app.desktop->alerts[1].informativeText.contains(expected),
                 qPrintable(app.desktop->alerts[1].informativeText));
        QCOMPARE(app.names(), (QStringList{"a.png", "b.png"}));
        QCOMPARE(d.project().mode(), quint64(Transparent));
        QCOMPARE(d.project().selectedIndex(), 1);
        QVERIFY(d.project().projectFile().isEmpty());
    }

    void missingPhotoIsSkippedOnlyWhenTheUserSaysSo_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("skip") << 0 << QStringList{"a.png", "c.png"};
        QTest::newRow("cancel") << 1 << QStringList{"old.png"};
    }

    void missingPhotoIsSkippedOnlyWhenTheUserSaysSo()
    {
        QFETCH(int, answer);
        QFETCH(QStringList, names);
        TestApp app;
        app.launchWithoutDialog(Composite);
        app.addPhotos({"old.png"});
        const QString path = app.home.filePath("mix.json");
        writeGradient(app.home.filePath("a.png"), {8, 8}, 1);
        writeGradient(app.home.filePath("c.png"), {8, 8}, 2);
        writeText(path,
                  R"({"version": 1, "mode": "shape", "photos": [{"file": "a.png"}, {"file": "gone/b.png"},
                           {"file": "c.png", "shape": "heart"}]})");
        app.desktop->alertAnswers.enqueue(answer);
        // The photos decode on workers: the window goes on handling its events meanwhile.
        bool answered = false;
        QTimer::singleShot(0, app.delegate.get(), [&answered] { answered = true; });
        QCOMPARE(app.delegate->openProjectFile(path), answer == 0);
        QVERIFY(answered);
        QCOMPARE(app.desktop->alerts.size(), 1);
        QCOMPARE(app.desktop->alerts[0].buttons, (QStringList{"Skip Photo", "Cancel"}));
        QVERIFY2(app.desktop->alerts[0].informativeText.contains(
                     "gone/b.png\u201D could not be opened: the file does "
                     "not exist."),
                 qPrintable(app.desktop->alerts[0].informativeText));
        QCOMPARE(app.names(), names);
        QCOMPARE(app.delegate->project().mode(), quint64(answer == 0 ? Shape : Composite));
        for (const PhotoPtr &photo : app.delegate->project().photos()) // built with the picture
            QVERIFY(photo->reducedCopies && photo->reducedCopies->sourceKey == photo->image.cacheKey());
        // Without the skipped photo the project differs from its file: it is changed, and
        // the ways out ask first (the project kept on cancel was never saved).
        QVERIFY(app.delegate->window()->isWindowModified());
        app.delegate->OnMenuQuit();
        QCOMPARE(app.desktop->alerts.size(), 2);
        QVERIFY(app.desktop->alerts[1].message.startsWith("Do you want to save the changes"));
    }

    void savingRefusalsAreSaid()
    {
        TestApp app;
        app.launchWithoutDialog(Composite);
        app.delegate->OnSaveProject();
        QCOMPARE(app.desktop->alerts.size(), 1);
        QCOMPARE(app.desktop->alerts[0].message, QString("There is nothing to save"));
        app.addPhotos({"a.png"});
        app.desktop->saveAnswers.enqueue(app.home.filePath("no/such/folder/mix.json"));
        app.delegate->OnSaveProject();
        QCOMPARE(app.desktop->alerts.size(), 2);
        QCOMPARE(app.desktop->alerts[1].message, QString("The project could not be saved"));
        QVERIFY(app.desktop->alerts[1].informativeText.startsWith("\u201Cmix.json\u201D was not written: "));
        QVERIFY(app.delegate->project().projectFile().isEmpty());
    }

    // The panel asked about "mix"; the project goes to "mix.json", which exists: it is
    // replaced only once asked about that very name.
    void savingUnderANameWithoutItsExtensionAsksBeforeReplacing()
    {
        TestApp app;
        app.launchWithoutDialog(Composite);
        app.addPhotos({"a.png"});
        const QString existing = app.home.filePath("mix.quillane");
        writeText(existing, "keep me");
        for (const int answer : {0, 1}) { // Cancel, then Replace
            app.desktop->saveAnswers.enqueue(app.home.filePath("mix"));
            app.desktop->alertAnswers.enqueue(answer);
            app.delegate->OnSaveProject();
            QCOMPARE(app.desktop->alerts.size(), answer + 1);
            QCOMPARE(app.desktop->alerts.last().message, QString("\u201Cmix.quillane\u201D already exists."));
            QFile file(existing);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll() == "keep me", answer == 0);
        }
        QCOMPARE(app.delegate->project().projectFile(), QFileInfo(existing).absoluteFilePath());
    }

    void severalPhotosAtOnceLandInTheOrderChosen()
    {
        TestApp app;
        app.launchWithoutDialog(Transparent);
        const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
        QVERIFY(QDir().mkpath(pictures));
        QVERIFY2(pictures.startsWith(QDir::homePath()) && QDir::homePath().contains("quillane-ui-home"),
                 qPrintable(pictures)); // the test's own home, never the real one
        const QString folder = app.home.filePath("trip");
        const QString bad = folder + "/notes.jpg";
        QStringList chosen = {writeGradient(folder + "/c.png", {9, 9}, 3),
                              writeGradient(folder + "/a.png", {9, 9}, 1)};
        writeText(bad, "not a picture");
        chosen << bad << writeGradient(folder + "/b.png", {9, 9}, 2);
        app.desktop->openAnswers.enqueue(chosen);
        app.delegate->OnAddPhoto();
        app.waitForPhotos();
        QCOMPARE(app.names(), (QStringList{"c.png", "a.png", "b.png"}));
        QCOMPARE(app.delegate->project().photos()[2]->f_Transparent_Size, 30.0f);
        QCOMPARE(app.desktop->alerts.size(), 1);
        QVERIFY(app.desktop->alerts[0].informativeText.contains("notes.jpg"));
        QTRY_COMPARE(app.delegate->project().selectedIndex(), 2);
        const OpenPanelRequest first = app.desktop->openRequests.first();
        QVERIFY(first.multiple);
        QCOMPARE(first.directory, pictures);

        app.delegate->OnAddPhoto(); // cancelled: the folder stays
        QCOMPARE(app.desktop->openRequests.last().directory, folder);
        TestApp nextRun;
        nextRun.launchWithoutDialog();
        nextRun.delegate->OnAddPhoto();
        QCOMPARE(nextRun.desktop->openRequests.last().directory, folder);
        QVERIFY(QDir(folder).removeRecursively()); // a folder gone since: Pictures again
        nextRun.delegate->OnAddPhoto();
        QCOMPARE(nextRun.desktop->openRequests.last().directory, pictures);
    }

    void droppedPhotosAreAddedAndADroppedProjectOpens()
    {
        TestApp app;
        app.launchWithoutDialog(Composite);
        AppDelegate &d = *app.delegate;
        const QString a = writeGradient(app.home.filePath("a.PNG"), {9, 9}, 1);
        const QString b = writeGradient(app.home.filePath("b.png"), {9, 9}, 2);
        bool accepted = true;
        const QString text = app.home.filePath("notes.txt");
        writeText(text, "words");
        dropOn(d.window(), {a, text}, &accepted);
        QVERIFY(!accepted);
        dropOn(d.window(), {a, b}, &accepted);
        QVERIFY(accepted);
        QTRY_COMPARE(app.names(), (QStringList{"a.PNG", "b.png"}));

        const QString project = app.home.filePath("drop.json");
        const auto inTransparent = std::make_shared<Object_Photo>(*d.project().photos()[1]);
        applyModeDefaults(*inTransparent, Transparent); // as a Transparent project holds it
        QCOMPARE(writeProject(project, Transparent, {inTransparent}), QString());
        app.desktop->alertAnswers.enqueue(1); // discard the dropped photos
        dropOn(d.tablePhotos->viewport(), {project}, &accepted);
        QVERIFY(accepted);
        QTRY_COMPARE(app.names(), QStringList{"b.png"});
        QCOMPARE(d.project().mode(), quint64(Transparent));
        QVERIFY(d.customview_Controls_Transparent && d.customview_Controls_Transparent->isVisible());
        QCOMPARE(d.project().projectFile(), project);
        QCOMPARE(app.desktop->alerts.size(), 1); // only the unsaved-work question
    }

    void photosOnTheCommandLineFollowTheProjectType()
    {
        ModalScript script;
        QTemporaryDir dir;
        const QString a = writeGradient(dir.filePath("a.png"), {9, 9}, 1);
        const QString b = writeGradient(dir.filePath("b.png"), {9, 9}, 2);
        TestApp app({}, {b, a});
        script.onModal<Window_New_Project>([](Window_New_Project &w) {
            w.radioTransparency->click();
            w.buttonOK->click();
        });
        app.delegate->applicationDidFinishLaunching();
        QTRY_COMPARE(app.names(), (QStringList{"b.png", "a.png"}));
        QCOMPARE(app.delegate->project().photos()[0]->f_Transparent_Size, 30.0f);
        QVERIFY(app.desktop->openRequests.isEmpty()); // no open panel for the background
    }

    void aProjectOnTheCommandLineOpensWithoutTheTypeDialog()
    {
        QTemporaryDir dir;
        NewPhoto photo = makePhoto(QImage(), "a.png", Shape);
        photo->sFile = writeGradient(dir.filePath("a.png"), {9, 9}, 1);
        photo->m_Shape_Type = 3;
        QCOMPARE(writeProject(dir.filePath("mix.json"), Shape, {photo}), QString());
        const QString extra = writeGradient(dir.filePath("b.png"), {9, 9}, 2);
        TestApp app({}, {extra, dir.filePath("mix.json")});
        app.delegate->applicationDidFinishLaunching();
        QTRY_COMPARE(app.names(), (QStringList{"a.png", "b.png"}));
        QCOMPARE(app.delegate->project().mode(), quint64(Shape));
        QCOMPARE(app.delegate->project().photos()[0]->m_Shape_Type, quint64(3));
        QVERIFY(app.delegate->customview_Controls_Shape &&
                app.delegate->customview_Controls_Shape->isVisible());
        QVERIFY(!QApplication::activeModalWidget());
        QVERIFY(app.desktop->openRequests.isEmpty());
    }
};

QTEST_MAIN(ProjectFilesTest)
#include "tst_project_files.moc"
