#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <array>

// Probes of a photo file's own bytes, read before (or beside) a decoder: they find what a
// decoder would only learn late, at great cost, or not at all, and must never trust a
// length they read. All take any bytes, however damaged, and read none outside them.

// The number of scans (start-of-scan markers) in a JPEG stream, stopping once it passes
// `stopAfter`. A baseline photo has one scan per colour component at most, a progressive
// one about ten; a file with hundreds costs the decoder a full pass over the picture per
// scan.
int countJpegScans(QByteArrayView bytes, int stopAfter);

// What a JPEG's segments before its first scan tell.
struct JpegFacts {
    int components = 0;  // colour components of the frame (4: CMYK or YCCK); 0 before one
    bool adobe = false;  // an Adobe segment: four-component samples are stored inverted
    QByteArray icc;      // the embedded colour profile, its pieces joined in order
    QByteArrayView exif; // the EXIF block (a TIFF stream), a view into the bytes
};
JpegFacts probeJpeg(QByteArrayView bytes);

// The EXIF block of a PNG (its eXIf chunk, before or after the image data) and of a
// WebP file (its EXIF chunk): a view into the bytes, empty without one.
QByteArrayView pngExif(QByteArrayView bytes);
QByteArrayView webpExif(QByteArrayView bytes);

// True when a PNG's gAMA value is close enough to 1/2.2 that libpng itself treats the
// picture as sRGB (its png_gamma_not_sRGB test: within 5% of 2.2 once multiplied by it).
bool pngGammaIsSrgb(quint32 gamma);

// True when a PNG's cHRM values (white x, y, red x, y, green x, y, blue x, y, each times
// 100000) are sRGB's own within libpng's tolerance of 0.001 for each.
bool pngChromaticitiesAreSrgb(const std::array<qint32, 8> &chromaticities);
