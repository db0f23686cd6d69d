#include "imaging/Parallel.h"
#include "model/PhotoPlacement.h"
#include "model/ProjectMode.h"
#include "model/ShapeType.h"
#include "render/PassMemory.h"
#include "render/PhotoOutline.h"
#include "render/RegionPass.h"
#include "render/RenderPass.h"
#include "render/ShapeMasks.h"

#include "PreviewCompare.h"
#include "TestImages.h"

#include <QtMath>

#include <cmath>
#include <optional>

// Placed photos mirrored and turned, in every mode that places photos, against a model
// written here: each pixel of the picture is traced back through the turn and the
// mirrors to the photo it shows, or to the background.
namespace {

constexpr quint64 kNormal = 24; // the blend that lays the photo over the picture as it is
const QRgb kGround = qRgb(60, 60, 60);

// A 40 x 30 photo of 4 x 3 cells of 10 x 10 pixels, each its own colour: no two cells
// alike, so any mirror or turn shows.
QImage cellPhoto()
{
    QImage image(40, 30, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x)
            image.setPixel(x, y, qRgb(40 + 60 * (x / 10), 50 + 80 * (y / 10), 200 - 40 * (x / 10)));
    return image;
}

// The photo of `mode` on a 100 x 100 background, placed in every mode at the rectangle
// (20, 30, 40, 30) of the picture (lower-left), centred at (40, 45).
PhotoList placedProject(quint64 mode, const Placement &placement, quint64 shape = Heart)
{
    NewPhoto background = makePhoto(solidImage(100, 100, kGround), QStringLiteral("bg.png"), mode);
    NewPhoto photo = makePhoto(cellPhoto(), QStringLiteral("cells.png"), mode);
    const PlacementFields fields = *placementFields(mode);
    writePhotoField(*photo, fields.size, mode == Transparent ? 40 : 0);
    writePhotoField(*photo, fields.x, mode == Transparent ? 20 : 50);
    writePhotoField(*photo, fields.y, mode == Transparent ? 30 : 100);
    writePhotoField(*photo, fields.rotation, placement.rotation);
    writePhotoField(*photo, fields.flipHorizontal, placement.flipHorizontal);
    writePhotoField(*photo, fields.flipVertical, placement.flipVertical);
    photo->bCompositeSizeOfBG = false;
    photo->m_Composite_Blend_Mode = kNormal;
    photo->m_Shape_Type = shape;
    return {background, photo};
}

// Where the centre of picture pixel (x, y) (lower-left) lies on the photo before the
// turn and the mirrors, in the photo's own pixels (lower-left): the turn is clockwise
// on screen, so it is undone by turning counter-clockwise in lower-left coordinates.
QPointF photoPointOf(int x, int y, const Placement &placement)
{
    const double dx = x + 0.5 - 40.0;
    const double dy = y + 0.5 - 45.0;
    const double a = qDegreesToRadians(placement.rotation);
    double u = dx * std::cos(a) - dy * std::sin(a);
    double v = dx * std::sin(a) + dy * std::cos(a);
    if (placement.flipHorizontal)
        u = -u;
    if (placement.flipVertical)
        v = -v;
    return {u + 20.0, v + 15.0};
}

// The colour the model expects there, or none where the pixel lies within two photo
// pixels of an edge between cells or of the photo's border (where smoothing may mix).
std::optional<QRgb> modelColour(QPointF p, const QImage &photo, const QImage &mask)
{
    const auto nearEdge = [](double c, double size) {
        const double inCell = std::fmod(c, 10.0);
        return inCell < 2.0 || inCell > 8.0 || std::abs(c - size) < 2.0;
    };
    const bool outside = p.x() < -2.0 || p.y() < -2.0 || p.x() > 42.0 || p.y() > 32.0;
    if (outside)
        return kGround;
    if (p.x() < 0 || p.y() < 0 || p.x() > 40 || p.y() > 30 || nearEdge(p.x(), 40) || nearEdge(p.y(), 30))
        return std::nullopt;
    if (!mask.isNull()) { // the shape, as it lies on the photo before the turn
        int solid = 0, clear = 0;
        for (const QPointF d :
             {QPointF(0, 0), QPointF(-2, -2), QPointF(2, -2), QPointF(-2, 2), QPointF(2, 2)}) {
            const QPointF m = p + d;
            const int alpha =
                qAlpha(pixelLL(mask, std::clamp(int(m.x()), 0, 39), std::clamp(int(m.y()), 0, 29)));
            solid += alpha == 255;
            clear += alpha == 0;
        }
        if (clear == 5)
            return kGround;
        if (solid != 5)
            return std::nullopt;
    }
    return pixelLL(photo, int(p.x()), int(p.y()));
}

struct PlacementRow {
    const char *name;
    Placement placement;
};

const PlacementRow kPlacements[] = {
    {"as placed", {0, false, false}},
    {"quarter turn", {90, false, false}},
    {"half turn", {180, false, false}},
    {"quarter turn back", {-90, false, false}},
    {"30 degrees", {30, false, false}},
    {"mirrored left to right", {0, true, false}},
    {"mirrored top to bottom", {0, false, true}},
    {"mirrored, then 30 degrees", {30, true, false}},
    {"both mirrors, then a quarter turn back", {-90, true, true}},
    {"-150 degrees", {-150, false, true}},
};

} // namespace

TEST(PlacedPhoto, EveryModeDrawsThePhotoMirroredThenTurnedAboutItsCentre)
{
    const QImage photo = cellPhoto();
    for (const quint64 mode : {quint64(Composite), quint64(Shape), quint64(Transparent)}) {
        const QImage mask = mode == Shape ? shapeMaskImage(Heart, photo.size()) : QImage();
        for (const PlacementRow &row : kPlacements) {
            const QImage mixed = renderPass(placedProject(mode, row.placement), mode, {300, 300}, true).mixed;
            ASSERT_EQ(mixed.size(), QSize(100, 100)) << row.name << " mode " << mode;
            int checked = 0;
            for (int y = 0; y < 100; ++y)
                for (int x = 0; x < 100; ++x) {
                    const std::optional<QRgb> expected =
                        modelColour(photoPointOf(x, y, row.placement), photo, mask);
                    if (!expected)
                        continue;
                    ++checked;
                    ASSERT_TRUE(colourNear(pixelLL(mixed, x, y), *expected, 2))
                        << row.name << ", mode " << mode << ", pixel " << x << ", " << y;
                }
            EXPECT_GT(checked, 8000) << row.name; // most of the picture has a certain colour
        }
    }
}

TEST(PlacedPhoto, AQuarterTurnOnWholePixelsIsTheExactTranspose)
{
    // Noise: any smoothing or half-pixel shift changes the pixels.
    const QImage noise = noiseImage(40, 30, 7, true);
    for (const bool mirrored : {false, true}) {
        PhotoList photos = placedProject(Composite, {90, mirrored, false});
        NewPhoto layer = std::make_shared<Object_Photo>(*photos[1]);
        layer->image = noise;
        photos[1] = layer;
        const QImage mixed = renderPass(photos, Composite, {300, 300}, true).mixed;
        ASSERT_EQ(mixed.size(), QSize(100, 100));
        // Turned clockwise about (40, 45), the photo covers (25, 25, 30, 40) lower-left:
        // turned picture (top-left) pixel (c, r) is photo pixel (r, 29 - c), mirrored
        // first: (39 - r, 29 - c).
        const QImage top = mixed.copy(25, 100 - 25 - 40, 30, 40);
        for (int r = 0; r < 40; ++r)
            for (int c = 0; c < 30; ++c)
                ASSERT_EQ(top.pixel(c, r), noise.pixel(mirrored ? 39 - r : r, 29 - c))
                    << c << ", " << r << (mirrored ? " mirrored" : "");
        EXPECT_EQ(pixelLL(mixed, 24, 40), kGround);
        EXPECT_EQ(pixelLL(mixed, 55, 40), kGround);
    }
}

TEST(PlacedPhoto, ATurnWidensTheLayerToTheTurnedBounds)
{
    // Placed at the background's top-right corner, a turned photo reaches past it: the
    // picture grows to hold it, as it does for an offset.
    PhotoList photos = placedProject(Composite, {90, false, false});
    NewPhoto layer = std::make_shared<Object_Photo>(*photos[1]);
    layer->f_Composite_X_Offset = 150; // rect (60, 70, 40, 30): turned (65, 65, 30, 40)
    layer->f_Composite_Y_Offset = 233.3333f;
    photos[1] = layer;
    const PassResult pass = renderPass(photos, Composite, {300, 300}, true);
    EXPECT_EQ(pass.mixed.size(), QSize(100, 105));
    EXPECT_EQ(pass.fullSize, QSize(100, 105));
}

// The zoomed canvas's region pass gives the pixels the full pass has there, for photos
// of the background's size laid on it moved, resized, turned or mirrored.
TEST(PlacedPhoto, RegionPassEqualsTheFullPassForPlacedPhotos)
{
    struct Row {
        const char *name;
        float size, x, y, rotation;
        bool flipHorizontal, flipVertical;
    };
    const Row rows[] = {
        {"unmoved", 0, 0, 0, 0, false, false},
        {"moved", 0, 10, 5, 0, false, false},
        {"resized", -25, 0, 0, 0, false, false},
        {"turned", 0, 0, 0, 30, false, false},
        {"half turn", 0, 0, 0, 180, false, false},
        {"mirrored", 0, 0, 0, 0, true, false},
        {"mirrored top to bottom", 0, 0, 0, 0, false, true},
    };
    const QRect region(13, 9, 37, 29);
    for (const Row &row : rows) {
        NewPhoto background = makePhoto(noiseImage(64, 48, 1, true), QStringLiteral("a.png"), Composite);
        NewPhoto photo = placedCompositePhoto(noiseImage(64, 48, 2, true), 16, row.size, row.x, row.y);
        photo->f_Composite_Rotation = row.rotation;
        photo->bCompositeFlipHorizontal = row.flipHorizontal;
        photo->bCompositeFlipVertical = row.flipVertical;
        const PhotoList photos = {background, photo};
        const QImage full = renderPass(photos, Composite, {300, 300}, true).mixed;
        const RegionResult part = renderRegion(photos, Composite, ProjectOptions{}, region);
        ASSERT_TRUE(part.error.isEmpty()) << row.name;
        EXPECT_EQ(part.region, region) << row.name;
        EXPECT_EQ(part.image, full.copy(region)) << row.name;
    }
}

// The opacity scales the layer's alpha once: a photo at 50 % over another, through the
// whole pipeline, in both blend spaces, against the blend written out here.
TEST(PlacedPhoto, HalfOpacityMixesHalfOfTheLayerThroughThePipeline)
{
    const auto decode = [](double c) {
        c /= 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    const auto encode = [](double l) {
        return 255.0 * (l <= 0.0031308 ? l * 12.92 : 1.055 * std::pow(l, 1.0 / 2.4) - 0.055);
    };
    for (const BlendSpace space : {BlendSpace::Linear, BlendSpace::Srgb}) {
        NewPhoto background =
            makePhoto(solidImage(8, 8, qRgb(40, 40, 40)), QStringLiteral("a.png"), Composite);
        NewPhoto photo = makePhoto(solidImage(8, 8, qRgb(200, 200, 200)), QStringLiteral("b.png"), Composite);
        photo->m_Composite_Blend_Mode = kNormal;
        photo->f_Composite_Opacity = 50;
        ProjectOptions options;
        options.blendSpace = space;
        const QImage mixed = renderPass({background, photo}, Composite, {300, 300}, true, 1.0, options).mixed;
        const double expected =
            space == BlendSpace::Linear ? encode(0.5 * decode(200) + 0.5 * decode(40)) : 0.5 * 200 + 0.5 * 40;
        const int e = int(std::lround(expected));
        EXPECT_TRUE(colourNear(pixelLL(mixed, 4, 4), qRgb(e, e, e), 1)) << int(space);
    }
}

TEST(PlacedPhoto, TheMemoryEstimateHoldsTheTurnedLayer)
{
    // A tall photo laid flat by a quarter turn at the background's right edge widens
    // the picture: the estimates of the capture's size and memory follow the turned
    // bounds and the turned copy of the photo.
    NewPhoto background = makePhoto(solidImage(1000, 1000, kGround), QStringLiteral("a.png"), Composite);
    NewPhoto photo = placedCompositePhoto(solidImage(100, 1000, kGround), kNormal, 0, 900, 0);
    NewPhoto turned = std::make_shared<Object_Photo>(*photo);
    turned->f_Composite_Rotation = 90; // rect (900, 0, 100, 1000) turned: (450, 450, 1000, 100)
    const QList<QSizeF> sizes = {QSizeF(1000, 1000), QSizeF(100, 1000)};
    const ViewTarget capture{{300, 300}, 1.0, true};
    for (const auto &[photos, picture] : {std::pair{PhotoList{background, photo}, QSize(1000, 1000)},
                                          std::pair{PhotoList{background, turned}, QSize(1450, 1000)}}) {
        EXPECT_EQ(capturedPictureSize(photos, sizes, Composite), QSizeF(picture));
        EXPECT_EQ(renderPass(photos, Composite, {300, 300}, true).fullSize, picture);
    }
    // Beyond the straight layer's: a wider picture, layer and result, and the turned copies.
    const double extra = passMemoryNeed({background, turned}, Composite, capture) -
                         passMemoryNeed({background, photo}, Composite, capture);
    EXPECT_GE(extra, 3.0 * 450 * 1000 * 4 + 2.0 * 100 * 1000 * 4);
}

QImage paintedView(const PassResult &pass, QSize view)
{
    QImage canvas(view, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&canvas);
    paintPass(painter, QSizeF(view), QRectF(QPointF(0, 0), QSizeF(view)), pass);
    return canvas;
}

// The preview of turned and flipped photos, drawn from reduced copies, stays within the
// bound the canvas keeps to: the full-resolution picture reduced to the view.
TEST(PlacedPhoto, PreviewOfTurnedPhotosMatchesTheSavedPictureReducedToTheView)
{
    const QImage a = texturedImage(3001, 2003), b = solidImage(1601, 1201, qRgb(250, 30, 30));
    for (const quint64 mode : {quint64(Composite), quint64(Shape), quint64(Transparent)}) {
        NewPhoto photo = makePhoto(b, QStringLiteral("b"), mode);
        const PlacementFields fields = *placementFields(mode);
        writePhotoField(*photo, fields.size, mode == Transparent ? 50 : -30);
        writePhotoField(*photo, fields.x, 40);
        writePhotoField(*photo, fields.y, 30);
        writePhotoField(*photo, fields.rotation, -37.5);
        writePhotoField(*photo, fields.flipHorizontal, 1);
        photo->bCompositeSizeOfBG = false;
        photo->m_Composite_Blend_Mode = kNormal;
        const PhotoList photos = {makePhoto(a, QStringLiteral("a"), mode), photo};
        for (const QSize view : {QSize(1200, 800), QSize(333, 222)}) {
            // The saved picture itself (not the capture's own view draws) fitted into the view.
            PassResult saved;
            addFittedDraw(saved, renderPass(photos, mode, QSizeF(view), true).mixed,
                          ViewTarget{QSizeF(view)});
            EXPECT_LE(meanAbsoluteDifference(paintedView(renderPass(photos, mode, QSizeF(view), false), view),
                                             paintedView(saved, view)),
                      2.0)
                << "mode " << mode << ", " << view.width();
        }
    }
}

// The canvas tool reads where a photo lies and writes the fields that put it at a new
// rectangle: in each placing mode, the fields for the photo's own outline are its
// fields, and a moved and scaled rectangle gives the fields whose outline it is.
TEST(PlacedPhoto, OutlineAndFieldsForARectangleAreInverses)
{
    const QSizeF background(400, 300);
    for (const quint64 mode : {quint64(Composite), quint64(Shape), quint64(Transparent)}) {
        NewPhoto photo = makePhoto(cellPhoto(), QStringLiteral("cells.png"), mode);
        photo->bCompositeSizeOfBG = false;
        const PlacementFields fields = *placementFields(mode);
        writePhotoField(*photo, fields.size, mode == Transparent ? 25 : 50);
        writePhotoField(*photo, fields.x, 12.5);
        writePhotoField(*photo, fields.y, -20);
        writePhotoField(*photo, fields.rotation, 33);
        const PhotoOutline outline = *photoOutline(*photo, mode, background);
        EXPECT_EQ(outline.placement.rotation, 33.0) << mode;
        const std::array<double, 3> same = *placementForRect(*photo, mode, background, outline.rect);
        EXPECT_NEAR(same[0], mode == Transparent ? 25 : 50, 1e-4) << mode;
        EXPECT_NEAR(same[1], 12.5, 1e-4) << mode;
        EXPECT_NEAR(same[2], -20, 1e-4) << mode;

        const QRectF moved(outline.rect.x() + 7, outline.rect.y() - 3, outline.rect.width() * 1.5,
                           outline.rect.height() * 1.5);
        const std::array<double, 3> to = *placementForRect(*photo, mode, background, moved);
        for (const auto &[field, value] :
             {std::pair{fields.size, to[0]}, {fields.x, to[1]}, {fields.y, to[2]}})
            writePhotoField(*photo, field, value);
        const QRectF back = photoOutline(*photo, mode, background)->rect;
        EXPECT_NEAR(back.x(), moved.x(), 1e-3) << mode;
        EXPECT_NEAR(back.y(), moved.y(), 1e-3) << mode;
        EXPECT_NEAR(back.width(), moved.width(), 1e-3) << mode;
        EXPECT_NEAR(back.height(), moved.height(), 1e-3) << mode;
    }
    NewPhoto stretched = makePhoto(cellPhoto(), QStringLiteral("cells.png"), Composite);
    EXPECT_FALSE(photoOutline(*stretched, Composite, background))
        << "stretched over the background: no outline";
    EXPECT_FALSE(photoOutline(*stretched, LinearHorizontal, background));
}

// A turned photo and its turned shape mask are drawn in bands across the imaging
// threads: the picture does not depend on how many there are.
TEST(PlacedPhoto, TurnedDrawingsDoNotDependOnTheThreadCount)
{
    QList<QImage> pictures;
    for (const int threads : {1, 3, 8}) {
        setImagingThreadCount(threads);
        pictures
            << renderPass(placedProject(Shape, {-41.5, true, false}), Shape, {300, 300}, true).mixed
            << renderPass(placedProject(Transparent, {17, false, true}), Transparent, {300, 300}, true).mixed;
    }
    setImagingThreadCount(0);
    for (qsizetype i = 2; i < pictures.size(); ++i)
        EXPECT_EQ(pictures[i], pictures[i % 2]) << i;
}
