#include "imaging/ReducedCopies.h"

#include "imaging/ImageConversion.h"
#include "imaging/Parallel.h"

#include <algorithm>

namespace {

// A copy may be drawn this much larger than it is: a pass holds up to twice the pixels
// the view shows, so the view still gets more than it shows.
constexpr double kMostEnlargement = 1.25;

// Rounded average of four premultiplied pixels, two channels per 32-bit lane pair:
// each 16-bit lane sums four bytes (at most 1020) and cannot carry into its neighbour.
inline quint32 average4(quint32 a, quint32 b, quint32 c, quint32 d)
{
    constexpr quint32 m = 0x00FF00FF;
    constexpr quint32 half = 0x00020002;
    const quint32 rb = (a & m) + (b & m) + (c & m) + (d & m) + half;
    const quint32 ag = ((a >> 8) & m) + ((b >> 8) & m) + ((c >> 8) & m) + ((d >> 8) & m) + half;
    return ((rb >> 2) & m) | (((ag >> 2) & m) << 8);
}

// One row of an even halving: each pixel the average of the 2 x 2 block under it.
void halveRow(const QImage &source, QImage &target, int y)
{
    quint32 *out = reinterpret_cast<quint32 *>(target.scanLine(y));
    const quint32 *top = reinterpret_cast<const quint32 *>(source.constScanLine(2 * y));
    const quint32 *bottom = reinterpret_cast<const quint32 *>(source.constScanLine(2 * y + 1));
    for (int x = 0; x < target.width(); ++x)
        out[x] = average4(top[2 * x], top[2 * x + 1], bottom[2 * x], bottom[2 * x + 1]);
}

} // namespace

QImage halveImage(const QImage &picture)
{
    const QImage source = CGImageRefFromImage(picture);
    if (source.width() < 2 || source.height() < 2)
        return {};
    const QSize half(source.width() / 2, source.height() / 2);
    // An odd side cannot pair its pixels: each copy pixel then averages the fraction of
    // the picture it stands for (Qt's area-averaging scale), so that the copy covers the
    // picture evenly, as the passes that stretch it over the photo's rectangle assume.
    if (source.width() % 2 == 1 || source.height() % 2 == 1)
        return source.scaled(half, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
            .convertToFormat(kCanonicalFormat);
    QImage target(half, kCanonicalFormat);
    if (target.isNull())
        return {};
    target.bits(); // detached before the threads start
    parallelRows(target.height(), [&](int begin, int end) {
        for (int y = begin; y < end; ++y)
            halveRow(source, target, y);
    });
    return target;
}

QImage ReducedCopies::levelFor(const QImage &source, QSizeF pixels) const
{
    QImage chosen = source;
    for (const QImage &copy : levels) {
        if (copy.width() * kMostEnlargement < pixels.width() ||
            copy.height() * kMostEnlargement < pixels.height())
            break;
        chosen = copy;
    }
    return chosen;
}

qsizetype ReducedCopies::sizeInBytes() const
{
    qsizetype bytes = 0;
    for (const QImage &copy : levels)
        bytes += copy.sizeInBytes();
    return bytes;
}

std::shared_ptr<const ReducedCopies> buildReducedCopies(const QImage &picture)
{
    auto copies = std::make_shared<ReducedCopies>();
    copies->sourceKey = picture.cacheKey();
    for (QImage next = halveImage(picture); !next.isNull(); next = halveImage(copies->levels.back()))
        copies->levels.append(next);
    return copies;
}
