#pragma once

#include <QPointF>
#include <QSizeF>
#include <QTransform>

#include <array>

// The mapping of a later photo onto the background: a 3 x 3 homography, nine numbers in
// rows, from the photo's normalised coordinates to the background's. A point's normalised
// coordinates are its pixel coordinates divided by the picture's width and height, with
// the origin at the picture's top-left corner and y downwards (pixel (i, j) covers
// [i, i + 1] x [j, j + 1]), so that the mapping holds whatever the sizes of the two
// pictures: (x', y', w') = H (x, y, 1), the point lands at (x' / w', y' / w').
using PhotoAlignment = std::array<double, 9>;

// The mapping that changes nothing.
inline constexpr PhotoAlignment kIdentityAlignment{1, 0, 0, 0, 1, 0, 0, 0, 1};

// Whether nine numbers make a mapping a picture can be warped by: all finite, an
// invertible matrix, and every corner of the photo lands in front (w' > 0), so the photo
// maps to one piece of the plane.
bool isUsableAlignment(const PhotoAlignment &h);

// The mapping in pixels: from the pixel coordinates of a `from` large photo to those of a
// `to` large picture (Qt's QTransform, which maps row vectors: the transpose).
QTransform alignmentInPixels(const PhotoAlignment &h, QSizeF from, QSizeF to);
// The normalised mapping from a mapping in pixels (the inverse of the above).
PhotoAlignment alignmentFromPixels(const QTransform &pixels, QSizeF from, QSizeF to);

// Where the normalised point `p` lands.
QPointF mapNormalised(const PhotoAlignment &h, QPointF p);
