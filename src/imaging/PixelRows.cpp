#include "imaging/PixelRows.h"

#include "imaging/ColourTables.h"
#include "imaging/FloatOps.h"
#include "imaging/ImageConversion.h"
#include "imaging/Parallel.h"

#include <algorithm>
#include <cstring>
#include <memory>

namespace {

// Straight 8-bit value of a premultiplied channel; opaque pixels need no arithmetic.
inline int straightChannel(QRgb pixel, int shift, float unpremultiply, bool opaque)
{
    const int stored = (pixel >> shift) & 0xff;
    if (opaque)
        return stored;
    return std::min(255, static_cast<int>(static_cast<float>(stored) * unpremultiply + 0.5f));
}

// A row of an input seen from the lower-left corner: null when the row lies outside.
struct InputRow {
    const QRgb *pixels = nullptr;
    int width = 0;
};

InputRow inputRow(const QImage &image, int lowerLeftY)
{
    if (image.isNull() || lowerLeftY >= image.height())
        return {};
    const int top = image.height() - 1 - lowerLeftY;
    return {reinterpret_cast<const QRgb *>(image.constScanLine(top)), image.width()};
}

// The output's pixels, fetched once: QImage::scanLine() may not be called from
// several threads at a time.
struct OutputRows {
    uchar *bits;
    qsizetype bytesPerLine;
    QSize size;
    QRgb *row(int top) const { return reinterpret_cast<QRgb *>(bits + top * bytesPerLine); }
};

void renderRow(const std::vector<QImage> &inputs, const SpanFunction &compute, SpanF *spans,
               SpanF &out, const OutputRows &result, int top)
{
    const int lowerLeftY = result.size.height() - 1 - top;
    QRgb *target = result.row(top);
    std::vector<InputRow> rows(inputs.size());
    for (size_t i = 0; i < inputs.size(); ++i)
        rows[i] = inputRow(inputs[i], lowerLeftY);
    for (int x = 0; x < result.size.width(); x += kSpanPixels) {
        const int length = std::min(kSpanPixels, result.size.width() - x);
        for (size_t i = 0; i < inputs.size(); ++i) {
            const int count = std::clamp(rows[i].width - x, 0, length);
            decodeSpan(count > 0 ? rows[i].pixels + x : nullptr, count, length, spans[i]);
        }
        compute(spans, out, {x, lowerLeftY, length});
        encodeSpan(out, length, target + x);
    }
}

} // namespace

void decodeSpan(const QRgb *pixels, int count, int length, SpanF &out)
{
    const ColourTables &t = colourTables();
    for (int i = 0; i < count; ++i) {
        const QRgb pixel = pixels[i];
        const int alpha = static_cast<int>(pixel >> 24);
        const bool opaque = alpha == 255;
        const float unpremultiply = t.unpremultiply[alpha];
        out.r[i] = t.decode[straightChannel(pixel, 16, unpremultiply, opaque)];
        out.g[i] = t.decode[straightChannel(pixel, 8, unpremultiply, opaque)];
        out.b[i] = t.decode[straightChannel(pixel, 0, unpremultiply, opaque)];
        out.a[i] = t.alpha[alpha];
    }
    // Zero up to whole vectors, so that kernels may run to the padded length.
    const size_t rest = static_cast<size_t>(roundUpToLanes(length) - count) * sizeof(float);
    if (rest > 0) {
        std::memset(out.r + count, 0, rest);
        std::memset(out.g + count, 0, rest);
        std::memset(out.b + count, 0, rest);
        std::memset(out.a + count, 0, rest);
    }
}

void encodeSpan(const SpanF &in, int count, QRgb *pixels)
{
    // First pass (vectorised): straight colour as encode-table indices, alpha in [0, 1].
    alignas(64) int index[3][kSpanPixels];
    alignas(64) float alpha[kSpanPixels];
    constexpr float steps = ColourTables::kEncodeSteps;
    for (int i = 0; i < count; i += kLanes) {
        const vfloat a = clamp01(load(in.a + i));
        const vfloat inverse = select(a > 0.0f, 1.0f / maxf(a, splat(1e-10f)), splat(0.0f));
        store(alpha + i, a);
        auto toIndex = [&](const float *c, int *out) {
            const vint v = __builtin_convertvector(clamp01(load(c + i) * inverse) * steps + 0.5f, vint);
            std::memcpy(out + i, &v, sizeof v);
        };
        toIndex(in.r, index[0]);
        toIndex(in.g, index[1]);
        toIndex(in.b, index[2]);
    }
    // Second pass: table look-ups, premultiply by the unrounded alpha, pack.
    const float *encode = colourTables().encode.data();
    for (int i = 0; i < count; ++i) {
        const float a = alpha[i];
        const uint r = static_cast<uint>(encode[index[0][i]] * a + 0.5f);
        const uint g = static_cast<uint>(encode[index[1][i]] * a + 0.5f);
        const uint b = static_cast<uint>(encode[index[2][i]] * a + 0.5f);
        const uint A = static_cast<uint>(a * 255.0f + 0.5f);
        pixels[i] = (A << 24) | (r << 16) | (g << 8) | b;
    }
}

QSize unionExtent(const std::vector<QImage> &images)
{
    QSize extent(0, 0);
    for (const QImage &image : images) {
        if (!image.isNull())
            extent = extent.expandedTo(image.size());
    }
    return extent;
}

QImage renderSpans(QSize extent, const std::vector<QImage> &inputs, const SpanFunction &compute)
{
    if (extent.isEmpty())
        return {};
    QImage result(extent, kCanonicalFormat);
    if (result.isNull())
        return {};
    std::vector<QImage> canonical;
    canonical.reserve(inputs.size());
    for (const QImage &input : inputs)
        canonical.push_back(CGImageRefFromImage(input));
    const OutputRows rows{result.bits(), result.bytesPerLine(), extent};
    parallelRows(extent.height(), [&](int begin, int end) {
        auto spans = std::make_unique<SpanF[]>(canonical.size() + 1);
        for (int top = begin; top < end; ++top)
            renderRow(canonical, compute, spans.get(), spans[canonical.size()], rows, top);
    });
    return result;
}
