#pragma once

#include "encode/PngWriter.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// Writing the mixed picture in the format its file name asks for: PNG, JPEG, WebP or
// TIFF. Every format carries the sRGB colour description (an sRGB chunk in PNG, the
// sRGB ICC profile in the others) and nothing of the photos' own metadata: no EXIF, so
// no camera location leaves with a picture.

enum class PictureFormat { Png, Jpeg, Webp, Tiff };

inline constexpr int kDefaultJpegQuality = 90;
inline constexpr int kDefaultWebpQuality = 90;

struct PictureOptions {
    int quality = 0;          // 1 to 100 for JPEG and lossy WebP; 0 for the format's default
    bool lossless = false;    // WebP only: lossless instead of lossy
    QByteArray cameraDetails; // EXIF kept from the background photo (CameraDetails.h); empty: none
};

// The format a name's extension asks for (.png, .jpg/.jpeg, .webp, .tif/.tiff, in any
// case); none for another extension.
std::optional<PictureFormat> pictureFormatOf(const QString &path);

// The format for a name given on its own ("png", "jpeg", "jpg", "webp", "tiff", "tif").
std::optional<PictureFormat> pictureFormatNamed(const QString &name);

// The extension a new file of the format gets ("png", "jpg", "webp", "tif").
QString pictureSuffix(PictureFormat format);

// Every extension pictureFormatOf accepts, and the same as a sentence's list.
QStringList pictureExtensions();
QString pictureExtensionList();

// Writes atomically, in the format of `path`'s extension; another extension is refused
// and nothing is written. The camera details of `options`, if any, are added once the
// picture is in place.
WriteResult writePicture(const QImage &image, const QString &path, const PictureOptions &options = {});

// Encodes into `file`, open for writing; `path` names it in messages.
WriteResult writePictureTo(const QImage &image, QFileDevice &file, const QString &path, PictureFormat format,
                           const PictureOptions &options = {});
