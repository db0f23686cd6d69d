#include "PhotoBytes.h"

#include "imaging/ImageConversion.h"
#include "imaging/PhotoLoader.h"

#include <QBuffer>
#include <QColorSpace>
#include <QFile>
#include <QImageReader>
#include <QImageWriter>
#include <QTemporaryDir>
#include <QtEndian>

#include <png.h>

#include <atomic>
#include <cstdio>
#include <thread>
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

// A PNG whose IHDR (valid CRC) announces the size, followed by a token IDAT and IEND.
QByteArray pngHeaderOnly(quint32 width, quint32 height)
{
    QByteArray ihdr = bigEndian32(width) + bigEndian32(height);
    ihdr += QByteArray("\x08\x06\x00\x00\x00", 5);                // 8-bit RGBA, no interlace
    const QByteArray idat("\x78\x9c\x03\x00\x00\x00\x00\x01", 8); // an empty zlib stream
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + pngChunk("IHDR", ihdr) + pngChunk("IDAT", idat) +
           pngChunk("IEND", {});
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
    // Larger than any picture within the limit could take, at 8 bytes a pixel and 64 MB of
    // room beside it: refused before it is read (the file is sparse, 65 MB of nothing).
    const QString large = save("large.png", noisyImage(4, 4));
    ASSERT_TRUE(QFile::resize(large, qint64(65) << 20));
    expectRefused(loadPhoto(large, 100'000), "large.png",
                  "the file is 65 MB, too large for a photo of at most 0 megapixels");
    EXPECT_TRUE(loadPhoto(large, 200'000).ok()); // within that limit: read, and the PNG ends at its IEND
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

// The colour chunks of a PNG: sRGB, gAMA (none for 0) and cHRM (none when empty).
struct PngTags {
    bool srgb = false;
    png_fixed_point gamma = 0;
    std::vector<png_fixed_point> chromaticities; // white x, y, red x, y, green x, y, blue x, y
};

// A 16-bit RGB PNG of one colour written with libpng, with the given colour chunks.
QString writeTaggedPng16(const QString &path, QRgba64 colour, const PngTags &tags)
{
    FILE *out = std::fopen(QFile::encodeName(path).constData(), "wb");
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_init_io(png, out);
    png_set_IHDR(png, info, 4, 2, 16, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    if (tags.srgb)
        png_set_sRGB(png, info, PNG_sRGB_INTENT_PERCEPTUAL);
    if (tags.gamma)
        png_set_gAMA_fixed(png, info, tags.gamma);
    if (const std::vector<png_fixed_point> &c = tags.chromaticities; c.size() == 8)
        png_set_cHRM_fixed(png, info, c[0], c[1], c[2], c[3], c[4], c[5], c[6], c[7]);
    png_write_info(png, info);
    png_set_swap(png); // the samples below are in the machine's order
    std::vector<quint16> row;
    for (int x = 0; x < 4; ++x)
        row.insert(row.end(), {colour.red(), colour.green(), colour.blue()});
    for (int y = 0; y < 2; ++y)
        png_write_row(png, reinterpret_cast<png_bytep>(row.data()));
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    std::fclose(out);
    return path;
}

} // namespace

// What ImageMagick writes for 16-bit files (gAMA 1/2.2 and cHRM of sRGB's own primaries)
// is sRGB, as libpng itself counts it; other chunks describe the colour space they name.
TEST_F(PhotoLoader, PngColourChunksDecideTheColourSpace)
{
    const QRgba64 dark = qRgba64(30 * 257, 30 * 257, 30 * 257, 0xFFFF);
    const QRgba64 orange = qRgba64(50000, 30000, 10000, 0xFFFF);
    const std::vector<png_fixed_point> srgb = {31270, 32900, 64000, 33000, 30000, 60000, 15000, 6000};
    const std::vector<png_fixed_point> edge = {31370, 32800, 63900, 33100, 30100, 59900, 14900, 6100};
    const std::vector<png_fixed_point> beyond = {31270, 32900, 64101, 33000, 30000, 60000, 15000, 6000};
    const std::vector<png_fixed_point> p3 = {31270, 32900, 68000, 32000, 26500, 69000, 15000, 6000};
    // A pure 2.2 curve, with sRGB's primaries or Display P3's, brought to sRGB.
    const auto curve = [](const QColorSpace &space, QRgba64 colour) {
        return space.transformationToColorSpace(QColorSpace(QColorSpace::SRgb)).map(colour).toArgb32();
    };
    const QColorSpace srgbGamma(QColorSpace::Primaries::SRgb, 2.2f);
    const QColorSpace p3Gamma(QColorSpace::Primaries::DciP3D65, 2.2f);
    const struct {
        const char *what;
        PngTags tags;
        QRgba64 colour;
        QRgb expected;
    } cases[] = {
        {"sRGB chunk", {true, 45455, srgb}, dark, qRgb(30, 30, 30)},
        {"gAMA 1/2.2 with sRGB's cHRM", {false, 45455, srgb}, dark, qRgb(30, 30, 30)},
        {"cHRM within libpng's tolerance", {false, 45455, edge}, dark, qRgb(30, 30, 30)},
        {"gAMA near 1/2.2 alone", {false, 45000, {}}, dark, qRgb(30, 30, 30)},
        {"no colour chunk", {}, dark, qRgb(30, 30, 30)},
        {"cHRM just beyond the tolerance", {false, 45455, beyond}, dark, qRgb(24, 24, 24)},
        {"linear gAMA", {false, 100000, {}}, dark, qRgb(96, 96, 96)},
        {"gAMA 1/2.2 with Display P3's cHRM", {false, 45455, p3}, orange, curve(p3Gamma, orange)},
        {"gAMA 1/2.2 with sRGB's cHRM, in colour",
         {false, 45455, srgb},
         orange,
         curve(QColorSpace::SRgb, orange)},
    };
    ASSERT_GT(std::abs(qRed(curve(p3Gamma, orange)) - qRed(curve(srgbGamma, orange))), 10) << "P3 must tell";
    for (const auto &c : cases) {
        const LoadResult loaded = loadPhoto(writeTaggedPng16(path("tagged.png"), c.colour, c.tags));
        ASSERT_TRUE(loaded.ok()) << loaded.error.toStdString();
        SCOPED_TRACE(c.what);
        expectNear(loaded.image.pixel(1, 1), c.expected, 1);
    }
}

namespace {

// What the read hook does to the file, and when.
struct FileChange {
    PhotoReadStage stage = PhotoReadStage::Opened;
    qint64 keep = 0;        // bytes kept when the file is cut
    QByteArray replacement; // written after the cut
};
FileChange g_change;

void changeTheFile(const QString &path, PhotoReadStage stage)
{
    if (stage != g_change.stage)
        return;
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.resize(g_change.keep));
    file.seek(g_change.keep);
    file.write(g_change.replacement);
}

} // namespace

// The file is read once, into memory of the loader's own: emptied once opened, it is
// empty; cut before it is read, it is damaged; cut or rewritten once read, the probes and
// the decoder never see the change.
TEST_F(PhotoLoader, AFileThatChangesWhileItLoadsIsDamagedOrLoadsAsItWas)
{
    const QImage original = noisyImage(120, 80);
    const QByteArray other = encodedImage(noisyImage(30, 20), "JPEG");
    using Stage = PhotoReadStage;
    const struct {
        const char *name;
        FileChange change;
        const char *refusal; // null: it loads as it was
    } cases[] = {
        {"emptied-when-opened.jpg", {Stage::Checked, 0, {}}, "empty"},
        {"cut-before.jpg", {Stage::Opened, 600, {}}, "damaged or incomplete"},
        {"emptied-before.png", {Stage::Opened, 0, {}}, "damaged or incomplete"},
        {"cut-after.jpg", {Stage::Read, 100, {}}, nullptr},
        {"emptied-after.png", {Stage::Read, 0, {}}, nullptr},
        {"rewritten-after.jpg", {Stage::Read, 0, other}, nullptr},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const QString file = save(c.name, original);
        const QImage whole = loadPhoto(file).image;
        ASSERT_FALSE(whole.isNull());
        g_change = c.change;
        setPhotoReadHook(changeTheFile);
        const LoadResult changed = loadPhoto(file);
        setPhotoReadHook(nullptr);
        if (!c.refusal)
            EXPECT_EQ(changed.image, whole) << changed.error.toStdString();
        else
            expectRefused(changed, c.name, c.refusal);
    }
}

// Another process cutting and rewriting a progressive JPEG over and over while it loads
// (the scan counter once read a mapping of the file and died of SIGBUS when it shrank):
// every load gives the whole picture or a refusal, never a signal.
TEST_F(PhotoLoader, AFileRewrittenUnderfootNeverCrashesTheLoader)
{
    QByteArray progressive;
    QBuffer buffer(&progressive);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setProgressiveScanWrite(true);
    ASSERT_TRUE(writer.write(noisyImage(600, 400)));
    const QString file = write("rewritten.jpg", progressive);
    std::atomic<bool> done{false};
    std::thread rewriter([&] {
        for (int round = 0; !done.load(); ++round) {
            QFile out(file);
            if (!out.open(QIODevice::ReadWrite))
                continue;
            out.resize(qint64(round * 7919) % progressive.size()); // cut somewhere
            out.seek(out.size());
            out.write(progressive.mid(out.size())); // and written whole again
        }
    });
    for (int i = 0; i < 150; ++i) {
        const LoadResult loaded = loadPhoto(file);
        if (loaded.ok()) {
            EXPECT_EQ(loaded.image.size(), QSize(600, 400));
        } else {
            EXPECT_TRUE(loaded.error.contains("damaged or incomplete") || loaded.error.contains("empty"))
                << loaded.error.toStdString();
        }
    }
    done = true;
    rewriter.join();
}
