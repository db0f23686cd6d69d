#include "app/RecentProjects.h"

#include "app/AppDelegate.h"

#include <QFileInfo>
#include <QSettings>

QStringList withRecentProject(QStringList list, const QString &path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    list.removeAll(absolute);
    list.prepend(absolute);
    while (list.size() > kRecentProjectCount)
        list.removeLast();
    return list;
}

QStringList storedRecentProjects()
{
    return QSettings(kSettingsName, kSettingsName).value(kRecentProjectsKey).toStringList();
}

void storeRecentProjects(const QStringList &list)
{
    QSettings(kSettingsName, kSettingsName).setValue(kRecentProjectsKey, list);
}
