#include "output/engine/PngWriter.h"

#include "imaging/FileAccess.h"
#include "output/engine/PngEncoder.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace {

WriteResult failure(const QString &path, const QString &reason)
{
    const QString name = QDir::toNativeSeparators(path);
    return {false, QStringLiteral("\u201C%1\u201D could not be written: %2").arg(name, reason)};
}

const QString kNoWritePermission = QStringLiteral("you do not have permission to write in that folder.");

QString openFailureReason(const QFileDevice &file)
{
    if (Is_Permission_Refusal(file.fileName(), FileAccess::WriteInFolder))
        return kNoWritePermission;
    return QStringLiteral("the file cannot be created (%1).").arg(file.errorString());
}

QString writeFailureReason(const QFileDevice &file)
{
    // Qt reports "no space left on the device" as a resource error.
    if (file.error() == QFileDevice::ResourceError)
        return QStringLiteral("the disk is full.");
    return QStringLiteral("the disk refused the file (%1).").arg(file.errorString());
}

// An empty string when the folder of `path` can take a new file.
QString folderProblem(const QString &path)
{
    const QFileInfo info(path);
    const QFileInfo folder(info.absolutePath());
    const QString folderName = QDir::toNativeSeparators(folder.absoluteFilePath());
    if (folder.exists() && !folder.isDir())
        return QStringLiteral("%1 is a file, not a folder.").arg(folderName);
    if (!folder.exists())
        return QStringLiteral("the folder %1 does not exist.").arg(folderName);
    if (info.isDir())
        return QStringLiteral("a folder of that name is in the way.");
    if (Is_Permission_Refusal(path, FileAccess::WriteInFolder))
        return kNoWritePermission;
    return {};
}

// Writes all of `bytes`; a disk that fills up first takes part of a block without an
// error, and refuses the rest with one.
bool writeAll(QFileDevice &file, const QByteArray &bytes)
{
    for (qsizetype done = 0; done < bytes.size();) {
        const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0)
            return false;
        done += written;
    }
    return true;
}

} // namespace

WriteResult Write_Png_To(const QImage &image, QFileDevice &file, const QString &path)
{
    if (image.isNull())
        return failure(path, QStringLiteral("there is no picture to write."));
    const PngFile png = Encode_Png(image);
    if (png.pieces.empty())
        return failure(path, QStringLiteral("the picture could not be compressed."));
    for (const QByteArray &piece : png.pieces)
        if (!writeAll(file, piece))
            return failure(path, writeFailureReason(file));
    return Write_Bytes_To(QByteArray(), file, path);
}

WriteResult Write_Png(const QImage &image, const QString &path)
{
    return Write_File_Atomically(image, path,
                                 [&](QFileDevice &file) { return Write_Png_To(image, file, path); });
}

WriteResult Write_File_Atomically(const QImage &image, const QString &path,
                                  const std::function<WriteResult(QFileDevice &)> &encode)
{
    if (image.isNull())
        return failure(path, QStringLiteral("there is no picture to write."));
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

WriteResult Write_Bytes_To(const QByteArray &bytes, QFileDevice &file, const QString &path)
{
    if (!writeAll(file, bytes) || !file.flush())
        return failure(path, writeFailureReason(file));
    return {true, QString()};
}

WriteResult Write_Failure(const QString &path, const QString &reason)
{
    return failure(path, reason);
}
