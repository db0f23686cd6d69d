#pragma once

#include "model/Object_Photo.h"
#include "model/ProjectOptions.h"

#include <QImage>
#include <QList>
#include <QRectF>
#include <QSize>
#include <QSizeF>
#include <QString>

class QPainter;
struct PassCache;

// The drawing pass: one function renders the mixed picture for the preview canvas, the
// capture step and the command-line renderer alike. It needs no widget: it takes the
// photo list, the project mode and the view's size, and returns what to draw and the
// mixed picture (at full resolution only when a capture is pending, else at the pass's
// scale). paintPass then puts the drawing on any QPainter.

// One picture to draw into the view, stretched into `rect` (lower-left coordinates of
// the view) with source-over blending at `opacity`. Fitted pictures come already
// reduced to the rectangle's pixel size, so painting them is a plain copy.
struct ViewDraw {
    QImage image;
    QRectF rect;
    qreal opacity = 1.0;
    double turn = 0.0; // degrees clockwise on screen about the rectangle's centre
};

struct PassResult {
    QList<ViewDraw> draws; // in drawing order, over a black view
    QImage mixed;          // full resolution when a capture is pending, else at the pass's scale;
                           // null for an unknown mode or an unfinished one
    QSize fullSize;        // the mixed picture's size at full resolution, as a capture makes it
    bool empty = false;    // no photos: the view shows "No Image" and nothing is captured
    QString error;         // why nothing could be rendered (over the memory budget, a layer
                           // that cannot be drawn): one sentence; empty when all went well
    bool failed() const { return !error.isEmpty(); }
};

// The view the pass draws for: its size in points, the device pixels per point (so that
// fitted pictures are reduced to what the screen really shows), and whether a capture
// is pending. A pass with a capture pending works at full resolution; any other pass
// only feeds the view and works from the photos' reduced copies at the pass scale.
struct ViewTarget {
    QSizeF size;
    qreal pixelRatio = 1.0;
    bool capturePending = false;
    PassCache *cache = nullptr; // a preview pass's steps kept from the previous one, if any
};

// The scale of a pass whose mixed picture is `picture` points large at full resolution:
// 1 with a capture pending; otherwise the smallest power-of-two reduction that still
// holds at least as many pixels as the view shows of the picture (1 when it shows more).
// Geometry stays in full-resolution points; only the pixel grids shrink by the scale.
double passScale(QSizeF picture, const ViewTarget &view);

// The photo's pixels for drawing it `drawn` points large in a pass at `scale`: its own
// image at 1, else the smallest reduced copy large enough (made on first need and kept
// with the photo).
QImage photoAtScale(const Object_Photo &photo, double scale, QSizeF drawn);

// The pixels of a later photo as a pass mixes them: `pixels` (its picture or a reduced
// copy) with its mask applied as alpha, in the photo's own coordinates, before any
// geometry. A photo without a mask gives `pixels` themselves.
QImage maskedPixels(const Object_Photo &photo, const QImage &pixels);

// The photo's smallest reduced copy that a drawing of `pixels` enlarges by at most a
// quarter, or its own image.
QImage photoForPixels(const Object_Photo &photo, QSizeF pixels);

// A capture whose estimated memory (PassMemory.h) is over the budget allocates nothing
// and comes back failed; a preview over the budget draws the photos from the first on,
// as many as fit (failed only when the first alone does not). A pass in which a layer
// cannot be drawn fails too: a layer is never silently left out of a capture.
// `options` are the project's own settings (blend space, full-resolution strips).
// `cache`, for preview passes only, lets a pass start from the picture before the
// first photo that changed (the Composite and Shape pipelines use it).
PassResult renderPass(const PhotoList &photos, quint64 mode, QSizeF view, bool capturePending,
                      qreal pixelRatio = 1.0, const ProjectOptions &options = {}, PassCache *cache = nullptr);

// The failed pass for photo `index` (0-based) of `photos`: "photo 3 (“b.jpg”) cannot be
// drawn: <reason>".
PassResult failedLayerPass(const PhotoList &photos, qsizetype index, const QString &reason);

// Fills `repaint` black (given in the painter's own top-left coordinates, as
// QPaintEvent::rect() gives it), then draws "No Image" or the pass's pictures into a
// view of size `view`.
void paintPass(QPainter &painter, QSizeF view, const QRectF &repaint, const PassResult &pass);

// The fitted draw shared by the mode pipelines: the picture in its best-fit frame,
// centred in the view, reduced (area averaging) to the frame's pixel size. The frame is
// that of `fullSize`, the picture's size at full resolution, so that a pass at a reduced
// `scale` draws exactly where a full-resolution one does. A picture that covers nothing
// (null, or a 0 x 0 frame) adds no draw.
void addFittedDraw(PassResult &pass, const QImage &picture, QSizeF fullSize, double scale,
                   const ViewTarget &view);
// The same for a picture at full resolution.
void addFittedDraw(PassResult &pass, const QImage &picture, const ViewTarget &view);

// One picture drawn stretched into `rect` of the view at `opacity` (and turned by
// `turn` about its centre), reduced (area
// averaging) to the rectangle's pixel size when that is smaller. A null picture or an
// empty rectangle adds no draw.
void addViewDraw(PassResult &pass, const QImage &picture, const QRectF &rect, const ViewTarget &view,
                 qreal opacity = 1.0, double turn = 0.0);
