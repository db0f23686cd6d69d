#include "model/Object_Photo.h"
#include "model/ProjectMode.h"
#include "model/ShapeType.h"

#include <gtest/gtest.h>

namespace {

// Every parameter of every group, so a test can check that the groups a mode does
// not own stay at zero.
struct Groups {
    bool linearZero, compositeZero, shapeZero, transparentZero;
};

Groups zeroGroups(const Object_Photo &p)
{
    return {
        p.f_Linear_Intersection_Level == 0.0f,
        !p.bCompositeSizeOfBG && p.m_Composite_Blend_Mode == 0 && p.f_Composite_Size == 0.0f &&
            p.f_Composite_X_Offset == 0.0f && p.f_Composite_Y_Offset == 0.0f,
        p.m_Shape_Type == 0 && p.f_Shape_Size == 0.0f && p.f_Shape_X_Offset == 0.0f &&
            p.f_Shape_Y_Offset == 0.0f,
        p.f_Transparent_Transparency == 0 && p.f_Transparent_Size == 0.0f &&
            p.f_Transparent_X_Offset == 0.0f && p.f_Transparent_Y_Offset == 0.0f,
    };
}

TEST(PhotoDefaults, CompositeSetsOnlyItsGroup)
{
    auto photo = makePhoto(QImage(4, 3, QImage::Format_ARGB32), "beach.jpg", Composite);
    EXPECT_TRUE(photo->bCompositeSizeOfBG);
    EXPECT_EQ(photo->m_Composite_Blend_Mode, 0u);
    EXPECT_EQ(photo->sName, "beach.jpg");
    EXPECT_EQ(photo->image.size(), QSize(4, 3));
    const Groups g = zeroGroups(*photo);
    EXPECT_TRUE(g.linearZero && g.shapeZero && g.transparentZero);
    EXPECT_EQ(photo->f_Transparent_Size, 0.0f);
}

TEST(PhotoDefaults, TransparentStartsOpaqueAtThirtyPercent)
{
    auto photo = makePhoto(QImage(), "a.png", Transparent);
    EXPECT_EQ(photo->f_Transparent_Size, 30.0f);
    EXPECT_EQ(photo->f_Transparent_Transparency, 0u);
    const Groups g = zeroGroups(*photo);
    EXPECT_TRUE(g.linearZero && g.compositeZero && g.shapeZero);
}

TEST(PhotoDefaults, ShapeLinearAndUnknownModesLeaveEverythingZero)
{
    for (quint64 mode :
         {quint64(Shape), quint64(LinearHorizontal), quint64(LinearVertical), quint64(5), quint64(~0ull)}) {
        auto photo = makePhoto(QImage(), "x.gif", mode);
        const Groups g = zeroGroups(*photo);
        EXPECT_TRUE(g.linearZero && g.compositeZero && g.shapeZero && g.transparentZero) << mode;
    }
}

TEST(PhotoDefaults, AnUnknownModeSetsNoGroup)
{
    Object_Photo photo;
    photo.f_Transparent_Size = 99.0f;
    applyModeDefaults(photo, 77);
    EXPECT_EQ(photo.f_Transparent_Size, 99.0f);
}

TEST(ShapeNames, TableAndOutOfRange)
{
    EXPECT_EQ(shapeMaskName(Circle), "circle");
    EXPECT_EQ(shapeMaskName(Hectagon), "hectagon");
    EXPECT_EQ(shapeMaskName(Flames), "flames");
    EXPECT_EQ(shapeMaskName(Map), "map");
    EXPECT_TRUE(shapeMaskName(12).isEmpty());
    EXPECT_TRUE(shapeMaskName(~0ull).isEmpty());
}

} // namespace
