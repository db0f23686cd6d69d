#pragma once

#include <QImage>
#include <QRectF>
#include <QSizeF>
#include <QString>

// The placed layer of the Composite and Shape pipelines: a transparent canvas whose
// lower-left corner is later aligned with the background's, holding the photo scaled by
// S per cent of its own size and moved by X and Y per cent of its own width and height.
struct PlacedLayer {
    QImage canvas;     // null when the canvas size is zero or negative (the filters accept it)
    QRectF rect;       // the photo's rectangle inside the canvas, lower-left coordinates
    QSizeF canvasSize; // rect and canvasSize are in full-resolution points at any scale
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

// The geometry alone (no canvas) for a photo of `photoSize` (pw x ph above).
PlacedLayer placedLayerGeometry(QSizeF photoSize, float S, float X, float Y);

// The layer of that geometry in a pass at `scale`: `pixels` is the photo's picture or a
// reduced copy of it; the canvas holds canvasSize x scale pixels.
PlacedLayer makePlacedLayer(const QImage &pixels, const PlacedLayer &geometry, double scale);

// Draws a photo stretched into `rect` (lower-left coordinates) of `canvas`, source-over
// at `opacity`. An enlargement is drawn straight from the photo with smooth filtering
// (one pass, no enlarged copy); a reduction goes through the resize helper first so
// that it averages instead of skipping pixels.
void drawPhotoStretched(QImage &canvas, const QRectF &rect, const QImage &image, qreal opacity = 1.0);
