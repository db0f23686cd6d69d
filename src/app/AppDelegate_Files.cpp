// Files from outside the open panels: several photos at once, drops on the window and
// the files named on the command line.
#include "app/AppDelegate.h"

#include "app/MainWindow.h"
#include "imaging/PhotoLoader.h"
#include "model/ProjectFile.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <utility>

// The folder a panel last showed, while it still exists; else `fallback`, else home.
QString AppDelegate::rememberedFolder(const char *key, const QString &fallback)
{
    for (const QString &folder : {QSettings(kSettingsName, kSettingsName).value(key).toString(), fallback})
        if (!folder.isEmpty() && QFileInfo(folder).isDir())
            return folder;
    return QDir::homePath();
}

OpenPanelRequest AppDelegate::photoPanelRequest() const
{
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    return {tr("Add photos"), rememberedFolder(kLastPhotoFolderKey, pictures), tr("Photos"),
            photoFileExtensions(), true};
}

// Photos are added in the order given; a project among them is opened first, and the
// photos join it only when it opened. False when no project could be opened.
bool AppDelegate::openFiles(const QStringList &paths)
{
    QStringList projects;
    QStringList photos;
    for (const QString &path : paths)
        (isProjectFileName(path) ? projects : photos) << path;
    if (projects.size() > 1) {
        desktop().runAlert(window(),
                           {tr("The files could not be opened"),
                            tr("Quillane opens one project at a time: choose a single project file."),
                            {tr("Close")}});
        return false;
    }
    if (!projects.isEmpty() && (!confirmUnsavedChanges() || !openProjectFile(projects.first())))
        return false;
    addPhotoFiles(photos);
    return true;
}

// Start-up with a project on the command line opens it in place of the project type
// dialog; photos named with it are added once the project is open.
bool AppDelegate::openLaunchProject()
{
    QStringList projects;
    for (const QString &path : std::exchange(m_options.launchFiles, {}))
        (isProjectFileName(path) ? projects : m_launchPhotos) << path;
    // Not opened: the user chooses a project type, and the photos follow.
    if (projects.isEmpty() || !openFiles(projects + m_launchPhotos))
        return false;
    m_launchPhotos.clear();
    return true;
}

// Photos from the command line take the place of the first add-photo panel.
bool AppDelegate::addLaunchPhotos()
{
    if (m_launchPhotos.isEmpty())
        return false;
    addPhotoFiles(std::exchange(m_launchPhotos, {}));
    return true;
}
