#include "Version.h"
#include "app/AppDelegate.h"
#include "imaging/MemoryBudget.h"
#include "model/Translations.h"

#include <QApplication>
#include <QIcon>
#include <QSettings>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// Answers --help before a display is needed; true when it did.
bool printUsageIfAsked(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            QCoreApplication core(argc, argv);
            installTranslations(core);
            std::fputs(
                qPrintable(QCoreApplication::translate(
                    "main", "Usage: quillane [PHOTO...] [PROJECT.quillane]\n"
                            "Mix several photos into one picture.\n\n"
                            "Photos named are added to the list in order; a project named is opened\n"
                            "first and the photos join it.\n\n"
                            "  -h, --help     show this help and exit\n"
                            "      --version  show the version and exit\n\n"
                            "quillane-mix renders a project without a display; see quillane-mix --help.\n")),
                stdout);
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
    installTranslations(app); // Qt's own dialogs too
    if (const QString option = unknownOption(QApplication::arguments().mid(1)); !option.isEmpty()) {
        std::fprintf(stderr, "%s\n",
                     qPrintable(QCoreApplication::translate(
                                    "main", "quillane: unknown option %1 (see quillane --help).")
                                    .arg(option)));
        return 2;
    }
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
