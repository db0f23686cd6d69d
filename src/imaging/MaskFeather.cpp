#include "imaging/MaskFeather.h"

#include "imaging/Parallel.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// One box pass over `count` samples spaced `stride` apart: out[i] is the mean of
// in[i - r .. i + r], samples past either end counting as 0. A running sum keeps it
// one addition and one subtraction per sample, whatever the width.
void boxLine(const float *in, float *out, int count, qsizetype stride, int radius)
{
    const float scale = 1.0f / float(2 * radius + 1);
    float sum = 0.0f;
    for (int i = 0; i < std::min(radius, count); ++i)
        sum += in[i * stride];
    for (int i = 0; i < count; ++i) {
        if (i + radius < count)
            sum += in[(i + radius) * stride];
        if (i - radius - 1 >= 0)
            sum -= in[(i - radius - 1) * stride];
        out[i * stride] = sum * scale;
    }
}

// The coverage of a mask as floats (alpha / 255), row after row.
struct Plane {
    int width;
    int height;
    std::vector<float> values;
    float *row(int y) { return values.data() + qsizetype(y) * width; }
};

// Three passes along the rows; each row stays within one worker's cache.
void blurRows(Plane &plane, const std::array<int, 3> &widths)
{
    parallelRows(plane.height, [&](int begin, int end) {
        std::vector<float> scratch(size_t(plane.width));
        for (int y = begin; y < end; ++y) {
            float *row = plane.row(y);
            for (int w : widths) {
                if (w <= 1)
                    continue;
                boxLine(row, scratch.data(), plane.width, 1, w / 2);
                std::copy(scratch.begin(), scratch.end(), row);
            }
        }
    });
}

// Three passes down the columns, a band of columns per worker, walked row by row so that
// memory is read in order: the running sums of a band's columns travel down together.
void blurColumnBand(Plane &plane, int x0, int x1, int radius, std::vector<float> &column)
{
    const int n = x1 - x0, h = plane.height;
    const float scale = 1.0f / float(2 * radius + 1);
    std::vector<float> sum(size_t(n), 0.0f);
    // column holds the band's input (h x n), the plane receives the output
    for (int y = 0; y < h; ++y)
        std::copy(plane.row(y) + x0, plane.row(y) + x1, column.begin() + qsizetype(y) * n);
    for (int y = 0; y < std::min(radius, h); ++y)
        for (int x = 0; x < n; ++x)
            sum[x] += column[qsizetype(y) * n + x];
    for (int y = 0; y < h; ++y) {
        const float *add = y + radius < h ? column.data() + qsizetype(y + radius) * n : nullptr;
        const float *sub = y - radius - 1 >= 0 ? column.data() + qsizetype(y - radius - 1) * n : nullptr;
        float *out = plane.row(y) + x0;
        for (int x = 0; x < n; ++x) {
            sum[x] += (add ? add[x] : 0.0f) - (sub ? sub[x] : 0.0f);
            out[x] = sum[x] * scale;
        }
    }
}

void blurColumns(Plane &plane, const std::array<int, 3> &widths)
{
    constexpr int kBand = 64;
    const int bands = (plane.width + kBand - 1) / kBand;
    parallelTasks(bands, [&](int band) {
        const int x0 = band * kBand, x1 = std::min(plane.width, x0 + kBand);
        std::vector<float> column(size_t(x1 - x0) * size_t(plane.height));
        for (int w : widths)
            if (w > 1)
                blurColumnBand(plane, x0, x1, w / 2, column);
    });
}

} // namespace

std::array<int, 3> Feather_Box_Widths(double sigma)
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

void Feather_Mask(QImage &mask, double sigma)
{
    const std::array<int, 3> widths = Feather_Box_Widths(sigma);
    if (mask.isNull() || !(sigma > 0.0) || widths == std::array<int, 3>{1, 1, 1})
        return;
    Plane plane{mask.width(), mask.height(),
                std::vector<float>(size_t(mask.width()) * size_t(mask.height()))};
    uchar *bits = mask.bits();
    const qsizetype bytesPerLine = mask.bytesPerLine();
    parallelRows(plane.height, [&](int begin, int end) {
        for (int y = begin; y < end; ++y) {
            const QRgb *pixels = reinterpret_cast<const QRgb *>(bits + y * bytesPerLine);
            float *row = plane.row(y);
            for (int x = 0; x < plane.width; ++x)
                row[x] = float(qAlpha(pixels[x]));
        }
    });
    blurRows(plane, widths);
    blurColumns(plane, widths);
    parallelRows(plane.height, [&](int begin, int end) {
        for (int y = begin; y < end; ++y) {
            QRgb *pixels = reinterpret_cast<QRgb *>(bits + y * bytesPerLine);
            const float *row = plane.row(y);
            for (int x = 0; x < plane.width; ++x) {
                const int a = std::clamp(int(row[x] + 0.5f), 0, 255);
                pixels[x] = qRgba(a, a, a, a);
            }
        }
    });
}
