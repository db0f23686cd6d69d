#include "cli/MixCommand.h"

#include "encode/OutputGuard.h"
#include "encode/PictureWriter.h"
#include "encode/PngWriter.h"
#include "imaging/MemoryBudget.h"
#include "imaging/PhotoLoader.h"
#include "imaging/ProjectPhotos.h"
#include "model/PhotoProject.h"
#include "model/ProjectFile.h"
#include "model/Quoted.h"
#include "render/CaptureStep.h"
#include "render/PassMemory.h"
#include "render/RenderPass.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QRegularExpression>

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <new>
#include <optional>
#include <vector>

namespace {

struct Options {
    QStringList projectPaths; // "-" for standard input
    QString outputPath;       // "-" for standard output
    QString outputFolder;     // -O: one picture per project, named after it
    std::optional<PictureFormat> format;
    PictureOptions picture;
    QSize view;              // invalid without --view
    qint64 memoryBudget = 0; // 0: the default budget
    bool help = false;
    bool quiet = false;
};

struct Outcome {
    int status = kExitWritten;
    QString message; // empty on success
};

Outcome usageError(const QString &message)
{
    return {kExitUsageError,
            message + QCoreApplication::translate("MixCommand", " (see quillane-mix --help)")};
}

Outcome parseView(const QString &text, QSize &view)
{
    static const QRegularExpression pattern(QStringLiteral("^([0-9]{1,5})x([0-9]{1,5})$"));
    const QRegularExpressionMatch match = pattern.match(text);
    view = match.hasMatch() ? QSize(match.captured(1).toInt(), match.captured(2).toInt()) : QSize();
    if (view.isEmpty())
        return usageError(
            QCoreApplication::translate(
                "MixCommand",
                "--view takes WIDTHxHEIGHT in whole pixels, such as 1200x800, not \u201C%1\u201D")
                .arg(text));
    return {};
}

Outcome parseQuality(const QString &text, PictureOptions &picture)
{
    bool number = false;
    picture.quality = text.toInt(&number);
    if (!number || picture.quality < 1 || picture.quality > 100)
        return usageError(
            QCoreApplication::translate("MixCommand",
                                        "--quality takes a whole number from 1 to 100, not \u201C%1\u201D")
                .arg(text));
    return {};
}

Outcome parseFormat(const QString &text, std::optional<PictureFormat> &format)
{
    format = pictureFormatNamed(text);
    if (!format)
        return usageError(QCoreApplication::translate(
                              "MixCommand", "--format takes png, jpeg, webp or tiff, not \u201C%1\u201D")
                              .arg(text));
    return {};
}

Outcome parseBudget(const QString &text, qint64 &budget)
{
    budget = parseMemoryAmount(text);
    if (budget <= 0)
        return usageError(
            QCoreApplication::translate(
                "MixCommand", "--memory-budget takes an amount such as 4G or 512M, not \u201C%1\u201D")
                .arg(text));
    return {};
}

// An option that takes a value; false for any other argument.
bool takesValue(const QString &argument)
{
    static const QStringList options = {"-o", "-O", "--view", "--format", "--quality", "--memory-budget"};
    return options.contains(argument);
}

Outcome parseValue(const QString &option, const QString &value, Options &options)
{
    if (option == QLatin1String("-o"))
        options.outputPath = value;
    else if (option == QLatin1String("-O"))
        options.outputFolder = value;
    else if (option == QLatin1String("--format"))
        return parseFormat(value, options.format);
    else if (option == QLatin1String("--quality"))
        return parseQuality(value, options.picture);
    else if (option == QLatin1String("--memory-budget"))
        return parseBudget(value, options.memoryBudget);
    else
        return parseView(value, options.view);
    return {};
}

// The format of a single output: its extension, or --format for standard output.
Outcome checkSingleOutput(Options &options)
{
    if (options.projectPaths.size() > 1)
        return usageError(QCoreApplication::translate(
                              "MixCommand", "only one project file with -o (\u201C%1\u201D is a second one); "
                                            "-O FOLDER takes several")
                              .arg(options.projectPaths[1]));
    if (options.outputPath == QLatin1String("-")) {
        if (!options.format)
            return usageError(QCoreApplication::translate(
                "MixCommand", "-o - writes to standard output and needs --format png, jpeg, webp or tiff"));
        return {};
    }
    const std::optional<PictureFormat> named = pictureFormatOf(options.outputPath);
    if (!named)
        return usageError(
            QCoreApplication::translate(
                "MixCommand", "\u201C%1\u201D: the extension names no format quillane-mix writes (%2)")
                .arg(options.outputPath, pictureExtensionList()));
    if (options.format && *options.format != *named)
        return usageError(QCoreApplication::translate(
                              "MixCommand", "\u201C%1\u201D: the extension and --format %2 disagree")
                              .arg(options.outputPath, pictureSuffix(*options.format)));
    options.format = named;
    return {};
}

Outcome checkOutputs(Options &options)
{
    if (options.projectPaths.isEmpty())
        return usageError(QCoreApplication::translate(
            "MixCommand", "the project file is missing (or - to read it from standard input)"));
    if (options.outputPath.isEmpty() == options.outputFolder.isEmpty())
        return usageError(QCoreApplication::translate(
            "MixCommand", "give either -o OUTPUT.png for one project or -O FOLDER for several"));
    if (options.outputFolder.isEmpty())
        return checkSingleOutput(options);
    if (options.projectPaths.contains(QStringLiteral("-")))
        return usageError(QCoreApplication::translate("MixCommand",
                                                      "-O FOLDER names each picture after its project file; "
                                                      "a project from standard input has no name (use -o)"));
    if (!options.format)
        options.format = PictureFormat::Png;
    return {};
}

Outcome parseArguments(const QStringList &arguments, Options &options)
{
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            options.help = true;
        } else if (argument == QLatin1String("--quiet") || argument == QLatin1String("-q")) {
            options.quiet = true;
        } else if (argument == QLatin1String("--lossless")) {
            options.picture.lossless = true;
        } else if (takesValue(argument)) {
            if (i + 1 >= arguments.size())
                return usageError(
                    QCoreApplication::translate("MixCommand", "%1 needs a value").arg(argument));
            if (const Outcome bad = parseValue(argument, arguments[++i], options); bad.status != kExitWritten)
                return bad;
        } else if (argument.startsWith(QLatin1Char('-')) && argument != QLatin1String("-")) {
            return usageError(
                QCoreApplication::translate("MixCommand", "unknown option \u201C%1\u201D").arg(argument));
        } else {
            options.projectPaths += argument;
        }
    }
    if (options.help)
        return {};
    return checkOutputs(options);
}

QString megabytes(qint64 bytes)
{
    return QCoreApplication::translate("MixCommand", "%1 MB").arg(bytes >> 20);
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
            reason = QCoreApplication::translate("MixCommand", "it is not a regular file.");
            return false;
        }
        if (info.size() > kLargestProject) {
            reason = QCoreApplication::translate("MixCommand",
                                                 "it is larger than a project file can be (at most %1).")
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
        reason =
            QCoreApplication::translate("MixCommand", "it is larger than a project file can be (at most %1).")
                .arg(megabytes(kLargestProject));
        return false;
    }
    return true;
}

// Opens the project as the window does: its list, its mode, its file and its settings go
// into `project`.
Outcome readProject(const QString &path, PhotoProject &project)
{
    const bool fromStdin = path == QLatin1String("-");
    const QString name =
        fromStdin ? QCoreApplication::translate("MixCommand", "standard input") : quoted(path);
    QByteArray bytes;
    QString reason;
    if (!readBytes(path, bytes, reason))
        return {kExitUsageError,
                QCoreApplication::translate("MixCommand", "%1 could not be read: %2").arg(name, reason)};
    const QString base = fromStdin ? QDir::currentPath() : QFileInfo(path).absolutePath();
    const ProjectParse parse = parseProject(bytes, base);
    if (!parse.ok())
        return {kExitUsageError, QStringLiteral("%1: %2").arg(name, parse.error)};
    project.reset(parse.project.mode, parse.project.photos, fromStdin ? QString() : path,
                  parse.project.options);
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

// The project's photos with their pictures take the place of those without.
Outcome loadPhotos(PhotoProject &project)
{
    const QuietStandardError quiet;
    NewPhotoList photos;
    for (const PhotoPtr &photo : project.photos())
        photos.append(std::make_shared<Object_Photo>(*photo));
    // The photos decode side by side; the first refusal in the project's order is told.
    for (const LoadResult &loaded : loadPictures(photos))
        if (!loaded.ok())
            return {kExitFileError, loaded.error};
    project.reset(project.mode(), photos, project.projectFile(), project.options());
    return {};
}

// The view a render draws for: the --view size, or none for the picture Save stores.
ViewTarget viewTarget(QSize view)
{
    return view.isValid() ? ViewTarget{QSizeF(view), 1.0, false} : ViewTarget{QSizeF(0, 0), 1.0, true};
}

// The memory the render will need, from the sizes the photos' headers announce (a photo
// that does not tell is checked once it is decoded); refused before anything is decoded.
Outcome checkBudget(const PhotoProject &project, QSize view)
{
    QList<QSizeF> sizes;
    for (const QString &file : photoFiles(project.photos()))
        sizes.append(QSizeF(probePhotoSize(file).expandedTo(QSize(0, 0))));
    double need =
        passMemoryNeed(project.photos(), sizes, project.mode(), viewTarget(view), project.options());
    if (view.isValid())
        need += pictureBytes(QSizeF(view)); // the canvas the view is painted on
    const QString refusal = passBudgetRefusal(need);
    if (refusal.isEmpty())
        return {};
    return {kExitFileError,
            refusal.chopped(1) + QCoreApplication::translate("MixCommand", " (see --memory-budget)")};
}

Outcome checkOutput(const QString &outputPath, const PhotoProject &project)
{
    if (outputPath == QLatin1String("-"))
        return {};
    const QString refusal = outputRefusal(outputPath, project.projectFile(), photoFiles(project.photos()));
    if (refusal.isEmpty())
        return {};
    return {kExitUsageError, refusal};
}

// The picture a capture would store, or the view the preview canvas would show; null
// with the reason in `error` when the pass failed.
QImage renderPicture(const PhotoProject &project, QSize view, QString &error)
{
    if (view.isValid()) {
        const PassResult pass =
            renderPass(project.photos(), project.mode(), QSizeF(view), false, 1.0, project.options());
        error = pass.error;
        QImage canvas(view, QImage::Format_ARGB32_Premultiplied);
        if (pass.failed() || canvas.isNull()) {
            if (!pass.failed())
                error = QCoreApplication::translate("MixCommand",
                                                    "there is not enough memory for a view of that size.");
            return {};
        }
        QPainter painter(&canvas);
        paintPass(painter, QSizeF(view), QRectF(QPointF(0, 0), QSizeF(view)), pass);
        return canvas;
    }
    // A 0 x 0 view: the pass fits nothing into it and only builds the mixed picture.
    CaptureState capture{true, QImage(), QString(), QString(), QString()};
    const PassResult pass =
        renderPass(project.photos(), project.mode(), QSizeF(0, 0), true, 1.0, project.options());
    error = pass.error;
    captureStep(capture, pass, QDateTime::currentDateTime());
    return capture.imageSave;
}

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

// The picture to standard output: encoded whole first, so a failure writes nothing.
WriteResult writeToStandardOutput(const QImage &picture, const Options &options)
{
    QFile out;
    if (!out.open(stdout, QIODevice::WriteOnly))
        return writeFailure(QCoreApplication::translate("MixCommand", "standard output"), out.errorString());
    return writePictureTo(picture, out, QCoreApplication::translate("MixCommand", "standard output"),
                          *options.format, options.picture);
}

Outcome mixOne(const Options &options, const QString &projectPath, const QString &outputPath,
               const MixProgress &progress)
{
    const QString name = projectPath == QLatin1String("-")
                             ? QCoreApplication::translate("MixCommand", "standard input")
                             : projectPath;
    PhotoProject project;
    if (const Outcome bad = readProject(projectPath, project); bad.status != kExitWritten)
        return bad;
    if (const Outcome bad = checkOutput(outputPath, project); bad.status != kExitWritten)
        return bad;
    if (const Outcome bad = checkBudget(project, options.view); bad.status != kExitWritten)
        return bad;
    progress(QCoreApplication::translate("MixCommand", "%1: loading %2 photos")
                 .arg(name)
                 .arg(project.photos().size()));
    if (const Outcome bad = loadPhotos(project); bad.status != kExitWritten)
        return bad;
    progress(QCoreApplication::translate("MixCommand", "%1: mixing").arg(name));
    QString error;
    const QImage picture = renderPicture(project, options.view, error);
    if (!error.isEmpty())
        return {kExitFileError,
                QCoreApplication::translate("MixCommand", "\u201C%1\u201D was not written: %2")
                    .arg(outputPath, error)};
    if (picture.isNull())
        return {kExitFileError,
                QCoreApplication::translate("MixCommand",
                                            "\u201C%1\u201D was not written: the mixed picture is empty "
                                            "(in a Linear project, the levels can leave no strip)")
                    .arg(outputPath)};
    progress(QCoreApplication::translate("MixCommand", "%1: writing %2").arg(name, outputPath));
    const WriteResult written = outputPath == QLatin1String("-")
                                    ? writeToStandardOutput(picture, options)
                                    : writePicture(picture, outputPath, options.picture);
    return written.ok ? Outcome{} : Outcome{kExitFileError, written.error};
}

// One project within the memory budget; running out of memory anyway is a failure of its
// own, never an exception that ends the program.
Outcome mixWithin(const Options &options, const QString &projectPath, const QString &outputPath,
                  const MixProgress &progress)
{
    try {
        return mixOne(options, projectPath, outputPath, progress);
    } catch (const std::bad_alloc &) {
        return {kExitFileError,
                QCoreApplication::translate("MixCommand",
                                            "\u201C%1\u201D was not written: there is not enough memory to "
                                            "render the project.")
                    .arg(outputPath)};
    }
}

// -O FOLDER: every project in turn, a failure told and counted without stopping the
// others. The status is the number of failed projects (at most 100), as GNU parallel
// counts failed jobs.
Outcome mixAll(const Options &options, QString &errors, const MixProgress &progress)
{
    int failed = 0;
    const QDir folder(options.outputFolder);
    for (const QString &projectPath : options.projectPaths) {
        const QString output = folder.filePath(QFileInfo(projectPath).completeBaseName() + QLatin1Char('.') +
                                               pictureSuffix(*options.format));
        const Outcome outcome = mixWithin(options, projectPath, output, progress);
        if (outcome.status != kExitWritten) {
            ++failed;
            errors += QStringLiteral("quillane-mix: ") + singleLine(outcome.message) + QLatin1Char('\n');
        }
    }
    if (failed == 0)
        return {};
    return {std::min(failed, kMostFailuresCounted),
            QCoreApplication::translate("MixCommand", "%1 of %2 projects failed")
                .arg(failed)
                .arg(options.projectPaths.size())};
}

} // namespace

int runMix(const QStringList &arguments, QString &output, QString &errors, const MixProgress &progress)
{
    Options options;
    Outcome outcome = parseArguments(arguments, options);
    const MixProgress told = options.quiet || !progress ? MixProgress([](const QString &) {}) : progress;
    setMemoryBudget(options.memoryBudget);
    if (outcome.status == kExitWritten && options.help)
        output = mixHelpText();
    else if (outcome.status == kExitWritten && !options.outputFolder.isEmpty())
        outcome = mixAll(options, errors, told);
    else if (outcome.status == kExitWritten)
        outcome = mixWithin(options, options.projectPaths.first(), options.outputPath, told);
    if (!outcome.message.isEmpty())
        errors += QStringLiteral("quillane-mix: ") + singleLine(outcome.message) + QLatin1Char('\n');
    return outcome.status;
}
