#include "imaging/PixelRows.h"

#include "imaging/ColourTables.h"
#include "imaging/FloatOps.h"
#include "imaging/ImageConversion.h"
#include "imaging/Parallel.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <utility>

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
    const uchar *bits = nullptr;
    int width = 0;
};

InputRow inputRow(const QImage &image, int lowerLeftY)
{
    if (image.isNull() || lowerLeftY >= image.height())
        return {};
    const int top = image.height() - 1 - lowerLeftY;
    return {image.constScanLine(top), image.width()};
}

// A coverage's levels as alphas.
void decodeCoverageSpan(const uchar *levels, int count, int length, SpanF &out)
{
    uchar all = 0xff;
    for (int i = 0; i < count; ++i)
        all &= levels[i];
    int i = 0;
    for (; i + kLanes <= count; i += kLanes)
        store(out.a + i, levelAlphas(vfloat{float(levels[i]), float(levels[i + 1]), float(levels[i + 2]),
                                            float(levels[i + 3])}));
    for (; i < count; ++i)
        out.a[i] = float(levels[i]) / 255.0f;
    out.opaque = all == 0xff && count == length;
    std::fill(out.a + count, out.a + roundUpToLanes(length), 0.0f);
}

// The same for a computed coverage's row, whose m are levels / 255 already.
void decodeCoverageRow(const float *alphas, int count, int length, SpanF &out)
{
    const vint lane = {0, 1, 2, 3};
    vint whole = {-1, -1, -1, -1};
    for (int i = 0; i < count; i += kLanes) {
        const vfloat a = load(alphas + i);
        store(out.a + i, a);
        whole &= (a == 1.0f) | ~(lane < count - i); // lanes past the count do not count
    }
    out.opaque = (whole[0] & whole[1] & whole[2] & whole[3]) && count == length;
    std::fill(out.a + count, out.a + roundUpToLanes(length), 0.0f);
}

// The output's pixels, fetched once: QImage::scanLine() may not be called from
// several threads at a time.
struct OutputRows {
    uchar *bits;
    qsizetype bytesPerLine;
    QSize size;
    QRgb *row(int top) const { return reinterpret_cast<QRgb *>(bits + top * bytesPerLine); }
};

// The inputs of one operation, in canonical format, with how each is decoded.
struct SpanInputs {
    std::vector<QImage> images;
    std::vector<SpanDecode> decodes;
    const ColourTables *tables;
    const RowCoverage *rows; // the coverage of the null picture decoded as one, when computed
};

// `coverage` is the computed coverage's row for this output row, null where it has none.
void renderRow(const SpanInputs &inputs, const SpanFunction &compute, SpanF *spans, SpanF &out,
               const OutputRows &result, int top, const float *coverage = nullptr)
{
    const int lowerLeftY = result.size.height() - 1 - top;
    QRgb *target = result.row(top);
    const size_t n = inputs.images.size();
    std::vector<InputRow> rows(n);
    for (size_t i = 0; i < n; ++i)
        rows[i] = inputRow(inputs.images[i], lowerLeftY);
    for (int x = 0; x < result.size.width(); x += kSpanPixels) {
        const int length = std::min(kSpanPixels, result.size.width() - x);
        for (size_t i = 0; i < n; ++i) {
            const int count = std::clamp(rows[i].width - x, 0, length);
            if (inputs.decodes[i] == SpanDecode::Coverage && inputs.rows && inputs.images[i].isNull()) {
                const int covered = coverage ? std::clamp(inputs.rows->size.width() - x, 0, length) : 0;
                decodeCoverageRow(covered > 0 ? coverage + x : nullptr, covered, length, spans[i]);
                continue;
            }
            if (inputs.decodes[i] == SpanDecode::Coverage) {
                decodeCoverageSpan(count > 0 ? rows[i].bits + x : nullptr, count, length, spans[i]);
                continue;
            }
            const QRgb *pixels = count > 0 ? reinterpret_cast<const QRgb *>(rows[i].bits) + x : nullptr;
            if (inputs.decodes[i] == SpanDecode::MaskGreen)
                decodeMaskSpan(pixels, count, length, spans[i], *inputs.tables);
            else
                decodeSpan(pixels, count, length, spans[i], *inputs.tables);
        }
        compute(spans, out, {x, lowerLeftY, length});
        encodeSpan(out, length, target + x, *inputs.tables);
    }
}

} // namespace

namespace {

// Opaque pixels are their own straight colour: three look-ups and alpha 1.
void decodeOpaque(const QRgb *pixels, int count, SpanF &out, const ColourTables &t)
{
    for (int i = 0; i < count; ++i) {
        const QRgb pixel = pixels[i];
        out.r[i] = t.decode[(pixel >> 16) & 0xff];
        out.g[i] = t.decode[(pixel >> 8) & 0xff];
        out.b[i] = t.decode[pixel & 0xff];
    }
    std::fill(out.a, out.a + count, 1.0f);
}

// True when each of the `count` pixels has alpha 0.
bool allClear(const QRgb *pixels, int count)
{
    QRgb any = 0;
    for (int i = 0; i < count; ++i)
        any |= pixels[i];
    return (any >> 24) == 0;
}

// Alpha 0 leaves nothing to unpremultiply: decodeAny gives every channel the decode of 0,
// which is 0 in both spaces.
void decodeClear(int count, SpanF &out)
{
    for (float *channel : {out.r, out.g, out.b, out.a})
        std::fill(channel, channel + count, 0.0f);
}

void decodeAny(const QRgb *pixels, int count, SpanF &out, const ColourTables &t)
{
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
}

// Zeroes a channel from `count` up to whole vectors, so that kernels may run to the
// padded length.
void zeroPadding(float *channel, int count, int length)
{
    const size_t rest = static_cast<size_t>(roundUpToLanes(length) - count) * sizeof(float);
    if (rest > 0)
        std::memset(channel + count, 0, rest);
}

// True when each of the `count` alphas is exactly 1.
bool allOpaque(const float *alpha, int count)
{
    vint different{};
    int i = 0;
    for (; i + kLanes <= count; i += kLanes)
        different |= load(alpha + i) != 1.0f;
    bool opaque = (different[0] | different[1] | different[2] | different[3]) == 0;
    for (; i < count; ++i)
        opaque = opaque && alpha[i] == 1.0f;
    return opaque;
}

using vuint = unsigned __attribute__((vector_size(16)));

// sRGB * 255 (unrounded) of four straight colour values: clamp to [0, 1], quantise to
// the encode table's steps, look up.
inline vfloat encodeLevels(const float *table, vfloat straight)
{
    constexpr float steps = ColourTables::kEncodeSteps;
    const vint index = __builtin_convertvector(clamp01(straight) * steps + 0.5f, vint);
    return vfloat{table[index[0]], table[index[1]], table[index[2]], table[index[3]]};
}

// Rounds levels in [0, 255.5] to whole bytes (+0.5 and truncation).
inline vuint roundLevels(vfloat levels)
{
    return reinterpret_cast<vuint>(__builtin_convertvector(levels + 0.5f, vint));
}

// Stores the pixels of one vector that lie before `count`.
inline void storePixels(QRgb *pixels, int i, int count, vuint packed)
{
    if (count - i >= kLanes)
        std::memcpy(pixels + i, &packed, sizeof packed);
    else
        std::memcpy(pixels + i, &packed, static_cast<size_t>(count - i) * sizeof(QRgb));
}

// Opaque output needs neither unpremultiply nor premultiply: alpha 1 leaves every
// value as it is, so this gives the same bytes as the general path.
SPAN_CLONES void encodeOpaque(const SpanF &in, int count, QRgb *pixels, const float *table)
{
    for (int i = 0; i < count; i += kLanes) {
        const vuint r = roundLevels(encodeLevels(table, load(in.r + i)));
        const vuint g = roundLevels(encodeLevels(table, load(in.g + i)));
        const vuint b = roundLevels(encodeLevels(table, load(in.b + i)));
        storePixels(pixels, i, count, 0xff000000u | (r << 16) | (g << 8) | b);
    }
}

// Unpremultiply, encode, premultiply by the unrounded alpha, pack.
SPAN_CLONES void encodeAny(const SpanF &in, int count, QRgb *pixels, const float *table)
{
    for (int i = 0; i < count; i += kLanes) {
        const vfloat a = clamp01(load(in.a + i));
        const vfloat inverse = select(a > 0.0f, 1.0f / maxf(a, splat(1e-10f)), splat(0.0f));
        const vuint r = roundLevels(encodeLevels(table, load(in.r + i) * inverse) * a);
        const vuint g = roundLevels(encodeLevels(table, load(in.g + i) * inverse) * a);
        const vuint b = roundLevels(encodeLevels(table, load(in.b + i) * inverse) * a);
        const vuint A = roundLevels(a * 255.0f);
        storePixels(pixels, i, count, (A << 24) | (r << 16) | (g << 8) | b);
    }
}

} // namespace

void decodeSpan(const QRgb *pixels, int count, int length, SpanF &out, const ColourTables &t)
{
    const bool opaque = allOpaque(pixels, count);
    if (opaque)
        decodeOpaque(pixels, count, out, t);
    else if (allClear(pixels, count))
        decodeClear(count, out); // a clear region (around a seam, a placed layer) costs no look-ups
    else
        decodeAny(pixels, count, out, t);
    out.opaque = opaque && count == length;
    for (float *channel : {out.r, out.g, out.b, out.a})
        zeroPadding(channel, count, length);
}

void decodeMaskSpan(const QRgb *pixels, int count, int length, SpanF &out, const ColourTables &t)
{
    if (allOpaque(pixels, count)) {
        for (int i = 0; i < count; ++i)
            out.g[i] = t.decode[(pixels[i] >> 8) & 0xff];
    } else {
        for (int i = 0; i < count; ++i) {
            const QRgb pixel = pixels[i];
            const int alpha = static_cast<int>(pixel >> 24);
            const int green = straightChannel(pixel, 8, t.unpremultiply[alpha], alpha == 255);
            out.g[i] = t.decode[green] * t.alpha[alpha];
        }
    }
    out.opaque = false;
    zeroPadding(out.g, count, length);
}

void encodeSpan(const SpanF &in, int count, QRgb *pixels, const ColourTables &tables)
{
    if (allOpaque(in.a, count))
        encodeOpaque(in, count, pixels, tables.encode.data());
    else
        encodeAny(in, count, pixels, tables.encode.data());
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

QImage renderSpans(QSize extent, const std::vector<QImage> &inputs, const SpanFunction &compute,
                   const std::vector<SpanDecode> &decodes, BlendSpace space, QImage *reuse,
                   const RowCoverage *rows)
{
    if (extent.isEmpty())
        return {};
    const bool reusable =
        reuse && reuse->size() == extent && reuse->format() == kCanonicalFormat && reuse->isDetached();
    QImage result = reusable ? std::exchange(*reuse, QImage()) : QImage(extent, kCanonicalFormat);
    if (result.isNull())
        return {};
    SpanInputs canonical;
    canonical.decodes = decodes;
    canonical.decodes.resize(inputs.size(), SpanDecode::AllChannels);
    canonical.images.reserve(inputs.size());
    for (size_t i = 0; i < inputs.size(); ++i)
        canonical.images.push_back(canonical.decodes[i] == SpanDecode::Coverage
                                       ? inputs[i].convertToFormat(QImage::Format_Grayscale8)
                                       : CGImageRefFromImage(inputs[i]));
    canonical.tables = &colourTables(space);
    canonical.rows = rows && rows->rows ? rows : nullptr;
    const OutputRows output{result.bits(), result.bytesPerLine(), extent};
    const size_t n = inputs.size();
    parallelRows(extent.height(), [&](int begin, int end) {
        auto spans = std::make_unique<SpanF[]>(n + 1);
        if (!canonical.rows) {
            for (int top = begin; top < end; ++top)
                renderRow(canonical, compute, spans.get(), spans[n], output, top);
            return;
        }
        // The computed coverage's row y is the output's row y + offset.
        const int offset = extent.height() - canonical.rows->size.height();
        const int first = std::clamp(begin - offset, 0, canonical.rows->size.height());
        const int last = std::clamp(end - offset, first, canonical.rows->size.height());
        for (int top = begin; top < std::min(end, first + offset); ++top)
            renderRow(canonical, compute, spans.get(), spans[n], output, top);
        if (first < last)
            canonical.rows->rows(first, last, [&](int y, const float *m) {
                renderRow(canonical, compute, spans.get(), spans[n], output, y + offset, m);
            });
        for (int top = std::max(begin, last + offset); top < end; ++top)
            renderRow(canonical, compute, spans.get(), spans[n], output, top);
    });
    return result;
}
