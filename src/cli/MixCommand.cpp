#include "cli/MixCommand.h"

#include "imaging/MemoryBudget.h"
#include "imaging/Parallel.h"
#include "imaging/PhotoLoader.h"
#include "model/ProjectFile.h"
#include "output/engine/OutputGuard.h"
#include "output/engine/PngWriter.h"
#include "render/CaptureStep.h"
#include "render/PassMemory.h"
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
#include <new>
#include <vector>

namespace {

struct Options {
    QString projectPath; // "-" for standard input
    QString outputPath;
    QSize view;              // invalid without --view
    qint64 memoryBudget = 0; // 0: the default budget
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

Outcome parseBudget(const QString &text, qint64 &budget)
{
    budget = Parse_Memory_Amount(text);
    if (budget <= 0)
        return usageError(
            QStringLiteral("--memory-budget takes an amount such as 4G or 512M, not \u201C%1\u201D")
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
        } else if (argument == QLatin1String("-o") || argument == QLatin1String("--view") ||
                   argument == QLatin1String("--memory-budget")) {
            if (!hasValue)
                return usageError(QStringLiteral("%1 needs a value").arg(argument));
            const QString value = arguments[++i];
            Outcome parsed;
            if (argument == QLatin1String("-o"))
                options.outputPath = value;
            else if (argument == QLatin1String("--view"))
                parsed = parseView(value, options.view);
            else
                parsed = parseBudget(value, options.memoryBudget);
            if (parsed.status != kExitWritten)
                return parsed;
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

QString megabytes(qint64 bytes)
{
    return QStringLiteral("%1 MB").arg(bytes >> 20);
}

// The project's bytes from its file or from standard input, at most kLargestProject of
// them; false (with the reason) when unreadable, not a regular file, or larger.
bool readBytes(const QString &path, QByteArray &bytes, QString &reason)
{
    QFile file(path);
    const bool fromStdin = path == QLatin1String("-");
    if (!fromStdin) {
        const QFileInfo info(path);
        if (info.exists() && !info.isFile()) { // a FIFO or a device could block or never end
            reason = QStringLiteral("it is not a regular file.");
            return false;
        }
        if (info.size() > kLargestProject) {
            reason = QStringLiteral("it is larger than a project file can be (at most %1).")
                         .arg(megabytes(kLargestProject));
            return false;
        }
    }
    const bool opened = fromStdin ? file.open(stdin, QIODevice::ReadOnly) : file.open(QIODevice::ReadOnly);
    if (!opened) {
        reason = file.errorString();
        return false;
    }
    // A pipe gives its bytes a block at a time; an endless stream stops past the limit.
    while (bytes.size() <= kLargestProject) {
        const QByteArray block = file.read(kLargestProject + 1 - bytes.size());
        if (block.isEmpty())
            break;
        bytes += block;
    }
    if (bytes.size() > kLargestProject) {
        reason = QStringLiteral("it is larger than a project file can be (at most %1).")
                     .arg(megabytes(kLargestProject));
        return false;
    }
    return true;
}

Outcome readProject(const QString &path, Project &project)
{
    const bool fromStdin = path == QLatin1String("-");
    const QString name =
        fromStdin ? QStringLiteral("standard input") : QStringLiteral("\u201C%1\u201D").arg(path);
    QByteArray bytes;
    QString reason;
    if (!readBytes(path, bytes, reason))
        return {kExitUsageError, QStringLiteral("%1 could not be read: %2").arg(name, reason)};
    const QString base = fromStdin ? QDir::currentPath() : QFileInfo(path).absolutePath();
    const ProjectParse parse = Parse_Project(bytes, base);
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

// The view a render draws for: the --view size, or none for the picture Save stores.
ViewTarget viewTarget(QSize view)
{
    return view.isValid() ? ViewTarget{QSizeF(view), 1.0, false} : ViewTarget{QSizeF(0, 0), 1.0, true};
}

// The memory the render will need, from the sizes the photos' headers announce (a photo
// that does not tell is checked once it is decoded); refused before anything is decoded.
Outcome checkBudget(const Project &project, QSize view)
{
    QList<QSizeF> sizes;
    for (const QString &file : project.files)
        sizes.append(QSizeF(Probe_Photo_Size(file).expandedTo(QSize(0, 0))));
    double need = Pass_Memory_Need(project.photos, sizes, project.mode, viewTarget(view));
    if (view.isValid())
        need += Picture_Bytes(QSizeF(view)); // the canvas the view is painted on
    const QString refusal = Pass_Budget_Refusal(need);
    if (refusal.isEmpty())
        return {};
    return {kExitFileError, refusal.chopped(1) + QStringLiteral(" (see --memory-budget)")};
}

Outcome checkOutput(const Options &options, const Project &project)
{
    const QString project_file = options.projectPath == QLatin1String("-") ? QString() : options.projectPath;
    const QString refusal = Output_Refusal(options.outputPath, project_file, project.files);
    if (refusal.isEmpty())
        return {};
    return {kExitUsageError, refusal};
}

Outcome loadPhotos(Project &project)
{
    const QuietStandardError quiet;
    // The photos decode side by side; the first refusal in the project's order is told.
    std::vector<LoadResult> loaded(size_t(project.photos.size()));
    parallelTasks(int(loaded.size()), [&](int i) { loaded[size_t(i)] = Load_Photo(project.files[i]); });
    for (size_t i = 0; i < loaded.size(); ++i) {
        if (!loaded[i].ok())
            return {kExitFileError, loaded[i].error};
        project.photos[qsizetype(i)]->image = loaded[i].image;
    }
    return {};
}

// The picture a capture would store, or the view the preview canvas would show; null
// with the reason in `error` when the pass failed.
QImage renderPicture(const Project &project, QSize view, QString &error)
{
    if (view.isValid()) {
        const PassResult pass = render_Pass(project.photos, project.mode, QSizeF(view), false);
        error = pass.error;
        QImage canvas(view, QImage::Format_ARGB32_Premultiplied);
        if (pass.failed() || canvas.isNull()) {
            if (!pass.failed())
                error = QStringLiteral("there is not enough memory for a view of that size.");
            return {};
        }
        QPainter painter(&canvas);
        paint_Pass(painter, QSizeF(view), QRectF(QPointF(0, 0), QSizeF(view)), pass);
        return canvas;
    }
    // A 0 x 0 view: the pass fits nothing into it and only builds the mixed picture.
    CaptureState capture{true, QImage(), QString(), QString(), QString()};
    const PassResult pass = render_Pass(project.photos, project.mode, QSizeF(0, 0), true);
    error = pass.error;
    Capture_Step(capture, pass, QDateTime::currentDateTime());
    return capture.imageSave;
}

Outcome mix(const Options &options)
{
    Project project;
    if (const Outcome bad = readProject(options.projectPath, project); bad.status != kExitWritten)
        return bad;
    if (const Outcome bad = checkOutput(options, project); bad.status != kExitWritten)
        return bad;
    if (const Outcome bad = checkBudget(project, options.view); bad.status != kExitWritten)
        return bad;
    if (const Outcome bad = loadPhotos(project); bad.status != kExitWritten)
        return bad;
    QString error;
    const QImage picture = renderPicture(project, options.view, error);
    if (!error.isEmpty())
        return {kExitFileError,
                QStringLiteral("\u201C%1\u201D was not written: %2").arg(options.outputPath, error)};
    if (picture.isNull())
        return {kExitFileError, QStringLiteral("\u201C%1\u201D was not written: the mixed picture is empty "
                                               "(in a Linear project, the levels can leave no strip)")
                                    .arg(options.outputPath)};
    const WriteResult written = Write_Png(picture, options.outputPath);
    return written.ok ? Outcome{} : Outcome{kExitFileError, written.error};
}

// The mix within the memory budget; running out of memory anyway is a failure of its
// own, never an exception that ends the program.
Outcome mixWithin(const Options &options)
{
    Set_Memory_Budget(options.memoryBudget);
    try {
        return mix(options);
    } catch (const std::bad_alloc &) {
        return {kExitFileError,
                QStringLiteral("\u201C%1\u201D was not written: there is not enough memory to "
                               "render the project.")
                    .arg(options.outputPath)};
    }
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
        outcome = mixWithin(options);
    if (!outcome.message.isEmpty())
        errors = QStringLiteral("quillane-mix: ") + singleLine(outcome.message) + QLatin1Char('\n');
    return outcome.status;
}
