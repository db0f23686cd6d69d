#include "imaging/Geometry.h"
#include "model/ProjectMode.h"
#include "render/CaptureStep.h"
#include "render/RenderPass.h"

#include "TestImages.h"

#include <QPainter>

namespace {

const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kGreen = qRgb(0, 200, 0);

QImage paintView(const PassResult &pass, QSize view)
{
    QImage canvas(view, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::magenta);
    QPainter painter(&canvas);
    paintPass(painter, QSizeF(view), QRectF(QPointF(0, 0), QSizeF(view)), pass);
    return canvas;
}

int countNear(const QImage &image, const QRect &area, QRgb colour, int tolerance)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += colourNear(image.pixel(x, y), colour, tolerance) ? 1 : 0;
    return count;
}

PhotoList onePhoto(const QImage &image, quint64 mode)
{
    return {makePhoto(image, QStringLiteral("photo.png"), mode)};
}

const quint64 kEveryMode[] = {LinearHorizontal, LinearVertical, Composite, Shape, Transparent, 77};

} // namespace

TEST(RenderPass, EmptyListShowsNoImageCentredAndKeepsACaptureWaiting)
{
    const PassResult pass = renderPass({}, Composite, QSizeF(800, 600), true);
    EXPECT_TRUE(pass.empty);
    EXPECT_TRUE(pass.draws.isEmpty());
    const QImage view = paintView(pass, QSize(800, 600));
    EXPECT_GT(countNear(view, QRect(250, 260, 300, 80), qRgb(255, 255, 255), 0), 100);
    // Outside a band around the centre everything is black (no magenta left either).
    EXPECT_EQ(countNear(view, QRect(0, 0, 800, 200), kBlack, 0), 800 * 200);
    EXPECT_EQ(countNear(view, QRect(0, 400, 800, 200), kBlack, 0), 800 * 200);
    EXPECT_EQ(countNear(view, QRect(0, 0, 150, 600), kBlack, 0), 150 * 600);

    CaptureState state{true, QImage(), QString(), QStringLiteral("/out"), QString()};
    captureStep(state, pass, QDateTime::currentDateTime());
    EXPECT_TRUE(state.b_Take_Picture);
    EXPECT_TRUE(state.imageSave.isNull());
    EXPECT_TRUE(state.s_Saved_Take_Picture.isEmpty());
}

TEST(RenderPass, NoImageTextIsCentredOnItsMeasuredBox)
{
    const QImage view = paintView(renderPass({}, Shape, QSizeF(600, 400), false), QSize(600, 400));
    int left = 600, right = -1, top = 400, bottom = -1;
    for (int y = 0; y < 400; ++y)
        for (int x = 0; x < 600; ++x)
            if (qRed(view.pixel(x, y)) > 128) {
                left = std::min(left, x), right = std::max(right, x);
                top = std::min(top, y), bottom = std::max(bottom, y);
            }
    ASSERT_GE(right, 0);
    EXPECT_NEAR((left + right) / 2.0, 300.0, 4.0); // the ink is centred across
    EXPECT_GT(right - left, 150);                  // a sizeable font
    EXPECT_LT(std::abs((top + bottom) / 2.0 - 200.0), 12.0);
}

TEST(RenderPass, OnePhotoIsFittedAndCentredInEveryMode)
{
    const QImage wide = solidImage(400, 100, kGreen);
    for (const quint64 mode : kEveryMode) {
        const PassResult pass = renderPass(onePhoto(wide, mode), mode, QSizeF(200, 200), false);
        ASSERT_EQ(pass.draws.size(), 1) << "mode " << mode;
        EXPECT_EQ(pass.draws[0].rect, return_Best_Fit_Frame(QSizeF(400, 100), QSizeF(200, 200)));
        EXPECT_EQ(pass.mixed.constBits(), wide.constBits()) << "the photo itself is the mixed picture";
        const QImage view = paintView(pass, QSize(200, 200));
        EXPECT_TRUE(colourNear(pixelLL(view, 100, 100), kGreen));
        EXPECT_TRUE(colourNear(pixelLL(view, 100, 10), kBlack));  // band below
        EXPECT_TRUE(colourNear(pixelLL(view, 100, 190), kBlack)); // band above
        EXPECT_TRUE(colourNear(pixelLL(view, 2, 100), kGreen));
    }
}

TEST(RenderPass, TallPhotoGetsBandsLeftAndRight)
{
    const PassResult pass =
        renderPass(onePhoto(solidImage(100, 400, kGreen), Composite), Composite, QSizeF(300, 200), false);
    const QImage view = paintView(pass, QSize(300, 200));
    EXPECT_TRUE(colourNear(pixelLL(view, 150, 100), kGreen));
    EXPECT_TRUE(colourNear(pixelLL(view, 150, 2), kGreen));
    EXPECT_TRUE(colourNear(pixelLL(view, 10, 100), kBlack));
    EXPECT_TRUE(colourNear(pixelLL(view, 290, 100), kBlack));
}

TEST(RenderPass, FittedDrawComesReducedToTheFramesPixels)
{
    const QImage big = gradientImage(1600, 1200);
    const PassResult pass = renderPass(onePhoto(big, Composite), Composite, QSizeF(400, 300), false, 2.0);
    ASSERT_EQ(pass.draws.size(), 1);
    const QRectF frame = return_Best_Fit_Frame(QSizeF(1600, 1200), QSizeF(400, 300));
    EXPECT_EQ(frame.width(), 384.0); // the ladder steps by 32 points of width
    EXPECT_NEAR(frame.height(), 288.0, 1e-3);
    EXPECT_EQ(pass.draws[0].rect, frame);
    EXPECT_EQ(pass.draws[0].image.size(), QSize(768, 576));
    EXPECT_EQ(pass.mixed.size(), QSize(1600, 1200));
}

TEST(RenderPass, PhotoWithoutPictureDrawsOnlyBlack)
{
    const PassResult pass = renderPass(onePhoto(QImage(), Composite), Composite, QSizeF(50, 40), true);
    EXPECT_FALSE(pass.empty);
    EXPECT_TRUE(pass.draws.isEmpty());
    EXPECT_EQ(countNear(paintView(pass, QSize(50, 40)), QRect(0, 0, 50, 40), kBlack, 0), 50 * 40);
}

TEST(RenderPass, EveryModeDrawsAndCapturesButUnknownModesStayBlack)
{
    for (const quint64 mode : {quint64(Shape), quint64(LinearHorizontal), quint64(LinearVertical),
                               quint64(Transparent), quint64(5), quint64(1) << 40}) {
        const PhotoList photos = {makePhoto(solidImage(40, 30, kGreen), "a.png", mode),
                                  makePhoto(solidImage(40, 30, kGreen), "b.png", mode)};
        const PassResult pass = renderPass(photos, mode, QSizeF(80, 60), true);
        const bool known = isKnownProjectMode(mode);
        EXPECT_FALSE(pass.empty);
        EXPECT_EQ(pass.mixed.isNull(), !known) << "mode " << mode;
        const int black = countNear(paintView(pass, QSize(80, 60)), QRect(0, 0, 80, 60), kBlack, 0);
        if (known)
            EXPECT_LT(black, 80 * 60) << "mode " << mode;
        else
            EXPECT_EQ(black, 80 * 60) << "mode " << mode;
    }
}

TEST(RenderPass, OnePhotoPassCapturesThePhotoAtItsOwnResolution)
{
    const QImage photo = gradientImage(640, 480);
    const PhotoList photos = {makePhoto(photo, "a.png", 3)};
    CaptureState state{true, QImage(), QString(), QStringLiteral("/out"), QString()};
    captureStep(state, renderPass(photos, 3, QSizeF(100, 100), state.b_Take_Picture),
                QDateTime(QDate(2026, 3, 7), QTime(14, 5, 9)));
    EXPECT_FALSE(state.b_Take_Picture);
    EXPECT_EQ(state.imageSave, photo);
}

TEST(RenderPass, PartialRepaintBlackensOnlyItsRectangle)
{
    const PassResult pass = renderPass({}, Composite, QSizeF(200, 100), false);
    QImage canvas(200, 100, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::magenta);
    {
        QPainter painter(&canvas);
        painter.setClipRect(QRect(0, 0, 50, 100));
        paintPass(painter, QSizeF(200, 100), QRectF(0, 0, 50, 100), pass);
    }
    EXPECT_TRUE(colourNear(canvas.pixel(10, 10), kBlack));
    EXPECT_TRUE(colourNear(canvas.pixel(150, 10), qRgb(255, 0, 255)));
}
