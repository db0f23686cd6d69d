#include "encode/CameraDetails.h"

#include "encode/PictureWriter.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>
#include <QtEndian>

#include <exiv2/exiv2.hpp>
#include <zlib.h>

#include <array>
#include <mutex>
#include <string_view>

namespace {

// What is kept: the camera, the lens, the exposure, the date and time.
constexpr std::array<std::string_view, 33> kKeptTags = {
    "Exif.Image.Make",
    "Exif.Image.Model",
    "Exif.Image.DateTime",
    "Exif.Photo.DateTimeOriginal",
    "Exif.Photo.DateTimeDigitized",
    "Exif.Photo.OffsetTime",
    "Exif.Photo.OffsetTimeOriginal",
    "Exif.Photo.OffsetTimeDigitized",
    "Exif.Photo.SubSecTime",
    "Exif.Photo.SubSecTimeOriginal",
    "Exif.Photo.SubSecTimeDigitized",
    "Exif.Photo.ExposureTime",
    "Exif.Photo.FNumber",
    "Exif.Photo.ExposureProgram",
    "Exif.Photo.ISOSpeedRatings",
    "Exif.Photo.SensitivityType",
    "Exif.Photo.RecommendedExposureIndex",
    "Exif.Photo.ShutterSpeedValue",
    "Exif.Photo.ApertureValue",
    "Exif.Photo.BrightnessValue",
    "Exif.Photo.ExposureBiasValue",
    "Exif.Photo.MaxApertureValue",
    "Exif.Photo.MeteringMode",
    "Exif.Photo.LightSource",
    "Exif.Photo.Flash",
    "Exif.Photo.FocalLength",
    "Exif.Photo.FocalLengthIn35mmFilm",
    "Exif.Photo.ExposureMode",
    "Exif.Photo.WhiteBalance",
    "Exif.Photo.SceneCaptureType",
    "Exif.Photo.LensSpecification",
    "Exif.Photo.LensMake",
    "Exif.Photo.LensModel",
};

// Exiv2 keeps quiet (its warnings would go to standard error) and its XMP parser is set
// up once, before any thread uses it.
void prepareExiv2()
{
    static std::once_flag once;
    std::call_once(once, [] {
        Exiv2::LogMsg::setLevel(Exiv2::LogMsg::mute);
        Exiv2::XmpParser::initialize();
    });
}

bool isKept(const std::string &key)
{
    return std::find(kKeptTags.begin(), kKeptTags.end(), key) != kKeptTags.end();
}

QString detailsFailure(const QString &why)
{
    return QCoreApplication::translate("PictureWriter", "the camera details could not be added (%1).")
        .arg(why);
}

QByteArray pngChunk(const char *type, const QByteArray &data)
{
    QByteArray chunk(4, '\0');
    qToBigEndian<quint32>(quint32(data.size()), chunk.data());
    chunk += QByteArray(type, 4) + data;
    const uLong crc = crc32(crc32(0L, nullptr, 0), reinterpret_cast<const Bytef *>(chunk.constData() + 4),
                            uInt(chunk.size() - 4));
    QByteArray tail(4, '\0');
    qToBigEndian<quint32>(quint32(crc), tail.data());
    return chunk + tail;
}

// The eXIf chunk goes right after IHDR (before IDAT, as PNG asks); the file is replaced
// whole once complete.
WriteResult addExifChunk(const QString &path, const QByteArray &details)
{
    constexpr qsizetype kAfterHeader = 8 + 8 + 13 + 4; // signature, IHDR's length, type, data, CRC
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly))
        return writeFailure(path, detailsFailure(in.errorString()));
    QByteArray png = in.readAll();
    if (png.size() < kAfterHeader || png.mid(12, 4) != "IHDR")
        return writeFailure(path, detailsFailure(QStringLiteral("not a PNG file")));
    png.insert(kAfterHeader, pngChunk("eXIf", details));
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly))
        return writeFailure(path, detailsFailure(out.errorString()));
    if (WriteResult written = writeBytesTo(png, out, path); !written.ok) {
        out.cancelWriting();
        return written;
    }
    return out.commit() ? WriteResult{true, {}} : writeFailure(path, writeFailureReason(out));
}

} // namespace

QByteArray cameraDetailsOf(const QString &photoPath)
{
    prepareExiv2();
    try {
        auto photo = Exiv2::ImageFactory::open(QFile::encodeName(photoPath).toStdString());
        photo->readMetadata();
        Exiv2::ExifData kept;
        for (const Exiv2::Exifdatum &datum : photo->exifData())
            if (isKept(datum.key()))
                kept.add(datum);
        if (kept.empty())
            return {};
        Exiv2::Blob blob;
        Exiv2::ExifParser::encode(blob, Exiv2::littleEndian, kept);
        return QByteArray(reinterpret_cast<const char *>(blob.data()), qsizetype(blob.size()));
    } catch (const std::exception &) {
        return {}; // no EXIF that Exiv2 can read: nothing to keep
    }
}

WriteResult addCameraDetails(const QString &path, const QByteArray &details)
{
    if (details.isEmpty())
        return {true, {}};
    if (pictureFormatOf(path) == PictureFormat::Png)
        return addExifChunk(path, details);
    prepareExiv2();
    try {
        Exiv2::ExifData exif;
        Exiv2::ExifParser::decode(exif, reinterpret_cast<const Exiv2::byte *>(details.constData()),
                                  uint32_t(details.size()));
        auto picture = Exiv2::ImageFactory::open(QFile::encodeName(path).toStdString());
        picture->readMetadata();
        for (const Exiv2::Exifdatum &datum : exif)
            picture->exifData()[datum.key()] = datum.value();
        picture->writeMetadata();
        return {true, {}};
    } catch (const std::exception &error) {
        return writeFailure(path, detailsFailure(QString::fromLocal8Bit(error.what())));
    }
}
