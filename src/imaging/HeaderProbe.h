#pragma once

#include <QByteArrayView>

// Probes of a photo file's own bytes, read before any decoder sees the file: they find
// what a decoder would only learn late (or at great cost) and must never trust a length
// they read. Both take any bytes, however damaged.

// The number of scans (start-of-scan markers) in a JPEG stream, stopping once it passes
// `stopAfter`. A baseline photo has one scan per colour component at most, a progressive
// one about ten; a file with hundreds costs the decoder a full pass over the picture per
// scan.
int countJpegScans(QByteArrayView bytes, int stopAfter);

// The colour chunks of a PNG file found before its image data.
struct PngColourChunks {
    bool isPng = false;
    bool hasSrgb = false; // an sRGB chunk
    bool hasIcc = false;  // an iCCP chunk (an embedded profile)
    bool hasChrm = false; // a cHRM chunk (primaries of its own)
    quint32 gamma = 0;    // the gAMA chunk's value (gamma x 100000); 0 without one
};
PngColourChunks probePngColour(QByteArrayView bytes);

// True when a PNG's gAMA value is close enough to 1/2.2 that libpng itself treats the
// picture as sRGB (its png_gamma_not_sRGB test: within 5% of 2.2 once multiplied by it).
bool pngGammaIsSrgb(quint32 gamma);
