#pragma once

#include <QByteArrayView>
#include <QtGlobal>

#include <map>

// The first directory (IFD0) of a TIFF stream, the structure that a TIFF file, most camera
// raw files and every EXIF block begin with. Like the header probes, these read any
// bytes, however damaged, and trust no offset they find.

// The tags of the first directory with the first value of each: the value itself for an
// entry of BYTE, SHORT or LONG values, the offset of its values for any other type.
// Empty when the bytes are no TIFF stream.
std::map<quint16, quint32> firstTiffDirectory(QByteArrayView tiff);

// The EXIF orientation (1 to 8, numbered as EXIF numbers them) of an EXIF block, with or
// without the "Exif\0\0" prefix of a JPEG's segment; 1 (upright) without one, or when its
// value is not a valid orientation.
int exifOrientation(QByteArrayView exif);

// The raw orientation tag of a TIFF stream's first directory: -1 when there is none.
int tiffOrientationTag(QByteArrayView tiff);

// True for a camera raw file built on TIFF, told by its content whatever its name: a DNG
// (its version tag), a Canon CR2, or a first directory of sensor data (a colour filter
// array or linear raw samples).
bool isTiffBasedRaw(QByteArrayView bytes);
