#include "encode/PictureWriter.h"

#include "encode/CameraDetails.h"
#include "encode/JpegEncoder.h"
#include "encode/PictureLimits.h"
#include "encode/PictureRows.h"
#include "encode/TiffEncoder.h"
#include "encode/WebpEncoder.h"
#include "imaging/MemoryBudget.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>
#include <array>

namespace {

struct FormatName {
    const char *name;
    PictureFormat format;
};

// The first name of each format is the extension its new files get.
constexpr std::array<FormatName, 6> kNames = {{{"png", PictureFormat::Png},
                                               {"jpg", PictureFormat::Jpeg},
                                               {"jpeg", PictureFormat::Jpeg},
                                               {"webp", PictureFormat::Webp},
                                               {"tif", PictureFormat::Tiff},
                                               {"tiff", PictureFormat::Tiff}}};

QString encodingFailure(const char *format)
{
    return QCoreApplication::translate("PictureWriter", "the picture could not be encoded as %1.")
        .arg(QLatin1String(format));
}

// The formats whose encoder streams into a device: WebP always, TIFF into a device that
// can seek (a sequential one, such as a pipe, gets the file once it is complete).
WriteResult writeTiff(const QImage &image, QFileDevice &file, const QString &path)
{
    if (!file.isSequential())
        return encodeTiff(image, file)
                   ? writeBytesTo(QByteArray(), file, path)
                   : writeFailure(path, file.error() == QFileDevice::NoError ? encodingFailure("TIFF")
                                                                             : writeFailureReason(file));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadWrite);
    if (!encodeTiff(image, buffer))
        return writeFailure(path, encodingFailure("TIFF"));
    return writeBytesTo(bytes, file, path);
}

// Lossy WebP takes the encoder's richer way when the budget holds it, the lean one else.
WriteResult writeWebp(const QImage &image, QFileDevice &file, const QString &path,
                      const PictureOptions &options)
{
    const bool rich =
        pictureBytes(QSizeF(image.size())) + webpRichNeed(image.size(), hasTranslucentPixel(image)) <=
        double(memoryBudget());
    const WebpSettings settings{options.quality > 0 ? options.quality : kDefaultWebpQuality, options.lossless,
                                !rich};
    switch (encodeWebp(image, settings, file)) {
    case WebpOutcome::Written:
        return writeBytesTo(QByteArray(), file, path);
    case WebpOutcome::DeviceFailed:
        return writeFailure(path, writeFailureReason(file));
    case WebpOutcome::EncoderFailed:
        break;
    }
    return writeFailure(path, encodingFailure("WebP"));
}

WriteResult writeJpeg(const QImage &image, QFileDevice &file, const QString &path,
                      const PictureOptions &options)
{
    const JpegFile jpeg = encodeJpeg(image, options.quality > 0 ? options.quality : kDefaultJpegQuality);
    if (jpeg.pieces.empty())
        return writeFailure(path, encodingFailure("JPEG"));
    return writePiecesTo(jpeg.pieces, file, path);
}

} // namespace

std::optional<PictureFormat> pictureFormatNamed(const QString &name)
{
    for (const FormatName &known : kNames)
        if (name.compare(QLatin1String(known.name), Qt::CaseInsensitive) == 0)
            return known.format;
    return std::nullopt;
}

std::optional<PictureFormat> pictureFormatOf(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix();
    return suffix.isEmpty() ? std::nullopt : pictureFormatNamed(suffix);
}

QString pictureSuffix(PictureFormat format)
{
    for (const FormatName &known : kNames)
        if (known.format == format)
            return QLatin1String(known.name);
    return {};
}

QStringList pictureExtensions()
{
    QStringList extensions;
    for (const FormatName &known : kNames)
        extensions += QLatin1String(known.name);
    return extensions;
}

QString pictureExtensionList()
{
    QStringList dotted;
    for (const QString &extension : pictureExtensions())
        dotted += QLatin1Char('.') + extension;
    return dotted.join(QStringLiteral(", "));
}

WriteResult writePictureTo(const QImage &image, QFileDevice &file, const QString &path, PictureFormat format,
                           const PictureOptions &options)
{
    if (image.isNull())
        return writeFailure(path,
                            QCoreApplication::translate("PictureWriter", "there is no picture to write."));
    if (format != PictureFormat::Png) { // the PNG writer asks for itself
        if (const QString refusal = pictureWriteRefusal(image, format, options, file.isSequential());
            !refusal.isEmpty())
            return writeFailure(path, refusal);
    }
    switch (format) {
    case PictureFormat::Png:
        return writePngTo(image, file, path);
    case PictureFormat::Jpeg:
        return writeJpeg(image, file, path, options);
    case PictureFormat::Webp:
        return writeWebp(image, file, path, options);
    case PictureFormat::Tiff:
        return writeTiff(image, file, path);
    }
    return writeFailure(path, encodingFailure("?"));
}

WriteResult writePicture(const QImage &image, const QString &path, const PictureOptions &options)
{
    const std::optional<PictureFormat> format = pictureFormatOf(path);
    if (!format)
        return writeFailure(path, QCoreApplication::translate(
                                      "PictureWriter", "its extension names no format Quillane writes (%1).")
                                      .arg(pictureExtensionList()));
    const WriteResult written = writeFileAtomically(
        image, path, [&](QFileDevice &file) { return writePictureTo(image, file, path, *format, options); });
    return written.ok ? addCameraDetails(path, options.cameraDetails) : written;
}
