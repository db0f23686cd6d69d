#pragma once

#include "encode/PngWriter.h"

#include <QByteArray>
#include <QString>

// The camera details a saved picture may keep from the background photo: the camera,
// the lens, the exposure and the date and time, as EXIF (a TIFF structure, as PNG's eXIf
// chunk holds it). Never a GPS position or any other location, never the orientation
// (the picture is already turned), never a thumbnail or the maker's private notes: only
// the tags listed in CameraDetails.cpp are taken.

// The details of the photo at `photoPath` (read with Exiv2); empty when it has none or
// cannot be read.
QByteArray cameraDetailsOf(const QString &photoPath);

// Puts `details` into the picture written at `path`: through Exiv2 into JPEG, WebP and
// TIFF, as an eXIf chunk into PNG. The pixels stay as written.
WriteResult addCameraDetails(const QString &path, const QByteArray &details);
