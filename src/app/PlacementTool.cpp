#include "app/PlacementTool.h"

#include "app/CsvRecord.h"
#include "app/View_Image_Preview.h"
#include "imaging/LowerLeft.h"
#include "imaging/ReducedCopies.h"
#include "model/PhotoProject.h"

#include <QKeyEvent>
#include <QLineF>
#include <QPainter>
#include <QPixmap>
#include <QPolygonF>
#include <QtMath>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

constexpr double kGripPoints = 8.0;        // how near a handle the pointer takes it, in canvas points
constexpr double kTurnHandlePoints = 28.0; // the turn handle's distance above the photo's top edge
constexpr double kSnapDegrees = 15.0;

// Turned clockwise on screen about the rectangle's centre: counter-clockwise in
// lower-left coordinates.
QTransform turnOf(const PhotoOutline &outline)
{
    const QPointF c = outline.rect.center();
    return QTransform::fromTranslate(c.x(), c.y())
        .rotate(-outline.placement.rotation)
        .translate(-c.x(), -c.y());
}

// An angle in degrees within (-180, 180].
double wrapped(double degrees)
{
    double d = std::fmod(degrees, 360.0);
    if (d > 180.0)
        d -= 360.0;
    if (d <= -180.0)
        d += 360.0;
    return d;
}

double clampedTo(PhotoField field, double value)
{
    const PhotoFieldRow &row = photoFieldRow(field);
    return std::clamp(value, row.minimum, row.maximum);
}

} // namespace

PlacementTool::PlacementTool(PhotoProject &project, View_Image_Preview &canvas,
                             std::function<quint64()> gesture, QObject *parent)
    : QObject(parent), m_project(project), m_canvas(canvas), m_gesture(std::move(gesture))
{
}

std::optional<PhotoOutline> PlacementTool::outline() const
{
    const PhotoPtr photo = m_project.tunablePhoto();
    if (!photo)
        return std::nullopt;
    return photoOutline(*photo, m_project.mode(), background());
}

QSizeF PlacementTool::background() const
{
    const PhotoList &photos = m_project.photos();
    return photos.isEmpty() ? QSizeF() : QSizeF(photos.front()->image.size());
}

QPointF PlacementTool::toLowerLeft(QPointF picturePoint) const
{
    return {picturePoint.x(), m_canvas.pictureSize().height() - picturePoint.y()};
}

QPointF PlacementTool::turnHandle(const PhotoOutline &outline, double pixelsPerPoint) const
{
    const QRectF &r = outline.rect;
    return turnOf(outline).map(QPointF(r.center().x(), r.bottom() + kTurnHandlePoints * pixelsPerPoint));
}

PlacementTool::Grip PlacementTool::gripAt(const Pointer &pointer) const
{
    const std::optional<PhotoOutline> placed = outline();
    if (!placed)
        return Grip::None;
    const QPointF p = toLowerLeft(pointer.point);
    const double reach = kGripPoints * pointer.pixelsPerPoint;
    if (QLineF(p, turnHandle(*placed, pointer.pixelsPerPoint)).length() <= reach)
        return Grip::Turn;
    const QPolygonF corners = placed->corners();
    for (const QPointF &corner : corners)
        if (QLineF(p, corner).length() <= reach)
            return Grip::Scale;
    return corners.containsPoint(p, Qt::OddEvenFill) ? Grip::Move : Grip::None;
}

bool PlacementTool::press(const Pointer &pointer)
{
    const Grip grip = gripAt(pointer);
    if (grip == Grip::None)
        return false;
    const QString names[] = {QString(), tr("Move Photo"), tr("Resize Photo"), tr("Rotate Photo")};
    m_drag = {grip, *outline(), toLowerLeft(pointer.point), {}, 0.0, m_gesture(), names[int(grip)], {}};
    m_drag.clock.start();
    const QPolygonF corners = m_drag.start.corners();
    if (grip == Grip::Scale) { // the corner across from the one taken stays
        qsizetype nearest = 0;
        for (qsizetype i = 1; i < corners.size(); ++i)
            if (QLineF(m_drag.from, corners[i]).length() < QLineF(m_drag.from, corners[nearest]).length())
                nearest = i;
        m_drag.anchor = corners[(nearest + 2) % 4];
    } else if (grip == Grip::Turn) {
        m_drag.anchor = m_drag.start.rect.center();
        m_drag.angle = QLineF(m_drag.anchor, m_drag.from).angle();
    }
    return true;
}

void PlacementTool::drag(const Pointer &pointer)
{
    switch (m_drag.grip) {
    case Grip::Move:
        moveTo(pointer);
        break;
    case Grip::Scale:
        scaleTo(pointer);
        break;
    case Grip::Turn:
        turnTo(pointer);
        break;
    case Grip::None:
        return;
    }
    record(pointer);
}

// With QUILLANE_RECORD_DRAG naming a file, each drag event is appended to it as a line of
// comma-separated values: the milliseconds since the press, the grip, the pointer (picture
// pixels) and the placing fields it left the photo with. The drag benchmark replays such
// a recording.
void PlacementTool::record(const Pointer &pointer)
{
    static const QString path = qEnvironmentVariable("QUILLANE_RECORD_DRAG");
    const PhotoPtr photo = m_project.tunablePhoto();
    if (path.isEmpty() || !photo)
        return;
    const char *grips[] = {"none", "move", "scale", "turn"};
    QStringList cells{QString::number(m_drag.clock.elapsed()), grips[int(m_drag.grip)],
                      QString::number(pointer.point.x()), QString::number(pointer.point.y())};
    for (const double value : placingValues(*photo, m_project.mode()))
        cells << QString::number(value);
    appendCsvRows(path, "ms,grip,pointer_x,pointer_y,size,x,y,rotation,flip_horizontal,flip_vertical",
                  {cells});
}

void PlacementTool::release(const Pointer &pointer)
{
    drag(pointer);
    m_drag.grip = Grip::None;
    m_canvas.update();
}

void PlacementTool::doubleClick(const Pointer &)
{
    m_drag.grip = Grip::None;
    emit finished();
}

void PlacementTool::moveTo(const Pointer &pointer)
{
    const QPointF by = toLowerLeft(pointer.point) - m_drag.from;
    place(m_drag.start.rect.translated(by), m_drag.start.placement.rotation, m_drag.stepName, m_drag.gesture);
}

// In the photo's own frame (before the turn) the taken corner follows the pointer as far
// as the photo's proportions allow; the corner across stays where it was on the picture.
void PlacementTool::scaleTo(const Pointer &pointer)
{
    const QTransform turn = turnOf(m_drag.start);
    const QTransform back = turn.inverted();
    const QPointF anchor = back.map(m_drag.anchor);
    const QPointF to = back.map(toLowerLeft(pointer.point));
    const QSizeF size = m_drag.start.rect.size();
    const double factor = std::max(
        {std::abs(to.x() - anchor.x()) / size.width(), std::abs(to.y() - anchor.y()) / size.height(), 1e-3});
    const QSizeF scaled = size * factor;
    const QPointF away(to.x() >= anchor.x() ? 1.0 : -1.0, to.y() >= anchor.y() ? 1.0 : -1.0);
    const QPointF centre =
        turn.map(anchor + QPointF(away.x() * scaled.width(), away.y() * scaled.height()) / 2);
    const QRectF rect(centre - QPointF(scaled.width(), scaled.height()) / 2, scaled);
    place(rect, m_drag.start.placement.rotation, m_drag.stepName, m_drag.gesture);
}

void PlacementTool::turnTo(const Pointer &pointer)
{
    // QLineF measures angles for y downwards: in lower-left coordinates they run clockwise.
    const double turned = QLineF(m_drag.anchor, toLowerLeft(pointer.point)).angle() - m_drag.angle;
    double rotation = wrapped(m_drag.start.placement.rotation + turned);
    if (pointer.modifiers & Qt::ShiftModifier)
        rotation = wrapped(std::round(rotation / kSnapDegrees) * kSnapDegrees);
    place(m_drag.start.rect, rotation, m_drag.stepName, m_drag.gesture);
}

void PlacementTool::place(const QRectF &rect, double rotation, const QString &stepName, quint64 gesture)
{
    const PhotoPtr photo = m_project.tunablePhoto();
    const std::optional<PlacementFields> fields = placementFields(m_project.mode());
    if (!photo || !fields)
        return;
    const auto values = placementForRect(*photo, m_project.mode(), background(), rect);
    if (!values)
        return;
    m_project.writeFields(m_project.selectedIndex(),
                          {{fields->size, clampedTo(fields->size, (*values)[0])},
                           {fields->x, clampedTo(fields->x, (*values)[1])},
                           {fields->y, clampedTo(fields->y, (*values)[2])},
                           {fields->rotation, clampedTo(fields->rotation, rotation)}},
                          stepName, gesture);
    m_ghost = true;
    m_canvas.update();
}

void PlacementTool::nudge(QPointF by)
{
    if (const std::optional<PhotoOutline> placed = outline())
        place(placed->rect.translated(by), placed->placement.rotation, tr("Nudge Photo"), m_gesture());
}

bool PlacementTool::key(QKeyEvent *event)
{
    const double step = event->modifiers() & Qt::ShiftModifier ? 10.0 : 1.0;
    switch (event->key()) {
    case Qt::Key_Escape:
        if (m_drag.grip == Grip::None)
            return false;
        place(m_drag.start.rect, m_drag.start.placement.rotation, m_drag.stepName, m_drag.gesture);
        m_drag.grip = Grip::None;
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        m_drag.grip = Grip::None;
        emit finished();
        return true;
    case Qt::Key_Left:
        return nudge({-step, 0}), true;
    case Qt::Key_Right:
        return nudge({step, 0}), true;
    case Qt::Key_Up:
        return nudge({0, step}), true;
    case Qt::Key_Down:
        return nudge({0, -step}), true;
    default:
        return false;
    }
}

QCursor PlacementTool::hover(const Pointer &pointer)
{
    switch (gripAt(pointer)) {
    case Grip::Move:
        return Qt::SizeAllCursor;
    case Grip::Scale: {
        // The diagonal the corner lies on, as the screen shows it (y downwards).
        const QPointF centre = outline()->rect.center();
        const QPointF from = toLowerLeft(pointer.point) - centre;
        return (from.x() > 0) == (from.y() > 0) ? Qt::SizeBDiagCursor : Qt::SizeFDiagCursor;
    }
    case Grip::Turn:
        return turnCursor();
    case Grip::None:
        break;
    }
    return Qt::ArrowCursor;
}

QCursor PlacementTool::turnCursor()
{
    // Three quarters of a circle, clockwise from the top, with the arrow's head at its end;
    // white under black, so that it shows over any picture.
    static const QCursor cursor = [] {
        QPixmap pixmap(32, 32);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        const QRectF circle(7, 7, 18, 18);
        const QPolygonF head({QPointF(2, 17), QPointF(12, 17), QPointF(7, 10)});
        for (const auto &[colour, width] : {std::pair{Qt::white, 4.0}, std::pair{Qt::black, 2.0}}) {
            painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::FlatCap));
            painter.setBrush(Qt::NoBrush);
            painter.drawArc(circle, 90 * 16, -270 * 16);
            painter.setBrush(colour);
            painter.drawPolygon(head);
        }
        painter.end();
        return QCursor(pixmap, 16, 16);
    }();
    return cursor;
}

// The outline as the canvas shows it, its corner handles and the turn handle on its stalk;
// during a drag whose pass has not arrived, the photo itself at its new place.
void PlacementTool::paintOverlay(QPainter &painter, const QTransform &toCanvas) const
{
    const std::optional<PhotoOutline> placed = outline();
    if (!placed)
        return;
    const double height = m_canvas.pictureSize().height();
    const QTransform toTop = QTransform(1, 0, 0, -1, 0, height) * toCanvas; // lower-left picture -> canvas
    painter.save();
    m_ghost = m_ghost && !m_canvas.isFrameCurrent();
    if (m_ghost)
        paintGhost(painter, toCanvas, *placed);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPolygonF corners = toTop.map(placed->corners());
    const double k = toCanvas.m11() > 0 ? 1.0 / std::hypot(toCanvas.m11(), toCanvas.m12()) : 1.0;
    const QPointF handle = toTop.map(turnHandle(*placed, k));
    const QPointF top = (corners[2] + corners[3]) / 2;
    for (const auto &[colour, width] : {std::pair{QColor(0, 0, 0, 160), 3.0}, {QColor(Qt::white), 1.0}}) {
        painter.setPen(QPen(colour, width));
        painter.setBrush(Qt::NoBrush);
        painter.drawPolygon(corners);
        painter.drawLine(top, handle);
        painter.setBrush(Qt::white);
        for (const QPointF &corner : corners)
            painter.drawRect(QRectF(corner - QPointF(4, 4), QSizeF(8, 8)));
        painter.drawEllipse(handle, 5, 5);
    }
    painter.restore();
}

void PlacementTool::paintGhost(QPainter &painter, const QTransform &toCanvas,
                               const PhotoOutline &placed) const
{
    const PhotoPtr photo = m_project.tunablePhoto();
    const double height = m_canvas.pictureSize().height();
    const QRectF target = toTopLeft(placed.rect, height); // picture pixels, top-left
    const double shown = std::hypot(toCanvas.m11(), toCanvas.m12()) * m_canvas.devicePixelRatioF();
    // The copies the loader made, only read here (a pass on a worker may be reading them too).
    const bool copiesFit = photo->reducedCopies && photo->reducedCopies->sourceKey == photo->image.cacheKey();
    const QImage pixels =
        copiesFit ? photo->reducedCopies->levelFor(photo->image, target.size() * shown) : photo->image;
    const Placement &p = placed.placement;
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setTransform(turnAboutCentre(target, p.rotation, p.flipHorizontal, p.flipVertical) * toCanvas,
                         true);
    painter.drawImage(target, pixels);
    painter.resetTransform();
}
