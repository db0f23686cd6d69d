// Image conversion and the lower-left drawing helper.
#include "imaging/ImageConversion.h"
#include "imaging/LowerLeft.h"
#include "imaging/Parallel.h"

#include "TestImages.h"

#include <gtest/gtest.h>

#include <QPainter>

namespace {

// A 6 x 5 picture with a distinct colour in every pixel.
QImage gradient(QImage::Format format)
{
    QImage image(6, 5, QImage::Format_RGB32);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 6; ++x)
            image.setPixel(x, y, qRgb(40 * x, 50 * y, 255 - 20 * x - 10 * y));
    return image.convertToFormat(format);
}

// pixel() gives straight ARGB for straight formats and the stored premultiplied value
// for the canonical one.
void expectSamePixels(const QImage &expected, const QImage &actual)
{
    const bool straight = expected.format() != kCanonicalFormat;
    ASSERT_EQ(actual.size(), expected.size());
    EXPECT_EQ(actual.format(), kCanonicalFormat);
    for (int y = 0; y < expected.height(); ++y)
        for (int x = 0; x < expected.width(); ++x)
            EXPECT_EQ(actual.pixel(x, y),
                      straight ? qPremultiply(expected.pixel(x, y)) : expected.pixel(x, y))
                << x << "," << y;
}

class FormatConversion : public ::testing::TestWithParam<QImage::Format> {};

TEST_P(FormatConversion, BecomesCanonicalWithTheSamePixels)
{
    const QImage input = gradient(GetParam());
    expectSamePixels(input, CGImageRefFromImage(input));
}

INSTANTIATE_TEST_SUITE_P(Formats, FormatConversion,
                         ::testing::Values(QImage::Format_RGB888, QImage::Format_Grayscale8,
                                           QImage::Format_RGB32, QImage::Format_RGBA64,
                                           QImage::Format_ARGB32));

TEST(Conversion, IndexedColoursKeepTheirValuesAndAlpha)
{
    QImage indexed(3, 1, QImage::Format_Indexed8);
    indexed.setColorTable({qRgba(255, 0, 0, 255), qRgba(0, 0, 255, 0), qRgba(0, 200, 0, 255)});
    for (int x = 0; x < 3; ++x)
        indexed.setPixel(x, 0, x);
    expectSamePixels(indexed, CGImageRefFromImage(indexed));
}

TEST(Conversion, StraightAlphaIsPremultiplied)
{
    QImage straight(1, 1, QImage::Format_ARGB32);
    straight.setPixel(0, 0, qRgba(200, 100, 50, 128));
    const QImage out = CGImageRefFromImage(straight);
    const QRgb stored = reinterpret_cast<const QRgb *>(out.constScanLine(0))[0];
    EXPECT_EQ(qAlpha(stored), 128);
    EXPECT_NEAR(qRed(stored), 100, 1);
    EXPECT_NEAR(qGreen(stored), 50, 1);
}

TEST(Conversion, SixteenBitTransparencySurvives)
{
    QImage deep(2, 1, QImage::Format_RGBA64);
    deep.setPixelColor(0, 0, QColor::fromRgba64(65535, 0, 0, 32896)); // alpha ~128/255
    deep.setPixelColor(1, 0, QColor::fromRgba64(0, 0, 0, 0));
    const QImage out = CGImageRefFromImage(deep);
    EXPECT_NEAR(qAlpha(out.pixel(0, 0)), 128, 1);
    EXPECT_NEAR(qRed(out.pixel(0, 0)), 128, 1); // premultiplied full red
    EXPECT_EQ(qAlpha(out.pixel(1, 0)), 0);
}

TEST(Conversion, CanonicalImageIsSharedNotCopied)
{
    const QImage input = gradient(kCanonicalFormat);
    const QImage out = CGImageRefFromImage(input);
    EXPECT_EQ(out.constBits(), input.constBits());
}

TEST(Conversion, NullAndEmptyGiveAnEmptyImage)
{
    EXPECT_TRUE(CGImageRefFromImage(QImage()).isNull());
    EXPECT_TRUE(CGImageRefFromImage(QImage(0, 5, QImage::Format_RGB888)).isNull());
}

TEST(LowerLeft, RectanglesFlipAgainstTheCanvasHeight)
{
    EXPECT_EQ(toTopLeft(QRectF(10, 0, 30, 20), 100), QRectF(10, 80, 30, 20));
    EXPECT_EQ(toTopLeft(QRectF(0, 80, 30, 20), 100), QRectF(0, 0, 30, 20));
    EXPECT_EQ(toTopLeft(QRectF(1.5, 2.5, 3, 4), 10.5), QRectF(1.5, 4, 3, 4));
}

TEST(LowerLeft, FillReplacesPixelsAtTheBottom)
{
    QImage canvas(4, 4, kCanonicalFormat);
    canvas.fill(Qt::white);
    {
        QPainter painter(&canvas);
        fillRectLL(painter, 4, QRectF(0, 0, 2, 1), Qt::transparent);
        fillRectLL(painter, 4, QRectF(2, 3, 2, 1), QColor(255, 0, 0, 128));
    }
    EXPECT_EQ(canvas.pixel(0, 3), 0u) << "a clear fill erases the bottom row";
    EXPECT_EQ(canvas.pixel(1, 3), 0u);
    EXPECT_EQ(canvas.pixel(2, 3), qRgb(255, 255, 255));
    const QRgb top = canvas.pixel(3, 0);
    EXPECT_EQ(qAlpha(top), 128) << "copy semantics: the half-transparent red replaces white";
    EXPECT_EQ(qGreen(top), 0);
}

TEST(LowerLeft, ImagesAreStretchedSourceOverWithOpacity)
{
    QImage canvas(4, 4, kCanonicalFormat);
    canvas.fill(Qt::black);
    QImage dot(1, 1, kCanonicalFormat);
    dot.fill(Qt::white);
    QImage clear(1, 1, kCanonicalFormat);
    clear.fill(Qt::transparent);
    {
        QPainter painter(&canvas);
        drawImageLL(painter, 4, QRectF(0, 0, 2, 2), dot);
        drawImageLL(painter, 4, QRectF(0, 0, 4, 4), clear);
        drawImageLL(painter, 4, QRectF(2, 2, 2, 2), dot, 0.5);
    }
    EXPECT_EQ(canvas.pixel(0, 3), qRgb(255, 255, 255)) << "stretched into the bottom-left";
    EXPECT_EQ(canvas.pixel(1, 2), qRgb(255, 255, 255));
    EXPECT_EQ(canvas.pixel(0, 0), qRgb(0, 0, 0)) << "source-over keeps what is under clear";
    EXPECT_NEAR(qRed(canvas.pixel(3, 0)), 128, 1) << "half opacity over black";
    EXPECT_EQ(qAlpha(canvas.pixel(3, 0)), 255);
}

TEST(LowerLeft, BandedDrawingMatchesOnePainterBitForBit)
{
    // A noisy photo enlarged with smooth filtering and an odd offset: every band must
    // sample exactly as one painter over the whole canvas does.
    const QImage photo = noiseImage(37, 23, 12345);
    const QRectF rect(3.25, 5.5, 91.3, 57.1);
    QImage reference = transparentCanvas(101, 67);
    {
        QPainter painter(&reference);
        drawImageLL(painter, reference.height(), rect, photo, 0.8);
    }
    for (int threads : {1, 2, 5}) {
        setImagingThreadCount(threads);
        QImage banded = transparentCanvas(101, 67);
        drawImageIntoLL(banded, rect, photo, 0.8);
        EXPECT_EQ(banded, reference) << threads << " threads";
    }
    setImagingThreadCount(0);
}

TEST(LowerLeft, TransparentCanvasIsClearAndRounded)
{
    const QImage canvas = transparentCanvas(10.4, 3.6);
    ASSERT_EQ(canvas.size(), QSize(10, 4));
    EXPECT_EQ(canvas.format(), kCanonicalFormat);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 10; ++x)
            EXPECT_EQ(canvas.pixel(x, y), 0u);
    EXPECT_TRUE(transparentCanvas(0, 5).isNull());
    EXPECT_TRUE(transparentCanvas(-3, 5).isNull());
}

} // namespace
