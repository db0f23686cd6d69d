#include "cli/MixCommand.h"

#include "imaging/ProjectPhotos.h"
#include "model/ProjectFile.h"
#include "model/Quoted.h"
#include "output/engine/PngWriter.h"
#include "render/CaptureStep.h"
#include "render/RenderPass.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QRegularExpression>

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <vector>

namespace {

struct Options {
    QString projectPath; // "-" for standard input
    QString outputPath;
    QSize view; // invalid without --view
    bool help = false;
};

struct Outcome {
    int status = kExitWritten;
    QString message; // empty on success
};

Outcome usageError(const QString &message)
{
    return {kExitUsageError, message + QStringLiteral(" (see quillane-mix --help)")};
}

Outcome parseView(const QString &text, QSize &view)
{
    static const QRegularExpression pattern(QStringLiteral("^([0-9]{1,5})x([0-9]{1,5})$"));
    const QRegularExpressionMatch match = pattern.match(text);
    view = match.hasMatch() ? QSize(match.captured(1).toInt(), match.captured(2).toInt()) : QSize();
    if (view.isEmpty())
        return usageError(
            QStringLiteral("--view takes WIDTHxHEIGHT in whole pixels, such as 1200x800, not \u201C%1\u201D")
                .arg(text));
    return {};
}

Outcome parseArguments(const QStringList &arguments, Options &options)
{
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            options.help = true;
        } else if (argument == QLatin1String("-o") || argument == QLatin1String("--view")) {
            if (!hasValue)
                return usageError(QStringLiteral("%1 needs a value").arg(argument));
            const QString value = arguments[++i];
            if (argument == QLatin1String("-o"))
                options.outputPath = value;
            else if (const Outcome bad = parseView(value, options.view); bad.status != kExitWritten)
                return bad;
        } else if (argument.startsWith(QLatin1Char('-')) && argument != QLatin1String("-")) {
            return usageError(QStringLiteral("unknown option \u201C%1\u201D").arg(argument));
        } else if (!options.projectPath.isEmpty()) {
            return usageError(QStringLiteral("only one project file, please (\u201C%1\u201D is a second one)")
                                  .arg(argument));
        } else {
            options.projectPath = argument;
        }
    }
    if (options.help)
        return {};
    if (options.outputPath.isEmpty())
        return usageError(QStringLiteral("the output picture is missing: -o OUTPUT.png"));
    if (options.projectPath.isEmpty())
        return usageError(
            QStringLiteral("the project file is missing (or - to read it from standard input)"));
    return {};
}

// The project's bytes from its file or from standard input; false when unreadable.
bool readBytes(const QString &path, QByteArray &bytes, QString &reason)
{
    QFile file(path);
    const bool opened =
        path == QLatin1String("-") ? file.open(stdin, QIODevice::ReadOnly) : file.open(QIODevice::ReadOnly);
    if (!opened) {
        reason = file.errorString();
        return false;
    }
    bytes = file.readAll();
    return true;
}

Outcome readProject(const QString &path, Project &project)
{
    const bool fromStdin = path == QLatin1String("-");
    const QString name = fromStdin ? QStringLiteral("standard input") : quoted(path);
    QByteArray bytes;
    QString reason;
    if (!readBytes(path, bytes, reason))
        return {kExitUsageError, QStringLiteral("%1 could not be read: %2").arg(name, reason)};
    const QString base = fromStdin ? QDir::currentPath() : QFileInfo(path).absolutePath();
    const ProjectParse parse = parseProject(bytes, base);
    if (!parse.ok())
        return {kExitUsageError, QStringLiteral("%1: %2").arg(name, parse.error)};
    project = parse.project;
    return {};
}

// Some decoders (libpng's default error handler) print straight to the standard error
// stream; while photos load it points at /dev/null so that a failure stays one line.
class QuietStandardError {
  public:
    QuietStandardError() : saved(dup(STDERR_FILENO))
    {
        std::fflush(stderr);
        const int null = open("/dev/null", O_WRONLY);
        if (null >= 0) {
            dup2(null, STDERR_FILENO);
            close(null);
        }
    }
    ~QuietStandardError()
    {
        std::fflush(stderr);
        if (saved >= 0) {
            dup2(saved, STDERR_FILENO);
            close(saved);
        }
    }
    QuietStandardError(const QuietStandardError &) = delete;
    QuietStandardError &operator=(const QuietStandardError &) = delete;

  private:
    int saved;
};

Outcome loadPhotos(Project &project)
{
    const QuietStandardError quiet;
    // The photos decode side by side; the first refusal in the project's order is told.
    for (const LoadResult &loaded : loadPictures(project.photos))
        if (!loaded.ok())
            return {kExitFileError, loaded.error};
    return {};
}

// The picture a capture would store, or the view the preview canvas would show.
QImage renderPicture(const Project &project, QSize view)
{
    if (view.isValid()) {
        const PassResult pass =
            render_Pass(project.photos, project.mode, QSizeF(view), false, 1.0, project.options);
        QImage canvas(view, QImage::Format_ARGB32_Premultiplied);
        QPainter painter(&canvas);
        paint_Pass(painter, QSizeF(view), QRectF(QPointF(0, 0), QSizeF(view)), pass);
        return canvas;
    }
    // A 0 x 0 view: the pass fits nothing into it and only builds the mixed picture.
    CaptureState capture{true, QImage(), QString(), QString()};
    Capture_Step(capture, render_Pass(project.photos, project.mode, QSizeF(0, 0), true, 1.0, project.options),
                 QDateTime::currentDateTime());
    return capture.imageSave;
}

Outcome mix(const Options &options)
{
    Project project;
    if (const Outcome bad = readProject(options.projectPath, project); bad.status != kExitWritten)
        return bad;
    if (const Outcome bad = loadPhotos(project); bad.status != kExitWritten)
        return bad;
    const QImage picture = renderPicture(project, options.view);
    if (picture.isNull())
        return {kExitFileError, QStringLiteral("\u201C%1\u201D was not written: the mixed picture is empty "
                                               "(in a Linear project, the levels can leave no strip)")
                                    .arg(options.outputPath)};
    const WriteResult written = Write_Png(picture, options.outputPath);
    return written.ok ? Outcome{} : Outcome{kExitFileError, written.error};
}

} // namespace

namespace {

// A message quotes what the user wrote (keys, file names), which may hold line breaks
// or other control characters: they are shown escaped, so an error stays one line.
QString singleLine(const QString &message)
{
    QString line;
    for (const QChar c : message) {
        if (c == QLatin1Char('\n'))
            line += QStringLiteral("\\n");
        else if (c.category() == QChar::Other_Control)
            line += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            line += c;
    }
    return line;
}

} // namespace

int Run_Mix(const QStringList &arguments, QString &output, QString &errors)
{
    Options options;
    Outcome outcome = parseArguments(arguments, options);
    if (outcome.status == kExitWritten && options.help)
        output = Mix_Help_Text();
    else if (outcome.status == kExitWritten)
        outcome = mix(options);
    if (!outcome.message.isEmpty())
        errors = QStringLiteral("quillane-mix: ") + singleLine(outcome.message) + QLatin1Char('\n');
    return outcome.status;
}
