// Start-up, the output folder, the window, the menus, panel switching and ending.
#include "TestApp.h"
#include "app/MainWindow.h"
#include "panels/View_Composition.h"
#include "panels/View_Home.h"
#include "panels/View_Linear.h"
#include "panels/View_Shape.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenuBar>
#include <QProcess>
#include <QScreen>
#include <QTest>

class AppShellTest : public QObject {
    Q_OBJECT

  private:
    static QList<QWidget *> panelsShown(AppDelegate &d)
    {
        return d.view_Controls->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    }

  private slots:
    void startupStateAndFolder()
    {
        TestApp app;
        app.delegate->applicationDidFinishLaunching();
        AppDelegate &d = *app.delegate;
        QCOMPARE(d.project().mode(), quint64(Composite));
        QCOMPARE(d.project().selectedIndex(), -1);
        QVERIFY(d.project().photos().isEmpty());
        QVERIFY(!d.capture.b_Take_Picture);
        QCOMPARE(d.capture.s_Output_Folder, app.home.filePath("Documents") + "/Quillane/");
        QVERIFY(QFileInfo(d.capture.s_Output_Folder).isDir());
        QVERIFY(app.desktop->alerts.isEmpty());
        QVERIFY(!app.exitStatus);
        QCOMPARE(d.window()->windowTitle(),
                 QString("Untitled[*] \u2014 Quillane")); // unchanged: no "*" shown
        QVERIFY(!d.window()->isWindowModified());
        QVERIFY(d.window()->isVisible());
        QVERIFY(d.timerStartupSelectProjectType);
        QCOMPARE(d.timerStartupSelectProjectType->interval(), 20);
        QCOMPARE(panelsShown(d), QList<QWidget *>{d.customview_Controls_Home.get()});
    }

    void existingFolderOrPlainFileIsUsedUnchanged_data()
    {
        QTest::addColumn<bool>("plainFile");
        QTest::newRow("folder") << false;
        QTest::newRow("plain file") << true;
    }
    void existingFolderOrPlainFileIsUsedUnchanged()
    {
        QFETCH(bool, plainFile);
        TestApp app;
        const QString documents = app.home.filePath("Documents");
        QDir().mkpath(documents);
        const QString target = documents + "/Quillane";
        if (plainFile) {
            QFile file(target);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("keep me");
        } else {
            QDir().mkpath(target + "/old");
        }
        app.delegate->applicationDidFinishLaunching();
        QVERIFY(app.desktop->alerts.isEmpty());
        QVERIFY(!app.exitStatus);
        QCOMPARE(QFileInfo(target).isFile(), plainFile);
        if (plainFile) {
            QFile file(target);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), QByteArray("keep me"));
        } else {
            QVERIFY(QFileInfo(target + "/old").isDir());
        }
    }

    void folderThatCannotBeCreatedEndsAfterTheAlert()
    {
        QTemporaryDir dir;
        QFile blocker(dir.filePath("blocker"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        // Documents lies below a plain file, so no folder can be made there.
        TestApp app(dir.filePath("blocker/Documents"));
        app.delegate->applicationDidFinishLaunching();
        QCOMPARE(app.desktop->alerts.size(), 1);
        QCOMPARE(app.desktop->alerts[0].message, QString("Error"));
        QCOMPARE(app.desktop->alerts[0].informativeText, QString("Error #0008. Application will exit."));
        QCOMPARE(app.desktop->alerts[0].buttons, QStringList{"Close"});
        QCOMPARE(app.exitStatus, std::optional<int>(0));
        QVERIFY(!app.delegate->timerStartupSelectProjectType);
        QVERIFY(!app.delegate->customview_Controls_Home);
    }

    void resizeRuleRaisesEachDimensionAlone_data()
    {
        QTest::addColumn<QSize>("proposed");
        QTest::addColumn<QSize>("expected");
        QTest::newRow("narrow, tall") << QSize(700, 900) << QSize(800, 900);
        QTest::newRow("wide, short") << QSize(1000, 100) << QSize(1000, 600);
        QTest::newRow("both small") << QSize(10, 10) << QSize(800, 600);
        QTest::newRow("large unchanged") << QSize(1300, 901) << QSize(1300, 901);
    }
    void resizeRuleRaisesEachDimensionAlone()
    {
        QFETCH(QSize, proposed);
        QFETCH(QSize, expected);
        QCOMPARE(AppDelegate::windowWillResize(proposed), expected);
    }

    void realWindowKeepsTheMinimumSize()
    {
        TestApp app;
        app.launchWithoutDialog();
        MainWindow *window = app.delegate->window();
        // The rule's 800 x 600, within what the screen has room for with the frame (the
        // test's screen is itself 800 x 600).
        const QSize frame = window->frameGeometry().size() - window->geometry().size();
        const QSize minimum = MainWindow::minimumSizeOn(window->screen(), frame);
        QCOMPARE(minimum, QSize(800, 600).boundedTo(window->screen()->availableSize() - frame));
        QCOMPARE(window->minimumSize(), minimum);
        window->resize(700, 900);
        QCOMPARE(window->size(), QSize(minimum.width(), 900));
        window->resize(300, 200);
        QCOMPARE(window->size(), minimum);
    }

    void panelsAreCreatedOnceAndKept()
    {
        TestApp app;
        app.launchWithoutDialog();
        AppDelegate &d = *app.delegate;
        QVERIFY(!d.customview_Controls_Shape);
        d.Set_Controls_View_to_Shape();
        QPointer<View_Shape> shape = d.customview_Controls_Shape;
        QVERIFY(shape);
        shape->setProperty("marker", 42);
        d.Set_Controls_View_to_Composition();
        QCOMPARE(panelsShown(d), QList<QWidget *>{d.customview_Controls_Composition.get()});
        QVERIFY(shape); // hidden, not destroyed
        d.Set_Controls_View_to_Shape();
        QCOMPARE(d.customview_Controls_Shape.get(), shape.get());
        QCOMPARE(shape->property("marker").toInt(), 42);
        QCOMPARE(panelsShown(d), QList<QWidget *>{shape.get()});
        d.Set_Controls_View_to_Shape(); // again: same object, still the only one
        QCOMPARE(panelsShown(d), QList<QWidget *>{shape.get()});
        QVERIFY(d.customview_Controls_Home);
    }

    void containerDropsWhateverItHeld()
    {
        TestApp app;
        app.launchWithoutDialog();
        AppDelegate &d = *app.delegate;
        auto *stray = new QWidget(d.view_Controls);
        d.Set_Controls_View_to_Linear();
        QCOMPARE(panelsShown(d), QList<QWidget *>{d.customview_Controls_Linear.get()});
        QVERIFY(stray->parentWidget() != d.view_Controls);
    }

    void menusAndButtonsAreThere()
    {
        TestApp app;
        app.launchWithoutDialog();
        MainWindow *w = app.delegate->window();
        QStringList menus;
        for (QAction *a : w->menuBar()->actions())
            menus << a->text().remove('&');
        QCOMPARE(menus, (QStringList{"File", "Edit", "Action", "Photo", "View", "Help"}));
        for (const char *name : {"add", "remove", "up", "down", "new", "save", "share"})
            QVERIFY2(w->button(name), name);
    }

    // Each menu command with its shortcut, and the Help commands with the page they open.
    void menuCommandsHaveTheirShortcutsAndPages_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QKeySequence>("shortcut");
        QTest::addColumn<QString>("page");
        const struct {
            const char *action;
            QKeySequence shortcut;
            const char *page;
        } rows[] = {
            {"menuNewProject", QKeySequence::New, nullptr},
            {"menuOpenProject", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O), nullptr},
            {"menuSaveProject", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), nullptr},
            {"menuSave", QKeySequence::Save, nullptr},
            {"menuQuit", QKeySequence::Quit, nullptr},
            {"menuUndo", QKeySequence(Qt::CTRL | Qt::Key_Z), nullptr},
            {"menuRedo", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), nullptr},
            {"menuAddPhoto", QKeySequence::Open, nullptr},
            {"menuRemovePhoto", QKeySequence::Delete, nullptr},
            {"menuZoomIn", QKeySequence::ZoomIn, nullptr},
            {"menuZoomOut", QKeySequence::ZoomOut, nullptr},
            {"menuZoomFit", QKeySequence(Qt::CTRL | Qt::Key_0), nullptr},
            {"menuZoomActual", QKeySequence(Qt::CTRL | Qt::Key_1), nullptr},
            {"menuHelpApp", QKeySequence(), "/mac-Quillane/"},
            {"menuHelpCompany", QKeySequence(), "/"},
            {"menuHelpPrivacy", QKeySequence(), "/privacypolicy.htm"},
            {"menuHelpTicket", QKeySequence(), "/support/submit-ticket.asp"},
        };
        for (const auto &row : rows)
            QTest::newRow(row.action) << QString(row.action) << row.shortcut << QString(row.page);
    }

    void menuCommandsHaveTheirShortcutsAndPages()
    {
        QFETCH(QString, action);
        QFETCH(QKeySequence, shortcut);
        QFETCH(QString, page);
        TestApp app;
        app.launchWithoutDialog();
        QAction *command = app.delegate->window()->menuAction(action);
        QVERIFY(command);
        QCOMPARE(command->shortcut(), shortcut);
        if (page.isNull())
            return;
        command->trigger();
        QCOMPARE(app.desktop->openedUrls, QList<QUrl>{QUrl(QString(kSiteAddress) + page)});
    }

    void closeAndQuitEndWithStatusZero()
    {
        {
            TestApp app;
            app.launchWithoutDialog();
            app.delegate->window()->close();
            QCOMPARE(app.exitStatus, std::optional<int>(0));
        }
        {
            TestApp app;
            app.launchWithoutDialog();
            app.delegate->window()->menuAction("menuQuit")->trigger();
            QCOMPARE(app.exitStatus, std::optional<int>(0));
        }
    }

    void realProcessEndsWithStatusZeroWhenTerminated()
    {
        QTemporaryDir home;
        QProcess app;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", home.path());
        env.insert("XDG_CONFIG_HOME", home.filePath(".config"));
        env.insert("QT_QPA_PLATFORM", "offscreen");
        app.setProcessEnvironment(env);
        app.start(QUILLANE_APP_PATH);
        QVERIFY(app.waitForStarted());
        // Start-up has run once the output folder exists.
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(home.filePath("Documents/Quillane")).isDir(), 10000);
        app.terminate();
        QVERIFY(app.waitForFinished(10000));
        QCOMPARE(app.exitStatus(), QProcess::NormalExit);
        QCOMPARE(app.exitCode(), 0);
    }
};

QTEST_MAIN(AppShellTest)
#include "tst_app_shell.moc"
