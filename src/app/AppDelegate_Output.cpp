// Saving and sharing the mixed picture. Both ask the preview canvas for a capture and
// poll, once a second, until the drawing pass has stored the picture.
#include "app/AppDelegate.h"

#include "app/MainWindow.h"
#include "output/FileMove.h"
#include "output/Window_Share.h"
#include "output/engine/PngWriter.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QPushButton>
#include <QThread>
#include <QUrl>

#include <algorithm>

namespace {

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
    return {QStringLiteral("The picture could not be saved"), reason, {QStringLiteral("Close")}};
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
    capture.b_Take_Picture = true;
    markPreviewForRedraw();
    scheduleRepeating(timer_Save_Picture, &AppDelegate::Timer_Save_Picture_Routine);
}

void AppDelegate::Timer_Save_Picture_Routine()
{
    if (capture.b_Take_Picture || m_writingPicture)
        return; // no pass with a photo yet, or the previous picture is still being written
    stopTimer(timer_Save_Picture);
    if (!capture.error.isEmpty()) { // over the memory budget, or a layer that cannot be drawn
        desktop().runAlert(window(), saveFailure(capture.error));
        return;
    }
    // Captures are named to the second: a second capture in the same second gets a
    // suffix instead of replacing the first, which may still be in the folder.
    capture.s_Saved_Take_Picture = Unused_Path(capture.s_Saved_Take_Picture);
    const QString path = capture.s_Saved_Take_Picture;
    Write_Picture(capture.imageSave, path, [this, path](const WriteResult &written) {
        if (!written.ok) {
            desktop().runAlert(window(), saveFailure(written.error));
            return;
        }
        offerSavedPicture(path);
    });
}

void AppDelegate::offerSavedPicture(const QString &written)
{
    const QString folder = QFileInfo(QFileInfo(written).absolutePath()).absolutePath();
    const QString chosen =
        desktop().runSavePanel(window(), QStringLiteral("Select a folder to save the captured image"), folder,
                               QFileInfo(written).fileName());
    if (chosen.isEmpty())
        return; // the picture stays in the output folder
    const WriteResult moved = Move_Picture_File(written, chosen);
    if (!moved.ok) {
        desktop().runAlert(window(), saveFailure(moved.error));
        return;
    }
    const int button =
        desktop().runAlert(window(), {QStringLiteral("Success"),
                                      QStringLiteral("Image file saved successfully."),
                                      {QStringLiteral("View Image File"), QStringLiteral("Close")},
                                      false});
    if (button == 0)
        desktop().openUrl(QUrl::fromLocalFile(chosen));
}

WriteResult AppDelegate::saveImage(const QImage &image, const QString &path)
{
    return Write_Png(image, path);
}

void AppDelegate::Write_Picture(const QImage &picture, const QString &path,
                                std::function<void(const WriteResult &)> done)
{
    m_writingPicture = true;
    setOutputBusy(true);
    auto result = std::make_shared<WriteResult>();
    QThread *worker = QThread::create([picture, path, result] { *result = saveImage(picture, path); });
    connect(worker, &QThread::finished, this, [this, worker, result, done = std::move(done)] {
        worker->deleteLater();
        m_writingPicture = false;
        setOutputBusy(false);
        done(*result);
    });
    worker->start();
}

// Counted: a capture and a write may overlap; the window is idle again after the last.
void AppDelegate::setOutputBusy(bool busy)
{
    const bool wasBusy = m_outputBusy > 0;
    m_outputBusy = std::max(0, m_outputBusy + (busy ? 1 : -1));
    busy = m_outputBusy > 0;
    if (busy == wasBusy)
        return;
    for (const char *name : {"save", "share"})
        if (QPushButton *button = m_window->button(QString::fromLatin1(name)))
            button->setEnabled(!busy);
    if (QAction *save = m_window->menuAction(QStringLiteral("menuSave")))
        save->setEnabled(!busy);
    if (busy)
        QApplication::setOverrideCursor(Qt::BusyCursor);
    else
        QApplication::restoreOverrideCursor();
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
    if (windowShare)
        windowShare->deleteLater();
    windowShare = new Window_Share(*this, window());
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
