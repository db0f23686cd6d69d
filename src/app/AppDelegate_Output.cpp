// Saving and sharing the mixed picture. Both request a capture: the next drawing pass
// with a photo starts it on the output runner, which also writes the saved picture. The
// capture's completion carries Save and Share on at once; their once-a-second poll
// stays only as a fallback (a save waiting for the previous write to end).
//
// QT_LOGGING_RULES="quillane.output.timing.debug=true" logs when each step of a Save
// starts and ends, counted from the command.
#include "app/AppDelegate.h"

#include "app/MainWindow.h"
#include "encode/OutputGuard.h"
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

void stopTimer(QPointer<QTimer> &slot)
{
    if (slot) {
        slot->stop();
        slot->deleteLater();
    }
    slot = nullptr;
}

AlertRequest saveFailure(const QString &reason)
{
    return {AppDelegate::tr("The picture could not be saved"), reason, {AppDelegate::tr("Close")}};
}

// Where the save panel last put a picture (kept between runs).
constexpr const char *kLastSaveFolderKey = "lastSaveFolder";

// Whether pictures can be written into the folder.
bool isUsableFolder(const QString &folder)
{
    const QFileInfo info(QDir::cleanPath(folder));
    return info.isDir() && info.isWritable();
}

} // namespace

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
    capture.b_Take_Picture = true;
    markPreviewForRedraw();
    scheduleRepeating(timer_Save_Picture, &AppDelegate::Timer_Save_Picture_Routine);
}

void AppDelegate::Timer_Save_Picture_Routine()
{
    if (capture.b_Take_Picture || isWritingPicture())
        return; // no pass with a photo yet, or the previous picture is still being written
    stopTimer(timer_Save_Picture);
    if (!capture.error.isEmpty()) { // over the memory budget, or a layer that cannot be drawn
        desktop().runAlert(window(), saveFailure(capture.error));
        return;
    }
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
                                                  saveFolder(), QFileInfo(failedPath).fileName());
    if (chosen.isEmpty())
        return;
    writeChosenPicture(chosen, {},
                       [chosen, picture = capture.imageSave] { return writeSavedPicture(picture, chosen); });
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

void AppDelegate::offerSavedPicture(const QString &written)
{
    const QString chosen = desktop().runSavePanel(window(), tr("Select a folder to save the captured image"),
                                                  saveFolder(), QFileInfo(written).fileName());
    if (chosen.isEmpty())
        return; // the picture stays in the output folder
    // A move, or for another format than the capture's PNG an encoding.
    writeChosenPicture(chosen, written, [written, chosen, picture = capture.imageSave] {
        return placeSavedPicture(written, picture, chosen);
    });
}

// Runs `job`, which writes the picture at `chosen`, on the output runner's writer, like
// the capture; never over the project file or one of its photos, nor onto anything but
// a file. `keptAt`: where the picture stays meanwhile, for the refusal; empty for nowhere.
void AppDelegate::writeChosenPicture(const QString &chosen, const QString &keptAt,
                                     std::function<WriteResult()> job)
{
    QString refusal = outputRefusal(chosen, m_project.projectFile(), photoFiles(m_project.photos()));
    if (!refusal.isEmpty()) {
        if (!keptAt.isEmpty())
            refusal += tr(" The picture is still at \u201C%1\u201D.").arg(QDir::toNativeSeparators(keptAt));
        desktop().runAlert(window(), saveFailure(refusal));
        return;
    }
    const bool started = runWrite(
        std::move(job), [this, chosen](const WriteResult &placed) { reportSavedPicture(placed, chosen); });
    if (!started)
        reportSavedPicture({false, tr("another picture is still being written.")}, chosen);
}

void AppDelegate::reportSavedPicture(const WriteResult &placed, const QString &chosen)
{
    if (!placed.ok) {
        desktop().runAlert(window(), saveFailure(placed.error));
        return;
    }
    announceSavedPicture(chosen);
}

void AppDelegate::announceSavedPicture(const QString &chosen)
{
    QSettings(kSettingsName, kSettingsName).setValue(kLastSaveFolderKey, QFileInfo(chosen).absolutePath());
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
    if (!runWrite([picture, path] { return saveImage(picture, path); }, done))
        done({false, tr("another picture is still being written.")});
}

bool AppDelegate::runWrite(std::function<WriteResult()> job, std::function<void(const WriteResult &)> done)
{
    if (!m_output.write(std::move(job)))
        return false;
    m_writeDone = std::move(done);
    setOutputBusy(true);
    return true;
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
}

// Counted: a capture and a write may overlap; the window is idle again after the last.
void AppDelegate::setOutputBusy(bool busy)
{
    const bool wasBusy = m_outputBusy > 0;
    m_outputBusy = std::max(0, m_outputBusy + (busy ? 1 : -1));
    busy = m_outputBusy > 0;
    if (busy != wasBusy)
        m_window->setOutputBusy(busy);
}

void AppDelegate::OnShare()
{
    capture.b_Take_Picture = true;
    markPreviewForRedraw();
    scheduleRepeating(timer_Share_Picture, &AppDelegate::Timer_Share_Picture_Routine);
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
