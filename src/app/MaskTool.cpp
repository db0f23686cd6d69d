#include "app/MaskTool.h"

#include "app/CsvRecord.h"
#include "app/View_Image_Preview.h"
#include "imaging/MaskRaster.h"
#include "model/PhotoProject.h"
#include "render/PassCache.h"
#include "render/PhotoFrame.h"

#include <QKeyEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

// The tint's largest side: the overlay is a guide, drawn smoothed when enlarged.
constexpr int kLargestTintSide = 1600;
// Points of a stroke closer than this many canvas points to the one before are left out,
// and those closer than this share of the brush's radius: the path between kept points is
// straight, and fewer points keep the mask quick to rasterise at any zoom.
constexpr double kPointSpacing = 2.0;
constexpr double kRadiusSpacing = 0.25;
// A gradient drag shorter than this many canvas points adds nothing.
constexpr double kShortestGradient = 3.0;

double distance(QPointF a, QPointF b)
{
    return std::hypot(a.x() - b.x(), a.y() - b.y());
}

// The mask as a red tint: transparent where the photo shows, more red where it is hidden.
QImage maskTint(const PhotoMask &mask, QSize size)
{
    const QImage levels = rasterizeMask(mask, size);
    QImage tint(size, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < size.height(); ++y) {
        const uchar *m = levels.constScanLine(y);
        auto *out = reinterpret_cast<QRgb *>(tint.scanLine(y));
        for (int x = 0; x < size.width(); ++x)
            out[x] = qPremultiply(qRgba(230, 20, 40, (255 - m[x]) * 150 / 255));
    }
    return tint;
}

} // namespace

MaskTool::MaskTool(PhotoProject &project, View_Image_Preview &canvas, QObject *parent)
    : QObject(parent), m_project(project), m_canvas(canvas)
{
}

void MaskTool::setSettings(const Settings &settings)
{
    Settings next = settings;
    next.size = std::clamp(next.size, kSmallestSize, kLargestSize);
    next.hardness = std::clamp(next.hardness, 0.0, 100.0);
    next.opacity = std::clamp(next.opacity, 1.0, 100.0);
    if (next == m_settings)
        return;
    m_settings = next;
    m_canvas.update();
    emit settingsChanged();
}

PhotoPtr MaskTool::photo() const
{
    const qint64 row = m_project.selectedIndex();
    return m_project.canMask(row) ? m_project.photos()[row] : nullptr;
}

QTransform MaskTool::photoTransform() const
{
    return photoToPicture(m_project.photos(), m_project.mode(), m_project.selectedIndex());
}

QPointF MaskTool::toPhoto(QPointF picturePoint) const
{
    const QPointF point = photoTransform().inverted().map(picturePoint);
    return {std::clamp(point.x(), kMaskPlaceMin, kMaskPlaceMax),
            std::clamp(point.y(), kMaskPlaceMin, kMaskPlaceMax)};
}

PhotoMask MaskTool::maskWithGesture() const
{
    const PhotoPtr shown = photo();
    PhotoMask mask = shown ? shown->mask : PhotoMask();
    if (!m_active)
        return mask;
    if (m_settings.shape == Brush)
        mask.strokes.append(m_stroke);
    else if (m_from != m_to)
        mask.gradients.append(gestureGradient());
    return mask;
}

// The gradient being dragged: a linear one from the press to the pointer, or a radial
// one centred at the press reaching the pointer, with the hardness as its inner share.
MaskGradient MaskTool::gestureGradient() const
{
    if (m_settings.shape == LinearGradient)
        return {MaskGradient::Linear, m_from, m_to, 0, 0};
    const QTransform toPicture = photoTransform();
    const double radius =
        std::min(distance(toPicture.map(m_from), toPicture.map(m_to)) / toPicture.m11(), kMaskSizeMax);
    return {MaskGradient::Radial, m_from, {}, radius, radius * m_settings.hardness / 100.0};
}

// The stroke or gradient being drawn, through the whole stack.
void MaskTool::showGesture()
{
    const PhotoPtr painted = photo();
    if (!painted)
        return;
    auto shown = std::make_shared<Object_Photo>(*painted);
    shown->mask = maskWithGesture();
    m_canvas.showPhotoAs(painted, shown);
    m_canvas.update();
}

bool MaskTool::press(const Pointer &pointer)
{
    if (!photo() || photoTransform().m11() <= 0.0)
        return false;
    m_row = m_project.selectedIndex();
    m_active = true;
    m_pointer = pointer.point;
    m_from = m_to = toPhoto(pointer.point);
    m_stroke = {m_settings.show, m_settings.size / 100.0, m_settings.hardness, m_settings.opacity, {m_from}};
    m_clock.start();
    if (m_settings.shape == Brush)
        record();
    showGesture();
    return true;
}

void MaskTool::drag(const Pointer &pointer)
{
    if (!m_active)
        return;
    const QPointF last = m_settings.shape == Brush ? photoTransform().map(m_stroke.points.last()) : QPointF();
    m_pointer = pointer.point;
    m_to = toPhoto(pointer.point);
    if (m_settings.shape == Brush) {
        const double radius = m_settings.size / 200.0 * photoTransform().m11();
        const double spacing = std::max(kPointSpacing * pointer.pixelsPerPoint, kRadiusSpacing * radius);
        if (distance(last, pointer.point) < spacing)
            return m_canvas.update();
        m_stroke.points.append(m_to);
        record();
    }
    showGesture();
}

// With QUILLANE_RECORD_STROKE naming a file, each point a brush stroke takes is appended
// to it as a line of comma-separated values: the milliseconds since the press, the point
// (fractions of the photo's width and height) and the stroke's size (a fraction of the
// width), hardness and opacity. The live painting benchmark replays such a recording.
void MaskTool::record() const
{
    static const QString path = qEnvironmentVariable("QUILLANE_RECORD_STROKE");
    if (path.isEmpty())
        return;
    const QPointF point = m_stroke.points.last();
    appendCsvRows(path, "ms,x,y,size,hardness,opacity",
                  {{QString::number(m_clock.elapsed()), QString::number(point.x()),
                    QString::number(point.y()), QString::number(m_stroke.size),
                    QString::number(m_stroke.hardness), QString::number(m_stroke.opacity)}});
}

void MaskTool::release(const Pointer &pointer)
{
    if (!m_active)
        return;
    drag(pointer);
    if (m_settings.shape == Brush && m_stroke.points.last() != m_to) {
        m_stroke.points.append(m_to); // the stroke ends where the button was released
        record();
    }
    const QTransform toPicture = photoTransform();
    const bool longEnough =
        distance(toPicture.map(m_from), toPicture.map(m_to)) >= kShortestGradient * pointer.pixelsPerPoint;
    m_active = false;
    if (m_settings.shape == Brush) {
        m_project.addMaskStroke(m_row, m_stroke);
    } else if (longEnough) {
        m_project.addMaskGradient(m_row, gestureGradient());
    }
    m_canvas.showPhotoAs(nullptr, nullptr);
    m_canvas.update();
}

QCursor MaskTool::hover(const Pointer &pointer)
{
    m_pointer = pointer.point;
    m_pointerIn = true;
    m_canvas.update();
    return photo() ? Qt::CrossCursor : Qt::ForbiddenCursor;
}

bool MaskTool::key(QKeyEvent *event)
{
    Settings next = m_settings;
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    switch (event->key()) {
    case Qt::Key_B:
        next.shape = Brush;
        break;
    case Qt::Key_X:
        next.show = !next.show;
        break;
    case Qt::Key_G:
        next.shape = next.shape == LinearGradient ? RadialGradient : LinearGradient;
        break;
    case Qt::Key_BracketLeft:
    case Qt::Key_BraceLeft:
        if (shift || event->key() == Qt::Key_BraceLeft)
            next.hardness -= 10;
        else
            next.size /= 1.25;
        break;
    case Qt::Key_BracketRight:
    case Qt::Key_BraceRight:
        if (shift || event->key() == Qt::Key_BraceRight)
            next.hardness += 10;
        else
            next.size *= 1.25;
        break;
    default:
        return false;
    }
    setSettings(next);
    return true;
}

void MaskTool::paintOverlay(QPainter &painter, const QTransform &toCanvas) const
{
    const QTransform toPicture = photoTransform();
    if (!photo() || toPicture.m11() <= 0.0)
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    if (m_settings.showMask)
        paintMaskTint(painter, toPicture, toCanvas);
    if (m_active && m_settings.shape != Brush) {
        const QPointF from = toCanvas.map(toPicture.map(m_from)), to = toCanvas.map(toPicture.map(m_to));
        for (const auto &[colour, width] :
             {std::pair{QColor(Qt::black), 3.0}, std::pair{QColor(Qt::white), 1.0}}) {
            painter.setPen(QPen(colour, width));
            if (m_settings.shape == LinearGradient)
                painter.drawLine(from, to);
            else
                painter.drawEllipse(from, distance(from, to), distance(from, to));
        }
    } else if (m_pointerIn || m_active) {
        paintBrushOutline(painter, toPicture, toCanvas);
    }
    painter.restore();
}

// The brush's edge where the pointer is, in black and white so that it shows on any
// picture; a hidden inner circle marks where its hardness ends.
void MaskTool::paintBrushOutline(QPainter &painter, const QTransform &toPicture,
                                 const QTransform &toCanvas) const
{
    if (m_settings.shape != Brush)
        return;
    const QPointF centre = toCanvas.map(m_pointer);
    const double radius = m_settings.size / 200.0 * toPicture.m11() * toCanvas.m11();
    painter.setBrush(Qt::NoBrush);
    for (const auto &[colour, width] :
         {std::pair{QColor(Qt::black), 3.0}, std::pair{QColor(Qt::white), 1.0}}) {
        painter.setPen(QPen(colour, width));
        painter.drawEllipse(centre, radius, radius);
    }
    if (m_settings.hardness < 100) {
        painter.setPen(QPen(Qt::white, 1.0, Qt::DotLine));
        const double inner = radius * m_settings.hardness / 100.0;
        painter.drawEllipse(centre, inner, inner);
    }
}

void MaskTool::paintMaskTint(QPainter &painter, const QTransform &toPicture, const QTransform &toCanvas) const
{
    const QRectF target = (toPicture * toCanvas).mapRect(QRectF(0, 0, 1, 1));
    const double shrink = std::min(1.0, kLargestTintSide / std::max(target.width(), target.height()));
    const QSize size = (target.size() * shrink).toSize().expandedTo(QSize(1, 1));
    // The document's mask: while a stroke is drawn the picture shows it, and the tint is
    // not made again on the main thread for every move.
    const PhotoMask mask = photo()->mask;
    const quint64 key = chainKey(chainMaskKey(1, mask), quint64(size.width()) << 32 | quint64(size.height()));
    if (key != m_tintKey || m_tint.isNull()) {
        m_tint = maskTint(mask, size);
        m_tintKey = key;
    }
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, m_tint);
}
