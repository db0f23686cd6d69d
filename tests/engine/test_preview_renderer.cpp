#include "imaging/ReducedCopies.h"
#include "model/ProjectMode.h"
#include "render/PreviewRenderer.h"

#include "EventWait.h"
#include "PreviewCompare.h"

#include <gtest/gtest.h>

namespace {

PhotoList twoPhotos()
{
    PhotoList photos = {makePhoto(texturedImage(1600, 1200), QStringLiteral("a.png"), Composite),
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
    PhotoList photos = twoPhotos();
    quint64 mode = Composite;
    const QSizeF view(300, 200);
    PreviewRenderer renderer([&] { return PreviewRequest{photos, mode, view, 1.0}; });
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
    const PreviewFrame expected = renderPreviewFrame({twoPhotos(), mode, view, 1.0});
    photos[1]->m_Composite_Blend_Mode = 19;
    const PreviewFrame latest = renderPreviewFrame({photos, mode, view, 1.0});
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
    PhotoList photos = twoPhotos();
    const QSizeF view(240, 180);
    const PreviewFrame expected = renderPreviewFrame({photos, Composite, view, 1.0});
    PreviewRenderer renderer([&] { return PreviewRequest{photos, Composite, view, 1.0}; });
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
