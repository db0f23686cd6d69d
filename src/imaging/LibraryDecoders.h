#pragma once

#include "imaging/DecodeGuard.h"
#include "imaging/PhotoFormats.h"

#include <QByteArray>

// The loader's dispatch to the decoders that are not Qt's: PNG, HEIF and AVIF, JPEG XL
// and camera raw files, each in its own file.

// Decodes a whole file with one of the library decoders (not PhotoDecoder::Qt).
DecodedPicture decodeWith(PhotoDecoder decoder, const QByteArray &bytes, qint64 maxPixels);
