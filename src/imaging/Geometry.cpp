#include "imaging/Geometry.h"

#include "imaging/ImageConversion.h"
#include "imaging/LowerLeft.h"

#include <algorithm>
#include <cmath>

namespace {

// The frame's search walks a ladder of sizes: the width moves by `step`, the height is
// always derived from the width through the single-precision ratio.
struct Ladder {
    double step;  // one fiftieth of the starting width, single precision
    double ratio; // width / height, single precision (infinite for a zero height)
    double heightOf(double width) const { return width / ratio; }
};

// A grow that would take more than this many steps starts near its end instead of
// walking every rung (only reachable with tiny pictures in huge boxes).
constexpr double kMaxWalkedSteps = 100000.0;
// A shrink ends after at most 51 steps; this bound only protects against rounding.
constexpr int kMaxShrinkSteps = 64;

// Rounds to single precision and widens again. The volatile store keeps the rounding:
// GCC 12 at -O2 vectorises the origin's two halves and drops a plain float cast.
double toSingle(double value)
{
    volatile float rounded = static_cast<float>(value);
    return rounded;
}

bool isSound(QSizeF inner, QSizeF outer)
{
    const double values[] = {inner.width(), inner.height(), outer.width(), outer.height()};
    for (double v : values) {
        if (!std::isfinite(v) || v < 0.0)
            return false;
    }
    return inner.width() > 0.0;
}

QSizeF grow(QSizeF start, QSizeF box, const Ladder &ladder)
{
    double cw = start.width();
    double ch = start.height();
    const double limitW = std::min(box.width(), box.height() * ladder.ratio);
    const double rungs = std::floor((limitW - cw) / ladder.step);
    if (rungs > kMaxWalkedSteps) {
        cw += (rungs - 2.0) * ladder.step;
        ch = ladder.heightOf(cw);
    }
    for (;;) {
        const double nw = cw + ladder.step;
        const double nh = ladder.heightOf(nw);
        if (nw > box.width() || nh > box.height())
            return {cw, ch};
        cw = nw;
        ch = nh;
        if (cw >= box.width() && ch >= box.height())
            return {cw, ch};
    }
}

QSizeF shrink(QSizeF start, QSizeF box, const Ladder &ladder)
{
    double cw = start.width();
    double ch = start.height();
    for (int i = 0; i < kMaxShrinkSteps; ++i) {
        cw -= ladder.step;
        ch = ladder.heightOf(cw);
        if (cw <= box.width() && ch <= box.height())
            return {cw, ch};
    }
    return {0.0, 0.0};
}

// Qt's smooth scaling averages every source pixel under a target pixel when shrinking
// (box filter) and interpolates when enlarging, on premultiplied values.
QImage averagedScale(const QImage &source, QSize grid)
{
    return source.scaled(grid, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(kCanonicalFormat);
}

int pixelSide(double side)
{
    const float rounded = static_cast<float>(side);
    if (!std::isfinite(rounded) || rounded > kLargestPixelSide)
        return 0;
    return std::max(0, static_cast<int>(std::lround(rounded)));
}

} // namespace

QSize resizedPixelSize(QSizeF target)
{
    return {pixelSide(target.width()), pixelSide(target.height())};
}

QSizeF imageSizeF(const QImage &image)
{
    if (image.isNull())
        return {0.0, 0.0};
    return QSizeF(image.width(), image.height());
}

QRectF return_Best_Fit_Frame(QSizeF inner, QSizeF outer)
{
    if (!isSound(inner, outer))
        return {0.0, 0.0, 0.0, 0.0};
    const double w = inner.width();
    const double h = inner.height();
    const Ladder ladder{toSingle(w / 50.0), toSingle(w / h)};
    if (!(ladder.step > 0.0) || !std::isfinite(ladder.step) || !(ladder.ratio > 0.0))
        return {0.0, 0.0, 0.0, 0.0};

    QSizeF size = inner;
    if (outer.width() > w && outer.height() > h)
        size = grow(inner, outer, ladder);
    else if (w > outer.width() || h > outer.height())
        size = shrink(inner, outer, ladder);

    const double x = toSingle((outer.width() - size.width()) * 0.5);
    const double y = toSingle((outer.height() - size.height()) * 0.5);
    return {x, y, size.width(), size.height()};
}

QImage Resize_Image_To_Fit_Size(const QImage &image, QSizeF target, double scale)
{
    const QSize grid = resizedPixelSize(target * scale);
    if (grid.isEmpty())
        return {};
    const QImage source = CGImageRefFromImage(image);
    if (source.isNull())
        return transparentCanvas(grid.width(), grid.height());
    if (source.size() == grid)
        return source;
    return averagedScale(source, grid);
}
