// Saving and sharing the mixed picture, with a scripted desktop.
#include "TestApp.h"
#include "app/MainWindow.h"
#include "app/View_Image_Preview.h"
#include "encode/PngWriter.h"
#include "imaging/MemoryBudget.h"
#include "output/FileMove.h"
#include "output/Window_Share.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QMimeData>
#include <QPushButton>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QStatusBar>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <atomic>

#include <unistd.h>

namespace {

const QString kCaptureName = QStringLiteral("2026-03-07-14-05-09.png");

QString outputFolder(const AppDelegate &d)
{
    return QDir::cleanPath(d.capture.s_Output_Folder);
}

QStringList picturesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden);
}

bool isPng(const QString &path)
{
    return QImageReader(path).format() == "png";
}

} // namespace

class SaveShareTest : public QObject {
    Q_OBJECT

  private slots:
    void savePanelProposesTheCaptureAndCancelKeepsIt()
    {
        TestApp app;
        app.launchWithoutDialog();
        app.addPhotos({"beach.png"});
        AppDelegate &d = *app.delegate;
        d.window()->button("save")->click();
        QTRY_COMPARE(app.desktop->savePanels.size(), 1);
        QCOMPARE(app.desktop->savePanels[0].title,
                 QStringLiteral("Select a folder to save the captured image"));
        QCOMPARE(app.desktop->savePanels[0].proposedName, kCaptureName);
        QVERIFY(app.desktop->savePanels[0].nameFilters.isEmpty()); // the picture formats
        QCOMPARE(picturesIn(outputFolder(d)), QStringList{kCaptureName});
        QVERIFY(isPng(outputFolder(d) + "/" + kCaptureName));
        QVERIFY(app.desktop->alerts.isEmpty());
        QVERIFY(!d.timer_Save_Picture);
    }

    // Save while photos load waits for them: the picture holds the photo removed and
    // brought back meanwhile, never a placeholder.
    void saveWaitsForThePhotosStillLoading()
    {
        TestApp app;
        app.launchWithoutDialog();
        AppDelegate &d = *app.delegate;
        app.addPhotos({"small.png"});
        d.addPhotoFiles({app.writePhoto("big.png", {1600, 1200}, Qt::blue)});
        d.OnRemovePhoto(); // the big background, while it loads
        d.window()->menuAction("menuUndo")->trigger();
        d.OnSaveMixedPhoto();
        QTRY_COMPARE(app.desktop->savePanels.size(), 1);
        QVERIFY(!d.project().hasLoadingPhotos());
        const QImage saved(outputFolder(d) + "/" + kCaptureName);
        // The frame of the big blue photo, added to the small red background: a photo
        // without its picture would count as 0 x 0 and add nothing.
        QCOMPARE(saved.size(), QSize(1600, 1200));
        QCOMPARE(saved.pixel(800, 600), qRgb(255, 0, 255));
    }

    // The poll stays only as a fallback: with it held back for an hour, the capture's
    // completion alone carries Save to its panel and Share to its window.
    void saveAndShareGoOnWhenTheCaptureCompletes()
    {
        TestApp app;
        app.launchWithoutDialog();
        app.addPhotos({"beach.png"});
        AppDelegate &d = *app.delegate;
        d.OnSaveMixedPhoto();
        d.timer_Save_Picture->setInterval(3600 * 1000);
        QTRY_COMPARE(app.desktop->savePanels.size(), 1);
        QVERIFY(!d.timer_Save_Picture);
        d.OnShare();
        d.timer_Share_Picture->setInterval(3600 * 1000);
        QTRY_VERIFY(d.windowShare);
        QVERIFY(!d.timer_Share_Picture);
        d.Close_Share_Window();
    }

    void confirmingMovesTheFileAndOffersToOpenIt_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("button");
        QTest::addColumn<QByteArray>("magic");
        QTest::newRow("png, View Image File") << "kept.png" << 0 << QByteArray("\x89PNG");
        QTest::newRow("no extension, Close") << "kept" << 1 << QByteArray("\x89PNG");
        // Another format is written from the capture, which then leaves the output folder.
        QTest::newRow("jpeg, View Image File") << "kept.JPG" << 0 << QByteArray("\xFF\xD8\xFF");
        QTest::newRow("webp, Close") << "kept.webp" << 1 << QByteArray("RIFF");
        QTest::newRow("tiff, Close") << "kept.tif" << 1 << QByteArray("II*\0", 4);
    }

    void confirmingMovesTheFileAndOffersToOpenIt()
    {
        QFETCH(QString, name);
        QFETCH(int, button);
        QFETCH(QByteArray, magic);
        TestApp app;
        app.launchWithoutDialog();
        app.addPhotos({"beach.png"});
        const QString destination = app.home.filePath(name);
        app.desktop->saveAnswers.enqueue(destination);
        app.desktop->alertAnswers.enqueue(button);
        app.delegate->OnSaveMixedPhoto();
        QTRY_COMPARE(app.desktop->alerts.size(), 1);
        const AlertRequest success = app.desktop->alerts[0];
        QCOMPARE(success.message, QStringLiteral("Success"));
        QCOMPARE(success.informativeText, QStringLiteral("Image file saved successfully."));
        QCOMPARE(success.buttons, (QStringList{"View Image File", "Close"}));
        QVERIFY(!success.warning);
        QVERIFY(picturesIn(outputFolder(*app.delegate)).isEmpty());
        QFile saved(destination);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QVERIFY(saved.read(magic.size()) == magic);
        const QList<QUrl> expected =
            button == 0 ? QList<QUrl>{QUrl::fromLocalFile(destination)} : QList<QUrl>{};
        QCOMPARE(app.desktop->openedUrls, expected);
    }

    void aConfirmedNameThatExistsIsReplaced()
    {
        TestApp app;
        app.launchWithoutDialog();
        app.addPhotos({"beach.png"});
        const QString destination = app.home.filePath("old.png");
        QFile old(destination);
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("not a picture") > 0);
        old.close();
        app.desktop->saveAnswers.enqueue(destination);
        app.delegate->OnSaveMixedPhoto();
        QTRY_COMPARE(app.desktop->alerts.size(), 1);
        QCOMPARE(app.desktop->alerts[0].message, QStringLiteral("Success"));
        QVERIFY(isPng(destination));
    }

    void twoPressesGiveOneSaveAndCapturesInOneSecondKeepBothFiles()
    {
        TestApp app;
        app.launchWithoutDialog();
        app.addPhotos({"beach.png"});
        AppDelegate &d = *app.delegate;
        d.OnSaveMixedPhoto();
        d.OnSaveMixedPhoto();
        QTRY_COMPARE(app.desktop->savePanels.size(), 1);
        QVERIFY(!d.timer_Save_Picture);
        // The clock stands still: the second save is in the same second as the first.
        d.OnSaveMixedPhoto();
        QTRY_COMPARE(app.desktop->savePanels.size(), 2);
        QCOMPARE(app.desktop->savePanels[1].proposedName, QStringLiteral("2026-03-07-14-05-09-2.png"));
        QCOMPARE(picturesIn(outputFolder(d)), (QStringList{"2026-03-07-14-05-09-2.png", kCaptureName}));
    }

    void anEmptyListWaitsUntilAPhotoIsAdded()
    {
        TestApp app;
        app.launchWithoutDialog();
        AppDelegate &d = *app.delegate;
        QVERIFY(!d.window()->button("save")->isEnabled());
        QVERIFY(!d.window()->button("share")->isEnabled());
        d.OnSaveMixedPhoto();
        QSignalSpy ticks(d.timer_Save_Picture.data(), &QTimer::timeout);
        QTRY_VERIFY(ticks.size() >= 3);
        QVERIFY(app.desktop->savePanels.isEmpty());
        QVERIFY(d.capture.b_Take_Picture);
        app.addPhotos({"late.png"});
        QTRY_COMPARE(app.desktop->savePanels.size(), 1);
        QTRY_VERIFY(d.window()->button("share")->isEnabled()); // with a photo, once idle again
    }

    void ctrlSReachesTheSaveAction()
    {
        TestApp app;
        app.launchWithoutDialog();
        app.addPhotos({"beach.png"});
        MainWindow *window = app.delegate->window();
        QApplication::setActiveWindow(window);
        QVERIFY(QTest::qWaitForWindowActive(window));
        QTest::keyClick(window, Qt::Key_S, Qt::ControlModifier);
        QTRY_COMPARE(app.desktop->savePanels.size(), 1);
    }

    void failuresAreToldAndLoseNothing()
    {
        TestApp app;
        app.launchWithoutDialog();
        app.addPhotos({"beach.png"});
        AppDelegate &d = *app.delegate;
        // The move fails: the alert names the destination and where the picture still is.
        const QString nowhere = app.home.filePath("missing/kept.png");
        app.desktop->saveAnswers.enqueue(nowhere);
        d.OnSaveMixedPhoto();
        QTRY_COMPARE(app.desktop->alerts.size(), 1);
        const QString kept = outputFolder(d) + "/" + kCaptureName;
        QCOMPARE(app.desktop->alerts[0].message, QStringLiteral("The picture could not be saved"));
        QVERIFY2(app.desktop->alerts[0].informativeText.contains(nowhere),
                 qPrintable(app.desktop->alerts[0].informativeText));
        QVERIFY(app.desktop->alerts[0].informativeText.contains("It is still at \u201C" + kept));
        QVERIFY(isPng(kept));

        // The panel names one of the project's own photos: refused, the photo untouched.
        const QString photo = app.home.filePath("beach.png");
        QFile photoFile(photo);
        QVERIFY(photoFile.open(QIODevice::ReadOnly));
        const QByteArray photoBytes = photoFile.readAll();
        photoFile.close();
        app.desktop->saveAnswers.enqueue(photo);
        d.OnSaveMixedPhoto();
        QTRY_COMPARE(app.desktop->alerts.size(), 2);
        QVERIFY2(app.desktop->alerts[1].informativeText.contains("is the project's photo"),
                 qPrintable(app.desktop->alerts[1].informativeText));
        QVERIFY(photoFile.open(QIODevice::ReadOnly));
        QCOMPARE(photoFile.readAll(), photoBytes);
        QCOMPARE(picturesIn(outputFolder(d)).size(), 2);

        // The output folder has gone: Save makes it again and the panel opens.
        QVERIFY(QDir(outputFolder(d)).removeRecursively());
        d.OnSaveMixedPhoto();
        QTRY_COMPARE(app.desktop->savePanels.size(), 3);
        QCOMPARE(app.desktop->alerts.size(), 2);
        QVERIFY(isPng(kept));
    }

    // A project over the memory budget: Save and Share each say so, and nothing is
    // written or offered.
    void overTheBudgetSaveAndShareSayWhy_data()
    {
        QTest::addColumn<bool>("share");
        QTest::addColumn<QString>("title");
        QTest::newRow("save") << false << "The picture could not be saved";
        QTest::newRow("share") << true << "The picture could not be shared";
    }

    void overTheBudgetSaveAndShareSayWhy()
    {
        QFETCH(bool, share);
        QFETCH(QString, title);
        TestApp app;
        app.launchWithoutDialog();
        app.addPhotos({"beach.png", "sea.png"});
        AppDelegate &d = *app.delegate;
        setMemoryBudget(1024);
        const auto restore = qScopeGuard([] { setMemoryBudget(0); });
        share ? d.OnShare() : d.OnSaveMixedPhoto();
        QTRY_COMPARE(app.desktop->alerts.size(), 1);
        QCOMPARE(app.desktop->alerts[0].message, title);
        QVERIFY2(app.desktop->alerts[0].informativeText.contains("of memory to render"),
                 qPrintable(app.desktop->alerts[0].informativeText));
        QVERIFY(app.desktop->savePanels.isEmpty());
        QVERIFY(!d.windowShare);
        QVERIFY(picturesIn(outputFolder(d)).isEmpty());
    }

    void aReadOnlyOutputFolderIsNamed()
    {
        if (geteuid() == 0)
            QSKIP("root writes into any folder");
        TestApp app;
        app.launchWithoutDialog();
        app.addPhotos({"beach.png"});
        AppDelegate &d = *app.delegate;
        QFile::setPermissions(outputFolder(d), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        d.OnSaveMixedPhoto();
        QTRY_COMPARE(app.desktop->savePanels.size(), 1);
        QFile::setPermissions(outputFolder(d),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QCOMPARE(app.desktop->alerts.size(), 1);
        QVERIFY2(app.desktop->alerts[0].informativeText.contains("cannot be written to"),
                 qPrintable(app.desktop->alerts[0].informativeText));
    }

    void aMoveToAnotherFileSystemCopiesThenRemoves()
    {
        QTemporaryDir here;
        QTemporaryDir there(QStringLiteral("/dev/shm/quillane-test-XXXXXX"));
        if (!there.isValid() || QStorageInfo(here.path()).device() == QStorageInfo(there.path()).device())
            QSKIP("no second file system to move to");
        const QString from = here.filePath("picture.png");
        QImage picture(30, 20, QImage::Format_ARGB32_Premultiplied);
        picture.fill(Qt::darkRed);
        QVERIFY(writePng(picture, from).ok);
        const QString to = there.filePath("moved.png");
        QFile existing(to);
        QVERIFY(existing.open(QIODevice::WriteOnly) && existing.write("old") == 3);
        existing.close();
        const WriteResult moved = movePictureFile(from, to);
        QVERIFY2(moved.ok, qPrintable(moved.error));
        QVERIFY(!QFile::exists(from));
        QCOMPARE(QImage(to).convertToFormat(picture.format()).pixel(3, 3), picture.pixel(3, 3));
        QCOMPARE(QDir(there.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"moved.png"});
    }

    // A write that lasts past the delay shows the busy pointer and its stage; both go
    // when it ends. One that ends sooner shows neither.
    void writingShowsBusyAndDisablesSaveAndShare_data()
    {
        QTest::addColumn<int>("delayMs");
        QTest::addColumn<bool>("shown");
        QTest::newRow("longer than the delay") << 0 << true;
        QTest::newRow("shorter than the delay") << 60 * 1000 << false;
    }

    void writingShowsBusyAndDisablesSaveAndShare()
    {
        QFETCH(int, delayMs);
        QFETCH(bool, shown);
        TestApp app;
        app.launchWithoutDialog();
        app.addPhotos({"beach.png"}); // Save and Share need a photo
        AppDelegate &d = *app.delegate;
        const_cast<Timing &>(d.timing()).busyDelayMs = delayMs;
        std::atomic<bool> release = false;
        std::optional<WriteResult> result;
        QVERIFY(d.runWrite(
            [&release] {
                while (!release)
                    QThread::msleep(5);
                return WriteResult{true, {}};
            },
            [&](const WriteResult &r) { result = r; }, "Writing busy.png…"));
        QVERIFY(d.isWritingPicture());
        for (const char *name : {"save", "share"})
            QVERIFY(!d.window()->button(name)->isEnabled());
        for (const char *name : {"menuSave", "menuExportAgain", "menuCopyPicture"})
            QVERIFY(!d.window()->menuAction(name)->isEnabled());
        QTest::qWait(50);
        QCOMPARE(d.window()->showsBusy(), shown);
        QCOMPARE(QApplication::overrideCursor() && QApplication::overrideCursor()->shape() == Qt::BusyCursor,
                 shown);
        QCOMPARE(d.window()->statusBar()->currentMessage(), shown ? "Writing busy.png…" : "");
        release = true;
        QTRY_VERIFY(result.has_value());
        QVERIFY(result->ok);
        QVERIFY(d.window()->button("save")->isEnabled() && d.window()->menuAction("menuSave")->isEnabled());
        QTRY_VERIFY(!QApplication::overrideCursor());
        QVERIFY(d.window()->statusBar()->currentMessage().isEmpty());
    }

    // The window is busy from the start of the capture pass to the end of the write,
    // naming each stage, and idle again once the save panel has been answered.
    void captureAndWriteKeepTheWindowBusyUntilThePictureIsWritten()
    {
        TestApp app;
        app.launchWithoutDialog();
        app.addPhotos({"beach.png"});
        AppDelegate &d = *app.delegate;
        const_cast<Timing &>(d.timing()).busyDelayMs = 0;
        bool saveEnabledAtStart = true;
        QString stageAtStart;
        connect(&d.outputRunner(), &OutputRunner::captureStarted, this, [&] {
            saveEnabledAtStart = d.window()->button("save")->isEnabled();
            stageAtStart = d.window()->outputStage();
        });
        d.window()->button("save")->click();
        QTRY_COMPARE(app.desktop->savePanels.size(), 1);
        QVERIFY(!saveEnabledAtStart);
        QCOMPARE(stageAtStart, QStringLiteral("Rendering…"));
        QCOMPARE(AppDelegate::writingStage("/somewhere/mix.jpg"), QStringLiteral("Writing mix.jpg…"));
        QTRY_VERIFY(d.window()->button("save")->isEnabled());
        QTRY_VERIFY(!QApplication::overrideCursor());
    }

    void shareItemsFollowTheCheckBox_data()
    {
        QTest::addColumn<bool>("checked");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("count");
        QTest::newRow("box off") << false << "ignored" << 1;
        QTest::newRow("box on, empty") << true << "" << 2;
        QTest::newRow("box on, text") << true << "Our holiday" << 2;
    }

    void shareItemsFollowTheCheckBox()
    {
        QFETCH(bool, checked);
        QFETCH(QString, text);
        QFETCH(int, count);
        TestApp app;
        app.launchWithoutDialog();
        app.addPhotos({"beach.png"});
        AppDelegate &d = *app.delegate;
        d.OnShare();
        QTRY_VERIFY(d.windowShare);
        QVERIFY(d.windowShare->isVisible() && d.windowShare->isModal());
        d.windowShare->checkAddText->setChecked(checked);
        d.windowShare->textText->setText(text);
        const QVariantList items = d.windowShare->shareItems();
        QCOMPARE(items.size(), count);
        if (count == 2)
            QCOMPARE(items[0], QVariant(text));
        QCOMPARE(items.last().value<QImage>(), d.capture.imageSave);
        QVERIFY(!d.capture.imageSave.isNull());
    }

    void oneSheetPerShareReleasedOnClose()
    {
        TestApp app;
        app.launchWithoutDialog();
        app.addPhotos({"beach.png"});
        AppDelegate &d = *app.delegate;
        d.OnShare();
        d.OnShare();
        QTRY_VERIFY(d.windowShare);
        QTRY_VERIFY(!d.timer_Share_Picture);
        QCOMPARE(d.window()->findChildren<Window_Share *>().size(), 1);
        QPointer<Window_Share> first = d.windowShare;
        first->checkAddText->setChecked(true);
        first->textText->setText("typed");
        first->OnClose();
        QVERIFY(!d.windowShare);
        QTRY_VERIFY(first.isNull());
        d.OnShare();
        QTRY_VERIFY(d.windowShare);
        QVERIFY(!d.windowShare->checkAddText->isChecked());
        QVERIFY(d.windowShare->textText->text().isEmpty());
    }

    void choosingAServiceIsLoggedAndHandsOverTheItems()
    {
        QTemporaryDir temp;
        qputenv("TMPDIR", QFile::encodeName(temp.path()));
        TestApp app;
        app.launchWithoutDialog();
        app.addPhotos({"beach.png"});
        app.desktop->installedPrograms << "xdg-email";
        AppDelegate &d = *app.delegate;
        d.OnShare();
        QTRY_VERIFY(d.windowShare);
        d.windowShare->checkAddText->setChecked(true);
        d.windowShare->textText->setText("Our holiday");

        app.desktop->menuAnswers << -1 << 0 << 1;
        QTest::ignoreMessage(QtInfoMsg, "Picked this service: (null)");
        d.windowShare->btnShare->click();
        QCOMPARE(app.desktop->menus.last(), (QStringList{"Copy", "Email", "Open in Image Viewer"}));

        QTest::ignoreMessage(QtInfoMsg, "Picked this service: Copy");
        d.windowShare->btnShare->click();
        const QMimeData *copied = QApplication::clipboard()->mimeData();
        QVERIFY(copied && copied->hasImage());
        QCOMPARE(copied->text(), QStringLiteral("Our holiday"));

        QTest::ignoreMessage(QtInfoMsg, "Picked this service: Email");
        d.windowShare->btnShare->click();
        QCOMPARE(app.desktop->startedPrograms.size(), 1);
        const QStringList mail = app.desktop->startedPrograms[0];
        QCOMPARE(mail.size(), 5);
        QCOMPARE(mail[0], QStringLiteral("xdg-email"));
        QCOMPARE(mail[1], QStringLiteral("--attach"));
        QVERIFY(mail[2].startsWith(temp.path()) && isPng(mail[2]));
        QCOMPARE(mail.mid(3), (QStringList{"--body", "Our holiday"}));
        QVERIFY(app.desktop->alerts.isEmpty());
        qunsetenv("TMPDIR");
    }
};

QTEST_MAIN(SaveShareTest)
#include "tst_save_share.moc"
