#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <sys/types.h>

#include <map>
#include <utility>
#include <vector>

// Checks an output path before anything is rendered for it: a picture must never replace
// one of the files it is made from, nor anything that is not a regular file.

// Why the picture may not be written at `output`; empty when it may. `inputs` are the
// files the picture is made from (the project file, when there is one, first, then the
// photos). The comparison is by the file itself after links (device and inode), so a
// symbolic or hard link to a photo is recognised too. An existing device node, FIFO,
// socket or folder at `output` (after links), or a loop of symbolic links, is refused as
// well.
QString outputRefusal(const QString &output, const QString &projectFile, const QStringList &photoFiles);

// The same guard over a run of several projects (quillane-mix -O): the files of every
// project are noted before anything is written, so that no project's picture lands on
// the project file or a photo of any project of the run, nor on a picture the run wrote
// before. A file that exists is recognised after links (device and inode); one that does
// not exist yet by its path, its folder's links resolved, so that a picture is not
// written where a later project would look for a photo either.
class OutputGuard {
  public:
    // Notes a project's file (empty for none) and its photos; returns the project's
    // number, counted from 0 in the order of the calls.
    int addProject(const QString &projectFile, const QStringList &photoFiles);

    // Why project `project`'s picture may not be written at `output`; empty when it may.
    QString refusal(const QString &output, int project) const;

    // Notes the picture written at `output` for `project`: no later picture replaces it.
    void noteWritten(const QString &output, int project);

  private:
    enum class Kind { ProjectFile, Photo, Picture };
    struct Noted {
        QString path;
        int project = 0;
        Kind kind = Kind::Photo;
    };
    void note(const QString &path, int project, Kind kind);
    const Noted *find(const QString &output) const;
    QString landsOn(const QString &name, const Noted &noted, int project) const;

    std::vector<Noted> m_files;
    std::map<std::pair<dev_t, ino_t>, std::size_t> m_existing; // the first file noted of each
    QHash<QString, std::size_t> m_missing;                     // by path, those not there yet
    QStringList m_projectFiles;                                // by number
};
