#pragma once

#include <QJsonValue>
#include <QList>
#include <QPointF>
#include <QString>

// The mask of a later photo: where it shows, as the user made it (gradients and brush
// strokes), not as pixels. Every place is a fraction of the photo's own width (x) and
// height (y), origin top-left, so any resolution rasterises the same mask and the mask
// moves and turns with its photo. m in [0, 1] per pixel scales the photo's alpha before
// it is mixed. Formulas: docs/mixing-controls.md ("Masks").
struct MaskGradient {
    enum Type { Linear, Radial };
    Type type = Linear;
    QPointF from;        // linear: m = 1 on this side; radial: the centre
    QPointF to;          // linear: m = 0 on this side
    double radius = 0.0; // radial: m = 0 beyond it (fraction of the photo's width)
    double inner = 0.0;  // radial: m = 1 within it
    bool operator==(const MaskGradient &) const = default;
};

struct MaskStroke {
    bool show = false;     // paints towards m = 1 (show) or m = 0 (hide)
    double size = 0.0;     // the brush's diameter, a fraction of the photo's width
    double hardness = 100; // 0-100: 100 a hard edge, lower a smooth falloff outside
    double opacity = 100;  // 0-100: the most one pass of the brush changes m
    QList<QPointF> points; // in the order painted
    bool operator==(const MaskStroke &) const = default;
};

// Lists are shared on copy, so a record copied into a snapshot costs nothing.
struct PhotoMask {
    QList<MaskGradient> gradients; // multiplied; none is m = 1
    QList<MaskStroke> strokes;     // applied in order over the gradients
    bool invert = false;           // m = 1 - m, applied last
    bool isEmpty() const { return gradients.isEmpty() && strokes.isEmpty() && !invert; }
    bool operator==(const PhotoMask &) const = default;
};

// The limits the project reader keeps to.
inline constexpr double kMaskPlaceMin = -1.0;
inline constexpr double kMaskPlaceMax = 2.0;
inline constexpr double kMaskSizeMax = 2.0;
inline constexpr qsizetype kMaskStrokesMax = 10000;  // in one project
inline constexpr qsizetype kMaskPointsMax = 1000000; // in one project

// The mask as the project file stores it under the photo's "mask" key.
QJsonValue maskJson(const PhotoMask &mask);

// Reads the value of a photo's "mask" key; an empty string, or why it is refused
// naming the key within "mask" ("\"mask\" \"strokes\" 3 \"size\" must be ...").
QString readMask(const QJsonValue &value, PhotoMask &mask);

// The points of all strokes of a mask.
qsizetype maskPointCount(const PhotoMask &mask);
