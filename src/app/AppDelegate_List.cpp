// The photo list: add, remove, move, the table and the delayed row selections.
#include "app/AppDelegate.h"

#include "app/MainWindow.h"
#include "app/PhotoTable.h"
#include "app/UndoSteps.h"
#include "imaging/PhotoFormats.h"
#include "imaging/PhotoLoader.h"

#include <QFileInfo>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QSettings>

void AppDelegate::setUpPhotoTable()
{
    m_tableModel = new PhotoTableModel(m_project.photos(), this);
    tablePhotos->setModel(m_tableModel);
    tablePhotos->horizontalHeader()->resizeSection(0, PhotoTableModel::kThumbnailWidth + 12);
    connect(tablePhotos->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (!m_restoringSelection)
            tableViewSelectionDidChange();
    });
}

void AppDelegate::OnAddPhoto()
{
    const QStringList paths = desktop().runOpenPanel(m_window.get(), photoPanelRequest());
    if (!paths.isEmpty())
        QSettings(kSettingsName, kSettingsName)
            .setValue(kLastPhotoFolderKey, QFileInfo(paths.first()).absolutePath());
    addPhotoFiles(paths);
}

void AppDelegate::addPhotoFiles(const QStringList &paths)
{
    const ListStepRecorder step(*this, "Add Photo");
    PhotoList added;
    for (const QString &path : paths) {
        const LoadResult loaded = Load_Photo(path);
        if (loaded.image.isNull()) {
            desktop().runAlert(m_window.get(),
                               {tr("The photo could not be added"), loaded.error, {tr("Close")}});
            continue;
        }
        PhotoPtr photo = makePhoto(loaded.image, QFileInfo(path).fileName(), m_project.mode());
        photo->sFile = QFileInfo(path).absoluteFilePath();
        added.append(photo);
    }
    if (added.isEmpty())
        return;
    m_project.addPhotos(added);
    scheduleOneShot(timerSelectLastTableRow, timing().oneShotMs,
                    &AppDelegate::TimerSelectLastTableRowRoutine);
}

void AppDelegate::OnRemovePhoto()
{
    const ListStepRecorder step(*this, "Remove Photo");
    if (!m_project.removeAt(selectedTableRow()))
        return;
    if (!m_project.photos().isEmpty())
        scheduleOneShot(timerSelectFirstTableRow, timing().oneShotMs,
                        &AppDelegate::TimerSelectFirstTableRowRoutine);
}

void AppDelegate::OnMovePhotoUp()
{
    const ListStepRecorder step(*this, "Move Photo Up");
    m_project.move(selectedTableRow(), -1);
}

void AppDelegate::OnMovePhotoDown()
{
    const ListStepRecorder step(*this, "Move Photo Down");
    m_project.move(selectedTableRow(), +1);
}

qint64 AppDelegate::selectedTableRow() const
{
    if (!tablePhotos || !tablePhotos->selectionModel())
        return -1;
    const QModelIndexList rows = tablePhotos->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void AppDelegate::selectTableRow(qint64 row)
{
    if (tablePhotos)
        tablePhotos->selectRow(int(row));
}

void AppDelegate::refreshTablePhotos()
{
    // A reload keeps the selected row number as long as that row still exists; only a
    // selection that is lost counts as a change.
    const qint64 selected = selectedTableRow();
    m_restoringSelection = true;
    m_tableModel->reload();
    if (selected >= 0 && selected < m_project.photos().size())
        selectTableRow(selected);
    m_restoringSelection = false;
    if (selectedTableRow() != selected)
        tableViewSelectionDidChange();
    else
        syncPanelToSelection(); // a move or removal may have put another photo in the row
}

void AppDelegate::TimerSelectLastTableRowRoutine()
{
    if (!m_project.photos().isEmpty())
        selectTableRow(m_project.photos().size() - 1);
}

void AppDelegate::TimerSelectFirstTableRowRoutine()
{
    if (!m_project.photos().isEmpty())
        selectTableRow(0);
}
