#include "app/AppDelegate.h"

#include <QApplication>

#include <csignal>
#include <cstdlib>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillane"));
    QApplication::setApplicationDisplayName(QStringLiteral("Quillane"));
    QApplication::setQuitOnLastWindowClosed(true);
    AppDelegate::Options options;
    options.launchFiles = QApplication::arguments().mid(1); // photos, or a project to open
    AppDelegate delegate(options);
    // Termination by the session (logout, kill) ends the process like Quit does.
    std::signal(SIGTERM, [](int) { std::_Exit(0); });
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &delegate, &AppDelegate::Terminate_App);
    delegate.applicationDidFinishLaunching();
    return QApplication::exec();
}
