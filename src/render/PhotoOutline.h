#pragma once

#include "model/Object_Photo.h"
#include "model/PhotoPlacement.h"

#include <QPolygonF>
#include <QRectF>
#include <QSizeF>

#include <array>
#include <optional>

// Where a placed photo lies on the mixed picture at full resolution: its rectangle
// before the turn (lower-left coordinates of the picture), and its turn and mirrors.
struct PhotoOutline {
    QRectF rect;
    Placement placement;
    // The four corners of the turned rectangle, lower-left coordinates, starting at the
    // photo's own lower-left corner (before the mirrors) and going counter-clockwise.
    QPolygonF corners() const;
};

// The outline of `photo` in a project of `mode` whose background (the first photo) is
// `background` pixels large; none in a mode that does not place photos (Linear), for a
// Composite photo stretched over the background, or for a photo without a picture.
std::optional<PhotoOutline> photoOutline(const Object_Photo &photo, quint64 mode, QSizeF background);

// The size and offsets (in the units of `mode`'s fields) that place `photo` at `rect`
// (its width decides the size; the height follows the photo's proportions), in the
// order size, x, y; none where photoOutline gives none.
std::optional<std::array<double, 3>> placementForRect(const Object_Photo &photo, quint64 mode,
                                                      QSizeF background, const QRectF &rect);
