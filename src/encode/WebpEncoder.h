#pragma once

#include <QImage>

class QIODevice;

// The WebP encoder (libwebp). The picture goes into libwebp's own planes without a
// whole straight copy of it: a lossy picture is converted to YUV a band of rows at a
// time, a lossless one is unpremultiplied straight into the encoder's ARGB plane. The
// file streams to the device as libwebp writes it, with the sRGB ICC profile in an
// extended header (VP8X and ICCP chunks) and no EXIF.

enum class WebpOutcome {
    Written,
    EncoderFailed, // libwebp refused the picture or ran out of memory; nothing was written
    DeviceFailed,  // the device refused the bytes (the writer says why)
};

// The widest and tallest WebP picture (libwebp's WEBP_MAX_DIMENSION).
inline constexpr int kWebpLargestSide = 16383;

struct WebpSettings {
    int quality = 90; // 1 to 100, lossy only
    bool lossless = false;
    // Lossy only: without libwebp's token buffer (method 2 instead of 4) and with the
    // alpha plane stored uncompressed, which takes a fraction of the memory for a file
    // some per cent larger (PictureLimits.h has the figures).
    bool lean = false;
};

// The picture must not be null and at most kWebpLargestSide pixels a side.
WebpOutcome encodeWebp(const QImage &image, const WebpSettings &settings, QIODevice &device);
