#include "render/PlacedLayer.h"

#include "TestImages.h"

namespace {
const QRgb kRed = qRgb(255, 0, 0);
const QRgb kBlue = qRgb(0, 0, 255);
const QRgb kClear = qRgba(0, 0, 0, 0);
} // namespace

TEST(PlacedLayer, ScaledAndOffsetPhotoSitsAtItsRectangleFromTheLowerLeft)
{
    const PlacedLayer layer = makePlacedLayer(twoBandImage(200, 100, kBlue, kRed), 50.0f, 10.0f, 20.0f);
    EXPECT_EQ(layer.canvasSize, QSizeF(320, 170));
    EXPECT_EQ(layer.rect, QRectF(20, 20, 300, 150));
    ASSERT_EQ(layer.canvas.size(), QSize(320, 170));
    EXPECT_TRUE(colourNear(pixelLL(layer.canvas, 25, 25), kBlue));   // photo's lower band
    EXPECT_TRUE(colourNear(pixelLL(layer.canvas, 315, 165), kRed));  // photo's upper band
    EXPECT_TRUE(colourNear(pixelLL(layer.canvas, 10, 100), kClear)); // left of the photo
    EXPECT_TRUE(colourNear(pixelLL(layer.canvas, 100, 10), kClear)); // below the photo
    EXPECT_TRUE(colourNear(pixelLL(layer.canvas, 19, 19), kClear));
    EXPECT_TRUE(colourNear(pixelLL(layer.canvas, 21, 21), kBlue));
}

TEST(PlacedLayer, DefaultsGiveThePhotoItselfWithoutACopy)
{
    const QImage photo = gradientImage(64, 48);
    const PlacedLayer layer = makePlacedLayer(photo, 0.0f, 0.0f, 0.0f);
    EXPECT_EQ(layer.canvasSize, QSizeF(64, 48));
    EXPECT_EQ(layer.rect, QRectF(0, 0, 64, 48));
    EXPECT_EQ(layer.canvas.constBits(), photo.constBits());

    const QImage straight = photo.convertToFormat(QImage::Format_ARGB32);
    const PlacedLayer converted = makePlacedLayer(straight, 0.0f, 0.0f, 0.0f);
    EXPECT_EQ(converted.canvas.format(), QImage::Format_ARGB32_Premultiplied);
    EXPECT_EQ(converted.canvas, photo);
}

TEST(PlacedLayer, NegativeOffsetsCutThePhotoAtTheCanvasOrigin)
{
    const QImage photo = gradientImage(200, 100);
    const PlacedLayer layer = makePlacedLayer(photo, 0.0f, -10.0f, -20.0f);
    EXPECT_EQ(layer.canvasSize, QSizeF(180, 80));
    EXPECT_EQ(layer.rect, QRectF(-20, -20, 200, 100));
    ASSERT_EQ(layer.canvas.size(), QSize(180, 80));
    EXPECT_TRUE(colourNear(pixelLL(layer.canvas, 0, 0), pixelLL(photo, 20, 20)));
    EXPECT_TRUE(colourNear(pixelLL(layer.canvas, 179, 79), pixelLL(photo, 199, 99)));
}

TEST(PlacedLayer, ScaledDownPhotoIsAveraged)
{
    QImage stripes(200, 100, QImage::Format_ARGB32_Premultiplied);
    for (int x = 0; x < 200; ++x)
        for (int y = 0; y < 100; ++y)
            stripes.setPixel(x, y, x % 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
    const PlacedLayer layer = makePlacedLayer(stripes, -50.0f, 10.0f, 0.0f);
    EXPECT_EQ(layer.rect, QRectF(20, 0, 100, 50));
    EXPECT_NEAR(qRed(pixelLL(layer.canvas, 60, 25)), 128, 3); // grey, not a skipped stripe
}

TEST(PlacedLayer, ZeroOrNegativeCanvasGivesTheEmptyLayer)
{
    const QImage photo = gradientImage(200, 100);
    EXPECT_TRUE(makePlacedLayer(photo, -100.0f, 0.0f, 0.0f).isEmpty());
    EXPECT_TRUE(makePlacedLayer(photo, 0.0f, -100.0f, 0.0f).isEmpty());
    EXPECT_TRUE(makePlacedLayer(photo, -150.0f, 0.0f, 0.0f).isEmpty());
    EXPECT_TRUE(makePlacedLayer(QImage(), 10.0f, 10.0f, 10.0f).isEmpty());
    EXPECT_TRUE(makePlacedLayer(QImage(200, 0, QImage::Format_ARGB32), 0.0f, 0.0f, 0.0f).isEmpty());
    EXPECT_FALSE(makePlacedLayer(photo, 0.0f, -99.0f, 0.0f).isEmpty());
}

TEST(PlacedLayer, PhotoShrunkToNothingLeavesATransparentCanvas)
{
    const PlacedLayer layer = makePlacedLayer(gradientImage(200, 100), -100.0f, 10.0f, 10.0f);
    ASSERT_EQ(layer.canvas.size(), QSize(20, 10));
    for (int x = 0; x < 20; ++x)
        EXPECT_EQ(qAlpha(pixelLL(layer.canvas, x, 5)), 0);
}
