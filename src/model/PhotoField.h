#pragma once

#include "model/Object_Photo.h"

#include <QString>

#include <span>
#include <variant>

// Every parameter a controls panel edits, named so that one function can change any of
// them: the panels' single way of writing into a photo.
enum class PhotoField {
    CompositeBlendMode,
    CompositeSizeOfBG,
    CompositeSize,
    CompositeXOffset,
    CompositeYOffset,
    CompositeOpacity,
    ShapeType,
    ShapeSize,
    ShapeXOffset,
    ShapeYOffset,
    ShapeFeather,
    LinearIntersectionLevel,
    TransparentTransparency,
    TransparentSize,
    TransparentXOffset,
    TransparentYOffset,
    CompositeRotation,
    CompositeFlipHorizontal,
    CompositeFlipVertical,
    ShapeRotation,
    ShapeFlipHorizontal,
    ShapeFlipVertical,
    TransparentRotation,
    TransparentFlipHorizontal,
    TransparentFlipVertical,
};

// The project modes a field belongs to, one bit per ProjectMode.
inline constexpr unsigned kLinearModeBits = 1u << 0 | 1u << 1;
inline constexpr unsigned kCompositeModeBit = 1u << 2;
inline constexpr unsigned kShapeModeBit = 1u << 3;
inline constexpr unsigned kTransparentModeBit = 1u << 4;

// One row of the field table: everything the program knows about a photo field. The
// panels' write rule, the undo labels, the project file's reader and writer, the
// photo defaults and the help of quillane-mix all read it: adding a photo field is
// adding a row (and the member of Object_Photo it names).
struct PhotoFieldRow {
    using Member = std::variant<float Object_Photo::*, quint64 Object_Photo::*, bool Object_Photo::*>;

    PhotoField field;
    Member member;
    const char *key;   // the key in the project file, shared by the same field of other modes
    unsigned modes;    // kLinearModeBits, kCompositeModeBit, ...
    const char *label; // as the Edit menu names a change of it: "Change <label>"
    double minimum;    // the range of the panel's slider, which the project file keeps to
    double maximum;
    double initial;             // the value a photo added in one of its modes gets
    const char *unit;           // what the number counts, for the help text
    QString (*nameOf)(quint64); // whole-number fields that name things: their names
};

// The rows, in PhotoField order.
std::span<const PhotoFieldRow> photoFieldTable();
const PhotoFieldRow &photoFieldRow(PhotoField field);
// The row of `key` in a project of `mode`, or null.
const PhotoFieldRow *photoFieldForKey(const QString &key, quint64 mode);

// Whether the field holds a whole number (blend mode, shape, transparency) or a flag.
bool isWholeField(const PhotoFieldRow &row);
bool isFlagField(const PhotoFieldRow &row);

// Stores a control's value in the photo's field. Float fields take the value as a
// 32-bit float unchanged; the flag is true for any non-zero value; the whole-number
// fields (blend mode, shape, transparency) take it truncated toward zero, a negative or
// NaN value as 0.
void writePhotoField(Object_Photo &photo, PhotoField field, double value);

// The field's value as a control shows it (every field is exact in a double).
double readPhotoField(const Object_Photo &photo, PhotoField field);
