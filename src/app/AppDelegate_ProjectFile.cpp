// Saving the project to a file and opening it again. The format is the engine's, the
// one the command-line renderer reads; this file adds the panels and the alerts.
#include "app/AppDelegate.h"

#include "app/MainWindow.h"
#include "imaging/PhotoLoadRunner.h"
#include "model/ProjectFile.h"
#include "model/Quoted.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

namespace {

// Why a file that was read is no project this version can open.
QString parseAlertText(const QString &name, const ProjectParse &parse)
{
    switch (parse.kind) {
    case ProjectError::NotAProject:
        return AppDelegate::tr("%1 is not a Quillane project: %2.").arg(quoted(name), parse.error);
    case ProjectError::NewerVersion:
        return AppDelegate::tr("%1 cannot be opened: %2.").arg(quoted(name), parse.error);
    default:
        return AppDelegate::tr("%1 is a damaged project: %2.").arg(quoted(name), parse.error);
    }
}

void rememberProjectFolder(const QString &path)
{
    QSettings(kSettingsName, kSettingsName).setValue(kLastProjectFolderKey, QFileInfo(path).absolutePath());
}

} // namespace

void AppDelegate::showProjectFileAlert(const QString &message, const QString &informativeText)
{
    desktop().runAlert(window(), {message, informativeText, {tr("Close")}});
}

void AppDelegate::OnOpenProject()
{
    if (!confirmUnsavedChanges())
        return;
    const QString folder = rememberedFolder(kLastProjectFolderKey, defaultDocumentsFolder());
    const QStringList chosen = desktop().runOpenPanel(
        window(), {tr("Open Project"), folder, tr("Quillane projects"), projectFileExtensions()});
    if (chosen.isEmpty())
        return;
    rememberProjectFolder(chosen.first());
    openProjectFile(chosen.first());
}

// Loads every photo of the project; a photo that cannot be loaded is left out only when
// the user says so. False when the user cancels. The files decode side by side on
// workers (with their reduced copies) while the window goes on painting and answering;
// input waits until the photos are in, so nothing changes the project meanwhile.
bool AppDelegate::loadProjectPhotos(const QString &projectName, NewPhotoList &photos)
{
    QStringList paths;
    for (const auto &photo : std::as_const(photos))
        paths << photo->sFile;
    std::vector<LoadedPhoto> results(size_t(photos.size()));
    PhotoLoadRunner runner;
    QEventLoop loading;
    connect(&runner, &PhotoLoadRunner::photoLoaded, &loading,
            [&results](int index, const LoadedPhoto &loaded) { results[size_t(index)] = loaded; });
    connect(&runner, &PhotoLoadRunner::batchFinished, &loading, &QEventLoop::quit);
    runner.start(paths);
    loading.exec(QEventLoop::ExcludeUserInputEvents);
    NewPhotoList loaded;
    for (qsizetype i = 0; i < photos.size(); ++i) {
        const LoadedPhoto &result = results[size_t(i)];
        if (!result.result.ok()) {
            const QString text =
                tr("%1\n\nOpen %2 without this photo, or cancel and keep the current project?")
                    .arg(result.result.error, quoted(projectName));
            if (desktop().runAlert(
                    window(),
                    {tr("A photo of the project is missing"), text, {tr("Skip Photo"), tr("Cancel")}}) != 0)
                return false;
            continue;
        }
        givePicture(*photos[i], result.result.image, result.reducedCopies);
        loaded << photos[i];
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
        showProjectFileAlert(tr("The project could not be opened"),
                             tr("%1 could not be read: %2.").arg(quoted(name), file.errorString()));
        return false;
    }
    ProjectParse parse = parseProject(file.readAll(), QFileInfo(path).absolutePath());
    if (!parse.ok()) {
        showProjectFileAlert(tr("The project could not be opened"), parseAlertText(name, parse));
        return false;
    }
    const qsizetype listed = parse.project.photos.size();
    if (!loadProjectPhotos(name, parse.project.photos))
        return false;
    stopAddingPhotos();
    // A skipped photo makes the project differ from its file from the start.
    const bool asWritten = parse.project.photos.size() == listed;
    m_project.reset(parse.project.mode, parse.project.photos, QFileInfo(path).absoluteFilePath(),
                    parse.project.options, asWritten);
    showPanelOfMode();
    rememberRecentProject(path);
    updateWindowTitle();
    m_project.select(m_project.photos().size() - 1);
    syncPanelToSelection();
    return true;
}

bool AppDelegate::OnSaveProject()
{
    const QString current = m_project.projectFile();
    if (m_project.photos().isEmpty()) {
        showProjectFileAlert(tr("There is nothing to save"),
                             tr("Add at least one photo before saving the project."));
        return false;
    }
    const QString folder = current.isEmpty()
                               ? rememberedFolder(kLastProjectFolderKey, defaultDocumentsFolder())
                               : QFileInfo(current).absolutePath();
    const QString proposed =
        current.isEmpty() ? tr("Untitled") + QStringLiteral(".quillane") : QFileInfo(current).fileName();
    QString path = desktop().runSavePanel(window(), tr("Save Project"), folder, proposed,
                                          {tr("Quillane projects") + QStringLiteral(" (*.quillane)")});
    if (path.isEmpty())
        return false;
    if (!isProjectFileName(path)) {
        path += QStringLiteral(".quillane");
        // The panel asked about the name as typed, not about this one.
        if (QFileInfo::exists(path) &&
            desktop().runAlert(window(), {tr("%1 already exists.").arg(quoted(QFileInfo(path).fileName())),
                                          tr("Do you want to replace it?"),
                                          {tr("Cancel"), tr("Replace")}}) != 1)
            return false;
    }
    rememberProjectFolder(path);
    const QString error = writeProject(path, m_project.mode(), m_project.photos(), m_project.options());
    if (!error.isEmpty()) {
        showProjectFileAlert(tr("The project could not be saved"),
                             tr("%1 was not written: %2.").arg(quoted(QFileInfo(path).fileName()), error));
        return false;
    }
    markProjectSaved(path);
    return true;
}
