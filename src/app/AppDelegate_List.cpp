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
#include <QStatusBar>

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
    m_adder.add(paths);
}

// The undo step of an add spans its loading: it opens before the rows appear and
// closes once the refused rows went, so one Add is one step.
void AppDelegate::startAddStep()
{
    m_addStep = std::make_unique<ListStepRecorder>(*this, "Add Photo");
}

void AppDelegate::finishAdd(int added, const QStringList &refusals)
{
    m_addStep.reset();
    if (capture.b_Take_Picture)
        markPreviewForRedraw(); // a Save or Share that waited for the photos
    if (added > 0)
        scheduleOneShot(timerSelectLastTableRow, timing().oneShotMs,
                        &AppDelegate::TimerSelectLastTableRowRoutine);
    if (refusals.isEmpty())
        return;
    const QString title =
        refusals.size() == 1 ? tr("The photo could not be added") : tr("The photos could not be added");
    desktop().runAlert(m_window.get(), {title, refusals.join(QLatin1Char('\n')), {tr("Close")}});
}

void AppDelegate::showLoadProgress(int loaded, int total)
{
    if (total > 1 && loaded < total)
        m_window->statusBar()->showMessage(tr("Loading photos: %1 of %2").arg(loaded).arg(total));
    else
        m_window->statusBar()->clearMessage();
}

// The project is replaced or the window closes: photos still loading are dropped.
void AppDelegate::stopAddingPhotos()
{
    m_adder.cancel();
    if (m_addStep)
        m_addStep->dismiss();
    m_addStep.reset();
    m_window->statusBar()->clearMessage();
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
