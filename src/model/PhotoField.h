#pragma once

#include "model/Object_Photo.h"

// Every parameter a controls panel edits, named so that one function can change any of
// them: the panels' single way of writing into a photo.
enum class PhotoField {
    CompositeBlendMode,
    CompositeSizeOfBG,
    CompositeSize,
    CompositeXOffset,
    CompositeYOffset,
    ShapeType,
    ShapeSize,
    ShapeXOffset,
    ShapeYOffset,
    LinearIntersectionLevel,
    TransparentTransparency,
    TransparentSize,
    TransparentXOffset,
    TransparentYOffset,
    CompositeOpacity,
    ShapeFeather,
};

// Stores a control's value in the photo's field. Float fields take the value as a
// 32-bit float unchanged; the flag is true for any non-zero value; the whole-number
// fields (blend mode, shape, transparency) take it truncated toward zero, a negative or
// NaN value as 0.
void Write_Photo_Field(Object_Photo &photo, PhotoField field, double value);

// The field's value as a control shows it (every field is exact in a double).
double Read_Photo_Field(const Object_Photo &photo, PhotoField field);
