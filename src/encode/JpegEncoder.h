#pragma once

#include <QByteArray>
#include <QImage>

// The JPEG encoder (libjpeg-turbo). The picture is cut into bands of whole block rows;
// each band is compressed on its own worker with the same tables, and the bands join
// into one baseline JPEG whose restart markers separate them (a decoder resets at each
// marker exactly as a fresh band starts). The file carries the sRGB ICC profile and no
// EXIF. Transparent parts come out black (the premultiplied colour over nothing).

// 4:4:4 (no chroma subsampling) from this quality up, 4:2:0 below.
inline constexpr int kJpegFullChromaQuality = 90;

// Encodes `image` (not null) at `quality` 1 to 100; empty when libjpeg-turbo fails or
// the picture is wider or taller than a JPEG can be (65 535 pixels).
QByteArray encodeJpeg(const QImage &image, int quality);
