#include "encode/OutputGuard.h"

#include "imaging/FileAccess.h"
#include "model/Quoted.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

#include <cerrno>

namespace {

// The most symbolic links followed to find where a path that names no file would be made.
constexpr int kMostLinks = 40;

// The file at `path` after links; false when there is none.
bool statFollowing(const QString &path, struct stat &info)
{
    return !path.isEmpty() && ::stat(QFile::encodeName(path).constData(), &info) == 0;
}

// Where a file at `path`, which does not exist, would be made: dangling links followed,
// then the folder's own links resolved.
QString placeOf(const QString &path)
{
    QFileInfo info(path);
    for (int links = 0; info.isSymLink() && links < kMostLinks; ++links)
        info = QFileInfo(info.symLinkTarget());
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    return QDir(folder.isEmpty() ? info.absolutePath() : folder).filePath(info.fileName());
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

// Why nothing may be written at `output` whatever the run's files: not a regular file, or
// a loop of symbolic links, which a new file would replace.
QString placeRefusal(const QString &output)
{
    struct stat target {};
    if (statFollowing(output, target)) {
        if (S_ISREG(target.st_mode))
            return {};
        return QCoreApplication::translate(
                   "OutputGuard", "%1 is %2, not a regular file; the picture replaces only a regular file.")
            .arg(quoted(output), kindOf(target.st_mode));
    }
    if (errno != ELOOP)
        return {}; // nothing there yet (or a dangling link): a new file is made
    return QCoreApplication::translate("OutputGuard", "%1 cannot take the picture: %2")
        .arg(quoted(output), brokenLinkReason(output));
}

} // namespace

int OutputGuard::addProject(const QString &projectFile, const QStringList &photoFiles)
{
    const int project = int(m_projectFiles.size());
    m_projectFiles.append(projectFile);
    if (!projectFile.isEmpty())
        note(projectFile, project, Kind::ProjectFile);
    for (const QString &photo : photoFiles)
        note(photo, project, Kind::Photo);
    return project;
}

void OutputGuard::noteWritten(const QString &output, int project)
{
    note(output, project, Kind::Picture);
}

void OutputGuard::note(const QString &path, int project, Kind kind)
{
    m_files.push_back({path, project, kind});
    struct stat info {};
    if (statFollowing(path, info))
        m_existing.try_emplace({info.st_dev, info.st_ino}, m_files.size() - 1);
    else
        m_missing.insert(placeOf(path), m_files.size() - 1);
}

const OutputGuard::Noted *OutputGuard::find(const QString &output) const
{
    struct stat target {};
    if (statFollowing(output, target)) {
        const auto found = m_existing.find({target.st_dev, target.st_ino});
        return found == m_existing.end() ? nullptr : &m_files[found->second];
    }
    const auto found = m_missing.constFind(placeOf(output));
    return found == m_missing.constEnd() ? nullptr : &m_files[*found];
}

QString OutputGuard::landsOn(const QString &name, const Noted &noted, int project) const
{
    const QString file = quoted(noted.path);
    const QString owner = quoted(m_projectFiles.value(noted.project));
    if (noted.kind == Kind::Picture)
        return QCoreApplication::translate(
                   "OutputGuard", "%1 is the picture this run has just written for %2; the picture would "
                                  "replace it.")
            .arg(name, owner);
    if (noted.project != project)
        return noted.kind == Kind::ProjectFile
                   ? QCoreApplication::translate(
                         "OutputGuard", "%1 is the project file %2, also of this run; the picture would "
                                        "replace it.")
                         .arg(name, file)
                   : QCoreApplication::translate(
                         "OutputGuard", "%1 is the photo %2 of the project %3, also of this run; the "
                                        "picture would replace it.")
                         .arg(name, file, owner);
    if (noted.kind == Kind::ProjectFile)
        return QCoreApplication::translate("OutputGuard",
                                           "%1 is the project file itself; the picture would replace it.")
            .arg(name);
    return QCoreApplication::translate("OutputGuard",
                                       "%1 is the project's photo %2; the picture would replace it.")
        .arg(name, file);
}

QString OutputGuard::refusal(const QString &output, int project) const
{
    if (const QString refused = placeRefusal(output); !refused.isEmpty())
        return refused;
    const Noted *noted = find(output);
    return noted ? landsOn(quoted(output), *noted, project) : QString();
}

QString outputRefusal(const QString &output, const QString &projectFile, const QStringList &photoFiles)
{
    OutputGuard guard;
    return guard.refusal(output, guard.addProject(projectFile, photoFiles));
}
