#include "imaging/MaskFeather.h"

#include "imaging/Parallel.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// One box pass along a row of `count` samples: out[i] is the mean of
// in[i - r .. i + r], samples past either end counting as 0. A running sum keeps it
// one addition and one subtraction per sample, whatever the width.
void boxLine(const float *in, float *out, int count, int radius)
{
    const float scale = 1.0f / float(2 * radius + 1);
    float sum = 0.0f;
    for (int i = 0; i < std::min(radius, count); ++i)
        sum += in[i];
    for (int i = 0; i < count; ++i) {
        if (i + radius < count)
            sum += in[i + radius];
        if (i - radius - 1 >= 0)
            sum -= in[i - radius - 1];
        out[i] = sum * scale;
    }
}

// The coverage of a mask as floats (alpha / 255), row after row, between the two passes.
struct Plane {
    int width;
    int height;
    std::vector<float> values;
    float *row(int y) { return values.data() + qsizetype(y) * width; }
};

// Runs the box passes over the row `a`, `b` as scratch; returns whichever holds the result.
float *boxPasses(float *a, float *b, int count, const std::array<int, 3> &widths)
{
    for (int w : widths) {
        if (w <= 1)
            continue;
        boxLine(a, b, count, w / 2);
        std::swap(a, b);
    }
    return a;
}

// The mask's coverage reduced by `f` in each direction: each sample the mean alpha of an
// f x f block (a block past the mask's edge counts the missing pixels as transparent).
void reduceInto(const QImage &mask, int f, Plane &plane)
{
    parallelRows(plane.height, [&](int begin, int end) {
        for (int sy = begin; sy < end; ++sy) {
            float *row = plane.row(sy);
            std::fill(row, row + plane.width, 0.0f);
            for (int y = sy * f; y < std::min(mask.height(), (sy + 1) * f); ++y) {
                const QRgb *pixels = reinterpret_cast<const QRgb *>(mask.constScanLine(y));
                for (int sx = 0; sx < plane.width; ++sx) {
                    int sum = 0;
                    for (int x = sx * f; x < std::min(mask.width(), (sx + 1) * f); ++x)
                        sum += qAlpha(pixels[x]);
                    row[sx] += float(sum);
                }
            }
            const float mean = 1.0f / float(f * f);
            for (int x = 0; x < plane.width; ++x)
                row[x] *= mean;
        }
    });
}

// The rows, each blurred along itself in the cache.
void blurRows(Plane &plane, const std::array<int, 3> &widths)
{
    parallelRows(plane.height, [&](int begin, int end) {
        std::vector<float> a(size_t(plane.width)), b(size_t(plane.width));
        for (int y = begin; y < end; ++y) {
            std::copy(plane.row(y), plane.row(y) + plane.width, a.begin());
            const float *done = boxPasses(a.data(), b.data(), plane.width, widths);
            std::copy(done, done + plane.width, plane.row(y));
        }
    });
}

// One box pass down the `n` columns of a band (rows of n samples), all columns at once
// so that the running sums stay in registers and the rows are read in order.
void columnPass(const float *in, float *out, int n, int h, int radius)
{
    const float scale = 1.0f / float(2 * radius + 1);
    std::vector<float> sum(size_t(n), 0.0f);
    for (int y = 0; y < std::min(radius, h); ++y)
        for (int x = 0; x < n; ++x)
            sum[size_t(x)] += in[qsizetype(y) * n + x];
    for (int y = 0; y < h; ++y) {
        if (y + radius < h)
            for (int x = 0; x < n; ++x)
                sum[size_t(x)] += in[qsizetype(y + radius) * n + x];
        if (y - radius - 1 >= 0)
            for (int x = 0; x < n; ++x)
                sum[size_t(x)] -= in[qsizetype(y - radius - 1) * n + x];
        for (int x = 0; x < n; ++x)
            out[qsizetype(y) * n + x] = sum[size_t(x)] * scale;
    }
}

// The columns, a band of them per task: copied out row by row (memory read in order),
// blurred down, copied back.
void blurColumns(Plane &plane, const std::array<int, 3> &widths)
{
    constexpr int kBand = 32;
    const int bands = (plane.width + kBand - 1) / kBand;
    parallelTasks(bands, [&](int band) {
        const int x0 = band * kBand, n = std::min(plane.width, x0 + kBand) - x0, h = plane.height;
        std::vector<float> a(size_t(n) * size_t(h)), b(a.size());
        for (int y = 0; y < h; ++y)
            std::copy(plane.row(y) + x0, plane.row(y) + x0 + n, a.begin() + qsizetype(y) * n);
        for (int w : widths) {
            if (w <= 1)
                continue;
            columnPass(a.data(), b.data(), n, h, w / 2);
            std::swap(a, b);
        }
        for (int y = 0; y < h; ++y)
            std::copy(a.begin() + qsizetype(y) * n, a.begin() + qsizetype(y + 1) * n, plane.row(y) + x0);
    });
}

// Where an output pixel's centre falls between two samples of a plane reduced by f:
// the lower sample, the upper one and the weight of the upper (clamped at the ends).
struct Between {
    int low;
    int high;
    float weight;
};

Between between(int i, int f, int count)
{
    const double u = (i + 0.5) / f - 0.5;
    if (u <= 0.0)
        return {0, 0, 0.0f};
    const int low = std::min(int(u), count - 1);
    return {low, std::min(low + 1, count - 1), float(u - low)};
}

// Writes the blurred plane back into the mask, enlarged by f (bilinear; at f = 1 each
// pixel is its own sample), as premultiplied white of that alpha.
void enlargeInto(const Plane &plane, int f, QImage &mask)
{
    std::vector<Between> columns;
    for (int x = 0; x < mask.width(); ++x)
        columns.push_back(between(x, f, plane.width));
    uchar *bits = mask.bits(); // detaches once, before the threads start
    const qsizetype bytesPerLine = mask.bytesPerLine();
    parallelRows(mask.height(), [&](int begin, int end) {
        std::vector<float> line(size_t(plane.width));
        for (int y = begin; y < end; ++y) {
            // Down the columns first, once per sample; then along the row per pixel.
            const Between r = between(y, f, plane.height);
            const float *low = plane.values.data() + qsizetype(r.low) * plane.width;
            const float *high = plane.values.data() + qsizetype(r.high) * plane.width;
            for (int x = 0; x < plane.width; ++x)
                line[size_t(x)] = low[x] + (high[x] - low[x]) * r.weight;
            QRgb *pixels = reinterpret_cast<QRgb *>(bits + y * bytesPerLine);
            for (int x = 0; x < mask.width(); ++x) {
                const Between &c = columns[size_t(x)];
                const float a = line[size_t(c.low)] + (line[size_t(c.high)] - line[size_t(c.low)]) * c.weight;
                const int v = std::clamp(int(a + 0.5f), 0, 255);
                pixels[x] = qRgba(v, v, v, v);
            }
        }
    });
}

} // namespace

std::array<int, 3> featherBoxWidths(double sigma)
{
    // Three boxes: the lower odd width wl for m of them, wl + 2 for the rest, with m
    // chosen so that the variances sum closest to sigma^2.
    const double ideal = std::sqrt(4.0 * sigma * sigma + 1.0);
    int wl = std::max(1, int(std::floor(ideal)));
    if (wl % 2 == 0)
        --wl;
    const double m = (12.0 * sigma * sigma - 3.0 * wl * wl - 12.0 * wl - 9.0) / (-4.0 * wl - 4.0);
    const int lower = std::clamp(int(std::lround(m)), 0, 3);
    std::array<int, 3> widths{};
    for (int i = 0; i < 3; ++i)
        widths[i] = i < lower ? wl : wl + 2;
    return widths;
}

int featherReduction(double sigma)
{
    int f = 1;
    while (f < 16 && sigma / (2 * f) >= 4.0)
        f *= 2;
    return f;
}

void featherMask(QImage &mask, double sigma)
{
    const int f = featherReduction(sigma);
    const std::array<int, 3> widths = featherBoxWidths(sigma / f);
    if (mask.isNull() || !(sigma > 0.0) || widths == std::array<int, 3>{1, 1, 1})
        return;
    const int w = (mask.width() + f - 1) / f, h = (mask.height() + f - 1) / f;
    Plane plane{w, h, std::vector<float>(size_t(w) * size_t(h))};
    reduceInto(mask, f, plane);
    blurRows(plane, widths);
    blurColumns(plane, widths);
    enlargeInto(plane, f, mask);
}
