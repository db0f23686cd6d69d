#include "cli/BatchNames.h"

#include "model/Quoted.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <sys/stat.h>

#include <algorithm>
#include <map>
#include <utility>

namespace {

// A project of the run as the naming sees it.
struct Named {
    qsizetype index = 0; // in the run's order
    QStringList folders; // the names of its parent folders, outermost first
    QString base;        // its file's name without the last extension
};

// The picture's name with the names of the innermost `levels` parent folders in front.
QString nameWith(const Named &project, qsizetype levels)
{
    return (project.folders.mid(std::max<qsizetype>(0, project.folders.size() - levels)) +
            QStringList{project.base})
        .join(QLatin1Char('-'));
}

// Names compare in any case: a folder on a file system that ignores case takes one file
// for both.
QString folded(const QString &name)
{
    return name.toCaseFolded();
}

// The projects to name, in order; a project file given before (after links) is refused.
QList<Named> distinctProjects(const QStringList &paths, QList<BatchPicture> &pictures)
{
    QList<Named> named;
    std::map<std::pair<dev_t, ino_t>, qsizetype> seen;
    for (qsizetype i = 0; i < paths.size(); ++i) {
        struct stat info {};
        if (::stat(QFile::encodeName(paths[i]).constData(), &info) == 0) {
            const auto [first, isNew] = seen.try_emplace({info.st_dev, info.st_ino}, i);
            if (!isNew) {
                pictures[i].refusal = QCoreApplication::translate(
                                          "MixCommand", "%1 is the same project file as %2, given before; "
                                                        "it is mixed once.")
                                          .arg(quoted(paths[i]), quoted(paths[first->second]));
                continue;
            }
        }
        const QFileInfo file(paths[i]);
        named.append({i, QDir::cleanPath(file.absolutePath()).split(QLatin1Char('/'), Qt::SkipEmptyParts),
                      file.completeBaseName()});
    }
    return named;
}

// The names of a group of projects of one base name: each with as few parent folders as
// make its name appear once in the group (all of them when none do).
QHash<qsizetype, QString> groupNames(const QList<const Named *> &group)
{
    QHash<qsizetype, QString> names;
    if (group.size() == 1) {
        names.insert(group.front()->index, group.front()->base);
        return names;
    }
    qsizetype depth = 0;
    for (const Named *project : group)
        depth = std::max(depth, project->folders.size());
    for (qsizetype levels = 1; levels <= depth && names.size() < group.size(); ++levels) {
        QHash<QString, int> count;
        for (const Named *project : group)
            ++count[folded(nameWith(*project, levels))];
        for (const Named *project : group)
            if (!names.contains(project->index) && count.value(folded(nameWith(*project, levels))) == 1)
                names.insert(project->index, nameWith(*project, levels));
    }
    for (const Named *project : group) // told apart by no folder: every folder's name
        if (!names.contains(project->index))
            names.insert(project->index, nameWith(*project, project->folders.size()));
    return names;
}

} // namespace

QList<BatchPicture> batchPictures(const QStringList &projectPaths, const QString &folder,
                                  const QString &suffix)
{
    QList<BatchPicture> pictures(projectPaths.size());
    const QList<Named> named = distinctProjects(projectPaths, pictures);
    QHash<QString, QList<const Named *>> groups; // by base name, in any case
    for (const Named &project : named)
        groups[folded(project.base)].append(&project);
    QHash<qsizetype, QString> names;
    for (const QList<const Named *> &group : std::as_const(groups))
        names.insert(groupNames(group));
    QHash<QString, qsizetype> taken; // the names given so far, in any case
    const QDir into(folder);
    for (const Named &project : named) {
        const QString output = into.filePath(names.value(project.index) + QLatin1Char('.') + suffix);
        const QString key = folded(names.value(project.index));
        if (const auto first = taken.constFind(key); first != taken.constEnd()) {
            pictures[project.index].refusal =
                QCoreApplication::translate("MixCommand",
                                            "%1 is not mixed: its picture would be %2, as that of "
                                            "%3 is (rename one of the two project files).")
                    .arg(quoted(projectPaths[project.index]), quoted(output), quoted(projectPaths[*first]));
            continue;
        }
        taken.insert(key, project.index);
        pictures[project.index].output = output;
    }
    return pictures;
}
