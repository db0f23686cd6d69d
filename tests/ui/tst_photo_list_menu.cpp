// The photo list as people expect it: rows dragged to a new place, the row's context
// menu, Replace Photo (F2, a double click) keeping the photo's settings.
#include "TestApp.h"
#include "app/MainWindow.h"
#include "app/PhotoTable.h"

#include <QAction>
#include <QDropEvent>
#include <QMimeData>
#include <QTest>
#include <QUndoStack>

namespace {

// Drops row `from` of the table onto row `to`, as a drag inside the table ends.
void dragRow(AppDelegate &d, int from, int to)
{
    QAbstractItemModel *model = d.tablePhotos->model();
    std::unique_ptr<QMimeData> data(model->mimeData({model->index(from, 0)}));
    QWidget *viewport = d.tablePhotos->viewport();
    const QPoint at = d.tablePhotos->visualRect(model->index(to, 1)).center();
    QDragEnterEvent enter(at, Qt::MoveAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(viewport, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(at, Qt::MoveAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(viewport, &drop);
    QVERIFY(drop.isAccepted());
}

struct ListState {
    QStringList names;
    qint64 selected;
    QString undoText;
};

ListState stateOf(TestApp &app)
{
    return {app.names(), app.delegate->project().selectedIndex(),
            app.delegate->project().undoStack().undoText()};
}

} // namespace

class PhotoListMenuTest : public QObject {
    Q_OBJECT

  private slots:
    void dragReorderIsOneStepLikeMoveUpDown_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<QStringList>("order");
        QTest::addColumn<QString>("step");
        QTest::newRow("one up") << 2 << 1 << QStringList{"A", "C", "B", "D"} << "Move Photo Up";
        QTest::newRow("one down") << 1 << 2 << QStringList{"A", "C", "B", "D"} << "Move Photo Down";
        QTest::newRow("to the top") << 3 << 0 << QStringList{"D", "A", "B", "C"} << "Move Photo Up";
        QTest::newRow("to the bottom") << 0 << 3 << QStringList{"B", "C", "D", "A"} << "Move Photo Down";
    }

    // A drag by one row is Move Up or Move Down exactly; a longer one moves the photo
    // there in one step of the same name. Either way the selected row stays, and one
    // undo brings the list back.
    void dragReorderIsOneStepLikeMoveUpDown()
    {
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(QStringList, order);
        QFETCH(QString, step);
        TestApp app;
        app.launchWithoutDialog();
        app.addPhotos({"A", "B", "C", "D"});
        AppDelegate &d = *app.delegate;
        d.project().select(from);
        const int steps = d.project().undoStack().count();
        dragRow(d, from, to);
        const ListState dragged = stateOf(app);
        QCOMPARE(dragged.names, order);
        QCOMPARE(dragged.selected, qint64(from));
        QCOMPARE(dragged.undoText, step);
        QCOMPARE(d.project().undoStack().count(), steps + 1);
        QCOMPARE(d.tablePhotos->model()->index(to, 1).data().toString(), QString(order[to]));
        d.window()->menuAction("menuUndo")->trigger();
        QCOMPARE(app.names(), (QStringList{"A", "B", "C", "D"}));
        if (std::abs(to - from) != 1)
            return;
        d.project().select(from);
        (to < from ? d.OnMovePhotoUp() : d.OnMovePhotoDown());
        const ListState moved = stateOf(app);
        QCOMPARE(moved.names, dragged.names);
        QCOMPARE(moved.selected, dragged.selected);
        QCOMPARE(moved.undoText, dragged.undoText);
    }

    // Each item of the row's menu does what its command does, on the row under the
    // pointer.
    void theRowMenuRunsTheListCommands()
    {
        TestApp app;
        app.launchWithoutDialog();
        app.addPhotos({"A", "B", "C"});
        AppDelegate &d = *app.delegate;
        const auto menuOn = [&](int row, int item) {
            app.desktop->menuAnswers.enqueue(item);
            const QPoint at = d.tablePhotos->visualRect(d.tablePhotos->model()->index(row, 1)).center();
            emit d.tablePhotos->customContextMenuRequested(at);
        };
        menuOn(1, 3); // Move Down
        QCOMPARE(app.desktop->menus.last(),
                 (QStringList{"Remove", "Replace Photo…", "Move Up", "Move Down", "Show in File Manager"}));
        QCOMPARE(app.names(), (QStringList{"A", "C", "B"}));
        menuOn(2, 2); // Move Up
        QCOMPARE(app.names(), (QStringList{"A", "B", "C"}));
        menuOn(2, 4); // Show in File Manager
        QCOMPARE(app.desktop->openedUrls.last(), QUrl::fromLocalFile(app.home.path()));
        menuOn(0, 0); // Remove
        QCOMPARE(app.names(), (QStringList{"B", "C"}));
        menuOn(0, -1); // dismissed
        QCOMPARE(app.names(), (QStringList{"B", "C"}));
    }

    void replaceKeepsTheSettings_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("context menu") << "menu";
        QTest::newRow("F2") << "F2";
        QTest::newRow("double click") << "double click";
    }

    // The photo takes the other file's picture and name and keeps every setting; one
    // undo step brings the old photo back.
    void replaceKeepsTheSettings()
    {
        QFETCH(QString, how);
        TestApp app;
        app.launchWithoutDialog();
        app.addPhotos({"ground.png", "old.png"});
        AppDelegate &d = *app.delegate;
        d.window()->show();
        QVERIFY(QTest::qWaitForWindowExposed(d.window()));
        QVERIFY(d.project().writeField(1, PhotoField::CompositeBlendMode, 3));
        QVERIFY(d.project().writeField(1, PhotoField::CompositeSize, 42));
        QVERIFY(d.project().writeField(1, PhotoField::CompositeXOffset, -7));
        const Object_Photo before = *d.project().photos().at(1);
        app.desktop->openAnswers.enqueue(app.writePhoto("new.png", {64, 48}, Qt::blue));
        const QPoint at = d.tablePhotos->visualRect(d.tablePhotos->model()->index(1, 1)).center();
        if (how == "menu") {
            app.desktop->menuAnswers.enqueue(1);
            emit d.tablePhotos->customContextMenuRequested(at);
        } else if (how == "F2") {
            d.tablePhotos->setFocus();
            d.tablePhotos->setCurrentIndex(d.tablePhotos->model()->index(1, 1));
            QTest::keyClick(d.tablePhotos, Qt::Key_F2);
        } else {
            QTest::mouseDClick(d.tablePhotos->viewport(), Qt::LeftButton, {}, at);
        }
        QTRY_COMPARE(app.names(), (QStringList{"ground.png", "new.png"}));
        const Object_Photo &after = *d.project().photos().at(1);
        QCOMPARE(after.image.size(), QSize(64, 48));
        QCOMPARE(after.sFile, app.home.filePath("new.png"));
        for (PhotoField field :
             {PhotoField::CompositeBlendMode, PhotoField::CompositeSize, PhotoField::CompositeXOffset,
              PhotoField::CompositeYOffset, PhotoField::CompositeOpacity})
            QCOMPARE(readPhotoField(after, field), readPhotoField(before, field));
        QCOMPARE(d.project().undoStack().undoText(), QStringLiteral("Replace Photo"));
        QCOMPARE(app.desktop->openRequests.last().multiple, false);
        d.window()->menuAction("menuUndo")->trigger();
        QCOMPARE(app.names(), (QStringList{"ground.png", "old.png"}));
    }

    // A file that cannot be read leaves the photo as it was and says why.
    void anUnreadableReplacementIsRefused()
    {
        TestApp app;
        app.launchWithoutDialog();
        app.addPhotos({"ground.png"});
        AppDelegate &d = *app.delegate;
        QFile broken(app.home.filePath("broken.png"));
        QVERIFY(broken.open(QIODevice::WriteOnly) && broken.write("not a picture") > 0);
        broken.close();
        app.desktop->openAnswers.enqueue(broken.fileName());
        d.OnReplacePhoto();
        QTRY_COMPARE(app.desktop->alerts.size(), 1);
        QCOMPARE(app.desktop->alerts[0].message, QStringLiteral("The photo could not be replaced"));
        QCOMPARE(app.names(), QStringList{"ground.png"});
    }
};

QTEST_MAIN(PhotoListMenuTest)
#include "tst_photo_list_menu.moc"
