#pragma once

#include <QString>

// Why a file could not be opened, told in the plain words a user understands. Qt reports
// a refused open as a generic open error, so the refusal is recognised from what the
// file system says about the file and its folder.

enum class FileAccess {
    Read,         // reading an existing file
    WriteInFolder // creating or replacing a file (written beside it, then renamed)
};

// True when the current user may not do `access` to `path` (for writing: to the file
// itself when it exists, and to its folder, where the temporary file goes).
bool isPermissionRefusal(const QString &path, FileAccess access);

// Why `path`, which names no file, still names something: a symbolic link that leads
// nowhere, to a file that does not exist or round a loop of links ("too many levels of
// symbolic links"). The end of a sentence; empty when `path` is no such link (a missing
// file is said by its caller, in its own words).
QString brokenLinkReason(const QString &path);
