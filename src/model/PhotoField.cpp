#include "model/PhotoField.h"

#include <cmath>

namespace {

// A whole number from a control's value, truncated toward zero (45.7 gives 45). The
// value is read as a 32-bit float first, as the sliders deliver it; nothing below 0
// (nor NaN) reaches the unsigned field.
quint64 wholeNumber(double value)
{
    const float read = float(value);
    if (!(read > 0.0f))
        return 0;
    return quint64(std::trunc(read));
}

// The float field of a photo (const or not), or null for a field of another type.
template <typename Photo> auto floatField(Photo &photo, PhotoField field) -> decltype(&photo.f_Composite_Size)
{
    switch (field) {
    case PhotoField::CompositeSize:
        return &photo.f_Composite_Size;
    case PhotoField::CompositeXOffset:
        return &photo.f_Composite_X_Offset;
    case PhotoField::CompositeYOffset:
        return &photo.f_Composite_Y_Offset;
    case PhotoField::ShapeSize:
        return &photo.f_Shape_Size;
    case PhotoField::ShapeXOffset:
        return &photo.f_Shape_X_Offset;
    case PhotoField::ShapeYOffset:
        return &photo.f_Shape_Y_Offset;
    case PhotoField::LinearIntersectionLevel:
        return &photo.f_Linear_Intersection_Level;
    case PhotoField::TransparentSize:
        return &photo.f_Transparent_Size;
    case PhotoField::TransparentXOffset:
        return &photo.f_Transparent_X_Offset;
    case PhotoField::TransparentYOffset:
        return &photo.f_Transparent_Y_Offset;
    case PhotoField::CompositeOpacity:
        return &photo.f_Composite_Opacity;
    case PhotoField::ShapeFeather:
        return &photo.f_Shape_Feather;
    default:
        return nullptr;
    }
}

template <typename Photo> auto wholeField(Photo &photo, PhotoField field) -> decltype(&photo.m_Shape_Type)
{
    switch (field) {
    case PhotoField::CompositeBlendMode:
        return &photo.m_Composite_Blend_Mode;
    case PhotoField::ShapeType:
        return &photo.m_Shape_Type;
    case PhotoField::TransparentTransparency:
        return &photo.f_Transparent_Transparency;
    default:
        return nullptr;
    }
}

} // namespace

void Write_Photo_Field(Object_Photo &photo, PhotoField field, double value)
{
    if (float *f = floatField(photo, field))
        *f = float(value);
    else if (quint64 *whole = wholeField(photo, field))
        *whole = wholeNumber(value);
    else
        photo.bCompositeSizeOfBG = value != 0.0;
}

double Read_Photo_Field(const Object_Photo &photo, PhotoField field)
{
    if (const float *f = floatField(photo, field))
        return *f;
    if (const quint64 *whole = wholeField(photo, field))
        return double(*whole);
    return photo.bCompositeSizeOfBG ? 1.0 : 0.0;
}
