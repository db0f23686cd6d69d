// quillane-mix: the headless renderer. Everything but the process set-up is in runMix.
// A project always has photos, so "No Image" (the one text the renderer draws) never
// appears here: no fonts are needed and a core application, without a platform, will do.
#include "Version.h"
#include "cli/MixCommand.h"
#include "model/Translations.h"

#include <QCoreApplication>

#include <unistd.h>

#include <csignal>
#include <cstdio>

namespace {

// Decoders report through Qt's warnings ("libpng error: ..."); the renderer says what
// went wrong in its own single line, so only Qt's critical and fatal messages pass.
void keepCriticalMessages(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        qt_message_output(type, context, message);
}

} // namespace

int main(int argc, char **argv)
{
    if (printVersionIfAsked(argc, argv, "quillane-mix"))
        return 0;
    qInstallMessageHandler(keepCriticalMessages);
    // A reader of standard output that goes away (`| head -c 100`) makes the write fail
    // with a message, as every other failure does, rather than end the program silently.
    std::signal(SIGPIPE, SIG_IGN);
    QCoreApplication app(argc, argv);
    installTranslations(app);
    QString output;
    QString errors;
    // A progress line per stage when someone watches the terminal, not in a log.
    MixProgress progress;
    if (isatty(STDERR_FILENO))
        progress = [](const QString &line) {
            std::fputs(("quillane-mix: " + line + QLatin1Char('\n')).toLocal8Bit().constData(), stderr);
        };
    const int status = runMix(app.arguments().mid(1), output, errors, progress);
    std::fputs(output.toLocal8Bit().constData(), stdout);
    std::fputs(errors.toLocal8Bit().constData(), stderr);
    return status;
}
