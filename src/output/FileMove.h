#pragma once

#include "encode/PngWriter.h"

#include <QString>

// Placing the saved picture: a free name in the output folder, and the move to the place
// the user chose.

// `path` itself when nothing is there yet, else the first of "name-2.ext", "name-3.ext",
// ... that is free, so a capture never replaces an earlier one of the same second.
QString unusedPath(const QString &path);

// Moves the file at `from` to `to`, replacing a file already at `to` (the save panel has
// had the user confirm that). Across file systems the file is copied, then removed. On
// failure the error names `to`, the reason, and where the picture still is.
WriteResult movePictureFile(const QString &from, const QString &to);
