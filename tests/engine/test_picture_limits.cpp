// What each format holds and what writing it takes: the size limits, the writers'
// memory against the budget, and the WebP and TIFF encoders on translucent pictures.
#include "TestImages.h"

#include "encode/PictureLimits.h"
#include "encode/TiffEncoder.h"
#include "encode/WebpEncoder.h"
#include "imaging/MemoryBudget.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>

#include <webp/decode.h>
#include <webp/encode.h>

#include <gtest/gtest.h>

namespace {

struct BudgetScope {
    explicit BudgetScope(qint64 bytes) { setMemoryBudget(bytes); }
    ~BudgetScope() { setMemoryBudget(0); }
};

QImage readBack(const QString &path)
{
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    return reader.read();
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The payload of the first chunk `type` of a RIFF (WebP) file; empty when it has none.
QByteArray riffChunk(const QByteArray &file, const char *type)
{
    for (qsizetype at = 12; at + 8 <= file.size();) {
        const quint32 size = quint32(uchar(file[at + 4])) | quint32(uchar(file[at + 5])) << 8 |
                             quint32(uchar(file[at + 6])) << 16 | quint32(uchar(file[at + 7])) << 24;
        if (file.mid(at, 4) == type)
            return file.mid(at + 8, size);
        at += 8 + size + size % 2;
    }
    return {};
}

// The file libwebp makes of the whole picture at once, as the encoder's settings ask.
QByteArray libwebpAlone(const QImage &picture, bool lean)
{
    QImage straight(picture.size(), QImage::Format_ARGB32); // B, G, R, A in memory
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            straight.setPixel(x, y, qUnpremultiply(picture.pixel(x, y)));
    WebPConfig config;
    WebPPicture input;
    EXPECT_TRUE(WebPConfigInit(&config) && WebPPictureInit(&input));
    config.quality = 90;
    if (lean) {
        config.method = 2;
        config.alpha_compression = 0;
    }
    input.width = straight.width();
    input.height = straight.height();
    EXPECT_TRUE(WebPPictureImportBGRA(&input, straight.constBits(), int(straight.bytesPerLine())));
    WebPMemoryWriter memory;
    WebPMemoryWriterInit(&memory);
    input.writer = WebPMemoryWrite;
    input.custom_ptr = &memory;
    EXPECT_TRUE(WebPEncode(&config, &input));
    const QByteArray file(reinterpret_cast<const char *>(memory.mem), qsizetype(memory.size));
    WebPMemoryWriterClear(&memory);
    WebPPictureFree(&input);
    return file;
}

// libwebp's decoding of a file, as straight B, G, R, A bytes.
QByteArray decodedByLibwebp(const QByteArray &file)
{
    int width = 0, height = 0;
    uint8_t *pixels = WebPDecodeBGRA(reinterpret_cast<const uint8_t *>(file.constData()), size_t(file.size()),
                                     &width, &height);
    const QByteArray bytes(reinterpret_cast<const char *>(pixels), qsizetype(width) * height * 4);
    WebPFree(pixels);
    return bytes;
}

} // namespace

// One table of the limits: each format holds a picture up to its limit on either side,
// and refuses one pixel more naming its limit, the size and the formats that hold it.
TEST(PictureLimits, EachFormatHoldsPicturesUpToItsLimitAndNamesTheFormatsThatHoldMore)
{
    const QString past =
        QStringLiteral("a %1 picture is at most %2 pixels wide and high; this one is %3 (choose %4).");
    const struct {
        PictureFormat format;
        QSize size;
        QString refusal; // empty: held
    } cases[] = {
        {PictureFormat::Png, {1000000, 1}, {}},
        {PictureFormat::Png, {1, 1000000}, {}},
        {PictureFormat::Png, {1000001, 1}, past.arg("PNG", "1000000", "1000001 \u00D7 1", "TIFF")},
        {PictureFormat::Png, {2, 1048576}, past.arg("PNG", "1000000", "2 \u00D7 1048576", "TIFF")},
        {PictureFormat::Jpeg, {65500, 65500}, {}},
        {PictureFormat::Jpeg, {65501, 1}, past.arg("JPEG", "65500", "65501 \u00D7 1", "PNG or TIFF")},
        {PictureFormat::Jpeg, {1, 65501}, past.arg("JPEG", "65500", "1 \u00D7 65501", "PNG or TIFF")},
        {PictureFormat::Jpeg, {300, 65535}, past.arg("JPEG", "65500", "300 \u00D7 65535", "PNG or TIFF")},
        {PictureFormat::Jpeg, {1, 1000001}, past.arg("JPEG", "65500", "1 \u00D7 1000001", "TIFF")},
        {PictureFormat::Webp, {16383, 16383}, {}},
        {PictureFormat::Webp, {16384, 1}, past.arg("WebP", "16383", "16384 \u00D7 1", "PNG, JPEG or TIFF")},
        {PictureFormat::Webp, {1, 16384}, past.arg("WebP", "16383", "1 \u00D7 16384", "PNG, JPEG or TIFF")},
        {PictureFormat::Webp, {70000, 2}, past.arg("WebP", "16383", "70000 \u00D7 2", "PNG or TIFF")},
        {PictureFormat::Tiff, {1048576, 1048576}, {}},
        {PictureFormat::Tiff, {1, 1 << 30}, {}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(pictureSizeRefusal(c.format, c.size), c.refusal)
            << pictureSuffix(c.format).toStdString() << " " << c.size.width() << " x " << c.size.height();
}

// What is written at a limit opens again (in Qt's readers, that is libpng, libjpeg and
// libwebp); one pixel more is refused before a byte is written.
TEST(PictureLimits, PicturesAtTheLimitReadBackAndOnePixelMoreIsRefused)
{
    QTemporaryDir dir;
    const struct {
        const char *name;
        QSize size;
        bool written;
    } cases[] = {
        {"wide.png", {1000000, 1}, true}, {"wider.png", {1000001, 1}, false},
        {"tall.jpg", {1, 65500}, true},   {"taller.jpg", {1, 65501}, false},
        {"wide.jpg", {65500, 1}, true},   {"wider.jpg", {65501, 1}, false},
        {"wide.webp", {16383, 1}, true},  {"wider.webp", {16384, 1}, false},
        {"tall.tif", {1, 1048576}, true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = dir.filePath(QLatin1String(c.name));
        const WriteResult result =
            writePicture(solidImage(c.size.width(), c.size.height(), qRgb(30, 60, 90)), path);
        EXPECT_EQ(result.ok, c.written) << result.error.toStdString();
        EXPECT_EQ(QFile::exists(path), c.written);
        if (c.written)
            EXPECT_EQ(readBack(path).size(), c.size);
        else
            EXPECT_TRUE(result.error.contains(QLatin1String("pixels wide and high")))
                << result.error.toStdString();
    }
    // The PNG writer of the desktop program's Save asks too.
    const WriteResult png = writePng(solidImage(1000001, 1, qRgb(0, 0, 0)), dir.filePath("save.png"));
    EXPECT_TRUE(png.error.contains(QLatin1String("a PNG picture is at most 1000000")))
        << png.error.toStdString();
}

// Lossless WebP and TIFF keep a translucent picture exactly (straight alpha, premultiplied
// again on reading); lossy WebP, converted to YUV a band at a time, decodes exactly as
// what libwebp makes of the whole picture at once, with libwebp's richer settings under a
// budget that holds them and the lean ones (uncompressed alpha) under one that does not.
TEST(PictureWriter, TranslucentPicturesKeepTheirAlphaAndWebpBandsJoinUnseen)
{
    // Odd sides, bands of 64 rows plus a remainder, fully clear and opaque runs.
    QImage picture = noiseImage(301, 203, 7);
    for (int y = 0; y < 70; ++y)
        for (int x = 0; x < 301; ++x)
            picture.setPixel(x, y, y < 30 ? 0u : qRgb(x % 256, y, 40));
    QTemporaryDir dir;
    for (const auto &[name, options] :
         {std::pair{"exact.webp", PictureOptions{0, true, {}}}, std::pair{"exact.tif", PictureOptions{}},
          std::pair{"exact.png", PictureOptions{}}}) {
        const QString path = dir.filePath(QLatin1String(name));
        ASSERT_TRUE(writePicture(picture, path, options).ok) << name;
        EXPECT_EQ(untagged(readBack(path).convertToFormat(QImage::Format_ARGB32_Premultiplied)),
                  untagged(picture))
            << name;
    }
    const double pictureBytes = 301.0 * 203 * 4;
    for (const bool lean : {false, true}) {
        SCOPED_TRACE(lean ? "lean" : "rich");
        const WriteTarget webp{PictureFormat::Webp, {}, true, false};
        const double budget = lean ? pictureBytes + pictureWriteNeed(webp, QSizeF(301, 203))
                                   : pictureBytes + webpRichNeed(QSize(301, 203), true);
        const BudgetScope scope(qint64(budget) + 1);
        const QString path = dir.filePath(lean ? "lean.webp" : "rich.webp");
        ASSERT_TRUE(writePicture(picture, path).ok);
        const QByteArray file = fileBytes(path);
        EXPECT_EQ(decodedByLibwebp(file), decodedByLibwebp(libwebpAlone(picture, lean)));
        const QByteArray alpha = riffChunk(file, "ALPH");
        ASSERT_FALSE(alpha.isEmpty());
        EXPECT_EQ(uchar(alpha[0]) & 3, lean ? 0 : 1) << "the alpha plane's compression";
        EXPECT_FALSE(riffChunk(file, "ICCP").isEmpty());
        EXPECT_EQ(readBack(path).colorSpace(), QColorSpace(QColorSpace::SRgb));
    }
}

TEST(PictureWriter, TiffIsReadAlikeAsClassicTiffAndBigTiff)
{
    const QImage picture = noiseImage(97, 41, 3);
    for (const bool big : {false, true}) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        ASSERT_TRUE(buffer.open(QIODevice::ReadWrite));
        ASSERT_TRUE(encodeTiff(picture, buffer, big));
        EXPECT_EQ(uchar(bytes[2]), big ? 43 : 42) << "the TIFF version";
        QImage back;
        ASSERT_TRUE(back.loadFromData(bytes, "TIFF"));
        EXPECT_EQ(untagged(back.convertToFormat(QImage::Format_ARGB32_Premultiplied)), untagged(picture));
        EXPECT_EQ(back.colorSpace(), QColorSpace(QColorSpace::SRgb));
    }
    // A classic file addresses 4 GB; LZW may make the samples half as large again.
    EXPECT_FALSE(tiffNeedsBigTiff(QSize(30000, 30000), false));
    EXPECT_TRUE(tiffNeedsBigTiff(QSize(30000, 30000), true));
    EXPECT_TRUE(tiffNeedsBigTiff(QSize(32000, 32000), false));
}

// Each writer's estimate covers the peak measured on a noise picture (48 megapixels
// opaque, 36 translucent; /usr/bin/time on quillane-mix, figures in bench/
// bench_picture_formats.cpp) without exceeding it more than 2.5-fold (TIFF's bound is
// LZW's worst growth in a buffer twice as large), so that the budget holds and yet lets
// through what fits.
TEST(PictureLimits, WriterNeedsCoverTheirMeasuredPeaks)
{
    const QSizeF size(8000, 6000);
    const double pixels = size.width() * size.height();
    const struct {
        const char *what;
        WriteTarget target;
        double measured; // bytes a pixel beyond the picture
    } cases[] = {
        {"PNG", {PictureFormat::Png, {}, false, false}, 2.97},
        {"JPEG", {PictureFormat::Jpeg, {}, false, false}, 1.95},
        {"JPEG at 100", {PictureFormat::Jpeg, {100, false, {}}, false, false}, 4.6},
        {"lossy WebP, lean", {PictureFormat::Webp, {}, false, false}, 4.6},
        {"translucent lossy WebP, lean", {PictureFormat::Webp, {}, true, false}, 4.6},
        {"lossless WebP", {PictureFormat::Webp, {0, true, {}}, false, false}, 33.2},
        {"TIFF to a pipe", {PictureFormat::Tiff, {}, false, true}, 4.2},
    };
    for (const auto &c : cases) {
        const double need = pictureWriteNeed(c.target, size) / pixels;
        EXPECT_GE(need, c.measured) << c.what;
        EXPECT_LE(need, 2.5 * c.measured) << c.what;
    }
    EXPECT_GE(webpRichNeed(size.toSize(), false) / pixels, 20.5);
    EXPECT_EQ(pictureWriteNeed({PictureFormat::Tiff, {}, true, false}, size), 0.0) << "TIFF to a file";
}

TEST(PictureLimits, AWriterRefusesWhatItCannotWriteWithinTheBudget)
{
    QTemporaryDir dir;
    const QImage picture = solidImage(1000, 1000, qRgb(10, 20, 30));
    const BudgetScope scope(qint64(20) << 20);
    const QString path = dir.filePath("mix.webp");
    const WriteResult lossless = writePicture(picture, path, {0, true, {}});
    EXPECT_EQ(
        lossless.error.toStdString(),
        QStringLiteral("\u201C%1\u201D could not be written: the picture needs about 38 MB of memory to be "
                       "written as lossless WebP, more than the 20 MB allowed.")
            .arg(path)
            .toStdString());
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_TRUE(writePicture(picture, path).ok) << "lossy WebP fits";
}
