#pragma once

#include <QImage>

// The one picture type of the engine.
inline constexpr QImage::Format kCanonicalFormat = QImage::Format_ARGB32_Premultiplied;

// The picture in the canonical format, every pixel and its alpha kept: an image already
// canonical is returned as is (shared, no copy); a null or empty image gives an empty one.
QImage CGImageRefFromImage(const QImage &image);

// Asks the system to back a large fresh picture with large pages, before its pixels are
// first touched: on a picture of hundreds of megabytes the first touch of every small
// page costs more than writing it. Does nothing where the system has no such advice.
void preferLargePages(QImage &picture);
