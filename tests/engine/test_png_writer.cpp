#include "encode/PngWriter.h"
#include "imaging/Parallel.h"

#include "TestImages.h"

#include <QColorSpace>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <png.h>
#include <unistd.h>

#include <functional>

namespace {

// Smooth content, the kind a filter and deflate shrink, with a soft alpha ramp.
QImage rampImage(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qPremultiply(qRgba(x % 256, y % 256, (x + y) % 256, (x * 7 + y) % 256)));
    return image;
}

// The file decoded by libpng into straight RGBA, or a null image.
QImage decodeWithLibpng(const QString &path)
{
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&png, QFile::encodeName(path).constData()))
        return {};
    png.format = PNG_FORMAT_BGRA; // the byte order of QImage's ARGB32 on little-endian
    QImage image(int(png.width), int(png.height), QImage::Format_ARGB32);
    if (!png_image_finish_read(&png, nullptr, image.bits(), int(image.bytesPerLine()), nullptr))
        return {};
    return image;
}

struct RoundTrip {
    const char *name;
    std::function<QImage()> picture;
    int threads; // 0: one per core
};

} // namespace

TEST(PngWriter, EveryPictureReadsBackBitExactlyWithLibpngQtAndPngcheck)
{
    const RoundTrip cases[] = {
        {"translucent noise, odd width", [] { return noiseImage(37, 23, 1); }, 0},
        {"opaque noise", [] { return noiseImage(64, 9, 2, true); }, 0},
        {"one opaque pixel", [] { return noiseImage(1, 1, 3, true); }, 0},
        {"one clear pixel", [] { return solidImage(1, 1, 0); }, 0},
        {"20000 x 1 strip", [] { return rampImage(20000, 1); }, 0},
        {"1 x 3000 column", [] { return rampImage(1, 3000); }, 3},
        {"many bands, four workers", [] { return rampImage(1531, 2100); }, 4},
        {"many bands of noise, one worker", [] { return noiseImage(1201, 1900, 4); }, 1},
        {"straight alpha source", [] { return rampImage(33, 17).convertToFormat(QImage::Format_ARGB32); }, 0},
        {"24-bit source", [] { return noiseImage(31, 7, 5, true).convertToFormat(QImage::Format_RGB888); },
         0},
        {"grey source", [] { return rampImage(19, 5).convertToFormat(QImage::Format_Grayscale8); }, 0},
    };
    QTemporaryDir dir;
    const QString pngcheck = QStandardPaths::findExecutable("pngcheck");
    ASSERT_FALSE(pngcheck.isEmpty()) << "pngcheck is missing (scripts/packages.txt installs it)";
    for (const RoundTrip &c : cases) {
        SCOPED_TRACE(c.name);
        setImagingThreadCount(c.threads);
        const QImage picture = c.picture();
        const QString path = dir.filePath(QStringLiteral("%1.png").arg(c.name));
        const WriteResult written = writePng(picture, path);
        setImagingThreadCount(0);
        ASSERT_TRUE(written.ok) << written.error.toStdString();

        // Straight pixels as both decoders see them; premultiplied again they give back
        // the picture's own pixels.
        const QImage decoded = decodeWithLibpng(path);
        const QImage byQt(path);
        EXPECT_EQ(byQt.colorSpace(), QColorSpace(QColorSpace::SRgb));
        EXPECT_EQ(untagged(byQt).convertToFormat(QImage::Format_ARGB32), decoded);
        if (picture.format() == QImage::Format_ARGB32_Premultiplied)
            EXPECT_EQ(decoded.convertToFormat(picture.format()), picture);
        else
            EXPECT_EQ(decoded, picture.convertToFormat(QImage::Format_ARGB32));
        QProcess check;
        check.start(pngcheck, {QStringLiteral("-q"), path});
        ASSERT_TRUE(check.waitForFinished());
        EXPECT_EQ(check.exitCode(), 0) << check.readAllStandardOutput().toStdString();
    }
}

TEST(PngWriter, PremultipliedSoftEdgesComeBackUnchangedWithoutDarkFringes)
{
    // Every alpha with a bright colour: a writer that forgot to unpremultiply would
    // store darker colours; one that rounds wrongly would not read back to the same
    // premultiplied pixels.
    QImage edges(256, 1, QImage::Format_ARGB32_Premultiplied);
    for (int alpha = 0; alpha < 256; ++alpha)
        edges.setPixel(alpha, 0, qPremultiply(qRgba(250, 128, 3, alpha)));
    QTemporaryDir dir;
    ASSERT_TRUE(writePng(edges, dir.filePath("edges.png")).ok);
    const QImage straight = decodeWithLibpng(dir.filePath("edges.png"));
    ASSERT_FALSE(straight.isNull());
    for (int alpha = 16; alpha < 256; ++alpha) {
        // 8-bit premultiplied storage keeps the colour to within 255 / alpha.
        const int slack = 255 / alpha + 1;
        EXPECT_NEAR(qRed(straight.pixel(alpha, 0)), 250, slack) << "alpha " << alpha;
        EXPECT_NEAR(qGreen(straight.pixel(alpha, 0)), 128, slack) << "alpha " << alpha;
        EXPECT_EQ(qAlpha(straight.pixel(alpha, 0)), alpha);
    }
    EXPECT_EQ(
        untagged(QImage(dir.filePath("edges.png"))).convertToFormat(QImage::Format_ARGB32_Premultiplied),
        edges);
}

TEST(PngWriter, EachFailureSaysWhyAndLeavesNoFile)
{
    QTemporaryDir dir;
    QFile plain(dir.filePath("plain"));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    const struct {
        QString path;
        const char *reason;
    } cases[] = {
        {dir.filePath("missing/mix.png"), "does not exist"},
        {dir.filePath("plain/mix.png"), "is a file, not a folder"},
    };
    for (const auto &c : cases) {
        const WriteResult result = writePng(rampImage(8, 8), c.path);
        EXPECT_FALSE(result.ok);
        EXPECT_TRUE(result.error.contains(c.reason)) << result.error.toStdString();
        EXPECT_TRUE(result.error.contains(QDir::toNativeSeparators(c.path))) << result.error.toStdString();
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{"plain"});

    QFile full(QStringLiteral("/dev/full"));
    ASSERT_TRUE(full.open(QIODevice::WriteOnly));
    const WriteResult noSpace =
        writePngTo(noiseImage(300, 300, 6), full, QStringLiteral("/media/card/mix.png"));
    EXPECT_FALSE(noSpace.ok);
    EXPECT_EQ(noSpace.error,
              QStringLiteral("\u201C/media/card/mix.png\u201D could not be written: the disk is full."));
}

TEST(PngWriter, AFolderWithoutWritePermissionIsNamedAsSuch)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root writes into any folder";
    QTemporaryDir dir;
    const QString locked = dir.filePath("locked");
    ASSERT_TRUE(QDir().mkdir(locked));
    QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const WriteResult result = writePng(rampImage(4, 4), locked + "/mix.png");
    QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.error.contains("permission")) << result.error.toStdString();
}

TEST(PngWriter, WritesAPngThatReadsBackIdentically)
{
    QTemporaryDir dir;
    const QImage picture = gradientImage(33, 17);
    const QString path = dir.filePath("mix.png");
    const WriteResult result = writePng(picture, path);
    ASSERT_TRUE(result.ok) << result.error.toStdString();
    EXPECT_TRUE(result.error.isEmpty());
    const QImage back = untagged(QImage(path));
    EXPECT_EQ(back.convertToFormat(picture.format()), picture);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"mix.png"});
}

namespace {

// Byte 25 of a PNG file is the colour type of its header: 2 RGB, 6 RGB with alpha.
int pngColourType(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? int(quint8(file.readAll().at(25))) : -1;
}

} // namespace

TEST(PngWriter, OpaquePicturesDropTheAlphaChannelTranslucentOnesKeepIt)
{
    QTemporaryDir dir;
    const QImage opaque = gradientImage(20, 10);
    ASSERT_TRUE(writePng(opaque, dir.filePath("opaque.png")).ok);
    EXPECT_EQ(pngColourType(dir.filePath("opaque.png")), 2);
    EXPECT_EQ(untagged(QImage(dir.filePath("opaque.png"))).convertToFormat(opaque.format()), opaque);

    QImage translucent = opaque;
    translucent.setPixel(3, 4, qPremultiply(qRgba(200, 100, 50, 128)));
    translucent.setPixel(5, 6, 0);
    ASSERT_TRUE(writePng(translucent, dir.filePath("translucent.png")).ok);
    EXPECT_EQ(pngColourType(dir.filePath("translucent.png")), 6);
    const QImage back = QImage(dir.filePath("translucent.png")).convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(qAlpha(back.pixel(3, 4)), 128);
    EXPECT_EQ(back.pixel(5, 6), 0u);
    EXPECT_EQ(back.pixel(0, 0), opaque.pixel(0, 0));
}

TEST(PngWriter, FailuresNameTheFileAndLeaveNothingBehind)
{
    QTemporaryDir dir;
    const QString missingFolder = dir.filePath("nowhere/mix.png");
    const WriteResult noFolder = writePng(gradientImage(4, 4), missingFolder);
    EXPECT_FALSE(noFolder.ok);
    EXPECT_TRUE(noFolder.error.contains("mix.png")) << noFolder.error.toStdString();
    EXPECT_TRUE(noFolder.error.contains("does not exist")) << noFolder.error.toStdString();

    const WriteResult noPicture = writePng(QImage(), dir.filePath("empty.png"));
    EXPECT_FALSE(noPicture.ok);
    EXPECT_TRUE(noPicture.error.contains("no picture")) << noPicture.error.toStdString();

    ASSERT_TRUE(QDir(dir.path()).mkdir("taken.png"));
    const WriteResult folderInTheWay = writePng(gradientImage(4, 4), dir.filePath("taken.png"));
    EXPECT_FALSE(folderInTheWay.ok);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
}
