#pragma once

#include "app/CanvasTool.h"
#include "app/LatencyLog.h"
#include "render/PreviewRenderer.h"

#include <QPointF>
#include <QPointer>
#include <QWidget>

class PhotoProject;
class QScrollArea;

// The preview canvas. Passes run on the preview renderer's worker over a snapshot of the
// project at the view's scale; the canvas paints the latest finished frame (scaled into
// the view when the view changed size since) and never renders while painting. It
// follows the project's changes and its own size; a burst of changes coalesces into one
// more pass of the latest state.
//
// Zoom: Fit shows the whole picture in the view (the default, and again for every new or
// opened project). Any other zoom gives the canvas the zoomed picture's size inside its
// scroll area, which pans it (scroll bars, or dragging the picture). Up to 50 % a pass
// draws the whole picture at the zoom from the photos' reduced copies; above that it
// renders only the part in sight, at full resolution, and shows those pixels enlarged
// without smoothing, so that at 100 % the canvas shows exactly the saved picture's pixels.
class View_Image_Preview : public QWidget {
    Q_OBJECT
  public:
    explicit View_Image_Preview(const PhotoProject &project, QWidget *parent = nullptr);

    // The scroll area the canvas is the widget of; without one the canvas only fits.
    void setScrollArea(QScrollArea *area);

    // Asks for a pass of the project as it is.
    void redraw();
    // Passes finished so far.
    int passCount() const { return m_renderer.passCount(); }
    // The frame shown is of the latest state and of the view's size and zoom.
    bool isFrameCurrent() const;

    static constexpr double kFit = 0.0;
    // At Fit, while a tool drags, passes render at this share of the screen's pixels
    // (a quarter of the pixels): a project of many large photos keeps up with the
    // pointer, and the sharp frame follows the drag's end.
    static constexpr double kDraftRatio = 0.5;
    // The frame shown is a draft.
    bool showsDraft() const { return m_frame.image.devicePixelRatio() < devicePixelRatioF(); }
    // Device pixels per picture pixel (1 = 100 %), or kFit.
    double zoom() const { return m_zoom; }
    // The zoom the picture is shown at, also at Fit; 0 before a picture was drawn.
    double shownZoom() const;
    // "Fit (23 %)" or "150 %".
    QString zoomText() const;
    // The picture's size at full resolution, as the latest frame told it.
    QSize pictureSize() const { return m_pictureSize; }
    // The part of the picture (its pixels) the canvas shows.
    QRect shownRegion() const;

    // Keeps the picture's point at the view's centre in place.
    void setZoom(double zoom);
    void zoomIn();
    void zoomOut();
    void zoomToFit() { setZoom(kFit); }
    void zoomToActualPixels() { setZoom(1.0); }

    // The tool that gets the pointer and keys (null: a drag pans). Not owned.
    void setTool(CanvasTool *tool);
    CanvasTool *tool() const { return m_tool; }
    // Maps the picture's pixels to the canvas's points as it is shown now.
    QTransform pictureToCanvas() const;
    // While a tool works: passes show `shown` in place of the project's `photo` (a stroke
    // being painted), until it is called with null ones. Asks for a pass.
    void showPhotoAs(const PhotoPtr &photo, const PhotoPtr &shown);

  signals:
    // A pass has finished; `drewPhotos` is false when the project had no photo.
    void passDrawn(bool drewPhotos);
    // The zoom or the percentage Fit shows changed.
    void zoomChanged();

  protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    PreviewRequest currentRequest() const;
    bool isFrameFor(const PreviewRequest &request) const;
    bool rendersRegions() const;
    QSizeF zoomedSize() const;
    QRectF pictureRect() const;
    QRect visibleRect() const;
    void zoomAround(double zoom, QPointF anchor);
    void fitCanvasToZoom();
    void showFrame(const PreviewFrame &frame);
    void paintFrame(QPainter &painter, const QRect &exposed);
    CanvasTool::Pointer toolPointer(const QMouseEvent *event) const;

    const PhotoProject &m_project;
    PreviewRenderer m_renderer;
    PreviewFrame m_frame;
    QPointer<QScrollArea> m_scroll;
    double m_zoom = kFit;
    QSize m_pictureSize;
    bool m_zoomedCanvas = false; // the canvas has the zoomed picture's size
    bool m_settling = false;     // a zoom is being set: one pass once it is in place
    bool m_dragging = false;
    CanvasTool *m_tool = nullptr;
    PhotoPtr m_toolPhoto; // the project's photo a tool shows otherwise, and how
    PhotoPtr m_toolShown;
    bool m_toolDragging = false;
    QPointF m_dragFrom;
    QPoint m_scrollFrom;
    LatencyLog m_latency{LatencyLog::pathFromEnvironment()}; // QUILLANE_LATENCY_LOG
};
