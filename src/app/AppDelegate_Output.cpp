// Saving and sharing the mixed picture. Both request a capture: the next drawing pass
// with a photo starts it on the output runner, which also writes the saved picture. The
// capture's completion carries Save and Share on at once; their once-a-second poll
// stays only as a fallback (a save waiting for the previous write to end).
//
// QT_LOGGING_RULES="quillane.output.timing.debug=true" logs when each step of a Save
// starts and ends, counted from the command.
#include "app/AppDelegate.h"

#include "app/MainWindow.h"
#include "encode/CameraDetails.h"
#include "encode/OutputGuard.h"
#include "encode/PictureWriter.h"
#include "encode/PngWriter.h"
#include "output/FileMove.h"
#include "output/PictureSave.h"
#include "output/Window_Share.h"
#include "render/RenderPass.h"

#include <QDir>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QSettings>
#include <QThread>
#include <QUrl>

#include <algorithm>
#include <utility>

namespace {

Q_LOGGING_CATEGORY(lcOutputTiming, "quillane.output.timing", QtWarningMsg)

AlertRequest saveFailure(const QString &reason)
{
    return {AppDelegate::tr("The picture could not be saved"), reason, {AppDelegate::tr("Close")}};
}

// Where the save panel last put a picture, its folder and the file (kept between runs).
constexpr const char *kLastSaveFolderKey = "lastSaveFolder";
constexpr const char *kLastSavePathKey = "lastSavedPicture";

// Whether pictures can be written into the folder.
bool isUsableFolder(const QString &folder)
{
    const QFileInfo info(QDir::cleanPath(folder));
    return info.isDir() && info.isWritable();
}

} // namespace

void AppDelegate::stopTimer(QPointer<QTimer> &slot)
{
    if (slot) {
        slot->stop();
        slot->deleteLater();
    }
    slot = nullptr;
}

void AppDelegate::scheduleRepeating(QPointer<QTimer> &slot, void (AppDelegate::*routine)())
{
    stopTimer(slot);
    auto *timer = new QTimer(this);
    timer->setInterval(timing().pollMs);
    connect(timer, &QTimer::timeout, this, routine);
    slot = timer;
    timer->start();
}

void AppDelegate::OnMenuFileSave()
{
    OnSaveMixedPhoto();
}

void AppDelegate::OnSaveMixedPhoto()
{
    m_saveClock.start();
    createOutputFolder(); // made again if it went missing since start-up
    requestCapture(timer_Save_Picture, &AppDelegate::Timer_Save_Picture_Routine);
}

// Save, Share, Copy Picture and Export Again ask the next drawing pass with a photo for
// a capture and poll until it is there.
void AppDelegate::requestCapture(QPointer<QTimer> &poll, void (AppDelegate::*routine)())
{
    capture.b_Take_Picture = true;
    markPreviewForRedraw();
    scheduleRepeating(poll, routine);
}

// Whether the capture `poll` waits for is there and the writer free for it: then the
// poll stops. A capture that failed (over the memory budget, a layer that cannot be
// drawn) is told under `failure`, and the answer is false.
bool AppDelegate::takeCapture(QPointer<QTimer> &poll, const QString &failure)
{
    if (capture.b_Take_Picture || isWritingPicture())
        return false; // no pass with a photo yet, or the previous picture is still being written
    stopTimer(poll);
    if (!capture.error.isEmpty()) {
        desktop().runAlert(window(), {failure, capture.error, {tr("Close")}});
        return false;
    }
    return true;
}

void AppDelegate::Timer_Save_Picture_Routine()
{
    if (!takeCapture(timer_Save_Picture, tr("The picture could not be saved")))
        return;
    // Captures are named to the second: a second capture in the same second gets a
    // suffix instead of replacing the first, which may still be in the folder.
    capture.s_Saved_Take_Picture = unusedPath(capture.s_Saved_Take_Picture);
    const QString path = capture.s_Saved_Take_Picture;
    if (!isUsableFolder(capture.s_Output_Folder)) {
        savePictureElsewhere(path, tr("The output folder %1 cannot be written to.")
                                       .arg(QDir::toNativeSeparators(capture.s_Output_Folder)));
        return;
    }
    qCDebug(lcOutputTiming) << "save: write starts at" << m_saveClock.elapsed() << "ms";
    writeCapture(capture.imageSave, path, [this, path](const WriteResult &written) {
        qCDebug(lcOutputTiming) << "save: write ends at" << m_saveClock.elapsed() << "ms";
        if (!written.ok) {
            savePictureElsewhere(path, written.error);
            return;
        }
        offerSavedPicture(path);
    });
}

// The output folder could not take the picture: the save panel writes it straight to
// the place the user chooses instead.
void AppDelegate::savePictureElsewhere(const QString &failedPath, const QString &reason)
{
    desktop().runAlert(window(), {tr("The picture could not be saved in the output folder"),
                                  tr("%1 Choose another place for it.").arg(reason),
                                  {tr("Choose…")}});
    const QString chosen = desktop().runSavePanel(window(), tr("Select a folder to save the captured image"),
                                                  saveFolder(), proposedPictureName(failedPath));
    if (chosen.isEmpty())
        return;
    writeChosenPicture(chosen, {},
                       [chosen, picture = capture.imageSave, options = pictureOptionsFor(chosen)] {
                           return writeSavedPicture(picture, chosen, options());
                       });
}

// The folder the save panel opens in: where it last saved a picture, while that still
// exists, else the output folder.
QString AppDelegate::saveFolder() const
{
    const QString last = QSettings(kSettingsName, kSettingsName).value(kLastSaveFolderKey).toString();
    if (!last.isEmpty() && QFileInfo(last).isDir())
        return last;
    return QDir::cleanPath(capture.s_Output_Folder);
}

// The quality is the preferences'; the camera details are read on the writer, from the
// background photo's file.
std::function<PictureOptions()> AppDelegate::pictureOptionsFor(const QString &path) const
{
    const PictureOptions options = m_preferences.pictureOptions(path);
    const QString background = m_preferences.keepCameraDetails && !m_project.photos().isEmpty()
                                   ? m_project.photos().constFirst()->sFile
                                   : QString();
    return [options, background] {
        PictureOptions withDetails = options;
        if (!background.isEmpty())
            withDetails.cameraDetails = cameraDetailsOf(background);
        return withDetails;
    };
}

QString AppDelegate::lastSavedPicture()
{
    return QSettings(kSettingsName, kSettingsName).value(kLastSavePathKey).toString();
}

// The name the save panel proposes: the capture's, in the format of the last save (its
// extension chooses the panel's format too).
QString AppDelegate::proposedPictureName(const QString &capturePath)
{
    const QFileInfo captured(capturePath);
    const QString last = lastSavedPicture();
    if (!pictureFormatOf(last))
        return captured.fileName();
    return captured.completeBaseName() + QLatin1Char('.') + QFileInfo(last).suffix();
}

void AppDelegate::offerSavedPicture(const QString &written)
{
    const QString chosen = desktop().runSavePanel(window(), tr("Select a folder to save the captured image"),
                                                  saveFolder(), proposedPictureName(written));
    if (chosen.isEmpty())
        return; // the picture stays in the output folder
    // A move, or for another format than the capture's PNG an encoding.
    writeChosenPicture(chosen, written,
                       [written, chosen, picture = capture.imageSave, options = pictureOptionsFor(chosen)] {
                           return placeSavedPicture(written, picture, chosen, options());
                       });
}

// Runs `job`, which writes the picture at `chosen`, on the output runner's writer, like
// the capture; never over the project file or one of its photos, nor onto anything but
// a file. `keptAt`: where the picture stays meanwhile, for the refusal; empty for nowhere.
void AppDelegate::writeChosenPicture(const QString &chosen, const QString &keptAt,
                                     std::function<WriteResult()> job, std::function<void()> announce)
{
    QString refusal = outputRefusal(chosen, m_project.projectFile(), photoFiles(m_project.photos()));
    if (!refusal.isEmpty()) {
        if (!keptAt.isEmpty())
            refusal += tr(" The picture is still at \u201C%1\u201D.").arg(QDir::toNativeSeparators(keptAt));
        desktop().runAlert(window(), saveFailure(refusal));
        return;
    }
    if (!announce)
        announce = [this, chosen] { announceSavedPicture(chosen); };
    const auto report = [this, chosen, announce](const WriteResult &placed) {
        if (!placed.ok) {
            desktop().runAlert(window(), saveFailure(placed.error));
            return;
        }
        QSettings settings(kSettingsName, kSettingsName);
        settings.setValue(kLastSaveFolderKey, QFileInfo(chosen).absolutePath());
        settings.setValue(kLastSavePathKey, QFileInfo(chosen).absoluteFilePath());
        announce();
    };
    if (!runWrite(std::move(job), report, writingStage(chosen)))
        report({false, tr("another picture is still being written.")});
}

void AppDelegate::announceSavedPicture(const QString &chosen)
{
    const int button = desktop().runAlert(
        window(),
        {tr("Success"), tr("Image file saved successfully."), {tr("View Image File"), tr("Close")}, false});
    if (button == 0 && !desktop().openUrl(QUrl::fromLocalFile(chosen)))
        desktop().runAlert(window(), {tr("The picture could not be shown"),
                                      tr("No program could open %1.").arg(QDir::toNativeSeparators(chosen)),
                                      {tr("Close")}});
}

WriteResult AppDelegate::saveImage(const QImage &image, const QString &path)
{
    return writePng(image, path);
}

void AppDelegate::writeCapture(const QImage &picture, const QString &path,
                               std::function<void(const WriteResult &)> done)
{
    const auto job = [picture, path, options = pictureOptionsFor(path)] {
        const WriteResult written = saveImage(picture, path);
        return written.ok ? addCameraDetails(path, options().cameraDetails) : written;
    };
    if (!runWrite(job, done, writingStage(path)))
        done({false, tr("another picture is still being written.")});
}

bool AppDelegate::runWrite(std::function<WriteResult()> job, std::function<void(const WriteResult &)> done,
                           const QString &stage)
{
    if (!m_output.write(std::move(job)))
        return false;
    m_writeDone = std::move(done);
    setOutputBusy(true, stage);
    return true;
}

QString AppDelegate::writingStage(const QString &path)
{
    return tr("Writing %1…").arg(QFileInfo(path).fileName());
}

// A drawing pass has ended (`drewPhotos`: with at least one photo): a capture pending
// starts now, over the list as it is. While photos of the list are loading it waits for
// them (they have no picture yet); the pass after the last one arrives starts it.
void AppDelegate::startCaptureIfPending(bool drewPhotos)
{
    if (!drewPhotos || !capture.b_Take_Picture || m_output.isCapturing() || m_project.hasLoadingPhotos())
        return;
    m_captureTime = now();
    qCDebug(lcOutputTiming) << "save: capture starts at" << m_saveClock.elapsed() << "ms";
    m_output.capture(m_project.photos(), m_project.mode(), m_project.options());
}

// The capture step: the picture and its file name go to the capture state, which
// Save and Share are polling.
void AppDelegate::finishCapture(const QImage &picture, const QString &error)
{
    qCDebug(lcOutputTiming) << "save: capture ends at" << m_saveClock.elapsed() << "ms";
    PassResult pass;
    pass.mixed = picture;
    pass.error = error;
    captureStep(capture, pass, m_captureTime);
    setOutputBusy(false);
    continuePendingOutput();
}

// Save and Share that wait for the picture go on now instead of at their next poll.
void AppDelegate::continuePendingOutput()
{
    if (timer_Save_Picture)
        Timer_Save_Picture_Routine();
    if (timer_Share_Picture)
        Timer_Share_Picture_Routine();
    if (timer_Copy_Picture)
        Timer_Copy_Picture_Routine();
    if (timer_Export_Again)
        Timer_Export_Again_Routine();
}

// Counted: a capture and a write may overlap; the window is idle again after the last.
// `stage`: what the work that starts does, for the status bar.
void AppDelegate::setOutputBusy(bool busy, const QString &stage)
{
    const bool wasBusy = m_outputBusy > 0;
    m_outputBusy = std::max(0, m_outputBusy + (busy ? 1 : -1));
    busy = m_outputBusy > 0;
    if (busy != wasBusy)
        m_window->setOutputBusy(busy, timing().busyDelayMs);
    if (busy && !stage.isEmpty())
        m_window->setOutputStage(stage);
}

void AppDelegate::OnShare()
{
    requestCapture(timer_Share_Picture, &AppDelegate::Timer_Share_Picture_Routine);
}

void AppDelegate::Timer_Share_Picture_Routine()
{
    if (capture.b_Take_Picture)
        return;
    stopTimer(timer_Share_Picture);
    if (!capture.error.isEmpty()) { // over the memory budget, or a layer that cannot be drawn
        desktop().runAlert(window(), {tr("The picture could not be shared"), capture.error, {tr("Close")}});
        return;
    }
    if (windowShare)
        windowShare->deleteLater();
    windowShare = new Window_Share(
        capture.imageSave, desktop(), [this] { Close_Share_Window(); }, window());
    windowShare->show(); // window-modal: a sheet on the main window
}

void AppDelegate::Close_Share_Window()
{
    if (!windowShare)
        return;
    windowShare->hide();
    windowShare->deleteLater();
    windowShare = nullptr;
}
