#include "imaging/FileAccess.h"

#include "model/Quoted.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

#include <cerrno>

bool isPermissionRefusal(const QString &path, FileAccess access)
{
    // QFileInfo asks the operating system on the caller's behalf (access(2) on Unix), so
    // a superuser is not refused where the mode bits alone would suggest it.
    const QFileInfo file(path);
    if (access == FileAccess::Read)
        return file.exists() && !file.isReadable();
    if (file.exists() && !file.isWritable())
        return true;
    const QFileInfo folder(file.absolutePath());
    return folder.exists() && !(folder.isWritable() && folder.isExecutable());
}

QString brokenLinkReason(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat info {};
    if (path.isEmpty() || ::stat(name.constData(), &info) == 0)
        return {};
    if (errno == ELOOP)
        return QCoreApplication::translate("FileAccess",
                                           "the symbolic link leads nowhere: its links go round in a loop "
                                           "(too many levels of symbolic links).");
    if (::lstat(name.constData(), &info) != 0 || !S_ISLNK(info.st_mode))
        return {};
    return QCoreApplication::translate(
               "FileAccess", "the symbolic link leads nowhere: %1, where it points, does not exist.")
        .arg(quoted(QFileInfo(path).symLinkTarget()));
}
