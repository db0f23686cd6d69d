// Copy Picture and Export Again: the picture of a capture on the clipboard, or written
// again where the last save put it. Both wait for a capture like Save, and do their
// heavy part (the PNG encoding, the write) on the output runner's writer.
#include "app/AppDelegate.h"

#include "app/MainWindow.h"
#include "encode/PngEncoder.h"
#include "output/PictureSave.h"

#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMimeData>
#include <QStatusBar>

#include <memory>

namespace {

// How long a status message of a finished command stays.
constexpr int kStatusMessageMs = 8000;

} // namespace

void AppDelegate::OnMenuEditCopyPicture()
{
    OnCopyPicture();
}

void AppDelegate::OnMenuFileExportAgain()
{
    OnExportAgain();
}

void AppDelegate::OnCopyPicture()
{
    requestCapture(timer_Copy_Picture, &AppDelegate::Timer_Copy_Picture_Routine);
}

void AppDelegate::Timer_Copy_Picture_Routine()
{
    if (!takeCapture(timer_Copy_Picture, tr("The picture could not be copied")))
        return;
    // Filled on the writer; read here only once its result has come back.
    auto png = std::make_shared<QByteArray>();
    const QImage picture = capture.imageSave;
    runWrite(
        [picture, png] {
            for (const QByteArray &piece : encodePng(picture).pieces)
                png->append(piece);
            return WriteResult{true, {}};
        },
        [this, png, size = picture.size()](const WriteResult &) { putOnClipboard(*png, size); },
        tr("Copying the picture…"));
}

void AppDelegate::putOnClipboard(const QByteArray &png, QSize size)
{
    auto *data = new QMimeData;
    data->setData(QStringLiteral("image/png"), png);
    QGuiApplication::clipboard()->setMimeData(data);
    m_window->statusBar()->showMessage(
        tr("The picture (%1 × %2) is on the clipboard.").arg(size.width()).arg(size.height()),
        kStatusMessageMs);
}

// Before any save there is nothing to repeat: Export Again is Save.
void AppDelegate::OnExportAgain()
{
    if (lastSavedPicture().isEmpty()) {
        OnSaveMixedPhoto();
        return;
    }
    requestCapture(timer_Export_Again, &AppDelegate::Timer_Export_Again_Routine);
}

void AppDelegate::Timer_Export_Again_Routine()
{
    if (!takeCapture(timer_Export_Again, tr("The picture could not be saved")))
        return;
    const QString path = lastSavedPicture();
    const QFileInfo info(path);
    if (info.exists()) {
        const int answer = desktop().runAlert(
            window(), {tr("\u201C%1\u201D already exists. Do you want to replace it?").arg(info.fileName()),
                       tr("A file of that name is in %1. Replacing it overwrites what it holds.")
                           .arg(QDir::toNativeSeparators(info.absolutePath())),
                       {tr("Cancel"), tr("Replace")}});
        if (answer != 1)
            return;
    }
    writeChosenPicture(
        path, {},
        [path, picture = capture.imageSave, options = pictureOptionsFor(path)] {
            return writeSavedPicture(picture, path, options());
        },
        [this, name = info.fileName()] {
            m_window->statusBar()->showMessage(tr("The picture was saved as %1.").arg(name),
                                               kStatusMessageMs);
        });
}
