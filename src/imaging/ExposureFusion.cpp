#include "imaging/ExposureFusion.h"

#include "imaging/OpenCvBridge.h"
#include "imaging/Parallel.h"

#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <functional>
#include <new>
#include <vector>

namespace {

constexpr float kLeastWeight = 1e-12f;
constexpr float kExposureSpread = 0.08f; // 2 sigma^2 for sigma = 0.2

// Rows of one level: each picture's colour (three 32-bit floats, R G B) and normalised
// weight, and at the finest level the greatest alpha.
struct Band {
    std::vector<cv::Mat> colour;
    std::vector<cv::Mat> weight;
    cv::Mat alpha;
};
using Source = std::function<Band(int begin, int end)>;
using Sink = std::function<void(int begin, const cv::Mat &rows, const cv::Mat &alpha)>;

float raised(float value, double exponent)
{
    if (exponent == 1.0)
        return value;
    return exponent == 0.0 ? 1.0f : std::pow(value, float(exponent));
}

// Unpremultiplied colour in [0, 1] and alpha of rows [begin, end) of a canonical picture.
void readRows(const QImage &picture, int begin, int end, cv::Mat &colour, cv::Mat &alpha)
{
    const int width = picture.width();
    colour.create(end - begin, width, CV_32FC3);
    alpha.create(end - begin, width, CV_32F);
    for (int y = begin; y < end; ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(picture.constScanLine(y));
        float *c = colour.ptr<float>(y - begin);
        float *a = alpha.ptr<float>(y - begin);
        for (int x = 0; x < width; ++x) {
            const int opacity = qAlpha(line[x]);
            const float scale = opacity == 0 ? 0.0f : 1.0f / float(opacity);
            c[3 * x] = std::min(1.0f, float(qRed(line[x])) * scale);
            c[3 * x + 1] = std::min(1.0f, float(qGreen(line[x])) * scale);
            c[3 * x + 2] = std::min(1.0f, float(qBlue(line[x])) * scale);
            a[x] = float(opacity) / 255.0f;
        }
    }
}

// The weight of every pixel of the rows, its alpha included. The Laplacian mirrors at the
// rows' first and last: only rows that are the picture's own first or last may be used
// from there.
cv::Mat measuredWeights(const cv::Mat &colour, const cv::Mat &alpha, const FusionWeights &w)
{
    cv::Mat grey(colour.size(), CV_32F);
    for (int y = 0; y < colour.rows; ++y) {
        const float *c = colour.ptr<float>(y);
        float *g = grey.ptr<float>(y);
        for (int x = 0; x < colour.cols; ++x)
            g[x] = 0.299f * c[3 * x] + 0.587f * c[3 * x + 1] + 0.114f * c[3 * x + 2];
    }
    cv::Mat contrast;
    cv::Laplacian(grey, contrast, CV_32F);
    cv::Mat weight(colour.size(), CV_32F);
    for (int y = 0; y < colour.rows; ++y) {
        const float *c = colour.ptr<float>(y);
        const float *l = contrast.ptr<float>(y);
        const float *a = alpha.ptr<float>(y);
        float *out = weight.ptr<float>(y);
        for (int x = 0; x < colour.cols; ++x) {
            const float r = c[3 * x], g = c[3 * x + 1], b = c[3 * x + 2];
            const float mean = (r + g + b) / 3.0f;
            const float saturation =
                std::sqrt((r - mean) * (r - mean) + (g - mean) * (g - mean) + (b - mean) * (b - mean));
            const float spread = (r - 0.5f) * (r - 0.5f) + (g - 0.5f) * (g - 0.5f) + (b - 0.5f) * (b - 0.5f);
            const float exposure = std::exp(-spread / kExposureSpread * float(w.exposure));
            out[x] = (raised(std::abs(l[x]), w.contrast) * raised(saturation, w.saturation) * exposure +
                      kLeastWeight) *
                     a[x];
        }
    }
    return weight;
}

// Each pixel's weights divided by their sum (equal shares where nothing covers it).
void normalise(std::vector<cv::Mat> &weights)
{
    cv::Mat sum = cv::Mat::zeros(weights.front().size(), CV_32F);
    for (const cv::Mat &w : weights)
        sum += w;
    const float share = 1.0f / float(weights.size());
    for (cv::Mat &w : weights)
        for (int y = 0; y < w.rows; ++y) {
            float *out = w.ptr<float>(y);
            const float *total = sum.ptr<float>(y);
            for (int x = 0; x < w.cols; ++x)
                out[x] = total[x] > 0.0f ? out[x] / total[x] : share;
        }
}

// The finest level: rows of the pictures with their weights measured, a row more on
// each side for the Laplacian.
Source pictureSource(const QList<QImage> &pictures, const FusionWeights &weights)
{
    return [&pictures, weights](int begin, int end) {
        const int top = std::max(0, begin - 1);
        const int bottom = std::min(int(pictures.front().height()), end + 1);
        Band band;
        for (const QImage &picture : pictures) {
            cv::Mat colour, alpha;
            readRows(picture, top, bottom, colour, alpha);
            const cv::Mat weight = measuredWeights(colour, alpha, weights);
            const cv::Range rows(begin - top, end - top);
            band.colour.push_back(colour.rowRange(rows));
            band.weight.push_back(weight.rowRange(rows));
            band.alpha =
                band.alpha.empty() ? alpha.rowRange(rows).clone() : cv::max(band.alpha, alpha.rowRange(rows));
        }
        normalise(band.weight);
        return band;
    };
}

// A coarser level, kept whole.
struct Level {
    std::vector<cv::Mat> colour;
    std::vector<cv::Mat> weight;
};

Source levelSource(const Level &level)
{
    return [&level](int begin, int end) {
        Band band;
        for (size_t k = 0; k < level.colour.size(); ++k) {
            band.colour.push_back(level.colour[k].rowRange(begin, end));
            band.weight.push_back(level.weight[k].rowRange(begin, end));
        }
        return band;
    };
}

// Calls work(begin, end) for bands of `step` rows over [0, rows), side by side. A band
// that runs out of memory (OpenCV's allocations throw) fails the whole, on this thread.
void forBands(int rows, int step, const std::function<void(int, int)> &work)
{
    std::atomic<bool> failed = false;
    parallelTasks((rows + step - 1) / step, [&](int band) {
        try {
            if (!failed)
                work(band * step, std::min(rows, (band + 1) * step));
        } catch (const std::exception &) {
            failed = true;
        }
    });
    if (failed)
        throw std::bad_alloc();
}

// out += weight * (colour - up), per pixel of three channels.
void addWeighted(cv::Mat &out, const cv::Mat &weight, const cv::Mat &colour, const cv::Mat &up)
{
    for (int y = 0; y < out.rows; ++y) {
        float *o = out.ptr<float>(y);
        const float *w = weight.ptr<float>(y);
        const float *c = colour.ptr<float>(y);
        const float *u = up.empty() ? nullptr : up.ptr<float>(y);
        for (int x = 0; x < out.cols * 3; ++x)
            o[x] += w[x / 3] * (c[x] - (u ? u[x] : 0.0f));
    }
}

// The next level's images and weights, reduced band by band from `source`.
Level reducedLevel(const Source &source, cv::Size size, size_t count, int bandRows)
{
    const cv::Size coarse((size.width + 1) / 2, (size.height + 1) / 2);
    Level next;
    for (size_t k = 0; k < count; ++k) {
        next.colour.emplace_back(coarse, CV_32FC3);
        next.weight.emplace_back(coarse, CV_32F);
    }
    forBands(coarse.height, bandRows / 2, [&](int begin, int end) {
        const int top = std::max(0, 2 * begin - 2);
        const Band band = source(top, std::min(size.height, 2 * end + 2));
        const cv::Range rows(begin - top / 2, end - top / 2);
        for (size_t k = 0; k < count; ++k) {
            cv::Mat colour, weight;
            cv::pyrDown(band.colour[k], colour);
            cv::pyrDown(band.weight[k], weight);
            colour.rowRange(rows).copyTo(next.colour[k].rowRange(begin, end));
            weight.rowRange(rows).copyTo(next.weight[k].rowRange(begin, end));
        }
    });
    return next;
}

// Rows [begin, end) of `coarse` enlarged to a level `size` large, as the whole would be.
cv::Mat enlargedRows(const cv::Mat &coarse, cv::Size size, int begin, int end)
{
    const int top = std::max(0, begin / 2 - 2);
    const int bottom = std::min(coarse.rows, end / 2 + 2);
    const int rows = bottom == coarse.rows ? size.height - 2 * top : 2 * (bottom - top);
    cv::Mat up;
    cv::pyrUp(coarse.rowRange(top, bottom), up, cv::Size(size.width, rows));
    return up.rowRange(begin - 2 * top, end - 2 * top);
}

// The level's fused rows, band by band: each picture's rows less the next level
// enlarged (its detail) by its weight, over the fused coarser picture enlarged; at the
// coarsest level (no `next`), the weighted sum of the pictures' rows.
void collapseLevel(const Source &source, const Level *next, const cv::Mat &collapsed, cv::Size size,
                   size_t count, int bandRows, const Sink &sink)
{
    forBands(size.height, bandRows, [&](int begin, int end) {
        const Band band = source(begin, end);
        cv::Mat out = next ? enlargedRows(collapsed, size, begin, end).clone()
                           : cv::Mat(cv::Mat::zeros(end - begin, size.width, CV_32FC3));
        for (size_t k = 0; k < count; ++k)
            addWeighted(out, band.weight[k], band.colour[k],
                        next ? enlargedRows(next->colour[k], size, begin, end) : cv::Mat());
        sink(begin, out, band.alpha);
    });
}

// Fuses what `source` gives (`size` large, `count` pictures) through `levels` more
// levels of the pyramid and hands the collapsed rows to `sink`, band by band.
void fuseLevel(const Source &source, cv::Size size, size_t count, int levels, int bandRows, const Sink &sink)
{
    if (levels == 0)
        return collapseLevel(source, nullptr, cv::Mat(), size, count, bandRows, sink);
    const Level next = reducedLevel(source, size, count, bandRows);
    cv::Mat collapsed(next.colour.front().size(), CV_32FC3);
    fuseLevel(levelSource(next), collapsed.size(), count, levels - 1, bandRows,
              [&](int begin, const cv::Mat &rows, const cv::Mat &) {
                  rows.copyTo(collapsed.rowRange(begin, begin + rows.rows));
              });
    collapseLevel(source, &next, collapsed, size, count, bandRows, sink);
}

// Fused rows into the canonical picture: clipped, rounded, premultiplied.
void writeRows(QImage &picture, uchar *bits, int begin, const cv::Mat &rows, const cv::Mat &alpha)
{
    for (int y = 0; y < rows.rows; ++y) {
        auto *line = reinterpret_cast<QRgb *>(bits + qsizetype(begin + y) * picture.bytesPerLine());
        const float *c = rows.ptr<float>(y);
        const float *a = alpha.ptr<float>(y);
        for (int x = 0; x < rows.cols; ++x) {
            const float opacity = std::round(a[x] * 255.0f);
            const auto channel = [&](float v) {
                return int(std::round(std::clamp(v, 0.0f, 1.0f) * opacity));
            };
            line[x] = qRgba(channel(c[3 * x]), channel(c[3 * x + 1]), channel(c[3 * x + 2]), int(opacity));
        }
    }
}

} // namespace

QImage fuseExposures(const QList<QImage> &pictures, const FusionWeights &weights, int bandRows)
{
    useOpenCvSerially();
    if (pictures.isEmpty() || pictures.front().isNull())
        return {};
    QList<QImage> canonical;
    for (const QImage &picture : pictures) {
        if (picture.size() != pictures.front().size())
            return {};
        canonical.append(picture.convertToFormat(QImage::Format_ARGB32_Premultiplied));
    }
    QImage fused(pictures.front().size(), QImage::Format_ARGB32_Premultiplied);
    if (fused.isNull())
        return {};
    const cv::Size size(fused.width(), fused.height());
    const int levels = int(std::log(float(std::min(size.width, size.height))) / std::log(2.0f));
    uchar *const bits = fused.bits();
    try {
        fuseLevel(pictureSource(canonical, weights), size, size_t(canonical.size()), levels,
                  std::max(8, bandRows & ~1), [&](int begin, const cv::Mat &rows, const cv::Mat &alpha) {
                      writeRows(fused, bits, begin, rows, alpha);
                  });
    } catch (const std::exception &) { // OpenCV's allocations throw when memory runs out
        return {};
    }
    return fused;
}

double fusionMemoryNeed(QSizeF size, qsizetype count)
{
    const double pixels = size.width() * size.height();
    // The coarser levels (a third of the pixels, colour and weight in floats) and the
    // fused picture; the bands in flight are small beside them.
    return pixels * (16.0 / 3.0 * double(count) + 4.0);
}
