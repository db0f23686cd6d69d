#pragma once

#include "imaging/DecodeGuard.h"

#include <QByteArray>

// Camera raw files through LibRaw (DNG, CR2, CR3, NEF, ARW, RAF, ORF, RW2 and the other
// cameras LibRaw knows): the camera's white balance, demosaicked into 16-bit sRGB with
// the sRGB curve, turned by the camera's orientation.
DecodedPicture decodeRaw(const QByteArray &bytes, qint64 maxPixels);
