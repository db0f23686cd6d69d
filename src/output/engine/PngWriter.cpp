#include "output/engine/PngWriter.h"

#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <QSaveFile>

namespace {

WriteResult failure(const QString &path, const QString &reason)
{
    const QString name = QDir::toNativeSeparators(path);
    return {false, QStringLiteral("\u201C%1\u201D could not be written: %2").arg(name, reason)};
}

QString openFailureReason(const QSaveFile &file)
{
    if (file.error() == QFileDevice::PermissionsError)
        return QStringLiteral("you do not have permission to write in that folder.");
    return QStringLiteral("the file cannot be created (%1).").arg(file.errorString());
}

} // namespace

WriteResult Write_Png(const QImage &image, const QString &path)
{
    if (image.isNull())
        return failure(path, QStringLiteral("there is no picture to write."));
    const QFileInfo info(path);
    if (!info.absoluteDir().exists())
        return failure(path, QStringLiteral("the folder %1 does not exist.")
                                 .arg(QDir::toNativeSeparators(info.absolutePath())));
    if (info.isDir())
        return failure(path, QStringLiteral("a folder of that name is in the way."));

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return failure(path, openFailureReason(file));
    QImageWriter writer(&file, "png");
    if (!writer.write(image)) {
        file.cancelWriting();
        return failure(path, QStringLiteral("the picture could not be encoded (%1).").arg(writer.errorString()));
    }
    if (!file.commit())
        return failure(path, QStringLiteral("the disk refused the file (%1).").arg(file.errorString()));
    return {true, QString()};
}
