#pragma once

#include <QImage>

// The one picture type of the engine.
inline constexpr QImage::Format kCanonicalFormat = QImage::Format_ARGB32_Premultiplied;

// Drawable form to bitmap form and back. Both keep every pixel and its alpha and bring
// any input format to the canonical one; a null or empty image gives an empty image.
QImage CGImageRefFromImage(const QImage &image);
QImage imageFromCGImageRef(const QImage &bitmap);
