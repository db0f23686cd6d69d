// The photo list's actions and its table. The rules (which row is selected after an
// add, a removal or a move, what one undo step holds) are the document's; the table
// shows the document's list and follows its selection.
#include "app/AppDelegate.h"

#include "app/MainWindow.h"
#include "app/PhotoTable.h"
#include "imaging/PhotoFormats.h"

#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QSettings>
#include <QStatusBar>
#include <QUrl>

void AppDelegate::setUpPhotoTable()
{
    m_tableModel = new PhotoTableModel(m_project, this);
    tablePhotos->setModel(m_tableModel);
    tablePhotos->horizontalHeader()->resizeSection(0, PhotoTableModel::kThumbnailWidth + 12);
    connect(tablePhotos->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (!m_followingSelection)
            tableViewSelectionDidChange();
    });
    PhotoTable *table = m_window->table();
    connect(table, &PhotoTable::rowMoveRequested, this,
            [this](int from, int to) { m_project.moveTo(from, to); });
    connect(table, &PhotoTable::replaceRequested, this, [this](int row) {
        m_project.select(row);
        OnReplacePhoto();
    });
    table->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(table, &QWidget::customContextMenuRequested, this, &AppDelegate::showPhotoMenu);
    connect(&m_replacer, &PhotoReplacer::finished, this, [this](bool, const QString &refusal) {
        if (!refusal.isEmpty())
            desktop().runAlert(m_window.get(),
                               {tr("The photo could not be replaced"), refusal, {tr("Close")}});
    });
}

// The row's menu: the list's commands for the row under the pointer, which it selects.
void AppDelegate::showPhotoMenu(QPoint position)
{
    const QModelIndex index = tablePhotos->indexAt(position);
    if (!index.isValid())
        return;
    m_project.select(index.row());
    const struct {
        const char *text;
        void (AppDelegate::*command)();
    } items[] = {
        {QT_TR_NOOP("Remove"), &AppDelegate::OnRemovePhoto},
        {QT_TR_NOOP("Replace Photo…"), &AppDelegate::OnReplacePhoto},
        {QT_TR_NOOP("Move Up"), &AppDelegate::OnMovePhotoUp},
        {QT_TR_NOOP("Move Down"), &AppDelegate::OnMovePhotoDown},
        {QT_TR_NOOP("Show in File Manager"), &AppDelegate::OnShowPhotoFile},
    };
    QStringList texts;
    for (const auto &item : items)
        texts << tr(item.text);
    const int chosen =
        desktop().runContextMenu(tablePhotos, tablePhotos->viewport()->mapToGlobal(position), texts);
    if (chosen >= 0 && chosen < int(std::size(items)))
        (this->*items[chosen].command)();
}

// Replace Photo: another file for the selected photo, which keeps its settings.
void AppDelegate::OnReplacePhoto()
{
    const qint64 row = m_project.selectedIndex();
    if (row < 0 || m_project.isLoading(m_project.photos().at(row)))
        return;
    OpenPanelRequest request = photoPanelRequest();
    request.title = tr("Replace photo");
    request.multiple = false;
    const QStringList paths = desktop().runOpenPanel(m_window.get(), request);
    if (!paths.isEmpty())
        m_replacer.replace(m_project.photos().at(row), paths.first());
}

// Show in File Manager: the folder that holds the selected photo's file.
void AppDelegate::OnShowPhotoFile()
{
    const qint64 row = m_project.selectedIndex();
    const QString file = row >= 0 ? m_project.photos().at(row)->sFile : QString();
    if (file.isEmpty())
        return;
    const QString folder = QFileInfo(file).absolutePath();
    if (!desktop().openUrl(QUrl::fromLocalFile(folder)))
        desktop().runAlert(m_window.get(),
                           {tr("The folder could not be shown"),
                            tr("No program could open %1.").arg(QDir::toNativeSeparators(folder)),
                            {tr("Close")}});
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

void AppDelegate::finishAdd(int, const QStringList &refusals)
{
    if (capture.b_Take_Picture)
        markPreviewForRedraw(); // a Save or Share that waited for the photos
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
    m_replacer.cancel();
    m_window->statusBar()->clearMessage();
}

void AppDelegate::OnRemovePhoto()
{
    m_project.removeAt(m_project.selectedIndex());
}

void AppDelegate::OnMovePhotoUp()
{
    m_project.move(m_project.selectedIndex(), -1);
}

void AppDelegate::OnMovePhotoDown()
{
    m_project.move(m_project.selectedIndex(), +1);
}

qint64 AppDelegate::selectedTableRow() const
{
    if (!tablePhotos || !tablePhotos->selectionModel())
        return -1;
    const QModelIndexList rows = tablePhotos->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void AppDelegate::refreshTablePhotos()
{
    m_followingSelection = true;
    m_tableModel->reload();
    m_followingSelection = false;
    followSelection();
}

// The table shows the document's selection; setting it is not a user's choice.
void AppDelegate::followSelection()
{
    if (!tablePhotos || selectedTableRow() == m_project.selectedIndex())
        return;
    m_followingSelection = true;
    if (m_project.selectedIndex() >= 0)
        tablePhotos->selectRow(int(m_project.selectedIndex()));
    else
        tablePhotos->clearSelection();
    m_followingSelection = false;
}
