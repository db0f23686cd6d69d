#pragma once

#include "app/CanvasTool.h"
#include "model/Object_Photo.h"

#include <QElapsedTimer>
#include <QImage>
#include <QObject>
#include <QPointF>

class PhotoProject;
class View_Image_Preview;

// The mask tool: paints the selected later photo's mask on the canvas. A brush hides
// the photo (or shows it again), a drag draws a linear or a radial gradient; each stroke
// or gradient is one step of the document, made when the button is released. While a
// stroke is painted the canvas shows it through every photo of the stack. Keys: B the
// brush, X swaps hide and show, [ and ] the size, Shift+[ and Shift+] the hardness, G
// the gradients (linear, then radial). Not for Linear projects.
class MaskTool : public QObject, public CanvasTool {
    Q_OBJECT
  public:
    enum Shape { Brush, LinearGradient, RadialGradient };
    struct Settings {
        Shape shape = Brush;
        bool show = false;     // the brush shows the photo again instead of hiding it
        double size = 10.0;    // the brush's diameter, per cent of the photo's width
        double hardness = 50;  // 0-100; for a radial gradient, the inner share of its radius
        double opacity = 100;  // 0-100
        bool showMask = false; // the mask drawn over the canvas as a tint
        bool operator==(const Settings &) const = default;
    };
    static constexpr double kSmallestSize = 0.1;
    static constexpr double kLargestSize = 200.0;

    MaskTool(PhotoProject &project, View_Image_Preview &canvas, QObject *parent = nullptr);

    const Settings &settings() const { return m_settings; }
    void setSettings(const Settings &settings);
    // The photo the tool paints: the selected later photo, or null.
    PhotoPtr photo() const;

    QString logName() const override { return QStringLiteral("mask"); }
    bool press(const Pointer &pointer) override;
    void drag(const Pointer &pointer) override;
    void release(const Pointer &pointer) override;
    // A brush stroke redraws only where its last dabs reach, sharp; a gradient changes
    // the whole photo's mask at each move.
    bool draftsWhileDragging() const override { return m_settings.shape != Brush; }
    QCursor hover(const Pointer &pointer) override;
    bool key(QKeyEvent *event) override;
    void paintOverlay(QPainter &painter, const QTransform &toCanvas) const override;

  signals:
    void settingsChanged();

  private:
    QTransform photoTransform() const;
    QPointF toPhoto(QPointF picturePoint) const;
    PhotoMask maskWithGesture() const;
    MaskGradient gestureGradient() const;
    void showGesture();
    void record() const;
    void paintBrushOutline(QPainter &painter, const QTransform &toPicture, const QTransform &toCanvas) const;
    void paintMaskTint(QPainter &painter, const QTransform &toPicture, const QTransform &toCanvas) const;

    PhotoProject &m_project;
    View_Image_Preview &m_canvas;
    Settings m_settings;
    QPointF m_pointer;        // picture pixels, for the outline
    bool m_pointerIn = false; // a pointer position is known
    bool m_active = false;    // a stroke or a gradient is being drawn
    MaskStroke m_stroke;      // the stroke being painted
    QPointF m_from, m_to;     // the gradient being drawn (photo fractions)
    qint64 m_row = -1;        // the row it is drawn on
    QElapsedTimer m_clock;    // since the press
    mutable QImage m_tint;    // the mask's tint, kept while the mask and its size stay
    mutable quint64 m_tintKey = 0;
};
