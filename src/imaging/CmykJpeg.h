#pragma once

#include "imaging/DecodeGuard.h"
#include "imaging/HeaderProbe.h"

#include <QByteArray>

#include <optional>

// A four-channel (CMYK or YCCK) JPEG with an embedded CMYK profile, converted to sRGB
// through that profile by lcms2, and turned upright by its EXIF orientation. Qt's reader
// only inverts the channels and multiplies them by black, so that a press profile's
// neutral grey comes out tinted. Four-channel samples after an Adobe segment are stored
// inverted, as Adobe's programs write them.
//
// Nothing (std::nullopt) when the file is not such a JPEG or its profile is no CMYK
// profile that lcms2 can use: the loader then reads it as any other JPEG.
std::optional<DecodedPicture> decodeCmykJpeg(const QByteArray &bytes, const JpegFacts &facts,
                                             qint64 maxPixels);
