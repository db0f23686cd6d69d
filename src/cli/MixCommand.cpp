#include "cli/MixCommand.h"

#include "encode/CameraDetails.h"

#include "cli/BatchNames.h"
#include "cli/MixOptions.h"
#include "encode/OutputGuard.h"
#include "encode/PictureLimits.h"
#include "encode/PictureWriter.h"
#include "encode/PngWriter.h"
#include "imaging/FileAccess.h"
#include "imaging/Geometry.h"
#include "imaging/MemoryBudget.h"
#include "imaging/PhotoLoader.h"
#include "imaging/ProjectPhotos.h"
#include "model/PhotoProject.h"
#include "model/ProjectFile.h"
#include "model/ProjectMode.h"
#include "model/Quoted.h"
#include "render/AlignedLayer.h"
#include "render/CaptureStep.h"
#include "render/PassMemory.h"
#include "render/RenderPass.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <new>
#include <vector>

namespace {

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
        if (const QString link = brokenLinkReason(path); !link.isEmpty()) {
            reason = link;
            return false;
        }
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
MixOutcome readProject(const QString &path, PhotoProject &project)
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
MixOutcome loadPhotos(PhotoProject &project)
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

// --align: every later photo that can be aligned is aligned to the background, as Align
// to Background does in the window; a photo for which no alignment is found fails the run.
MixOutcome alignPhotos(PhotoProject &project)
{
    QList<qsizetype> rows;
    for (qsizetype i = 1; i < project.photos().size(); ++i)
        if (canAlign(project.photos(), i, project.mode()))
            rows.append(i);
    const AlignmentRun run = alignToBackground(project.photos(), rows);
    if (!run.failures.isEmpty())
        return {kExitFileError, run.failures.front()};
    project.setAlignments(run.found);
    return {};
}

// --align is for the project types that warp their photos.
MixOutcome checkAlignable(const PhotoProject &project)
{
    if (project.mode() == Composite || project.mode() == Fusion)
        return {};
    return {kExitUsageError,
            QCoreApplication::translate("MixCommand", "--align is for composite and fusion projects, not %1")
                .arg(projectModeNames().value(qsizetype(project.mode())))};
}

// The view a render draws for: the --view size, or none for the picture Save stores.
ViewTarget viewTarget(QSize view)
{
    return view.isValid() ? ViewTarget{QSizeF(view), 1.0, false} : ViewTarget{QSizeF(0, 0), 1.0, true};
}

// The memory the render will need, from the sizes the photos' headers announce (a photo
// that does not tell is checked once it is decoded); refused before anything is decoded.
MixOutcome checkBudget(const PhotoProject &project, QSize view)
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

// Whether standard output is a pipe or a socket whose reader has gone away (closed its
// end): the write then fails with "broken pipe", which is no fault of the disk.
bool outputReaderGone()
{
    struct stat info {};
    if (fstat(STDOUT_FILENO, &info) != 0 || !(S_ISFIFO(info.st_mode) || S_ISSOCK(info.st_mode)))
        return false;
    pollfd out{STDOUT_FILENO, POLLOUT, 0};
    return poll(&out, 1, 0) == 1 && (out.revents & (POLLERR | POLLHUP)) != 0;
}

// The picture to standard output: encoded whole first, so a failure writes nothing.
WriteResult writeToStandardOutput(const QImage &picture, const MixOptions &options)
{
    const QString name = QCoreApplication::translate("MixCommand", "standard output");
    QFile out;
    if (!out.open(stdout, QIODevice::WriteOnly))
        return writeFailure(name, out.errorString());
    const WriteResult written = writePictureTo(picture, out, name, *options.format, options.picture);
    if (!written.ok && outputReaderGone())
        return writeFailure(name, QCoreApplication::translate("MixCommand",
                                                              "the program reading it went away before the "
                                                              "picture was complete (the pipe is closed)."));
    return written;
}

// One project of a run: where its picture goes, and the project once read (or why it is
// not mixed).
struct MixJob {
    QString projectPath; // "-" for standard input
    QString output;      // "-" for standard output
    MixOutcome refused;  // a refusal before mixing: by the run's naming, or in reading
    std::unique_ptr<PhotoProject> project;
    int guarded = 0; // the project's number in the run's OutputGuard
};

// Runs `step`; running out of memory anyway is a failure of its own, never an exception
// that ends the program.
MixOutcome withinMemory(const QString &outputPath, const std::function<MixOutcome()> &step)
{
    try {
        return step();
    } catch (const std::bad_alloc &) {
        return {kExitFileError,
                QCoreApplication::translate("MixCommand",
                                            "\u201C%1\u201D was not written: there is not enough memory to "
                                            "render the project.")
                    .arg(outputPath)};
    }
}

// Writing comes once the photos are let go: the picture (of the size the render will
// give it) and what its writer takes must fit the budget; refused before rendering.
MixOutcome checkWriteBudget(const PhotoProject &project, const MixOptions &options, bool toStream)
{
    QList<QSizeF> sizes;
    for (const PhotoPtr &photo : project.photos())
        sizes.append(imageSizeF(photo->image));
    const QSizeF picture = options.view.isValid() ? QSizeF(options.view)
                                                  : capturedPictureSize(project.photos(), sizes,
                                                                        project.mode(), project.options());
    const QString refusal =
        pictureWriteBudgetRefusal({*options.format, options.picture, true, toStream}, picture);
    if (refusal.isEmpty())
        return {};
    return {kExitFileError,
            refusal.chopped(1) + QCoreApplication::translate("MixCommand", " (see --memory-budget)")};
}

// Renders the project and writes its picture at `outputPath` ("-": standard output).
MixOutcome writeMixed(const MixOptions &options, PhotoProject &project, const QString &name,
                      const QString &outputPath, const MixProgress &progress)
{
    progress(QCoreApplication::translate("MixCommand", "%1: mixing").arg(name));
    QString error;
    const QImage picture = renderPicture(project, options.view, error);
    PictureOptions pictureOptions = options.picture;
    if (options.keepCameraDetails && !project.photos().isEmpty())
        pictureOptions.cameraDetails = cameraDetailsOf(project.photos().constFirst()->sFile);
    project.replaceList({}); // the writer's memory comes on top of the picture alone
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
                                    : writePicture(picture, outputPath, pictureOptions);
    return written.ok ? MixOutcome{} : MixOutcome{kExitFileError, written.error};
}

MixOutcome mixProject(const MixOptions &options, const MixJob &job, const OutputGuard &guard,
                      const MixProgress &progress)
{
    PhotoProject &project = *job.project; // its photos get their pictures here
    if (job.output != QLatin1String("-"))
        if (const QString refusal = guard.refusal(job.output, job.guarded); !refusal.isEmpty())
            return {kExitUsageError, refusal};
    if (const MixOutcome bad = checkBudget(project, options.view); bad.status != kExitWritten)
        return bad;
    if (options.align)
        if (const MixOutcome bad = checkAlignable(project); bad.status != kExitWritten)
            return bad;
    const QString name = job.projectPath == QLatin1String("-")
                             ? QCoreApplication::translate("MixCommand", "standard input")
                             : job.projectPath;
    progress(QCoreApplication::translate("MixCommand", "%1: loading %2 photos")
                 .arg(name)
                 .arg(project.photos().size()));
    if (const MixOutcome bad = loadPhotos(project); bad.status != kExitWritten)
        return bad;
    if (options.align) {
        progress(QCoreApplication::translate("MixCommand", "%1: aligning").arg(name));
        if (const MixOutcome bad = alignPhotos(project); bad.status != kExitWritten)
            return bad;
    }
    if (const MixOutcome bad = checkWriteBudget(project, options, job.output == QLatin1String("-"));
        bad.status != kExitWritten)
        return bad;
    return writeMixed(options, project, name, job.output, progress);
}

// Reads the job's project and notes its files in `guard`, so that no picture of the run
// replaces them; a project refused already, or unreadable, notes its file alone.
void readJob(MixJob &job, OutputGuard &guard)
{
    if (job.refused.status == kExitWritten) {
        auto project = std::make_unique<PhotoProject>();
        job.refused = withinMemory(job.output, [&] { return readProject(job.projectPath, *project); });
        if (job.refused.status == kExitWritten)
            job.project = std::move(project);
    }
    job.guarded = guard.addProject(job.projectPath == QLatin1String("-") ? QString() : job.projectPath,
                                   job.project ? photoFiles(job.project->photos()) : QStringList());
}

// Mixes a job that was read; its project, photos and all, is dropped once it is done.
MixOutcome mixJob(const MixOptions &options, MixJob &job, OutputGuard &guard, const MixProgress &progress)
{
    if (job.refused.status != kExitWritten)
        return job.refused;
    const MixOutcome outcome =
        withinMemory(job.output, [&] { return mixProject(options, job, guard, progress); });
    job.project.reset();
    if (outcome.status == kExitWritten && job.output != QLatin1String("-"))
        guard.noteWritten(job.output, job.guarded);
    return outcome;
}

// The projects of the run and where each picture goes: -o OUTPUT for one, -O FOLDER
// for each under the name batchPictures gives it.
std::vector<MixJob> plannedJobs(const MixOptions &options)
{
    std::vector<MixJob> jobs;
    if (options.outputFolder.isEmpty()) {
        jobs.push_back({options.projectPaths.first(), options.outputPath, {}, nullptr, 0});
        return jobs;
    }
    const QList<BatchPicture> pictures =
        batchPictures(options.projectPaths, options.outputFolder, pictureSuffix(*options.format));
    for (qsizetype i = 0; i < pictures.size(); ++i)
        jobs.push_back(
            {options.projectPaths[i], pictures[i].output,
             pictures[i].refusal.isEmpty() ? MixOutcome{} : MixOutcome{kExitUsageError, pictures[i].refusal},
             nullptr, 0});
    return jobs;
}

// Every project of the run in turn. All are read first, so that the guard knows every
// file of the run before anything is written. With -O FOLDER a failure is told and
// counted without stopping the others, and the status is the number of failed projects
// (at most 100), as GNU parallel counts failed jobs.
MixOutcome mixAll(const MixOptions &options, QString &errors, const MixProgress &progress)
{
    std::vector<MixJob> jobs = plannedJobs(options);
    OutputGuard guard;
    for (MixJob &job : jobs)
        readJob(job, guard);
    if (options.outputFolder.isEmpty())
        return mixJob(options, jobs.front(), guard, progress);
    int failed = 0;
    for (MixJob &job : jobs) {
        const MixOutcome outcome = mixJob(options, job, guard, progress);
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
    MixOptions options;
    MixOutcome outcome = parseArguments(arguments, options);
    const MixProgress told = options.quiet || !progress ? MixProgress([](const QString &) {}) : progress;
    setMemoryBudget(options.memoryBudget);
    if (outcome.status == kExitWritten && options.help)
        output = mixHelpText();
    else if (outcome.status == kExitWritten)
        outcome = mixAll(options, errors, told);
    if (!outcome.message.isEmpty())
        errors += QStringLiteral("quillane-mix: ") + singleLine(outcome.message) + QLatin1Char('\n');
    return outcome.status;
}
