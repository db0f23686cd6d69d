#pragma once

#include "imaging/DecodeGuard.h"
#include "imaging/PhotoFormats.h"

#include <QByteArray>

class QFileDevice;

// The loader's dispatch to the decoders that are not Qt's: HEIF and AVIF, JPEG XL and
// camera raw files, each in its own file.

// The decoder for an open file, from its first bytes (read ahead, the position is kept)
// and its name's suffix.
PhotoDecoder photoDecoderOf(QFileDevice &file);

// Decodes a whole file with one of the library decoders (not PhotoDecoder::Qt).
DecodedPicture decodeWith(PhotoDecoder decoder, const QByteArray &bytes, qint64 maxPixels);
