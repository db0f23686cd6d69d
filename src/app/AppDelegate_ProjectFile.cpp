// Saving the project to a file and opening it again. The format is the engine's, the
// one the command-line renderer reads; this file adds the panels and the alerts.
#include "app/AppDelegate.h"

#include "app/MainWindow.h"
#include "imaging/PhotoLoader.h"
#include "model/ProjectFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTableView>
#include <QUndoStack>

namespace {

QString quoted(const QString &text)
{
    return QStringLiteral("\u201C%1\u201D").arg(text);
}

// Why a file that was read is no project this version can open.
QString parseAlertText(const QString &name, const ProjectParse &parse)
{
    switch (parse.kind) {
    case ProjectError::NotAProject:
        return QStringLiteral("%1 is not a Quillane project: %2.").arg(quoted(name), parse.error);
    case ProjectError::NewerVersion:
        return QStringLiteral("%1 cannot be opened: %2.").arg(quoted(name), parse.error);
    default:
        return QStringLiteral("%1 is a damaged project: %2.").arg(quoted(name), parse.error);
    }
}

void rememberProjectFolder(const QString &path)
{
    QSettings(kSettingsName, kSettingsName).setValue(kLastProjectFolderKey, QFileInfo(path).absolutePath());
}

} // namespace

void AppDelegate::showProjectFileAlert(const QString &message, const QString &informativeText)
{
    desktop().runAlert(window(), {message, informativeText, {"Close"}});
}

void AppDelegate::OnOpenProject()
{
    const QString folder = rememberedFolder(kLastProjectFolderKey, defaultDocumentsFolder());
    const QStringList chosen =
        desktop().runOpenPanel(window(), {"Open Project", folder, "Quillane projects", {"json"}});
    if (chosen.isEmpty())
        return;
    rememberProjectFolder(chosen.first());
    openProjectFile(chosen.first());
}

// Loads every photo of the project; a photo that cannot be loaded is left out only when
// the user says so. False when the user cancels.
bool AppDelegate::loadProjectPhotos(const QString &projectName, PhotoList &photos)
{
    PhotoList loaded;
    for (const PhotoPtr &photo : photos) {
        const LoadResult result = Load_Photo(photo->sFile);
        if (!result.ok()) {
            const QString text =
                QStringLiteral("%1\n\nOpen %2 without this photo, or cancel and keep the current "
                               "project?")
                    .arg(result.error, quoted(projectName));
            if (desktop().runAlert(
                    window(), {"A photo of the project is missing", text, {"Skip Photo", "Cancel"}}) != 0)
                return false;
            continue;
        }
        photo->image = result.image;
        photo->sName = QFileInfo(photo->sFile).fileName();
        loaded << photo;
    }
    photos = loaded;
    return true;
}

// Opening replaces the project as New Project does: the mode and its panel, then the
// list. On any failure the current project stays as it was.
bool AppDelegate::openProjectFile(const QString &path)
{
    const QString name = QFileInfo(path).fileName();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        showProjectFileAlert(
            "The project could not be opened",
            QStringLiteral("%1 could not be read: %2.").arg(quoted(name), file.errorString()));
        return false;
    }
    ProjectParse parse = Parse_Project(file.readAll(), QFileInfo(path).absolutePath());
    if (!parse.ok()) {
        showProjectFileAlert("The project could not be opened", parseAlertText(name, parse));
        return false;
    }
    if (!loadProjectPhotos(name, parse.project.photos))
        return false;
    modeBlend = parse.project.mode;
    projectOptions = parse.project.options;
    showPanelOfMode();
    s_Project_File = QFileInfo(path).absoluteFilePath();
    undoStack().clear();
    if (tablePhotos)
        tablePhotos->clearSelection();
    array_Photos = parse.project.photos;
    refreshTablePhotos();
    markPreviewForRedraw();
    if (!array_Photos.isEmpty())
        scheduleOneShot(timerSelectLastTableRow, timing().oneShotMs,
                        &AppDelegate::TimerSelectLastTableRowRoutine);
    return true;
}

void AppDelegate::OnSaveProject()
{
    if (array_Photos.isEmpty()) {
        showProjectFileAlert("There is nothing to save", "Add at least one photo before saving the project.");
        return;
    }
    const QString folder = s_Project_File.isEmpty()
                               ? rememberedFolder(kLastProjectFolderKey, defaultDocumentsFolder())
                               : QFileInfo(s_Project_File).absolutePath();
    const QString proposed =
        s_Project_File.isEmpty() ? QStringLiteral("Untitled.json") : QFileInfo(s_Project_File).fileName();
    QString path = desktop().runSavePanel(window(), "Save Project", folder, proposed);
    if (path.isEmpty())
        return;
    if (!Is_Project_File_Name(path))
        path += QStringLiteral(".json");
    rememberProjectFolder(path);
    const QString error = Write_Project(path, modeBlend, array_Photos, projectOptions);
    if (!error.isEmpty()) {
        showProjectFileAlert(
            "The project could not be saved",
            QStringLiteral("%1 was not written: %2.").arg(quoted(QFileInfo(path).fileName()), error));
        return;
    }
    s_Project_File = QFileInfo(path).absoluteFilePath();
}
