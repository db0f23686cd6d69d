#pragma once

#include <QImage>
#include <QRectF>
#include <QSizeF>

// A picture's size in points: one point per pixel; a null image is 0 x 0.
QSizeF imageSizeF(const QImage &image);

// The best-fit frame of a picture of size `inner` in a box of size `outer`: the
// picture's size stepped by fiftieths of its own width (height derived through the
// single-precision ratio) until it fits, centred in the box. Lower-left coordinates.
// Degenerate inputs (negative, non-finite, zero width with positive height, negative
// box) give the zero rectangle.
QRectF return_Best_Fit_Frame(QSizeF inner, QSizeF outer);

// A new image of the target size (rounded to single precision; the pixel grid is that
// size rounded to whole pixels) with the whole source stretched over it. Resizing to
// the image's own size is an exact copy. Shrinking averages; enlarging is smooth.
// The result's size in points is its pixel size: the exact single-precision target
// is not carried (100.3 x 50.7 gives a 100 x 51 picture). A pass at a reduced scale
// gives the target in full-resolution points and gets target x scale pixels.
QImage Resize_Image_To_Fit_Size(const QImage &image, QSizeF target, double scale = 1.0);

// The longest side a picture may have, in pixels: a longer one cannot be allocated anyway.
inline constexpr int kLargestPixelSide = 1 << 20;

// The pixel grid of a resize to `target`: each side rounded to a 32-bit float, then to
// the nearest whole pixel. Non-finite or non-positive sides, and sides longer than
// kLargestPixelSide, give an empty size.
QSize resizedPixelSize(QSizeF target);
