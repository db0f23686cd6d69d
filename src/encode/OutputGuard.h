#pragma once

#include <QString>
#include <QStringList>

// Checks an output path before anything is rendered for it: a picture must never replace
// one of the files it is made from, nor anything that is not a regular file.

// Why the picture may not be written at `output`; empty when it may. `inputs` are the
// files the picture is made from (the project file, when there is one, first, then the
// photos). The comparison is by the file itself after links (device and inode), so a
// symbolic or hard link to a photo is recognised too. An existing device node, FIFO,
// socket or folder at `output` (after links) is refused as well.
QString outputRefusal(const QString &output, const QString &projectFile, const QStringList &photoFiles);
