#pragma once
// An independent double-precision model of the filters, written from the written
// description of each filter (linear light on premultiplied values). It shares no code
// with the engine, so that a fault in a production formula cannot hide itself.

#include <QImage>

#include <algorithm>
#include <array>
#include <cmath>

namespace model {

struct Px {
    double r = 0, g = 0, b = 0, a = 0; // premultiplied linear
};

inline double decodeCurve(double c)
{
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}
inline double encodeCurve(double x)
{
    return x <= 0.0031308 ? 12.92 * x : 1.055 * std::pow(x, 1 / 2.4) - 0.055;
}
inline double clamp01(double v)
{
    return std::min(1.0, std::max(0.0, v));
}

// A stored premultiplied 8-bit pixel as premultiplied linear light. The stored value
// is first unpremultiplied to its straight 8-bit sRGB value, which the curve decodes.
// With `srgbSpace` the stored sRGB values are used as they are (divided by 255), in
// place of the curve.
inline Px decode(QRgb stored, bool srgbSpace = false)
{
    const double A = qAlpha(stored);
    if (A == 0)
        return {};
    const double a = A / 255.0;
    auto lin = [&](int p) {
        const double c = std::min(255.0, std::round(p * 255.0 / A)) / 255.0;
        return (srgbSpace ? c : decodeCurve(c)) * a;
    };
    return {lin(qRed(stored)), lin(qGreen(stored)), lin(qBlue(stored)), a};
}

// The exact 8-bit premultiplied values (unrounded) the engine must approximate.
struct Expected {
    double r, g, b, a;
};

inline Expected encode(Px p, bool srgbSpace = false)
{
    const double a = clamp01(p.a);
    if (a <= 0)
        return {0, 0, 0, 0};
    auto ch = [&](double c) {
        const double v = clamp01(c / p.a);
        return (srgbSpace ? v : encodeCurve(v)) * a * 255.0;
    };
    return {ch(p.r), ch(p.g), ch(p.b), a * 255.0};
}

using Rgb = std::array<double, 3>;

inline double lum(Rgb c)
{
    return 0.3 * c[0] + 0.59 * c[1] + 0.11 * c[2];
}

inline Rgb clipColor(Rgb c)
{
    const double l = lum(c);
    const double n = std::min({c[0], c[1], c[2]});
    const double x = std::max({c[0], c[1], c[2]});
    if (n < 0)
        for (double &v : c)
            v = l + (v - l) * l / (l - n);
    if (x > 1)
        for (double &v : c)
            v = l + (v - l) * (1 - l) / (x - l);
    return c;
}

inline Rgb setLum(Rgb c, double l)
{
    const double d = l - lum(c);
    return clipColor({c[0] + d, c[1] + d, c[2] + d});
}

inline double sat(Rgb c)
{
    return std::max({c[0], c[1], c[2]}) - std::min({c[0], c[1], c[2]});
}

inline Rgb setSat(Rgb c, double s)
{
    const double mn = std::min({c[0], c[1], c[2]}), mx = std::max({c[0], c[1], c[2]});
    if (!(mx > mn))
        return {0, 0, 0};
    return {(c[0] - mn) * s / (mx - mn), (c[1] - mn) * s / (mx - mn), (c[2] - mn) * s / (mx - mn)};
}

inline double separable(int mode, double s, double b)
{
    switch (mode) {
    case 2:
        return 1 - (1 - b) / std::max(s, 1e-7);
    case 3:
        return b / std::max(1 - s, 1e-7);
    case 4:
        return std::min(s, b);
    case 5:
        return std::abs(b - s);
    case 6:
        return b / std::max(s, 1e-7);
    case 7:
        return s + b - 2 * s * b;
    case 8:
        return s <= 0.5 ? 2 * s * b : 2 * (s + b - s * b) - 1;
    case 10:
        return std::max(s, b);
    case 11:
        return s + b - 1;
    case 12:
        return s + b;
    case 16:
        return s * b;
    case 18:
        return b <= 0.5 ? 2 * s * b : 2 * (s + b - s * b) - 1;
    case 19:
        return std::max(2 * s - 1, std::min(b, 2 * s));
    case 21:
        return s + b - s * b;
    case 22: {
        const double d = b <= 0.25 ? ((16 * b - 12) * b + 4) * b : std::sqrt(b);
        return s <= 0.5 ? b - (1 - 2 * s) * b * (1 - b) : b + (2 * s - 1) * (d - b);
    }
    case 23:
        return b - s;
    case 24:
        return s;
    }
    return 0;
}

inline Rgb blendColour(int mode, Rgb cs, Rgb cb)
{
    switch (mode) {
    case 1:
        return setLum(cs, lum(cb));
    case 9:
        return setLum(setSat(cs, sat(cb)), lum(cb));
    case 13:
        return setLum(cb, lum(cs));
    case 20:
        return setLum(setSat(cb, sat(cs)), lum(cb));
    }
    return {separable(mode, cs[0], cb[0]), separable(mode, cs[1], cb[1]), separable(mode, cs[2], cb[2])};
}

inline double compositing(int mode, double s, double b)
{
    switch (mode) {
    case 0:
        return clamp01(s + b);
    case 14:
        return std::max(s, b);
    case 15:
        return std::min(s, b);
    default:
        return s * b; // 17
    }
}

// One pixel of blend mode `mode` with layer S over background B.
inline Px blend(int mode, Px S, Px B)
{
    if (mode == 0 || mode == 14 || mode == 15 || mode == 17) {
        Px o{compositing(mode, S.r, B.r), compositing(mode, S.g, B.g), compositing(mode, S.b, B.b),
             compositing(mode, S.a, B.a)};
        if (mode == 0)
            o = {std::min(o.r, o.a), std::min(o.g, o.a), std::min(o.b, o.a), o.a};
        return o;
    }
    const double sd = std::max(S.a, 1e-5), bd = std::max(B.a, 1e-5);
    const Rgb cs{S.r / sd, S.g / sd, S.b / sd}, cb{B.r / bd, B.g / bd, B.b / bd};
    const Rgb f = blendColour(mode, cs, cb);
    auto ch = [&](int i, double s, double b) {
        return (1 - B.a) * s + (1 - S.a) * b + S.a * B.a * clamp01(f[i]);
    };
    return {ch(0, S.r, B.r), ch(1, S.g, B.g), ch(2, S.b, B.b), S.a + B.a - S.a * B.a};
}

} // namespace model
