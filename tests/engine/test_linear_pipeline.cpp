#include "imaging/Geometry.h"
#include "model/ProjectMode.h"
#include "render/LinearPipeline.h"
#include "render/RenderPass.h"

#include "TestImages.h"

namespace {

const QRgb kRed = qRgb(200, 0, 0);
const QRgb kGreen = qRgb(0, 200, 0);
const QRgb kBlue = qRgb(0, 0, 200);

PhotoList linearPhotos(const QList<QImage> &images, const QList<float> &levels, quint64 mode)
{
    NewPhotoList photos;
    for (qsizetype i = 0; i < images.size(); ++i) {
        photos.append(makePhoto(images[i], QStringLiteral("p%1.png").arg(i), mode));
        photos.back()->f_Linear_Intersection_Level = levels[i];
    }
    return photos;
}

QImage linearMix(const PhotoList &photos, quint64 mode)
{
    return renderPass(photos, mode, QSizeF(300, 200), true).mixed;
}

// The pixel at `along` on the strip's axis, in the middle of the other axis.
QRgb alongPixel(const QImage &image, bool vertical, int along)
{
    return vertical ? pixelLL(image, image.width() / 2, along) : pixelLL(image, along, image.height() / 2);
}

} // namespace

TEST(LinearPipeline, PairNumbersFollowTheLaterPhotosLevel)
{
    struct Row {
        float level, extent, offset, growth;
    };
    // A 400-point frame: the extent 2*maxW - ((100-p)/100 + 1)*maxW*t, the later photo's
    // offset maxW - extent*t, the growth of the position maxW - 2*t*maxW.
    for (const Row &row :
         {Row{0, 800, 400, 400}, Row{90, 625, 243.75f, 200}, Row{180, 500, 150, 0}, Row{360, 400, 0, -400}}) {
        const LinearPair pair = linearPair(row.level, 400.0f);
        EXPECT_EQ(pair.extent, row.extent) << row.level;
        EXPECT_EQ(400.0f - pair.extent * pair.t, row.offset) << row.level;
        EXPECT_EQ(pair.growth, row.growth) << row.level;
    }
}

// Two photos of 400 x 300: the picture is the seam itself. Where the swipe shows only
// image B, the later photo (red = x, green = y) appears shifted by its offset.
TEST(LinearPipeline, TwoPhotosGiveTheSeamWithTheLaterPhotoAtItsOffset)
{
    struct Row {
        quint64 mode;
        float level;
        QSize size;
        int probe;    // a point of pure image B along the axis, or -1
        int expected; // the later photo's coordinate shown there, modulo 256
    };
    const Row rows[] = {
        {LinearHorizontal, 0, {800, 300}, 450, 50},  {LinearHorizontal, 180, {500, 300}, 450, 300 % 256},
        {LinearHorizontal, 360, {400, 300}, -1, 0},  {LinearVertical, 0, {400, 600}, 350, 50},
        {LinearVertical, 180, {400, 375}, 350, 237}, {LinearVertical, 360, {400, 300}, -1, 0},
    };
    for (const Row &row : rows) {
        const bool vertical = row.mode == LinearVertical;
        const QImage mixed = linearMix(
            linearPhotos({solidImage(400, 300, kRed), gradientImage(400, 300)}, {0, row.level}, row.mode),
            row.mode);
        ASSERT_EQ(mixed.size(), row.size) << row.mode << " " << row.level;
        if (row.probe < 0)
            continue;
        const QRgb shown = alongPixel(mixed, vertical, row.probe);
        EXPECT_NEAR(vertical ? qGreen(shown) : qRed(shown), row.expected, 1) << row.mode << " " << row.level;
    }
}

// Three photos: the second seam is drawn at the first pair's position with a band of
// maxW / 1.3 (maxH / 1.3) erased at its start, where the first seam shows through.
TEST(LinearPipeline, LaterSeamsLeaveTheirErasedBandToTheSeamBefore)
{
    struct Row {
        quint64 mode;
        QList<float> levels;
        QSize strip;
        int lastErased; // along the axis, -1 for no pixel check
    };
    const Row rows[] = {
        {LinearHorizontal, {0, 0, 0}, {1200, 300}, -1},
        {LinearVertical, {0, 0, 0}, {400, 900}, -1},
        {LinearHorizontal, {0, 0, 180}, {800, 300}, 400 + 307}, // band 307.7 wide
        {LinearVertical, {0, 0, 180}, {400, 600}, 300 + 230},   // band 230.8 high
    };
    for (const Row &row : rows) {
        const bool vertical = row.mode == LinearVertical;
        const PhotoList photos = linearPhotos(
            {solidImage(400, 300, kRed), solidImage(400, 300, kGreen), solidImage(400, 300, kBlue)},
            row.levels, row.mode);
        const QImage strip = linearMix(photos, row.mode);
        ASSERT_EQ(strip.size(), row.strip) << row.mode;
        if (row.lastErased < 0)
            continue;
        EXPECT_TRUE(colourNear(alongPixel(strip, vertical, row.lastErased), kGreen)) << row.mode;
        EXPECT_GT(qBlue(alongPixel(strip, vertical, row.lastErased + 1)), 100) << row.mode;
    }
}

TEST(LinearPipeline, LevelsThatLeaveNoStripGiveAnEmptyPicture)
{
    for (const quint64 mode : {quint64(LinearHorizontal), quint64(LinearVertical)}) {
        const QImage image = solidImage(400, 300, kRed);
        const PassResult three = renderPass(linearPhotos({image, image, image}, {0, 360, 360}, mode), mode,
                                            QSizeF(300, 200), true);
        EXPECT_TRUE(three.mixed.isNull());
        EXPECT_TRUE(three.draws.isEmpty());
        const QImage two = linearMix(linearPhotos({image, image}, {0, 360}, mode), mode);
        EXPECT_EQ(two.size(), QSize(400, 300)); // the seam of a complete overlap
    }
}

// A 6000 x 4000 photo fitted into 400 x 400 lands on the ladder at a size that a second
// fit of the fitted copy would change: every pass fits afresh from the photo's own
// picture, which stays as it was, so a second pass (or a fresh list, as quillane-mix has)
// gives the very same picture, in both directions.
TEST(LinearPipeline, EveryPassFitsFromTheOriginalPicture)
{
    for (const quint64 mode : {quint64(LinearHorizontal), quint64(LinearVertical)}) {
        const QImage a = gradientImage(6000, 4000), b = solidImage(6000, 4000, kBlue);
        const PhotoList photos = linearPhotos({a, b, a}, {0, 90, 200}, mode);
        const QImage first = linearMix(photos, mode);
        renderPass(photos, mode, QSizeF(640, 480), false); // the window paints in between
        const QImage second = linearMix(photos, mode);
        EXPECT_EQ(photos[0]->image.size(), QSize(6000, 4000)) << "the photo keeps its own picture";
        EXPECT_EQ(first.size(), second.size()) << "mode " << mode;
        EXPECT_TRUE(first == second) << "mode " << mode;
        EXPECT_TRUE(first == linearMix(linearPhotos({a, b, a}, {0, 90, 200}, mode), mode)) << "mode " << mode;
        EXPECT_EQ(linearFrame(fitLinearPhotos(photos)), QSizeF(fitLinearPhotos({photos[0]}).front().size()));
    }
}

TEST(LinearPipeline, DifferentProportionsAreStretchedToTheCommonFrame)
{
    const PhotoList photos =
        linearPhotos({solidImage(300, 400, kRed), solidImage(400, 300, kBlue)}, {0, 0}, LinearHorizontal);
    EXPECT_EQ(linearFrame(fitLinearPhotos(photos)), QSizeF(400, 400));
    const QImage seam = linearMix(photos, LinearHorizontal);
    ASSERT_EQ(seam.size(), QSize(800, 400));
    EXPECT_TRUE(colourNear(pixelLL(seam, 0, 399), kRed)); // P fills 400 x 400 of image A
    EXPECT_TRUE(colourNear(pixelLL(seam, 799, 399), kBlue));
}

TEST(LinearPipeline, TheFirstPhotosLevelHasNoEffect)
{
    for (const quint64 mode : {quint64(LinearHorizontal), quint64(LinearVertical)}) {
        const QImage a = gradientImage(400, 300);
        const QImage b = solidImage(400, 300, kBlue);
        EXPECT_EQ(linearMix(linearPhotos({a, b, a}, {0, 90, 45}, mode), mode),
                  linearMix(linearPhotos({a, b, a}, {270, 90, 45}, mode), mode));
    }
}

namespace {

// The strip as the pass lays it: the seams one by one at their accumulated positions.
QImage stripOfLaidSeams(const QList<Object_Linear_Position> &seams, QSizeF frame, bool vertical)
{
    LinearStrip strip(frame, seams.back().f_Position, vertical);
    for (qsizetype j = 0; j < seams.size() && strip.isValid(); ++j) {
        QImage seam = seams[j].image;
        strip.lay(seam, j == 0 ? 0.0f : seams[j - 1].f_Position, j > 0);
    }
    return strip.picture();
}

} // namespace

// The strip built row by row against the straightforward one, seam by seam (linearSeam,
// then LinearStrip erasing each later seam's band), bit for bit: two and three pictures
// in both directions, levels placing image B and the seams at whole, half and other
// fractions of a pixel (heights of 16-row blocks and beyond), ramps narrower than the
// pictures (seamScale) so that plain copies and mixes alternate, pictures with every
// alpha, both blend spaces.
TEST(LinearPipeline, StripBuiltByRowsIsTheStripOfLaidSeams)
{
    struct Row {
        QSize size;
        QList<float> levels;
        float seamScale;
        bool opaque;
        BlendSpace space;
    };
    const Row rows[] = {
        {{40, 30}, {0, 90}, 0.1f, true, BlendSpace::Linear},
        {{41, 29}, {0, 90, 90}, 0.1f, true, BlendSpace::Linear},
        {{120, 90}, {0, 45, 200}, 0.13f, true, BlendSpace::Srgb},
        {{75, 51}, {0, 90, 30, 120}, 0.17f, true, BlendSpace::Linear},
        {{64, 37}, {0, 0, 300}, 0.1f, false, BlendSpace::Linear},
        {{33, 47}, {0, 130}, 1.0f, false, BlendSpace::Srgb},
        {{50, 50}, {0, 360, 90}, 0.1f, true, BlendSpace::Linear},
        {{400, 20}, {0, 300}, 1.0f, true, BlendSpace::Srgb}, // image B where the ramp shows A
    };
    for (const Row &row : rows) {
        QList<QImage> pictures;
        for (qsizetype i = 0; i < row.levels.size(); ++i)
            pictures.append(noiseImage(row.size.width(), row.size.height(), quint32(7 + i), row.opaque));
        const QSizeF frame(row.size);
        for (const bool vertical : {false, true}) {
            const float along = float(vertical ? frame.height() : frame.width());
            QList<Object_Linear_Position> seams;
            float position = 0.0f;
            for (qsizetype k = 1; k < pictures.size(); ++k) {
                const LinearPair pair = linearPair(row.levels[k], along);
                position += pair.growth;
                seams.append({linearSeam(pictures[k - 1], pictures[k], frame, pair, vertical, row.space,
                                         row.seamScale),
                              position});
            }
            const QImage expected =
                seams.size() == 1 ? seams.front().image : stripOfLaidSeams(seams, frame, vertical);
            const QImage built =
                linearStripRows(pictures, frame, row.levels, vertical, row.space, row.seamScale);
            EXPECT_EQ(built.size(), expected.size()) << row.size.width() << " vertical " << vertical;
            EXPECT_TRUE(built == expected) << row.size.width() << " vertical " << vertical;
        }
    }
}
