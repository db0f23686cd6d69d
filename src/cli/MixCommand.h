#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// quillane-mix: renders project files to pictures (PNG, JPEG, WebP, TIFF) without a window.
// Exit status: 0 written; 1 a photo could not be loaded or the output not written;
// 2 a usage or project-file error; with -O FOLDER, the number of failed projects (at
// most 100). Every failure is one line on `errors`.

inline constexpr int kExitWritten = 0;
inline constexpr int kExitFileError = 1;
inline constexpr int kExitUsageError = 2;
inline constexpr int kMostFailuresCounted = 100;

// The largest project file read: a project of thousands of photos takes well under it.
inline constexpr qint64 kLargestProject = qint64(4) << 20;

// Told one line per stage of each project ("a.json: mixing"), unless --quiet.
using MixProgress = std::function<void(const QString &line)>;

int runMix(const QStringList &arguments, QString &output, QString &errors, const MixProgress &progress = {});

QString mixHelpText();
