#include "imaging/MaskRaster.h"

#include "imaging/FloatOps.h"
#include "imaging/ImageConversion.h"
#include "imaging/Parallel.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

namespace {

constexpr float kInfinity = std::numeric_limits<float>::infinity();

// A span of pixel centres px on one row.
struct Interval {
    float lo = -kInfinity;
    float hi = kInfinity;
    bool empty() const { return !(lo <= hi); }
};

// Keeps the part of `span` where a px + b lies within [low, high].
void clip(Interval &span, float a, float b, float low, float high)
{
    if (std::fabs(a) < 1e-12f) {
        if (b < low || b > high)
            span.hi = -kInfinity;
        return;
    }
    float from = (low - b) / a, to = (high - b) / a;
    if (from > to)
        std::swap(from, to);
    span.lo = std::max(span.lo, from);
    span.hi = std::min(span.hi, to);
}

using Part = MaskRaster::Part;
using Stroke = MaskRaster::Stroke;

// The pixels of row py that lie in the part's region: for a body, those whose nearest
// point of the segment's line is on the segment and within the radius; for a wedge,
// those within the radius of the point past its incoming segment and before its
// outgoing one.
Interval partSpan(const Part &part, float py, float radius)
{
    Interval span;
    const float dy = py - part.ay;
    if (part.body) {
        clip(span, part.ux, dy * part.uy - part.ax * part.ux, 0.0f, part.length);
        clip(span, -part.uy, dy * part.ux + part.ax * part.uy, -radius, radius);
        return span;
    }
    const float half2 = radius * radius - dy * dy;
    if (half2 < 0.0f)
        return {0.0f, -1.0f};
    const float half = std::sqrt(half2);
    span = {part.ax - half, part.ax + half};
    if (part.hasIn)
        clip(span, part.ux, dy * part.uy - part.ax * part.ux, 0.0f, kInfinity);
    if (part.hasOut)
        clip(span, part.wx, dy * part.wy - part.ax * part.wx, -kInfinity, 0.0f);
    return span;
}

// The parts of a path of distinct points (pixels).
std::vector<Part> pathParts(const std::vector<QPointF> &points, float radius)
{
    std::vector<Part> parts;
    const size_t n = points.size();
    auto direction = [&](size_t i) {
        const QPointF d = points[i + 1] - points[i];
        const double length = std::hypot(d.x(), d.y());
        return std::pair{QPointF(d / length), float(length)};
    };
    for (size_t i = 0; i < n; ++i) {
        Part wedge{};
        wedge.ax = float(points[i].x());
        wedge.ay = float(points[i].y());
        wedge.top = wedge.ay - radius;
        wedge.bottom = wedge.ay + radius;
        if (i > 0) {
            const QPointF in = direction(i - 1).first;
            wedge.hasIn = true;
            wedge.ux = float(in.x());
            wedge.uy = float(in.y());
        }
        if (i + 1 < n) {
            const auto [out, length] = direction(i);
            wedge.hasOut = true;
            wedge.wx = float(out.x());
            wedge.wy = float(out.y());
            Part body = wedge;
            body.body = true;
            body.ux = float(out.x());
            body.uy = float(out.y());
            body.length = length;
            body.top = float(std::min(points[i].y(), points[i + 1].y())) - radius;
            body.bottom = float(std::max(points[i].y(), points[i + 1].y())) + radius;
            parts.push_back(body);
        }
        parts.push_back(wedge);
    }
    return parts;
}

Stroke prepareStroke(const MaskStroke &given, QSize size)
{
    Stroke stroke;
    stroke.target = given.show ? 1.0f : 0.0f;
    stroke.opacity = float(std::clamp(given.opacity, 0.0, 100.0) / 100.0);
    stroke.hardness = float(std::clamp(given.hardness, 0.0, 100.0) / 100.0);
    stroke.radius = float(given.size * 0.5 * size.width());
    std::vector<QPointF> points;
    for (const QPointF &point : given.points) {
        const QPointF pixel(point.x() * size.width(), point.y() * size.height());
        if (points.empty() || pixel != points.back())
            points.push_back(pixel);
    }
    stroke.parts = pathParts(points, stroke.radius);
    stroke.top = kInfinity;
    stroke.bottom = -kInfinity;
    for (const Part &part : stroke.parts) {
        stroke.top = std::min(stroke.top, part.top);
        stroke.bottom = std::max(stroke.bottom, part.bottom);
    }
    return stroke;
}

MaskRaster::Gradient prepareGradient(const MaskGradient &given, QSize size)
{
    const float w = float(size.width()), h = float(size.height());
    MaskRaster::Gradient gradient{};
    gradient.linear = given.type == MaskGradient::Linear;
    gradient.fx = float(given.from.x()) * w;
    gradient.fy = float(given.from.y()) * h;
    gradient.dx = float(given.to.x()) * w - gradient.fx;
    gradient.dy = float(given.to.y()) * h - gradient.fy;
    const float length2 = gradient.dx * gradient.dx + gradient.dy * gradient.dy;
    gradient.inverseLength2 = length2 > 0.0f ? 1.0f / length2 : 0.0f;
    gradient.radius = float(given.radius) * w;
    gradient.inner = std::min(float(given.inner) * w, gradient.radius);
    return gradient;
}

// m of each pixel multiplied by the gradient's.
// (The row holds whole vectors: the lanes past `count` are the padding's.)
SPAN_CLONES void gradientRow(const MaskRaster::Gradient &g, float py, int x0, int count, float *m)
{
    const float dy = py - g.fy;
    const vfloat lanes = vfloat{0.0f, 1.0f, 2.0f, 3.0f};
    const float left = float(x0) + 0.5f - g.fx;
    if (g.linear) {
        const float rowTerm = dy * g.dy * g.inverseLength2;
        const float step = g.dx * g.inverseLength2;
        for (int i = 0; i < count; i += kLanes) {
            const vfloat t = (left + (float(i) + lanes)) * step + rowTerm;
            store(m + i, load(m + i) * clamp01(1.0f - t));
        }
        return;
    }
    const float ramp = g.radius - g.inner;
    for (int i = 0; i < count; i += kLanes) {
        const vfloat dx = left + (float(i) + lanes);
        const vfloat d = sqrtf4(dx * dx + dy * dy);
        const vfloat shown = ramp > 0.0f ? clamp01((g.radius - d) * (1.0f / ramp))
                                         : select(d <= g.inner, splat(1.0f), splat(0.0f));
        store(m + i, load(m + i) * shown);
    }
}

// Pixels [from, to) out of reach, whole vectors at a time (the compiler leaves a plain
// fill of a float value unvectorised).
void fillOutOfReach(float *nearest, int from, int to)
{
    int i = from;
    for (; i + kLanes <= to; i += kLanes)
        store(nearest + i, splat(kInfinity));
    for (; i < to; ++i)
        nearest[i] = kInfinity;
}

// The nearest distance of pixels [first, last] is known; it grows to [from, to] too, the
// new pixels (and any gap between) starting out of reach.
void widenCleared(float *nearest, int &first, int &last, int from, int to)
{
    if (first > last) {
        fillOutOfReach(nearest, from, to + 1);
        first = from;
        last = to;
        return;
    }
    if (from < first)
        fillOutOfReach(nearest, from, first);
    if (to > last)
        fillOutOfReach(nearest, last + 1, to + 1);
    first = std::min(first, from);
    last = std::max(last, to);
}

// The brush's profile for distances in pixels: t = d / R, then 1 up to the hardness, a
// smoothstep down to 0 at t = 1 (a hard brush: 1 below t = 1).
struct BrushShape {
    float inverseRadius;
    float hardness;
    template <bool Hard> vfloat profile(vfloat d) const
    {
        const vfloat t = d * inverseRadius;
        if constexpr (Hard)
            return select(t < 1.0f, splat(1.0f), splat(0.0f));
        const vfloat s = clamp01((t - hardness) * (1.0f / (1.0f - hardness)));
        return 1.0f - s * s * (3.0f - 2.0f * s);
    }
};

// nearest = min(nearest, d) over pixels [from, to] of a part, d the distance from the
// stroke's path; dy and left are the row's and the first pixel's offsets from the part's
// point. Whole vectors are written, the lanes past `to` keeping what they held. The
// profile falls with the distance, so the stroke's coverage, the largest profile of its
// parts, is the profile of the nearest distance: it is taken once per pixel, after.
template <bool Body>
SPAN_CLONES void nearestOfPart(const MaskRaster::Part &part, float dy, float left, int from, int to,
                               float *nearest)
{
    const vint lanes = vint{0, 1, 2, 3};
    const float across = dy * part.ux - left * part.uy; // a body's signed distance at pixel 0
    const float uy = part.uy;
    for (int i = from; i <= to; i += kLanes) {
        const vfloat x = float(i) + vfloat{0.0f, 1.0f, 2.0f, 3.0f};
        vfloat d;
        if constexpr (Body) {
            d = absf(across - x * uy);
        } else {
            const vfloat dx = left + x;
            d = sqrtf4(dx * dx + dy * dy);
        }
        const vfloat before = load(nearest + i);
        store(nearest + i, select(lanes + i <= to, minf(before, d), before));
    }
}

// m += (target - m) a over pixels [first, last], a = opacity x profile(nearest).
template <bool Hard>
SPAN_CLONES void moveTowards(float *m, const float *nearest, int first, int last, const BrushShape brush,
                             float target, float opacity)
{
    const vint lanes = vint{0, 1, 2, 3};
    for (int i = first; i <= last; i += kLanes) {
        const vfloat before = load(m + i);
        const vfloat coverage = brush.profile<Hard>(load(nearest + i));
        const vfloat after = before + (target - before) * (opacity * coverage);
        store(m + i, select(lanes + i <= last, after, before));
    }
}

} // namespace

float brushProfile(float t, float hardness)
{
    if (t >= 1.0f)
        return 0.0f;
    if (t <= hardness)
        return 1.0f;
    const float s = (t - hardness) / (1.0f - hardness);
    return 1.0f - s * s * (3.0f - 2.0f * s);
}

MaskRaster::MaskRaster(const PhotoMask &mask, QSize size) : m_invert(mask.invert)
{
    for (const MaskGradient &gradient : mask.gradients)
        m_gradients.push_back(prepareGradient(gradient, size));
    for (const MaskStroke &stroke : mask.strokes)
        if (!stroke.points.isEmpty() && stroke.size > 0.0 && stroke.opacity > 0.0)
            m_strokes.push_back(prepareStroke(stroke, size));
}

void MaskRaster::strokeRow(const Stroke &stroke, float py, int x0, int x1, float *m, float *nearest) const
{
    int first = 0, last = -1; // the pixels any part reached, from x0
    const BrushShape brush{1.0f / stroke.radius, stroke.hardness};
    for (const Part &part : stroke.parts) {
        if (py < part.top || py > part.bottom)
            continue;
        const Interval span = partSpan(part, py, stroke.radius);
        if (span.empty())
            continue;
        const int from = std::max(0, int(std::ceil(span.lo - 0.5f)) - x0);
        const int to = std::min(x1 - 1, int(std::floor(span.hi - 0.5f))) - x0;
        if (from > to)
            continue;
        widenCleared(nearest, first, last, from, to);
        const float dy = py - part.ay, left = float(x0) + 0.5f - part.ax;
        if (part.body)
            nearestOfPart<true>(part, dy, left, from, to, nearest);
        else
            nearestOfPart<false>(part, dy, left, from, to, nearest);
    }
    // One pass of the brush moves m towards its target by its own coverage at most.
    if (first > last)
        return;
    if (brush.hardness >= 1.0f)
        moveTowards<true>(m, nearest, first, last, brush, stroke.target, stroke.opacity);
    else
        moveTowards<false>(m, nearest, first, last, brush, stroke.target, stroke.opacity);
}

void MaskRaster::row(const std::vector<Stroke> &strokes, int y, int x0, int x1, float *m,
                     float *scratch) const
{
    const int count = x1 - x0;
    const float py = float(y) + 0.5f;
    std::fill(m, m + count, 1.0f);
    for (const Gradient &gradient : m_gradients)
        gradientRow(gradient, py, x0, count, m);
    for (const Stroke &stroke : strokes)
        if (py >= stroke.top && py <= stroke.bottom)
            strokeRow(stroke, py, x0, x1, m, scratch);
    if (m_invert)
        for (int i = 0; i < count; ++i)
            m[i] = 1.0f - m[i];
}

void MaskRaster::forRows(int begin, int end, int x0, int x1, const RowUse &use) const
{
    // The strokes, with the parts of each, that reach these rows: most reach none.
    const float top = float(begin) + 0.5f, bottom = float(end) - 0.5f;
    std::vector<Stroke> reaching;
    for (const Stroke &stroke : m_strokes) {
        if (stroke.bottom < top || stroke.top > bottom)
            continue;
        Stroke near{
            stroke.target, stroke.opacity, stroke.radius, stroke.hardness, stroke.top, stroke.bottom, {}};
        for (const Part &part : stroke.parts)
            if (part.bottom >= top && part.top <= bottom)
                near.parts.push_back(part);
        reaching.push_back(std::move(near));
    }
    std::vector<float> m(size_t(x1 - x0 + kLanes)), scratch(size_t(x1 - x0 + kLanes));
    for (int y = begin; y < end; ++y) {
        row(reaching, y, x0, x1, m.data(), scratch.data());
        use(y, m.data());
    }
}

namespace {

// m x 255, rounded, for `count` pixels of a row padded to whole vectors.
SPAN_CLONES void maskLevels(const float *m, int count, uchar *levels)
{
    for (int x = 0; x < count; x += kLanes) {
        const vint level = __builtin_convertvector(clamp01(load(m + x)) * 255.0f + 0.5f, vint);
        for (int lane = 0; lane < kLanes && x + lane < count; ++lane)
            levels[x + lane] = uchar(level[lane]);
    }
}

// Each premultiplied channel times level / 255, rounded: (c level + 127) / 255, the
// division done as ((v + 1 + (v >> 8)) >> 8), which is exact for every v it meets.
inline void scaleChannels(const uchar *in, uchar *out, int level)
{
    quint32 pixel;
    std::memcpy(&pixel, in, 4);
    if (level != 255) {
        // Two channels at a time in 16-bit lanes: v = c level + 127 stays below 65 536.
        const quint32 l = quint32(level);
        quint32 rb = (pixel & 0x00ff00ffu) * l + 0x007f007fu;
        quint32 ag = ((pixel >> 8) & 0x00ff00ffu) * l + 0x007f007fu;
        rb = ((rb + 0x00010001u + ((rb >> 8) & 0x00ff00ffu)) >> 8) & 0x00ff00ffu;
        ag = (ag + 0x00010001u + ((ag >> 8) & 0x00ff00ffu)) & 0xff00ff00u;
        pixel = rb | ag;
    }
    std::memcpy(out, &pixel, 4);
}

} // namespace

QImage rasterizeMask(const PhotoMask &mask, QSize size)
{
    return rasterizeMask(mask, size, QRect(QPoint(0, 0), size));
}

QImage rasterizeMask(const PhotoMask &mask, QSize size, QRect rect)
{
    rect &= QRect(QPoint(0, 0), size);
    QImage levels(rect.size(), QImage::Format_Grayscale8);
    if (levels.isNull())
        return levels;
    const MaskRaster raster(mask, size);
    uchar *bits = levels.bits();
    const qsizetype stride = levels.bytesPerLine();
    parallelRows(rect.height(), [&](int begin, int end) {
        raster.forRows(
            rect.y() + begin, rect.y() + end, rect.x(), rect.right() + 1,
            [&](int y, const float *m) { maskLevels(m, rect.width(), bits + (y - rect.y()) * stride); });
    });
    return levels;
}

QImage applyMask(const QImage &pixels, const PhotoMask &mask)
{
    return applyMask(pixels, mask, pixels.size(), QPoint(0, 0));
}

QImage applyMask(const QImage &pixels, const PhotoMask &mask, QSize size, QPoint offset)
{
    if (mask.isEmpty() || pixels.isNull())
        return pixels;
    const QImage source = CGImageRefFromImage(pixels);
    QImage masked(source.size(), kCanonicalFormat);
    if (masked.isNull())
        return masked;
    const MaskRaster raster(mask, size);
    const int width = source.width();
    uchar *bits = masked.bits();
    const qsizetype stride = masked.bytesPerLine();
    parallelRows(source.height(), [&](int begin, int end) {
        std::vector<uchar> levels(static_cast<size_t>(width));
        raster.forRows(offset.y() + begin, offset.y() + end, offset.x(), offset.x() + width,
                       [&](int y, const float *m) {
                           maskLevels(m, width, levels.data());
                           const uchar *in = source.constScanLine(y - offset.y());
                           uchar *out = bits + (y - offset.y()) * stride;
                           for (int x = 0; x < width; ++x)
                               scaleChannels(in + 4 * x, out + 4 * x, levels[size_t(x)]);
                       });
    });
    return masked;
}
