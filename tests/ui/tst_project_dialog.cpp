// The project type dialog and new projects.
#include "ModalScript.h"
#include "TestApp.h"
#include "app/MainWindow.h"
#include "app/Window_New_Project.h"
#include "panels/View_Composition.h"
#include "panels/View_Linear.h"
#include "panels/View_Shape.h"
#include "panels/View_Transparent.h"

#include <QApplication>
#include <QPushButton>
#include <QTableView>
#include <QTest>

namespace {

struct ButtonStates {
    bool composite, shape, linear, horizontal, vertical, transparency, subEnabled;
    bool operator==(const ButtonStates &) const = default;
};

ButtonStates statesOf(const Window_New_Project &w)
{
    return {w.radioComposite->isChecked(),
            w.radioShape->isChecked(),
            w.radioLinear->isChecked(),
            w.radioHorizontal->isChecked(),
            w.radioVertical->isChecked(),
            w.radioTransparency->isChecked(),
            w.radioHorizontal->isEnabled() && w.radioVertical->isEnabled()};
}

} // namespace

Q_DECLARE_METATYPE(ButtonStates)

class ProjectDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void buttonsFollowTheCurrentMode_data()
    {
        QTest::addColumn<quint64>("mode");
        QTest::addColumn<ButtonStates>("expected");
        QTest::newRow("linear horizontal")
            << quint64(0) << ButtonStates{false, false, true, true, false, false, true};
        QTest::newRow("linear vertical")
            << quint64(1) << ButtonStates{false, false, true, false, true, false, true};
        QTest::newRow("composite") << quint64(2)
                                   << ButtonStates{true, false, false, false, false, false, false};
        QTest::newRow("shape") << quint64(3) << ButtonStates{false, true, false, false, false, false, false};
        QTest::newRow("transparent") << quint64(4)
                                     << ButtonStates{false, false, false, false, false, true, false};
    }
    void buttonsFollowTheCurrentMode()
    {
        QFETCH(quint64, mode);
        QFETCH(ButtonStates, expected);
        TestApp app;
        app.delegate->project().reset(mode, {}, QString());
        Window_New_Project dialog(app.delegate->project().mode(), app.delegate->desktop(), false);
        QVERIFY(statesOf(dialog) == expected);
    }

    void choicesStayExclusive()
    {
        TestApp app;
        app.delegate->project().reset(LinearVertical, {}, QString());
        Window_New_Project dialog(app.delegate->project().mode(), app.delegate->desktop(), false);
        dialog.radioLinear->click(); // Linear again: back to Horizontal
        QVERIFY((statesOf(dialog) == ButtonStates{false, false, true, true, false, false, true}));
        dialog.radioVertical->click();
        QVERIFY((statesOf(dialog) == ButtonStates{false, false, true, false, true, false, true}));
        dialog.radioVertical->click(); // a click never turns a choice off
        QVERIFY(dialog.radioVertical->isChecked());
        dialog.radioShape->click();
        QVERIFY((statesOf(dialog) == ButtonStates{false, true, false, false, false, false, false}));
        dialog.radioShape->click();
        QVERIFY(dialog.radioShape->isChecked());
        dialog.buttonOK->click();
        QVERIFY(dialog.bOK);
        QCOMPARE(dialog.modeChosen, quint64(Shape));
        QCOMPARE(dialog.result(), 1);
    }

    void okMapsEveryChoice_data()
    {
        QTest::addColumn<QString>("click");
        QTest::addColumn<quint64>("mode");
        QTest::newRow("composite") << "radioComposite" << quint64(Composite);
        QTest::newRow("shape") << "radioShape" << quint64(Shape);
        QTest::newRow("linear") << "radioLinear" << quint64(LinearHorizontal);
        QTest::newRow("vertical") << "radioVertical" << quint64(LinearVertical);
        QTest::newRow("transparency") << "radioTransparency" << quint64(Transparent);
    }
    void okMapsEveryChoice()
    {
        QFETCH(QString, click);
        QFETCH(quint64, mode);
        TestApp app;
        Window_New_Project dialog(app.delegate->project().mode(), app.delegate->desktop(), false);
        if (click == "radioVertical")
            dialog.radioLinear->click();
        dialog.findChild<QRadioButton *>(click)->click();
        dialog.OnOK();
        QCOMPARE(dialog.modeChosen, mode);
    }

    void startupCancelIsRefused()
    {
        TestApp app;
        for (bool escape : {false, true}) {
            Window_New_Project dialog(app.delegate->project().mode(), app.delegate->desktop(), true);
            dialog.show();
            if (escape)
                QTest::keyClick(&dialog, Qt::Key_Escape);
            else
                dialog.buttonCancel->click();
            QVERIFY(dialog.isVisible());
            QVERIFY(!dialog.bOK);
        }
        QCOMPARE(app.desktop->alerts.size(), 2);
        for (const AlertRequest &alert : app.desktop->alerts) {
            QCOMPARE(alert.message, QString("Error"));
            QCOMPARE(alert.informativeText, QString("You must choose a project type at startup."));
            QCOMPARE(alert.buttons, QStringList{"Close"});
        }
    }

    void newProjectCancelLeavesEverythingAlone()
    {
        ModalScript script;
        TestApp app;
        app.launchWithoutDialog(Shape);
        AppDelegate &d = *app.delegate;
        d.Set_Controls_View_to_Shape();
        app.addPhotos({"a.png", "b.png"});
        script.onModal<Window_New_Project>([](Window_New_Project &w) {
            w.radioTransparency->click();
            QTest::keyClick(&w, Qt::Key_Escape);
        });
        app.desktop->alertAnswers.enqueue(1); // discard the unsaved photos
        d.OnNewProject();
        QCOMPARE(d.project().mode(), quint64(Shape));
        QCOMPARE(app.names(), (QStringList{"a.png", "b.png"}));
        QVERIFY(d.customview_Controls_Shape->isVisible());
        QVERIFY(!d.customview_Controls_Transparent);
        QVERIFY(!d.timer_Select_First_Image);
    }

    void newProjectOkEmptiesAndAsksForTheBackground()
    {
        ModalScript script;
        TestApp app;
        app.launchWithoutDialog(Composite);
        AppDelegate &d = *app.delegate;
        d.Set_Controls_View_to_Composition();
        app.addPhotos({"a.png", "b.png"});
        QCOMPARE(d.project().selectedIndex(), 1);
        script.onModal<Window_New_Project>([](Window_New_Project &w) { w.buttonOK->click(); }); // same type
        app.desktop->alertAnswers.enqueue(1); // discard the unsaved photos
        d.OnNewProject();
        QVERIFY(d.project().photos().isEmpty());
        QCOMPARE(d.tablePhotos->model()->rowCount(), 0);
        QCOMPARE(d.project().selectedIndex(), -1);
        QVERIFY(d.customview_Controls_Composition->isVisible());
        QVERIFY(d.timer_Select_First_Image);
        const qsizetype panelsAsked = app.desktop->openPanelExtensions.size();
        QTRY_COMPARE(app.desktop->openPanelExtensions.size(), panelsAsked + 1);
    }

    void bothLinearModesShareOnePanel()
    {
        ModalScript script;
        TestApp app;
        app.launchWithoutDialog(Composite);
        AppDelegate &d = *app.delegate;
        script.onModal<Window_New_Project>([](Window_New_Project &w) {
            w.radioLinear->click();
            w.buttonOK->click();
        });
        d.OnNewProject();
        QCOMPARE(d.project().mode(), quint64(LinearHorizontal));
        QPointer<View_Linear> linear = d.customview_Controls_Linear;
        QVERIFY(linear && linear->isVisible());
        script.onModal<Window_New_Project>([](Window_New_Project &w) {
            w.radioVertical->click();
            w.buttonOK->click();
        });
        d.OnNewProject();
        QCOMPARE(d.project().mode(), quint64(LinearVertical));
        QCOMPARE(d.customview_Controls_Linear.get(), linear.get());
    }

    void startupRunsTheDialogThenTheOpenPanel()
    {
        ModalScript script;
        TestApp app;
        AppDelegate &d = *app.delegate;
        bool dialogShown = false;
        script.onModal<Window_New_Project>([&](Window_New_Project &w) {
            dialogShown = true;
            QVERIFY(w.bStartup);
            QVERIFY(w.radioComposite->isChecked());
            w.radioShape->click();
            w.buttonOK->click();
        });
        d.applicationDidFinishLaunching();
        QTRY_VERIFY(dialogShown);
        QTRY_COMPARE(d.project().mode(), quint64(Shape));
        QVERIFY(d.customview_Controls_Shape);
        QTRY_COMPARE(app.desktop->openPanelExtensions.size(), 1);
    }
};

QTEST_MAIN(ProjectDialogTest)
#include "tst_project_dialog.moc"
