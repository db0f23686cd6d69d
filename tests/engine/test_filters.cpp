// Placement, extents, the mask blend, the swipes, threads and the edge sweep.
#include "FilterModel.h"

#include "imaging/ColourTables.h"
#include "imaging/Filters.h"
#include "imaging/ImageConversion.h"
#include "imaging/Parallel.h"

#include <gtest/gtest.h>

#include "TestImages.h"

#include <cfenv>
#include <cstring>

namespace {

QImage filled(int w, int h, QRgb premultiplied)
{
    QImage image(w, h, kCanonicalFormat);
    image.fill(premultiplied);
    return image;
}

// Pixel at column x, row y counted from the bottom.
QRgb atLowerLeft(const QImage &image, int x, int y)
{
    return image.pixel(x, image.height() - 1 - y);
}

bool sameBytes(const QImage &a, const QImage &b)
{
    if (a.size() != b.size() || a.format() != b.format())
        return false;
    for (int y = 0; y < a.height(); ++y)
        if (std::memcmp(a.constScanLine(y), b.constScanLine(y), a.width() * 4) != 0)
            return false;
    return true;
}

const QRgb kRed = qRgb(255, 0, 0), kBlue = qRgb(0, 0, 255), kGreen = qRgb(0, 255, 0), kBlack = qRgb(0, 0, 0);

TEST(Placement, SmallerLayerLandsAtTheLowerLeftOfTheUnion)
{
    const QImage out = imageComposite(filled(4, 3, kBlue), filled(2, 1, kRed), 0);
    ASSERT_EQ(out.size(), QSize(4, 3));
    EXPECT_EQ(atLowerLeft(out, 0, 0), qRgb(255, 0, 255)) << "red + blue at the bottom-left";
    EXPECT_EQ(atLowerLeft(out, 1, 0), qRgb(255, 0, 255));
    EXPECT_EQ(atLowerLeft(out, 2, 0), kBlue);
    EXPECT_EQ(atLowerLeft(out, 0, 1), kBlue);
}

TEST(Placement, UnionExtentWithTransparentCorner)
{
    // Layer 5 x 1 over background 3 x 2: the union is 5 x 2.
    const QImage out = imageComposite(filled(3, 2, kBlue), filled(5, 1, kRed), 16);
    ASSERT_EQ(out.size(), QSize(5, 2));
    EXPECT_EQ(atLowerLeft(out, 4, 0), kRed) << "only the layer covers it";
    EXPECT_EQ(atLowerLeft(out, 1, 1), kBlue) << "only the background covers it";
    EXPECT_EQ(atLowerLeft(out, 4, 1), 0u) << "neither covers it";
    EXPECT_EQ(atLowerLeft(out, 0, 0), kBlack) << "red times blue";
}

TEST(Placement, EmptyInputsAreAccepted)
{
    const QImage background = noiseImage(6, 4, 3, false);
    EXPECT_TRUE(imageComposite(QImage(), QImage(), 5).isNull());
    const QImage onlyBackground = imageComposite(background, QImage(), 16);
    EXPECT_EQ(onlyBackground, background) << "family P gives B exactly where the layer is absent";
    EXPECT_EQ(imageShape(background, QImage(), QImage()), background);
    EXPECT_TRUE(imageSwipe(QImage(), QImage()).isNull());
    EXPECT_EQ(imageSwipeVertical(QImage(), filled(3, 2, kRed)).size(), QSize(3, 2));
}

TEST(Placement, SwappedInputsDifferForSubtractAndDivide)
{
    const QImage a = noiseImage(16, 8, 11, true), b = noiseImage(16, 8, 12, true);
    for (int mode : {6, 23, 2, 3, 18, 9})
        EXPECT_NE(imageComposite(a, b, mode), imageComposite(b, a, mode)) << "mode " << mode;
}

TEST(Mask, RedOnlyMaskShowsTheBackground)
{
    const QImage background = noiseImage(8, 6, 21, false), layer = noiseImage(8, 6, 22, true);
    EXPECT_EQ(imageShape(background, layer, filled(8, 6, kRed)), background);
    EXPECT_EQ(imageShape(background, layer, filled(8, 6, 0)), background) << "transparent mask";
}

TEST(Mask, GreenMaskShowsTheLayerAndGreyMixesInLinearLight)
{
    const QImage background = filled(4, 4, kBlack), layer = filled(4, 4, qRgb(255, 255, 255));
    EXPECT_EQ(imageShape(background, layer, filled(4, 4, kGreen)), layer);
    // Mask grey 128 gives m = 0.2159: white at that weight over black is that linear value,
    // which encodes back to 128.
    const QRgb mixed = imageShape(background, layer, filled(4, 4, qRgb(128, 128, 128))).pixel(0, 0);
    EXPECT_NEAR(qRed(mixed), 128, 1);
}

TEST(Mask, LayerIsCroppedToTheMaskAndExtentIsTheUnionWithTheBackground)
{
    const QImage out = imageShape(filled(2, 2, kBlue), filled(6, 5, kRed), filled(4, 3, kGreen));
    ASSERT_EQ(out.size(), QSize(4, 3)) << "union(layer ∩ mask, background)";
    EXPECT_EQ(atLowerLeft(out, 3, 2), kRed);
    EXPECT_EQ(atLowerLeft(out, 0, 0), kRed);
    const QImage tall = imageShape(filled(2, 9, kBlue), filled(6, 5, kRed), filled(4, 3, kGreen));
    ASSERT_EQ(tall.size(), QSize(4, 9));
    EXPECT_EQ(atLowerLeft(tall, 1, 8), kBlue);
    EXPECT_EQ(atLowerLeft(tall, 3, 8), 0u);
}

TEST(Mask, MatchesTheModelWithPartialAlpha)
{
    const QImage background = noiseImage(64, 4, 31, false), layer = noiseImage(64, 4, 32, false);
    const QImage mask = noiseImage(64, 4, 33, false);
    const QImage out = imageShape(background, layer, mask);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 64; ++x) {
            const model::Px l = model::decode(layer.pixel(x, y)), b = model::decode(background.pixel(x, y));
            const double m = model::decode(mask.pixel(x, y)).g;
            const model::Expected e = model::encode({l.r * m + b.r * (1 - m), l.g * m + b.g * (1 - m),
                                                     l.b * m + b.b * (1 - m), l.a * m + b.a * (1 - m)});
            const QRgb got = out.pixel(x, y);
            EXPECT_NEAR(qAlpha(got), e.a, 1.0);
            EXPECT_NEAR(qRed(got), e.r, 1.0);
            EXPECT_NEAR(qGreen(got), e.g, 1.0);
            EXPECT_NEAR(qBlue(got), e.b, 1.0);
        }
}

// sRGB level of a linear weight of white over black.
double level(double weight)
{
    return model::encodeCurve(model::clamp01(weight)) * 255.0;
}

TEST(Swipe, HorizontalRampFromBlackToWhite)
{
    const QImage out = imageSwipe(filled(800, 300, kBlack), filled(800, 300, qRgb(255, 255, 255)));
    ASSERT_EQ(out.size(), QSize(800, 300));
    EXPECT_EQ(qRed(out.pixel(120, 150)), 5);
    EXPECT_EQ(qRed(out.pixel(270, 150)), 188);
    EXPECT_EQ(qRed(out.pixel(119, 0)), 0);
    EXPECT_EQ(qRed(out.pixel(420, 299)), 255);
    for (int x = 0; x < 800; ++x)
        EXPECT_NEAR(qRed(out.pixel(x, 100)), level((x + 0.5) / 300.0 - 0.4), 1.0) << "column " << x;
}

TEST(Swipe, VerticalRampRunsUpFromTheBottomRow)
{
    const QImage out = imageSwipeVertical(filled(400, 800, kBlack), filled(400, 800, qRgb(255, 255, 255)));
    ASSERT_EQ(out.size(), QSize(400, 800));
    for (int j = 0; j < 800; ++j)
        EXPECT_NEAR(qRed(atLowerLeft(out, 200, j)), level((j + 0.5) / 300.0), 1.0) << "row " << j;
    EXPECT_EQ(qRed(atLowerLeft(out, 0, 0)), 5) << "0.17 % of white in the bottom row";
    EXPECT_EQ(qRed(atLowerLeft(out, 399, 0)), 5) << "the same across the row";
    EXPECT_EQ(qRed(atLowerLeft(out, 0, 300)), 255);
}

TEST(Swipe, UnionOfDifferentSizes)
{
    const QImage out = imageSwipe(filled(100, 50, kRed), filled(60, 80, kBlue));
    ASSERT_EQ(out.size(), QSize(100, 80));
    EXPECT_EQ(atLowerLeft(out, 10, 10), kRed) << "column 10 is pure first image";
    EXPECT_EQ(atLowerLeft(out, 90, 70), 0u) << "outside both";
}

TEST(Threads, ThreadedResultEqualsSingleThreadedBitForBit)
{
    const QImage a = noiseImage(517, 203, 41, false), b = noiseImage(333, 260, 42, false);
    const QImage m = noiseImage(400, 150, 43, false);
    auto all = [&] {
        std::vector<QImage> results;
        for (int mode = 0; mode < kBlendModeCount; ++mode)
            results.push_back(imageComposite(a, b, mode));
        results.push_back(imageShape(a, b, m));
        results.push_back(imageSwipe(a, b));
        results.push_back(imageSwipeVertical(a, b));
        return results;
    };
    setImagingThreadCount(1);
    const std::vector<QImage> single = all();
    setImagingThreadCount(5);
    const std::vector<QImage> threaded = all();
    setImagingThreadCount(0);
    ASSERT_EQ(single.size(), threaded.size());
    for (size_t i = 0; i < single.size(); ++i)
        EXPECT_TRUE(sameBytes(single[i], threaded[i])) << "operation " << i;
}

// Every pixel combination of channels 0 / 255 and alphas 0 / 1 / 255 against every other.
QImage edgePixels(bool transpose)
{
    std::vector<QRgb> values;
    for (int alpha : {0, 1, 255})
        for (int bits = 0; bits < 8; ++bits)
            values.push_back(
                qPremultiply(qRgba(bits & 1 ? 255 : 0, bits & 2 ? 255 : 0, bits & 4 ? 255 : 0, alpha)));
    const int n = static_cast<int>(values.size());
    QImage image(n * n, 1, kCanonicalFormat);
    for (int i = 0; i < n * n; ++i)
        image.setPixel(i, 0, transpose ? values[i % n] : values[i / n]);
    return image;
}

bool validPremultiplied(const QImage &image)
{
    for (int x = 0; x < image.width(); ++x) {
        const QRgb p = image.pixel(x, 0);
        if (qRed(p) > qAlpha(p) || qGreen(p) > qAlpha(p) || qBlue(p) > qAlpha(p))
            return false;
    }
    return true;
}

TEST(EdgeSweep, NoInvalidOperationDivisionByZeroOrOverflow)
{
    const QImage layer = edgePixels(false), background = edgePixels(true);
    colourTables(); // built before the traps go on
    const int previous = fegetexcept();
    std::feclearexcept(FE_ALL_EXCEPT);
    feenableexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW);
    std::vector<QImage> results;
    for (int threads : {1, 2}) {
        setImagingThreadCount(threads);
        for (int mode = 0; mode < kBlendModeCount; ++mode)
            results.push_back(imageComposite(background, layer, mode));
        results.push_back(imageShape(background, layer, background));
        results.push_back(imageSwipe(background, layer));
        results.push_back(imageSwipeVertical(background, layer));
    }
    const bool raised = std::fetestexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW) != 0;
    fedisableexcept(FE_ALL_EXCEPT);
    feenableexcept(previous);
    setImagingThreadCount(0);
    EXPECT_FALSE(raised);
    for (size_t i = 0; i < results.size(); ++i)
        EXPECT_TRUE(validPremultiplied(results[i])) << "operation " << i;
}

} // namespace
