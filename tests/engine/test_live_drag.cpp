#include "model/PhotoPlacement.h"
#include "model/ProjectMode.h"
#include "render/PassCache.h"
#include "render/RenderPass.h"

#include "PreviewCompare.h"
#include "TestImages.h"

#include <QPainter>

#include <algorithm>
#include <utility>

// A photo dragged on the canvas: each preview pass redraws only the region its layer
// covered before and covers now, from the pass cache's steps. Its mixed picture must be
// the full pass's, pixel for pixel, wherever the photo goes and however it is turned.
namespace {

constexpr quint64 kNormal = 24;
constexpr quint64 kMultiply = 16;

// A background and three placed photos, each partly see-through, so that a photo
// dragged under the others shows through them and they through it; the third one
// turned, the first masked; over them a masked photo the background's size (its mask
// is the blend's coverage).
NewPhotoList dragProject(bool seeThrough = false)
{
    QImage background = texturedImage(800, 600, 0);
    if (seeThrough) { // the picture is not opaque: the view draws every step's picture
        QPainter painter(&background);
        painter.setCompositionMode(QPainter::CompositionMode_DestinationIn);
        painter.fillRect(background.rect(), QColor(0, 0, 0, 140));
    }
    NewPhotoList photos = {makePhoto(background, QStringLiteral("a.png"), Composite)};
    for (int i = 1; i <= 3; ++i) {
        NewPhoto photo = placedCompositePhoto(texturedImage(400, 300, i), i == 2 ? kMultiply : kNormal,
                                              -10.0f * i, 20.0f * i, 15.0f * i);
        photo->f_Composite_Opacity = 70;
        photo->f_Composite_Rotation = i == 3 ? 20.0f : 0.0f; // a turned layer over the dragged ones
        photo->bCompositeFlipHorizontal = i == 2;
        if (i == 1)
            photo->mask.gradients = {{MaskGradient::Radial, {0.4, 0.5}, {}, 0.5, 0.1}};
        photos.append(photo);
    }
    NewPhoto top = placedCompositePhoto(texturedImage(800, 600, 4), kNormal, 0.0f, 0.0f, 0.0f);
    top->mask.gradients = {{MaskGradient::Linear, {0.2, 0.3}, {0.9, 0.6}, 0, 0}};
    photos.append(top);
    return photos;
}

struct Move {
    const char *name;
    float size, x, y, rotation;
    bool flipHorizontal, flipVertical;
};

void place(NewPhoto &photo, const Move &move)
{
    photo->f_Composite_Size = move.size;
    photo->f_Composite_X_Offset = move.x;
    photo->f_Composite_Y_Offset = move.y;
    photo->f_Composite_Rotation = move.rotation;
    photo->bCompositeFlipHorizontal = move.flipHorizontal;
    photo->bCompositeFlipVertical = move.flipVertical;
}

bool anyLive(const PassCache &cache)
{
    return std::any_of(cache.steps.begin(), cache.steps.end(),
                       [](const PassCache::Step &s) { return s.live; });
}

} // namespace

// The moves of one drag, one after the other, of the bottom, a middle and the top photo,
// in a view that shows the pass's picture as it is and in one that reduces it (there
// also over a see-through background).
TEST(LiveDrag, RegionPassesOfADragEqualTheFullPassAndTheFullPassFollows)
{
    const Move moves[] = {
        {"moved", -10, 35, 20, 0, false, false},
        {"moved again", -10, 38, 24, 0, false, false},
        {"scaled", -35, 38, 24, 0, false, false},
        {"enlarged", 15, 10, 5, 0, false, false},
        {"turned", 15, 10, 5, 30, false, false},
        {"turned further", 15, 10, 5, -65, false, false},
        {"quarter turn", -20, 40, 30, 90, false, false},
        {"mirrored", -20, 40, 30, 90, true, false},
        {"mirrored top to bottom", -20, 40, 30, -12.5, false, true},
        {"off the lower left", -20, -30, -25, 0, false, false},
        {"in the corner, as it is", 0, 0, 0, 0, false, false},
    };
    for (const auto &[view, seeThrough] :
         {std::pair{QSize(400, 300), false}, std::pair{QSize(390, 290), false},
          std::pair{QSize(390, 290), true}}) {
        for (const qsizetype k : {1, 2, 3}) {
            NewPhotoList photos = dragProject(seeThrough);
            PassCache cache;
            renderPass(photos, Composite, QSizeF(view), false, 1.0, {}, &cache);
            for (const Move &move : moves) {
                NewPhoto moved = std::make_shared<Object_Photo>(*photos[k]);
                place(moved, move);
                photos[k] = moved;
                const PassResult live = renderPass(photos, Composite, QSizeF(view), false, 1.0, {}, &cache);
                const std::string where = std::string(move.name) + ", photo " + std::to_string(k) +
                                          ", view " + std::to_string(view.width()) +
                                          (seeThrough ? ", see-through" : "");
                ASSERT_TRUE(cache.steps[k - 1].live) << "the live path was taken: " << where;
                const PassResult full = renderPass(photos, Composite, QSizeF(view), false);
                // The region's pixels are the full pass's, within one level: a blended pixel
                // of a region may round one level apart from the same pixel of the whole.
                EXPECT_LE(largestDifference(live.mixed, full.mixed), 1) << where;
                EXPECT_EQ(live.mixed.size(), full.mixed.size()) << where;
                EXPECT_EQ(live.fullSize, full.fullSize) << where;
                const QImage shown = viewOf(live, view);
                const QImage expected = viewOf(full, view);
                EXPECT_LE(meanAbsoluteDifference(shown, expected), 0.5) << where;
                EXPECT_LE(largestDifference(shown, expected), 40) << where;
            }
            // The drag ends: the next pass of the same state is the full pass, bit for bit.
            const PassResult after = renderPass(photos, Composite, QSizeF(view), false, 1.0, {}, &cache);
            EXPECT_FALSE(anyLive(cache)) << "photo " << k;
            EXPECT_EQ(viewOf(after, view), viewOf(renderPass(photos, Composite, QSizeF(view), false), view))
                << "photo " << k;
        }
    }
}

// Changes that are not one photo's placing within the picture take full passes.
TEST(LiveDrag, OtherChangesTakeFullPasses)
{
    struct Row {
        const char *name;
        void (*change)(NewPhotoList &);
    };
    const Row rows[] = {
        {"two photos moved",
         [](NewPhotoList &p) {
             p[1]->f_Composite_X_Offset += 5;
             p[3]->f_Composite_X_Offset += 5;
         }},
        {"moved past the picture's right edge", [](NewPhotoList &p) { p[2]->f_Composite_X_Offset = 150; }},
        {"moved and its blend changed",
         [](NewPhotoList &p) {
             p[2]->f_Composite_X_Offset += 5;
             p[2]->f_Composite_Opacity = 40;
         }},
        {"moved and another photo's blend changed",
         [](NewPhotoList &p) {
             p[2]->f_Composite_X_Offset += 5;
             p[3]->m_Composite_Blend_Mode = kMultiply;
         }},
        {"stretched over the background", [](NewPhotoList &p) { p[1]->bCompositeSizeOfBG = true; }},
    };
    for (const Row &row : rows) {
        NewPhotoList photos = dragProject();
        PassCache cache;
        renderPass(photos, Composite, {400, 300}, false, 1.0, {}, &cache);
        for (NewPhoto &photo : photos)
            photo = std::make_shared<Object_Photo>(*photo);
        row.change(photos);
        const PassResult pass = renderPass(photos, Composite, {400, 300}, false, 1.0, {}, &cache);
        EXPECT_FALSE(anyLive(cache)) << row.name;
        EXPECT_EQ(pass.mixed, renderPass(photos, Composite, {400, 300}, false).mixed) << row.name;
    }
}
