#include "imaging/Filters.h"
#include "imaging/Geometry.h"
#include "model/ProjectMode.h"
#include "render/CompositePipeline.h"
#include "render/PlacedLayer.h"

#include "TestImages.h"

namespace {

constexpr quint64 kAddition = 0;
constexpr quint64 kDifference = 5;
constexpr quint64 kMultiply = 16;
const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kGrey = qRgb(128, 128, 128);

NewPhoto photo(const QImage &image)
{
    return makePhoto(image, QStringLiteral("p.png"), Composite);
}

PassResult compose(const PhotoList &photos)
{
    return renderPass(photos, Composite, QSizeF(300, 200), true);
}

} // namespace

TEST(CompositePipeline, CommonFrameTakesTheLargestWidthAndHeightSeparately)
{
    const PhotoList photos = {photo(solidImage(1000, 500, kGrey)), photo(solidImage(600, 800, kGrey))};
    EXPECT_EQ(compositeCommonFrame(photos), QSizeF(1000, 800));
    const PassResult pass = compose(photos);
    EXPECT_EQ(pass.mixed.size(), QSize(1000, 800)); // background stretched, photo stretched
    EXPECT_EQ(compositeCommonFrame({photo(QImage()), photo(solidImage(3, 2, kGrey))}), QSizeF(3, 2));
}

TEST(CompositePipeline, DefaultsStretchThePhotoOverTheBackgroundWithTheFirstMode)
{
    const PhotoList photos = {photo(solidImage(60, 40, qRgb(100, 0, 0))),
                              photo(solidImage(30, 20, qRgb(0, 0, 100)))};
    ASSERT_TRUE(photos[1]->bCompositeSizeOfBG);
    ASSERT_EQ(photos[1]->m_Composite_Blend_Mode, kAddition);
    const PassResult pass = compose(photos);
    ASSERT_EQ(pass.mixed.size(), QSize(60, 40));
    EXPECT_TRUE(colourNear(pixelLL(pass.mixed, 5, 5), qRgb(100, 0, 100)));   // added, not multiplied
    EXPECT_TRUE(colourNear(pixelLL(pass.mixed, 55, 35), qRgb(100, 0, 100))); // stretched over all of it
}

TEST(CompositePipeline, UnscaledLayerSitsInTheLowerLeftCornerOfTheStretchedBackground)
{
    const PhotoList photos = {photo(solidImage(50, 40, kGrey)),
                              placedCompositePhoto(solidImage(100, 80, kBlack), kAddition),
                              placedCompositePhoto(solidImage(20, 10, kBlack), kMultiply)};
    const PassResult pass = compose(photos);
    ASSERT_EQ(pass.mixed.size(), QSize(100, 80));
    EXPECT_TRUE(colourNear(pixelLL(pass.mixed, 2, 2), kBlack)); // inside the 20 x 10 photo
    EXPECT_TRUE(colourNear(pixelLL(pass.mixed, 19, 9), kBlack));
    EXPECT_TRUE(colourNear(pixelLL(pass.mixed, 21, 5), kGrey, 2));  // right of it
    EXPECT_TRUE(colourNear(pixelLL(pass.mixed, 5, 11), kGrey, 2));  // above it
    EXPECT_TRUE(colourNear(pixelLL(pass.mixed, 99, 79), kGrey, 2)); // background stretched to 100 x 80
}

TEST(CompositePipeline, ScaledAndOffsetLayerFollowsThePlacedLayerGeometry)
{
    const PhotoList photos = {photo(solidImage(400, 300, kGrey)),
                              placedCompositePhoto(solidImage(200, 100, kBlack), kMultiply, 50, 10, 20)};
    const PassResult pass = compose(photos);
    ASSERT_EQ(pass.mixed.size(), QSize(400, 300));
    EXPECT_TRUE(colourNear(pixelLL(pass.mixed, 21, 21), kBlack)); // photo at (20, 20, 300, 150)
    EXPECT_TRUE(colourNear(pixelLL(pass.mixed, 318, 168), kBlack));
    EXPECT_TRUE(colourNear(pixelLL(pass.mixed, 18, 100), kGrey, 2));
    EXPECT_TRUE(colourNear(pixelLL(pass.mixed, 100, 172), kGrey, 2));
    EXPECT_TRUE(colourNear(pixelLL(pass.mixed, 330, 100), kGrey, 2));
}

TEST(CompositePipeline, ThreePhotosChainAndEachStepIsDrawnFitted)
{
    auto build = [](float secondX) {
        return PhotoList{photo(solidImage(100, 100, kWhite)),
                         placedCompositePhoto(solidImage(10, 10, kBlack), kMultiply, 0, secondX, 0),
                         placedCompositePhoto(solidImage(100, 100, kWhite), kMultiply)};
    };
    const PassResult pass = compose(build(0));
    ASSERT_EQ(pass.draws.size(), 2);
    EXPECT_EQ(pass.draws[1].rect, return_Best_Fit_Frame(QSizeF(100, 100), QSizeF(300, 200)));
    EXPECT_TRUE(colourNear(pixelLL(pass.mixed, 5, 5), kBlack)); // the third is laid over the second's result
    const PassResult moved = compose(build(500));               // second photo moved 50 points right
    EXPECT_TRUE(colourNear(pixelLL(moved.mixed, 5, 5), kWhite));
    EXPECT_TRUE(colourNear(pixelLL(moved.mixed, 55, 5), kBlack));
}

TEST(CompositePipeline, BackgroundsOwnCompositeFieldsHaveNoEffect)
{
    const QImage back = gradientImage(64, 48);
    const QImage front = gradientImage(32, 24).mirrored(true, false);
    const PassResult plain = compose({photo(back), placedCompositePhoto(front, kDifference, 20, 5, 5)});
    NewPhoto tuned = photo(back);
    tuned->bCompositeSizeOfBG = false;
    tuned->m_Composite_Blend_Mode = kMultiply;
    tuned->f_Composite_Size = 80;
    tuned->f_Composite_X_Offset = 30;
    const PassResult same = compose({tuned, placedCompositePhoto(front, kDifference, 20, 5, 5)});
    EXPECT_EQ(plain.mixed, same.mixed);
    EXPECT_NE(plain.mixed, compose({photo(back), placedCompositePhoto(front, kMultiply, 20, 5, 5)}).mixed);
}

TEST(CompositePipeline, PhotosWithoutPictureOrWithAnEmptyLayerDoNotBreakThePass)
{
    const PhotoList photos = {photo(solidImage(40, 30, kGrey)), photo(QImage()),
                              placedCompositePhoto(solidImage(40, 30, kBlack), kMultiply, -100),
                              placedCompositePhoto(QImage(), kMultiply, 10, 10, 10)};
    const PassResult pass = compose(photos);
    ASSERT_FALSE(pass.mixed.isNull());
    EXPECT_EQ(pass.mixed.size(), QSize(40, 30));
    EXPECT_EQ(pass.draws.size(), 3);
    EXPECT_TRUE(colourNear(pixelLL(pass.mixed, 20, 15), kGrey, 2)); // nothing covered the background
    const PassResult nullBackground = compose({photo(QImage()), photo(solidImage(8, 6, kGrey))});
    EXPECT_EQ(nullBackground.mixed.size(), QSize(8, 6));
}
