#pragma once

#include "imaging/DecodeGuard.h"

#include <QByteArray>

// HEIC, HEIF and AVIF through libheif: the primary image, turned by its rotation and
// mirroring, with its ICC profile or its nclx colour description as the colour space.
// More than 8 bits a channel decode to 16-bit RGBA.
DecodedPicture decodeHeif(const QByteArray &bytes, qint64 maxPixels);
