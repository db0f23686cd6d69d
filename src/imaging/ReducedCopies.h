#pragma once

#include <QImage>
#include <QList>

#include <memory>

// Reduced copies of a picture for passes that only feed the view: repeated halvings to
// floor(w / 2) x floor(h / 2), each pixel the rounded average of the 2 x 2 block of
// premultiplied sRGB values under it, or, for an odd side, of the area it stands for,
// so that every copy covers the picture evenly. Halving stops once a side would drop
// below one pixel. Together the copies take at most a third of the picture's memory.
struct ReducedCopies {
    qint64 sourceKey = 0; // QImage::cacheKey() of the picture they were made from
    QList<QImage> levels; // levels[k - 1] is the k-th halving

    // The smallest copy that a drawing of `pixels` enlarges by at most a quarter, or
    // the source itself when no copy is that large.
    QImage levelFor(const QImage &source, QSizeF pixels) const;
    qsizetype sizeInBytes() const;
};

// Builds every halving of `picture` (any format; the copies are canonical), each on
// all the imaging threads.
std::shared_ptr<const ReducedCopies> buildReducedCopies(const QImage &picture);

// One halving: floor(w / 2) x floor(h / 2); a null image for a side under two pixels.
QImage halveImage(const QImage &picture);
