// Help › Keyboard Shortcuts: the list is read from the window's actions and filters as
// the user types.
#include "TestApp.h"
#include "app/MainWindow.h"
#include "app/ShortcutList.h"

#include <QAction>
#include <QLineEdit>
#include <QSet>
#include <QTest>
#include <QTreeWidget>

class ShortcutsTest : public QObject {
    Q_OBJECT

  private slots:
    // Every action of the window that has a shortcut is listed once, with all its keys.
    void theListIsTheWindowsActions()
    {
        TestApp app;
        app.launchWithoutDialog();
        const QList<ShortcutEntry> entries = windowShortcuts(app.delegate->window());
        QSet<QString> listed;
        for (const ShortcutEntry &entry : entries)
            listed.insert(entry.place + " › " + entry.command + " = " + entry.keys);
        const QStringList expected = {
            "File › Export Again = Ctrl+E",   "File › Save… = Ctrl+S",
            "Edit › Copy Picture = Ctrl+C",   "Edit › Preferences… = Ctrl+,",
            "Help › Keyboard Shortcuts = F1", "View › Zoom In = Ctrl++, Ctrl+=",
            "Photos › Replace Photo… = F2",   "Action › Remove Photo = Del",
        };
        for (const QString &row : expected)
            QVERIFY2(listed.contains(row),
                     qPrintable(row + " missing from " + QStringList(listed.values()).join("; ")));
        int withKeys = 0;
        for (const QAction *action : app.delegate->window()->findChildren<QAction *>())
            withKeys += !action->shortcuts().isEmpty() && !action->text().isEmpty();
        QCOMPARE(entries.size(), withKeys);
        QCOMPARE(listed.size(), withKeys);
    }

    void f1OpensTheListAndTheSearchFilters_data()
    {
        QTest::addColumn<QString>("search");
        QTest::addColumn<QStringList>("commands");
        QTest::newRow("a word") << "copy" << QStringList{"Copy Picture"};
        QTest::newRow("keys, any case") << "CTRL+E" << QStringList{"Export Again"};
        QTest::newRow("a menu") << "help" << QStringList{"Keyboard Shortcuts"};
        QTest::newRow("nothing") << "no such command" << QStringList{};
    }

    void f1OpensTheListAndTheSearchFilters()
    {
        QFETCH(QString, search);
        QFETCH(QStringList, commands);
        TestApp app;
        app.launchWithoutDialog();
        MainWindow *window = app.delegate->window();
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window));
        QTest::keyClick(window, Qt::Key_F1);
        QTRY_VERIFY(window->findChild<ShortcutListDialog *>());
        auto *list = window->findChild<ShortcutListDialog *>();
        QTest::keyClicks(list->searchField(), search);
        QStringList shown;
        for (int row = 0; row < list->list()->topLevelItemCount(); ++row)
            if (!list->list()->topLevelItem(row)->isHidden())
                shown << list->list()->topLevelItem(row)->text(0);
        QCOMPARE(shown, commands);
        QCOMPARE(list->shownCount(), commands.size());
    }
};

QTEST_MAIN(ShortcutsTest)
#include "tst_shortcuts.moc"
