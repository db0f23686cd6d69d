#include "model/PhotoAlignment.h"

#include <cmath>

namespace {

// Below this a determinant of a normalised mapping is no mapping at all: the photo
// would shrink to less than a millionth of the background.
constexpr double kSmallestDeterminant = 1e-12;

QTransform fromRows(const PhotoAlignment &h)
{
    return QTransform(h[0], h[3], h[6], h[1], h[4], h[7], h[2], h[5], h[8]);
}

} // namespace

bool isUsableAlignment(const PhotoAlignment &h)
{
    for (const double value : h)
        if (!std::isfinite(value))
            return false;
    if (!(std::abs(fromRows(h).determinant()) > kSmallestDeterminant))
        return false;
    for (const double x : {0.0, 1.0})
        for (const double y : {0.0, 1.0})
            if (!(h[6] * x + h[7] * y + h[8] > 0.0))
                return false;
    return true;
}

QTransform alignmentInPixels(const PhotoAlignment &h, QSizeF from, QSizeF to)
{
    // Pixels of `from` to its normalised coordinates, the mapping, then out to `to`.
    const QTransform in = QTransform::fromScale(1.0 / from.width(), 1.0 / from.height());
    const QTransform out = QTransform::fromScale(to.width(), to.height());
    return in * fromRows(h) * out;
}

PhotoAlignment alignmentFromPixels(const QTransform &pixels, QSizeF from, QSizeF to)
{
    const QTransform in = QTransform::fromScale(from.width(), from.height());
    const QTransform out = QTransform::fromScale(1.0 / to.width(), 1.0 / to.height());
    const QTransform t = in * pixels * out;
    // Scaled so that the last number is 1, as a homography is usually written.
    const double s = std::abs(t.m33()) > 0.0 ? 1.0 / t.m33() : 1.0;
    return {t.m11() * s, t.m21() * s, t.m31() * s, t.m12() * s, t.m22() * s,
            t.m32() * s, t.m13() * s, t.m23() * s, t.m33() * s};
}

QPointF mapNormalised(const PhotoAlignment &h, QPointF p)
{
    const double w = h[6] * p.x() + h[7] * p.y() + h[8];
    return {(h[0] * p.x() + h[1] * p.y() + h[2]) / w, (h[3] * p.x() + h[4] * p.y() + h[5]) / w};
}
