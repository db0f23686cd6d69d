#pragma once

#include <QCursor>
#include <QPointF>
#include <QString>
#include <QTransform>
#include <Qt>

class QKeyEvent;
class QPainter;

// A tool that works on the preview canvas (painting a mask, placing a photo). The canvas
// hands it the pointer in picture coordinates (the mixed picture's full-resolution
// pixels, origin top-left) and its keys, and lets it draw over the frame. While no tool
// is set, a drag on a zoomed canvas pans it.
class CanvasTool {
  public:
    struct Pointer {
        QPointF point; // in picture pixels
        Qt::KeyboardModifiers modifiers;
        double pixelsPerPoint; // picture pixels per canvas point at the zoom shown
    };

    virtual ~CanvasTool() = default;
    // The tool's name in the latency log ("mask", "place").
    virtual QString logName() const = 0;
    // A press of the left button: true when the tool takes the drag that follows.
    virtual bool press(const Pointer &pointer) = 0;
    virtual void drag(const Pointer &pointer) = 0;
    virtual void release(const Pointer &pointer) = 0;
    virtual void doubleClick(const Pointer &) {}
    // While it drags at Fit, the canvas shows drafts (fewer pixels, so that a pass over
    // every photo keeps up with the pointer) unless the tool's drag redraws only a small
    // region, which the sharp frame keeps up with already.
    virtual bool draftsWhileDragging() const { return true; }
    // The pointer moved with no button down: the cursor shape it should have there.
    virtual QCursor hover(const Pointer &pointer) = 0;
    // A key while the canvas has the focus: true when the tool used it.
    virtual bool key(QKeyEvent *event) = 0;
    // Draws over the frame; `toCanvas` maps picture pixels to the canvas's points.
    virtual void paintOverlay(QPainter &painter, const QTransform &toCanvas) const = 0;
};
