// The probes that read a photo's own bytes beside the decoders: JPEG segments, the EXIF
// blocks of PNG and WebP files, the first TIFF directory, and libpng's sRGB tolerance.
// Each is given damaged bytes too: it must find nothing rather than read past them.
#include "PhotoBytes.h"

#include "imaging/HeaderProbe.h"
#include "imaging/TiffDirectory.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {

QImage smallPicture()
{
    QImage image(8, 6, QImage::Format_RGB32);
    image.fill(qRgb(40, 90, 200));
    return image;
}

} // namespace

TEST(TiffDirectory, OrientationIsReadWithoutTrustingAnyOffset)
{
    const QByteArray big = exifBlock(6), little = exifBlock(8, true);
    QByteArray countPastEnd = big;
    countPastEnd[9] = char(200); // 200 entries in a block of one
    QByteArray directoryPastEnd = little;
    directoryPastEnd[4] = char(0xF0);
    const struct {
        const char *what;
        QByteArray bytes;
        int orientation; // exifOrientation
        int tag;         // tiffOrientationTag
    } cases[] = {
        {"big-endian", big, 6, 6},
        {"little-endian", little, 8, 8},
        {"after a JPEG's Exif prefix", QByteArray("Exif\0\0", 6) + big, 6, -1},
        {"orientation 0 (unknown)", exifBlock(0), 1, 0},
        {"orientation 9", exifBlock(9, true), 1, 9},
        {"an entry count past the end", countPastEnd, 1, -1},
        {"a directory past the end", directoryPastEnd, 1, -1},
        {"cut inside its entry", big.left(14), 1, -1},
        {"no TIFF", QByteArray("PK\3\4 not a tiff"), 1, -1},
        {"nothing", QByteArray(), 1, -1},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(exifOrientation(c.bytes), c.orientation);
        EXPECT_EQ(tiffOrientationTag(c.bytes), c.tag);
    }
    EXPECT_EQ(firstTiffDirectory(little).size(), 1u);
    EXPECT_EQ(firstTiffDirectory(little).at(274), 8u);
}

TEST(HeaderProbe, JpegSegmentsTellComponentsProfileAndExif)
{
    const QByteArray jpeg = encodedImage(smallPicture(), "JPEG");
    const QByteArray icc = QByteArray("a profile of ") + QByteArray(300, 'x');
    const auto piece = [&](int number, int count, const QByteArray &part) {
        return QByteArray("ICC_PROFILE\0", 12) + char(number) + char(count) + part;
    };
    // Pieces come in any order; a profile missing one is no profile.
    const QByteArray twoPieces = withJpegSegment(withJpegSegment(jpeg, 0xE2, piece(1, 2, icc.left(100))),
                                                 0xE2, piece(2, 2, icc.mid(100)));
    const QByteArray missingPiece = withJpegSegment(jpeg, 0xE2, piece(2, 2, icc.mid(100)));
    const QByteArray adobe = withJpegSegment(jpeg, 0xEE, QByteArray("Adobe\0\x64\0\0\0\0\x01", 12));
    const QByteArray exif = withExifOrientation(jpeg, 3);
    const QByteArray pastEnd = jpeg.left(2) + QByteArray("\xFF\xE2\xFF\xF0ICC_PROFILE\0\x01\x01", 18);
    const struct {
        const char *what;
        QByteArray bytes;
        int components;
        bool adobe;
        QByteArray icc;
        int orientation;
    } cases[] = {
        {"a plain JPEG", jpeg, 3, false, {}, 1},
        {"a profile in two pieces", twoPieces, 3, false, icc, 1},
        {"a piece missing", missingPiece, 3, false, {}, 1},
        {"an Adobe segment", adobe, 3, true, {}, 1},
        {"EXIF", exif, 3, false, {}, 3},
        {"a segment longer than the file", pastEnd, 0, false, {}, 1},
        {"no JPEG", QByteArray("GIF89a"), 0, false, {}, 1},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        const JpegFacts facts = probeJpeg(c.bytes);
        EXPECT_EQ(facts.components, c.components);
        EXPECT_EQ(facts.adobe, c.adobe);
        EXPECT_EQ(facts.icc, c.icc);
        EXPECT_EQ(exifOrientation(facts.exif), c.orientation);
    }
}

TEST(HeaderProbe, PngAndWebpExifIsFoundWhereverItStands)
{
    const QByteArray png = encodedImage(smallPicture(), "PNG");
    const QByteArray webp = encodedImage(smallPicture(), "WEBP", 100);
    const QByteArray block = exifBlock(6);
    QByteArray lengthPastEnd = withPngChunk(png, "eXIf", block);
    lengthPastEnd[33 + 2] = char(0x7F); // the eXIf chunk claims megabytes
    const QByteArray paddedWebp =
        webpWithExif(webp, smallPicture().size(), block + 'x'); // a pad byte follows
    using Probe = QByteArrayView (*)(QByteArrayView);
    const struct {
        const char *what;
        Probe probe;
        QByteArray bytes;
        QByteArray expected;
    } cases[] = {
        {"PNG, before the image data", pngExif, withPngChunk(png, "eXIf", block), block},
        {"PNG, after the image data", pngExif, withPngChunk(png, "eXIf", block, true), block},
        {"PNG without one", pngExif, png, {}},
        {"PNG, a length past the end", pngExif, lengthPastEnd, {}},
        {"WebP", webpExif, webpWithExif(webp, smallPicture().size(), block), block},
        {"WebP, an odd length", webpExif, paddedWebp, block + 'x'},
        {"WebP, cut before the end", webpExif, paddedWebp.left(paddedWebp.size() - 4), {}},
        {"WebP without one", webpExif, webp, {}},
        {"no WebP", webpExif, png, {}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(c.probe(c.bytes).toByteArray(), c.expected) << c.what;
}

// libpng's own tolerance: each chromaticity within 0.001 of sRGB's.
TEST(HeaderProbe, PngChromaticitiesCountAsSrgbWithinLibpngsTolerance)
{
    const std::array<qint32, 8> srgb = {31270, 32900, 64000, 33000, 30000, 60000, 15000, 6000};
    EXPECT_TRUE(pngChromaticitiesAreSrgb(srgb));
    for (size_t i = 0; i < srgb.size(); ++i)
        for (const auto &[offset, counts] :
             {std::pair{100, true}, {-100, true}, {101, false}, {-101, false}}) {
            std::array<qint32, 8> near = srgb;
            near[i] += offset;
            EXPECT_EQ(pngChromaticitiesAreSrgb(near), counts) << "value " << i << " moved by " << offset;
        }
}
