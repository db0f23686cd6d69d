#pragma once

#include "imaging/BlendKernels.h"
#include "model/BlendMode.h"

#include <QImage>
#include <QString>

#include <array>

struct RowCoverage;

// The 26 image filters. Every input is anchored at its lower-left corner; every
// result is a new image in the canonical format. Null inputs are accepted.

// One row of the blend table, in the order of the model's blend modes (blendModeName
// gives the label): the filter name and the kernel that computes it.
struct BlendMode {
    const char *filterName;
    BlendKernel kernel;
    // A compositing operation (Addition, Maximum, Minimum, Multiply Compositing) rather
    // than a blend mode: its result is not linear in the layer's alpha.
    bool compositing = false;
};

inline constexpr quint64 kNormalBlendMode = 24;
const std::array<BlendMode, kBlendModeCount> &blendTable();

// Every filter mixes in `space`: linear light (the default) or the stored sRGB values.

// Blends `layer` over `background` with blend mode `mode` (0..24), the layer's alpha
// scaled by `opacity` (0..1, clamped; 1 leaves the layer as it is) and, when given, by
// `coverage` (one byte per pixel, Format_Grayscale8, the layer's size: level / 255, a
// mask's m). Any other index returns the background unchanged.
QImage imageComposite(const QImage &background, const QImage &layer, quint64 mode, float opacity = 1.0f,
                      BlendSpace space = BlendSpace::Linear, const QImage &coverage = QImage());
// The same with the coverage computed as the rows are blended (a mask rasterised on the
// way, which spares a picture of it): the same result as that coverage rasterised.
QImage imageComposite(const QImage &background, const QImage &layer, quint64 mode, float opacity,
                      BlendSpace space, const RowCoverage &coverage);

// Shows `layer` through the green channel of `mask` over `background`.
QImage imageShape(const QImage &background, const QImage &layer, const QImage &mask,
                  BlendSpace space = BlendSpace::Linear);

// The same for a masked photo: `layer` is laid over `background` with its alpha times
// the mask's green, so that the photo's alpha (its mask's m) multiplies the shape's.
QImage imageShapeOver(const QImage &background, const QImage &layer, const QImage &mask,
                      BlendSpace space = BlendSpace::Linear);

// Joins two images with a soft swipe seam, left to right (time 0.7) or bottom to top
// (time 0.5, angle pi/2). The seam's geometry (a 300 x 300 extent, a 300-pixel ramp) is
// multiplied by `scale`, so that a picture `scale` times larger gets the same seam.
// `reuse` may lend the memory of a picture no longer needed (renderSpans).
QImage imageSwipe(const QImage &first, const QImage &second, BlendSpace space = BlendSpace::Linear,
                  float scale = 1.0f, QImage *reuse = nullptr);
QImage imageSwipeVertical(const QImage &first, const QImage &second, BlendSpace space = BlendSpace::Linear,
                          float scale = 1.0f, QImage *reuse = nullptr);

// The same swipe a piece of a row at a time, for pictures built row by row from many
// seams: the pixels at lower-left column x and row y are the very pixels imageSwipe
// (vertical = false) or imageSwipeVertical gives there from the same two inputs' pixels.
class SwipeSpans {
  public:
    SwipeSpans(bool vertical, BlendSpace space, float scale);
    // What the ramp shows over `count` pixels of row y from column x: 0 when only the
    // first input (s = 0 at each), 1 when only the second (s = 1), -1 when a mix.
    int uniformSide(int x, int y, int count) const;
    // Mixes `count` (at most kSpanPixels) pixels of both inputs into `out`.
    void mix(const QRgb *first, const QRgb *second, int x, int y, int count, QRgb *out) const;

  private:
    float m_dx, m_dy, m_z, m_opacity;
    std::array<float, 3> m_colour;
    const ColourTables *m_tables;
};
