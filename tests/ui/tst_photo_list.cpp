// Adding, removing and moving photos, the table and the delayed row selections.
#include "TestApp.h"
#include "app/MainWindow.h"
#include "app/PhotoTable.h"
#include "imaging/PhotoLoader.h"

#include <QFile>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>
#include <QUndoStack>

class PhotoListTest : public QObject {
    Q_OBJECT

  private:
    static qint64 tableSelection(AppDelegate &d)
    {
        const QModelIndexList rows = d.tablePhotos->selectionModel()->selectedRows();
        return rows.isEmpty() ? -1 : rows.first().row();
    }

  private slots:
    void addingAppendsWithModeDefaultsAndSelectsLater()
    {
        TestApp app;
        app.launchWithoutDialog(Transparent);
        AppDelegate &d = *app.delegate;
        app.desktop->openAnswers.enqueue(app.writePhoto("beach.JPG.png"));
        d.OnAddPhoto();
        // The row is there at once, its picture still loading on a worker.
        QCOMPARE(d.project().photos().size(), 1);
        QCOMPARE(d.project().photos()[0]->sName, QString("beach.JPG.png"));
        QCOMPARE(d.project().photos()[0]->f_Transparent_Size, 30.0f);
        QCOMPARE(d.tablePhotos->model()->rowCount(), 1);
        QVERIFY(d.isLoadingPhotos());
        QVERIFY(!d.tablePhotos->model()->index(0, 0).data(Qt::DecorationRole).isNull()); // the placeholder
        app.waitForPhotos();
        QCOMPARE(d.project().photos()[0]->image.size(), QSize(40, 30));
        QTRY_COMPARE(d.project().selectedIndex(), 0);
        QCOMPARE(tableSelection(d), 0);
        QCOMPARE(app.desktop->openPanelExtensions.last(), photoFileExtensions());
    }

    void thirdPhotoIsSelectedEvenWithRowZeroSelected()
    {
        TestApp app;
        app.launchWithoutDialog();
        app.addPhotos({"a.png", "b.png"});
        app.delegate->tablePhotos->selectRow(0);
        QCOMPARE(app.delegate->project().selectedIndex(), 0);
        app.addPhotos({"c.png"});
        QCOMPARE(app.delegate->project().selectedIndex(), 2);
    }

    void openPanelMatchesExtensionsWithoutRegardToCase()
    {
        const QString filter = photoNameFilter(photoFileExtensions());
        const QString inside = filter.section('(', 1).chopped(1);
        auto offered = [&](const QString &name) {
            for (const QString &pattern : inside.split(' '))
                if (QRegularExpression(QRegularExpression::wildcardToRegularExpression(pattern))
                        .match(name)
                        .hasMatch())
                    return true;
            return false;
        };
        for (const char *name :
             {"IMG_0001.JPG", "scan.TiF", "a.jpeg", "b.Png", "c.bmp", "d.GIF", "e.tiff", "f.webp",
              "IMG_1234.HEIC", "i.avif", "j.jxl", "DSC_0001.NEF", "k.dng", "l.CR3"})
            QVERIFY2(offered(name), name);
        for (const char *name : {"g.jpg.txt", "h.psd", "jpg", "notes.txt"})
            QVERIFY2(!offered(name), name);
    }

    void cancelledOpenPanelChangesNothing()
    {
        TestApp app;
        app.launchWithoutDialog();
        app.addPhotos({"a.png"});
        app.delegate->OnAddPhoto(); // no answer queued: cancelled
        QCOMPARE(app.names(), QStringList{"a.png"});
        QCOMPARE(app.delegate->project().undoStack().count(), 1);
        QVERIFY(app.desktop->alerts.isEmpty());
    }

    void unreadableFileIsRefusedWithAMessage()
    {
        TestApp app;
        app.launchWithoutDialog();
        app.addPhotos({"a.png"});
        const QString bad = app.home.filePath("notes.jpg");
        QFile file(bad);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("this is not a picture");
        file.close();
        app.desktop->openAnswers.enqueue(bad);
        app.delegate->OnAddPhoto();
        app.waitForPhotos();
        QCOMPARE(app.names(), QStringList{"a.png"});
        QCOMPARE(app.delegate->tablePhotos->model()->rowCount(), 1);
        QCOMPARE(app.delegate->project().selectedIndex(), 0);
        QCOMPARE(app.desktop->alerts.size(), 1);
        QVERIFY2(app.desktop->alerts[0].informativeText.contains("notes.jpg"),
                 qPrintable(app.desktop->alerts[0].informativeText));
    }

    // Every row appears at once in the chosen order and keeps its place whatever order
    // decoding finishes in (the big first file finishes last); the refused files go
    // together in one alert, and the whole add is one undo step.
    void aBatchKeepsItsOrderAndRefusalsComeInOneAlert()
    {
        TestApp app;
        app.launchWithoutDialog();
        AppDelegate &d = *app.delegate;
        const QString notes = app.home.filePath("notes.jpg");
        QFile file(notes);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("this is not a picture") > 0);
        file.close();
        app.desktop->openAnswers.enqueue(QStringList{app.writePhoto("big.png", {2400, 1800}, Qt::red), notes,
                                                     app.writePhoto("small.png", {8, 6}, Qt::blue),
                                                     app.home.filePath("missing.png")});
        d.OnAddPhoto();
        QCOMPARE(app.names(), (QStringList{"big.png", "notes.jpg", "small.png", "missing.png"}));
        QVERIFY(d.window()->statusBar()->currentMessage().startsWith("Loading photos: "));
        app.waitForPhotos();
        QCOMPARE(app.names(), (QStringList{"big.png", "small.png"}));
        QCOMPARE(d.project().photos()[0]->image.size(), QSize(2400, 1800));
        QCOMPARE(d.project().photos()[1]->image.size(), QSize(8, 6));
        QVERIFY(d.project().photos()[0]->reducedCopies); // built on the worker with the photo
        QCOMPARE(app.desktop->alerts.size(), 1);
        const AlertRequest alert = app.desktop->alerts[0];
        QCOMPARE(alert.message, QStringLiteral("The photos could not be added"));
        const QStringList lines = alert.informativeText.split('\n');
        QCOMPARE(lines.size(), 2);
        QVERIFY2(lines[0].contains("notes.jpg") && lines[1].contains("missing.png"),
                 qPrintable(alert.informativeText));
        QCOMPARE(d.project().undoStack().count(), 1);
        QCOMPARE(d.project().undoStack().undoText(), QStringLiteral("Add Photos"));
        QVERIFY(d.window()->statusBar()->currentMessage().isEmpty());
    }

    // Each name of a pick is a photo of its own, the same file named twice too.
    void theSameFileTwiceInOnePickIsTwoPhotos()
    {
        TestApp app;
        app.launchWithoutDialog();
        const QString a = app.writePhoto("a.png");
        app.desktop->openAnswers.enqueue(QStringList{a, a});
        app.delegate->OnAddPhoto();
        app.waitForPhotos();
        QCOMPARE(app.names(), (QStringList{"a.png", "a.png"}));
        const PhotoList &photos = app.delegate->project().photos();
        QVERIFY(photos[0] != photos[1]);
        QVERIFY(!photos[0]->image.isNull() && !photos[1]->image.isNull());
    }

    // Closing while photos load stops the loading and ends the process, asking nothing.
    void closingWhileLoadingCancels()
    {
        TestApp app;
        app.launchWithoutDialog();
        AppDelegate &d = *app.delegate;
        app.desktop->openAnswers.enqueue(QStringList{app.writePhoto("a.png", {2000, 1500}, Qt::red),
                                                     app.writePhoto("b.png", {2000, 1500}, Qt::green)});
        d.OnAddPhoto();
        QVERIFY(d.isLoadingPhotos());
        d.windowWillClose();
        QVERIFY(!d.isLoadingPhotos());
        QCOMPARE(app.exitStatus, std::optional<int>(0));
        QVERIFY(app.desktop->alerts.isEmpty());
    }

    // The photo being added is removed while it loads: the list is without it once
    // loading ends, and undo brings back that photo with its picture, selected.
    void removingAPhotoWhileItLoadsAndUndoing()
    {
        TestApp app;
        app.launchWithoutDialog();
        AppDelegate &d = *app.delegate;
        app.addPhotos({"bg.png"});
        app.desktop->openAnswers.enqueue(app.writePhoto("big.png", {2400, 1800}, Qt::blue));
        d.OnAddPhoto();
        QCOMPARE(tableSelection(d), 1);
        d.OnRemovePhoto();
        app.waitForPhotos();
        QCOMPARE(app.names(), QStringList{"bg.png"});
        QCOMPARE(tableSelection(d), 0);
        d.window()->menuAction("menuUndo")->trigger();
        QCOMPARE(app.names(), (QStringList{"bg.png", "big.png"}));
        QCOMPARE(d.project().photos()[1]->image.size(), QSize(2400, 1800));
        QCOMPARE(tableSelection(d), 1);
        QVERIFY(app.desktop->alerts.isEmpty());
    }

    void removingSelectsTheFirstRow()
    {
        TestApp app;
        app.launchWithoutDialog();
        app.addPhotos({"a.png", "b.png", "c.png", "d.png"});
        AppDelegate &d = *app.delegate;
        d.tablePhotos->selectRow(2);
        d.OnRemovePhoto();
        QCOMPARE(app.names(), (QStringList{"a.png", "b.png", "d.png"}));
        QCOMPARE(d.project().selectedIndex(), 0);
        QCOMPARE(tableSelection(d), 0);
    }

    void removingTheOnlyPhotoLeavesNoSelection()
    {
        TestApp app;
        app.launchWithoutDialog();
        app.addPhotos({"a.png"});
        AppDelegate &d = *app.delegate;
        d.OnRemovePhoto();
        QVERIFY(d.project().photos().isEmpty());
        QCOMPARE(d.project().selectedIndex(), -1);
        QCOMPARE(tableSelection(d), -1);
    }

    void removingTheBackgroundPromotesTheNext()
    {
        TestApp app;
        app.launchWithoutDialog();
        app.addPhotos({"a.png", "b.png"});
        app.delegate->tablePhotos->selectRow(0);
        app.delegate->OnRemovePhoto();
        QCOMPARE(app.names(), QStringList{"b.png"});
    }

    void movesSwapAndKeepTheSelectedRowNumber()
    {
        TestApp app;
        app.launchWithoutDialog();
        app.addPhotos({"A.png", "B.png", "C.png"});
        AppDelegate &d = *app.delegate;
        d.tablePhotos->selectRow(1);
        QSignalSpy selection(d.tablePhotos->selectionModel(), &QItemSelectionModel::selectionChanged);
        d.project().select(1);
        d.OnMovePhotoUp();
        QCOMPARE(app.names(), (QStringList{"B.png", "A.png", "C.png"}));
        QCOMPARE(tableSelection(d), 1);
        QCOMPARE(d.project().selectedIndex(), 1);
        d.OnMovePhotoDown();
        QCOMPARE(app.names(), (QStringList{"B.png", "C.png", "A.png"}));
        QCOMPARE(tableSelection(d), 1);
        QCOMPARE(d.tablePhotos->model()->index(1, 1).data().toString(), QString("C.png"));
    }

    void guardsLeaveTheListAlone()
    {
        TestApp app;
        app.launchWithoutDialog();
        AppDelegate &d = *app.delegate;
        d.OnRemovePhoto(); // empty list
        d.OnMovePhotoUp();
        d.OnMovePhotoDown();
        app.addPhotos({"A.png", "B.png", "C.png"});
        d.tablePhotos->selectRow(2);
        d.OnMovePhotoDown(); // last row
        d.tablePhotos->selectRow(0);
        d.OnMovePhotoUp(); // first row
        d.tablePhotos->clearSelection();
        d.OnMovePhotoUp();
        d.OnMovePhotoDown();
        d.OnRemovePhoto();
        QCOMPARE(app.names(), (QStringList{"A.png", "B.png", "C.png"}));
        QCOMPARE(d.project().selectedIndex(), -1);
    }

    void tableShowsThumbnailAndNameColumns()
    {
        TestApp app;
        app.launchWithoutDialog();
        app.addPhotos({"beach.png"});
        QAbstractItemModel *model = app.delegate->tablePhotos->model();
        QCOMPARE(model->columnCount(), 2);
        QCOMPARE(PhotoTableModel::columnIdentifier(0), QString("key1"));
        QCOMPARE(PhotoTableModel::columnIdentifier(1), QString("key2"));
        QCOMPARE(model->index(0, 1).data().toString(), QString("beach.png"));
        const QPixmap thumb = model->index(0, 0).data(Qt::DecorationRole).value<QPixmap>();
        QVERIFY(!thumb.isNull());
        // The whole 40 x 30 photo, proportions kept, within the thumbnail box.
        QVERIFY(qAbs(thumb.width() * 30 - thumb.height() * 40) <= 40);
        QVERIFY(thumb.height() <= PhotoTableModel::kThumbnailHeight);
        // Made once: the same picture gives the same pixmap.
        const QPixmap again = model->index(0, 0).data(Qt::DecorationRole).value<QPixmap>();
        QCOMPARE(again.cacheKey(), thumb.cacheKey());
    }

    void clickOnEmptySpaceClearsTheSelection()
    {
        TestApp app;
        app.launchWithoutDialog();
        app.addPhotos({"a.png", "b.png"});
        AppDelegate &d = *app.delegate;
        d.window()->show();
        QCOMPARE(d.project().selectedIndex(), 1);
        QWidget *viewport = d.tablePhotos->viewport();
        QTest::mouseClick(viewport, Qt::LeftButton, {}, QPoint(10, viewport->height() - 3));
        QCOMPARE(d.project().selectedIndex(), -1);
    }
};

QTEST_MAIN(PhotoListTest)
#include "tst_photo_list.moc"
