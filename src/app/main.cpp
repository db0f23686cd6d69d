#include "Version.h"
#include "app/AppDelegate.h"
#include "imaging/MemoryBudget.h"

#include <QApplication>
#include <QIcon>
#include <QSettings>

#include <csignal>
#include <cstdlib>

int main(int argc, char **argv)
{
    if (Print_Version_If_Asked(argc, argv, "quillane"))
        return 0;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillane"));
    QApplication::setApplicationDisplayName(QStringLiteral("Quillane"));
    QApplication::setApplicationVersion(QString::fromLatin1(kQuillaneVersion));
    QApplication::setDesktopFileName(QStringLiteral("org.quillane.Quillane"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/org.quillane.Quillane.svg")));
    QApplication::setQuitOnLastWindowClosed(true);
    // The memory a render may take ("memoryBudget", such as 6G; half of the memory when unset).
    Set_Memory_Budget(
        Parse_Memory_Amount(QSettings(kSettingsName, kSettingsName).value("memoryBudget").toString()));
    AppDelegate::Options options;
    options.launchFiles = QApplication::arguments().mid(1); // photos, or a project to open
    AppDelegate delegate(options);
    // Termination by the session (logout, kill) ends the process like Quit does.
    std::signal(SIGTERM, [](int) { std::_Exit(0); });
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &delegate, &AppDelegate::Terminate_App);
    delegate.applicationDidFinishLaunching();
    return QApplication::exec();
}
