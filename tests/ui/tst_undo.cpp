// Undo and redo through the Edit menu: each list action and each panel write is one
// step, named in the menu, and undoing it brings back the list, the value and the row.
#include "ModalScript.h"
#include "TestApp.h"
#include "app/MainWindow.h"
#include "app/Window_New_Project.h"
#include "model/PhotoField.h"
#include "model/ProjectFile.h"
#include "panels/ValueSlider.h"
#include "panels/View_Composition.h"

#include <QAction>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QUndoStack>

#include <functional>

namespace {

using Act = std::function<void(TestApp &)>;

qint64 selectedRow(AppDelegate &d)
{
    const QModelIndexList rows = d.tablePhotos->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

QAction *menu(AppDelegate &d, const char *name)
{
    return d.window()->menuAction(name);
}

// Background and two overlay photos in Composite mode, row `row` selected, no history.
void startWith(TestApp &app, qint64 row)
{
    app.launchWithoutDialog(Composite);
    app.delegate->Set_Controls_View_to_Composition();
    app.addPhotos({"a.png", "b.png", "c.png"});
    for (qint64 row = 0; row < 3; ++row)
        app.delegate->project().writeField(row, PhotoField::CompositeSizeOfBG, 0);
    app.delegate->tablePhotos->selectRow(int(row));
    app.delegate->project().undoStack().clear();
}

} // namespace

Q_DECLARE_METATYPE(Act)

class UndoTest : public QObject {
    Q_OBJECT

  private slots:
    void everyListActionIsOneNamedStep_data()
    {
        QTest::addColumn<qint64>("row");
        QTest::addColumn<Act>("act");
        QTest::addColumn<QString>("undoText");
        QTest::addColumn<QStringList>("after");
        QTest::addColumn<qint64>("rowAfter");
        const QStringList abc = {"a.png", "b.png", "c.png"};
        QTest::newRow("add") << qint64(1) << Act([](TestApp &app) {
            app.delegate->addPhotoFiles({app.writePhoto("d.png")});
            app.waitForPhotos();
        }) << "Undo Add Photo"
                             << (abc + QStringList{"d.png"}) << qint64(3);
        QTest::newRow("add two") << qint64(1) << Act([](TestApp &app) {
            app.delegate->addPhotoFiles({app.writePhoto("d.png"), app.writePhoto("e.png")});
            app.waitForPhotos();
        }) << "Undo Add Photos" << (abc + QStringList{"d.png", "e.png"})
                                 << qint64(4);
        QTest::newRow("remove") << qint64(1) << Act([](TestApp &app) { app.delegate->OnRemovePhoto(); })
                                << "Undo Remove Photo" << QStringList{"a.png", "c.png"} << qint64(0);
        QTest::newRow("up") << qint64(2) << Act([](TestApp &app) { app.delegate->OnMovePhotoUp(); })
                            << "Undo Move Photo Up" << QStringList{"a.png", "c.png", "b.png"} << qint64(2);
        QTest::newRow("down") << qint64(0) << Act([](TestApp &app) { app.delegate->OnMovePhotoDown(); })
                              << "Undo Move Photo Down" << QStringList{"b.png", "a.png", "c.png"}
                              << qint64(0);
    }

    void everyListActionIsOneNamedStep()
    {
        QFETCH(qint64, row);
        QFETCH(Act, act);
        QFETCH(QString, undoText);
        QFETCH(QStringList, after);
        QFETCH(qint64, rowAfter);
        TestApp app;
        startWith(app, row);
        AppDelegate &d = *app.delegate;
        const QStringList before = app.names();
        QVERIFY(!menu(d, "menuUndo")->isEnabled());
        act(app);
        QTRY_COMPARE(selectedRow(d), rowAfter); // the action's own delayed selection
        QCOMPARE(app.names(), after);
        QCOMPARE(menu(d, "menuUndo")->text(), undoText);
        QCOMPARE(d.project().undoStack().count(), 1);
        d.tablePhotos->selectRow(1); // wherever the user is now

        menu(d, "menuUndo")->trigger();
        QCOMPARE(app.names(), before);
        QCOMPARE(d.tablePhotos->model()->rowCount(), before.size());
        QCOMPARE(selectedRow(d), row);
        QCOMPARE(d.project().selectedIndex(), row);
        QCOMPARE(menu(d, "menuRedo")->text(), QString(undoText).replace("Undo", "Redo"));

        menu(d, "menuRedo")->trigger();
        QCOMPARE(app.names(), after);
        QCOMPARE(selectedRow(d), rowAfter);
    }

    // Undo right after an add, its photo still loading: the row selected before, which
    // the end of the loading leaves alone.
    void undoRightAfterAnAddKeepsTheRestoredRow()
    {
        TestApp app;
        startWith(app, 1);
        AppDelegate &d = *app.delegate;
        d.addPhotoFiles({app.writePhoto("d.png", {1600, 1200})});
        QCOMPARE(selectedRow(d), 3);
        menu(d, "menuUndo")->trigger();
        QCOMPARE(selectedRow(d), 1);
        app.waitForPhotos();
        QCOMPARE(selectedRow(d), 1);
        QCOMPARE(app.names(), (QStringList{"a.png", "b.png", "c.png"}));
    }

    void actionsThatChangeNothingLeaveNoStep()
    {
        TestApp app;
        startWith(app, 0);
        app.delegate->OnMovePhotoUp();
        app.delegate->tablePhotos->selectRow(2);
        app.delegate->OnMovePhotoDown();
        app.delegate->addPhotoFiles({app.home.filePath("missing.png")});
        app.waitForPhotos();
        QCOMPARE(app.delegate->project().undoStack().count(), 0);
    }

    void aDragIsOneStepAndUndoBringsBackItsPhoto()
    {
        TestApp app;
        startWith(app, 1);
        AppDelegate &d = *app.delegate;
        const float start = d.project().photos()[1]->f_Composite_Size;
        for (double value : {5.0, 12.5, 20.0, 33.0}) // one drag: no button let go
            QVERIFY(d.setPhotoField(PhotoField::CompositeSize, value));
        QCOMPARE(d.project().undoStack().count(), 1);
        QCOMPARE(menu(d, "menuUndo")->text(), QString("Undo Change Size"));
        QTest::mouseRelease(d.window(), Qt::LeftButton); // the drag ends
        QVERIFY(d.setPhotoField(PhotoField::CompositeSize, 40.0));
        QVERIFY(d.setPhotoField(PhotoField::CompositeBlendMode, 16));
        QCOMPARE(d.project().undoStack().count(), 3);

        d.tablePhotos->selectRow(2);
        menu(d, "menuUndo")->trigger(); // the blend mode, on photo 1
        QCOMPARE(d.project().photos()[1]->m_Composite_Blend_Mode, quint64(0));
        QCOMPARE(selectedRow(d), 1);
        menu(d, "menuUndo")->trigger(); // the second drag
        QCOMPARE(d.project().photos()[1]->f_Composite_Size, 33.0f);
        QCOMPARE(d.customview_Controls_Composition->sliderSize->value(), 33.0);
        menu(d, "menuUndo")->trigger(); // the whole first drag
        QCOMPARE(d.project().photos()[1]->f_Composite_Size, start);
        QCOMPARE(d.customview_Controls_Composition->sliderSize->value(), double(start));
        QVERIFY(!menu(d, "menuUndo")->isEnabled());
        menu(d, "menuRedo")->trigger();
        QCOMPARE(d.project().photos()[1]->f_Composite_Size, 33.0f);
    }

    void undoingAnAddTakesTheChangesOfItsPhotoFirst()
    {
        TestApp app;
        startWith(app, 1);
        AppDelegate &d = *app.delegate;
        d.addPhotoFiles({app.writePhoto("d.png")});
        app.waitForPhotos();
        QTRY_COMPARE(selectedRow(d), 3);
        QVERIFY(d.setPhotoField(PhotoField::CompositeXOffset, -20.0));
        QCOMPARE(menu(d, "menuUndo")->text(), QString("Undo Change Horizontal Offset"));
        menu(d, "menuUndo")->trigger();
        QCOMPARE(d.project().photos()[3]->f_Composite_X_Offset, 0.0f);
        menu(d, "menuUndo")->trigger();
        QCOMPARE(app.names(), (QStringList{"a.png", "b.png", "c.png"}));
        menu(d, "menuRedo")->trigger();
        menu(d, "menuRedo")->trigger();
        QCOMPARE(d.project().photos()[3]->f_Composite_X_Offset, -20.0f);
    }

    // Every field of the table, in a mode it belongs to: the panels' write is one step
    // named after the field, and undo and redo put back each value on that photo.
    void everyFieldIsUndoneByItsName_data()
    {
        QTest::addColumn<int>("field");
        QTest::addColumn<quint64>("mode");
        for (const PhotoFieldRow &row : photoFieldTable()) {
            quint64 mode = 0;
            while (!(row.modes & (1u << mode)))
                ++mode;
            QTest::newRow(qPrintable(QStringLiteral("%1 %2").arg(row.key).arg(mode)))
                << int(row.field) << mode;
        }
    }

    void everyFieldIsUndoneByItsName()
    {
        QFETCH(int, field);
        QFETCH(quint64, mode);
        const PhotoFieldRow &row = photoFieldRow(PhotoField(field));
        TestApp app;
        app.launchWithoutDialog(mode);
        app.addPhotos({"a.png", "b.png"});
        AppDelegate &d = *app.delegate;
        d.tablePhotos->selectRow(1);
        d.project().undoStack().clear();
        const PhotoPtr photo = d.project().photos()[1];
        const double before = readPhotoField(*photo, row.field);
        const double after = before == row.maximum ? row.minimum : row.maximum;
        QVERIFY(d.setPhotoField(row.field, after));
        QCOMPARE(menu(d, "menuUndo")->text(), QStringLiteral("Undo Change %1").arg(row.label));
        d.tablePhotos->selectRow(0);
        menu(d, "menuUndo")->trigger();
        QCOMPARE(readPhotoField(*photo, row.field), before);
        QCOMPARE(selectedRow(d), qint64(1));
        menu(d, "menuRedo")->trigger();
        QCOMPARE(readPhotoField(*photo, row.field), after);
    }

    void newAndOpenedProjectsStartAFreshHistory()
    {
        TestApp app;
        startWith(app, 1);
        AppDelegate &d = *app.delegate;
        d.OnRemovePhoto();
        QCOMPARE(d.project().undoStack().count(), 1);
        const QString project = app.home.filePath("p.json");
        QCOMPARE(writeProject(project, Composite, d.project().photos()), QString());
        QVERIFY(d.openProjectFile(project));
        QCOMPARE(d.project().undoStack().count(), 0);
        QVERIFY(!menu(d, "menuUndo")->isEnabled());

        QTRY_COMPARE(d.project().selectedIndex(), qint64(1)); // the opened list's last row
        d.OnMovePhotoUp();
        QCOMPARE(d.project().undoStack().count(), 1);
        ModalScript script;
        script.onModal<Window_New_Project>([](Window_New_Project &w) { w.buttonOK->click(); });
        app.desktop->alertAnswers.enqueue(1); // discard the change since opening
        d.OnNewProject();
        QCOMPARE(d.project().undoStack().count(), 0);
        QVERIFY(!menu(d, "menuUndo")->isEnabled());
    }
};

QTEST_MAIN(UndoTest)
#include "tst_undo.moc"
