#include "imaging/ReducedCopies.h"
#include "model/ProjectMode.h"
#include "render/PreviewRenderer.h"
#include "render/RenderPass.h"

#include "EventWait.h"
#include "PreviewCompare.h"

#include <gtest/gtest.h>

namespace {

NewPhotoList twoPhotos()
{
    NewPhotoList photos = {makePhoto(texturedImage(1600, 1200), QStringLiteral("a.png"), Composite),
                           makePhoto(texturedImage(900, 700, 1), QStringLiteral("b.png"), Composite)};
    photos[1]->m_Composite_Blend_Mode = 16;
    return photos;
}

// Runs the event loop until the renderer has no pass running or waiting.
void waitUntilIdle(PreviewRenderer &renderer)
{
    runEventsUntil([&] { return !renderer.isBusy(); });
}

} // namespace

// A burst of requests while a pass runs gives one more pass, of the state at its start;
// the frames equal a pass made directly, and the reduced copies a pass built stay with
// the project's photos.
TEST(PreviewRenderer, ABurstCoalescesIntoOnePassOfTheLatestState)
{
    NewPhotoList photos = twoPhotos();
    quint64 mode = Composite;
    const QSizeF view(300, 200);
    PreviewRenderer renderer([&] { return PreviewRequest{photos, mode, view, 1.0, {}, {}}; });
    QList<PreviewFrame> frames;
    QObject::connect(&renderer, &PreviewRenderer::frameReady,
                     [&](const PreviewFrame &f) { frames.append(f); });
    renderer.request();
    for (quint64 blend = 0; blend < 20; ++blend) {
        photos[1]->m_Composite_Blend_Mode = blend;
        renderer.request();
    }
    waitUntilIdle(renderer);
    ASSERT_EQ(frames.size(), 2);
    EXPECT_EQ(renderer.passCount(), 2);
    const PreviewFrame expected = renderPreviewFrame({twoPhotos(), mode, view, 1.0, {}, {}});
    photos[1]->m_Composite_Blend_Mode = 19;
    const PreviewFrame latest = renderPreviewFrame({photos, mode, view, 1.0, {}, {}});
    EXPECT_EQ(frames[0].image, expected.image) << "the first pass took the state of its own start";
    EXPECT_EQ(frames[1].image, latest.image);
    EXPECT_NE(frames[0].image, frames[1].image);
    EXPECT_TRUE(frames[1].drewPhotos);
    EXPECT_EQ(frames[1].image.size(), QSize(300, 200));
    ASSERT_TRUE(photos[0]->reducedCopies);
    EXPECT_EQ(photos[0]->reducedCopies->sourceKey, photos[0]->image.cacheKey());

    photos.clear();
    renderer.request();
    waitUntilIdle(renderer);
    ASSERT_EQ(frames.size(), 3);
    EXPECT_FALSE(frames[2].drewPhotos);
}

// Changes made while a pass runs never reach it: it works on its own copies.
TEST(PreviewRenderer, APassRunsOverASnapshot)
{
    NewPhotoList photos = twoPhotos();
    const QSizeF view(240, 180);
    const PreviewFrame expected = renderPreviewFrame({photos, Composite, view, 1.0, {}, {}});
    PreviewRenderer renderer([&] { return PreviewRequest{photos, Composite, view, 1.0, {}, {}}; });
    PreviewFrame first;
    QObject::connect(&renderer, &PreviewRenderer::frameReady, [&](const PreviewFrame &f) {
        if (first.image.isNull())
            first = f;
    });
    renderer.request();
    photos[1]->m_Composite_Blend_Mode = 5;
    photos[1]->f_Composite_Size = -30.0f;
    photos[0]->image = texturedImage(500, 500, 4);
    waitUntilIdle(renderer);
    EXPECT_EQ(first.image, expected.image);
}

// A canvas at 100 % asks for regions: each frame, made on the worker, holds the
// capture's pixels of its region and tells the picture's size, whether the region was
// rendered alone (photos of one size, unmoved), cropped from the whole picture, or
// cropped again from the picture kept for a pan.
TEST(PreviewRenderer, RegionFramesHoldTheCapturesPixels)
{
    const struct {
        const char *name;
        quint64 mode;
        QSize layer;
        float offset;
    } rows[] = {
        {"composite of one size", Composite, {640, 480}, 0.0f},
        {"composite, moved layer", Composite, {360, 280}, 12.5f},
        {"shape", Shape, {360, 280}, 8.0f},
        {"transparent", Transparent, {360, 280}, 8.0f},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        NewPhotoList photos = {makePhoto(texturedImage(640, 480), QStringLiteral("a.png"), row.mode),
                               makePhoto(texturedImage(row.layer.width(), row.layer.height(), 1),
                                         QStringLiteral("b.png"), row.mode)};
        photos[1]->m_Composite_Blend_Mode = 8;
        photos[1]->f_Composite_Opacity = 60.0f;
        photos[1]->f_Composite_X_Offset = photos[1]->f_Shape_X_Offset = photos[1]->f_Transparent_X_Offset =
            row.offset;
        const QImage capture = renderPass(photos, row.mode, QSizeF(), true).mixed;
        QRect region(121, 83, 256, 192);
        PreviewRenderer renderer([&] {
            return PreviewRequest{photos, row.mode, {256, 192}, 1.0, {}, region};
        });
        QList<PreviewFrame> frames;
        QObject::connect(&renderer, &PreviewRenderer::frameReady,
                         [&](const PreviewFrame &f) { frames.append(f); });
        for (const QPoint pan : {QPoint(0, 0), QPoint(-39, 14), QPoint(360, 240)}) {
            region.translate(pan);
            renderer.request();
            waitUntilIdle(renderer);
            const QRect inside = region & capture.rect(); // the last pan runs off the picture
            ASSERT_FALSE(frames.isEmpty());
            EXPECT_EQ(frames.back().region, inside);
            EXPECT_EQ(frames.back().pictureSize, capture.size());
            EXPECT_EQ(frames.back().image,
                      capture.copy(inside).convertToFormat(QImage::Format_ARGB32_Premultiplied));
        }
    }
}
