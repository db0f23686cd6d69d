// The blend formulas. Colours are linear light; Cs is the layer's straight colour,
// Cb the background's, Sa and Ba their alphas.
//
// Blend modes (W3C compositing, "source-over with blending"):
//   out.rgb = (1 - Ba) Sa Cs + (1 - Sa) Ba Cb + Sa Ba clamp01(f(Cs, Cb))
//   out.a   = Sa + Ba - Sa Ba
// so each mode is just its f. Compositing operations work on the premultiplied
// channels S = Sa Cs, B = Ba Cb and alpha alike, without unpremultiplying.
// Divisions are guarded (1e-7 floors) so that no lane, taken or not, divides by zero.
//
// A layer's opacity o (W3C's "globalAlpha") scales its alpha before any of this:
// Sa' = o Sa, for every mode. For the blend modes the result is linear in Sa, so this is
// exactly the blend result mixed with the background by o: out = B + o (R - B). For the
// compositing operations it is the operation on o S (Addition: min(o S + B, 1)).
#include "imaging/BlendKernels.h"
#include "imaging/Filters.h"
#include "imaging/FloatOps.h"

#include <algorithm>
#include <cmath>

namespace {

// ---- separable blend modes: f applied to each channel --------------------------------

// Two opaque spans: Sa = Ba = 1 leaves out.rgb = clamp01(f(Cs, Cb)) and alpha 1, the
// very values the general formula gives (its other terms are exact zeros).
template <class F>
inline __attribute__((always_inline)) void separableOpaqueSpan(const SpanF &s, const SpanF &b, SpanF &o,
                                                               int n)
{
    for (int i = 0; i < n; i += kLanes) {
        store(o.r + i, clamp01(F::f(load(s.r + i), load(b.r + i))));
        store(o.g + i, clamp01(F::f(load(s.g + i), load(b.g + i))));
        store(o.b + i, clamp01(F::f(load(s.b + i), load(b.b + i))));
        store(o.a + i, splat(1.0f));
    }
}

template <class F> SPAN_CLONES void separableSpan(const SpanF &s, const SpanF &b, SpanF &o, int n)
{
    if (s.opaque && b.opaque)
        return separableOpaqueSpan<F>(s, b, o, n);
    for (int i = 0; i < n; i += kLanes) {
        const vfloat sa = load(s.a + i), ba = load(b.a + i);
        const vfloat both = sa * ba, onlyS = sa - both, onlyB = ba - both;
        auto channel = [&](const float *cs, const float *cb, float *out) {
            const vfloat vs = load(cs + i), vb = load(cb + i);
            store(out + i, onlyS * vs + onlyB * vb + both * clamp01(F::f(vs, vb)));
        };
        channel(s.r, b.r, o.r);
        channel(s.g, b.g, o.g);
        channel(s.b, b.b, o.b);
        store(o.a + i, onlyS + ba); // sa + ba - sa ba, exactly 1 over an opaque background
    }
}

// 1 - (1 - Cb) / Cs: how far the layer's darkness burns the background.
struct ColorBurn {
    static vfloat f(vfloat s, vfloat b) { return 1.0f - (1.0f - b) / maxf(s, splat(1e-7f)); }
};
// Cb / (1 - Cs): the background brightened by the inverse of the layer.
struct ColorDodge {
    static vfloat f(vfloat s, vfloat b) { return b / maxf(1.0f - s, splat(1e-7f)); }
};
// The darker of the two.
struct Darken {
    static vfloat f(vfloat s, vfloat b) { return minf(s, b); }
};
// The distance between the two.
struct Difference {
    static vfloat f(vfloat s, vfloat b) { return absf(b - s); }
};
// Background divided by layer.
struct Divide {
    static vfloat f(vfloat s, vfloat b) { return b / maxf(s, splat(1e-7f)); }
};
// Difference with less contrast: Cs + Cb - 2 Cs Cb.
struct Exclusion {
    static vfloat f(vfloat s, vfloat b) { return s + b - 2.0f * s * b; }
};
// Multiply below mid-grey, screen above, chosen by the layer.
struct HardLight {
    static vfloat f(vfloat s, vfloat b)
    {
        return select(s <= 0.5f, 2.0f * s * b, 2.0f * (s + b - s * b) - 1.0f);
    }
};
// The lighter of the two.
struct Lighten {
    static vfloat f(vfloat s, vfloat b) { return maxf(s, b); }
};
// Sum minus one: darkens by the layer's darkness.
struct LinearBurn {
    static vfloat f(vfloat s, vfloat b) { return s + b - 1.0f; }
};
// Plain sum.
struct LinearDodge {
    static vfloat f(vfloat s, vfloat b) { return s + b; }
};
// Product: always darker.
struct Multiply {
    static vfloat f(vfloat s, vfloat b) { return s * b; }
};
// Hard light with the roles exchanged: the background chooses.
struct Overlay {
    static vfloat f(vfloat s, vfloat b)
    {
        return select(b <= 0.5f, 2.0f * s * b, 2.0f * (s + b - s * b) - 1.0f);
    }
};
// Darken with 2 Cs below mid-grey, lighten with 2 Cs - 1 above.
struct PinLight {
    static vfloat f(vfloat s, vfloat b) { return maxf(2.0f * s - 1.0f, minf(b, 2.0f * s)); }
};
// Inverse of the product of the inverses: 1 - (1 - Cs)(1 - Cb).
struct Screen {
    static vfloat f(vfloat s, vfloat b) { return s + b - s * b; }
};
// W3C soft light: darken like a burn below mid-grey, lighten towards D(Cb) above.
struct SoftLight {
    static vfloat f(vfloat s, vfloat b)
    {
        // With q = 2 Cs - 1 = -(1 - 2 Cs) exactly, both branches are Cb + q * (...).
        const vfloat d = select(b <= 0.25f, ((16.0f * b - 12.0f) * b + 4.0f) * b, sqrtf4(b));
        const vfloat q = 2.0f * s - 1.0f;
        return b + select(s <= 0.5f, q * b * (1.0f - b), q * (d - b));
    }
};
// Background minus layer.
struct Subtract {
    static vfloat f(vfloat s, vfloat b) { return b - s; }
};
// The layer itself: the general formula becomes plain source-over,
// out.rgb = Sa Cs + (1 - Sa) Ba Cb.
struct Normal {
    static vfloat f(vfloat s, vfloat) { return s; }
};

// ---- non-separable blend modes: hue, saturation, colour and luminosity ---------------

struct Rgb {
    vfloat r, g, b;
};

inline vfloat lum(Rgb c)
{
    return 0.3f * c.r + 0.59f * c.g + 0.11f * c.b;
}
inline vfloat minOf(Rgb c)
{
    return minf(c.r, minf(c.g, c.b));
}
inline vfloat maxOf(Rgb c)
{
    return maxf(c.r, maxf(c.g, c.b));
}
inline vfloat sat(Rgb c)
{
    return maxOf(c) - minOf(c);
}

// Pulls a colour back into [0, 1] along the line to its own grey, keeping its Lum.
// Both corrections use the extremes of the incoming colour, so they multiply.
inline Rgb clipColor(Rgb c)
{
    const vfloat l = lum(c), n = minOf(c), x = maxOf(c), one = splat(1.0f);
    const vfloat low = select(n < 0.0f, l / maxf(l - n, splat(1e-7f)), one);
    const vfloat high = select(x > 1.0f, (1.0f - l) / maxf(x - l, splat(1e-7f)), one);
    const vfloat k = low * high;
    return {l + (c.r - l) * k, l + (c.g - l) * k, l + (c.b - l) * k};
}

// Shifts a colour to luminosity l, then clips.
inline Rgb setLum(Rgb c, vfloat l)
{
    const vfloat d = l - lum(c);
    return clipColor({c.r + d, c.g + d, c.b + d});
}

// Rescales a colour so that max - min = s, its minimum at 0 (grey stays black).
inline Rgb setSat(Rgb c, vfloat s)
{
    const vfloat n = minOf(c), range = maxOf(c) - n;
    const vfloat k = select(range > 0.0f, s / maxf(range, splat(1e-7f)), splat(0.0f));
    return {(c.r - n) * k, (c.g - n) * k, (c.b - n) * k};
}

template <class F> SPAN_CLONES void nonSeparableSpan(const SpanF &s, const SpanF &b, SpanF &o, int n)
{
    for (int i = 0; i < n; i += kLanes) {
        const vfloat sa = load(s.a + i), ba = load(b.a + i);
        const vfloat both = sa * ba, onlyS = sa - both, onlyB = ba - both;
        const Rgb cs{load(s.r + i), load(s.g + i), load(s.b + i)};
        const Rgb cb{load(b.r + i), load(b.g + i), load(b.b + i)};
        const Rgb f = F::f(cs, cb);
        store(o.r + i, onlyS * cs.r + onlyB * cb.r + both * clamp01(f.r));
        store(o.g + i, onlyS * cs.g + onlyB * cb.g + both * clamp01(f.g));
        store(o.b + i, onlyS * cs.b + onlyB * cb.b + both * clamp01(f.b));
        store(o.a + i, onlyS + ba); // sa + ba - sa ba, exactly 1 over an opaque background
    }
}

// The layer's hue, the background's saturation and luminosity.
struct Hue {
    static Rgb f(Rgb s, Rgb b) { return setLum(setSat(s, sat(b)), lum(b)); }
};
// The background's hue and luminosity, the layer's saturation.
struct Saturation {
    static Rgb f(Rgb s, Rgb b) { return setLum(setSat(b, sat(s)), lum(b)); }
};
// The layer's hue and saturation, the background's luminosity.
struct Color {
    static Rgb f(Rgb s, Rgb b) { return setLum(s, lum(b)); }
};
// The background's hue and saturation, the layer's luminosity.
struct Luminosity {
    static Rgb f(Rgb s, Rgb b) { return setLum(b, lum(s)); }
};

// ---- compositing operations: one operation on all four premultiplied channels --------

template <class Op> SPAN_CLONES void compositingSpan(const SpanF &s, const SpanF &b, SpanF &o, int n)
{
    for (int i = 0; i < n; i += kLanes) {
        const vfloat sa = load(s.a + i), ba = load(b.a + i);
        const vfloat a = Op::alpha(sa, ba);
        store(o.a + i, a);
        store(o.r + i, Op::colour(load(s.r + i) * sa, load(b.r + i) * ba, a));
        store(o.g + i, Op::colour(load(s.g + i) * sa, load(b.g + i) * ba, a));
        store(o.b + i, Op::colour(load(s.b + i) * sa, load(b.b + i) * ba, a));
    }
}

// S + B, each channel clamped to [0, 1] and colour to at most alpha, so that two
// opaque inputs stay a valid opaque pixel.
struct Addition {
    static vfloat alpha(vfloat s, vfloat b) { return minf(s + b, splat(1.0f)); }
    static vfloat colour(vfloat s, vfloat b, vfloat a) { return minf(s + b, a); }
};
// Channel-wise maximum, alpha included.
struct Maximum {
    static vfloat alpha(vfloat s, vfloat b) { return maxf(s, b); }
    static vfloat colour(vfloat s, vfloat b, vfloat) { return maxf(s, b); }
};
// Channel-wise minimum, alpha included.
struct Minimum {
    static vfloat alpha(vfloat s, vfloat b) { return minf(s, b); }
    static vfloat colour(vfloat s, vfloat b, vfloat) { return minf(s, b); }
};
// Channel-wise product, alpha included.
struct MultiplyCompositing {
    static vfloat alpha(vfloat s, vfloat b) { return s * b; }
    static vfloat colour(vfloat s, vfloat b, vfloat) { return s * b; }
};

} // namespace

const std::array<BlendMode, kBlendModeCount> &blendTable()
{
    static const std::array<BlendMode, kBlendModeCount> table{{
        {"CIAdditionCompositing", compositingSpan<Addition>, true},
        {"CIColorBlendMode", nonSeparableSpan<Color>},
        {"CIColorBurnBlendMode", separableSpan<ColorBurn>},
        {"CIColorDodgeBlendMode", separableSpan<ColorDodge>},
        {"CIDarkenBlendMode", separableSpan<Darken>},
        {"CIDifferenceBlendMode", separableSpan<Difference>},
        {"CIDivideBlendMode", separableSpan<Divide>},
        {"CIExclusionBlendMode", separableSpan<Exclusion>},
        {"CIHardLightBlendMode", separableSpan<HardLight>},
        {"CIHueBlendMode", nonSeparableSpan<Hue>},
        {"CILightenBlendMode", separableSpan<Lighten>},
        {"CILinearBurnBlendMode", separableSpan<LinearBurn>},
        {"CILinearDodgeBlendMode", separableSpan<LinearDodge>},
        {"CILuminosityBlendMode", nonSeparableSpan<Luminosity>},
        {"CIMaximumCompositing", compositingSpan<Maximum>, true},
        {"CIMinimumCompositing", compositingSpan<Minimum>, true},
        {"CIMultiplyBlendMode", separableSpan<Multiply>},
        {"CIMultiplyCompositing", compositingSpan<MultiplyCompositing>, true},
        {"CIOverlayBlendMode", separableSpan<Overlay>},
        {"CIPinLightBlendMode", separableSpan<PinLight>},
        {"CISaturationBlendMode", nonSeparableSpan<Saturation>},
        {"CIScreenBlendMode", separableSpan<Screen>},
        {"CISoftLightBlendMode", separableSpan<SoftLight>},
        {"CISubtractBlendMode", separableSpan<Subtract>},
        {"CINormalBlendMode", separableSpan<Normal>},
    }};
    return table;
}
