#pragma once

#include "imaging/PixelRows.h"
#include "model/PhotoMask.h"

#include <QImage>
#include <QRect>
#include <QSize>

#include <functional>
#include <vector>

// A photo's mask rasterised for a picture of the photo `size` pixels large (its own
// picture or a reduced copy): the mask's fractions become that picture's pixels, and
// each pixel's m is taken at its centre. Any scale rasterises the same mask.
// Formulas: docs/mixing-controls.md ("Masks").
class MaskRaster {
  public:
    // `asLevels`: each m given as its 8-bit level / 255, round(255 m) / 255, which is
    // what a coverage rasterised to one byte per pixel decodes to.
    MaskRaster(const PhotoMask &mask, QSize size, bool asLevels = false);

    // m in [0, 1] for the pixels [x0, x1) of each row y in [begin, end) (top-left
    // coordinates): use(y, m) with m[0 .. x1 - x0), padded to whole vectors of eight.
    using RowUse = RowCoverage::RowUse;
    void forRows(int begin, int end, int x0, int x1, const RowUse &use) const;

    // A stroke is prepared as the parts of its path that a pixel can be nearest to:
    // each segment's body and each point's wedge (a whole disc for a one-point stroke).
    struct Part {
        bool body;          // a segment's body, else a point's wedge
        float ax, ay;       // the segment's start, or the point
        float ux, uy;       // the segment's direction (unit); the wedge's incoming one
        float wx, wy;       // the wedge's outgoing direction
        float length;       // the segment's length
        bool hasIn, hasOut; // the wedge's sides (a path's ends have one, a lone point none)
        float top, bottom;  // the rows it can reach (pixel centres)
    };
    // Eight parts side by side, each as two conditions a px + b in [low, high] on a row's
    // pixel centres px, with b = dy p + q for the row's offset dy from the part's point
    // (a body: along the segment and across it; a wedge: past its incoming segment and
    // before its outgoing one), so that a row's spans of eight parts take one pass.
    struct PartLanes {
        static constexpr int kCount = 8;
        float top[kCount], bottom[kCount], ax[kCount], ay[kCount], wedge[kCount];
        float a[2][kCount], p[2][kCount], q[2][kCount], low[2][kCount], high[2][kCount];
    };
    struct Stroke {
        float target;  // 0 hide, 1 show
        float opacity; // 0..1
        float radius;  // pixels
        float hardness;
        float top, bottom;
        std::vector<Part> parts;
        std::vector<PartLanes> lanes; // the parts, eight at a time (the last ones padded)
    };
    struct Gradient {
        bool linear;
        float fx, fy, dx, dy, inverseLength2; // linear: from and axis
        float radius, inner;                  // radial: centre in fx, fy
    };

  private:
    void row(const std::vector<Stroke> &strokes, int y, int x0, int x1, float *m, float *scratch) const;

    std::vector<Gradient> m_gradients;
    std::vector<Stroke> m_strokes;
    bool m_invert = false;
    bool m_asLevels = false;
};

// m x 255, rounded, one byte per pixel (Format_Grayscale8): rows in parallel.
QImage rasterizeMask(const PhotoMask &mask, QSize size);
// The same for the part `rect` of a picture `size` large only; the image is rect-sized.
QImage rasterizeMask(const PhotoMask &mask, QSize size, QRect rect);

// The same mask as a coverage computed row by row while a blend renders (every core's
// rows at once), for a blend that takes it once: no picture of it is made. Each m is
// rounded to its level as in the picture, so that the blend is the picture's bit for bit
// (a pass that keeps its steps' coverage pictures and one that does not look the same).
RowCoverage maskRows(const PhotoMask &mask, QSize size);
// The same for the part `rect` of a picture `size` large only; the coverage is rect-sized.
RowCoverage maskRows(const PhotoMask &mask, QSize size, QRect rect);

// What the mask leaves of `pixels` (a photo's picture or reduced copy): a canonical copy
// with every premultiplied channel scaled by the pixel's 8-bit m (rounded), which scales
// its alpha and keeps its colour. An empty mask returns `pixels` as it is.
QImage applyMask(const QImage &pixels, const PhotoMask &mask);
// The same for `pixels` that are the part at `offset` of a picture `size` large (a
// region of the photo's own picture).
QImage applyMask(const QImage &pixels, const PhotoMask &mask, QSize size, QPoint offset);

// The brush's profile at distance t (in radii) from the stroke's path, for a hardness h
// in [0, 1]: 1 up to h, a smoothstep down to 0 at t = 1, 0 beyond.
float brushProfile(float t, float hardness);
