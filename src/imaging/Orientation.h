#pragma once

#include <QImage>
#include <QSize>

// Turning a stored picture upright by its EXIF orientation (1 to 8, as EXIF numbers
// them), for the decoders that leave it to the loader: PNG, WebP and the JPEGs whose
// colours the loader converts itself. Any other value leaves the picture as it is.

// The upright picture; orientation 1 returns the image itself (shared, no copy).
QImage uprightImage(const QImage &stored, int orientation);

// The size of the upright picture: the sides swapped for orientations 5 to 8.
QSize uprightSize(QSize stored, int orientation);
