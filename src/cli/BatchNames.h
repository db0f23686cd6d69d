#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// -O FOLDER: the name of the picture of each project of a run, so that no two projects
// write the same file.
//
// A picture is named after its project file: `mix.json` gives FOLDER/mix.png. Projects
// whose names are the same (in any case) each take, in front, the names of as few of
// their parent folders as tell them apart, joined by '-': `a/mix.json` and `b/mix.json`
// give FOLDER/a-mix.png and FOLDER/b-mix.png. A project file given before (by the same
// path, or another one: a link) is refused, and so is a project whose picture would
// still take a name already taken (`a-mix.json` beside `a/mix.json`).

struct BatchPicture {
    QString output;  // FOLDER/NAME.SUFFIX; empty when the project is refused
    QString refusal; // why the project is not mixed, naming it; empty when it is
};

// One entry per project path, in their order.
QList<BatchPicture> batchPictures(const QStringList &projectPaths, const QString &folder,
                                  const QString &suffix);
