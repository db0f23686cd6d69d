#include "imaging/ImageConversion.h"
#include "imaging/PhotoLoader.h"

#include <QColorSpace>
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>
#include <QtEndian>

#include <png.h>

#include <cstdio>
#include <vector>

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

class PhotoLoader : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    QString path(const QString &name) const { return dir.filePath(name); }

    QString write(const QString &name, const QByteArray &bytes) const
    {
        QFile file(path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    }

    QString save(const QString &name, const QImage &image, const char *format = nullptr) const
    {
        EXPECT_TRUE(image.save(path(name), format));
        return path(name);
    }
};

QByteArray bigEndian32(quint32 value)
{
    QByteArray bytes(4, '\0');
    qToBigEndian(value, bytes.data());
    return bytes;
}

QByteArray bigEndian16(quint16 value)
{
    QByteArray bytes(2, '\0');
    qToBigEndian(value, bytes.data());
    return bytes;
}

quint32 crc32(const QByteArray &bytes)
{
    quint32 crc = 0xFFFFFFFFu;
    for (const char c : bytes) {
        crc ^= quint8(c);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

// A PNG whose IHDR (valid CRC) announces the size, followed by a token IDAT and IEND.
QByteArray pngHeaderOnly(quint32 width, quint32 height)
{
    auto chunk = [](const QByteArray &type, const QByteArray &data) {
        const QByteArray body = type + data;
        return bigEndian32(quint32(data.size())) + body + bigEndian32(crc32(body));
    };
    QByteArray ihdr = bigEndian32(width) + bigEndian32(height);
    ihdr += QByteArray("\x08\x06\x00\x00\x00", 5);                // 8-bit RGBA, no interlace
    const QByteArray idat("\x78\x9c\x03\x00\x00\x00\x00\x01", 8); // an empty zlib stream
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + chunk("IHDR", ihdr) + chunk("IDAT", idat) + chunk("IEND", {});
}

// Inserts an APP1 EXIF segment holding only the Orientation tag right after SOI.
QByteArray withExifOrientation(const QByteArray &jpeg, quint16 orientation)
{
    QByteArray tiff("MM\x00\x2A", 4);
    tiff += bigEndian32(8) + bigEndian16(1);                       // one IFD entry
    tiff += bigEndian16(0x0112) + bigEndian16(3) + bigEndian32(1); // Orientation, SHORT, 1
    tiff += bigEndian16(orientation) + bigEndian16(0) + bigEndian32(0);
    const QByteArray payload = QByteArray("Exif\0\0", 6) + tiff;
    const QByteArray app1 = QByteArray("\xFF\xE1", 2) + bigEndian16(quint16(payload.size() + 2)) + payload;
    return jpeg.left(2) + app1 + jpeg.mid(2);
}

// A 1 x 1 GIF89a with two frames: red, then blue (LZW: clear, index, end in 3 bits).
QByteArray twoFrameGif()
{
    QByteArray gif("GIF89a\x01\x00\x01\x00\x80\x00\x00", 13);
    gif += QByteArray("\xFF\x00\x00\x00\x00\xFF", 6); // palette: red, blue
    gif += QByteArray("\x21\xFF\x0BNETSCAPE2.0\x03\x01\x00\x00\x00", 19);
    const QByteArray frame("\x21\xF9\x04\x00\x0A\x00\x00\x00\x2C\x00\x00\x00\x00\x01\x00\x01\x00\x00", 18);
    gif += frame + QByteArray("\x02\x02\x44\x01\x00", 5); // index 0
    gif += frame + QByteArray("\x02\x02\x4C\x01\x00", 5); // index 1
    return gif + QByteArray(";", 1);
}

// A little-endian TIFF whose pages are 1 x 1 uncompressed greyscale pixels.
QByteArray greyTiffPages(const QList<quint8> &greys)
{
    QByteArray tiff("II\x2A\x00", 4);
    auto le16 = [](quint16 v) {
        QByteArray b(2, '\0');
        qToLittleEndian(v, b.data());
        return b;
    };
    auto le32 = [](quint32 v) {
        QByteArray b(4, '\0');
        qToLittleEndian(v, b.data());
        return b;
    };
    constexpr quint32 kIfdSize = 2 + 9 * 12 + 4;
    tiff += le32(8);
    for (int page = 0; page < greys.size(); ++page) {
        const quint32 ifdStart = 8 + quint32(page) * (kIfdSize + 1);
        const quint32 pixelAt = ifdStart + kIfdSize;
        const bool last = page + 1 == greys.size();
        auto entry = [&](quint16 tag, quint16 type, quint32 value) {
            return le16(tag) + le16(type) + le32(1) +
                   (type == 3 ? le16(quint16(value)) + le16(0) : le32(value));
        };
        tiff += le16(9) + entry(256, 3, 1) + entry(257, 3, 1) + entry(258, 3, 8) + entry(259, 3, 1) +
                entry(262, 3, 1) + entry(273, 4, pixelAt) + entry(277, 3, 1) + entry(278, 3, 1) +
                entry(279, 4, 1);
        tiff += le32(last ? 0 : pixelAt + 1);
        tiff += char(greys[page]);
    }
    return tiff;
}

QImage noisyImage(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb((x * 7 + y * 3) % 256, (x * y) % 256, (x * 13) % 256));
    return image;
}

void expectNear(QRgb actual, QRgb expected, int tolerance)
{
    EXPECT_NEAR(qRed(actual), qRed(expected), tolerance);
    EXPECT_NEAR(qGreen(actual), qGreen(expected), tolerance);
    EXPECT_NEAR(qBlue(actual), qBlue(expected), tolerance);
    EXPECT_NEAR(qAlpha(actual), qAlpha(expected), tolerance);
}

void expectRefused(const LoadResult &result, const QString &name, const QString &reason)
{
    EXPECT_TRUE(result.image.isNull());
    EXPECT_FALSE(result.ok());
    EXPECT_TRUE(result.error.contains(name)) << result.error.toStdString();
    EXPECT_TRUE(result.error.contains(reason)) << result.error.toStdString();
}

} // namespace

TEST_F(PhotoLoader, JpegWithExifOrientationSixLoadsUpright)
{
    QImage stored(40, 20, QImage::Format_RGB32);
    stored.fill(Qt::blue);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x)
            stored.setPixel(x, y, qRgb(255, 0, 0)); // left half red
    const QString plain = save("plain.jpg", stored);
    QFile file(plain);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString rotated = write("rotated.jpg", withExifOrientation(file.readAll(), 6));

    const LoadResult result = loadPhoto(rotated);
    ASSERT_TRUE(result.ok()) << result.error.toStdString();
    EXPECT_EQ(result.image.format(), kCanonicalFormat);
    ASSERT_EQ(result.image.size(), QSize(20, 40));
    // Turned a quarter clockwise: the stored left half is now the top half.
    expectNear(result.image.pixel(10, 5), qRgb(255, 0, 0), 40);
    expectNear(result.image.pixel(10, 35), qRgb(0, 0, 255), 40);
}

TEST_F(PhotoLoader, DisplayP3PngIsConvertedToSrgb)
{
    QImage p3(8, 8, QImage::Format_RGB32);
    p3.fill(qRgb(100, 180, 60));
    p3.setColorSpace(QColorSpace::DisplayP3);
    const QString file = save("p3.png", p3);
    ASSERT_TRUE(QImage(file).colorSpace() == QColorSpace(QColorSpace::DisplayP3));

    const LoadResult result = loadPhoto(file);
    ASSERT_TRUE(result.ok()) << result.error.toStdString();
    const QRgb expected = p3.convertedToColorSpace(QColorSpace::SRgb).pixel(3, 3);
    expectNear(result.image.pixel(3, 3), expected, 1);
    EXPECT_GT(std::abs(qRed(result.image.pixel(3, 3)) - 100), 10); // really converted
    EXPECT_TRUE(result.image.colorSpace() == QColorSpace(QColorSpace::SRgb));
}

TEST_F(PhotoLoader, DeepGreyAndIndexedFormatsLoadInTheCanonicalFormat)
{
    QImage deep(6, 4, QImage::Format_RGBA64);
    deep.fill(QColor::fromRgba64(qRgba64(0x8000, 0x4000, 0xFFFF, 0xFFFF)));
    QImage grey(6, 4, QImage::Format_Grayscale8);
    grey.fill(qRgb(77, 77, 77));
    QImage indexed(6, 4, QImage::Format_Indexed8);
    indexed.setColorTable({qRgb(10, 200, 30), qRgb(250, 5, 5)});
    indexed.fill(1);
    const struct {
        QString file;
        QRgb expected;
    } cases[] = {{save("deep.png", deep), qRgb(128, 64, 255)},
                 {save("grey.png", grey), qRgb(77, 77, 77)},
                 {save("indexed.png", indexed), qRgb(250, 5, 5)},
                 {save("grey.tif", grey), qRgb(77, 77, 77)},
                 {save("indexed.bmp", indexed), qRgb(250, 5, 5)}};
    EXPECT_EQ(QImageReader(cases[0].file).imageFormat(), QImage::Format_RGBA64);
    for (const auto &c : cases) {
        const LoadResult result = loadPhoto(c.file);
        ASSERT_TRUE(result.ok()) << result.error.toStdString();
        EXPECT_EQ(result.image.format(), kCanonicalFormat);
        EXPECT_EQ(result.image.size(), QSize(6, 4));
        expectNear(result.image.pixel(2, 2), c.expected, 1);
    }
}

TEST_F(PhotoLoader, CmykJpegLoadsWithItsColours)
{
    // A 16 x 8 four-channel (CMYK) JPEG of the colour (200, 40, 40).
    const QString cmyk = QStringLiteral(QUILLANE_SOURCE_DIR "/tests/data/cmyk_red.jpg");
    QFile file(cmyk);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    const qsizetype frame = bytes.indexOf(QByteArray("\xFF\xC0", 2)); // baseline frame header
    ASSERT_GT(frame, 0);
    ASSERT_EQ(int(bytes.at(frame + 9)), 4) << "the file must hold four colour components";
    const LoadResult result = loadPhoto(cmyk);
    ASSERT_TRUE(result.ok()) << result.error.toStdString();
    EXPECT_EQ(result.image.format(), kCanonicalFormat);
    EXPECT_EQ(result.image.size(), QSize(16, 8));
    expectNear(result.image.pixel(5, 4), qRgb(200, 40, 40), 3);
}

TEST_F(PhotoLoader, AnimationAndMultiPageFilesGiveTheirFirstImage)
{
    const QString gif = write("anim.gif", twoFrameGif());
    const QString tif = write("pages.tif", greyTiffPages({200, 30}));
    ASSERT_EQ(QImageReader(gif).imageCount(), 2);
    ASSERT_EQ(QImageReader(tif).imageCount(), 2);

    const LoadResult fromGif = loadPhoto(gif);
    ASSERT_TRUE(fromGif.ok()) << fromGif.error.toStdString();
    expectNear(fromGif.image.pixel(0, 0), qRgb(255, 0, 0), 0);
    const LoadResult fromTif = loadPhoto(tif);
    ASSERT_TRUE(fromTif.ok()) << fromTif.error.toStdString();
    expectNear(fromTif.image.pixel(0, 0), qRgb(200, 200, 200), 0);
}

TEST_F(PhotoLoader, PicturesAboveQtsDefaultAllocationLimitLoad)
{
    constexpr int kWidth = 8500, kHeight = 8000; // 68 MP, 272 MB decoded
    if (photoPixelLimit() < qint64(kWidth) * kHeight)
        GTEST_SKIP() << "this machine's memory allows only " << photoPixelLimit() << " pixels";
    QImage large(kWidth, kHeight, QImage::Format_RGB32);
    large.fill(qRgb(20, 140, 220));
    const QString file = save("large.jpg", large);
    large = QImage();

    const LoadResult result = loadPhoto(file);
    ASSERT_TRUE(result.ok()) << result.error.toStdString();
    EXPECT_EQ(result.image.size(), QSize(kWidth, kHeight));
}

TEST_F(PhotoLoader, PicturesAboveTheMemoryLimitAreRefusedFromTheirHeader)
{
    const QString huge = write("huge.png", pngHeaderOnly(100000, 100000));
    expectRefused(loadPhoto(huge), "huge.png", "100000 \u00D7 100000 pixels");

    const QString small = save("small.png", noisyImage(40, 20));
    // The limit is named with the budget that sets it, a quarter of which one photo may take.
    expectRefused(loadPhoto(small, 799), "small.png",
                  "(800 pixels), more than one photo may take: at most 799 pixels, a quarter of the memory "
                  "budget of 12 KB.");
    EXPECT_TRUE(loadPhoto(small, 800).ok());

    // Found by fuzzing: a 25-byte GIF of 11290 x 365 pixels, whose size Qt learns only
    // by decoding it.
    const QString wide = write("wide.gif", QByteArray::fromBase64("R0lGODdhGixtATwALCwuAAAAAAAAAAAAAA=="));
    expectRefused(loadPhoto(wide, 4'000'000), "wide.gif", "11290 \u00D7 365 pixels");
}

TEST_F(PhotoLoader, FilesThatAreNoPicturesAreRefusedInPlainWords)
{
    const QString missing = path("missing.jpg");
    expectRefused(loadPhoto(missing), "missing.jpg", "could not be opened: the file does not exist.");
    expectRefused(loadPhoto(write("empty.png", {})), "empty.png", "the file is empty.");
    expectRefused(loadPhoto(write("notes.jpg", "shopping list: milk, eggs\n")), "notes.jpg", "not a picture");
    expectRefused(loadPhoto(dir.path()), QFileInfo(dir.path()).fileName(), "folder");
}

TEST_F(PhotoLoader, PicturesInOtherFormatsAreRefusedWhateverTheirName)
{
    // Formats Qt's plugins read but Quillane does not offer, under their own names and
    // disguised as a JPEG; the offered formats (those Qt can write here) load under a
    // foreign name.
    for (const char *format : {"icns", "ico", "ppm", "xpm"}) {
        const QString own = save(QStringLiteral("picture.%1").arg(format), noisyImage(16, 16), format);
        const QString disguised =
            save(QStringLiteral("%1-picture.jpg").arg(format), noisyImage(16, 16), format);
        ASSERT_TRUE(QImageReader(own).canRead()) << format;
        expectRefused(loadPhoto(own), QFileInfo(own).fileName(),
                      "not a picture in a format Quillane can read");
        expectRefused(loadPhoto(disguised), QFileInfo(disguised).fileName(), "not a picture in a format");
    }
    for (const char *format : {"bmp", "jpeg", "png", "tiff", "webp"}) {
        const QString disguised =
            save(QStringLiteral("%1-picture.dat").arg(format), noisyImage(16, 16), format);
        EXPECT_TRUE(loadPhoto(disguised).ok()) << format;
    }
    // Found by fuzzing: an icns header claiming a 2 GiB entry, inside a 96-byte file.
    const QByteArray icns = QByteArray::fromHex(
        "69636e7300000008504c54457400000089504e470d0a1a0a0000000d4948445200000008000000060804000000540c17"
        "700000001349444154000008d763fc3f8b4e530105b09c65a0be00006dcc05b0e2fa48680000000049454e44ae426082");
    expectRefused(loadPhoto(write("claims-2GiB.jpg", icns)), "claims-2GiB.jpg", "not a picture in a format");
}

TEST_F(PhotoLoader, TruncatedFilesAreRefused)
{
    for (const QString name : {"cut.jpg", "cut.png"}) {
        const QString whole = save("whole-" + name, noisyImage(200, 150));
        QFile file(whole);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        ASSERT_TRUE(loadPhoto(whole).ok());
        expectRefused(loadPhoto(write(name, bytes.left(bytes.size() * 6 / 10))), name,
                      "damaged or incomplete");
    }
}

TEST_F(PhotoLoader, UnreadableFileIsRefused)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "running as root: file permissions do not stop reading";
    const QString locked = save("locked.png", noisyImage(4, 4));
    ASSERT_TRUE(QFile::setPermissions(locked, QFileDevice::WriteOwner));
    expectRefused(loadPhoto(locked), "locked.png", "permission");
}

namespace {

// A 16-bit RGB PNG of one colour written with libpng, with the colour chunks ImageMagick
// writes: gAMA 1/2.2 and cHRM of sRGB, and an sRGB chunk when `srgbChunk`.
QString writeTaggedPng16(const QString &path, quint16 value, bool srgbChunk)
{
    FILE *out = std::fopen(QFile::encodeName(path).constData(), "wb");
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_init_io(png, out);
    png_set_IHDR(png, info, 4, 2, 16, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    if (srgbChunk)
        png_set_sRGB(png, info, PNG_sRGB_INTENT_PERCEPTUAL);
    png_set_gAMA_fixed(png, info, 45455);
    png_set_cHRM_fixed(png, info, 31270, 32900, 64000, 33000, 30000, 60000, 15000, 6000);
    png_write_info(png, info);
    png_set_swap(png); // the samples below are in the machine's order
    std::vector<quint16> row(4 * 3, value);
    for (int y = 0; y < 2; ++y)
        png_write_row(png, reinterpret_cast<png_bytep>(row.data()));
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    std::fclose(out);
    return path;
}

} // namespace

TEST_F(PhotoLoader, AnSrgbChunkOutweighsGammaAndChromaticities)
{
    const quint16 dark = 30 * 257;
    const LoadResult tagged = loadPhoto(writeTaggedPng16(path("srgb.png"), dark, true));
    ASSERT_TRUE(tagged.ok()) << tagged.error.toStdString();
    EXPECT_EQ(tagged.image.pixel(1, 1), qRgb(30, 30, 30));

    // Without the sRGB chunk a gamma of 2.2 is not sRGB's curve: the dark value moves.
    const LoadResult gammaOnly = loadPhoto(writeTaggedPng16(path("gamma.png"), dark, false));
    ASSERT_TRUE(gammaOnly.ok()) << gammaOnly.error.toStdString();
    EXPECT_LT(qRed(gammaOnly.image.pixel(1, 1)), 28);
}
