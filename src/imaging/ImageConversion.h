#pragma once

#include <QImage>

// The one picture type of the engine.
inline constexpr QImage::Format kCanonicalFormat = QImage::Format_ARGB32_Premultiplied;

// The picture in the canonical format, every pixel and its alpha kept: an image already
// canonical is returned as is (shared, no copy); a null or empty image gives an empty one.
QImage CGImageRefFromImage(const QImage &image);
