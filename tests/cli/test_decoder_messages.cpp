// quillane-mix promises one line on standard error per failure. Decoder libraries have
// lines of their own (libpng's "libpng error: ...", libtiff's "TIFFFetchDirectory: ...",
// libjxl's "JXL_FAILURE: ..."): each error path of each decoder, run as a process, must
// leave exactly the renderer's own line.
#include "MixProcess.h"

#include "../engine/CmykProfile.h"
#include "../engine/PhotoBytes.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray cut(const QByteArray &bytes)
{
    return bytes.left(bytes.size() * 6 / 10);
}

QImage picture()
{
    QImage image(96, 64, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(x * 2, y * 3, (x * y) % 256));
    return image;
}

// A PNG whose IHDR declares a width of 0 under a valid CRC: libpng's "Invalid IHDR data".
QByteArray pngOfWidthZero()
{
    QByteArray ihdr = QByteArray(4, '\0') + bigEndian32(64) + QByteArray("\x08\x02\0\0\0", 5);
    const QByteArray png = encodedImage(picture(), "PNG");
    return png.left(8) + pngChunk("IHDR", ihdr) + png.mid(8 + 25);
}

// A PNG whose IHDR fails its CRC: libpng's "IHDR: CRC error".
QByteArray pngOfBadCrc()
{
    QByteArray png = encodedImage(picture(), "PNG");
    png[8 + 4 + 4 + 12] = char(~png[8 + 4 + 4 + 12]);
    return png;
}

// A JPEG XL file whose colour primaries are out of range: libjxl's "JXL_FAILURE: Value
// 66 too large for Primaries" (one byte of a file in the fuzzing corpus changed).
QByteArray jxlOfBadPrimaries()
{
    QByteArray jxl = contents(QStringLiteral(QUILLANE_SOURCE_DIR "/fuzz/corpus/jxl/lossy.jxl"));
    if (jxl.size() > 5)
        jxl[5] = char(0xC3);
    return jxl;
}

} // namespace

TEST(DecoderMessages, EveryDecoderRefusalIsTheRenderersOneLine)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString source = QStringLiteral(QUILLANE_SOURCE_DIR);
    const QByteArray cmykJpeg = withIccProfile(contents(source + "/tests/data/cmyk_red.jpg"), pressProfile());
    const struct {
        const char *name;
        QByteArray bytes;
    } photos[] = {
        {"width-zero.png", pngOfWidthZero()},
        {"bad-crc.png", pngOfBadCrc()},
        {"cut.png", cut(encodedImage(picture(), "PNG"))},
        {"cut.tif", cut(encodedImage(picture(), "TIFF"))},
        {"cut.jpg", cut(encodedImage(picture(), "JPEG"))},
        {"cut-cmyk-profile.jpg", cmykJpeg.chopped(10)}, // in its scan, after the profile
        {"cut.webp", cut(encodedImage(picture(), "WEBP"))},
        {"bad-primaries.jxl", jxlOfBadPrimaries()},
        {"cut.heic", cut(contents(source + "/fuzz/corpus/heif/plain.heic"))},
        {"cut.dng", cut(contents(source + "/tests/data/formats/turned_right.dng"))},
    };
    const QDir folder(dir.path());
    for (const auto &photo : photos) {
        SCOPED_TRACE(photo.name);
        ASSERT_GT(photo.bytes.size(), 20) << "the test's input is missing";
        QFile file(folder.filePath(QLatin1String(photo.name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(photo.bytes);
        file.close();
        QFile project(folder.filePath("p.json"));
        ASSERT_TRUE(project.open(QIODevice::WriteOnly));
        project.write(QByteArray(R"({"mode": "composite", "photos": [{"file": ")") + photo.name + R"("}]})");
        project.close();
        const MixRun result = runMix(dir.path(), {"-o", folder.filePath("out.png"), project.fileName()});
        EXPECT_EQ(result.status, 1) << result.err.toStdString();
        EXPECT_EQ(result.err.count(QLatin1Char('\n')), 1) << result.err.toStdString();
        EXPECT_TRUE(result.err.startsWith("quillane-mix: ") &&
                    result.err.contains(QLatin1String(photo.name)) &&
                    result.err.contains("damaged or incomplete"))
            << result.err.toStdString();
    }
}
