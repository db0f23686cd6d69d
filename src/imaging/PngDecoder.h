#pragma once

#include "imaging/DecodeGuard.h"

#include <QByteArray>

// PNG through libpng, with the loader's own error and warning handlers: libpng's default
// handler would print "libpng error: ..." on standard error before the loader's refusal
// (Qt's PNG reader installs none for errors). The picture comes upright by its eXIf
// orientation, at its own depth (8 or 16 bits), with the colour space its chunks describe:
// an embedded profile, the sRGB chunk, or gAMA with cHRM, where a gamma near 1/2.2 with
// sRGB's own chromaticities (or none) counts as sRGB, as libpng itself counts it.
DecodedPicture decodePng(const QByteArray &bytes, qint64 maxPixels);
