// Every text a user can read goes through the translation functions: under a
// pseudo-translation that brackets each translated text, no text without the brackets
// may be left in the window, its panels, its menus, its dialogs or its alerts.
#include "TestApp.h"
#include "app/MainWindow.h"
#include "app/Window_New_Project.h"
#include "encode/OutputGuard.h"
#include "encode/PngWriter.h"
#include "imaging/DecodeGuard.h"
#include "imaging/PhotoLoader.h"
#include "model/ProjectFile.h"
#include "output/SharingServices.h"
#include "output/Window_Share.h"
#include "panels/Window_Select_Shape.h"
#include "render/PassMemory.h"
#include "render/PlacedLayer.h"
#include "render/RenderPass.h"

#include <QAbstractButton>
#include <QAbstractItemModel>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QHash>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QRegularExpression>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

#include <limits>

namespace {

const QString kOpen = QStringLiteral("\u27E6");
const QString kClose = QStringLiteral("\u27E7");

// Brackets every text it is asked for, so that a text that never asked stands out:
// each run of the text between its placeholders on its own, so that what fills a
// placeholder stays outside the brackets.
class PseudoTranslator : public QTranslator {
  public:
    bool isEmpty() const override { return false; }
    QString translate(const char *, const char *source, const char *, int) const override
    {
        if (!source || !*source)
            return {};
        static const QRegularExpression placeholder(QStringLiteral("%(\\d|n)"));
        const QString text = QString::fromUtf8(source);
        QString bracketed;
        qsizetype from = 0;
        for (auto match = placeholder.globalMatch(text); match.hasNext();) {
            const QRegularExpressionMatch next = match.next();
            bracketed += bracket(text.mid(from, next.capturedStart() - from)) + next.captured();
            from = next.capturedEnd();
        }
        return bracketed + bracket(text.mid(from));
    }

  private:
    static QString bracket(const QString &run) { return run.isEmpty() ? run : kOpen + run + kClose; }
};

// Texts without a letter (numbers, "0 %", "+", punctuation) need no translation.
bool isTranslated(const QString &text)
{
    static const QRegularExpression letter(QStringLiteral("\\p{L}"));
    return !text.contains(letter) || (text.contains(kOpen) && text.contains(kClose));
}

// The letters of a composed message outside every bracket and every quoted name
// (“a.png”): the message's frame and each phrase put into it must have been translated.
QString lettersOutsideBrackets(const QString &text)
{
    QString outside;
    int depth = 0;
    bool inName = false;
    for (const QChar c : text) {
        if (c == kOpen[0])
            ++depth;
        else if (c == kClose[0])
            --depth;
        else if (c == u'\u201C' || c == u'\u201D')
            inName = c == u'\u201C';
        else if (depth == 0 && !inName && c.isLetter())
            outside += c;
    }
    return outside;
}

class TextAudit {
  public:
    void check(const QString &where, const QString &text)
    {
        if (!isTranslated(text))
            m_untranslated << QStringLiteral("%1: \"%2\"").arg(where, text);
        ++m_checked;
    }

    void checkAction(const QAction *action, const QString &where)
    {
        if (action->isSeparator())
            return;
        check(where + " action", action->text());
        check(where + " action tip", action->toolTip());
        if (action->menu())
            for (const QAction *inner : action->menu()->actions())
                checkAction(inner, where + " > " + action->text());
    }

    void checkWidget(const QWidget *widget)
    {
        const QString where =
            QStringLiteral("%1 %2").arg(widget->metaObject()->className(), widget->objectName());
        if (widget->isWindow())
            check(where + " title", widget->windowTitle());
        check(where + " tip", widget->toolTip());
        check(where + " accessible name", widget->accessibleName());
        check(where + " accessible description", widget->accessibleDescription());
        if (const auto *label = qobject_cast<const QLabel *>(widget))
            check(where, label->text());
        if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
            check(where, button->text());
        if (const auto *combo = qobject_cast<const QComboBox *>(widget))
            for (int i = 0; i < combo->count(); ++i)
                check(where + " item", combo->itemText(i));
        if (const auto *table = qobject_cast<const QTableView *>(widget); table && table->model())
            for (int column = 0; column < table->model()->columnCount(); ++column)
                check(where + " header", table->model()->headerData(column, Qt::Horizontal).toString());
    }

    // The widget and everything in it.
    void checkTree(const QWidget *root)
    {
        checkWidget(root);
        for (const QWidget *child : root->findChildren<QWidget *>())
            checkWidget(child);
    }

    void checkAlert(const AlertRequest &alert)
    {
        check("alert", alert.message);
        check("alert text", alert.informativeText);
        for (const QString &button : alert.buttons)
            check("alert button", button);
    }

    QStringList untranslated() const { return m_untranslated; }
    int checked() const { return m_checked; }

  private:
    QStringList m_untranslated;
    int m_checked = 0;
};

struct Message {
    QString context, source, translation;
    bool finished = false;
};

// The messages of a translation source file; the plural forms joined by newlines.
QList<Message> readTranslations(const QString &path, QString &error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = file.errorString();
        return {};
    }
    QList<Message> messages;
    QString context;
    QXmlStreamReader xml(&file);
    Message message;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == u"name") {
            context = xml.readElementText();
        } else if (xml.name() == u"message") {
            message = {context, {}, {}, false};
        } else if (xml.name() == u"source") {
            message.source = xml.readElementText();
        } else if (xml.name() == u"translation") {
            message.finished = xml.attributes().value("type").isEmpty();
            message.translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            messages << message;
        }
    }
    if (xml.hasError())
        error = xml.errorString();
    return messages;
}

// The placeholders a text fills in, sorted: %1, %2..., %n.
QStringList placeholders(const QString &text)
{
    static const QRegularExpression marker(QStringLiteral("%(\\d|n)"));
    QStringList found;
    for (auto match = marker.globalMatch(text); match.hasNext();)
        found << match.next().captured();
    found.sort();
    found.removeDuplicates();
    return found;
}

// The mnemonic letter ("&x"; "&&" is a plain ampersand), lower case; empty for none.
QString mnemonic(const QString &text)
{
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != u'&')
            continue;
        if (text[i + 1] == u'&') {
            ++i;
            continue;
        }
        return text[i + 1].toLower();
    }
    return {};
}

qsizetype mnemonicCount(QString text)
{
    text.remove(QStringLiteral("&&"));
    return text.count(u'&');
}

} // namespace

class TranslationsTest : public QObject {
    Q_OBJECT

    PseudoTranslator m_translator;

  private slots:
    void initTestCase() { QVERIFY(QApplication::installTranslator(&m_translator)); }
    void cleanupTestCase() { QApplication::removeTranslator(&m_translator); }

    // The main window with every panel, its menus (Open Recent filled), and the alerts
    // of an empty project's save, About and the unsaved-work question.
    void mainWindowTextsAreAllTranslated()
    {
        TestApp app;
        app.launchWithoutDialog(Composite);
        AppDelegate &d = *app.delegate;
        d.Set_Controls_View_to_Composition();
        d.Set_Controls_View_to_Shape();
        d.Set_Controls_View_to_Linear();
        d.Set_Controls_View_to_Transparent();
        d.Set_Controls_View_to_Home();
        MainWindow *window = d.window();
        QVERIFY(window);
        emit window->recentMenu()->aboutToShow();

        d.OnSaveProject(); // nothing to save
        d.OnMenuHelpAbout();
        app.addPhotos({"a.png"});
        app.desktop->alertAnswers.enqueue(2); // Cancel
        d.OnNewProject();
        QCOMPARE(app.desktop->alerts.size(), 3);

        TextAudit audit;
        for (const QWidget *widget : QApplication::allWidgets())
            audit.checkWidget(widget);
        for (const QAction *action : window->menuBar()->actions())
            audit.checkAction(action, "menu");
        for (const AlertRequest &alert : app.desktop->alerts)
            audit.checkAlert(alert);
        for (const OpenPanelRequest &panel : app.desktop->openRequests) {
            audit.check("open panel", panel.title);
            audit.check("open panel filter", panel.filterName);
        }
        QVERIFY2(audit.untranslated().isEmpty(), qPrintable(audit.untranslated().join('\n')));
        QVERIFY(audit.checked() > 100);
    }

    // The dialogs of their own: the project type, the shape picker and the share sheet
    // (with its services' names), and the project type's alert at start-up.
    void dialogTextsAreAllTranslated()
    {
        TextAudit audit;
        ScriptedDesktop desktop;
        desktop.installedPrograms << "xdg-email";
        desktop.alertAnswers.enqueue(0);
        Window_New_Project project(Composite, desktop, true);
        project.OnCancel(); // at start-up: the type must be chosen
        audit.checkTree(&project);
        Window_Select_Shape shapes;
        audit.checkTree(&shapes);
        QImage picture(8, 8, QImage::Format_ARGB32);
        picture.fill(Qt::blue);
        Window_Share share(picture, desktop, {}, nullptr);
        audit.checkTree(&share);
        for (const QString &service : sharingServiceNames(desktop))
            audit.check("share service", service);
        QCOMPARE(desktop.alerts.size(), 1);
        for (const AlertRequest &alert : desktop.alerts)
            audit.checkAlert(alert);
        QVERIFY2(audit.untranslated().isEmpty(), qPrintable(audit.untranslated().join('\n')));
        QVERIFY(audit.checked() > 40);
    }

    // The engine's refusals, composed of several translated phrases (the photo's name
    // and the numbers inside them need none).
    void engineMessagesAreTranslated_data()
    {
        QTest::addColumn<QString>("message");
        const double huge = 1e15;
        QTest::newRow("over the memory budget") << passBudgetRefusal(huge);
        const QSizeF photoSize(100, 100);
        const float infinite = std::numeric_limits<float>::infinity();
        const PhotoList photos = {makePhoto(QImage(), QStringLiteral("a.png"), Composite)};
        QTest::newRow("undrawable layer")
            << failedLayerPass(
                   photos, 0,
                   placedLayerFailure(placedLayerGeometry(photoSize, infinite, 0, 0), photoSize, 1.0))
                   .error;
        QTest::newRow("missing photo") << loadPhoto(QStringLiteral("/nonexistent/a.png")).error;
        QTest::newRow("project key out of range")
            << parseProject(R"({"mode": "composite", "photos": [{"file": "a.png", "size": 1000}]})", "/")
                   .error;
        QTest::newRow("no picture to write")
            << writePng(QImage(), QStringLiteral("/nonexistent/b.png")).error;
        QTest::newRow("photo over its share of the budget") << declaredSizeProblem(6000, 4000, 1000000);
        OutputGuard run;
        run.addProject(QStringLiteral("/nonexistent/album.json"), {QStringLiteral("/nonexistent/cover.png")});
        const int cover = run.addProject(QStringLiteral("/nonexistent/cover.json"), {});
        QTest::newRow("picture on a photo of another project")
            << run.refusal(QStringLiteral("/nonexistent/cover.png"), cover);
    }

    void engineMessagesAreTranslated()
    {
        QFETCH(QString, message);
        QVERIFY(message.contains(kOpen));
        QVERIFY2(lettersOutsideBrackets(message).isEmpty(), qPrintable(message));
    }

    // The programs in the user's language: the help of both and the command-line
    // renderer's messages, engine texts among them.
    void programsSpeakTheUsersLanguage_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("expected");
        const QString mix = QStringLiteral(QUILLANE_MIX_PATH);
        const QString app = QStringLiteral(QUILLANE_APP_PATH);
        QTest::newRow("mix help, German") << mix << QStringList{"--help"} << "de"
                                          << "Aufruf: quillane-mix [OPTIONEN]";
        QTest::newRow("mix help, French") << mix << QStringList{"--help"} << "fr"
                                          << "Utilisation : quillane-mix [OPTIONS]";
        QTest::newRow("mix help, English") << mix << QStringList{"--help"} << "en"
                                           << "Usage: quillane-mix [OPTIONS]";
        QTest::newRow("app help, German") << app << QStringList{"--help"} << "de"
                                          << "Aufruf: quillane [FOTO...]";
        QTest::newRow("mix option, German") << mix << QStringList{"--bogus"} << "de"
                                            << "unbekannte Option „--bogus“";
        QTest::newRow("mix photo, French") << mix << QStringList{"-o", "out.png", "project.json"} << "fr"
                                           << "n’a pas pu être ouvert : le fichier n’existe pas.";
    }

    void programsSpeakTheUsersLanguage()
    {
        QFETCH(QString, program);
        QFETCH(QStringList, arguments);
        QFETCH(QString, language);
        QFETCH(QString, expected);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QFile project(dir.filePath("project.json"));
        QVERIFY(project.open(QIODevice::WriteOnly));
        project.write(R"({"mode": "composite", "photos": [{"file": "missing.png"}]})");
        project.close();
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("LANGUAGE", language);
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(dir.path());
        process.start(program, arguments);
        QVERIFY(process.waitForFinished(60000));
        const QString output =
            QString::fromUtf8(process.readAllStandardOutput() + process.readAllStandardError());
        QVERIFY2(output.contains(expected), qPrintable(output));
    }

    // The shipped translations: every text translated, the same placeholders as the
    // English, a mnemonic exactly where the English has one, and the mnemonics that are
    // reachable together in one window all different.
    void shippedTranslationsAreCompleteAndConsistent_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("English") << QString();
        QTest::newRow("German") << QStringLiteral("de");
        QTest::newRow("French") << QStringLiteral("fr");
    }

    void shippedTranslationsAreCompleteAndConsistent()
    {
        QFETCH(QString, language);
        // The English texts are the sources of the German file.
        const QString file = QStringLiteral(QUILLANE_SOURCE_DIR "/resources/translations/quillane_%1.ts")
                                 .arg(language.isEmpty() ? QStringLiteral("de") : language);
        QString error;
        const QList<Message> messages = readTranslations(file, error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QVERIFY(messages.size() > 150);
        QHash<QString, QString> shown; // "context|source" -> the text shown
        for (const Message &message : messages) {
            const QString text = language.isEmpty() ? message.source : message.translation;
            shown.insert(message.context + u'|' + message.source, text);
            if (language.isEmpty())
                continue;
            const QString where = message.context + ": " + message.source;
            QVERIFY2(message.finished && !text.isEmpty(), qPrintable("untranslated: " + where));
            QVERIFY2(placeholders(text) == placeholders(message.source),
                     qPrintable("placeholders: " + where));
            QVERIFY2(mnemonicCount(text) == mnemonicCount(message.source) && mnemonicCount(text) <= 1,
                     qPrintable("mnemonic: " + where));
        }
        // Reachable together: the menu bar, the main window's buttons and one panel; the
        // project type dialog; the share sheet.
        const QStringList window = {"MainWindow|&File",    "MainWindow|&Edit",      "MainWindow|&Action",
                                    "MainWindow|&Help",    "MainWindow|A&dd",       "MainWindow|&Remove",
                                    "MainWindow|Move &Up", "MainWindow|Move D&own", "MainWindow|&New Project",
                                    "MainWindow|Sa&ve",    "MainWindow|&Share"};
        const QList<QStringList> groups = {
            window + QStringList{"View_Composition|&Blend mode",
                                 "View_Composition|&Match the background's size", "View_Composition|S&ize",
                                 "View_Composition|&X", "View_Composition|&Y", "View_Composition|O&pacity",
                                 "PanelBase|Blend spa&ce"},
            window + QStringList{"View_Shape|Se&lect Shape…", "View_Shape|S&ize", "View_Shape|&X",
                                 "View_Shape|&Y", "View_Shape|Fea&ther", "PanelBase|Blend spa&ce"},
            window + QStringList{"View_Linear|&Intersection", "View_Linear|Save at full reso&lution",
                                 "PanelBase|Blend spa&ce"},
            window + QStringList{"View_Transparent|&Transparency", "View_Transparent|&Width",
                                 "View_Transparent|&X", "View_Transparent|&Y"},
            {"Window_New_Project|&Composite", "Window_New_Project|&Shape", "Window_New_Project|&Linear",
             "Window_New_Project|&Horizontal", "Window_New_Project|&Vertical",
             "Window_New_Project|&Transparency"},
            {"Window_Share|&Add this text:", "Window_Share|&Share…"},
        };
        for (const QStringList &group : groups) {
            QHash<QString, QString> taken; // mnemonic -> the text that has it
            for (const QString &key : group) {
                QVERIFY2(shown.contains(key), qPrintable("no such text: " + key));
                const QString letter = mnemonic(shown[key]);
                QVERIFY2(!letter.isEmpty(), qPrintable("no mnemonic: " + shown[key]));
                QVERIFY2(
                    !taken.contains(letter),
                    qPrintable(
                        QStringLiteral("\"%1\" and \"%2\" share a mnemonic").arg(taken[letter], shown[key])));
                taken.insert(letter, shown[key]);
            }
        }
    }
};

QTEST_MAIN(TranslationsTest)
#include "tst_translations.moc"
