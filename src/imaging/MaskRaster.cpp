#include "imaging/MaskRaster.h"

#include "imaging/FloatOps.h"
#include "imaging/ImageConversion.h"
#include "imaging/Parallel.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <limits>
#include <memory>
#include <vector>

EIGHT_LANE_ABI_IS_INTERNAL

namespace {

constexpr float kInfinity = std::numeric_limits<float>::infinity();

using Part = MaskRaster::Part;
using PartLanes = MaskRaster::PartLanes;
using Stroke = MaskRaster::Stroke;

// A condition a px + b within [low, high] on a row's pixel centres px, with b = dy p + q
// for the row's offset dy from the part's point (q holds the point's own product, so b
// is the value the row's own products give).
struct Condition {
    float a, p, q, low, high;
};
// a = 0 leaves b = 0 within the bounds.
constexpr Condition kAlways{0.0f, 0.0f, 0.0f, -kInfinity, kInfinity};

// The two conditions of a part's region: for a body, along its segment (within its
// length) and across it (within the radius); for a wedge (a disc of the radius), past
// its incoming segment and before its outgoing one.
std::array<Condition, 2> regionOf(const Part &part, float radius)
{
    const Condition along{part.ux, part.uy, -(part.ax * part.ux), 0.0f, part.length};
    if (part.body)
        return {along, Condition{-part.uy, part.ux, part.ax * part.uy, -radius, radius}};
    return {part.hasIn ? Condition{along.a, along.p, along.q, 0.0f, kInfinity} : kAlways,
            part.hasOut ? Condition{part.wx, part.wy, -(part.ax * part.wx), -kInfinity, 0.0f} : kAlways};
}

// The parts, eight at a time; the lanes past the last part reach no row.
std::vector<PartLanes> partLanes(const std::vector<Part> &parts, float radius)
{
    constexpr int n = PartLanes::kCount;
    PartLanes none{};
    std::fill(none.top, none.top + n, kInfinity);
    std::fill(none.bottom, none.bottom + n, -kInfinity);
    std::vector<PartLanes> lanes((parts.size() + n - 1) / n, none);
    for (size_t i = 0; i < parts.size(); ++i) {
        const Part &part = parts[i];
        PartLanes &at = lanes[i / n];
        const size_t lane = i % n;
        at.top[lane] = part.top;
        at.bottom[lane] = part.bottom;
        at.ax[lane] = part.ax;
        at.ay[lane] = part.ay;
        at.wedge[lane] = part.body ? 0.0f : 1.0f;
        const std::array<Condition, 2> region = regionOf(part, radius);
        for (int k = 0; k < 2; ++k) {
            at.a[k][lane] = region[k].a;
            at.p[k][lane] = region[k].p;
            at.q[k][lane] = region[k].q;
            at.low[k][lane] = region[k].low;
            at.high[k][lane] = region[k].high;
        }
    }
    return lanes;
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

// The row loops take a vector of pixels at a time: eight where the processor has AVX,
// else four (withWidestLanes, once per row). Rows are padded to whole vectors of eight.
constexpr int kRowPadding = kLanes8;
template <class Pixels> constexpr int kWidth = int(sizeof(Pixels) / sizeof(float));
template <class Pixels> using IntsOf = decltype(Pixels{} < Pixels{});

// Each m's 8-bit level, round(255 m): what a rasterised mask stores, and what a mask
// computed as a blend renders is rounded to, so that the two give the same blend.
template <class Pixels> inline IntsOf<Pixels> levelsOf(Pixels m)
{
    return __builtin_convertvector(clamp01(m) * 255.0f + 0.5f, IntsOf<Pixels>);
}

// row[i] = next(i, row[i]) for the pixels i in [first, last], whole vectors at a time:
// the lanes of the last vector past `last` keep what they held.
template <class Pixels, class Next> inline void updateSpan(float *row, int first, int last, const Next &next)
{
    int i = first;
    for (; i + kWidth<Pixels> - 1 <= last; i += kWidth<Pixels>)
        store(row + i, next(i, load<Pixels>(row + i)));
    if (i <= last) {
        const Pixels before = load<Pixels>(row + i);
        store(row + i, select(float(i) + laneIndex<Pixels>() <= float(last), next(i, before), before));
    }
}

// The pixel index (of a row `count` long) at `x`, clamped to [-1, count].
inline int pixelIndex(double x, int count)
{
    return int(std::clamp(x, -1.0, double(count)));
}

// m over [first, last] of the row multiplied by `shown(i)`, whole vectors at a time.
template <class Pixels, class Shown>
inline void multiplySpan(float *m, int first, int last, const Shown &shown)
{
    if (first <= last)
        updateSpan<Pixels>(m, first, last, [&](int i, Pixels before) { return before * shown(i); });
}

// m over [first, last] of the row set to 0 (m times a gradient of 0: m is never negative).
template <class Pixels> inline void hideSpan(float *m, int first, int last)
{
    if (first <= last)
        updateSpan<Pixels>(m, first, last, [](int, Pixels) { return splat<Pixels>(0.0f); });
}

// m of each pixel multiplied by the gradient's. The gradient is computed only where it
// can lie between 0 and 1: beyond a margin of that span it is exactly 1 (m as it is) or
// exactly 0.
template <class Pixels> void gradientRow(const MaskRaster::Gradient &g, float py, int x0, int count, float *m)
{
    const float dy = py - g.fy;
    const float left = float(x0) + 0.5f - g.fx;
    if (g.linear) {
        const float rowTerm = dy * g.dy * g.inverseLength2;
        const float step = g.dx * g.inverseLength2;
        const auto shown = [&](int i) {
            const Pixels t = (left + (float(i) + laneIndex<Pixels>())) * step + rowTerm;
            return clamp01(1.0f - t);
        };
        if (!(std::fabs(step) > 0.0f)) {
            multiplySpan<Pixels>(m, 0, count - 1, shown);
            return;
        }
        // t runs from 0 to 1 between these pixels; a thousandth of t and two pixels spare.
        const double from = (-1e-3 - double(rowTerm)) / double(step) - double(left);
        const double to = (1.001 - double(rowTerm)) / double(step) - double(left);
        const int first = pixelIndex(std::floor(std::min(from, to)) - 2.0, count);
        const int last = pixelIndex(std::ceil(std::max(from, to)) + 2.0, count);
        multiplySpan<Pixels>(m, std::max(first, 0), std::min(last, count - 1), shown);
        if (step > 0.0f) // before `first` t < 0, after `last` t > 1
            hideSpan<Pixels>(m, last + 1, count - 1);
        else
            hideSpan<Pixels>(m, 0, first - 1);
        return;
    }
    const float ramp = g.radius - g.inner;
    const auto shown = [&](int i) {
        const Pixels dx = left + (float(i) + laneIndex<Pixels>());
        const Pixels d = sqrtv(dx * dx + dy * dy);
        return ramp > 0.0f ? clamp01((g.radius - d) * (1.0f / ramp))
                           : select(d <= g.inner, splat<Pixels>(1.0f), splat<Pixels>(0.0f));
    };
    // Beyond the radius (and a pixel) m is hidden; within the inner radius (less a pixel)
    // it stays; the ring between is computed, with a pixel spare.
    const double outer = double(g.radius) + 1.0, inner = double(g.inner) - 1.0, y = double(dy);
    if (std::fabs(y) >= outer) {
        hideSpan<Pixels>(m, 0, count - 1);
        return;
    }
    const double half = std::sqrt(outer * outer - y * y);
    const int first = pixelIndex(std::floor(-half - double(left)) - 1.0, count);
    const int last = pixelIndex(std::ceil(half - double(left)) + 1.0, count);
    hideSpan<Pixels>(m, 0, first - 1);
    hideSpan<Pixels>(m, last + 1, count - 1);
    if (inner <= 0.0 || std::fabs(y) >= inner) {
        multiplySpan<Pixels>(m, std::max(first, 0), std::min(last, count - 1), shown);
        return;
    }
    const double kept = std::sqrt(inner * inner - y * y);
    const int keptFirst = pixelIndex(std::ceil(-kept - double(left)) + 1.0, count);
    const int keptLast = pixelIndex(std::floor(kept - double(left)) - 1.0, count);
    multiplySpan<Pixels>(m, std::max(first, 0), std::min(keptFirst - 1, last), shown);
    multiplySpan<Pixels>(m, std::max({keptLast + 1, keptFirst, first}), std::min(last, count - 1), shown);
}

// Pixels [from, to) out of reach.
template <class Pixels> inline void fillOutOfReach(float *nearest, int from, int to)
{
    updateSpan<Pixels>(nearest, from, to - 1, [](int, Pixels) { return splat<Pixels>(kInfinity); });
}

// The nearest distance of pixels [first, last] is known; it grows to [from, to] too, the
// new pixels (and any gap between) starting out of reach.
template <class Pixels> inline void widenCleared(float *nearest, int &first, int &last, int from, int to)
{
    if (first > last) {
        fillOutOfReach<Pixels>(nearest, from, to + 1);
        first = from;
        last = to;
        return;
    }
    if (from < first)
        fillOutOfReach<Pixels>(nearest, from, first);
    if (to > last)
        fillOutOfReach<Pixels>(nearest, last + 1, to + 1);
    first = std::min(first, from);
    last = std::max(last, to);
}

// The brush's profile for distances in pixels: t = d / R, then 1 up to the hardness, a
// smoothstep down to 0 at t = 1 (a hard brush: 1 below t = 1).
struct BrushShape {
    float inverseRadius;
    float hardness;
    template <bool Hard, class Pixels> Pixels profile(Pixels d) const
    {
        const Pixels t = d * inverseRadius;
        if constexpr (Hard)
            return select(t < 1.0f, splat<Pixels>(1.0f), splat<Pixels>(0.0f));
        const Pixels s = clamp01((t - hardness) * (1.0f / (1.0f - hardness)));
        return 1.0f - s * s * (3.0f - 2.0f * s);
    }
};

// nearest = min(nearest, d) over pixels [from, to] of a part, d the distance from the
// stroke's path; dy and left are the row's and the first pixel's offsets from the part's
// point. The profile falls with the distance, so the stroke's coverage, the largest
// profile of its parts, is the profile of the nearest distance: it is taken once per
// pixel, after.
template <bool Body, class Pixels>
inline void nearestOfPart(const MaskRaster::Part &part, float dy, float left, int from, int to,
                          float *nearest)
{
    const float across = dy * part.ux - left * part.uy; // a body's signed distance at pixel 0
    const float uy = part.uy;
    updateSpan<Pixels>(nearest, from, to, [&](int i, Pixels before) {
        const Pixels x = float(i) + laneIndex<Pixels>();
        if constexpr (Body)
            return minf(before, absf(across - x * uy));
        const Pixels dx = left + x;
        return minf(before, sqrtv(dx * dx + dy * dy));
    });
}

// m += (target - m) a over pixels [first, last], a = opacity x profile(nearest).
template <bool Hard, class Pixels>
inline void moveTowards(float *m, const float *nearest, int first, int last, const BrushShape brush,
                        float target, float opacity)
{
    updateSpan<Pixels>(m, first, last, [&](int i, Pixels before) {
        const Pixels coverage = brush.profile<Hard>(load<Pixels>(nearest + i));
        return before + (target - before) * (opacity * coverage);
    });
}

// The pixel centres of row py in the regions of the parts in lanes [at, at + width) of
// `parts`: [lo, hi] unless `none`.
template <class Pixels> struct LaneBounds {
    Pixels lo, hi;
    IntsOf<Pixels> none;
};
template <class Pixels>
inline LaneBounds<Pixels> laneBounds(const PartLanes &parts, int at, float py, float radius)
{
    const Pixels dy = py - load<Pixels>(parts.ay + at), ax = load<Pixels>(parts.ax + at);
    const Pixels half2 = radius * radius - dy * dy; // a wedge's disc: its chord
    const Pixels half = sqrtv(maxf(half2, splat<Pixels>(0.0f)));
    const IntsOf<Pixels> wedge = load<Pixels>(parts.wedge + at) != 0.0f;
    LaneBounds<Pixels> bounds{select(wedge, ax - half, splat<Pixels>(-kInfinity)),
                              select(wedge, ax + half, splat<Pixels>(kInfinity)),
                              (py < load<Pixels>(parts.top + at)) | (py > load<Pixels>(parts.bottom + at)) |
                                  (wedge & (half2 < 0.0f))};
    for (int k = 0; k < 2; ++k) {
        const Pixels a = load<Pixels>(parts.a[k] + at);
        const Pixels b = dy * load<Pixels>(parts.p[k] + at) + load<Pixels>(parts.q[k] + at);
        const Pixels low = load<Pixels>(parts.low[k] + at), high = load<Pixels>(parts.high[k] + at);
        const IntsOf<Pixels> flat = absf(a) < 1e-12f; // the row parallel to the condition's lines
        const Pixels divisor = select(flat, splat<Pixels>(1.0f), a);
        const Pixels first = (low - b) / divisor, second = (high - b) / divisor;
        bounds.none |= flat & ((b < low) | (b > high));
        bounds.lo = select(flat, bounds.lo, maxf(bounds.lo, minf(first, second)));
        bounds.hi = select(flat, bounds.hi, minf(bounds.hi, maxf(first, second)));
    }
    bounds.none |= ~(bounds.lo <= bounds.hi);
    return bounds;
}

// The whole numbers at or above, and at or below, values well within the int range.
template <class Pixels> inline IntsOf<Pixels> roundedUp(Pixels v)
{
    const IntsOf<Pixels> cut = __builtin_convertvector(v, IntsOf<Pixels>); // towards 0
    return cut - (__builtin_convertvector(cut, Pixels) < v);               // true is -1
}
template <class Pixels> inline IntsOf<Pixels> roundedDown(Pixels v)
{
    const IntsOf<Pixels> cut = __builtin_convertvector(v, IntsOf<Pixels>);
    return cut + (__builtin_convertvector(cut, Pixels) > v);
}

// Pixels [from, to] (from x0) of row py in the regions of eight parts; from > to for none.
template <class Pixels>
inline void laneSpans(const PartLanes &parts, float py, float radius, int x0, int x1, int *from, int *to)
{
    using Ints = IntsOf<Pixels>;
    for (int at = 0; at < PartLanes::kCount; at += kWidth<Pixels>) {
        const LaneBounds<Pixels> bounds = laneBounds<Pixels>(parts, at, py, radius);
        // The first and last centres within, as indices; bounds beyond a pixel or two past
        // the row are moved to there, which keeps the indices and makes the conversion exact.
        const float before = float(x0) - 2.0f, after = float(x1) + 2.0f;
        const Ints first = roundedUp(clampf(bounds.lo - 0.5f, before, after)) - x0;
        const Ints last = roundedDown(clampf(bounds.hi - 0.5f, before, after)) - x0;
        const Ints firstIn = first > 0 ? first : 0;
        const Ints lastIn = bounds.none ? -1 : last < x1 - 1 - x0 ? last : x1 - 1 - x0;
        std::memcpy(from + at, &firstIn, sizeof firstIn);
        std::memcpy(to + at, &lastIn, sizeof lastIn);
    }
}

// One stroke over pixels [x0, x1) of row py: the nearest distance from its path of each
// pixel a part reaches, in `nearest`, then m moved towards the stroke's target.
template <class Pixels>
void strokeRow(const Stroke &stroke, float py, int x0, int x1, float *m, float *nearest)
{
    constexpr int n = PartLanes::kCount;
    int first = 0, last = -1; // the pixels any part reached, from x0
    for (size_t group = 0; group < stroke.lanes.size(); ++group) {
        int from[n], to[n];
        laneSpans<Pixels>(stroke.lanes[group], py, stroke.radius, x0, x1, from, to);
        for (int lane = 0; lane < n; ++lane) {
            if (from[lane] > to[lane])
                continue;
            const Part &part = stroke.parts[group * n + size_t(lane)];
            widenCleared<Pixels>(nearest, first, last, from[lane], to[lane]);
            const float dy = py - part.ay, left = float(x0) + 0.5f - part.ax;
            if (part.body)
                nearestOfPart<true, Pixels>(part, dy, left, from[lane], to[lane], nearest);
            else
                nearestOfPart<false, Pixels>(part, dy, left, from[lane], to[lane], nearest);
        }
    }
    // One pass of the brush moves m towards its target by its own coverage at most.
    if (first > last)
        return;
    const BrushShape brush{1.0f / stroke.radius, stroke.hardness};
    if (brush.hardness >= 1.0f)
        moveTowards<true, Pixels>(m, nearest, first, last, brush, stroke.target, stroke.opacity);
    else
        moveTowards<false, Pixels>(m, nearest, first, last, brush, stroke.target, stroke.opacity);
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

MaskRaster::MaskRaster(const PhotoMask &mask, QSize size, bool asLevels)
    : m_invert(mask.invert), m_asLevels(asLevels)
{
    for (const MaskGradient &gradient : mask.gradients)
        m_gradients.push_back(prepareGradient(gradient, size));
    for (const MaskStroke &stroke : mask.strokes)
        if (!stroke.points.isEmpty() && stroke.size > 0.0 && stroke.opacity > 0.0)
            m_strokes.push_back(prepareStroke(stroke, size));
}

void MaskRaster::row(const std::vector<Stroke> &strokes, int y, int x0, int x1, float *m,
                     float *scratch) const
{
    const int count = x1 - x0;
    const float py = float(y) + 0.5f;
    std::fill(m, m + count, 1.0f);
    withWidestLanes([&]<class Pixels>() {
        for (const Gradient &gradient : m_gradients)
            gradientRow<Pixels>(gradient, py, x0, count, m);
        for (const Stroke &stroke : strokes)
            if (py >= stroke.top && py <= stroke.bottom)
                strokeRow<Pixels>(stroke, py, x0, x1, m, scratch);
        if (!m_invert && !m_asLevels)
            return;
        for (int i = 0; i < count; i += kWidth<Pixels>) {
            Pixels v = load<Pixels>(m + i);
            if (m_invert)
                v = 1.0f - v;
            if (m_asLevels)
                v = levelAlphas(__builtin_convertvector(levelsOf(v), Pixels));
            store(m + i, v);
        }
    });
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
            stroke.target, stroke.opacity, stroke.radius, stroke.hardness, stroke.top, stroke.bottom, {}, {}};
        for (const Part &part : stroke.parts)
            if (part.bottom >= top && part.top <= bottom)
                near.parts.push_back(part);
        near.lanes = partLanes(near.parts, near.radius);
        reaching.push_back(std::move(near));
    }
    std::vector<float> m(size_t(x1 - x0 + kRowPadding)), scratch(size_t(x1 - x0 + kRowPadding));
    for (int y = begin; y < end; ++y) {
        row(reaching, y, x0, x1, m.data(), scratch.data());
        use(y, m.data());
    }
}

namespace {

// m x 255, rounded, for `count` pixels of a row padded to whole vectors.
SPAN_CLONES __attribute__((flatten)) void maskLevels(const float *m, int count, uchar *levels)
{
    auto at = [&](int x) {
        const vint level = levelsOf(load(m + x));
#if defined(__SSE2__)
        // Each in [0, 255]: two saturating packs keep them as they are.
        const __m128i words = _mm_packs_epi32(__m128i(level), __m128i(level));
        return _mm_cvtsi128_si32(_mm_packus_epi16(words, words));
#else
        using Levels = uchar __attribute__((vector_size(kLanes)));
        return __builtin_convertvector(level, Levels);
#endif
    };
    int x = 0;
    for (; x + kLanes <= count; x += kLanes) {
        const auto bytes = at(x);
        std::memcpy(levels + x, &bytes, kLanes);
    }
    if (x < count) {
        const auto bytes = at(x);
        std::memcpy(levels + x, &bytes, size_t(count - x));
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
            rect.y() + begin, rect.y() + end, rect.x(), rect.right() + 1, [&](int y, const float *m) {
                uchar *row = bits + (y - rect.y()) * stride;
                maskLevels(m, rect.width(), row);
                std::memset(row + rect.width(), 0, size_t(stride - rect.width())); // no stray bytes
            });
    });
    return levels;
}

RowCoverage maskRows(const PhotoMask &mask, QSize size)
{
    return maskRows(mask, size, QRect(QPoint(0, 0), size));
}

RowCoverage maskRows(const PhotoMask &mask, QSize size, QRect rect)
{
    rect &= QRect(QPoint(0, 0), size);
    auto raster = std::make_shared<const MaskRaster>(mask, size, true);
    return {rect.size(), [raster, rect](int begin, int end, const RowCoverage::RowUse &use) {
                raster->forRows(rect.y() + begin, rect.y() + end, rect.x(), rect.right() + 1,
                                [&](int y, const float *m) { use(y - rect.y(), m); });
            }};
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
