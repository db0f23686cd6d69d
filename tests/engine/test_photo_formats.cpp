// The photo formats beyond Qt's readers: HEIF (HEVC and AV1), JPEG XL, camera raw, and
// WebP through Qt. Inputs are made here with the libraries' encoders (the camera raw
// file with scripts/make-dng.py), so their content is known exactly.
#include "PhotoEncoders.h"

#include "imaging/HeifDecoder.h"
#include "imaging/ImageConversion.h"
#include "imaging/JxlDecoder.h"
#include "imaging/PhotoFormats.h"
#include "imaging/PhotoLoader.h"
#include "imaging/RawDecoder.h"

#include <QBuffer>
#include <QFile>
#include <QImageWriter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTransform>

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>

namespace {

// Four quadrants, top-left coordinates: red, green / blue, white.
QImage quadrants()
{
    QImage image(64, 48, QImage::Format_RGB32);
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 64; ++x)
            image.setPixel(x, y,
                           y < 24 ? (x < 32 ? qRgb(220, 30, 30) : qRgb(30, 200, 40))
                                  : (x < 32 ? qRgb(30, 40, 210) : qRgb(240, 240, 240)));
    return image;
}

// The upright picture of stored pixels with an EXIF-numbered orientation.
QImage upright(const QImage &stored, int orientation)
{
    switch (orientation) {
    case 2:
        return stored.mirrored(true, false);
    case 3:
        return stored.transformed(QTransform().rotate(180));
    case 6:
        return stored.transformed(QTransform().rotate(90));
    case 8:
        return stored.transformed(QTransform().rotate(270));
    default:
        return stored;
    }
}

int channelDifference(QRgb a, QRgb b)
{
    return std::max(
        {std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
}

// The largest difference at the centres of the four quadrants (away from edges, where
// lossy formats blur): each orientation puts a different colour in each.
int quadrantDifference(const QImage &loaded, const QImage &expected)
{
    int worst = 0;
    for (const QPointF at :
         {QPointF(0.25, 0.25), QPointF(0.75, 0.25), QPointF(0.25, 0.75), QPointF(0.75, 0.75)}) {
        const QPoint pixel(int(at.x() * loaded.width()), int(at.y() * loaded.height()));
        worst = std::max(worst, channelDifference(loaded.pixel(pixel), expected.pixel(pixel)));
    }
    return worst;
}

class PhotoFormats : public ::testing::Test {
  protected:
    QTemporaryDir dir;

    QString write(const QString &name, const QByteArray &bytes)
    {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    }

    static QByteArray read(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

struct FormatCase {
    const char *name;
    std::function<QByteArray()> encode;
    int orientation;
    int tolerance;
};

QByteArray webp(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "webp");
    writer.setQuality(100);
    writer.write(image);
    return bytes;
}

TEST_F(PhotoFormats, EachFormatLoadsUprightWithItsColours)
{
    const QImage stored = quadrants();
    const std::vector<FormatCase> cases = {
        {"upright.heic", [&] { return encodeHeif(stored, {}); }, 1, 8},
        {"turned-right.heic",
         [&] { return encodeHeif(stored, heifRecipe(heif_compression_HEVC, heif_orientation_rotate_90_cw)); },
         6, 8},
        {"mirrored.heif",
         [&] {
             return encodeHeif(stored, heifRecipe(heif_compression_HEVC, heif_orientation_flip_horizontally));
         },
         2, 8},
        {"turned-around.avif",
         [&] { return encodeHeif(stored, heifRecipe(heif_compression_AV1, heif_orientation_rotate_180)); }, 3,
         12},
        {"turned-left.jxl", [&] { return encodeJxl(stored, 8, false, true); }, 8, 0},
        {"lossy.jxl", [&] { return encodeJxl(stored, 1, false, false); }, 1, 8},
        {"deep-turned-right.jxl", [&] { return encodeJxl(stored, 6, true, true); }, 6, 0},
        {"lossless.webp", [&] { return webp(stored); }, 1, 0},
    };
    for (const FormatCase &format : cases) {
        SCOPED_TRACE(format.name);
        const QByteArray bytes = format.encode();
        ASSERT_FALSE(bytes.isEmpty()) << "the test's encoder failed";
        const QString path = write(QString::fromLatin1(format.name), bytes);
        const LoadResult loaded = loadPhoto(path);
        ASSERT_TRUE(loaded.ok()) << qPrintable(loaded.error);
        EXPECT_EQ(loaded.image.format(), kCanonicalFormat);
        const QImage expected = upright(stored, format.orientation);
        ASSERT_EQ(loaded.image.size(), expected.size());
        EXPECT_EQ(probePhotoSize(path), expected.size()); // what the memory budget is told
        EXPECT_LE(quadrantDifference(loaded.image, expected), format.tolerance);
    }
}

TEST_F(PhotoFormats, CameraRawLoadsDevelopedAndUpright)
{
    // scripts/make-dng.py 64 x 48, orientation 6: the left half red, the right half blue,
    // the top quarter white, in linear sRGB; shown turned right, 48 x 64.
    const QString path = QStringLiteral(QUILLANE_SOURCE_DIR "/tests/data/formats/turned_right.dng");
    const LoadResult loaded = loadPhoto(path);
    ASSERT_TRUE(loaded.ok()) << qPrintable(loaded.error);
    ASSERT_EQ(loaded.image.size(), QSize(48, 64));
    EXPECT_EQ(probePhotoSize(path), QSize(48, 64));
    const auto dominant = [&](int x, int y) {
        const QRgb p = loaded.image.pixel(x, y);
        return QString(QLatin1Char(qRed(p) > 200 ? 'R' : '-')) + (qGreen(p) > 200 ? 'G' : '-') +
               (qBlue(p) > 200 ? 'B' : '-');
    };
    EXPECT_EQ(dominant(40, 8), "RGB");  // the top quarter, now on the right
    EXPECT_EQ(dominant(10, 8), "R--");  // the left half, now at the top
    EXPECT_EQ(dominant(10, 56), "--B"); // the right half, now at the bottom
}

TEST_F(PhotoFormats, ColourDescriptionsAreConvertedToSrgb)
{
    // A Display P3 colour, described by an ICC profile or by nclx primaries.
    QImage p3(32, 32, QImage::Format_RGB32);
    p3.fill(qRgb(200, 60, 40));
    const QRgb expected = QColorSpace(QColorSpace::DisplayP3)
                              .transformationToColorSpace(QColorSpace(QColorSpace::SRgb))
                              .map(qRgb(200, 60, 40));
    ASSERT_GT(channelDifference(expected, qRgb(200, 60, 40)), 10) << "the colour must change to tell";
    HeifRecipe icc;
    icc.icc = QColorSpace(QColorSpace::DisplayP3).iccProfile();
    HeifRecipe nclx;
    nclx.nclxPrimaries = 12;
    for (const auto &[name, recipe] : {std::pair{"icc.heic", icc}, std::pair{"nclx.heic", nclx}}) {
        SCOPED_TRACE(name);
        const LoadResult loaded = loadPhoto(write(QString::fromLatin1(name), encodeHeif(p3, recipe)));
        ASSERT_TRUE(loaded.ok()) << qPrintable(loaded.error);
        EXPECT_LE(channelDifference(loaded.image.pixel(16, 16), expected), 4);
    }
}

TEST_F(PhotoFormats, DeepSamplesKeepTheirPrecisionUntilConversion)
{
    // Steps of 1/4096: no 8-bit picture holds them.
    QImage deep(40, 8, QImage::Format_RGBX64);
    for (int x = 0; x < 40; ++x)
        for (int y = 0; y < 8; ++y)
            deep.setPixelColor(
                x, y, QColor::fromRgba64(quint16(0x4000 + 16 * x), quint16(0x8000 + 16 * y), 0x2345));
    const DecodedPicture jxl = decodeJxl(encodeJxl(deep, 1, true, true), 1'000'000);
    ASSERT_EQ(jxl.image.format(), QImage::Format_RGBA64) << qPrintable(jxl.reason);
    EXPECT_EQ(jxl.image.pixelColor(39, 7).rgba64(), deep.pixelColor(39, 7).rgba64());
    EXPECT_EQ(jxl.image.pixelColor(1, 0).rgba64(), deep.pixelColor(1, 0).rgba64());

    HeifRecipe tenBits;
    tenBits.bits = 10;
    const DecodedPicture heif = decodeHeif(encodeHeif(deep, tenBits), 1'000'000);
    ASSERT_EQ(heif.image.format(), QImage::Format_RGBA64) << qPrintable(heif.reason);
    // Widened from 10 to 16 bits: within a few 10-bit steps of the source, opaque.
    const QRgba64 decoded = heif.image.pixelColor(20, 4).rgba64();
    EXPECT_NEAR(decoded.red(), 0x4000 + 16 * 20, 4 * 64);
    EXPECT_EQ(decoded.alpha(), 0xFFFF);
}

TEST_F(PhotoFormats, DeclaredSizesAreCheckedBeforeDecodingAndDamageIsRefused)
{
    const QImage stored = quadrants();
    const std::vector<std::pair<QString, QByteArray>> files = {
        {"big.heic", encodeHeif(stored, {})},
        {"big.avif", encodeHeif(stored, heifRecipe(heif_compression_AV1))},
        {"big.jxl", encodeJxl(stored, 1, false, false)},
        {"big.dng", read(QStringLiteral(QUILLANE_SOURCE_DIR "/tests/data/formats/turned_right.dng"))},
    };
    for (const auto &[name, bytes] : files) {
        SCOPED_TRACE(qPrintable(name));
        ASSERT_FALSE(bytes.isEmpty());
        const LoadResult tooBig = loadPhoto(write(name, bytes), 64 * 48 - 1);
        EXPECT_TRUE(tooBig.image.isNull());
        EXPECT_TRUE(
            tooBig.error.contains(QStringLiteral("more than one photo may take: at most 3071 pixels")))
            << qPrintable(tooBig.error);
        EXPECT_TRUE(loadPhoto(write(name, bytes), 64 * 48).ok());
        const QString cut = QStringLiteral("cut-") + name;
        const LoadResult damaged = loadPhoto(write(cut, bytes.left(bytes.size() * 6 / 10)));
        EXPECT_TRUE(damaged.image.isNull());
        EXPECT_TRUE(damaged.error.startsWith(QStringLiteral("\u201C")) &&
                    damaged.error.endsWith(QStringLiteral("the picture data is damaged or incomplete.")))
            << qPrintable(damaged.error);
    }
}

TEST_F(PhotoFormats, RefusalNamesEveryFormatQuillaneReads)
{
    const LoadResult refused = loadPhoto(write("notes.heic", "shopping list: milk, eggs\n"));
    EXPECT_TRUE(refused.error.endsWith(
        QStringLiteral("it is not a picture in a format Quillane can read (%1).").arg(photoFormatNames())))
        << qPrintable(refused.error);
    for (const char *name : {"heic", "avif", "webp", "jpeg xl", "camera raw"})
        EXPECT_TRUE(photoFormatNames().contains(QLatin1String(name))) << name;
}

TEST(PhotoDecoderChoice, ContentDecidesAndTheSuffixTellsTiffBasedRawFiles)
{
    struct Case {
        QByteArray head;
        const char *suffix;
        PhotoDecoder decoder;
    };
    const QByteArray tiff("II*\0\x08\0\0\0", 8), bigTiff("MM\0*\0\0\0\x08", 8);
    const std::vector<Case> cases = {
        {QByteArray("\0\0\0\x18"
                    "ftypheic",
                    12),
         "jpg", PhotoDecoder::Heif},
        {QByteArray("\0\0\0\x1C"
                    "ftypavif",
                    12),
         "", PhotoDecoder::Heif},
        {QByteArray("\0\0\0\x18"
                    "ftypcrx ",
                    12),
         "cr3", PhotoDecoder::Raw},
        {QByteArray("\0\0\0\x18"
                    "ftypisom",
                    12),
         "heic", PhotoDecoder::Qt}, // a video: Qt refuses it
        {QByteArray("\xFF\x0A\xFA", 3), "png", PhotoDecoder::Jxl},
        {QByteArray("\0\0\0\x0CJXL \r\n\x87\n", 12), "", PhotoDecoder::Jxl},
        {QByteArray("FUJIFILMCCD-RAW "), "raf", PhotoDecoder::Raw},
        {QByteArray("IIRO\x08\0\0\0", 8), "orf", PhotoDecoder::Raw},
        {QByteArray("IIU\0\x08\0\0\0", 8), "rw2", PhotoDecoder::Raw},
        {tiff, "DNG", PhotoDecoder::Raw},
        {bigTiff, "nef", PhotoDecoder::Raw},
        {tiff, "tif", PhotoDecoder::Qt},
        {tiff, "", PhotoDecoder::Qt},
        {QByteArray("\x89PNG\r\n\x1A\n"), "dng", PhotoDecoder::Qt},
        {QByteArray("\xFF\xD8\xFF\xE0"), "jxl", PhotoDecoder::Qt},
    };
    for (const Case &c : cases)
        EXPECT_EQ(photoDecoderFor(c.head, QLatin1String(c.suffix)), c.decoder)
            << c.head.toHex().constData() << " ." << c.suffix;
}

TEST(PhotoFormatList, DesktopEntryDeclaresExactlyTheFormatsTheLoaderReads)
{
    QFile entry(QStringLiteral(QUILLANE_SOURCE_DIR "/resources/desktop/org.quillane.Quillane.desktop"));
    ASSERT_TRUE(entry.open(QIODevice::ReadOnly));
    const QRegularExpressionMatch line =
        QRegularExpression(QStringLiteral("^MimeType=(.*);$"), QRegularExpression::MultilineOption)
            .match(QString::fromUtf8(entry.readAll()));
    ASSERT_TRUE(line.hasMatch());
    QStringList declared = line.captured(1).split(QLatin1Char(';'));
    QStringList expected = photoMimeTypes() << QStringLiteral("application/x-quillane-project");
    declared.sort();
    expected.sort();
    EXPECT_EQ(declared, expected);
    // Every suffix is the loader's: none twice, all lower case.
    const QStringList suffixes = photoFileExtensions();
    EXPECT_EQ(QSet<QString>(suffixes.begin(), suffixes.end()).size(), suffixes.size());
    for (const char *suffix :
         {"heic", "avif", "jxl", "webp", "dng", "cr2", "cr3", "nef", "arw", "raf", "orf", "rw2"})
        EXPECT_TRUE(suffixes.contains(QLatin1String(suffix))) << suffix;
}

} // namespace

TEST(ChildDecode, FilesThatCrashOrFloodADecoderAreRefusedAndQuillaneGoesOn)
{
    // Found by fuzzing: a model name that overflows a buffer in LibRaw 0.20's parser (the
    // C library aborts), and a 700-byte HEIF whose coded picture had libheif use 8 GB for
    // minutes. Both decoders run in a child process held to the declared size's memory.
    const auto read = [](const char *path) {
        QFile file(QString::fromLatin1(QUILLANE_SOURCE_DIR) + QLatin1String(path));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    const QByteArray crash = read("/fuzz/corpus/raw/crashes_libraw_in_its_model_parser.dng");
    const QByteArray flood = read("/fuzz/corpus/heif/coded_picture_claims_gigabytes.heic");
    ASSERT_FALSE(crash.isEmpty() || flood.isEmpty());
    for (const DecodedPicture &decoded : {decodeRaw(crash, 1'000'000), decodeHeif(flood, 1'000'000)}) {
        EXPECT_TRUE(decoded.image.isNull());
        EXPECT_EQ(decoded.reason, damagedPicture().reason);
    }
    // and the next files decode as before, with their colour space
    const DecodedPicture raw = decodeRaw(read("/tests/data/formats/turned_right.dng"), 1'000'000);
    EXPECT_EQ(raw.image.size(), QSize(48, 64));
    EXPECT_EQ(raw.image.colorSpace(), QColorSpace(QColorSpace::SRgb));
    EXPECT_EQ(decodeHeif(encodeHeif(quadrants(), {}), 1'000'000).image.size(), QSize(64, 48));
}
