#include "model/ProjectMode.h"
#include "model/ShapeType.h"
#include "render/RenderPass.h"
#include "render/ShapeMasks.h"
#include "render/TransparentPipeline.h"

#include "TestImages.h"

namespace {

const QRgb kRed = qRgb(200, 0, 0);
const QRgb kBlue = qRgb(0, 0, 200);

NewPhoto shapePhoto(const QImage &image, quint64 shapeType)
{
    NewPhoto photo = makePhoto(image, QStringLiteral("p.png"), Shape);
    photo->m_Shape_Type = shapeType;
    return photo;
}

NewPhoto transparentPhoto(const QImage &image, quint64 t, float s, float x, float y)
{
    NewPhoto photo = makePhoto(image, QStringLiteral("p.png"), Transparent);
    photo->f_Transparent_Transparency = t;
    photo->f_Transparent_Size = s;
    photo->f_Transparent_X_Offset = x;
    photo->f_Transparent_Y_Offset = y;
    return photo;
}

} // namespace

TEST(ShapeMasks, EveryMaskIsWhiteOnTransparentAtTheAskedSize)
{
    for (quint64 type = 0; type < 12; ++type) {
        const QImage mask = shapeMaskImage(type, QSize(64, 48));
        ASSERT_EQ(mask.size(), QSize(64, 48)) << type;
        ASSERT_EQ(mask.format(), QImage::Format_ARGB32_Premultiplied);
        int clear = 0, solid = 0;
        for (int y = 0; y < 48; ++y)
            for (int x = 0; x < 64; ++x) {
                const QRgb p = mask.pixel(x, y); // premultiplied white: every channel equals alpha
                ASSERT_TRUE(qRed(p) == qAlpha(p) && qGreen(p) == qAlpha(p) && qBlue(p) == qAlpha(p)) << type;
                clear += qAlpha(p) == 0;
                solid += qAlpha(p) == 255;
            }
        EXPECT_GT(clear, 64 * 48 / 20) << type;
        EXPECT_GT(solid, 64 * 48 / 10) << type;
    }
    EXPECT_TRUE(shapeMaskImage(12, QSize(64, 48)).isNull());
    EXPECT_TRUE(shapeMaskImage(quint64(1) << 40, QSize(64, 48)).isNull());
    EXPECT_TRUE(shapeMaskImage(Circle, QSize(0, 48)).isNull());
}

TEST(ShapeMasks, ALargeMaskKeepsASharpEdge)
{
    const QImage circle = shapeMaskImage(Circle, QSize(4000, 4000));
    ASSERT_FALSE(circle.isNull());
    // Along the diagonal the circle's edge (at 2000 - 2000/sqrt(2) = 585.8) is crossed
    // at right angles.
    int partial = 0;
    for (int i = 0; i < 2000; ++i)
        partial += qAlpha(circle.pixel(i, i)) > 0 && qAlpha(circle.pixel(i, i)) < 255;
    EXPECT_GE(partial, 1); // anti-aliased
    EXPECT_LE(partial, 2);
    EXPECT_EQ(qAlpha(circle.pixel(584, 584)), 0);
    EXPECT_EQ(qAlpha(circle.pixel(588, 588)), 255);
}

TEST(ShapePipeline, ThePhotoShowsThroughItsMaskAnchoredLowerLeft)
{
    struct Row {
        const char *name;
        QImage background, photo;
        quint64 shape;
        QSize size;
        QPoint photoShown, backgroundShown;
    };
    const QImage gradient = gradientImage(50, 40);
    const Row rows[] = {
        {"default circle",
         solidImage(100, 80, kRed),
         solidImage(100, 80, kBlue),
         Circle,
         {100, 80},
         {50, 40},
         {2, 2}},
        {"smaller photo",
         solidImage(100, 80, kRed),
         solidImage(50, 40, kBlue),
         Circle,
         {100, 80},
         {25, 20},
         {25, 60}},
        {"no such shape",
         solidImage(100, 80, kRed),
         solidImage(100, 80, kBlue),
         12,
         {100, 80},
         {-1, -1},
         {50, 40}},
        {"larger photo", gradient, solidImage(100, 80, kBlue), Circle, {100, 80}, {50, 40}, {5, 5}},
    };
    for (const Row &row : rows) {
        const PhotoList photos = {shapePhoto(row.background, 0), shapePhoto(row.photo, row.shape)};
        const QImage mixed = renderPass(photos, Shape, QSizeF(100, 100), true).mixed;
        ASSERT_EQ(mixed.size(), row.size) << row.name;
        if (row.photoShown.x() >= 0)
            EXPECT_TRUE(colourNear(pixelLL(mixed, row.photoShown.x(), row.photoShown.y()), kBlue))
                << row.name;
        else
            EXPECT_EQ(mixed, row.background) << row.name;
        const QPoint b = row.backgroundShown; // the background at its own size, not stretched
        EXPECT_TRUE(colourNear(pixelLL(mixed, b.x(), b.y()), pixelLL(row.background, b.x(), b.y())))
            << row.name;
    }
}

TEST(TransparentPipeline, LayerRectangleInPerCentOfTheBackground)
{
    struct Row {
        QRectF background;
        float s, x, y;
        QRectF expected;
    };
    const Row rows[] = {
        {{0, 0, 1000, 800}, 50, 10, 25, {100, 200, 500, 250}},
        {{50, 0, 500, 400}, 50, 10, 25, {100, 100, 250, 125}},
        {{0, 0, 1000, 800}, 30, 0, 0, {0, 0, 300, 150}}, // the defaults: lower-left, 30 % wide
    };
    for (const Row &row : rows) {
        const PhotoPtr photo = transparentPhoto(solidImage(400, 200, kBlue), 0, row.s, row.x, row.y);
        EXPECT_EQ(transparentLayerRect(*photo, row.background), row.expected);
    }
    for (const auto &[t, opacity] : {std::pair{0, 1.0f}, {40, 0.6f}, {100, 0.0f}, {250, 0.0f}})
        EXPECT_EQ(transparentOpacity(quint64(t)), opacity) << t;
}

TEST(TransparentPipeline, ViewAndCaptureDrawTheLayersWithTheirOpacity)
{
    const QImage background = solidImage(100, 80, kRed);
    const PhotoList photos = {transparentPhoto(background, 0, 0, 0, 0),
                              transparentPhoto(solidImage(40, 20, kBlue), 40, 50, 10, 25),
                              transparentPhoto(solidImage(40, 20, kRed), 100, 100, 0, 0)};
    const PassResult view = renderPass(photos, Transparent, QSizeF(200, 160), false);
    EXPECT_TRUE(view.mixed.isNull()); // no capture pending: no full-resolution picture
    ASSERT_EQ(view.draws.size(), 2);  // the invisible layer draws nothing
    EXPECT_EQ(view.draws[0].rect, QRectF(0, 0, 200, 160));
    EXPECT_EQ(view.draws[1].rect, QRectF(20, 40, 100, 50));
    EXPECT_FLOAT_EQ(float(view.draws[1].opacity), 0.6f);

    const QImage mixed = renderPass(photos, Transparent, QSizeF(200, 160), true).mixed;
    ASSERT_EQ(mixed.size(), QSize(100, 80));
    EXPECT_TRUE(colourNear(pixelLL(mixed, 30, 30), qRgb(80, 0, 120), 2)); // sRGB values blended
    EXPECT_TRUE(colourNear(pixelLL(mixed, 5, 5), kRed));
    EXPECT_TRUE(colourNear(pixelLL(mixed, 70, 50), kRed));
}
