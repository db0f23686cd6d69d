#pragma once

#include <QByteArray>
#include <QImage>

#include <vector>

// The JPEG encoder (libjpeg-turbo). The picture is cut into bands of whole block rows;
// each band is compressed on its own worker with the same tables, and the bands join
// into one baseline JPEG whose restart markers separate them (a decoder resets at each
// marker exactly as a fresh band starts). The file carries the sRGB ICC profile and no
// EXIF. Transparent parts come out black (the premultiplied colour over nothing).

// 4:4:4 (no chroma subsampling) from this quality up, 4:2:0 below.
inline constexpr int kJpegFullChromaQuality = 90;

// The widest and tallest JPEG libjpeg writes and reads (its JPEG_MAX_DIMENSION; the
// format's own fields would hold 65535).
inline constexpr int kJpegLargestSide = 65500;

struct JpegFile {
    // The pieces of the file in order: the headers, then each band's data with the
    // marker that follows it. Written one after the other they make the file.
    std::vector<QByteArray> pieces;
    qint64 size() const;
    QByteArray joined() const;
};

// Encodes `image` (not null) at `quality` 1 to 100; no pieces when libjpeg-turbo fails
// or the picture is wider or taller than kJpegLargestSide.
JpegFile encodeJpeg(const QImage &image, int quality);
