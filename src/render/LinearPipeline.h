#pragma once

#include "render/RenderPass.h"

// The Linear pipelines (two or more photos): the photos joined in list order into one
// strip, left to right or bottom to top, each pair of neighbours by a swipe seam whose
// overlap is set by the later photo's intersection level. Every pass fits each photo
// into 400 x 400 afresh (a capture from its own picture, which stays as it is), so that
// the saved picture is the same however many passes came before. With
// options.fullResolution, a capture builds the strip from the photos' own pictures
// stretched to the full-resolution frame (linearFullResolutionFrame) instead; the
// seams mix in options.blendSpace.
PassResult renderLinearHorizontal(const PhotoList &photos, const ViewTarget &view,
                                  const ProjectOptions &options = {});
PassResult renderLinearVertical(const PhotoList &photos, const ViewTarget &view,
                                const ProjectOptions &options = {});

// The box every photo of a Linear pass is fitted into.
inline constexpr qreal kLinearFitBox = 400.0;

// Every photo's picture fitted into 400 x 400, in list order. A picture already of its
// fitted size is shared, not copied. A capture fits from the photos' own pictures; a pass
// that only feeds the view may fit from their reduced copies (the fitted size is the
// same, the pixels within a level or two).
QList<QImage> fitLinearPhotos(const PhotoList &photos, bool fromReducedCopies = false);

// The common frame: the largest width and the largest height of the fitted pictures,
// each taken separately.
QSizeF linearFrame(const QList<QImage> &fitted);

// The full-resolution frame: the 400 x 400 frame `frame` (from fitLinearPhotos over
// `fitted`, the photos' fitted sizes) enlarged by k so that its height (horizontal) or
// width (vertical) is the smallest such side among `originals`, the photos' own sizes,
// so that no photo is enlarged to reach it. Both sides are rounded to whole pixels; the
// result is `frame` itself when k would not enlarge it.
QSizeF linearFullResolutionFrame(const QList<QSize> &originals, QSizeF frame, bool vertical);

// The numbers of one pair, from the later photo's level L and the common frame
// maxW x maxH: p = L*100/360 and t = p/100 in single precision; the pair's extent along
// the strip (Wk or Hk) in double from those factors, stored as a float; the growth of
// the accumulated position in single precision.
struct LinearPair {
    float p = 0.0f;
    float t = 0.0f;
    float extent = 0.0f;
    float growth = 0.0f;
};
LinearPair linearPair(float level, float along);

// The seam of one pair along the x axis (vertical = false) or the y axis: images A
// (P stretched into the common frame) and B (Q laid over A at the pair's offset), both
// of the pair's extent, joined by the matching swipe.
// `seamScale` multiplies the swipe's ramp (its geometry is fixed for the 400 x 400
// frame), so that an enlarged strip gets the very seam of the 400-pixel one. The two
// pair canvases are built in `canvases` when given, reusing their memory from the seam
// before when the size is the same; the seam itself may take canvases->result's.
struct LinearSeamCanvases {
    QImage first, second;
    QImage result; // a seam laid and handed back, whose memory the next seam may take
};
QImage linearSeam(const QImage &earlier, const QImage &later, QSizeF frame, const LinearPair &pair,
                  bool vertical, BlendSpace space = BlendSpace::Linear, float seamScale = 1.0f,
                  LinearSeamCanvases *canvases = nullptr);

// The strip of `pictures` (two or more, each exactly the frame's pixel size) with the photos' `levels`, built
// row by row: each row of the result is written once, the parts where a seam shows one picture alone copied
// and only the ramps mixed, rows in parallel. The very pixels of laying linearSeam's seams with LinearStrip
// (for two pictures, of the seam itself); a null image when the strip has no pixels or no memory.
QImage linearStripRows(const QList<QImage> &pictures, QSizeF frame, const QList<float> &levels, bool vertical,
                       BlendSpace space = BlendSpace::Linear, float seamScale = 1.0f);

// The strip being built: seams are laid one by one at their places (each but the first
// with its leading band erased so that the seam before shows through), so that a pass
// holds one seam at a time, and drawing a seam touches only the rows it covers.
class LinearStrip {
  public:
    LinearStrip(QSizeF frame, float lastPosition, bool vertical);
    bool isValid() const { return !m_strip.isNull(); }
    // Erases the seam's leading band in the seam itself (when asked), then lays it.
    void lay(QImage &seam, float previousPosition, bool eraseBand);
    QImage picture() const { return m_strip; }

  private:
    QImage m_strip;
    QSizeF m_frame;
    bool m_vertical;
};
