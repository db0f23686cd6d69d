#include "model/ProjectMode.h"
#include "render/PassCache.h"
#include "render/PreviewRenderer.h"

#include "PreviewCompare.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace {

NewPhoto layer(int width, int height, int seed, quint64 blend)
{
    NewPhoto photo = makePhoto(texturedImage(width, height, seed), QStringLiteral("layer.png"), Composite);
    photo->bCompositeSizeOfBG = seed % 2 == 0;
    photo->m_Composite_Blend_Mode = blend;
    photo->f_Composite_Size = 10.0f * float(seed);
    photo->f_Composite_X_Offset = 5.0f;
    photo->f_Composite_Y_Offset = -7.0f;
    return photo;
}

struct Change {
    const char *name;
    std::function<void(NewPhotoList &, QSizeF &)> apply;
    qsizetype reusedSteps;    // steps of the previous pass still valid after the change
    bool live = false;        // a placing alone changed: the pass redraws the photo's region
    qsizetype reusedCuts = 0; // Shape: photos whose cut-out layer and mask were taken again
};

// How many steps of `after` hold the same pictures as `before`'s: in `Picture`, from the
// first step on, up to the first that differs; else in `Cut`, the cut-outs, anywhere.
enum class Reuse { Picture, Cut };
qsizetype reusedSteps(const PassCache &before, const PassCache &after, Reuse what)
{
    qsizetype reused = 0;
    for (qsizetype i = 0; i < std::min(before.steps.size(), after.steps.size()); ++i) {
        if (what == Reuse::Cut) {
            reused += !after.steps[i].coverage.isNull() && // the mask: a layer may be the photo itself
                      after.steps[i].coverage.cacheKey() == before.steps[i].coverage.cacheKey();
        } else if (after.steps[i].picture.cacheKey() == before.steps[i].picture.cacheKey()) {
            ++reused;
        } else {
            break;
        }
    }
    return reused;
}

} // namespace

// After each kind of change, a pass that starts from the cache paints exactly what a
// pass from scratch paints, and it reuses the steps before the first changed photo.
TEST(PassCache, CachedPassesEqualPassesFromScratch)
{
    NewPhotoList photos = {makePhoto(texturedImage(1300, 900), QStringLiteral("bg.png"), Composite),
                           layer(700, 500, 1, 16), layer(900, 900, 2, 21), layer(640, 480, 3, 5),
                           layer(500, 800, 4, 2)};
    QSizeF view(400, 300);
    ProjectOptions options;
    const QList<Change> changes = {
        {"nothing", [](NewPhotoList &, QSizeF &) {}, 4},
        {"top photo's blend", [](NewPhotoList &p, QSizeF &) { p[4]->m_Composite_Blend_Mode = 9; }, 3},
        {"third photo's picture", [](NewPhotoList &p, QSizeF &) { p[2]->image = texturedImage(900, 900, 7); },
         1},
        {"flag", [](NewPhotoList &p, QSizeF &) { p[3]->bCompositeSizeOfBG = !p[3]->bCompositeSizeOfBG; }, 2},
        {"top photo's opacity", [](NewPhotoList &p, QSizeF &) { p[4]->f_Composite_Opacity = 40.0f; }, 3},
        {"blend space", [&options](NewPhotoList &, QSizeF &) { options.blendSpace = BlendSpace::Srgb; }, 0},
        {"two swapped", [](NewPhotoList &p, QSizeF &) { p.swapItemsAt(2, 3); }, 1},
        {"photo added", [](NewPhotoList &p, QSizeF &) { p.append(layer(300, 300, 5, 16)); }, 4},
        {"photo removed", [](NewPhotoList &p, QSizeF &) { p.removeAt(4); }, 3},
        {"second photo's offset", [](NewPhotoList &p, QSizeF &) { p[1]->f_Composite_X_Offset = 30.0f; }, 0,
         true},
        {"background", [](NewPhotoList &p, QSizeF &) { p[0]->image = texturedImage(1300, 900, 9); }, 0},
        {"view size", [](NewPhotoList &, QSizeF &v) { v = QSizeF(500, 300); }, 0},
    };
    PassCache cache;
    renderPreviewFrame({photos, Composite, view, 1.0, options, {}}, &cache);
    ASSERT_EQ(cache.steps.size(), 4);
    for (const Change &change : changes) {
        SCOPED_TRACE(change.name);
        const PassCache before = cache;
        change.apply(photos, view);
        const PreviewFrame cached = renderPreviewFrame({photos, Composite, view, 1.0, options, {}}, &cache);
        const PreviewFrame scratch = renderPreviewFrame({photos, Composite, view, 1.0, options, {}});
        if (change.live) { // the draws of a reduced view are redrawn in the region alone
            EXPECT_TRUE(cache.steps.front().live);
            EXPECT_LE(meanAbsoluteDifference(cached.image, scratch.image), 0.5);
            EXPECT_LE(largestDifference(cached.image, scratch.image), 40);
        } else {
            EXPECT_EQ(cached.image, scratch.image);
        }
        ASSERT_EQ(cache.steps.size(), photos.size() - 1);
        EXPECT_EQ(reusedSteps(before, cache, Reuse::Picture), change.reusedSteps);
    }
    EXPECT_LE(cache.sizeInBytes(), PassCache::kPassCacheBytes);
}

// The Shape pipeline keeps its steps too: the same table of changes, its own fields.
TEST(PassCache, CachedShapePassesEqualPassesFromScratch)
{
    NewPhotoList photos = {makePhoto(texturedImage(1000, 700), QStringLiteral("bg.png"), Shape)};
    for (int i = 1; i <= 3; ++i) {
        photos.append(makePhoto(texturedImage(600, 400, i), QStringLiteral("layer.png"), Shape));
        photos[i]->m_Shape_Type = quint64(i);
    }
    QSizeF view(400, 300);
    ProjectOptions options;
    // The photos above a change keep their cut-outs while the pass's scale stays.
    const QList<Change> changes = {
        {"top photo's shape", [](NewPhotoList &p, QSizeF &) { p[3]->m_Shape_Type = 7; }, 2, false, 2},
        {"first layer's size", [](NewPhotoList &p, QSizeF &) { p[1]->f_Shape_Size = 80.0f; }, 0, false, 2},
        {"first layer turned", [](NewPhotoList &p, QSizeF &) { p[1]->f_Shape_Rotation = 30.0f; }, 0, false,
         2},
        {"middle offset", [](NewPhotoList &p, QSizeF &) { p[2]->f_Shape_Y_Offset = 25.0f; }, 1, false, 2},
        {"middle feather", [](NewPhotoList &p, QSizeF &) { p[2]->f_Shape_Feather = 40.0f; }, 1, false, 2},
        {"blend space", [&options](NewPhotoList &, QSizeF &) { options.blendSpace = BlendSpace::Srgb; }, 0,
         false, 3},
        {"photo added", [](NewPhotoList &p, QSizeF &) { p.append(p[1]); }, 3, false, 3},
        {"view size", [](NewPhotoList &, QSizeF &v) { v = QSizeF(300, 300); }, 0, false, 4},
        {"smaller view", [](NewPhotoList &, QSizeF &v) { v = QSizeF(100, 80); }, 0, false, 0},
    };
    PassCache cache;
    renderPreviewFrame({photos, Shape, view, 1.0, options, {}}, &cache);
    for (const Change &change : changes) {
        SCOPED_TRACE(change.name);
        const PassCache before = cache;
        change.apply(photos, view);
        const PreviewFrame cached = renderPreviewFrame({photos, Shape, view, 1.0, options, {}}, &cache);
        EXPECT_EQ(cached.image, renderPreviewFrame({photos, Shape, view, 1.0, options, {}}).image);
        ASSERT_EQ(cache.steps.size(), photos.size() - 1);
        EXPECT_EQ(reusedSteps(before, cache, Reuse::Picture), change.reusedSteps);
        EXPECT_EQ(reusedSteps(before, cache, Reuse::Cut), change.reusedCuts);
    }
}

// Transparent keeps each photo's draws: after a change the view shows what a pass from
// scratch shows, and only the changed photos are drawn again.
TEST(PassCache, CachedTransparentPassesDrawWhatPassesFromScratchDraw)
{
    NewPhotoList photos = {makePhoto(texturedImage(1000, 700), QStringLiteral("bg.png"), Transparent)};
    for (int i = 1; i <= 3; ++i) {
        photos.append(makePhoto(texturedImage(600, 400, i), QStringLiteral("layer.png"), Transparent));
        photos[i]->f_Transparent_Transparency = quint64(20 * i);
        photos[i]->f_Transparent_Size = 40.0f;
        photos[i]->f_Transparent_X_Offset = 15.0f * float(i);
    }
    QSizeF view(400, 300);
    // reusedSteps: the photos whose draws were kept, at least (one drawn again without a
    // reduction shares its picture with the draw it had)
    const QList<Change> changes = {
        {"nothing", [](NewPhotoList &, QSizeF &) {}, 4},
        {"middle moved", [](NewPhotoList &p, QSizeF &) { p[2]->f_Transparent_Y_Offset = 30.0f; }, 3},
        {"bottom painted",
         [](NewPhotoList &p, QSizeF &) {
             p[1]->mask.strokes.append({false, 0.3, 50, 80, {{0.2, 0.5}, {0.8, 0.4}}});
         },
         3},
        {"top turned", [](NewPhotoList &p, QSizeF &) { p[3]->f_Transparent_Rotation = 30.0f; }, 3},
        {"two swapped", [](NewPhotoList &p, QSizeF &) { p.swapItemsAt(1, 3); }, 4},
        {"photo removed", [](NewPhotoList &p, QSizeF &) { p.removeAt(2); }, 3},
        {"background", [](NewPhotoList &p, QSizeF &) { p[0]->image = texturedImage(1000, 700, 9); }, 2},
        {"view size", [](NewPhotoList &, QSizeF &v) { v = QSizeF(300, 300); }, 0},
    };
    PassCache cache;
    renderPreviewFrame({photos, Transparent, view, 1.0, {}, {}}, &cache);
    for (const Change &change : changes) {
        SCOPED_TRACE(change.name);
        QList<qint64> before;
        for (const PassCache::Step &step : cache.steps)
            before.append(step.draws.isEmpty() ? 0 : step.draws.front().image.cacheKey());
        change.apply(photos, view);
        const PreviewFrame cached = renderPreviewFrame({photos, Transparent, view, 1.0, {}, {}}, &cache);
        EXPECT_EQ(cached.image, renderPreviewFrame({photos, Transparent, view, 1.0, {}, {}}).image);
        ASSERT_EQ(cache.steps.size(), photos.size());
        const qsizetype reused = std::count_if(cache.steps.begin(), cache.steps.end(), [&](const auto &step) {
            return !step.draws.isEmpty() && before.contains(step.draws.front().image.cacheKey());
        });
        EXPECT_GE(reused, change.reusedSteps);
    }
}

// A step that would take the cache past its bound is not kept; a mismatch drops the rest.
TEST(PassCache, StepsBeyondTheBoundAreNotKept)
{
    PassCache cache;
    const QImage big(7300, 7000, QImage::Format_ARGB32_Premultiplied); // 204 MB, never touched
    cache.append({1, QImage(100, 100, QImage::Format_ARGB32_Premultiplied), {}, {}});
    cache.append({2, big, {}, {}});
    EXPECT_EQ(cache.steps.size(), 1);
    EXPECT_EQ(cache.keepMatching({1, 3}), 1);
    EXPECT_EQ(cache.keepMatching({4}), 0);
    EXPECT_TRUE(cache.steps.isEmpty());
}
