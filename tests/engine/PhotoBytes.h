#pragma once

// Photo files built byte by byte for the loader's tests: PNG chunks, JPEG segments, EXIF
// blocks and the extended WebP container, so that a test controls exactly what a file
// holds beside its picture.

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QtEndian>

#include <zlib.h>

inline QByteArray bigEndian16(quint16 value)
{
    QByteArray bytes(2, '\0');
    qToBigEndian(value, bytes.data());
    return bytes;
}

inline QByteArray bigEndian32(quint32 value)
{
    QByteArray bytes(4, '\0');
    qToBigEndian(value, bytes.data());
    return bytes;
}

inline QByteArray littleEndian32(quint32 value)
{
    QByteArray bytes(4, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

// `image` written by Qt in `format` ("PNG", "JPEG", "WEBP", "TIFF", ...).
inline QByteArray encodedImage(const QImage &image, const char *format, int quality = -1)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format, quality);
    return bytes;
}

inline QByteArray pngChunk(const char *type, const QByteArray &data)
{
    const QByteArray body = QByteArray(type, 4) + data;
    const auto crc = quint32(crc32(0, reinterpret_cast<const Bytef *>(body.constData()), uInt(body.size())));
    return bigEndian32(quint32(data.size())) + body + bigEndian32(crc);
}

// `png` with one more chunk: right after IHDR, or (`afterImageData`) right before IEND.
inline QByteArray withPngChunk(const QByteArray &png, const char *type, const QByteArray &data,
                               bool afterImageData = false)
{
    const qsizetype at = afterImageData ? png.size() - 12 : 8 + 25;
    return png.left(at) + pngChunk(type, data) + png.mid(at);
}

// A TIFF stream of one directory holding only the Orientation tag, as an EXIF block is.
inline QByteArray exifBlock(quint16 orientation, bool littleEndian = false)
{
    if (littleEndian)
        return QByteArray("II*\0\x08\0\0\0\x01\0\x12\x01\x03\0\x01\0\0\0", 18) +
               QByteArray(1, char(orientation)) + QByteArray(7, '\0');
    QByteArray tiff("MM\x00\x2A", 4);
    tiff += bigEndian32(8) + bigEndian16(1);                       // one IFD entry
    tiff += bigEndian16(0x0112) + bigEndian16(3) + bigEndian32(1); // Orientation, SHORT, 1
    return tiff + bigEndian16(orientation) + bigEndian16(0) + bigEndian32(0);
}

// `jpeg` with one more segment right after SOI.
inline QByteArray withJpegSegment(const QByteArray &jpeg, quint8 marker, const QByteArray &body)
{
    const QByteArray segment =
        QByteArray(1, '\xFF') + char(marker) + bigEndian16(quint16(body.size() + 2)) + body;
    return jpeg.left(2) + segment + jpeg.mid(2);
}

// `jpeg` with an ICC profile in APP2 segments ("ICC_PROFILE\0", number, count, piece),
// cut into `pieces` pieces as a large profile would be.
inline QByteArray withIccProfile(QByteArray jpeg, const QByteArray &icc, int pieces = 1)
{
    const qsizetype length = (icc.size() + pieces - 1) / pieces;
    for (int number = pieces; number >= 1; --number) // each goes right after SOI: the last first
        jpeg = withJpegSegment(jpeg, 0xE2,
                               QByteArray("ICC_PROFILE\0", 12) + char(number) + char(pieces) +
                                   icc.mid((number - 1) * length, length));
    return jpeg;
}

// Inserts an APP1 EXIF segment holding only the Orientation tag right after SOI.
inline QByteArray withExifOrientation(const QByteArray &jpeg, quint16 orientation)
{
    return withJpegSegment(jpeg, 0xE1, QByteArray("Exif\0\0", 6) + exifBlock(orientation));
}

// A simple WebP file (one VP8 or VP8L chunk) of a picture of `size`, in the extended
// container with an EXIF chunk after the picture, where writers put it.
inline QByteArray webpWithExif(const QByteArray &simple, QSize size, const QByteArray &exif)
{
    const auto side = [](int length) { return littleEndian32(quint32(length - 1)).left(3); };
    QByteArray vp8x = QByteArray("VP8X", 4) + littleEndian32(10) + QByteArray("\x08\0\0\0", 4);
    vp8x += side(size.width()) + side(size.height());
    QByteArray exifChunk = QByteArray("EXIF", 4) + littleEndian32(quint32(exif.size())) + exif;
    if (exif.size() % 2)
        exifChunk += '\0';
    const QByteArray chunks = QByteArray("WEBP", 4) + vp8x + simple.mid(12) + exifChunk;
    return QByteArray("RIFF", 4) + littleEndian32(quint32(chunks.size())) + chunks;
}
