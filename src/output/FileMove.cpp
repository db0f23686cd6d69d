#include "output/FileMove.h"

#include "model/Quoted.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

WriteResult moveFailure(const QString &from, const QString &to, const QString &reason)
{
    return {false, QCoreApplication::translate("PictureWriter",
                                               "The picture could not be saved as %1: %2 It is still at %3.")
                       .arg(quoted(to), reason, quoted(from))};
}

QString errnoReason(int error)
{
    switch (error) {
    case EACCES:
    case EPERM:
    case EROFS:
        return QCoreApplication::translate("PictureWriter", "you do not have permission to write there.");
    case ENOSPC:
    case EDQUOT:
        return QCoreApplication::translate("PictureWriter", "the disk is full.");
    case ENOENT:
        return QCoreApplication::translate("PictureWriter", "the folder does not exist.");
    case EISDIR:
        return QCoreApplication::translate("PictureWriter", "a folder of that name is in the way.");
    default:
        return QString::fromLocal8Bit(std::strerror(error)) + QLatin1Char('.');
    }
}

// Copies `from` over `to` through a temporary file beside `to`, so that a failure leaves
// whatever was at `to` untouched; an empty string on success.
QString copyReplacing(const QString &from, const QString &to)
{
    QFile source(from);
    if (!source.open(QIODevice::ReadOnly))
        return QCoreApplication::translate("PictureWriter", "the picture cannot be read (%1).")
            .arg(source.errorString());
    QSaveFile target(to);
    if (!target.open(QIODevice::WriteOnly))
        return target.error() == QFileDevice::PermissionsError
                   ? QCoreApplication::translate("PictureWriter",
                                                 "you do not have permission to write there.")
                   : QCoreApplication::translate("PictureWriter", "the file cannot be created (%1).")
                         .arg(target.errorString());
    constexpr qint64 kBlock = qint64(4) << 20;
    while (!source.atEnd()) {
        const QByteArray block = source.read(kBlock);
        if (block.isEmpty())
            return QCoreApplication::translate("PictureWriter", "the picture cannot be read (%1).")
                .arg(source.errorString());
        if (!writeAll(target, block))
            return writeFailureReason(target); // the temporary file is discarded
    }
    if (!target.commit())
        return writeFailureReason(target);
    return {};
}

} // namespace

QString unusedPath(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return path;
    const QString suffix = info.suffix().isEmpty() ? QString() : QLatin1Char('.') + info.suffix();
    const QString stem = info.absolutePath() + QLatin1Char('/') + info.completeBaseName();
    for (int n = 2;; ++n) {
        const QString candidate = QStringLiteral("%1-%2%3").arg(stem).arg(n).arg(suffix);
        if (!QFileInfo::exists(candidate) && !QFileInfo(candidate).isSymLink())
            return candidate;
    }
}

WriteResult movePictureFile(const QString &from, const QString &to)
{
    if (!QFileInfo(from).isFile())
        return {false,
                QCoreApplication::translate(
                    "PictureWriter", "The picture could not be saved as %1: the picture file %2 is gone.")
                    .arg(quoted(to), quoted(from))};
    if (QFileInfo(to).isDir())
        return moveFailure(
            from, to, QCoreApplication::translate("PictureWriter", "a folder of that name is in the way."));
    if (QFileInfo(from).canonicalFilePath() == QFileInfo(to).canonicalFilePath())
        return {true, QString()};
    // rename() replaces an existing file in one step.
    if (std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0)
        return {true, QString()};
    if (errno != EXDEV)
        return moveFailure(from, to, errnoReason(errno));
    if (const QString failed = copyReplacing(from, to); !failed.isEmpty())
        return moveFailure(from, to, failed);
    QFile::remove(from);
    return {true, QString()};
}
