// Work the user can trust: the unsaved-work question on every way out, the title, recent
// projects, the save flow's dead ends, the share sheet, keyboard order and the command line.
#include "ModalScript.h"
#include "TestApp.h"
#include "app/MainWindow.h"
#include "app/PhotoTable.h"
#include "app/RecentProjects.h"
#include "app/View_Image_Preview.h"
#include "app/Window_New_Project.h"
#include "model/ProjectFile.h"
#include "output/SharingServices.h"
#include "output/Window_Share.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPalette>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QScreen>
#include <QSettings>
#include <QStyleOptionButton>
#include <QTableView>
#include <QTest>
#include <QUndoStack>

#include <algorithm>
#include <cmath>
#include <memory>
#include <optional>
#include <utility>

namespace {

enum Answer { Save, Discard, Cancel };

// A Composite project of two photos that was never saved.
void changedProject(TestApp &app)
{
    app.launchWithoutDialog(Composite);
    app.addPhotos({"a.png", "b.png"});
}

QString savedProject(TestApp &app, const QString &name)
{
    const QString path = app.home.filePath(name);
    NewPhoto photo = std::make_shared<Object_Photo>();
    photo->sFile = app.writePhoto("other.png");
    photo->sName = "other.png";
    const QString error = writeProject(path, Composite, {photo});
    return error.isEmpty() ? path : QString();
}

// A light theme's or a dark theme's palette.
QPalette themePalette(bool dark)
{
    if (!dark)
        return QPalette(QColor(239, 239, 239));
    QPalette palette(QColor(53, 53, 53), QColor(42, 42, 42));
    palette.setColor(QPalette::WindowText, QColor(230, 230, 230));
    palette.setColor(QPalette::Text, QColor(230, 230, 230));
    palette.setColor(QPalette::ButtonText, QColor(230, 230, 230));
    return palette;
}

// The contrast ratio of two colours as the web's accessibility guidelines define it.
double contrast(const QColor &a, const QColor &b)
{
    const auto luminance = [](const QColor &c) {
        const auto linear = [](double v) {
            return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace

class WorkflowTest : public QObject {
    Q_OBJECT

    // The main window (Composite) and the project type dialog, built under one palette
    // and then switched to another; their widgets, alive until the next call.
    std::unique_ptr<TestApp> m_app;
    std::unique_ptr<ScriptedDesktop> m_desktop;
    std::unique_ptr<Window_New_Project> m_project;
    std::optional<QPalette> m_original;
    QList<QWidget *> widgetsUnderPalettes(bool darkFirst, bool dark)
    {
        m_original = QApplication::palette();
        QApplication::setPalette(themePalette(darkFirst));
        m_app = std::make_unique<TestApp>();
        m_app->launchWithoutDialog(Composite);
        m_desktop = std::make_unique<ScriptedDesktop>();
        m_project = std::make_unique<Window_New_Project>(Composite, *m_desktop, false);
        QApplication::setPalette(themePalette(dark));
        return m_app->delegate->window()->findChildren<QWidget *>() + m_project->findChildren<QWidget *>();
    }

  private slots:
    // After each test: the windows of widgetsUnderPalettes go, the palette comes back.
    void cleanup()
    {
        m_project.reset();
        m_app.reset();
        if (m_original)
            QApplication::setPalette(*std::exchange(m_original, std::nullopt));
    }

    // Each way out of a changed project, with each answer: Save writes the project and
    // goes on, Discard goes on, Cancel keeps everything as it was.
    void unsavedWorkIsAskedAboutOnEveryWayOut_data()
    {
        QTest::addColumn<QString>("way");
        QTest::addColumn<int>("answer");
        for (const char *way : {"new", "open", "drop", "quit", "close"})
            for (const auto &[answer, name] :
                 {std::pair{Save, "save"}, {Discard, "discard"}, {Cancel, "cancel"}})
                QTest::addRow("%s, %s", way, name) << QString(way) << int(answer);
    }

    void unsavedWorkIsAskedAboutOnEveryWayOut()
    {
        QFETCH(QString, way);
        QFETCH(int, answer);
        ModalScript script;
        TestApp app;
        changedProject(app);
        AppDelegate &d = *app.delegate;
        const QString other = savedProject(app, "other.quillane");
        const QString savedAs = app.home.filePath("kept.quillane");
        app.desktop->alertAnswers.enqueue(answer);
        if (answer == Save)
            app.desktop->saveAnswers.enqueue(savedAs);
        bool dialogShown = false;
        if (way == "new")
            script.onModal<Window_New_Project>([&](Window_New_Project &w) {
                dialogShown = true;
                w.buttonOK->click();
            });
        const qsizetype panelsBefore = app.desktop->openRequests.size();

        if (way == "new")
            d.OnNewProject();
        else if (way == "open")
            d.OnOpenProject();
        else if (way == "drop")
            d.openFiles({other});
        else if (way == "quit")
            d.window()->menuAction("menuQuit")->trigger();
        else
            d.window()->close();

        QCOMPARE(app.desktop->alerts.size(), 1);
        QCOMPARE(app.desktop->alerts[0].message,
                 QString("Do you want to save the changes to \u201CUntitled\u201D?"));
        QCOMPARE(app.desktop->alerts[0].buttons, (QStringList{"Save", "Discard", "Cancel"}));
        const bool goesOn = answer != Cancel;
        QCOMPARE(QFileInfo(savedAs).isFile(), answer == Save);
        if (way == "new")
            QCOMPARE(dialogShown, goesOn);
        else if (way == "open")
            QCOMPARE(app.desktop->openRequests.size() > panelsBefore, goesOn);
        else if (way == "drop")
            QCOMPARE(d.project().projectFile() == other, goesOn);
        else
            QCOMPARE(app.exitStatus.has_value(), goesOn);
        if (!goesOn)
            QCOMPARE(app.names(), (QStringList{"a.png", "b.png"}));
    }

    // Nothing is asked when nothing changed: an empty new project, or one just saved.
    void unchangedProjectsLeaveWithoutAQuestion()
    {
        TestApp app;
        app.launchWithoutDialog(Composite);
        app.delegate->window()->menuAction("menuQuit")->trigger();
        QVERIFY(app.exitStatus.has_value());

        TestApp saved;
        changedProject(saved);
        saved.desktop->saveAnswers.enqueue(saved.home.filePath("mix.quillane"));
        QVERIFY(saved.delegate->OnSaveProject());
        saved.delegate->window()->close();
        QVERIFY(saved.desktop->alerts.isEmpty());
        QVERIFY(saved.exitStatus.has_value());
    }

    // The title names the project and follows the undo history's clean state.
    void titleShowsTheProjectAndWhetherItChanged()
    {
        TestApp app;
        app.launchWithoutDialog(Composite);
        AppDelegate &d = *app.delegate;
        MainWindow *window = d.window();
        QCOMPARE(window->windowTitle(), QString("Untitled[*] \u2014 Quillane"));
        QVERIFY(!window->isWindowModified());
        app.addPhotos({"a.png", "b.png"});
        QVERIFY(window->isWindowModified()); // never saved, with photos
        app.desktop->saveAnswers.enqueue(app.home.filePath("beach"));
        QVERIFY(d.OnSaveProject());
        QCOMPARE(window->windowTitle(), QString("beach[*] \u2014 Quillane"));
        QCOMPARE(d.project().projectFile(), app.home.filePath("beach.quillane"));
        QVERIFY(!window->isWindowModified());
        QVERIFY(d.setPhotoField(PhotoField::CompositeXOffset, 10));
        QVERIFY(window->isWindowModified());
        d.project().undoStack().undo();
        QVERIFY(!window->isWindowModified());
        d.OnRemovePhoto();
        QVERIFY(window->isWindowModified());
    }

    // Newest first, each file once, ten at most.
    void recentListKeepsTheNewestTenOnce_data()
    {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QString>("opened");
        QTest::addColumn<QStringList>("after");
        QStringList ten;
        for (int i = 0; i < 10; ++i)
            ten << QString("/p/%1.quillane").arg(i);
        QTest::newRow("first") << QStringList{} << "/p/a.quillane" << QStringList{"/p/a.quillane"};
        QTest::newRow("new on top") << QStringList{"/p/a.quillane"} << "/p/b.quillane"
                                    << QStringList{"/p/b.quillane", "/p/a.quillane"};
        QTest::newRow("again moves up") << QStringList{"/p/a.quillane", "/p/b.quillane"} << "/p/b.quillane"
                                        << QStringList{"/p/b.quillane", "/p/a.quillane"};
        QTest::newRow("eleventh drops the oldest")
            << ten << "/p/new.quillane" << (QStringList{"/p/new.quillane"} + ten.mid(0, 9));
        QTest::newRow("relative made absolute")
            << QStringList{} << "rel.quillane"
            << QStringList{QDir::current().absoluteFilePath("rel.quillane")};
    }

    void recentListKeepsTheNewestTenOnce()
    {
        QFETCH(QStringList, before);
        QFETCH(QString, opened);
        QFETCH(QStringList, after);
        QCOMPARE(withRecentProject(before, opened), after);
    }

    // Opened and saved projects join File › Open Recent; a missing one is disabled, and
    // the list can be cleared.
    void openRecentMenuFollowsOpenedAndSavedProjects()
    {
        TestApp app;
        app.launchWithoutDialog(Composite);
        AppDelegate &d = *app.delegate;
        d.clearRecentProjects();
        const QString first = savedProject(app, "first.quillane");
        const QString gone = savedProject(app, "gone.quillane");
        QVERIFY(d.openFiles({gone}));
        QVERIFY(d.openFiles({first}));
        QVERIFY(QFile::remove(gone));
        QCOMPARE(d.recentProjects(), (QStringList{first, gone}));

        MainWindow *window = d.window();
        window->fillRecentMenu();
        const QList<QAction *> items = window->recentMenu()->actions();
        QVERIFY(items[0]->text().contains("first"));
        QVERIFY(items[0]->isEnabled());
        QVERIFY(items[1]->text().contains("gone"));
        QVERIFY(!items[1]->isEnabled());

        d.openRecentProject(gone); // chosen before the menu knew: told, and dropped
        QCOMPARE(app.desktop->alerts.size(), 1);
        QCOMPARE(d.recentProjects(), QStringList{first});

        window->menuAction("menuClearRecent")->trigger();
        QVERIFY(d.recentProjects().isEmpty());
        window->fillRecentMenu();
        QVERIFY(!window->menuAction("menuClearRecent")->isEnabled());
    }

    // The save panel opens in the output folder, then where it last saved.
    void savePanelOpensInTheOutputFolderThenTheLastPlace()
    {
        TestApp app;
        app.launchWithoutDialog();
        app.addPhotos({"beach.png"});
        AppDelegate &d = *app.delegate;
        QSettings(kSettingsName, kSettingsName).remove("lastSaveFolder");
        QVERIFY(QDir().mkpath(app.home.filePath("elsewhere")));
        app.desktop->saveAnswers.enqueue(app.home.filePath("elsewhere/one.png"));
        app.desktop->alertAnswers.enqueue(1);
        d.OnSaveMixedPhoto();
        QTRY_COMPARE(app.desktop->alerts.size(), 1);
        QCOMPARE(app.desktop->savePanels[0].directory, QDir::cleanPath(d.capture.s_Output_Folder));
        d.OnSaveMixedPhoto();
        QTRY_COMPARE(app.desktop->savePanels.size(), 2);
        QCOMPARE(app.desktop->savePanels[1].directory, app.home.filePath("elsewhere"));
    }

    // An output folder that cannot take the picture (here a plain file stands in its
    // place): the user is told and the save panel writes the picture where they choose,
    // in the format its name asks for (PNG without an extension).
    void anUnusableOutputFolderLeadsToTheSavePanel_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("format");
        QTest::newRow("PNG") << "straight.png" << QByteArray("png");
        QTest::newRow("JPEG") << "straight.jpg" << QByteArray("jpeg");
        QTest::newRow("TIFF") << "straight.tif" << QByteArray("tiff");
        QTest::newRow("no extension") << "straight" << QByteArray("png");
    }

    void anUnusableOutputFolderLeadsToTheSavePanel()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, format);
        TestApp app;
        app.launchWithoutDialog();
        app.addPhotos({"beach.png"});
        AppDelegate &d = *app.delegate;
        const QString folder = QDir::cleanPath(d.capture.s_Output_Folder);
        QVERIFY(QDir(folder).removeRecursively());
        QFile plain(folder);
        QVERIFY(plain.open(QIODevice::WriteOnly));
        plain.close();
        const QString chosen = app.home.filePath(name);
        app.desktop->saveAnswers.enqueue(chosen);
        app.desktop->alertAnswers << 0 << 1; // Choose…, then Close on the success alert
        d.OnSaveMixedPhoto();
        QTRY_COMPARE(app.desktop->alerts.size(), 2);
        QCOMPARE(app.desktop->alerts[0].message,
                 QString("The picture could not be saved in the output folder"));
        QVERIFY(app.desktop->alerts[0].informativeText.contains("cannot be written to"));
        QCOMPARE(app.desktop->alerts[1].message, QString("Success"));
        QImageReader written(chosen);
        QCOMPARE(written.format(), format);
        QCOMPARE(written.size(), QSize(40, 30));
    }

    // What the desktop cannot open is told: the saved picture, a help page.
    void nothingToOpenWithIsTold()
    {
        TestApp app;
        app.launchWithoutDialog();
        app.addPhotos({"beach.png"});
        AppDelegate &d = *app.delegate;
        app.desktop->urlsOpen = false;
        app.desktop->saveAnswers.enqueue(app.home.filePath("shown.png"));
        app.desktop->alertAnswers.enqueue(0); // View Image File
        d.OnSaveMixedPhoto();
        QTRY_COMPARE(app.desktop->alerts.size(), 2);
        QCOMPARE(app.desktop->alerts[1].message, QString("The picture could not be shown"));
        QVERIFY(app.desktop->alerts[1].informativeText.contains("shown.png"));
        d.window()->menuAction("menuHelpApp")->trigger();
        QCOMPARE(app.desktop->alerts.size(), 3);
        QCOMPARE(app.desktop->alerts[2].message, QString("The page could not be opened"));
    }

    // Typing ticks the text's box; the temporary copies go when the sheet closes.
    void shareSheetKeepsTypedTextAndRemovesItsCopies()
    {
        TestApp app;
        app.launchWithoutDialog();
        QImage picture(8, 8, QImage::Format_ARGB32_Premultiplied);
        picture.fill(Qt::blue);
        auto *sheet = new Window_Share(picture, *app.desktop, {}, nullptr);
        sheet->show();
        QVERIFY(!sheet->checkAddText->isChecked());
        QTest::keyClicks(sheet->textText, "Hello");
        QVERIFY(sheet->checkAddText->isChecked());
        QCOMPARE(sheet->shareItems().first().toString(), QString("Hello"));

        app.desktop->menuAnswers.enqueue(
            int(sharingServiceNames(*app.desktop).indexOf("Open in Image Viewer")));
        sheet->OnShare();
        QCOMPARE(app.desktop->openedUrls.size(), 1);
        const QString copy = app.desktop->openedUrls[0].toLocalFile();
        QVERIFY(QFileInfo(copy).isFile());
        delete sheet;
        QVERIFY(!QFileInfo(copy).exists());
        QVERIFY(!QFileInfo(QFileInfo(copy).absolutePath()).exists());
    }

    // Tab leaves the table and runs through the list buttons, New Project, Save, Share
    // and the preview; every one has a name a screen reader can say.
    void tabRunsThroughTheWindowInOrder()
    {
        TestApp app;
        app.launchWithoutDialog();
        app.addPhotos({"a.png"});
        MainWindow *window = app.delegate->window();
        QApplication::setActiveWindow(window);
        QVERIFY(QTest::qWaitForWindowActive(window));
        window->table()->setFocus();
        QStringList order;
        for (int i = 0; i < 9; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget *focus = QApplication::focusWidget();
            order << focus->objectName();
            const bool named = !focus->accessibleName().isEmpty() ||
                               (qobject_cast<QAbstractButton *>(focus) &&
                                !qobject_cast<QAbstractButton *>(focus)->text().isEmpty());
            QVERIFY2(named, qPrintable(focus->objectName() + " has no accessible name"));
        }
        QCOMPARE(order.mid(0, 8), (QStringList{"add", "remove", "up", "down", "new", "save", "share",
                                               "scrollviewPreviewCanvas"}));
        QVERIFY(app.delegate->viewPreviewImage->accessibleDescription().startsWith("Composite of 1 photo"));
    }

    // The smallest window fits the screen with its frame; on a large screen it is the
    // resize rule's.
    void minimumSizeFitsTheScreen()
    {
        const QScreen *screen = QGuiApplication::primaryScreen();
        const QSize room = screen->availableSize();
        QCOMPARE(MainWindow::minimumSizeOn(nullptr), QSize(800, 600));
        QCOMPARE(MainWindow::minimumSizeOn(screen, {}), QSize(800, 600).boundedTo(room));
        const QSize frame(0, room.height() - 500); // a screen with 500 points of room
        QCOMPARE(MainWindow::minimumSizeOn(screen, frame), QSize(std::min(800, room.width()), 500));
    }

    // --help prints the usage and ends; an unknown option is refused, not taken for a photo.
    void commandLineHelpAndUnknownOptions()
    {
        QProcess help;
        help.start(QUILLANE_APP_PATH, {"--help"});
        QVERIFY(help.waitForFinished(10000));
        QCOMPARE(help.exitCode(), 0);
        QVERIFY(help.readAllStandardOutput().startsWith("Usage: quillane"));

        QProcess unknown;
        unknown.start(QUILLANE_APP_PATH, {"--frobnicate", "-platform", "offscreen"});
        QVERIFY(unknown.waitForFinished(10000));
        QCOMPARE(unknown.exitCode(), 2);
        QVERIFY(unknown.readAllStandardError().contains("unknown option --frobnicate"));
    }

    // Text of the controls one can use stays readable (at least 4.5 : 1 against its
    // background) in a light and a dark palette, also when the palette changes while a
    // window is open.
    void textIsReadableInLightAndDarkPalettes_data()
    {
        QTest::addColumn<bool>("darkFirst");
        QTest::addColumn<bool>("dark");
        QTest::newRow("light") << false << false;
        QTest::newRow("dark") << true << true;
        QTest::newRow("light, then dark") << false << true;
        QTest::newRow("dark, then light") << true << false;
    }

    void textIsReadableInLightAndDarkPalettes()
    {
        QFETCH(bool, darkFirst);
        QFETCH(bool, dark);
        QStringList faint;
        const QList<QWidget *> widgets = widgetsUnderPalettes(darkFirst, dark);
        for (QWidget *widget : widgets) {
            QString text;
            if (auto *label = qobject_cast<QLabel *>(widget))
                text = label->text();
            else if (auto *button = qobject_cast<QAbstractButton *>(widget))
                text = button->text();
            if (text.isEmpty() || !widget->isEnabled()) // disabled controls are meant to recede
                continue;
            const QPalette palette = widget->palette();
            const double ratio =
                contrast(palette.color(widget->foregroundRole()), palette.color(widget->backgroundRole()));
            if (ratio < 4.5)
                faint << QStringLiteral("%1 (%2 : 1)").arg(text).arg(ratio, 0, 'f', 1);
        }
        QVERIFY(widgets.size() > 20);
        QVERIFY2(faint.isEmpty(), qPrintable(faint.join('\n')));
    }

    // The edge of an unchecked check box or radio button stands out from the window at
    // least 3 : 1 (the guidelines' non-text contrast), in the same palettes: the
    // indicator as drawn, its most contrasting pixel against the widget's background.
    void indicatorsStandOutInLightAndDarkPalettes_data() { textIsReadableInLightAndDarkPalettes_data(); }

    void indicatorsStandOutInLightAndDarkPalettes()
    {
        QFETCH(bool, darkFirst);
        QFETCH(bool, dark);
        QStringList faint;
        int measured = 0;
        for (QWidget *widget : widgetsUnderPalettes(darkFirst, dark)) {
            auto *button = qobject_cast<QAbstractButton *>(widget);
            const bool radio = qobject_cast<QRadioButton *>(button);
            if ((!radio && !qobject_cast<QCheckBox *>(button)) || button->isChecked() || !button->isEnabled())
                continue;
            QStyleOptionButton option;
            option.initFrom(button);
            const QRect indicator = button->style()->subElementRect(
                radio ? QStyle::SE_RadioButtonIndicator : QStyle::SE_CheckBoxIndicator, &option, button);
            const QImage drawn = button->grab().toImage();
            const QColor background = button->palette().color(button->backgroundRole());
            double best = 1;
            for (int y = indicator.top(); y <= indicator.bottom(); ++y)
                for (int x = indicator.left(); x <= indicator.right(); ++x)
                    best = std::max(best, contrast(drawn.pixelColor(x, y), background));
            ++measured;
            if (best < 3)
                faint << QStringLiteral("%1 (%2 : 1)").arg(button->text()).arg(best, 0, 'f', 1);
        }
        QVERIFY(measured >= 3); // the dialog's unchecked choices and the panel's check box
        QVERIFY2(faint.isEmpty(), qPrintable(faint.join('\n')));
    }
};

QTEST_MAIN(WorkflowTest)
#include "tst_workflow.moc"
