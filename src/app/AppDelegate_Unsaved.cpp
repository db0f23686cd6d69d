// Unsaved work: the window title names the project and marks it changed, and every way
// out of a changed project (New Project, Open Project, a dropped project, Quit) asks
// first. A project is changed when the undo history left its clean state (the state
// when it was opened or saved), or when it was never saved and holds photos.
#include "app/AppDelegate.h"

#include <QAccessible>

#include "app/MainWindow.h"
#include "app/RecentProjects.h"
#include "app/View_Image_Preview.h"
#include "model/Quoted.h"

#include <QFileInfo>

bool AppDelegate::isProjectModified() const
{
    return m_project.isModified();
}

QString AppDelegate::projectDisplayName() const
{
    const QString file = m_project.projectFile();
    return file.isEmpty() ? tr("Untitled") : QFileInfo(file).completeBaseName();
}

void AppDelegate::updateWindowTitle()
{
    if (!m_window)
        return;
    // "[*]" is where Qt shows the changed marker.
    const auto shown = [this] { return std::pair(m_window->windowTitle(), m_window->isWindowModified()); };
    const auto before = shown();
    m_window->setWindowTitle(tr("%1[*] — Quillane").arg(projectDisplayName()));
    m_window->setWindowModified(isProjectModified());
    if (shown() != before) { // screen readers announce the window's new name (with its "*")
        QAccessibleEvent named(m_window.get(), QAccessible::NameChanged);
        QAccessible::updateAccessibility(&named);
    }
}

// What the canvas shows, for screen readers: "Composite of 3 photos, 1200 × 800, 100 %".
void AppDelegate::describeCanvas()
{
    if (!viewPreviewImage)
        return;
    static const char *const kModes[] = {QT_TR_NOOP("Linear horizontal"), QT_TR_NOOP("Linear vertical"),
                                         QT_TR_NOOP("Composite"),         QT_TR_NOOP("Shape"),
                                         QT_TR_NOOP("Transparent"),       QT_TR_NOOP("Exposure fusion")};
    const quint64 mode = m_project.mode();
    const QString type = isKnownProjectMode(mode) ? tr(kModes[mode]) : QString::number(mode);
    viewPreviewImage->setAccessibleName(tr("Preview of the mixed picture"));
    const qsizetype count = m_project.photos().size();
    QString description =
        count == 1 ? tr("%1 of 1 photo").arg(type) : tr("%1 of %2 photos").arg(type).arg(count);
    const QSize picture = viewPreviewImage->pictureSize();
    if (!m_project.photos().isEmpty() && !picture.isEmpty())
        description +=
            tr(", %1 × %2, %3").arg(picture.width()).arg(picture.height()).arg(viewPreviewImage->zoomText());
    viewPreviewImage->setAccessibleDescription(description);
}

// Save / Discard / Cancel. True when the caller may go on: nothing was changed, the
// project was saved, or the user chose to discard the changes.
bool AppDelegate::confirmUnsavedChanges()
{
    if (!isProjectModified())
        return true;
    const AlertRequest alert{tr("Do you want to save the changes to %1?").arg(quoted(projectDisplayName())),
                             tr("Your changes will be lost if you don't save them."),
                             {tr("Save"), tr("Discard"), tr("Cancel")}};
    switch (desktop().runAlert(window(), alert)) {
    case 0:
        return OnSaveProject();
    case 1:
        return true;
    default:
        return false;
    }
}

void AppDelegate::markProjectSaved(const QString &path)
{
    m_project.markSaved(path);
    rememberRecentProject(path);
    updateWindowTitle();
}

void AppDelegate::rememberRecentProject(const QString &path)
{
    storeRecentProjects(withRecentProject(storedRecentProjects(), path));
}

QStringList AppDelegate::recentProjects() const
{
    return storedRecentProjects();
}

void AppDelegate::clearRecentProjects()
{
    storeRecentProjects({});
}

void AppDelegate::openRecentProject(const QString &path)
{
    if (!QFileInfo(path).isFile()) {
        showProjectFileAlert(tr("The project could not be opened"),
                             tr("%1 is no longer there.").arg(quoted(path)));
        QStringList list = storedRecentProjects();
        list.removeAll(path);
        storeRecentProjects(list);
        return;
    }
    if (confirmUnsavedChanges())
        openProjectFile(path);
}

bool AppDelegate::windowShouldClose()
{
    return confirmUnsavedChanges();
}
