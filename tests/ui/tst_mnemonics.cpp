// Keyboard mnemonics: within each window no two controls that can be reached together
// answer the same Alt+letter (the menu bar's titles, the buttons, the labels of the
// controls panel shown), and no two items of one menu share a letter; in each shipped
// language, with the windows as built.
#include "TestApp.h"
#include "app/MainWindow.h"
#include "app/Window_New_Project.h"
#include "output/Window_Share.h"
#include "panels/Window_Select_Shape.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileInfo>
#include <QHash>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScopeGuard>
#include <QTest>
#include <QTranslator>

namespace {

// The Alt+letters of one place, and the clashes found in it.
class Scope {
  public:
    Scope(QString where, QStringList &clashes) : m_where(std::move(where)), m_clashes(clashes) {}

    void add(const QString &text)
    {
        const QString key = QKeySequence::mnemonic(text).toString();
        if (key.isEmpty())
            return;
        ++m_count;
        if (m_taken.contains(key))
            m_clashes
                << QStringLiteral("%1: \"%2\" and \"%3\" share %4").arg(m_where, m_taken[key], text, key);
        m_taken.insert(key, text);
    }
    int count() const { return m_count; }

  private:
    QString m_where;
    QStringList &m_clashes;
    QHash<QString, QString> m_taken;
    int m_count = 0;
};

// Every menu under `menu`, each a place of its own; returns the mnemonics seen.
int auditMenu(const QMenu *menu, QStringList &clashes)
{
    Scope scope(menu->title(), clashes);
    int count = 0;
    for (const QAction *action : menu->actions()) {
        scope.add(action->text());
        if (action->menu())
            count += auditMenu(action->menu(), clashes);
    }
    return count + scope.count();
}

// The window's own place: the menu bar's titles, the buttons and the labels of controls
// that would show with it; then each menu. Returns the mnemonics seen.
int auditWindow(QWidget *window, const QString &where, QStringList &clashes)
{
    Scope scope(where, clashes);
    int count = 0;
    if (auto *main = qobject_cast<MainWindow *>(window))
        for (const QAction *action : main->menuBar()->actions()) {
            scope.add(action->text());
            count += auditMenu(action->menu(), clashes);
        }
    for (const QAbstractButton *button : window->findChildren<QAbstractButton *>())
        if (button->isVisibleTo(window))
            scope.add(button->text());
    for (const QLabel *label : window->findChildren<QLabel *>())
        if (label->buddy() && label->isVisibleTo(window))
            scope.add(label->text());
    return count + scope.count();
}

} // namespace

class MnemonicsTest : public QObject {
    Q_OBJECT

  private slots:
    void mnemonicsAreUniqueInEveryWindow_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("English") << QString();
        QTest::newRow("German") << QStringLiteral("de");
        QTest::newRow("French") << QStringLiteral("fr");
    }

    void mnemonicsAreUniqueInEveryWindow()
    {
        QFETCH(QString, language);
        QTranslator translator;
        if (!language.isEmpty()) {
            const QString built = QFileInfo(QStringLiteral(QUILLANE_APP_PATH)).absolutePath();
            QVERIFY(translator.load(QStringLiteral("quillane_") + language, built));
            QVERIFY(QApplication::installTranslator(&translator));
        }
        const auto uninstall = qScopeGuard([&] { QApplication::removeTranslator(&translator); });
        QStringList clashes;
        int seen = 0;

        TestApp app;
        app.launchWithoutDialog(Composite);
        AppDelegate &d = *app.delegate;
        MainWindow *window = d.window();
        emit window->recentMenu()->aboutToShow();
        const std::pair<const char *, void (AppDelegate::*)()> panels[] = {
            {"Composite", &AppDelegate::Set_Controls_View_to_Composition},
            {"Shape", &AppDelegate::Set_Controls_View_to_Shape},
            {"Linear", &AppDelegate::Set_Controls_View_to_Linear},
            {"Transparent", &AppDelegate::Set_Controls_View_to_Transparent},
            {"Exposure fusion", &AppDelegate::Set_Controls_View_to_Fusion},
            {"Home", &AppDelegate::Set_Controls_View_to_Home}};
        for (const auto &[name, show] : panels) {
            (d.*show)();
            seen += auditWindow(window, QStringLiteral("main window, %1 panel").arg(name), clashes);
        }

        ScriptedDesktop desktop;
        Window_New_Project project(Composite, desktop, false);
        seen += auditWindow(&project, QStringLiteral("project type"), clashes);
        Window_Select_Shape shapes;
        seen += auditWindow(&shapes, QStringLiteral("shape picker"), clashes);
        QImage picture(8, 8, QImage::Format_ARGB32);
        picture.fill(Qt::blue);
        Window_Share share(picture, desktop, {}, nullptr);
        seen += auditWindow(&share, QStringLiteral("share sheet"), clashes);

        clashes.removeDuplicates(); // the menus are the same with every panel
        QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join('\n')));
        QVERIFY(seen > 60); // five panels' worth of menus, buttons and labels
    }
};

QTEST_MAIN(MnemonicsTest)
#include "tst_mnemonics.moc"
