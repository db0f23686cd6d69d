#include "app/View_Image_Preview.h"

#include "imaging/Geometry.h"
#include "imaging/LowerLeft.h"
#include "model/PhotoProject.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// The steps of Zoom In and Zoom Out, and of the wheel.
constexpr std::array kZoomSteps{1.0 / 32, 1.0 / 16, 1.0 / 8, 1.0 / 6, 1.0 / 4, 1.0 / 3, 1.0 / 2, 2.0 / 3, 1.0,
                                1.5,      2.0,      3.0,     4.0,     6.0,     8.0,     12.0,    16.0};

// Above this zoom a pass renders only what is in sight, at full resolution: the pass
// scale there is 1 whatever the zoom.
constexpr double kRegionZoom = 0.5;

// The next step above (`direction` 1) or below (-1) `zoom`.
double steppedZoom(double zoom, int direction)
{
    if (direction > 0) {
        for (const double step : kZoomSteps)
            if (step > zoom * 1.001)
                return step;
        return kZoomSteps.back();
    }
    for (auto step = kZoomSteps.rbegin(); step != kZoomSteps.rend(); ++step)
        if (*step < zoom * 0.999)
            return *step;
    return kZoomSteps.front();
}

// Draws `source` of `image` stretched into `target`, only where it meets `exposed`:
// QPainter would otherwise transform the whole stretched picture, which at a high zoom
// is far larger than the view.
void drawExposed(QPainter &painter, const QRectF &target, const QImage &image, const QRectF &source,
                 const QRect &exposed)
{
    const QRectF shown = target & QRectF(exposed);
    if (shown.isEmpty() || target.isEmpty())
        return;
    const double kx = source.width() / target.width();
    const double ky = source.height() / target.height();
    const QRectF from(source.x() + (shown.x() - target.x()) * kx, source.y() + (shown.y() - target.y()) * ky,
                      shown.width() * kx, shown.height() * ky);
    painter.drawImage(shown, image, from);
}

} // namespace

View_Image_Preview::View_Image_Preview(const PhotoProject &project, QWidget *parent)
    : QWidget(parent), m_project(project), m_renderer([this] {
          PreviewRequest request = currentRequest();
          m_latency.requested(request.pixelRatio < devicePixelRatioF());
          return request;
      })
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    connect(&project, &PhotoProject::changed, this, [this](int changes) {
        if (changes & PhotoProject::ProjectStarted)
            zoomToFit();
        if (changes & (PhotoProject::ListChanged | PhotoProject::FieldChanged | PhotoProject::ModeChanged |
                       PhotoProject::OptionsChanged))
            redraw();
    });
    connect(&m_renderer, &PreviewRenderer::frameReady, this, &View_Image_Preview::showFrame);
}

void View_Image_Preview::setScrollArea(QScrollArea *area)
{
    m_scroll = area;
    area->setAlignment(Qt::AlignCenter); // a picture smaller than the view stays in its middle
    area->viewport()->setAutoFillBackground(true);
    QPalette palette = area->viewport()->palette();
    palette.setColor(QPalette::Window, Qt::black);
    area->viewport()->setPalette(palette);
    area->viewport()->installEventFilter(this);
}

bool View_Image_Preview::eventFilter(QObject *watched, QEvent *event)
{
    // The scroll area's view changed size: a zoomed canvas shows another part.
    if (m_scroll && watched == m_scroll->viewport() && event->type() == QEvent::Resize && rendersRegions())
        redraw();
    return QWidget::eventFilter(watched, event);
}

bool View_Image_Preview::rendersRegions() const
{
    return m_zoom > kRegionZoom && !m_pictureSize.isEmpty();
}

PreviewRequest View_Image_Preview::currentRequest() const
{
    PreviewRequest request{m_project.photos(),  m_project.mode(),    QSizeF(size()),
                           devicePixelRatioF(), m_project.options(), QRect()};
    if (const qsizetype row = m_toolPhoto ? request.photos.indexOf(m_toolPhoto) : -1; row >= 0)
        request.photos[row] = m_toolShown;
    if (m_zoom != kFit && !m_pictureSize.isEmpty()) {
        request.viewSize = zoomedSize();
        if (rendersRegions())
            request.region = shownRegion();
    } else if (m_toolDragging && m_tool->draftsWhileDragging()) {
        request.pixelRatio *= kDraftRatio; // a tool's drag: drafts keep up with the pointer
    }
    return request;
}

bool View_Image_Preview::isFrameFor(const PreviewRequest &request) const
{
    return m_frame.viewSize == request.viewSize && m_frame.requestedRegion == request.region;
}

void View_Image_Preview::redraw()
{
    if (size().isEmpty() || m_settling)
        return;
    // Zoomed in with nothing in sight (a canvas not shown yet): nothing to render.
    if (rendersRegions() && shownRegion().isEmpty())
        return;
    m_latency.asked();
    m_renderer.request();
}

bool View_Image_Preview::isFrameCurrent() const
{
    // A view of no size has nothing to wait for: passes start once it has one.
    if (m_renderer.isBusy())
        return false;
    if (size().isEmpty() || (rendersRegions() && shownRegion().isEmpty()))
        return true;
    return isFrameFor(currentRequest());
}

double View_Image_Preview::shownZoom() const
{
    if (m_pictureSize.isEmpty())
        return 0.0;
    if (m_zoom != kFit)
        return m_zoom;
    const double fit =
        std::min(width() / double(m_pictureSize.width()), height() / double(m_pictureSize.height()));
    return fit * devicePixelRatioF();
}

QString View_Image_Preview::zoomText() const
{
    const QString percent = tr("%1 %").arg(qRound(shownZoom() * 100.0));
    return m_zoom == kFit ? tr("Fit (%1)").arg(percent) : percent;
}

QSizeF View_Image_Preview::zoomedSize() const
{
    return QSizeF(m_pictureSize) * (m_zoom / devicePixelRatioF());
}

QRectF View_Image_Preview::pictureRect() const
{
    const QSizeF shown =
        m_zoom == kFit ? QSizeF(m_pictureSize).scaled(QSizeF(size()), Qt::KeepAspectRatio) : zoomedSize();
    // On whole device pixels, so that at 100 % each picture pixel is one screen pixel.
    const qreal ratio = devicePixelRatioF();
    const qreal x = std::floor(std::max(0.0, (width() - shown.width()) / 2) * ratio) / ratio;
    const qreal y = std::floor(std::max(0.0, (height() - shown.height()) / 2) * ratio) / ratio;
    return {QPointF(x, y), shown};
}

QRect View_Image_Preview::visibleRect() const
{
    if (!m_scroll)
        return rect();
    return QRect(-pos(), m_scroll->viewport()->size()) & rect();
}

QRect View_Image_Preview::shownRegion() const
{
    const double zoom = shownZoom();
    if (zoom <= 0.0)
        return {};
    const QRectF picture = pictureRect();
    const QRectF seen = QRectF(visibleRect()) & picture;
    if (seen.isEmpty())
        return {};
    const double k = zoom / devicePixelRatioF(); // points per picture pixel
    const QPointF from = (seen.topLeft() - picture.topLeft()) / k;
    const QPointF to = (seen.bottomRight() - picture.topLeft()) / k;
    const QRect region(QPoint(int(std::floor(from.x())), int(std::floor(from.y()))),
                       QPoint(int(std::ceil(to.x())) - 1, int(std::ceil(to.y())) - 1));
    return region & QRect(QPoint(0, 0), m_pictureSize);
}

void View_Image_Preview::setZoom(double zoom)
{
    const QRect seen = visibleRect();
    zoomAround(zoom, seen.isEmpty() ? QPointF(width() / 2.0, height() / 2.0) : QRectF(seen).center());
}

void View_Image_Preview::zoomIn()
{
    if (shownZoom() > 0.0)
        setZoom(steppedZoom(shownZoom(), 1));
}

void View_Image_Preview::zoomOut()
{
    if (shownZoom() > 0.0)
        setZoom(steppedZoom(shownZoom(), -1));
}

// The canvas takes the zoomed picture's size in the scroll area, or the area's whole view
// at Fit.
void View_Image_Preview::fitCanvasToZoom()
{
    if (!m_scroll)
        return;
    if (m_zoom == kFit || m_pictureSize.isEmpty()) {
        if (m_zoomedCanvas)
            m_scroll->setWidgetResizable(true); // back to the scroll area's whole view
        m_zoomedCanvas = false;
        return;
    }
    m_zoomedCanvas = true;
    m_scroll->setWidgetResizable(false);
    const QSizeF zoomed = zoomedSize();
    resize(QSize(int(std::ceil(zoomed.width())), int(std::ceil(zoomed.height()))).expandedTo(minimumSize()));
}

// The picture's point under `anchor` (canvas coordinates) stays where it is on screen.
void View_Image_Preview::zoomAround(double zoom, QPointF anchor)
{
    if (zoom != kFit && m_pictureSize.isEmpty())
        return; // nothing drawn yet: nothing to zoom
    zoom = zoom == kFit ? kFit : std::clamp(zoom, kZoomSteps.front(), kZoomSteps.back());
    if (zoom == m_zoom)
        return;
    const double before = shownZoom() / devicePixelRatioF();
    const QPointF point = before > 0.0 ? (anchor - pictureRect().topLeft()) / before : QPointF();
    const QPointF onScreen = anchor + QPointF(pos());
    m_zoom = zoom;
    m_settling = true;
    fitCanvasToZoom();
    if (m_scroll && zoom != kFit) {
        const QPointF now = pictureRect().topLeft() + point * (shownZoom() / devicePixelRatioF());
        m_scroll->horizontalScrollBar()->setValue(qRound(now.x() - onScreen.x()));
        m_scroll->verticalScrollBar()->setValue(qRound(now.y() - onScreen.y()));
    }
    m_settling = false;
    setCursor(zoom == kFit ? Qt::ArrowCursor : Qt::OpenHandCursor);
    emit zoomChanged();
    redraw();
    update();
}

void View_Image_Preview::showFrame(const PreviewFrame &frame)
{
    m_frame = frame;
    m_latency.framed();
    if (frame.pictureSize != m_pictureSize) {
        m_pictureSize = frame.pictureSize;
        if (m_pictureSize.isEmpty())
            m_zoom = kFit; // the list was emptied: nothing left to zoom into
        fitCanvasToZoom();
        emit zoomChanged();
    }
    update();
    emit passDrawn(frame.drewPhotos);
}

void View_Image_Preview::resizeEvent(QResizeEvent *)
{
    redraw();
    if (m_zoom == kFit)
        emit zoomChanged(); // the percentage Fit shows
}

void View_Image_Preview::moveEvent(QMoveEvent *)
{
    // Scrolled: a zoomed canvas renders the part now in sight.
    if (rendersRegions())
        redraw();
}

void View_Image_Preview::wheelEvent(QWheelEvent *event)
{
    if (!(event->modifiers() & Qt::ControlModifier) || event->angleDelta().y() == 0) {
        event->ignore(); // the scroll area scrolls
        return;
    }
    if (shownZoom() > 0.0)
        zoomAround(steppedZoom(shownZoom(), event->angleDelta().y() > 0 ? 1 : -1), event->position());
    event->accept();
}

void View_Image_Preview::setTool(CanvasTool *tool)
{
    m_tool = tool;
    m_toolDragging = false;
    setMouseTracking(tool != nullptr);
    setFocusPolicy(tool ? Qt::StrongFocus : Qt::NoFocus);
    unsetCursor();
    update();
}

// At Fit, the picture lies where the pass drew it: its best-fit frame in the view the
// frame was made for, that view scaled into the canvas as paintFrame shows it.
QTransform View_Image_Preview::pictureToCanvas() const
{
    if (m_pictureSize.isEmpty())
        return {};
    QRectF picture = pictureRect();
    if (m_zoom == kFit && !m_frame.viewSize.isEmpty() && m_frame.region.isEmpty()) {
        const QSizeF fitted = m_frame.viewSize.scaled(QSizeF(size()), Qt::KeepAspectRatio);
        const double k = fitted.width() / m_frame.viewSize.width();
        const QRectF inView = toTopLeft(return_Best_Fit_Frame(QSizeF(m_pictureSize), m_frame.viewSize),
                                        m_frame.viewSize.height());
        picture = QRectF(QPointF((width() - fitted.width()) / 2, (height() - fitted.height()) / 2) +
                             inView.topLeft() * k,
                         inView.size() * k);
    }
    return QTransform::fromTranslate(picture.x(), picture.y())
        .scale(picture.width() / m_pictureSize.width(), picture.height() / m_pictureSize.height());
}

void View_Image_Preview::showPhotoAs(const PhotoPtr &photo, const PhotoPtr &shown)
{
    m_toolPhoto = shown ? photo : nullptr;
    m_toolShown = photo ? shown : nullptr;
    redraw();
}

CanvasTool::Pointer View_Image_Preview::toolPointer(const QMouseEvent *event) const
{
    const QTransform toCanvas = pictureToCanvas();
    const double k = toCanvas.m11();
    return {toCanvas.inverted().map(event->position()), event->modifiers(), k > 0.0 ? 1.0 / k : 0.0};
}

void View_Image_Preview::mousePressEvent(QMouseEvent *event)
{
    if (m_tool && event->button() == Qt::LeftButton && !m_pictureSize.isEmpty()) {
        m_toolDragging = true; // a pass the press asks for is already a draft
        m_toolDragging = m_tool->press(toolPointer(event));
        if (m_toolDragging) {
            // The drafts' first pass renders every photo at their scale: it starts at the
            // press, not with the first move.
            if (m_tool->draftsWhileDragging())
                redraw();
            return;
        }
    }
    if (event->button() != Qt::LeftButton || m_zoom == kFit || !m_scroll) {
        QWidget::mousePressEvent(event);
        return;
    }
    m_dragging = true;
    m_dragFrom = event->globalPosition();
    m_scrollFrom = QPoint(m_scroll->horizontalScrollBar()->value(), m_scroll->verticalScrollBar()->value());
    setCursor(Qt::ClosedHandCursor);
}

void View_Image_Preview::mouseMoveEvent(QMouseEvent *event)
{
    if (m_toolDragging) {
        m_latency.arrived(m_tool->logName());
        m_tool->drag(toolPointer(event));
        return;
    }
    if (m_tool && !m_dragging && !m_pictureSize.isEmpty())
        setCursor(m_tool->hover(toolPointer(event)));
    if (!m_dragging || !m_scroll) {
        QWidget::mouseMoveEvent(event);
        return;
    }
    const QPointF moved = event->globalPosition() - m_dragFrom;
    m_scroll->horizontalScrollBar()->setValue(m_scrollFrom.x() - qRound(moved.x()));
    m_scroll->verticalScrollBar()->setValue(m_scrollFrom.y() - qRound(moved.y()));
}

void View_Image_Preview::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_toolDragging && event->button() == Qt::LeftButton) {
        m_toolDragging = false;
        m_tool->release(toolPointer(event));
        redraw(); // the sharp frame after the drafts
        return;
    }
    if (!m_dragging) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    m_dragging = false;
    setCursor(m_zoom == kFit ? Qt::ArrowCursor : Qt::OpenHandCursor);
}

// Black, then the latest frame. At Fit: as it is when it was made for this size, else
// scaled into the view keeping its proportions until the pass for the new size ends.
// Zoomed: where the part of the picture it holds lies at today's zoom, so that a frame
// made before a zoom or a scroll is shown in place until the next one is ready.
void View_Image_Preview::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (m_tool && event->button() == Qt::LeftButton && !m_pictureSize.isEmpty())
        m_tool->doubleClick(toolPointer(event));
    else
        QWidget::mouseDoubleClickEvent(event);
}

void View_Image_Preview::keyPressEvent(QKeyEvent *event)
{
    if (!m_tool || !m_tool->key(event))
        QWidget::keyPressEvent(event);
}

// The frame, then the tool's overlay over it.
void View_Image_Preview::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    paintFrame(painter, event->rect());
    if (m_tool && !m_pictureSize.isEmpty()) {
        painter.setClipRect(event->rect());
        m_tool->paintOverlay(painter, pictureToCanvas());
    }
    m_latency.painted();
}

void View_Image_Preview::paintFrame(QPainter &painter, const QRect &exposed)
{
    painter.fillRect(exposed, Qt::black);
    if (!m_renderer.isBusy() && !isFrameFor(currentRequest()))
        redraw(); // a view sized or scrolled while hidden: a pass is only asked for here
    if (m_frame.image.isNull())
        return;
    const bool zoomed = m_zoom != kFit && !m_pictureSize.isEmpty();
    if (!zoomed) {
        const QSizeF fitted = m_frame.viewSize.scaled(QSizeF(size()), Qt::KeepAspectRatio);
        const QRectF target(QPointF((width() - fitted.width()) / 2, (height() - fitted.height()) / 2),
                            fitted);
        painter.setRenderHint(QPainter::SmoothPixmapTransform, fitted != m_frame.viewSize);
        painter.drawImage(target, m_frame.image);
        return;
    }
    const QRectF picture = pictureRect();
    const double k = shownZoom() / devicePixelRatioF(); // points per picture pixel
    if (!m_frame.region.isEmpty()) {
        const QRectF target(picture.topLeft() + QPointF(m_frame.region.topLeft()) * k,
                            QSizeF(m_frame.region.size()) * k);
        painter.setRenderHint(QPainter::SmoothPixmapTransform, k * devicePixelRatioF() < 1.0);
        drawExposed(painter, target, m_frame.image, QRectF(m_frame.image.rect()), exposed);
        return;
    }
    if (m_frame.pictureSize.isEmpty())
        return;
    // A view frame: the picture fitted and centred in the view it was made for.
    const QSizeF fitted = QSizeF(m_frame.pictureSize).scaled(m_frame.viewSize, Qt::KeepAspectRatio);
    const qreal ratio = m_frame.image.devicePixelRatio();
    const QRectF source(QPointF((m_frame.viewSize.width() - fitted.width()) / 2,
                                (m_frame.viewSize.height() - fitted.height()) / 2) *
                            ratio,
                        fitted * ratio);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    drawExposed(painter, picture, m_frame.image, source, exposed);
}
