#include "imaging/FileAccess.h"

#include <QFileInfo>

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
