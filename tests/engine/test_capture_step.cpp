#include "render/CaptureStep.h"
#include "render/RenderPass.h"

#include "TestImages.h"

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
    EXPECT_EQ(captureFileName(localTime(2026, 3, 7, 14, 5, 9)), "2026-03-07-14-05-09.png");
    EXPECT_EQ(captureFileName(localTime(2024, 12, 30, 23, 59, 58)), "2024-12-30-23-59-58.png");
    EXPECT_EQ(captureFileName(localTime(2027, 1, 1, 0, 0, 0)), "2027-01-01-00-00-00.png");
    const QDateTime utc(QDate(2025, 6, 1), QTime(12, 0, 0), QTimeZone::utc());
    EXPECT_EQ(captureFileName(utc), captureFileName(utc.toLocalTime()));
}

TEST(CaptureStep, PathJoinsTheFolderWithExactlyOneSlash)
{
    EXPECT_EQ(joinPath("/home/ann/Documents/Quillane", "a.png"), "/home/ann/Documents/Quillane/a.png");
    EXPECT_EQ(joinPath("/home/ann/Documents/Quillane/", "a.png"), "/home/ann/Documents/Quillane/a.png");
    EXPECT_EQ(joinPath("/home/ann/Documents/Quillane//", "a.png"), "/home/ann/Documents/Quillane/a.png");
    EXPECT_EQ(joinPath("/", "a.png"), "/a.png");
    EXPECT_EQ(joinPath("", "a.png"), "a.png");
}

TEST(CaptureStep, PendingCaptureStoresPathAndFullPictureThenClearsTheFlag)
{
    const QImage full = gradientImage(3000, 20);
    CaptureState state{true, QImage(), QString(), QStringLiteral("/out/"), QString()};
    captureStep(state, passWith(full), localTime(2026, 3, 7, 14, 5, 9));
    EXPECT_FALSE(state.b_Take_Picture);
    EXPECT_EQ(state.s_Saved_Take_Picture, "/out/2026-03-07-14-05-09.png");
    EXPECT_EQ(state.imageSave.size(), QSize(3000, 20));
    EXPECT_EQ(state.imageSave, full);
}

TEST(CaptureStep, WithoutARequestNothingIsStored)
{
    CaptureState state{false, QImage(), QStringLiteral("earlier.png"), QStringLiteral("/out"), QString()};
    captureStep(state, passWith(gradientImage(4, 4)), localTime(2026, 3, 7, 14, 5, 9));
    EXPECT_FALSE(state.b_Take_Picture);
    EXPECT_TRUE(state.imageSave.isNull());
    EXPECT_EQ(state.s_Saved_Take_Picture, "earlier.png");
}
