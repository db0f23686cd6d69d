#include "imaging/Parallel.h"
#include "imaging/ReducedCopies.h"
#include "model/ProjectMode.h"
#include "render/RenderPass.h"

#include "PreviewCompare.h"
#include "TestImages.h"

#include <QRandomGenerator>

namespace {

QImage noiseImage(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    QRandomGenerator random(7);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const int a = random.bounded(256);
            image.setPixel(x, y,
                           qRgba(random.bounded(a + 1), random.bounded(a + 1), random.bounded(a + 1), a));
        }
    return image;
}

// Channel-by-channel rounded mean of the w x h block at (x0, y0) (top-left rows).
QRgb blockMean(const QImage &image, int x0, int y0, int w, int h)
{
    int sums[4] = {0, 0, 0, 0};
    for (int y = y0; y < y0 + h; ++y)
        for (int x = x0; x < x0 + w; ++x) {
            const QRgb p = image.pixel(x, y);
            sums[0] += qRed(p), sums[1] += qGreen(p), sums[2] += qBlue(p), sums[3] += qAlpha(p);
        }
    const int n = w * h;
    auto mean = [n](int sum) { return (sum + n / 2) / n; };
    return qRgba(mean(sums[0]), mean(sums[1]), mean(sums[2]), mean(sums[3]));
}

constexpr quint64 kMultiply = 16;
constexpr quint64 kScreen = 21;

} // namespace

TEST(ReducedCopies, LevelsHalveDownToOnePixelWithinAThirdOfThePicture)
{
    struct Case {
        QSize size;
        QList<QSize> levels;
    };
    const Case cases[] = {
        {{4001, 2999},
         {{2000, 1499},
          {1000, 749},
          {500, 374},
          {250, 187},
          {125, 93},
          {62, 46},
          {31, 23},
          {15, 11},
          {7, 5},
          {3, 2},
          {1, 1}}},
        {{64, 48}, {{32, 24}, {16, 12}, {8, 6}, {4, 3}, {2, 1}}},
        {{3, 3}, {{1, 1}}},
        {{2, 9}, {{1, 4}}},
        {{1, 10}, {}},
    };
    for (const Case &c : cases) {
        const QImage picture = solidImage(c.size.width(), c.size.height(), qRgb(10, 20, 30));
        const auto copies = buildReducedCopies(picture);
        QList<QSize> sizes;
        for (const QImage &level : copies->levels)
            sizes.append(level.size());
        EXPECT_EQ(sizes, c.levels) << c.size.width() << " x " << c.size.height();
        EXPECT_LE(copies->sizeInBytes() * 3, picture.sizeInBytes());
        EXPECT_EQ(copies->sourceKey, picture.cacheKey());
        EXPECT_EQ(copies->levelFor(picture, QSizeF(c.size)).cacheKey(), picture.cacheKey())
            << "full size: the picture";
        if (!c.levels.isEmpty()) {
            EXPECT_EQ(copies->levelFor(picture, QSizeF(0.5, 0.5)).size(), c.levels.back())
                << "tiny: the smallest";
            EXPECT_EQ(copies->levelFor(picture, QSizeF(c.levels[0]) * 1.25).size(), c.levels[0])
                << "a quarter enlarged";
        }
    }
}

TEST(ReducedCopies, HalvingAveragesEachBlockAndCoversOddPicturesEvenly)
{
    const QImage picture = noiseImage(8, 6);
    const QImage half = halveImage(picture);
    ASSERT_EQ(half.size(), QSize(4, 3));
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(half.pixel(x, y), blockMean(picture, 2 * x, 2 * y, 2, 2)) << x << ", " << y;
    // Premultiplied stays premultiplied: no channel above its alpha.
    const QImage big = halveImage(noiseImage(256, 128));
    for (int y = 0; y < big.height(); ++y)
        for (int x = 0; x < big.width(); ++x) {
            const QRgb p = big.pixel(x, y);
            ASSERT_LE(std::max({qRed(p), qGreen(p), qBlue(p)}), qAlpha(p));
        }
    // Odd sides: a black-to-white edge at 3/4 of the picture stays at 3/4 of each copy
    // (within half a pixel), however many odd halvings it went through.
    QImage edge = solidImage(4003, 2999, qRgb(0, 0, 0));
    for (int y = 0; y < edge.height(); ++y)
        for (int x = 3002; x < edge.width(); ++x)
            edge.setPixel(x, y, qRgb(255, 255, 255));
    const auto copies = buildReducedCopies(edge);
    for (const QImage &copy : copies->levels) {
        if (copy.width() < 8)
            break;
        double white = 0; // the edge's place: the white pixels' summed coverage
        for (int x = 0; x < copy.width(); ++x)
            white += qRed(copy.pixel(x, copy.height() / 2)) / 255.0;
        EXPECT_NEAR(copy.width() - white, copy.width() * 3002.0 / 4003.0, 0.5) << copy.width();
    }
}

TEST(ReducedCopies, ThreadCountDoesNotChangeTheCopies)
{
    const QImage picture = noiseImage(320, 208); // even sides: the threaded halving, every level
    setImagingThreadCount(1);
    const auto one = buildReducedCopies(picture);
    setImagingThreadCount(3);
    const auto three = buildReducedCopies(picture);
    setImagingThreadCount(0);
    EXPECT_EQ(one->levels, three->levels);
}

TEST(PreviewPass, ScaleIsTheSmallestHalvingAtOrAboveWhatTheViewShows)
{
    struct Case {
        QSizeF picture, view;
        qreal ratio;
        bool capture;
        double scale;
    };
    const Case cases[] = {
        {{6000, 4000}, {1200, 800}, 1.0, false, 0.25}, // shows 0.2
        {{6000, 4000}, {1200, 800}, 2.0, false, 0.5},  // shows 0.4
        {{6000, 4000}, {1200, 800}, 1.0, true, 1.0},   // a capture is full resolution
        {{6000, 4000}, {3000, 2000}, 1.0, false, 0.5}, // exactly half: the half copy
        {{800, 600}, {1200, 800}, 1.0, false, 1.0},    // enlarged in the view
        {{4001, 2999}, {640, 480}, 1.0, false, 0.25},  // shows 0.16
        {{6000, 4000}, {0, 0}, 1.0, false, 1.0},       // nothing shown
    };
    for (const Case &c : cases)
        EXPECT_EQ(passScale(c.picture, ViewTarget{c.view, c.ratio, c.capture}), c.scale)
            << c.picture.width() << " in " << c.view.width() << " at " << c.ratio;
}

// A project of each mode over three photos: a placed or cut-out layer reaching past the
// background, and a third photo stretched, masked or see-through.
PhotoList modeProject(quint64 mode, const QImage &a, const QImage &b, const QImage &c)
{
    NewPhotoList photos = {makePhoto(a, QStringLiteral("a"), mode), makePhoto(b, QStringLiteral("b"), mode),
                           makePhoto(c, QStringLiteral("c"), mode)};
    if (mode == Composite) {
        photos[1] = placedCompositePhoto(b, kMultiply, 20, 10, 10);
        photos[2]->m_Composite_Blend_Mode = kScreen;
    }
    for (int i = 1; i < 3; ++i) {
        photos[i]->m_Shape_Type = i == 1 ? 1 : 5; // star5, cloud
        photos[i]->f_Shape_Size = i == 1 ? -20.0f : 30.0f;
        photos[i]->f_Shape_X_Offset = photos[i]->f_Shape_Y_Offset = 10.0f * float(i);
        photos[i]->f_Transparent_Transparency = 40;
        photos[i]->f_Transparent_Size = 50.0f;
        photos[i]->f_Transparent_X_Offset = 30.0f * float(i);
        photos[i]->f_Transparent_Y_Offset = 20.0f * float(i);
    }
    return photos;
}

const quint64 kScaledModes[] = {Composite, Shape, Transparent};

TEST(PreviewPass, EveryModeFromReducedCopiesMatchesTheFullPictureReducedToTheView)
{
    const QImage a = texturedImage(4001, 2999), b = texturedImage(2001, 1333, 1),
                 c = texturedImage(999, 777, 2);
    const struct {
        QSize view;
        qreal ratio;
    } views[] = {{{1200, 800}, 1.0}, {{640, 480}, 1.0}, {{333, 222}, 1.0}, {{500, 400}, 2.0}};
    for (const quint64 mode : kScaledModes) {
        const PhotoList photos = modeProject(mode, a, b, c);
        for (const auto &v : views) {
            EXPECT_LE(previewDifference(photos, mode, v.view, v.ratio), 2.0)
                << "mode " << mode << ", " << v.view.width() << " x " << v.view.height() << " at " << v.ratio;
        }
        EXPECT_TRUE(photos[0]->reducedCopies)
            << "mode " << mode << ": the preview passes used reduced copies";
    }
}

TEST(PreviewPass, OnePhotoAndTheLargePairMatchTheFullPictureReducedToTheView)
{
    const QImage a = sharedPhoto(QStringLiteral("pair24_a.jpg"));
    const QImage b = sharedPhoto(QStringLiteral("pair24_b.jpg"));
    ASSERT_FALSE(a.isNull() || b.isNull());
    const NewPhotoList one = {makePhoto(a, QStringLiteral("a.jpg"), Composite)};
    EXPECT_LE(previewDifference(one, Composite, QSize(1200, 800)), 2.0);
    for (const quint64 mode : kScaledModes)
        EXPECT_LE(previewDifference(modeProject(mode, a, b, a), mode, QSize(1200, 800)), 2.0)
            << "mode " << mode;
}

TEST(PreviewPass, ReplacedPictureGetsNewCopiesAndTheOldOnesAreDropped)
{
    const NewPhotoList photos = {makePhoto(texturedImage(800, 600), QStringLiteral("a.png"), Composite)};
    renderPass(photos, Composite, QSizeF(200, 150), false);
    ASSERT_TRUE(photos[0]->reducedCopies);
    photos[0]->image = texturedImage(640, 480, 3);
    renderPass(photos, Composite, QSizeF(640, 480), false); // full size: no copies needed
    EXPECT_FALSE(photos[0]->reducedCopies);
    renderPass(photos, Composite, QSizeF(160, 120), false);
    ASSERT_TRUE(photos[0]->reducedCopies);
    EXPECT_EQ(photos[0]->reducedCopies->levels.front().size(), QSize(320, 240));
}
