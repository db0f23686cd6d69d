#include "model/PhotoField.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

constexpr PhotoField kAllFields[] = {
    PhotoField::CompositeBlendMode,
    PhotoField::CompositeSizeOfBG,
    PhotoField::CompositeSize,
    PhotoField::CompositeXOffset,
    PhotoField::CompositeYOffset,
    PhotoField::ShapeType,
    PhotoField::ShapeSize,
    PhotoField::ShapeXOffset,
    PhotoField::ShapeYOffset,
    PhotoField::LinearIntersectionLevel,
    PhotoField::TransparentTransparency,
    PhotoField::TransparentSize,
    PhotoField::TransparentXOffset,
    PhotoField::TransparentYOffset,
};

} // namespace

// Each field is its own: writing one leaves every other at zero, and reads back.
TEST(PhotoField, EachFieldWritesOnlyItselfAndReadsBack)
{
    for (PhotoField field : kAllFields) {
        Object_Photo photo;
        Write_Photo_Field(photo, field, 7.0);
        EXPECT_EQ(Read_Photo_Field(photo, field), field == PhotoField::CompositeSizeOfBG ? 1.0 : 7.0)
            << int(field);
        for (PhotoField other : kAllFields) {
            if (other != field) {
                EXPECT_EQ(Read_Photo_Field(photo, other), 0.0) << int(field) << " touched " << int(other);
            }
        }
    }
}

struct Conversion {
    PhotoField field;
    double value;
    double stored;
};

TEST(PhotoField, ConversionsOfControlValues)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const Conversion cases[] = {
        {PhotoField::TransparentTransparency, 45.7, 45},   {PhotoField::TransparentTransparency, 99.99, 99},
        {PhotoField::TransparentTransparency, 100.0, 100}, {PhotoField::TransparentTransparency, 0.4, 0},
        {PhotoField::TransparentTransparency, -3.0, 0},    {PhotoField::TransparentTransparency, nan, 0},
        {PhotoField::CompositeBlendMode, 23, 23},          {PhotoField::ShapeType, 11, 11},
        {PhotoField::CompositeXOffset, 12.5, 12.5},        {PhotoField::TransparentSize, 62.5, 62.5},
        {PhotoField::CompositeSize, -90.0, -90.0},         {PhotoField::ShapeYOffset, 0.1, double(0.1f)},
        {PhotoField::CompositeSizeOfBG, 0.0, 0.0},         {PhotoField::CompositeSizeOfBG, 2.0, 1.0},
    };
    for (const Conversion &c : cases) {
        Object_Photo photo;
        Write_Photo_Field(photo, PhotoField::CompositeSizeOfBG, 1.0);
        Write_Photo_Field(photo, c.field, c.value);
        EXPECT_EQ(Read_Photo_Field(photo, c.field), c.stored) << int(c.field) << " <- " << c.value;
    }
    Object_Photo photo;
    Write_Photo_Field(photo, PhotoField::TransparentTransparency, 45.7);
    EXPECT_EQ(photo.f_Transparent_Transparency, 45u);
    Write_Photo_Field(photo, PhotoField::CompositeXOffset, 12.5);
    EXPECT_EQ(photo.f_Composite_X_Offset, 12.5f);
}
