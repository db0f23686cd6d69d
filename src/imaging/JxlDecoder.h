#pragma once

#include "imaging/DecodeGuard.h"

#include <QByteArray>

// JPEG XL through libjxl: the first frame, turned by the file's orientation, with the
// colour profile of the decoded samples. More than 8 bits a channel decode to 16-bit RGBA.
// The decoder runs in a child process (ChildDecode.h), where the lines libjxl prints on
// standard error go nowhere.
DecodedPicture decodeJxl(const QByteArray &bytes, qint64 maxPixels);
