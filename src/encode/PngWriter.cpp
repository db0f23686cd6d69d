#include "encode/PngWriter.h"

#include "encode/PictureLimits.h"
#include "encode/PngEncoder.h"
#include "imaging/FileAccess.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace {

WriteResult failure(const QString &path, const QString &reason)
{
    const QString name = QDir::toNativeSeparators(path);
    return {false, QCoreApplication::translate("PictureWriter", "\u201C%1\u201D could not be written: %2")
                       .arg(name, reason)};
}

QString noWritePermission()
{
    return QCoreApplication::translate("PictureWriter",
                                       "you do not have permission to write in that folder.");
}

QString openFailureReason(const QFileDevice &file)
{
    if (isPermissionRefusal(file.fileName(), FileAccess::WriteInFolder))
        return noWritePermission();
    return QCoreApplication::translate("PictureWriter", "the file cannot be created (%1).")
        .arg(file.errorString());
}

// An empty string when the folder of `path` can take a new file.
QString folderProblem(const QString &path)
{
    const QFileInfo info(path);
    const QFileInfo folder(info.absolutePath());
    const QString folderName = QDir::toNativeSeparators(folder.absoluteFilePath());
    if (folder.exists() && !folder.isDir())
        return QCoreApplication::translate("PictureWriter", "%1 is a file, not a folder.").arg(folderName);
    if (!folder.exists())
        return QCoreApplication::translate("PictureWriter", "the folder %1 does not exist.").arg(folderName);
    if (info.isDir())
        return QCoreApplication::translate("PictureWriter", "a folder of that name is in the way.");
    // A device node, FIFO or socket is never replaced by a picture.
    if (info.exists() && !info.isFile())
        return QCoreApplication::translate(
            "PictureWriter", "it is not a regular file, and only a regular file is ever replaced.");
    if (isPermissionRefusal(path, FileAccess::WriteInFolder))
        return noWritePermission();
    return {};
}

} // namespace

QString writeFailureReason(const QFileDevice &file)
{
    // Qt reports "no space left on the device" as a resource error; a device that took
    // nothing more without an error is full as well.
    if (file.error() == QFileDevice::ResourceError || file.error() == QFileDevice::NoError)
        return QCoreApplication::translate("PictureWriter", "the disk is full.");
    return QCoreApplication::translate("PictureWriter", "the disk refused the file (%1).")
        .arg(file.errorString());
}

bool writeAll(QFileDevice &file, QByteArrayView bytes)
{
    for (qsizetype done = 0; done < bytes.size();) {
        const qint64 written = file.write(bytes.data() + done, bytes.size() - done);
        if (written <= 0)
            return false;
        done += written;
    }
    return true;
}

WriteResult writePngTo(const QImage &image, QFileDevice &file, const QString &path)
{
    if (image.isNull())
        return failure(path, QCoreApplication::translate("PictureWriter", "there is no picture to write."));
    if (const QString refusal = pictureWriteRefusal(image, PictureFormat::Png, {}, file.isSequential());
        !refusal.isEmpty())
        return failure(path, refusal);
    const PngFile png = encodePng(image);
    if (png.pieces.empty())
        return failure(path,
                       QCoreApplication::translate("PictureWriter", "the picture could not be compressed."));
    return writePiecesTo(png.pieces, file, path);
}

WriteResult writePng(const QImage &image, const QString &path)
{
    return writeFileAtomically(image, path, [&](QFileDevice &file) { return writePngTo(image, file, path); });
}

WriteResult writeFileAtomically(const QImage &image, const QString &path,
                                const std::function<WriteResult(QFileDevice &)> &encode)
{
    if (image.isNull())
        return failure(path, QCoreApplication::translate("PictureWriter", "there is no picture to write."));
    if (const QString problem = folderProblem(path); !problem.isEmpty())
        return failure(path, problem);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return failure(path, openFailureReason(file));
    if (WriteResult written = encode(file); !written.ok) {
        file.cancelWriting();
        return written;
    }
    if (!file.commit())
        return failure(path, writeFailureReason(file));
    return {true, QString()};
}

WriteResult writeBytesTo(const QByteArray &bytes, QFileDevice &file, const QString &path)
{
    if (!writeAll(file, bytes) || !file.flush())
        return failure(path, writeFailureReason(file));
    return {true, QString()};
}

WriteResult writePiecesTo(const std::vector<QByteArray> &pieces, QFileDevice &file, const QString &path)
{
    for (const QByteArray &piece : pieces)
        if (!writeAll(file, piece))
            return failure(path, writeFailureReason(file));
    return writeBytesTo(QByteArray(), file, path);
}

WriteResult writeFailure(const QString &path, const QString &reason)
{
    return failure(path, reason);
}
