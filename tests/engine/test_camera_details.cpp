// The camera details a saved picture may keep: read from the background photo, written
// into every format, read back with Exiv2; never a location, never the orientation.
#include "encode/CameraDetails.h"
#include "encode/PictureWriter.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <exiv2/exiv2.hpp>
#include <gtest/gtest.h>

namespace {

// What the photo's camera wrote and the picture must keep.
const std::map<std::string, std::string> kCameraFields = {
    {"Exif.Image.Make", "Quillcam"},
    {"Exif.Image.Model", "Q-1 Mark II"},
    {"Exif.Photo.LensModel", "Q 35mm F2"},
    {"Exif.Photo.ExposureTime", "1/250"},
    {"Exif.Photo.FNumber", "28/10"},
    {"Exif.Photo.ISOSpeedRatings", "200"},
    {"Exif.Photo.DateTimeOriginal", "2025:06:01 10:20:30"},
};

// And what it must never carry: the place, the turn, the body's serial number.
const std::map<std::string, std::string> kDroppedFields = {
    {"Exif.GPSInfo.GPSLatitudeRef", "N"},  {"Exif.GPSInfo.GPSLatitude", "48/1 51/1 24/1"},
    {"Exif.GPSInfo.GPSLongitudeRef", "E"}, {"Exif.GPSInfo.GPSLongitude", "2/1 21/1 3/1"},
    {"Exif.Image.Orientation", "6"},       {"Exif.Photo.BodySerialNumber", "0012345"},
};

std::string nativePath(const QString &path)
{
    return QFile::encodeName(path).toStdString();
}

QString writePhotoWithExif(const QTemporaryDir &folder)
{
    const QString path = folder.filePath("camera.jpg");
    QImage photo(32, 24, QImage::Format_RGB32);
    photo.fill(Qt::darkGreen);
    EXPECT_TRUE(photo.save(path, "JPEG"));
    auto image = Exiv2::ImageFactory::open(nativePath(path));
    image->readMetadata();
    for (const auto &fields : {kCameraFields, kDroppedFields})
        for (const auto &[key, value] : fields)
            image->exifData()[key] = value;
    image->writeMetadata();
    return path;
}

Exiv2::ExifData exifOf(const QString &path)
{
    auto image = Exiv2::ImageFactory::open(nativePath(path));
    image->readMetadata();
    return image->exifData();
}

QImage picture()
{
    QImage image(40, 30, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(x * 6, y * 8, 120));
    return image;
}

class CameraDetailsTest : public ::testing::TestWithParam<const char *> {};

// Each format keeps the camera fields and none of the others, and its pixels stay as
// written.
TEST_P(CameraDetailsTest, KeptInEveryFormatWithoutLocationOrOrientation)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    PictureOptions options;
    options.cameraDetails = cameraDetailsOf(writePhotoWithExif(folder));
    ASSERT_FALSE(options.cameraDetails.isEmpty());
    const QString path = folder.filePath(QStringLiteral("mix.") + QLatin1String(GetParam()));
    const WriteResult written = writePicture(picture(), path, options);
    ASSERT_TRUE(written.ok) << written.error.toStdString();

    const Exiv2::ExifData exif = exifOf(path);
    for (const auto &[key, value] : kCameraFields) {
        const auto found = exif.findKey(Exiv2::ExifKey(key));
        ASSERT_NE(found, exif.end()) << key;
        EXPECT_EQ(found->toString(), value) << key;
    }
    for (const Exiv2::Exifdatum &datum : exif) {
        EXPECT_NE(datum.groupName(), "GPSInfo") << datum.key();
        // A TIFF's own orientation tag says "as stored"; the photo's turn is not kept.
        const auto dropped = kDroppedFields.find(datum.key());
        if (dropped != kDroppedFields.end()) {
            EXPECT_NE(datum.toString(), dropped->second) << datum.key();
        }
    }
    const QImage back(path);
    ASSERT_EQ(back.size(), QSize(40, 30));
    if (QByteArray(GetParam()) == "png" || QByteArray(GetParam()) == "tif") {
        for (int y = 0; y < back.height(); ++y)
            for (int x = 0; x < back.width(); ++x)
                ASSERT_EQ(back.pixel(x, y), picture().pixel(x, y)) << x << "," << y;
    }
}

INSTANTIATE_TEST_SUITE_P(Formats, CameraDetailsTest, ::testing::Values("png", "jpg", "webp", "tif"));

// Without the choice, and from a photo without EXIF, a picture carries none.
TEST(CameraDetails, NoneUnlessAskedAndPresent)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString bare = folder.filePath("bare.png");
    ASSERT_TRUE(picture().save(bare));
    EXPECT_TRUE(cameraDetailsOf(bare).isEmpty());
    EXPECT_TRUE(cameraDetailsOf(folder.filePath("missing.jpg")).isEmpty());
    writePhotoWithExif(folder);
    const QString plain = folder.filePath("plain.jpg");
    ASSERT_TRUE(writePicture(picture(), plain).ok);
    EXPECT_TRUE(exifOf(plain).empty());
}

} // namespace
