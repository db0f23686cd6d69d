// A photo's EXIF for the tests that follow camera details through the programs: a
// little-endian TIFF structure with one IFD entry, the camera's maker "Quillcam".
#pragma once

#include <QByteArray>

inline QByteArray exifNamingTheCamera()
{
    QByteArray exif("II*\0\x08\0\0\0", 8);                        // header, IFD at 8
    exif += QByteArray("\x01\0", 2);                              // one entry
    exif += QByteArray("\x0F\x01\x02\0\x09\0\0\0\x1A\0\0\0", 12); // Make, ASCII, 9 bytes at 26
    exif += QByteArray(4, '\0');                                  // no next IFD
    return exif + QByteArray("Quillcam", 9);
}
