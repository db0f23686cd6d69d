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

// The largest picture, in pixels, that the loader accepts: a quarter of the memory
// budget (MemoryBudget.h), since a mix holds several full-size copies of a photo.
qint64 photoPixelLimit();

// The upright size a photo file announces in its header, without decoding it; invalid
// when the file is not a regular file in a format Quillane reads, or does not tell.
QSize probePhotoSize(const QString &path);

// Loads the first image of the file (first frame of an animation, first page of a
// multi-page TIFF, primary image of a HEIF file), turned upright by its orientation
// (EXIF in JPEG, PNG and WebP files alike), converted from an embedded colour profile
// (a CMYK JPEG's too) to sRGB and to kCanonicalFormat. The formats are those of
// photoFormats(), told by content (a DNG named .tif is a camera raw file). The file is
// read once into memory, so that one that changes while it loads is at worst damaged.
// A picture whose header announces more than `maxPixels` is refused before any pixel is
// decoded, and so is anything that is not a regular file (a FIFO or a device could block
// or never end), a file larger than such a picture could take, and a progressive JPEG of
// absurdly many scans. A PNG whose colour chunks libpng itself treats as sRGB loads as
// sRGB. Running out of memory while decoding is a refusal too, never an exception.
LoadResult loadPhoto(const QString &path, qint64 maxPixels);
LoadResult loadPhoto(const QString &path);

// For tests: a function called with the path once the file is open, before its size is
// taken (Checked), once its size is known, before its bytes are read (Opened), and once
// they are read, before any probe or decoder looks at them (Read). A test changes the
// file there. Null for none.
enum class PhotoReadStage { Checked, Opened, Read };
using PhotoReadHook = void (*)(const QString &path, PhotoReadStage stage);
void setPhotoReadHook(PhotoReadHook hook);
