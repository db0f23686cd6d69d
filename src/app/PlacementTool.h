#pragma once

#include "app/CanvasTool.h"
#include "render/PhotoOutline.h"

#include <QElapsedTimer>
#include <QObject>

#include <functional>
#include <optional>

class PhotoProject;
class View_Image_Preview;

// Places the selected photo by hand on the canvas: its outline over the preview; a drag
// inside moves it, a corner handle scales it (its proportions kept: every mode's size
// is one number), the handle above it turns it about its centre (Shift snaps to 15°).
// Arrow keys nudge it by a picture pixel (Shift: ten); Escape puts back where a drag
// started; Enter or a double-click finishes. Each drag writes the photo's fields live
// through the document as one undo step; the panel follows the document.
// While a drag's pass is on its way, the photo is drawn at its new place over the
// frame shown, so the canvas answers within the frame.
class PlacementTool : public QObject, public CanvasTool {
    Q_OBJECT
  public:
    // `gesture` names the gesture under way (the document merges its writes).
    PlacementTool(PhotoProject &project, View_Image_Preview &canvas, std::function<quint64()> gesture,
                  QObject *parent = nullptr);

    QString logName() const override { return QStringLiteral("place"); }
    bool press(const Pointer &pointer) override;
    void drag(const Pointer &pointer) override;
    void release(const Pointer &pointer) override;
    void doubleClick(const Pointer &pointer) override;
    QCursor hover(const Pointer &pointer) override;
    bool key(QKeyEvent *event) override;
    void paintOverlay(QPainter &painter, const QTransform &toCanvas) const override;

    // What a drag from a point does.
    enum class Grip { None, Move, Scale, Turn };
    Grip gripAt(const Pointer &pointer) const;
    // The pointer over the turn handle: a circling arrow.
    static QCursor turnCursor();

  signals:
    // Enter or a double-click: the user is done placing.
    void finished();

  private:
    struct Drag {
        Grip grip = Grip::None;
        PhotoOutline start;
        QPointF from;     // where it started, lower-left picture coordinates
        QPointF anchor;   // Scale: the corner that stays; Turn: the centre
        double angle = 0; // Turn: the pointer's direction from the centre at the start
        quint64 gesture = 0;
        QString stepName;    // the undo step's name, "Move Photo"
        QElapsedTimer clock; // since the press
    };

    std::optional<PhotoOutline> outline() const;
    QSizeF background() const;
    QPointF toLowerLeft(QPointF picturePoint) const;
    QPointF turnHandle(const PhotoOutline &outline, double pixelsPerPoint) const;
    void place(const QRectF &rect, double rotation, const QString &stepName, quint64 gesture);
    void moveTo(const Pointer &pointer);
    void scaleTo(const Pointer &pointer);
    void turnTo(const Pointer &pointer);
    void nudge(QPointF by);
    void record(const Pointer &pointer);
    void paintGhost(QPainter &painter, const QTransform &toCanvas, const PhotoOutline &placed) const;

    PhotoProject &m_project;
    View_Image_Preview &m_canvas;
    std::function<quint64()> m_gesture;
    Drag m_drag;
    mutable bool m_ghost = false; // the photo is drawn at its new place until a frame of it arrives
};
