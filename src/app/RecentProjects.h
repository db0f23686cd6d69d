#pragma once

#include <QString>
#include <QStringList>

// File › Open Recent: the projects last opened or saved, newest first, kept between
// runs in the settings.
inline constexpr int kRecentProjectCount = 10;
inline constexpr const char *kRecentProjectsKey = "recentProjects";

// `list` with `path` moved (or added) to the front, each file once, at most
// kRecentProjectCount entries.
QStringList withRecentProject(QStringList list, const QString &path);

// The list kept in the settings, and writing it back.
QStringList storedRecentProjects();
void storeRecentProjects(const QStringList &list);
