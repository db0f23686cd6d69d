// Best-fit frame and resize.
#include "imaging/Geometry.h"
#include "imaging/ImageConversion.h"

#include <gtest/gtest.h>

#include "TestImages.h"

#include <chrono>
#include <cmath>
#include <limits>

namespace {

struct FrameCase {
    const char *name;
    QSizeF inner, outer;
    QRectF expected;
};

// The single-precision ratio 4/3 that the ladder derives heights through.
const double kRatio43 = static_cast<float>(4.0 / 3.0);

std::ostream &operator<<(std::ostream &os, const FrameCase &c)
{
    return os << c.name;
}

class BestFitFrame : public ::testing::TestWithParam<FrameCase> {};

TEST_P(BestFitFrame, MatchesTheLadder)
{
    const FrameCase &c = GetParam();
    const QRectF r = return_Best_Fit_Frame(c.inner, c.outer);
    EXPECT_DOUBLE_EQ(r.x(), c.expected.x());
    EXPECT_DOUBLE_EQ(r.y(), c.expected.y());
    EXPECT_DOUBLE_EQ(r.width(), c.expected.width());
    EXPECT_DOUBLE_EQ(r.height(), c.expected.height());
}

const double kGrownHeight = 800.0 / kRatio43;
const double kShrunkHeight = 400.0 / kRatio43;

INSTANTIATE_TEST_SUITE_P(
    Ladder, BestFitFrame,
    ::testing::Values(FrameCase{"empty", {0, 0}, {800, 600}, {0, 0, 0, 0}},
                      FrameCase{"same_size", {800, 600}, {800, 600}, {0, 0, 800, 600}},
                      FrameCase{"equal_height_kept", {500, 600}, {800, 600}, {150, 0, 500, 600}},
                      FrameCase{"grows_through_float_ratio",
                                {400, 300},
                                {800, 600},
                                {0, static_cast<float>((600 - kGrownHeight) * 0.5), 800, kGrownHeight}},
                      FrameCase{"no_step_fits", {399, 300}, {400, 400}, {0.5, 50, 399, 300}},
                      FrameCase{"shrinks_landscape", {1000, 500}, {800, 600}, {0, 100, 800, 400}},
                      FrameCase{"shrinks_to_float_height",
                                {4000, 3000},
                                {400, 400},
                                {0, static_cast<float>((400 - kShrunkHeight) * 0.5), 400, kShrunkHeight}},
                      FrameCase{"shrinks_portrait", {3000, 4000}, {400, 400}, {50, 0, 300, 400}},
                      FrameCase{"zero_box", {1000, 500}, {0, 0}, {0, 0, 0, 0}},
                      FrameCase{"zero_height_grows_flat", {100, 0}, {800, 600}, {0, 300, 800, 0}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(BestFitFrameNumbers, SinglePrecisionValuesFromTheExamples)
{
    const QRectF grown = return_Best_Fit_Frame({400, 300}, {800, 600});
    EXPECT_LT(grown.height(), 600.0);
    EXPECT_NEAR(grown.height(), 599.99998, 1e-5);
    EXPECT_GT(grown.y(), 0.0);
    const QRectF shrunk = return_Best_Fit_Frame({4000, 3000}, {400, 400});
    EXPECT_NEAR(shrunk.height(), 299.99999, 1e-5);
    EXPECT_EQ(static_cast<float>(shrunk.y()), 50.000004f);
}

class DegenerateFrame : public ::testing::TestWithParam<std::pair<QSizeF, QSizeF>> {};

TEST_P(DegenerateFrame, GivesTheZeroRectangleQuickly)
{
    const auto start = std::chrono::steady_clock::now();
    const QRectF r = return_Best_Fit_Frame(GetParam().first, GetParam().second);
    const auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(r, QRectF(0, 0, 0, 0));
    EXPECT_LT(elapsed, std::chrono::seconds(1));
}

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(Inputs, DegenerateFrame,
                         ::testing::Values(std::pair{QSizeF(kNaN, 100), QSizeF(800, 600)},
                                           std::pair{QSizeF(100, kNaN), QSizeF(800, 600)},
                                           std::pair{QSizeF(100, 100), QSizeF(kNaN, 600)},
                                           std::pair{QSizeF(kInf, 100), QSizeF(800, 600)},
                                           std::pair{QSizeF(100, 100), QSizeF(800, kInf)},
                                           std::pair{QSizeF(-100, 100), QSizeF(800, 600)},
                                           std::pair{QSizeF(100, -100), QSizeF(800, 600)},
                                           std::pair{QSizeF(0, 5), QSizeF(800, 600)},
                                           std::pair{QSizeF(100, 100), QSizeF(-800, 600)},
                                           std::pair{QSizeF(1e-300, 1e-300), QSizeF(800, 600)},
                                           std::pair{QSizeF(1e300, 1), QSizeF(800, 600)}));

TEST(BestFitFrameExtremes, TinyPictureInAHugeBoxEndsAndFits)
{
    const auto start = std::chrono::steady_clock::now();
    const QRectF r = return_Best_Fit_Frame({1, 1}, {1e9, 1e9});
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
    EXPECT_LE(r.width(), 1e9);
    EXPECT_GT(r.width(), 1e9 - 1.0); // within one rung of the box
    EXPECT_TRUE(std::isfinite(r.x()) && std::isfinite(r.y()));
}

TEST(Resize, OwnSizeIsAnExactCopy)
{
    const QImage source = noiseImage(37, 23, 7);
    const QImage out = Resize_Image_To_Fit_Size(source, {37, 23});
    ASSERT_EQ(out.size(), source.size());
    EXPECT_EQ(out.format(), kCanonicalFormat);
    for (int y = 0; y < 23; ++y)
        EXPECT_EQ(0, memcmp(out.constScanLine(y), source.constScanLine(y), 37 * 4)) << "row " << y;
}

TEST(Resize, CheckerboardShrinksToItsAverage)
{
    QImage board(2, 2, kCanonicalFormat);
    board.setPixel(0, 0, qRgb(0, 0, 0));
    board.setPixel(1, 1, qRgb(0, 0, 0));
    board.setPixel(1, 0, qRgb(255, 255, 255));
    board.setPixel(0, 1, qRgb(255, 255, 255));
    const QImage out = Resize_Image_To_Fit_Size(board, {1, 1});
    ASSERT_EQ(out.size(), QSize(1, 1));
    const QRgb p = out.pixel(0, 0);
    EXPECT_NEAR(qRed(p), 127.5, 1.0);
    EXPECT_NEAR(qGreen(p), 127.5, 1.0);
    EXPECT_EQ(qAlpha(p), 255);
}

TEST(Resize, ShrinkAveragesEverySourceColumn)
{
    // Columns black, white, black, white... shrunk by 4: any skipped column would
    // leave a pure black or white pixel.
    QImage stripes(40, 4, kCanonicalFormat);
    for (int x = 0; x < 40; ++x)
        for (int y = 0; y < 4; ++y)
            stripes.setPixel(x, y, (x & 1) ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
    const QImage out = Resize_Image_To_Fit_Size(stripes, {10, 1});
    ASSERT_EQ(out.size(), QSize(10, 1));
    for (int x = 0; x < 10; ++x)
        EXPECT_NEAR(qGreen(out.pixel(x, 0)), 127.5, 2.0) << "column " << x;
}

TEST(Resize, FractionalTargetRoundsToWholePixels)
{
    const QImage out = Resize_Image_To_Fit_Size(noiseImage(300, 200, 3), {100.3, 50.7});
    EXPECT_EQ(out.size(), QSize(100, 51));
    EXPECT_EQ(resizedPixelSize({100.3, 50.7}), QSize(100, 51));
    EXPECT_EQ(resizedPixelSize({0.4, 10}), QSize(0, 10));
}

TEST(Resize, DegenerateTargetsGiveAnEmptyImage)
{
    const QImage source = noiseImage(8, 8, 1);
    EXPECT_TRUE(Resize_Image_To_Fit_Size(source, {0.4, 10}).isNull());
    EXPECT_TRUE(Resize_Image_To_Fit_Size(source, {-5, 10}).isNull());
    EXPECT_TRUE(Resize_Image_To_Fit_Size(source, {kNaN, 10}).isNull());
    EXPECT_TRUE(Resize_Image_To_Fit_Size(source, {kInf, 10}).isNull());
    const QImage fromNull = Resize_Image_To_Fit_Size(QImage(), {4, 3});
    ASSERT_EQ(fromNull.size(), QSize(4, 3));
    EXPECT_EQ(fromNull.pixel(2, 1), 0u);
}

TEST(Resize, EnlargingAStraightAlphaSourceConvertsIt)
{
    QImage straight(2, 2, QImage::Format_ARGB32);
    straight.fill(qRgba(10, 200, 30, 255));
    const QImage out = Resize_Image_To_Fit_Size(straight, {5, 7});
    ASSERT_EQ(out.size(), QSize(5, 7));
    EXPECT_EQ(out.format(), kCanonicalFormat);
    EXPECT_EQ(out.pixel(3, 3), qRgba(10, 200, 30, 255));
}

// Checks that every partly transparent pixel keeps the pure red colour of the
// opaque pixels: averaging straight values would darken it.
void expectNoDarkFringe(const QImage &image)
{
    int partial = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb straight = qUnpremultiply(image.pixel(x, y));
            if (qAlpha(straight) < 16)
                continue;
            partial += qAlpha(straight) < 255;
            EXPECT_GE(qRed(straight), 240) << x << "," << y;
            EXPECT_LE(qGreen(straight), 12) << x << "," << y;
        }
    }
    EXPECT_GT(partial, 0) << "the resize should blend the edge";
}

TEST(Resize, TransparentEdgesHaveNoDarkFringe)
{
    QImage spot(8, 8, kCanonicalFormat);
    spot.fill(Qt::transparent);
    for (int y = 2; y < 6; ++y)
        for (int x = 2; x < 6; ++x)
            spot.setPixel(x, y, qRgb(255, 0, 0));
    expectNoDarkFringe(Resize_Image_To_Fit_Size(spot, {21, 19}));
    expectNoDarkFringe(Resize_Image_To_Fit_Size(spot, {3, 3}));
}

} // namespace
