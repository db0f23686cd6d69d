// Opacity, the Normal mode, the sRGB blend space, feathered masks and full-resolution
// strips: against the independent model, hand-computed pixels and the 400-pixel strip.
#include "FilterModel.h"
#include "PreviewCompare.h"
#include "TestImages.h"

#include "imaging/Filters.h"
#include "imaging/Geometry.h"
#include "imaging/ImageConversion.h"
#include "imaging/LowerLeft.h"
#include "imaging/MaskFeather.h"
#include "model/ProjectMode.h"
#include "render/LinearPipeline.h"
#include "render/RenderPass.h"

#include <QRandomGenerator>

#include <string>

namespace {

// One row of pixel pairs: random straight colours, every combination of the alphas
// {0, 1, 128, 255} in layer and background many times, or (opaque) all of alpha 255,
// which the kernels take a shorter way.
struct Pairs {
    QImage layer, background;
};

Pairs randomPairs(quint32 seed, bool opaque)
{
    const int alphas[] = {0, 1, 128, 255};
    QRandomGenerator rng(seed);
    Pairs pairs{QImage(16 * 24, 1, kCanonicalFormat), QImage(16 * 24, 1, kCanonicalFormat)};
    for (int x = 0; x < pairs.layer.width(); ++x) {
        auto colour = [&](int alpha) {
            auto ch = [&] { return rng.bounded(4) == 0 ? 255 * rng.bounded(2) : rng.bounded(256); };
            return qPremultiply(qRgba(ch(), ch(), ch(), alpha));
        };
        pairs.layer.setPixel(x, 0, colour(opaque ? 255 : alphas[x % 4]));
        pairs.background.setPixel(x, 0, colour(opaque ? 255 : alphas[(x / 4) % 4]));
    }
    return pairs;
}

model::Px scaled(model::Px p, double opacity)
{
    return {p.r * opacity, p.g * opacity, p.b * opacity, p.a * opacity};
}

// Every pixel of imageComposite within one level of the model, the layer's alpha scaled.
void expectModel(int mode, double opacity, BlendSpace space, bool opaque)
{
    const bool srgb = space == BlendSpace::Srgb;
    const Pairs pairs = randomPairs(quint32(7 * mode + 1000 * opacity) + (srgb ? 99 : 0), opaque);
    const QImage out = imageComposite(pairs.background, pairs.layer, quint64(mode), float(opacity), space);
    int wrong = 0;
    for (int x = 0; x < out.width() && wrong < 3; ++x) {
        const QRgb s = pairs.layer.pixel(x, 0), b = pairs.background.pixel(x, 0), got = out.pixel(x, 0);
        const model::Expected e = model::encode(
            model::blend(mode, scaled(model::decode(s, srgb), opacity), model::decode(b, srgb)), srgb);
        const bool near = std::abs(qAlpha(got) - e.a) <= 1.0 && std::abs(qRed(got) - e.r) <= 1.0 &&
                          std::abs(qGreen(got) - e.g) <= 1.0 && std::abs(qBlue(got) - e.b) <= 1.0;
        wrong += !near;
        EXPECT_TRUE(near) << blendModeName(mode).toStdString() << " opacity " << opacity
                          << (srgb ? " srgb" : " linear") << ": layer " << std::hex << s << " over " << b
                          << " gave " << got << ", expected " << std::dec << e.r << " " << e.g << " " << e.b
                          << " " << e.a;
    }
}

QImage onePixel(QRgb colour)
{
    return solidImage(1, 1, colour);
}

} // namespace

TEST(MixingControls, OpacityScalesTheLayersAlphaInEveryModeAndBothSpaces)
{
    for (int mode = 0; mode < kBlendModeCount; ++mode)
        for (const double opacity : {0.0, 0.3, 0.75, 1.0})
            for (const BlendSpace space : {BlendSpace::Linear, BlendSpace::Srgb})
                for (const bool opaque : {false, true})
                    expectModel(mode, opacity, space, opaque);
}

TEST(MixingControls, NormalModeAndTheSrgbSpaceAgainstHandComputedPixels)
{
    const QRgb layer = qRgb(200, 100, 50), background = qRgb(128, 255, 10);
    const struct {
        quint64 mode;
        float opacity;
        BlendSpace space;
        QRgb expected;
    } rows[] = {
        // Stored values: 200 * 128 / 255 = 100.4, 100 * 255 / 255, 50 * 10 / 255 = 1.96.
        {16, 1.0f, BlendSpace::Srgb, qRgb(100, 100, 2)},
        // |200 - 128|, |100 - 255|, |50 - 10|.
        {5, 1.0f, BlendSpace::Srgb, qRgb(72, 155, 40)},
        // 200 + 128 - 200 * 128 / 255 = 227.6.
        {21, 1.0f, BlendSpace::Srgb, qRgb(228, 255, 58)},
        // Normal is the layer itself; at half opacity the mean of the stored values.
        {kNormalBlendMode, 1.0f, BlendSpace::Linear, layer},
        {kNormalBlendMode, 0.5f, BlendSpace::Srgb, qRgb(164, 178, 30)},
        // In linear light the mean of 0.5776 and 0.2159 (r), 0.3968, encodes to 169.0.
        {kNormalBlendMode, 0.5f, BlendSpace::Linear, qRgb(169, 198, 36)},
        // Opacity 0 leaves the background.
        {16, 0.0f, BlendSpace::Linear, background},
    };
    for (const auto &row : rows)
        EXPECT_TRUE(
            colourNear(imageComposite(onePixel(background), onePixel(layer), row.mode, row.opacity, row.space)
                           .pixel(0, 0),
                       row.expected))
            << "mode " << row.mode << " opacity " << row.opacity;

    // The mask and the swipe mix stored values too: a grey mask of 128 is 128 / 255 of
    // the layer, not the 0.216 it decodes to in linear light.
    const QImage red = solidImage(4, 4, qRgb(255, 0, 0)), blue = solidImage(4, 4, qRgb(0, 0, 255));
    const QImage grey = solidImage(4, 4, qRgb(128, 128, 128));
    EXPECT_TRUE(colourNear(imageShape(blue, red, grey, BlendSpace::Srgb).pixel(0, 0), qRgb(128, 0, 127)));
    EXPECT_TRUE(colourNear(imageShape(blue, red, grey, BlendSpace::Linear).pixel(0, 0), qRgb(128, 0, 229)));
    // The horizontal swipe's ramp is s = x / 300 - 0.4: at x = 180.5 (column 180), 0.2017.
    const QImage ramp = imageSwipe(solidImage(400, 2, qRgb(0, 0, 0)), solidImage(400, 2, qRgb(255, 255, 255)),
                                   BlendSpace::Srgb);
    EXPECT_TRUE(colourNear(ramp.pixel(180, 0), qRgb(51, 51, 51)));
}

TEST(MixingControls, FeatherBoxesAddUpToTheGaussiansVariance)
{
    EXPECT_EQ(featherBoxWidths(0.3), (std::array<int, 3>{1, 1, 1}));
    for (const double sigma : {1.0, 2.5, 7.0, 31.0, 120.0}) {
        const std::array<int, 3> w = featherBoxWidths(sigma);
        double variance = 0.0;
        for (int width : w) {
            EXPECT_EQ(width % 2, 1) << sigma;
            variance += (width * width - 1) / 12.0;
        }
        // Whole odd widths cannot come closer than about 0.2 pixel at the smallest.
        EXPECT_NEAR(std::sqrt(variance), sigma, std::max(0.2, 0.05 * sigma)) << sigma;
    }
}

// A straight edge feathered with sigma s follows the normal distribution's integral
// across it: half coverage on the edge, 2.3 % and 97.7 % two sigmas either side; also
// when the blur works on a reduced copy (sigma 40: an eighth).
TEST(MixingControls, FeatheredEdgeFollowsTheGaussianProfile)
{
    EXPECT_EQ(featherReduction(3.0), 1);
    EXPECT_EQ(featherReduction(12.0), 2);
    EXPECT_EQ(featherReduction(40.0), 8);
    EXPECT_EQ(featherReduction(1000.0), 16);
    for (const int sigma : {12, 40}) {
        const int edge = 8 * sigma, middle = 7 * sigma;
        QImage mask = transparentCanvas(16 * sigma, 14 * sigma);
        for (int y = 0; y < mask.height(); ++y)
            for (int x = 0; x < edge; ++x)
                mask.setPixel(x, y, qRgba(255, 255, 255, 255));
        featherMask(mask, sigma);
        int previous = 256;
        for (int x = edge - 3 * sigma; x < edge + 3 * sigma; ++x) {
            const QRgb p = mask.pixel(x, middle);
            const double d = (x + 0.5 - edge) / sigma;
            const double expected = 255.0 * 0.5 * std::erfc(d / std::sqrt(2.0));
            EXPECT_NEAR(qAlpha(p), expected, 4.0) << "sigma " << sigma << ", x " << x;
            EXPECT_EQ(qGreen(p), qAlpha(p)) << "premultiplied white, x " << x;
            EXPECT_LE(qAlpha(p), previous) << "x " << x;
            previous = qAlpha(p);
        }
        EXPECT_EQ(qAlpha(mask.pixel(edge - 5 * sigma, middle)), 255);
        EXPECT_EQ(qAlpha(mask.pixel(edge + 5 * sigma, middle)), 0);
        EXPECT_LT(qAlpha(mask.pixel(sigma, 0)), 200) << "past the mask's own rectangle counts as transparent";
    }
}

// Feathered masks and opacities: the preview from reduced copies still matches the
// full-resolution picture reduced to the view within the usual bound.
TEST(MixingControls, PreviewOfFeatheredShapesAndOpacityMatchesTheFullPicture)
{
    const QImage a = texturedImage(2401, 1601), b = texturedImage(1201, 901, 1);
    for (const quint64 mode : {Shape, Composite}) {
        NewPhotoList photos = {makePhoto(a, QStringLiteral("a"), mode),
                               makePhoto(b, QStringLiteral("b"), mode),
                               makePhoto(a, QStringLiteral("c"), mode)};
        for (int i = 1; i < 3; ++i) {
            photos[i]->m_Shape_Type = i == 1 ? 1 : 3;
            photos[i]->f_Shape_Size = i == 1 ? 20.0f : -40.0f;
            photos[i]->f_Shape_Feather = i == 1 ? 100.0f : 35.0f;
            photos[i]->m_Composite_Blend_Mode = i == 1 ? kNormalBlendMode : 18;
            photos[i]->f_Composite_Opacity = i == 1 ? 40.0f : 85.0f;
        }
        for (const QSize view : {QSize(1200, 800), QSize(333, 222)})
            EXPECT_LE(previewDifference(photos, mode, view), 2.0) << "mode " << mode << " " << view.width();
    }
}

TEST(MixingControls, FullResolutionFrameIsTheSmallestCommonSide)
{
    const struct {
        QList<QSize> originals;
        QSizeF frame;
        bool vertical;
        QSizeF expected;
    } rows[] = {
        {{{4000, 3000}, {4000, 3000}}, {400, 300}, false, {4000, 3000}},
        {{{4000, 3000}, {4000, 3000}}, {400, 300}, true, {4000, 3000}},
        // A panorama is stretched into the frame as in the 400-pixel strip; the common
        // height is the smaller of 1000 and 3000.
        {{{6000, 1000}, {4000, 3000}}, {400, 300}, false, {1333, 1000}},
        {{{6000, 1000}, {3000, 4000}}, {400, 400}, true, {3000, 3000}},
        // Nothing to gain: photos no larger than the frame keep it.
        {{{300, 200}, {400, 300}}, {400, 300}, false, {400, 300}},
    };
    for (const auto &row : rows)
        EXPECT_EQ(linearFullResolutionFrame(row.originals, row.frame, row.vertical), row.expected)
            << row.originals.front().width() << " vertical " << row.vertical;
}

// A full-resolution strip is the 400-pixel strip enlarged by k = 900 / 288 (the photos'
// own height over their height fitted into 400 x 400 with its margin): its size is k
// times larger and, reduced back, its seams and erased bands lie where the small
// strip has them.
TEST(MixingControls, FullResolutionStripsOfTwoAndThreePhotosMatchTheSmallStrip)
{
    const QImage images[] = {texturedImage(1200, 900), texturedImage(1200, 900, 1),
                             texturedImage(1200, 900, 2)};
    for (const quint64 mode : {LinearHorizontal, LinearVertical}) {
        for (const QList<float> &levels : {QList<float>{0, 90}, QList<float>{0, 45, 200}}) {
            auto strip = [&](bool full) {
                NewPhotoList photos;
                for (qsizetype i = 0; i < levels.size(); ++i) {
                    photos.append(makePhoto(images[i], QStringLiteral("p"), mode));
                    photos.back()->f_Linear_Intersection_Level = levels[i];
                }
                ProjectOptions options;
                options.fullResolution = full;
                return renderPass(photos, mode, QSizeF(300, 200), true, 1.0, options).mixed;
            };
            const QImage small = strip(false), large = strip(true);
            const std::string where = "mode " + std::to_string(mode) + ", " + std::to_string(levels.size());
            ASSERT_FALSE(small.isNull()) << where;
            const double k = 900.0 / 288.0;
            EXPECT_NEAR(large.width(), small.width() * k, 3.0) << where;
            EXPECT_NEAR(large.height(), small.height() * k, 3.0) << where;
            const QImage reduced = Resize_Image_To_Fit_Size(large, QSizeF(small.size()));
            EXPECT_LE(meanAbsoluteDifference(reduced, small), 2.0) << where;
        }
    }
}

// A Linear preview fits the photos into 400 x 400 without replacing their pictures: the
// capture after it still builds the strip from them.
TEST(MixingControls, FullResolutionStripAfterAPreviewUsesTheOriginals)
{
    NewPhotoList photos = {makePhoto(texturedImage(1200, 900), QStringLiteral("a"), LinearHorizontal),
                           makePhoto(texturedImage(1200, 900, 1), QStringLiteral("b"), LinearHorizontal)};
    photos[1]->f_Linear_Intersection_Level = 90;
    ProjectOptions options;
    options.fullResolution = true;
    renderPass(photos, LinearHorizontal, QSizeF(300, 200), false, 1.0, options);
    EXPECT_EQ(photos[0]->image.size(), QSize(1200, 900));
    EXPECT_EQ(renderPass(photos, LinearHorizontal, QSizeF(0, 0), true, 1.0, options).mixed.height(), 900);
}
