#include "encode/PictureWriter.h"

#include "encode/JpegEncoder.h"

#include <QBuffer>
#include <QColorSpace>
#include <QCoreApplication>
#include <QFileInfo>
#include <QImageWriter>

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

constexpr int kLargestWebpSide = 16383;
constexpr int kTiffLzw = 1; // Qt's TIFF writer: 0 none, 1 LZW

QString encodingFailure(const char *format)
{
    return QCoreApplication::translate("PictureWriter", "the picture could not be encoded as %1.")
        .arg(QLatin1String(format));
}

// WebP and TIFF through Qt's writers, which embed the picture's ICC profile.
WriteResult writeWithQt(const QImage &image, QFileDevice &file, const QString &path, const char *format,
                        int quality, int compression)
{
    QImage tagged = image;
    tagged.setColorSpace(QColorSpace(QColorSpace::SRgb));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setQuality(quality);
    writer.setCompression(compression);
    if (!writer.write(tagged))
        return writeFailure(path, encodingFailure(format));
    return writeBytesTo(bytes, file, path);
}

// Whether every pixel is opaque: such a picture goes into a TIFF as RGB, a quarter smaller.
bool isOpaque(const QImage &image)
{
    if (!image.hasAlphaChannel())
        return true;
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < argb.height(); ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(argb.constScanLine(y));
        if (!std::all_of(row, row + argb.width(), [](QRgb pixel) { return qAlpha(pixel) == 255; }))
            return false;
    }
    return true;
}

WriteResult writeTiff(const QImage &image, QFileDevice &file, const QString &path)
{
    const QImage samples = isOpaque(image) ? image.convertToFormat(QImage::Format_RGB888) : image;
    return writeWithQt(samples, file, path, "tiff", -1, kTiffLzw);
}

WriteResult writeWebp(const QImage &image, QFileDevice &file, const QString &path,
                      const PictureOptions &options)
{
    if (image.width() > kLargestWebpSide || image.height() > kLargestWebpSide)
        return writeFailure(
            path, QCoreApplication::translate("PictureWriter",
                                              "a WebP picture is at most 16383 pixels wide and high; "
                                              "this one is %1 \u00D7 %2 (choose PNG, JPEG or TIFF).")
                      .arg(image.width())
                      .arg(image.height()));
    // Qt's WebP writer compresses losslessly at quality 100.
    const int quality = options.lossless      ? 100
                        : options.quality > 0 ? std::min(options.quality, 99)
                                              : kDefaultWebpQuality;
    return writeWithQt(image, file, path, "webp", quality, 0);
}

WriteResult writeJpeg(const QImage &image, QFileDevice &file, const QString &path,
                      const PictureOptions &options)
{
    const QByteArray jpeg = encodeJpeg(image, options.quality > 0 ? options.quality : kDefaultJpegQuality);
    if (jpeg.isEmpty())
        return writeFailure(
            path, image.width() > 65535 || image.height() > 65535
                      ? QCoreApplication::translate("PictureWriter",
                                                    "a JPEG picture is at most 65535 pixels wide and high "
                                                    "(choose PNG or TIFF).")
                      : encodingFailure("JPEG"));
    return writeBytesTo(jpeg, file, path);
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
    return writeFileAtomically(
        image, path, [&](QFileDevice &file) { return writePictureTo(image, file, path, *format, options); });
}
