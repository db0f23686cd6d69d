#include "imaging/Filters.h"

#include "imaging/ImageConversion.h"

#include <QRectF>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// ---- mask blend --------------------------------------------------------------------

// out = L m + B (1 - m) on premultiplied channels, m the mask's premultiplied linear
// green. Outside the mask m is 0, which also crops the layer to the mask.
void maskSpan(const SpanF *in, SpanF &o, SpanPlace place)
{
    const SpanF &layer = in[0], &background = in[1], &mask = in[2];
    for (int i = 0; i < place.count; ++i) {
        const float m = mask.g[i] * mask.a[i];
        const float l = layer.a[i] * m, k = background.a[i] * (1.0f - m);
        o.r[i] = layer.r[i] * l + background.r[i] * k;
        o.g[i] = layer.g[i] * l + background.g[i] * k;
        o.b[i] = layer.b[i] * l + background.b[i] * k;
        o.a[i] = l + k;
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

    explicit SwipeRamp(const SwipeSettings &settings)
    {
        const float w = std::max(settings.width, 0.1f);
        dx = std::cos(settings.angle) / w;
        dy = std::sin(settings.angle) / w;
        const QRectF &e = settings.extent;
        const float x0 = e.x(), x1 = e.x() + e.width(), y0 = e.y(), y1 = e.y() + e.height();
        const std::array<float, 4> corners{dx * x0 + dy * y0, dx * x1 + dy * y0, dx * x0 + dy * y1,
                                           dx * x1 + dy * y1};
        const float mn = *std::min_element(corners.begin(), corners.end());
        const float mx = *std::max_element(corners.begin(), corners.end());
        z = (1.0f - mn) + (mn - mx - 1.0f) * settings.time;
        opacity = std::clamp(settings.opacity, 0.0f, 1.0f);
    }
};

// out = (T (1 - s) + I s)(1 - k) + colour k, with k = op * 2 min(s, 1 - s) the band.
void swipeSpan(const SwipeRamp &ramp, const std::array<float, 3> &colour, const SpanF *in,
               SpanF &o, SpanPlace place)
{
    const SpanF &first = in[0], &second = in[1];
    const float rowTerm = ramp.dy * (static_cast<float>(place.y) + 0.5f) + ramp.z;
    for (int i = 0; i < place.count; ++i) {
        const float px = static_cast<float>(place.x + i) + 0.5f;
        const float s = std::clamp(ramp.dx * px + rowTerm, 0.0f, 1.0f);
        const float k = ramp.opacity * 2.0f * std::min(s, 1.0f - s);
        const float t = first.a[i] * (1.0f - s) * (1.0f - k), u = second.a[i] * s * (1.0f - k);
        o.r[i] = first.r[i] * t + second.r[i] * u + colour[0] * k;
        o.g[i] = first.g[i] * t + second.g[i] * u + colour[1] * k;
        o.b[i] = first.b[i] * t + second.b[i] * u + colour[2] * k;
        o.a[i] = t + u + k;
    }
}

QImage swipe(const QImage &first, const QImage &second, const SwipeSettings &settings)
{
    const SwipeRamp ramp(settings);
    const std::array<float, 3> colour = settings.colour;
    return renderSpans(unionExtent({first, second}), {first, second},
                       [&ramp, &colour](const SpanF *in, SpanF &out, SpanPlace place) {
                           swipeSpan(ramp, colour, in, out, place);
                       });
}

} // namespace

QImage imageComposite(const QImage &background, const QImage &layer, quint64 mode)
{
    if (mode >= static_cast<quint64>(kBlendModeCount))
        return CGImageRefFromImage(background);
    const BlendKernel kernel = blendTable()[mode].kernel;
    return renderSpans(unionExtent({background, layer}), {layer, background},
                       [kernel](const SpanF *in, SpanF &out, SpanPlace place) {
                           kernel(in[0], in[1], out, place.count);
                       });
}

QImage imageShape(const QImage &background, const QImage &layer, const QImage &mask)
{
    return renderSpans(maskExtent(background, layer, mask), {layer, background, mask}, maskSpan);
}

QImage imageSwipe(const QImage &first, const QImage &second)
{
    SwipeSettings settings;
    settings.time = 0.7f;
    return swipe(first, second, settings);
}

QImage imageSwipeVertical(const QImage &first, const QImage &second)
{
    SwipeSettings settings;
    settings.time = 0.5f;
    settings.angle = 1.5707964f;
    return swipe(first, second, settings);
}
