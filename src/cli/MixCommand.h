#pragma once

#include <QString>
#include <QStringList>

// quillane-mix: renders a project file to a PNG without a window.
// Exit status: 0 written; 1 a photo could not be loaded or the output not written;
// 2 a usage or project-file error. Every failure is one line on `errors`.

inline constexpr int kExitWritten = 0;
inline constexpr int kExitFileError = 1;
inline constexpr int kExitUsageError = 2;

// The largest project file read: a project of thousands of photos takes well under it.
inline constexpr qint64 kLargestProject = qint64(4) << 20;

int Run_Mix(const QStringList &arguments, QString &output, QString &errors);

QString Mix_Help_Text();
