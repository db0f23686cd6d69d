#pragma once

#include "model/PhotoPlacement.h"

#include <QImage>
#include <QRectF>
#include <QSize>
#include <QtGlobal>

// The twelve shape masks ship as SVG resources (white shapes on a transparent ground)
// and are rendered anti-aliased at the size they are drawn at, so their edges stay
// sharp on a photo of any size.

// The mask of ShapeType `shapeType` rendered at exactly `size`, stretched to it whatever
// its proportions, in Format_ARGB32_Premultiplied. A null image for a number that names
// no mask (outside 0..11) or an empty size. Safe to call from any thread.
QImage shapeMaskImage(quint64 shapeType, QSize size);

// Draws the mask of `shapeType` stretched into `rect` (lower-left coordinates) of
// `canvas`, source-over, its rows split across the imaging threads, mirrored and turned
// about the rectangle's centre as `placement` says (as the photo it cuts out is).
// Returns false, and draws nothing, for a number that names no mask.
bool drawShapeMask(QImage &canvas, quint64 shapeType, const QRectF &rect, const Placement &placement = {});
