#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

// The one list of the photo formats Quillane reads. The open panel's filter, the files
// accepted by a drop or on the command line, the desktop entry's MIME types and the
// loader's refusal all come from it, so that they cannot drift apart.

// Which decoder reads a file.
enum class PhotoDecoder {
    Qt,   // Qt's image readers: bmp, gif, jpeg, tiff, webp
    Png,  // libpng, with the loader's own message handlers
    Heif, // libheif: HEIC, HEIF, AVIF
    Jxl,  // libjxl: JPEG XL
    Raw,  // LibRaw: camera raw files
};

struct PhotoFormat {
    QString name;          // as the user knows it, in messages: "jpeg", "heic", "camera raw"
    QStringList suffixes;  // lower case, without the dot
    QStringList mimeTypes; // as the desktop entry declares them
    PhotoDecoder decoder;
};

const std::vector<PhotoFormat> &photoFormats();

// Every suffix of every format, lower case, without the dot: the open panel's filter
// and the drops it accepts.
const QStringList &photoFileExtensions();

// Every MIME type of every format.
QStringList photoMimeTypes();

// "bmp, gif, jpeg, png, tiff, webp, heic, avif, jpeg xl, camera raw", for messages.
QString photoFormatNames();

// The decoder for a file of `bytes` (the whole file, or at least its first 32 bytes) that
// ends in `suffix`. Files whose content the Qt readers recognise go there; camera raw
// files built on TIFF are told apart by their suffix or, whatever their name, by their
// first directory (TiffDirectory.h), which the whole file shows wherever it lies.
PhotoDecoder photoDecoderFor(const QByteArray &bytes, const QString &suffix);
