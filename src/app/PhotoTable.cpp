#include "app/PhotoTable.h"

#include "imaging/ReducedCopies.h"

#include <QHeaderView>
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
    if (role == Qt::SizeHintRole && column == "key1")
        return QSize(kThumbnailWidth + 8, kThumbnailHeight + 6);
    return {};
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
}

void PhotoTable::mousePressEvent(QMouseEvent *event)
{
    if (!indexAt(event->position().toPoint()).isValid()) {
        clearSelection();
        return;
    }
    QTableView::mousePressEvent(event);
}
