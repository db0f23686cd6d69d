#pragma once

#include <QImage>
#include <QList>

#include <memory>

// Reduced copies of a picture for passes that only feed the view: repeated halvings,
// each pixel the rounded average of the 2 x 2 block of premultiplied sRGB values under
// it; an odd last column or row folds into the block before it (a 3-wide block), so
// every halving covers the whole picture. Halving stops once a side would drop below
// one pixel. Together the copies take at most a third of the picture's own memory.
struct Reduced_Copies {
    qint64 sourceKey = 0; // QImage::cacheKey() of the picture they were made from
    QList<QImage> levels; // levels[k - 1] is the k-th halving

    // The smallest copy that a drawing of `pixels` enlarges by at most a quarter, or
    // the source itself when no copy is that large.
    QImage levelFor(const QImage &source, QSizeF pixels) const;
    qsizetype sizeInBytes() const;
};

// Builds every halving of `picture` (any format; the copies are canonical), each on
// all the imaging threads.
std::shared_ptr<const Reduced_Copies> Build_Reduced_Copies(const QImage &picture);

// One halving: floor(w / 2) x floor(h / 2); a null image for a side under two pixels.
QImage Halve_Image(const QImage &picture);
