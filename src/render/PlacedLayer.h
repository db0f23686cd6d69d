#pragma once

#include "model/PhotoPlacement.h"

#include <QImage>
#include <QRectF>
#include <QSizeF>
#include <QString>

// The placed layer of the Composite and Shape pipelines: a transparent canvas whose
// lower-left corner is later aligned with the background's, holding the photo scaled by
// S per cent of its own size and moved by X and Y per cent of its own width and height,
// then mirrored and turned about the rectangle's centre. The canvas reaches to the
// right and top edges of the turned photo; what lies left of or below its lower-left
// corner is cut off, as for a negative offset.
struct PlacedLayer {
    QImage canvas;     // null when the canvas size is zero or negative (the filters accept it)
    QRectF rect;       // the photo's rectangle inside the canvas before the turn, lower-left coordinates
    QSizeF canvasSize; // rect and canvasSize are in full-resolution points at any scale
    Placement placement;
    bool isEmpty() const { return canvas.isNull(); }
    // The photo's rectangle in the canvas's pixels, in a pass at `scale`.
    QRectF pixelRect(double scale) const;
};

// Why a picture of `size` (full-resolution pixels) cannot be made, when a side is longer
// than kLargestPixelSide (Geometry.h): "it would be drawn 2000000 × 10 pixels large,
// and a picture is at most 1048576 pixels wide and high."; empty otherwise, also for a
// size that is empty by design.
QString oversizedFailure(QSizeF size);

// Why the layer of a photo of `photoSize` could not be made in a pass at `scale`, in one
// phrase ("its size and offsets are too large to draw."); empty when it was made, or
// when it is empty by design (a size of -100 per cent or less, a photo without picture).
QString placedLayerFailure(const PlacedLayer &layer, QSizeF photoSize, double scale);

// Computed in single precision, in this order: a = pw/ph; w = pw + S*(pw/100);
// h = w/a; offX = X*(pw/100); offY = Y*(ph/100); canvas (w+offX) x (h+offY).
PlacedLayer makePlacedLayer(const QImage &image, float S, float X, float Y);

// The geometry alone (no canvas) for a photo of `photoSize` (pw x ph above). A turn
// widens the canvas to the turned photo's bounds; without one it is exactly as above.
PlacedLayer placedLayerGeometry(QSizeF photoSize, float S, float X, float Y, const Placement &placement = {});

// The layer of that geometry in a pass at `scale`: `pixels` is the photo's picture or a
// reduced copy of it; the canvas holds canvasSize x scale pixels.
PlacedLayer makePlacedLayer(const QImage &pixels, const PlacedLayer &geometry, double scale);

// Draws a photo stretched into `rect` (lower-left coordinates) of `canvas`, source-over
// at `opacity`. An enlargement is drawn straight from the photo with smooth filtering
// (one pass, no enlarged copy); a reduction goes through the resize helper first so
// that it averages instead of skipping pixels.
void drawPhotoStretched(QImage &canvas, const QRectF &rect, const QImage &image, qreal opacity = 1.0);

// A picture made ready to be drawn into `rect` with `placement`: its pixels mirrored
// and turned by whole quarter turns exactly (a quarter turn swaps the rectangle's sides
// about its centre), and the turn that is left, in (-45, 45] degrees, for the drawing.
struct OrientedPicture {
    QImage image;
    QRectF rect;
    double turn = 0.0;
};
OrientedPicture orientPicture(const QImage &image, const QRectF &rect, const Placement &placement);

// The same as drawPhotoStretched, with the photo mirrored and turned about the
// rectangle's centre. The turned pixels are sampled once (bilinear) from the photo, or
// from its exact halvings when it is twice as large as drawn or more, so a reduction
// averages; the corners the turn leaves stay as they were. The identity placement
// draws exactly what drawPhotoStretched draws.
void drawPhotoPlaced(QImage &canvas, const QRectF &rect, const QImage &image, const Placement &placement,
                     qreal opacity = 1.0);
