#include "model/ProjectMode.h"
#include "render/PassCache.h"
#include "render/RenderPass.h"

#include "PreviewCompare.h"
#include "TestImages.h"

#include <functional>

// A Shape photo changed alone (dragged, turned, its mask painted) is cut afresh only
// where its cut-out showed or shows now, through the photos above it, from the pass
// cache's steps. A cut is pointwise: the picture must be the full pass's, bit for bit.
namespace {

// A background and four photos, each cut out by its own shape, partly over each other;
// the second feathered and turned, the third masked.
NewPhotoList shapeProject()
{
    NewPhotoList photos = {makePhoto(texturedImage(400, 300, 0), QStringLiteral("a.png"), Shape)};
    for (int i = 1; i <= 4; ++i) {
        NewPhoto photo = makePhoto(texturedImage(200, 150, i), QStringLiteral("l.png"), Shape);
        photo->m_Shape_Type = quint64(i + 1);
        photo->f_Shape_Size = -10.0f * float(i);
        photo->f_Shape_X_Offset = 25.0f * float(i);
        photo->f_Shape_Y_Offset = 20.0f * float(i % 3);
        photos.append(photo);
    }
    photos[2]->f_Shape_Feather = 30.0f;
    photos[2]->f_Shape_Rotation = 25.0f;
    photos[3]->mask.gradients = {{MaskGradient::Linear, {0.1, 0.2}, {0.9, 0.7}, 0, 0}};
    return photos;
}

struct Change {
    const char *name;
    std::function<void(Object_Photo &)> apply;
};

} // namespace

// The changes of one photo, one after the other, for the bottom, a middle and the top
// photo, in a view that reduces the picture and one that shows it as it is.
TEST(LiveShape, OnePhotosChangesRecutItsRegionAsTheFullPassCutsIt)
{
    const Change changes[] = {
        {"moved", [](Object_Photo &p) { p.f_Shape_X_Offset += 12.0f; }},
        {"moved again", [](Object_Photo &p) { p.f_Shape_Y_Offset += 7.0f; }},
        {"scaled", [](Object_Photo &p) { p.f_Shape_Size -= 15.0f; }},
        {"turned", [](Object_Photo &p) { p.f_Shape_Rotation = 40.0f; }},
        {"mirrored", [](Object_Photo &p) { p.bShapeFlipHorizontal = true; }},
        {"feathered", [](Object_Photo &p) { p.f_Shape_Feather = 60.0f; }},
        {"another shape", [](Object_Photo &p) { p.m_Shape_Type = 9; }},
        {"a stroke painted",
         [](Object_Photo &p) {
             p.mask.strokes.append({false, 0.2, 50, 80, {{0.2, 0.5}, {0.8, 0.4}}});
         }},
        {"moved off the lower left", [](Object_Photo &p) { p.f_Shape_X_Offset = -30.0f; }},
        {"grown past the picture", [](Object_Photo &p) { p.f_Shape_Size = 150.0f; }},
        {"back inside", [](Object_Photo &p) { p.f_Shape_Size = -20.0f; }},
    };
    for (const QSizeF view : {QSizeF(200, 150), QSizeF(400, 300)}) {
        for (const qsizetype k : {1, 2, 4}) {
            NewPhotoList photos = shapeProject();
            PassCache cache;
            renderPass(photos, Shape, view, false, 1.0, {}, &cache);
            for (const Change &change : changes) {
                NewPhoto changed = std::make_shared<Object_Photo>(*photos[k]);
                change.apply(*changed);
                photos[k] = changed;
                const std::string where = std::string(change.name) + ", photo " + std::to_string(k) +
                                          ", view " + std::to_string(view.width());
                const PassResult cached = renderPass(photos, Shape, view, false, 1.0, {}, &cache);
                const PassResult full = renderPass(photos, Shape, view, false);
                ASSERT_FALSE(full.mixed.isNull()) << where;
                EXPECT_EQ(cached.mixed, full.mixed) << where;
                EXPECT_EQ(cached.fullSize, full.fullSize) << where;
                EXPECT_EQ(viewOf(cached, view.toSize()), viewOf(full, view.toSize())) << where;
            }
        }
    }
}

// A stroke grown point by point on the bottom and the top photo: each pass cuts only what
// the new points reach, with the mask applied to the photo as it lies (close to the full
// pass), and the pass after the stroke is the full pass's picture, bit for bit.
TEST(LiveShape, AGrowingStrokeRecutsWhatItReachesAndTheWholeCutFollows)
{
    for (const qsizetype k : {1, 4}) {
        NewPhotoList photos = shapeProject();
        PassCache cache;
        const QSizeF view(400, 300);
        const QImage unpainted = renderPass(photos, Shape, view, false, 1.0, {}, &cache).mixed;
        MaskStroke growing{false, 0.2, 50, 100, {}};
        for (const QPointF point :
             {QPointF(0.2, 0.3), QPointF(0.4, 0.4), QPointF(0.6, 0.5), QPointF(0.8, 0.7)}) {
            growing.points.append(point);
            NewPhoto painted = std::make_shared<Object_Photo>(*photos[k]);
            painted->mask.strokes = {growing};
            photos[k] = painted;
            const QImage live = renderPass(photos, Shape, view, false, 1.0, {}, &cache).mixed;
            ASSERT_TRUE(cache.steps[k - 1].live) << "the live path was taken, photo " << k;
            const QImage full = renderPass(photos, Shape, view, false).mixed;
            EXPECT_LE(meanAbsoluteDifference(live, full), 0.5) << "photo " << k;
            EXPECT_LE(largestDifference(live, full), 40) << "photo " << k;
            EXPECT_GT(largestDifference(live, unpainted), 20) << "the stroke shows, photo " << k;
        }
        const QImage after = renderPass(photos, Shape, view, false, 1.0, {}, &cache).mixed;
        EXPECT_FALSE(cache.steps[k - 1].live) << "photo " << k;
        EXPECT_EQ(after, renderPass(photos, Shape, view, false).mixed) << "photo " << k;
    }
}
