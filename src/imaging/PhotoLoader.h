#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

#include "imaging/PhotoFormats.h"

// Reading a photo file into the engine's picture type. The desktop application and the
// command-line renderer both load photos here, so they accept and refuse the same files.

struct LoadResult {
    QImage image;  // canonical format, upright, sRGB; null when the file was refused
    QString error; // one plain-words sentence naming the file; empty on success
    bool ok() const { return error.isEmpty(); }
};

// The largest picture, in pixels, that the loader accepts on this machine: a share of
// the physical memory, since a mix holds several full-size copies of a photo.
qint64 Photo_Pixel_Limit();

// Loads the first image of the file (first frame of an animation, first page of a
// multi-page TIFF, primary image of a HEIF file), turned upright by its orientation,
// converted from an embedded colour profile to sRGB and to kCanonicalFormat. The formats
// are those of Photo_Formats(). A picture whose header announces more than `maxPixels`
// is refused before any pixel is decoded.
LoadResult Load_Photo(const QString &path, qint64 maxPixels);
LoadResult Load_Photo(const QString &path);
