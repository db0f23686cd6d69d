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

const QStringList &AppDelegate::acceptedPhotoExtensions()
{
    static const QStringList extensions = Photo_Extensions();
    return extensions;
}

void AppDelegate::setUpPhotoTable()
{
    m_tableModel = new PhotoTableModel(array_Photos, this);
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
    bool added = false;
    for (const QString &path : paths) {
        const LoadResult loaded = Load_Photo(path);
        if (loaded.image.isNull()) {
            desktop().runAlert(m_window.get(), {"The photo could not be added", loaded.error, {"Close"}});
            continue;
        }
        PhotoPtr photo = Make_Photo(loaded.image, QFileInfo(path).fileName(), modeBlend);
        photo->sFile = QFileInfo(path).absoluteFilePath();
        array_Photos.append(photo);
        added = true;
    }
    if (!added)
        return;
    refreshTablePhotos();
    scheduleOneShot(timerSelectLastTableRow, timing().oneShotMs,
                    &AppDelegate::TimerSelectLastTableRowRoutine);
    markPreviewForRedraw();
}

void AppDelegate::OnRemovePhoto()
{
    const ListStepRecorder step(*this, "Remove Photo");
    const qint64 row = selectedTableRow();
    if (row < 0 || row >= array_Photos.size())
        return;
    array_Photos.removeAt(row);
    if (array_Photos.isEmpty())
        i_Selected_Photo_Index = -1;
    refreshTablePhotos();
    markPreviewForRedraw();
    if (!array_Photos.isEmpty())
        scheduleOneShot(timerSelectFirstTableRow, timing().oneShotMs,
                        &AppDelegate::TimerSelectFirstTableRowRoutine);
}

void AppDelegate::OnMovePhotoUp()
{
    const ListStepRecorder step(*this, "Move Photo Up");
    const qint64 row = selectedTableRow();
    if (array_Photos.size() < 2 || row <= 0 || row >= array_Photos.size())
        return;
    array_Photos.swapItemsAt(row - 1, row);
    refreshTablePhotos();
    markPreviewForRedraw();
}

void AppDelegate::OnMovePhotoDown()
{
    const ListStepRecorder step(*this, "Move Photo Down");
    const qint64 row = selectedTableRow();
    if (array_Photos.size() < 2 || row < 0 || row >= array_Photos.size() - 1)
        return;
    array_Photos.swapItemsAt(row, row + 1);
    refreshTablePhotos();
    markPreviewForRedraw();
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
    if (selected >= 0 && selected < array_Photos.size())
        selectTableRow(selected);
    m_restoringSelection = false;
    if (selectedTableRow() != selected)
        tableViewSelectionDidChange();
    else
        Sync_Panel_To_Selection(); // a move or removal may have put another photo in the row
}

void AppDelegate::TimerSelectLastTableRowRoutine()
{
    if (!array_Photos.isEmpty())
        selectTableRow(array_Photos.size() - 1);
}

void AppDelegate::TimerSelectFirstTableRowRoutine()
{
    if (!array_Photos.isEmpty())
        selectTableRow(0);
}
