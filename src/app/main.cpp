#include "Version.h"
#include "app/AppDelegate.h"
#include "imaging/MemoryBudget.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QTranslator>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// Answers --help before Qt starts (no display needed); true when it did.
bool printUsageIfAsked(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::printf("Usage: quillane [PHOTO...] [PROJECT.quillane]\n"
                        "Mix several photos into one picture.\n\n"
                        "Photos named are added to the list in order; a project named is opened\n"
                        "first and the photos join it.\n\n"
                        "  -h, --help     show this help and exit\n"
                        "      --version  show the version and exit\n\n"
                        "quillane-mix renders a project without a display; see quillane-mix --help.\n");
            return true;
        }
    }
    return false;
}

// An option this program does not know (Qt has taken its own by then), else empty.
QString unknownOption(const QStringList &arguments)
{
    for (const QString &argument : arguments)
        if (argument.startsWith('-') && argument.size() > 1)
            return argument;
    return {};
}

} // namespace

int main(int argc, char **argv)
{
    if (printVersionIfAsked(argc, argv, "quillane") || printUsageIfAsked(argc, argv))
        return 0;
    QApplication app(argc, argv);
    if (const QString option = unknownOption(QApplication::arguments().mid(1)); !option.isEmpty()) {
        std::fprintf(stderr, "quillane: unknown option %s (see quillane --help).\n", qPrintable(option));
        return 2;
    }
    // The texts in the user's language (LANGUAGE, LC_ALL, LANG), Qt's own dialogs too;
    // English, the source, when there is no translation.
    QTranslator qtTexts;
    QTranslator ownTexts;
    if (qtTexts.load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);
    if (ownTexts.load(QLocale(), QStringLiteral("quillane"), QStringLiteral("_"), QStringLiteral(":/i18n")))
        QApplication::installTranslator(&ownTexts);
    QApplication::setApplicationName(QStringLiteral("Quillane"));
    QApplication::setApplicationDisplayName(QStringLiteral("Quillane"));
    QApplication::setApplicationVersion(QString::fromLatin1(kQuillaneVersion));
    QApplication::setDesktopFileName(QStringLiteral("org.quillane.Quillane"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/org.quillane.Quillane.svg")));
    QApplication::setQuitOnLastWindowClosed(true);
    // The memory a render may take ("memoryBudget", such as 6G; half of the memory when unset).
    setMemoryBudget(
        parseMemoryAmount(QSettings(kSettingsName, kSettingsName).value("memoryBudget").toString()));
    AppDelegate::Options options;
    options.launchFiles = QApplication::arguments().mid(1); // photos, or a project to open
    AppDelegate delegate(options);
    // Termination by the session (logout, kill) ends the process like Quit does.
    std::signal(SIGTERM, [](int) { std::_Exit(0); });
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &delegate, &AppDelegate::Terminate_App);
    delegate.applicationDidFinishLaunching();
    return QApplication::exec();
}
