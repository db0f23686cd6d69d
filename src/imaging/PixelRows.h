#pragma once

#include "imaging/ColourTables.h"

#include <QImage>

#include <functional>
#include <vector>

// Pictures are processed in spans of up to kSpanPixels pixels of one row, as float
// arrays per channel (structure of arrays) so that the formulas vectorise. 64 pixels
// keep a mask blend's four spans within 4 KB, leaving the level-1 cache to the encode
// table; 256-pixel spans measured about 7 % slower on every filter.
inline constexpr int kSpanPixels = 64;

// One span of linear-light samples. A decoded input holds straight colour and alpha;
// a kernel's output holds premultiplied colour and alpha.
struct alignas(64) SpanF {
    float r[kSpanPixels];
    float g[kSpanPixels];
    float b[kSpanPixels];
    float a[kSpanPixels];
    // Set by decodeSpan: every pixel of the span's length has alpha exactly 1, so a
    // kernel may skip its compositing arithmetic (padding lanes still hold zeros).
    bool opaque = false;
};

// How an input is decoded: all four channels, or only the premultiplied linear green
// that a mask contributes (stored in `g`; the other channels are left as they were), or
// a coverage: a one-byte-per-pixel picture (Format_Grayscale8) whose levels / 255 go to
// `a` as they are, never through the colour tables (the span is opaque when every level
// is 255).
enum class SpanDecode { AllChannels, MaskGreen, Coverage };

// Where a span lies in the output: first column and row, both counted from the
// lower-left corner, and its length.
struct SpanPlace {
    int x;
    int y;
    int count;
};

// Computes one output span (premultiplied linear) from the decoded spans of the inputs,
// given in the order they were passed to renderSpans. The inputs are decoded afresh for
// every span, so a function may adjust them in place (an opacity scaling an alpha).
using SpanFunction = std::function<void(SpanF *inputs, SpanF &out, SpanPlace place)>;

// A coverage computed as the rows are rendered instead of read from a picture: `size`
// pixels, anchored at the lower-left corner like every input. rows(begin, end, use) calls
// use(y, m) for each of its rows y in [begin, end) (counted from the top), in order, with
// m[0 .. width) readable up to whole vectors past the width, each m a level / 255 as a
// coverage picture's levels are decoded.
struct RowCoverage {
    using RowUse = std::function<void(int y, const float *m)>;
    QSize size;
    std::function<void(int begin, int end, const RowUse &use)> rows;
};

// Renders an image of `extent` pixels. Every input is anchored at its lower-left corner
// and samples as transparent black outside its own rectangle. Rows run in parallel.
// `decodes`, when given, names how each input is decoded (default: all channels);
// `space` is the blend space the samples are decoded into and encoded from.
// `reuse`, when given, is a picture no longer needed: if it has `extent` pixels in the
// canonical format and is not shared, the result is written into its memory (taken from
// it), which spares touching fresh pages.
// `rows`, when given, is the coverage of the one input decoded as SpanDecode::Coverage
// whose picture is null.
QImage renderSpans(QSize extent, const std::vector<QImage> &inputs, const SpanFunction &compute,
                   const std::vector<SpanDecode> &decodes = {}, BlendSpace space = BlendSpace::Linear,
                   QImage *reuse = nullptr, const RowCoverage *rows = nullptr);

// The union of the inputs' rectangles, all anchored at the lower-left corner.
QSize unionExtent(const std::vector<QImage> &images);

// Decodes `count` canonical pixels into straight linear colour and alpha; the span's
// remaining pixels up to `length` become transparent black.
void decodeSpan(const QRgb *pixels, int count, int length, SpanF &out,
                const ColourTables &tables = colourTables());

// Decodes only what a mask contributes: premultiplied linear green into `out.g`, zero
// past `count` up to whole vectors.
void decodeMaskSpan(const QRgb *pixels, int count, int length, SpanF &out,
                    const ColourTables &tables = colourTables());

// True when each of the `count` pixels has alpha 255.
inline bool allOpaque(const QRgb *pixels, int count)
{
    QRgb all = 0xff000000u;
    for (int i = 0; i < count; ++i)
        all &= pixels[i];
    return (all >> 24) == 0xffu;
}

// Encodes premultiplied linear samples: unpremultiply, clamp, sRGB, premultiply, round.
void encodeSpan(const SpanF &in, int count, QRgb *pixels, const ColourTables &tables = colourTables());
