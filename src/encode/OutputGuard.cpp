#include "encode/OutputGuard.h"

#include "model/Quoted.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <sys/stat.h>

namespace {

// The file at `path` after links; false when there is none.
bool statFollowing(const QString &path, struct stat &info)
{
    return !path.isEmpty() && ::stat(QFile::encodeName(path).constData(), &info) == 0;
}

bool sameFile(const struct stat &a, const struct stat &b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

QString kindOf(mode_t mode)
{
    if (S_ISDIR(mode))
        return QCoreApplication::translate("OutputGuard", "a folder");
    if (S_ISFIFO(mode))
        return QCoreApplication::translate("OutputGuard", "a FIFO");
    if (S_ISSOCK(mode))
        return QCoreApplication::translate("OutputGuard", "a socket");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return QCoreApplication::translate("OutputGuard", "a device");
    return QCoreApplication::translate("OutputGuard", "not a regular file");
}

} // namespace

QString outputRefusal(const QString &output, const QString &projectFile, const QStringList &photoFiles)
{
    struct stat target {};
    if (!statFollowing(output, target))
        return {}; // nothing there yet (or a dangling link): a new file is made
    const QString name = quoted(output);
    if (!S_ISREG(target.st_mode))
        return QCoreApplication::translate(
                   "OutputGuard", "%1 is %2, not a regular file; the picture replaces only a regular file.")
            .arg(name, kindOf(target.st_mode));
    struct stat input {};
    if (statFollowing(projectFile, input) && sameFile(target, input))
        return QCoreApplication::translate("OutputGuard",
                                           "%1 is the project file itself; the picture would replace it.")
            .arg(name);
    for (const QString &photo : photoFiles)
        if (statFollowing(photo, input) && sameFile(target, input))
            return QCoreApplication::translate("OutputGuard",
                                               "%1 is the project's photo %2; the picture would replace it.")
                .arg(name, quoted(photo));
    return {};
}
