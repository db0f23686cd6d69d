#pragma once

#include <QImage>

class QIODevice;

// The TIFF encoder (libtiff): 8-bit RGB, or RGBA with straight alpha when a pixel is
// translucent, LZW-compressed with horizontal differencing, with the sRGB ICC profile.
// Rows go to the device a strip at a time, so nothing but a row is held besides the
// picture. A picture whose compressed samples could pass the 4 GB a classic TIFF file
// can address is written as BigTIFF, which libtiff (and the programs built on it)
// reads alike.

// Whether a picture of `size` must be written as BigTIFF (translucent: with its alpha).
bool tiffNeedsBigTiff(QSize size, bool alpha);

// Encodes `image` (not null) into `device`, which must be able to seek (libtiff writes
// the directory after the strips and points back at them), as BigTIFF when `bigTiff`
// or when the picture needs it. False when libtiff or the device failed; libtiff's own
// messages are kept off the standard error stream.
bool encodeTiff(const QImage &image, QIODevice &device, bool bigTiff = false);
