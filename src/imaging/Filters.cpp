#include "imaging/Filters.h"

#include "imaging/FloatOps.h"
#include "imaging/ImageConversion.h"

#include <QRectF>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// ---- mask blend --------------------------------------------------------------------

// Over an opaque layer and background alpha is m + (1 - m), which is exactly 1 in
// float for every m in [0, 1]: only the colours need mixing.
inline __attribute__((always_inline)) void maskOpaqueSpan(const SpanF &layer, const SpanF &background,
                                                          const SpanF &mask, SpanF &o, int n)
{
    for (int i = 0; i < n; i += kLanes) {
        const vfloat l = load(mask.g + i), k = 1.0f - l;
        store(o.r + i, load(layer.r + i) * l + load(background.r + i) * k);
        store(o.g + i, load(layer.g + i) * l + load(background.g + i) * k);
        store(o.b + i, load(layer.b + i) * l + load(background.b + i) * k);
        store(o.a + i, splat(1.0f));
    }
}

// out = L m + B (1 - m) on premultiplied channels, m the mask's premultiplied linear
// green (decoded as such). Outside the mask m is 0, which also crops the layer to it.
SPAN_CLONES void maskSpan(SpanF *in, SpanF &o, SpanPlace place)
{
    const SpanF &layer = in[0], &background = in[1], &mask = in[2];
    if (layer.opaque && background.opaque)
        return maskOpaqueSpan(layer, background, mask, o, place.count);
    for (int i = 0; i < place.count; i += kLanes) {
        const vfloat m = load(mask.g + i);
        const vfloat l = load(layer.a + i) * m, k = load(background.a + i) * (1.0f - m);
        store(o.r + i, load(layer.r + i) * l + load(background.r + i) * k);
        store(o.g + i, load(layer.g + i) * l + load(background.g + i) * k);
        store(o.b + i, load(layer.b + i) * l + load(background.b + i) * k);
        store(o.a + i, l + k);
    }
}

// A masked photo is laid over the background through the shape: its alpha (the mask's
// m already in it) multiplies the shape's coverage, so that where the mask hides the
// photo the background shows. out = L m + B (1 - La m) on premultiplied channels.
SPAN_CLONES void maskOverSpan(SpanF *in, SpanF &o, SpanPlace place)
{
    const SpanF &layer = in[0], &background = in[1], &mask = in[2];
    for (int i = 0; i < place.count; i += kLanes) {
        const vfloat l = load(layer.a + i) * load(mask.g + i);
        const vfloat k = load(background.a + i) * (1.0f - l);
        store(o.r + i, load(layer.r + i) * l + load(background.r + i) * k);
        store(o.g + i, load(layer.g + i) * l + load(background.g + i) * k);
        store(o.b + i, load(layer.b + i) * l + load(background.b + i) * k);
        store(o.a + i, l + k);
    }
}

// The mask blend covers the background and the part of the layer inside the mask.
QSize maskExtent(const QImage &background, const QImage &layer, const QImage &mask)
{
    QSize shown(0, 0);
    if (!layer.isNull() && !mask.isNull())
        shown = layer.size().boundedTo(mask.size());
    if (shown.isEmpty())
        return unionExtent({background});
    return unionExtent({background}).expandedTo(shown);
}

// ---- swipe ----------------------------------------------------------------------------

// The swipe's inputs; those we never set keep their published defaults.
struct SwipeSettings {
    float time = 0.0f;
    float angle = 0.0f;
    QRectF extent{0, 0, 300, 300};
    float width = 300.0f;
    float opacity = 0.0f;
    std::array<float, 3> colour{1.0f, 1.0f, 1.0f}; // opaque white, linear
};

// The ramp, set up in single precision: s = clamp(d.p + z, 0, 1) with d the direction
// over the seam's width and z placing the ramp's middle by the time.
struct SwipeRamp {
    float dx, dy, z, opacity;
};

SwipeRamp swipeRamp(const SwipeSettings &settings)
{
    SwipeRamp ramp;
    const float w = std::max(settings.width, 0.1f);
    ramp.dx = std::cos(settings.angle) / w;
    ramp.dy = std::sin(settings.angle) / w;
    const QRectF &e = settings.extent;
    const float x0 = e.x(), x1 = e.x() + e.width(), y0 = e.y(), y1 = e.y() + e.height();
    const std::array<float, 4> corners{ramp.dx * x0 + ramp.dy * y0, ramp.dx * x1 + ramp.dy * y0,
                                       ramp.dx * x0 + ramp.dy * y1, ramp.dx * x1 + ramp.dy * y1};
    const float mn = *std::min_element(corners.begin(), corners.end());
    const float mx = *std::max_element(corners.begin(), corners.end());
    ramp.z = (1.0f - mn) + (mn - mx - 1.0f) * settings.time;
    ramp.opacity = std::clamp(settings.opacity, 0.0f, 1.0f);
    return ramp;
}

// The settings of the left-to-right (time 0.7) or bottom-to-top (time 0.5, angle pi/2)
// swipe, its geometry multiplied by `scale`.
SwipeSettings swipeSettings(bool vertical, float scale)
{
    SwipeSettings settings;
    settings.time = vertical ? 0.5f : 0.7f;
    if (vertical)
        settings.angle = 1.5707964f;
    settings.extent = QRectF(0, 0, settings.extent.width() * scale, settings.extent.height() * scale);
    settings.width *= scale;
    return settings;
}

// The ramp's s = clamp(d.p + z, 0, 1) at the centres of four pixels from column x.
inline vfloat rampAt(const SwipeRamp &ramp, float rowTerm, int x)
{
    const vfloat px = static_cast<float>(x) + vfloat{0.5f, 1.5f, 2.5f, 3.5f};
    return clamp01(ramp.dx * px + rowTerm);
}

// out = (T (1 - s) + I s)(1 - k) + colour k, with k = op * 2 min(s, 1 - s) the band.
void swipeBandSpan(const SwipeRamp &ramp, const std::array<float, 3> &colour, const SpanF *in, SpanF &o,
                   SpanPlace place)
{
    const SpanF &first = in[0], &second = in[1];
    const float rowTerm = ramp.dy * (static_cast<float>(place.y) + 0.5f) + ramp.z;
    for (int i = 0; i < place.count; i += kLanes) {
        const vfloat s = rampAt(ramp, rowTerm, place.x + i);
        const vfloat k = ramp.opacity * 2.0f * minf(s, 1.0f - s);
        const vfloat t = load(first.a + i) * (1.0f - s) * (1.0f - k);
        const vfloat u = load(second.a + i) * s * (1.0f - k);
        store(o.r + i, load(first.r + i) * t + load(second.r + i) * u + colour[0] * k);
        store(o.g + i, load(first.g + i) * t + load(second.g + i) * u + colour[1] * k);
        store(o.b + i, load(first.b + i) * t + load(second.b + i) * u + colour[2] * k);
        store(o.a + i, t + u + k);
    }
}

// Opacity 0 (the default) has no band: k = 0 drops out exactly. Over two opaque spans
// alpha (1 - s) + s is exactly 1 in float.
SPAN_CLONES void swipeSpan(const SwipeRamp &ramp, const std::array<float, 3> &colour, const SpanF *in,
                           SpanF &o, SpanPlace place)
{
    if (ramp.opacity != 0.0f)
        return swipeBandSpan(ramp, colour, in, o, place);
    const SpanF &first = in[0], &second = in[1];
    const bool opaque = first.opaque && second.opaque;
    const float rowTerm = ramp.dy * (static_cast<float>(place.y) + 0.5f) + ramp.z;
    for (int i = 0; i < place.count; i += kLanes) {
        const vfloat s = rampAt(ramp, rowTerm, place.x + i);
        const vfloat t = opaque ? 1.0f - s : load(first.a + i) * (1.0f - s);
        const vfloat u = opaque ? s : load(second.a + i) * s;
        store(o.r + i, load(first.r + i) * t + load(second.r + i) * u);
        store(o.g + i, load(first.g + i) * t + load(second.g + i) * u);
        store(o.b + i, load(first.b + i) * t + load(second.b + i) * u);
        store(o.a + i, opaque ? splat(1.0f) : t + u);
    }
}

QImage swipe(const QImage &first, const QImage &second, bool vertical, BlendSpace space, float scale,
             QImage *reuse)
{
    const SwipeSettings settings = swipeSettings(vertical, scale);
    const SwipeRamp ramp = swipeRamp(settings);
    const std::array<float, 3> colour = settings.colour;
    return renderSpans(
        unionExtent({first, second}), {first, second},
        [&ramp, &colour](SpanF *in, SpanF &out, SpanPlace place) { swipeSpan(ramp, colour, in, out, place); },
        {}, space, reuse);
}

// Over an opaque background a blend mode's result is linear in the layer's alpha
// (out = Cb + Sa (clamp01(f) - Cb)), so scaling an opaque layer's alpha by o is mixing
// the opaque result R with the background: out = B + o (R - B), alpha 1. This keeps the
// kernels' opaque paths.
SPAN_CLONES void mixOpaque(SpanF &out, const SpanF &background, float opacity, int count)
{
    for (int i = 0; i < count; i += kLanes) {
        const vfloat r = load(background.r + i), g = load(background.g + i), b = load(background.b + i);
        store(out.r + i, r + opacity * (load(out.r + i) - r));
        store(out.g + i, g + opacity * (load(out.g + i) - g));
        store(out.b + i, b + opacity * (load(out.b + i) - b));
    }
}

// The layer's alpha scaled by the opacity; the span is no longer known to be opaque.
SPAN_CLONES void scaleAlpha(SpanF &layer, float opacity, int count)
{
    for (int i = 0; i < count; i += kLanes)
        store(layer.a + i, load(layer.a + i) * opacity);
    layer.opaque = false;
}

// mixOpaque with each pixel's coverage times the opacity.
SPAN_CLONES void mixCovered(SpanF &out, const SpanF &background, const float *coverage, float opacity,
                            int count)
{
    for (int i = 0; i < count; i += kLanes) {
        const vfloat r = load(background.r + i), g = load(background.g + i), b = load(background.b + i);
        const vfloat c = load(coverage + i) * opacity;
        store(out.r + i, r + c * (load(out.r + i) - r));
        store(out.g + i, g + c * (load(out.g + i) - g));
        store(out.b + i, b + c * (load(out.b + i) - b));
    }
}

// The same by each pixel's coverage.
SPAN_CLONES void coverAlpha(SpanF &layer, const float *coverage, int count)
{
    for (int i = 0; i < count; i += kLanes)
        store(layer.a + i, load(layer.a + i) * load(coverage + i));
    layer.opaque = false;
}

} // namespace

namespace {

// The blend under a coverage given as a picture or as rows computed on the way.
QImage compositeUnder(const QImage &background, const QImage &layer, quint64 mode, float opacity,
                      BlendSpace space, const QImage &coverage, const RowCoverage *rows)
{
    if (mode >= static_cast<quint64>(kBlendModeCount))
        return CGImageRefFromImage(background);
    const BlendKernel kernel = blendTable()[mode].kernel;
    const QSize extent = unionExtent({background, layer});
    // NaN fails both comparisons and counts as fully opaque, like anything above 1.
    const bool scaled = opacity < 1.0f;
    const float o = scaled ? std::max(opacity, 0.0f) : 1.0f;
    const bool linearInAlpha = !blendTable()[mode].compositing;
    const bool covered = !coverage.isNull() || rows;
    std::vector<QImage> inputs{layer, background};
    if (covered)
        inputs.push_back(rows ? QImage() : coverage);
    return renderSpans(
        extent, inputs,
        [kernel, scaled, o, linearInAlpha, covered](SpanF *in, SpanF &out, SpanPlace place) {
            if (covered && !in[2].opaque) { // where the coverage is whole, the layer is as it is
                if (linearInAlpha && in[0].opaque && in[1].opaque) {
                    kernel(in[0], in[1], out, place.count);
                    return mixCovered(out, in[1], in[2].a, o, place.count);
                }
                coverAlpha(in[0], in[2].a, place.count);
            }
            if (scaled) {
                if (linearInAlpha && in[0].opaque && in[1].opaque) {
                    kernel(in[0], in[1], out, place.count);
                    return mixOpaque(out, in[1], o, place.count);
                }
                scaleAlpha(in[0], o, place.count);
            }
            kernel(in[0], in[1], out, place.count);
        },
        {SpanDecode::AllChannels, SpanDecode::AllChannels, SpanDecode::Coverage}, space, nullptr, rows);
}

} // namespace

QImage imageComposite(const QImage &background, const QImage &layer, quint64 mode, float opacity,
                      BlendSpace space, const QImage &coverage)
{
    return compositeUnder(background, layer, mode, opacity, space, coverage, nullptr);
}

QImage imageComposite(const QImage &background, const QImage &layer, quint64 mode, float opacity,
                      BlendSpace space, const RowCoverage &coverage)
{
    return compositeUnder(background, layer, mode, opacity, space, QImage(), &coverage);
}

QImage imageShape(const QImage &background, const QImage &layer, const QImage &mask, BlendSpace space)
{
    return renderSpans(maskExtent(background, layer, mask), {layer, background, mask}, maskSpan,
                       {SpanDecode::AllChannels, SpanDecode::AllChannels, SpanDecode::MaskGreen}, space);
}

QImage imageShapeOver(const QImage &background, const QImage &layer, const QImage &mask, BlendSpace space)
{
    return renderSpans(maskExtent(background, layer, mask), {layer, background, mask}, maskOverSpan,
                       {SpanDecode::AllChannels, SpanDecode::AllChannels, SpanDecode::MaskGreen}, space);
}

QImage imageSwipe(const QImage &first, const QImage &second, BlendSpace space, float scale, QImage *reuse)
{
    return swipe(first, second, false, space, scale, reuse);
}

QImage imageSwipeVertical(const QImage &first, const QImage &second, BlendSpace space, float scale,
                          QImage *reuse)
{
    return swipe(first, second, true, space, scale, reuse);
}

SwipeSpans::SwipeSpans(bool vertical, BlendSpace space, float scale) : m_tables(&colourTables(space))
{
    const SwipeSettings settings = swipeSettings(vertical, scale);
    const SwipeRamp ramp = swipeRamp(settings);
    m_dx = ramp.dx;
    m_dy = ramp.dy;
    m_z = ramp.z;
    m_opacity = ramp.opacity;
    m_colour = settings.colour;
}

int SwipeSpans::uniformSide(int x, int y, int count) const
{
    if (m_opacity != 0.0f || count <= 0)
        return -1;
    // s is monotonic along the row, so its two ends bound every pixel between them.
    const SwipeRamp ramp{m_dx, m_dy, m_z, m_opacity};
    const float rowTerm = ramp.dy * (static_cast<float>(y) + 0.5f) + ramp.z;
    const vfloat first = rampAt(ramp, rowTerm, x), last = rampAt(ramp, rowTerm, x + count - 1);
    if (first[0] == 0.0f && last[0] == 0.0f)
        return 0;
    if (first[0] == 1.0f && last[0] == 1.0f)
        return 1;
    return -1;
}

void SwipeSpans::mix(const QRgb *first, const QRgb *second, int x, int y, int count, QRgb *out) const
{
    const SwipeRamp ramp{m_dx, m_dy, m_z, m_opacity};
    SpanF in[2], result;
    decodeSpan(first, count, count, in[0], *m_tables);
    decodeSpan(second, count, count, in[1], *m_tables);
    swipeSpan(ramp, m_colour, in, result, {x, y, count});
    encodeSpan(result, count, out, *m_tables);
}
