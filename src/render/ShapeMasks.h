#pragma once

#include <QImage>
#include <QSize>
#include <QtGlobal>

// The mask of ShapeType `shapeType` rendered anti-aliased at exactly `size`, stretched
// to it whatever its proportions: white shape on a transparent ground, in
// Format_ARGB32_Premultiplied. A null image for a number that names no mask (outside
// 0..11) or an empty size. Safe to call from any thread.
QImage Shape_Mask_Image(quint64 shapeType, QSize size);
