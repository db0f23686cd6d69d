// The blend formulas. Colours are linear light; Cs is the layer's straight colour,
// Cb the background's, Sa and Ba their alphas.
//
// Blend modes (W3C compositing, "source-over with blending"):
//   out.rgb = (1 - Ba) Sa Cs + (1 - Sa) Ba Cb + Sa Ba clamp01(f(Cs, Cb))
//   out.a   = Sa + Ba - Sa Ba
// so each mode is just its f. Compositing operations work on the premultiplied
// channels S = Sa Cs, B = Ba Cb and alpha alike, without unpremultiplying.
// Divisions are guarded (1e-7 floors) so that no lane, taken or not, divides by zero.
#include "imaging/BlendKernels.h"
#include "imaging/Filters.h"

#include <algorithm>
#include <cmath>

namespace {

inline float clamp01(float v) { return std::min(std::max(v, 0.0f), 1.0f); }
inline float select(bool condition, float yes, float no) { return condition ? yes : no; }

// ---- separable blend modes: f applied to each channel --------------------------------

template <class F>
void separableSpan(const SpanF &s, const SpanF &b, SpanF &o, int n)
{
    for (int i = 0; i < n; ++i) {
        const float sa = s.a[i], ba = b.a[i];
        const float both = sa * ba, onlyS = sa - both, onlyB = ba - both;
        o.r[i] = onlyS * s.r[i] + onlyB * b.r[i] + both * clamp01(F::f(s.r[i], b.r[i]));
        o.g[i] = onlyS * s.g[i] + onlyB * b.g[i] + both * clamp01(F::f(s.g[i], b.g[i]));
        o.b[i] = onlyS * s.b[i] + onlyB * b.b[i] + both * clamp01(F::f(s.b[i], b.b[i]));
        o.a[i] = sa + ba - both;
    }
}

// 1 - (1 - Cb) / Cs: how far the layer's darkness burns the background.
struct ColorBurn { static float f(float s, float b) { return 1.0f - (1.0f - b) / std::max(s, 1e-7f); } };
// Cb / (1 - Cs): the background brightened by the inverse of the layer.
struct ColorDodge { static float f(float s, float b) { return b / std::max(1.0f - s, 1e-7f); } };
// The darker of the two.
struct Darken { static float f(float s, float b) { return std::min(s, b); } };
// The distance between the two.
struct Difference { static float f(float s, float b) { return std::fabs(b - s); } };
// Background divided by layer.
struct Divide { static float f(float s, float b) { return b / std::max(s, 1e-7f); } };
// Difference with less contrast: Cs + Cb - 2 Cs Cb.
struct Exclusion { static float f(float s, float b) { return s + b - 2.0f * s * b; } };
// Multiply below mid-grey, screen above, chosen by the layer.
struct HardLight {
    static float f(float s, float b) { return select(s <= 0.5f, 2.0f * s * b, 2.0f * (s + b - s * b) - 1.0f); }
};
// The lighter of the two.
struct Lighten { static float f(float s, float b) { return std::max(s, b); } };
// Sum minus one: darkens by the layer's darkness.
struct LinearBurn { static float f(float s, float b) { return s + b - 1.0f; } };
// Plain sum.
struct LinearDodge { static float f(float s, float b) { return s + b; } };
// Product: always darker.
struct Multiply { static float f(float s, float b) { return s * b; } };
// Hard light with the roles exchanged: the background chooses.
struct Overlay {
    static float f(float s, float b) { return select(b <= 0.5f, 2.0f * s * b, 2.0f * (s + b - s * b) - 1.0f); }
};
// Darken with 2 Cs below mid-grey, lighten with 2 Cs - 1 above.
struct PinLight { static float f(float s, float b) { return std::max(2.0f * s - 1.0f, std::min(b, 2.0f * s)); } };
// Inverse of the product of the inverses: 1 - (1 - Cs)(1 - Cb).
struct Screen { static float f(float s, float b) { return s + b - s * b; } };
// W3C soft light: darken like a burn below mid-grey, lighten towards D(Cb) above.
struct SoftLight {
    static float f(float s, float b)
    {
        const float d = select(b <= 0.25f, ((16.0f * b - 12.0f) * b + 4.0f) * b, std::sqrt(b));
        return select(s <= 0.5f, b - (1.0f - 2.0f * s) * b * (1.0f - b), b + (2.0f * s - 1.0f) * (d - b));
    }
};
// Background minus layer.
struct Subtract { static float f(float s, float b) { return b - s; } };

// ---- non-separable blend modes: hue, saturation, colour and luminosity ---------------

struct Rgb {
    float r, g, b;
};

inline float lum(Rgb c) { return 0.3f * c.r + 0.59f * c.g + 0.11f * c.b; }
inline float minOf(Rgb c) { return std::min(c.r, std::min(c.g, c.b)); }
inline float maxOf(Rgb c) { return std::max(c.r, std::max(c.g, c.b)); }
inline float sat(Rgb c) { return maxOf(c) - minOf(c); }

// Pulls a colour back into [0, 1] along the line to its own grey, keeping its Lum.
// Both corrections use the extremes of the incoming colour, so they multiply.
inline Rgb clipColor(Rgb c)
{
    const float l = lum(c), n = minOf(c), x = maxOf(c);
    const float low = select(n < 0.0f, l / std::max(l - n, 1e-7f), 1.0f);
    const float high = select(x > 1.0f, (1.0f - l) / std::max(x - l, 1e-7f), 1.0f);
    const float k = low * high;
    return {l + (c.r - l) * k, l + (c.g - l) * k, l + (c.b - l) * k};
}

// Shifts a colour to luminosity l, then clips.
inline Rgb setLum(Rgb c, float l)
{
    const float d = l - lum(c);
    return clipColor({c.r + d, c.g + d, c.b + d});
}

// Rescales a colour so that max - min = s, its minimum at 0 (grey stays black).
inline Rgb setSat(Rgb c, float s)
{
    const float n = minOf(c), range = maxOf(c) - n;
    const float k = select(range > 0.0f, s / std::max(range, 1e-7f), 0.0f);
    return {(c.r - n) * k, (c.g - n) * k, (c.b - n) * k};
}

template <class F>
void nonSeparableSpan(const SpanF &s, const SpanF &b, SpanF &o, int n)
{
    for (int i = 0; i < n; ++i) {
        const float sa = s.a[i], ba = b.a[i];
        const float both = sa * ba, onlyS = sa - both, onlyB = ba - both;
        const Rgb f = F::f({s.r[i], s.g[i], s.b[i]}, {b.r[i], b.g[i], b.b[i]});
        o.r[i] = onlyS * s.r[i] + onlyB * b.r[i] + both * clamp01(f.r);
        o.g[i] = onlyS * s.g[i] + onlyB * b.g[i] + both * clamp01(f.g);
        o.b[i] = onlyS * s.b[i] + onlyB * b.b[i] + both * clamp01(f.b);
        o.a[i] = sa + ba - both;
    }
}

// The layer's hue, the background's saturation and luminosity.
struct Hue { static Rgb f(Rgb s, Rgb b) { return setLum(setSat(s, sat(b)), lum(b)); } };
// The background's hue and luminosity, the layer's saturation.
struct Saturation { static Rgb f(Rgb s, Rgb b) { return setLum(setSat(b, sat(s)), lum(b)); } };
// The layer's hue and saturation, the background's luminosity.
struct Color { static Rgb f(Rgb s, Rgb b) { return setLum(s, lum(b)); } };
// The background's hue and saturation, the layer's luminosity.
struct Luminosity { static Rgb f(Rgb s, Rgb b) { return setLum(b, lum(s)); } };

// ---- compositing operations: one operation on all four premultiplied channels --------

template <class Op>
void compositingSpan(const SpanF &s, const SpanF &b, SpanF &o, int n)
{
    for (int i = 0; i < n; ++i) {
        const float sa = s.a[i], ba = b.a[i];
        const float a = Op::alpha(sa, ba);
        o.a[i] = a;
        o.r[i] = Op::colour(s.r[i] * sa, b.r[i] * ba, a);
        o.g[i] = Op::colour(s.g[i] * sa, b.g[i] * ba, a);
        o.b[i] = Op::colour(s.b[i] * sa, b.b[i] * ba, a);
    }
}

// S + B, each channel clamped to [0, 1] and colour to at most alpha, so that two
// opaque inputs stay a valid opaque pixel.
struct Addition {
    static float alpha(float s, float b) { return std::min(s + b, 1.0f); }
    static float colour(float s, float b, float a) { return std::min(s + b, a); }
};
// Channel-wise maximum, alpha included.
struct Maximum {
    static float alpha(float s, float b) { return std::max(s, b); }
    static float colour(float s, float b, float) { return std::max(s, b); }
};
// Channel-wise minimum, alpha included.
struct Minimum {
    static float alpha(float s, float b) { return std::min(s, b); }
    static float colour(float s, float b, float) { return std::min(s, b); }
};
// Channel-wise product, alpha included.
struct MultiplyCompositing {
    static float alpha(float s, float b) { return s * b; }
    static float colour(float s, float b, float) { return s * b; }
};

} // namespace

const std::array<BlendMode, kBlendModeCount> &blendTable()
{
    static const std::array<BlendMode, kBlendModeCount> table{{
        {"Addition Compositing", "CIAdditionCompositing", compositingSpan<Addition>},
        {"Color Blend Mode", "CIColorBlendMode", nonSeparableSpan<Color>},
        {"Color Burn Blend Mode", "CIColorBurnBlendMode", separableSpan<ColorBurn>},
        {"Color Dodge Blend Mode", "CIColorDodgeBlendMode", separableSpan<ColorDodge>},
        {"Darken Blend Mode", "CIDarkenBlendMode", separableSpan<Darken>},
        {"Difference Blend Mode", "CIDifferenceBlendMode", separableSpan<Difference>},
        {"Divide Blend Mode", "CIDivideBlendMode", separableSpan<Divide>},
        {"Exclusion Blend Mode", "CIExclusionBlendMode", separableSpan<Exclusion>},
        {"Hard Light Blend Mode", "CIHardLightBlendMode", separableSpan<HardLight>},
        {"Hue Blend Mode", "CIHueBlendMode", nonSeparableSpan<Hue>},
        {"Lighten Blend Mode", "CILightenBlendMode", separableSpan<Lighten>},
        {"Linear Burn Blend Mode", "CILinearBurnBlendMode", separableSpan<LinearBurn>},
        {"Linear Dodge Blend Mode", "CILinearDodgeBlendMode", separableSpan<LinearDodge>},
        {"Luminosity Blend Mode", "CILuminosityBlendMode", nonSeparableSpan<Luminosity>},
        {"Maximum Compositing", "CIMaximumCompositing", compositingSpan<Maximum>},
        {"Minimum Compositing", "CIMinimumCompositing", compositingSpan<Minimum>},
        {"Multiply Blend Mode", "CIMultiplyBlendMode", separableSpan<Multiply>},
        {"Multiply Compositing", "CIMultiplyCompositing", compositingSpan<MultiplyCompositing>},
        {"Overlay Blend Mode", "CIOverlayBlendMode", separableSpan<Overlay>},
        {"Pin Light Blend Mode", "CIPinLightBlendMode", separableSpan<PinLight>},
        {"Saturation Blend Mode", "CISaturationBlendMode", nonSeparableSpan<Saturation>},
        {"Screen Blend Mode", "CIScreenBlendMode", separableSpan<Screen>},
        {"SoftLight Blend Mode", "CISoftLightBlendMode", separableSpan<SoftLight>},
        {"Subtract Blend Mode", "CISubtractBlendMode", separableSpan<Subtract>},
    }};
    return table;
}
