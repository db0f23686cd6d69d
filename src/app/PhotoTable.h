#pragma once

#include "model/PhotoProject.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QPixmap>
#include <QTableView>

// The photo table's data source: column "key1" shows a thumbnail of the whole photo,
// column "key2" its file name. Thumbnails are made once per picture, not per paint.
class PhotoTableModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    static constexpr int kThumbnailHeight = 56;
    static constexpr int kThumbnailWidth = 84;

    explicit PhotoTableModel(const PhotoProject &project, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    static QString columnIdentifier(int column); // "key1", "key2"

    // Rows are dragged within the table, as the row's number under this type.
    static constexpr const char *kRowMimeType = "application/x-quillane-photo-row";
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QStringList mimeTypes() const override;
    QMimeData *mimeData(const QModelIndexList &indexes) const override;
    Qt::DropActions supportedDropActions() const override { return Qt::MoveAction; }
    Qt::DropActions supportedDragActions() const override { return Qt::MoveAction; }
    // The row a drag carries, or -1.
    static int draggedRow(const QMimeData *data);

    // Full reload: the table asks for every row again.
    void reload();

  private:
    QPixmap thumbnail(const Object_Photo &photo) const;
    // What a row shows while its photo's file is still loading.
    static QVariant placeholder();

    const PhotoProject &m_project;
    int m_rowCount = 0;                          // the rows the view knows of: the list as at the last reload
    mutable QHash<qint64, QPixmap> m_thumbnails; // by QImage::cacheKey()
};

// The table view: one selected row at a time; a click on empty space clears the
// selection. A row dragged onto another asks to move there; F2 or a double click on a
// row asks to replace its photo.
class PhotoTable : public QTableView {
    Q_OBJECT
  public:
    explicit PhotoTable(QWidget *parent = nullptr);

  signals:
    void rowMoveRequested(int from, int to);
    void replaceRequested(int row);

  protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

  private:
    // Where a row dropped at `position` goes: the row there, the last below every row.
    int dropRow(QPoint position) const;
};
