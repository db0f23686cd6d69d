#include "app/PhotoTable.h"

#include "imaging/ReducedCopies.h"

#include <QAction>
#include <QCoreApplication>
#include <QDropEvent>
#include <QHeaderView>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QSet>

PhotoTableModel::PhotoTableModel(const PhotoProject &project, QObject *parent)
    : QAbstractTableModel(parent), m_project(project), m_rowCount(int(project.photos().size()))
{
}

int PhotoTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rowCount;
}

int PhotoTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 2;
}

QString PhotoTableModel::columnIdentifier(int column)
{
    return column == 0 ? QStringLiteral("key1") : column == 1 ? QStringLiteral("key2") : QString();
}

QVariant PhotoTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_project.photos().size())
        return {};
    const PhotoPtr &photo = m_project.photos().at(index.row());
    const QString column = columnIdentifier(index.column());
    if (column == "key1" && role == Qt::DecorationRole)
        return m_project.isLoading(photo) ? placeholder()
               : photo->image.isNull()    ? QVariant()
                                          : QVariant(thumbnail(*photo));
    if (column == "key2" && (role == Qt::DisplayRole || role == Qt::ToolTipRole))
        return photo->sName;
    // The thumbnail's cell, where the arrow keys land, is read with the photo's place.
    if (column == "key1" && role == Qt::AccessibleTextRole)
        return tr("Photo %1 of %2: %3").arg(index.row() + 1).arg(m_project.photos().size()).arg(photo->sName);
    if (role == Qt::SizeHintRole && column == "key1")
        return QSize(kThumbnailWidth + 8, kThumbnailHeight + 6);
    return {};
}

Qt::ItemFlags PhotoTableModel::flags(const QModelIndex &index) const
{
    const Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    return index.isValid() ? flags | Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled
                           : flags | Qt::ItemIsDropEnabled;
}

QStringList PhotoTableModel::mimeTypes() const
{
    return {QString::fromLatin1(kRowMimeType)};
}

QMimeData *PhotoTableModel::mimeData(const QModelIndexList &indexes) const
{
    if (indexes.isEmpty())
        return nullptr;
    auto *data = new QMimeData;
    data->setData(QString::fromLatin1(kRowMimeType), QByteArray::number(QCoreApplication::applicationPid()) +
                                                         ' ' + QByteArray::number(indexes.first().row()));
    return data;
}

// A row of this process's table: "PROCESS ROW".
int PhotoTableModel::draggedRow(const QMimeData *data)
{
    const QList<QByteArray> parts =
        data ? data->data(QString::fromLatin1(kRowMimeType)).split(' ') : QList<QByteArray>();
    bool number = false;
    const int row = parts.size() == 2 ? parts[1].toInt(&number) : -1;
    return number && parts[0] == QByteArray::number(QCoreApplication::applicationPid()) ? row : -1;
}

QVariant PhotoTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    return section == 0 ? tr("Photo") : tr("Name");
}

QVariant PhotoTableModel::placeholder()
{
    static const QPixmap loading = [] {
        QPixmap box(kThumbnailWidth, kThumbnailHeight);
        box.fill(QColor(96, 96, 96));
        QPainter painter(&box);
        painter.setPen(Qt::white);
        painter.drawText(box.rect(), Qt::AlignCenter, QStringLiteral("…"));
        return box;
    }();
    return loading;
}

// Made from the smallest reduced copy that is large enough, so that a big photo costs
// the main thread next to nothing.
QPixmap PhotoTableModel::thumbnail(const Object_Photo &photo) const
{
    const qint64 key = photo.image.cacheKey();
    auto found = m_thumbnails.constFind(key);
    if (found != m_thumbnails.constEnd())
        return *found;
    const bool copiesFit = photo.reducedCopies && photo.reducedCopies->sourceKey == key;
    const QImage image =
        copiesFit ? photo.reducedCopies->levelFor(photo.image, QSizeF(kThumbnailWidth, kThumbnailHeight))
                  : photo.image;
    const QImage small =
        image.scaled(kThumbnailWidth, kThumbnailHeight, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return *m_thumbnails.insert(key, QPixmap::fromImage(small));
}

void PhotoTableModel::reload()
{
    beginResetModel();
    // Forget the thumbnails of pictures no longer in the list.
    QSet<qint64> alive;
    for (const PhotoPtr &photo : m_project.photos())
        alive.insert(photo->image.cacheKey());
    for (auto it = m_thumbnails.begin(); it != m_thumbnails.end();)
        it = alive.contains(it.key()) ? std::next(it) : m_thumbnails.erase(it);
    m_rowCount = int(m_project.photos().size());
    endResetModel();
}

PhotoTable::PhotoTable(QWidget *parent) : QTableView(parent)
{
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(PhotoTableModel::kThumbnailHeight + 6);
    horizontalHeader()->setStretchLastSection(true);
    setIconSize(QSize(PhotoTableModel::kThumbnailWidth, PhotoTableModel::kThumbnailHeight));
    setDragEnabled(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDefaultDropAction(Qt::MoveAction);
    setDropIndicatorShown(true);
    auto *replace = new QAction(tr("Replace Photo…"), this);
    replace->setObjectName("tableReplacePhoto");
    replace->setShortcut(Qt::Key_F2);
    replace->setShortcutContext(Qt::WidgetShortcut);
    connect(replace, &QAction::triggered, this, [this] {
        if (currentIndex().isValid())
            emit replaceRequested(currentIndex().row());
    });
    addAction(replace);
}

void PhotoTable::mouseDoubleClickEvent(QMouseEvent *event)
{
    const QModelIndex index = indexAt(event->position().toPoint());
    if (index.isValid() && event->button() == Qt::LeftButton) {
        emit replaceRequested(index.row());
        return;
    }
    QTableView::mouseDoubleClickEvent(event);
}

int PhotoTable::dropRow(QPoint position) const
{
    const QModelIndex index = indexAt(position);
    return index.isValid() ? index.row() : model()->rowCount() - 1;
}

void PhotoTable::dragEnterEvent(QDragEnterEvent *event)
{
    if (PhotoTableModel::draggedRow(event->mimeData()) >= 0)
        event->acceptProposedAction();
    else
        event->ignore();
}

void PhotoTable::dragMoveEvent(QDragMoveEvent *event)
{
    if (PhotoTableModel::draggedRow(event->mimeData()) >= 0)
        QTableView::dragMoveEvent(event); // the drop indicator
    else
        event->ignore();
}

// The table makes no change itself: the document moves the photo.
void PhotoTable::dropEvent(QDropEvent *event)
{
    const int from = PhotoTableModel::draggedRow(event->mimeData());
    if (from < 0) {
        event->ignore();
        return;
    }
    const int to = dropRow(event->position().toPoint());
    event->setDropAction(Qt::CopyAction); // nothing for the view to remove afterwards
    event->accept();
    stopAutoScroll();
    setState(NoState);
    viewport()->update();
    if (to >= 0 && to != from)
        emit rowMoveRequested(from, to);
}

void PhotoTable::mousePressEvent(QMouseEvent *event)
{
    if (!indexAt(event->position().toPoint()).isValid()) {
        clearSelection();
        return;
    }
    QTableView::mousePressEvent(event);
}
