#include "output/engine/PngWriter.h"
#include "render/CaptureStep.h"
#include "render/RenderPass.h"

#include "TestImages.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimeZone>

namespace {

QDateTime localTime(int year, int month, int day, int hour, int minute, int second)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second));
}

PassResult passWith(const QImage &mixed)
{
    PassResult pass;
    pass.mixed = mixed;
    return pass;
}

} // namespace

TEST(CaptureStep, FileNameIsTheLocalDateAndTime)
{
    EXPECT_EQ(Capture_File_Name(localTime(2026, 3, 7, 14, 5, 9)), "2026-03-07-14-05-09.png");
    EXPECT_EQ(Capture_File_Name(localTime(2024, 12, 30, 23, 59, 58)), "2024-12-30-23-59-58.png");
    EXPECT_EQ(Capture_File_Name(localTime(2027, 1, 1, 0, 0, 0)), "2027-01-01-00-00-00.png");
    const QDateTime utc(QDate(2025, 6, 1), QTime(12, 0, 0), QTimeZone::utc());
    EXPECT_EQ(Capture_File_Name(utc), Capture_File_Name(utc.toLocalTime()));
}

TEST(CaptureStep, PathJoinsTheFolderWithExactlyOneSlash)
{
    EXPECT_EQ(Join_Path("/home/ann/Documents/Quillane", "a.png"), "/home/ann/Documents/Quillane/a.png");
    EXPECT_EQ(Join_Path("/home/ann/Documents/Quillane/", "a.png"), "/home/ann/Documents/Quillane/a.png");
    EXPECT_EQ(Join_Path("/home/ann/Documents/Quillane//", "a.png"), "/home/ann/Documents/Quillane/a.png");
    EXPECT_EQ(Join_Path("/", "a.png"), "/a.png");
    EXPECT_EQ(Join_Path("", "a.png"), "a.png");
}

TEST(CaptureStep, PendingCaptureStoresPathAndFullPictureThenClearsTheFlag)
{
    const QImage full = gradientImage(3000, 20);
    CaptureState state{true, QImage(), QString(), QStringLiteral("/out/"), QString()};
    Capture_Step(state, passWith(full), localTime(2026, 3, 7, 14, 5, 9));
    EXPECT_FALSE(state.b_Take_Picture);
    EXPECT_EQ(state.s_Saved_Take_Picture, "/out/2026-03-07-14-05-09.png");
    EXPECT_EQ(state.imageSave.size(), QSize(3000, 20));
    EXPECT_EQ(state.imageSave, full);
}

TEST(CaptureStep, WithoutARequestNothingIsStored)
{
    CaptureState state{false, QImage(), QStringLiteral("earlier.png"), QStringLiteral("/out"), QString()};
    Capture_Step(state, passWith(gradientImage(4, 4)), localTime(2026, 3, 7, 14, 5, 9));
    EXPECT_FALSE(state.b_Take_Picture);
    EXPECT_TRUE(state.imageSave.isNull());
    EXPECT_EQ(state.s_Saved_Take_Picture, "earlier.png");
}

TEST(PngWriter, WritesAPngThatReadsBackIdentically)
{
    QTemporaryDir dir;
    const QImage picture = gradientImage(33, 17);
    const QString path = dir.filePath("mix.png");
    const WriteResult result = Write_Png(picture, path);
    ASSERT_TRUE(result.ok) << result.error.toStdString();
    EXPECT_TRUE(result.error.isEmpty());
    const QImage back = untagged(QImage(path));
    EXPECT_EQ(back.convertToFormat(picture.format()), picture);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"mix.png"});
}

// Byte 25 of a PNG file is the colour type of its header: 2 RGB, 6 RGB with alpha.
int pngColourType(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? int(quint8(file.readAll().at(25))) : -1;
}

TEST(PngWriter, OpaquePicturesDropTheAlphaChannelTranslucentOnesKeepIt)
{
    QTemporaryDir dir;
    const QImage opaque = gradientImage(20, 10);
    ASSERT_TRUE(Write_Png(opaque, dir.filePath("opaque.png")).ok);
    EXPECT_EQ(pngColourType(dir.filePath("opaque.png")), 2);
    EXPECT_EQ(untagged(QImage(dir.filePath("opaque.png"))).convertToFormat(opaque.format()), opaque);

    QImage translucent = opaque;
    translucent.setPixel(3, 4, qPremultiply(qRgba(200, 100, 50, 128)));
    translucent.setPixel(5, 6, 0);
    ASSERT_TRUE(Write_Png(translucent, dir.filePath("translucent.png")).ok);
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
    const WriteResult noFolder = Write_Png(gradientImage(4, 4), missingFolder);
    EXPECT_FALSE(noFolder.ok);
    EXPECT_TRUE(noFolder.error.contains("mix.png")) << noFolder.error.toStdString();
    EXPECT_TRUE(noFolder.error.contains("does not exist")) << noFolder.error.toStdString();

    const WriteResult noPicture = Write_Png(QImage(), dir.filePath("empty.png"));
    EXPECT_FALSE(noPicture.ok);
    EXPECT_TRUE(noPicture.error.contains("no picture")) << noPicture.error.toStdString();

    ASSERT_TRUE(QDir(dir.path()).mkdir("taken.png"));
    const WriteResult folderInTheWay = Write_Png(gradientImage(4, 4), dir.filePath("taken.png"));
    EXPECT_FALSE(folderInTheWay.ok);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
}
