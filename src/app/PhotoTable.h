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
// selection.
class PhotoTable : public QTableView {
    Q_OBJECT
  public:
    explicit PhotoTable(QWidget *parent = nullptr);

  protected:
    void mousePressEvent(QMouseEvent *event) override;
};
