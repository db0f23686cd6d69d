#pragma once

#include <QByteArray>
#include <QImage>

#include <vector>

// The PNG encoder: the picture is cut into bands of rows, and each band is filtered and
// deflated on its own worker. The bands join into one zlib stream (every band but the
// last ends on a sync flush, which leaves the stream byte-aligned; the Adler-32
// checksums of the bands are combined), so the file is one ordinary PNG image.
//
// Premultiplied pixels are written with straight alpha; a picture without a translucent
// pixel is written as RGB. The file is tagged sRGB.
struct PngFile {
    // The pieces of the file in order; written one after the other they make the file.
    std::vector<QByteArray> pieces;
    qint64 size() const;
};

// Encodes `image` (not null). Every QImage format is accepted; formats other than the
// 32-bit ones are converted first.
PngFile encodePng(const QImage &image);
