// Writing the picture as PNG, JPEG, WebP or TIFF by the name's extension.
#include "encode/JpegEncoder.h"
#include "encode/PictureWriter.h"

#include <QColorSpace>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>

namespace {

// Opaque photo-like content: smooth ramps with hard-edged blocks. 700 x 530 spans
// several of the JPEG encoder's bands, and neither side is a multiple of 16.
QImage photoLike(int width = 700, int height = 530)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const bool block = (x / 37 + y / 29) % 4 == 0;
            image.setPixel(x, y, qRgb(x * 255 / width, block ? 230 : y * 200 / height, (x + 2 * y) % 256));
        }
    return image;
}

struct Difference {
    double mean = 0;
    int largest = 0;
};

Difference difference(const QImage &a, const QImage &b)
{
    Difference d;
    const QImage x = a.convertToFormat(QImage::Format_RGB32), y = b.convertToFormat(QImage::Format_RGB32);
    qint64 sum = 0;
    for (int row = 0; row < x.height(); ++row)
        for (int col = 0; col < x.width(); ++col) {
            const QRgb p = x.pixel(col, row), q = y.pixel(col, row);
            for (const int delta : {qRed(p) - qRed(q), qGreen(p) - qGreen(q), qBlue(p) - qBlue(q)}) {
                sum += std::abs(delta);
                d.largest = std::max(d.largest, std::abs(delta));
            }
        }
    d.mean = double(sum) / (3.0 * x.width() * x.height());
    return d;
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(PictureWriter, EveryFormatRoundTripsWithTheSrgbDescriptionAndNoExif)
{
    struct Case {
        const char *name;
        PictureOptions options;
        QByteArray magic;
        double meanLimit;
        int largestLimit;
    };
    const Case cases[] = {
        {"mix.png", {}, QByteArray("\x89PNG"), 0, 0},
        // Lossy formats: a small mean error; the hard edges of the blocks may ring.
        {"mix.jpg", {}, QByteArray("\xFF\xD8\xFF"), 1.5, 80},
        {"mix.JPEG", {75, false, {}}, QByteArray("\xFF\xD8\xFF"), 6, 255},
        {"mix.jpg", {100, false, {}}, QByteArray("\xFF\xD8\xFF"), 0.6, 16},
        {"mix.webp", {}, QByteArray("RIFF"), 5, 255},
        {"mix.webp", {0, true, {}}, QByteArray("RIFF"), 0, 0},
        {"mix.tif", {}, QByteArray("II*\0", 4), 0, 0},
        {"mix.tiff", {}, QByteArray("II*\0", 4), 0, 0},
    };
    const QImage picture = photoLike();
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.name) + " quality " + std::to_string(c.options.quality));
        QTemporaryDir dir;
        const QString path = dir.filePath(QString::fromLatin1(c.name));
        const WriteResult written = writePicture(picture, path, c.options);
        ASSERT_TRUE(written.ok) << qPrintable(written.error);
        const QByteArray bytes = fileBytes(path);
        EXPECT_TRUE(bytes.startsWith(c.magic));
        EXPECT_FALSE(bytes.contains("Exif"));
        QImageReader reader(path);
        reader.setDecideFormatFromContent(true);
        const QImage back = reader.read();
        ASSERT_FALSE(back.isNull()) << qPrintable(reader.errorString());
        ASSERT_EQ(back.size(), picture.size());
        EXPECT_EQ(back.colorSpace(), QColorSpace(QColorSpace::SRgb));
        const Difference d = difference(back, picture);
        EXPECT_LE(d.mean, c.meanLimit);
        EXPECT_LE(d.largest, c.largestLimit);
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot).size(), 1);
    }
}

// The luma component's sampling factors in the JPEG's frame header: 0x11 is 4:4:4.
int lumaSampling(const QByteArray &jpeg)
{
    const qsizetype frame = jpeg.indexOf(QByteArray("\xFF\xC0", 2));
    return frame < 0 ? -1 : uchar(jpeg[frame + 11]);
}

TEST(PictureWriter, JpegKeepsFullColourResolutionFromQuality90AndJoinsItsBands)
{
    const QImage picture = photoLike(1500, 1100);
    for (const int quality : {60, 89, 90, 100}) {
        SCOPED_TRACE(quality);
        const QByteArray jpeg = encodeJpeg(picture, quality).joined();
        EXPECT_EQ(lumaSampling(jpeg), quality >= kJpegFullChromaQuality ? 0x11 : 0x22);
        EXPECT_TRUE(jpeg.contains(QByteArray("\xFF\xDD", 2))) << "restart interval";
        EXPECT_TRUE(jpeg.contains("ICC_PROFILE"));
        QImage back;
        ASSERT_TRUE(back.loadFromData(jpeg, "JPEG"));
        // A band joined wrongly shifts or garbles everything below it.
        EXPECT_LE(difference(back, picture).mean, quality >= 90 ? 1.5 : 6.0);
    }
    // A picture of one band, and one narrower than a block.
    for (const QSize size : {QSize(3, 2), QSize(33, 300)}) {
        QImage back;
        ASSERT_TRUE(
            back.loadFromData(encodeJpeg(photoLike(size.width(), size.height()), 90).joined(), "JPEG"));
        EXPECT_EQ(back.size(), size);
    }
}

TEST(PictureWriter, TransparentPartsOfAJpegAreBlack)
{
    QImage clear(16, 16, QImage::Format_ARGB32_Premultiplied);
    clear.fill(Qt::transparent);
    QImage back;
    ASSERT_TRUE(back.loadFromData(encodeJpeg(clear, 90).joined(), "JPEG"));
    EXPECT_LE(qRed(back.pixel(8, 8)) + qGreen(back.pixel(8, 8)) + qBlue(back.pixel(8, 8)), 3);
}

TEST(PictureWriter, WhatCannotBeWrittenIsRefusedInOneSentenceAndLeavesNoFile)
{
    QTemporaryDir dir;
    const struct {
        QString name;
        QImage picture;
        const char *reason;
    } cases[] = {
        {"mix.bmp", photoLike(8, 8),
         "its extension names no format Quillane writes (.png, .jpg, .jpeg, .webp, .tif, .tiff)."},
        {"mix", photoLike(8, 8), "its extension names no format"},
        {"mix.png.gif", photoLike(8, 8), "its extension names no format"},
        {"wide.webp", photoLike(16384, 1), "a WebP picture is at most 16383 pixels wide and high"},
        {"missing/mix.jpg", photoLike(8, 8), "does not exist"},
    };
    for (const auto &c : cases) {
        const QString path = dir.filePath(c.name);
        const WriteResult result = writePicture(c.picture, path);
        EXPECT_FALSE(result.ok);
        EXPECT_TRUE(
            result.error.startsWith(QStringLiteral("\u201C%1\u201D could not be written: ").arg(path)))
            << qPrintable(result.error);
        EXPECT_TRUE(result.error.contains(QLatin1String(c.reason))) << qPrintable(result.error);
    }
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot).isEmpty());

    QFile full(QStringLiteral("/dev/full"));
    ASSERT_TRUE(full.open(QIODevice::WriteOnly));
    for (const PictureFormat format : {PictureFormat::Jpeg, PictureFormat::Webp, PictureFormat::Tiff}) {
        const WriteResult noSpace =
            writePictureTo(photoLike(300, 300), full, QStringLiteral("/media/card/mix"), format);
        EXPECT_EQ(noSpace.error,
                  QStringLiteral("\u201C/media/card/mix\u201D could not be written: the disk is full."));
    }
}

TEST(PictureWriter, FormatsAreNamedByExtensionOrByName)
{
    EXPECT_EQ(pictureFormatOf(QStringLiteral("/a/b.JPG")), PictureFormat::Jpeg);
    EXPECT_EQ(pictureFormatOf(QStringLiteral("b.tar.tiff")), PictureFormat::Tiff);
    EXPECT_EQ(pictureFormatOf(QStringLiteral("b.heic")), std::nullopt);
    EXPECT_EQ(pictureFormatNamed(QStringLiteral("jpeg")), PictureFormat::Jpeg);
    EXPECT_EQ(pictureFormatNamed(QStringLiteral("WebP")), PictureFormat::Webp);
    for (const PictureFormat format :
         {PictureFormat::Png, PictureFormat::Jpeg, PictureFormat::Webp, PictureFormat::Tiff})
        EXPECT_EQ(pictureFormatNamed(pictureSuffix(format)), format);
}

} // namespace
