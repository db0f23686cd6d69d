#include "model/PhotoField.h"

#include "model/BlendMode.h"
#include "model/ShapeType.h"

#include <QtGlobal>

#include <array>
#include <cmath>
#include <type_traits>

namespace {

constexpr unsigned kPlacedModeBits = kCompositeModeBit | kShapeModeBit | kTransparentModeBit;
static_assert((kLinearModeBits | kPlacedModeBits) == 0x1f);

using P = Object_Photo;
constexpr const char *kOwnSize = QT_TRANSLATE_NOOP("PhotoField", "per cent of the photo's own size");
constexpr const char *kOwnWidth = QT_TRANSLATE_NOOP("PhotoField", "per cent of the photo's own width");
constexpr const char *kOwnHeight = QT_TRANSLATE_NOOP("PhotoField", "per cent of the photo's own height");
constexpr const char *kBackground = QT_TRANSLATE_NOOP("PhotoField", "per cent of the background's width");
constexpr const char *kBackgroundHeight =
    QT_TRANSLATE_NOOP("PhotoField", "per cent of the background's height");
constexpr const char *kRotation = QT_TRANSLATE_NOOP("PhotoField", "Rotation");
constexpr const char *kDegrees =
    QT_TRANSLATE_NOOP("PhotoField", "degrees clockwise about the photo's centre, after the flips");
constexpr const char *kFlipHorizontal = QT_TRANSLATE_NOOP("PhotoField", "Horizontal Flip");
constexpr const char *kFlipHorizontalUnit =
    QT_TRANSLATE_NOOP("PhotoField", "true mirrors the photo left to right");
constexpr const char *kFlipVertical = QT_TRANSLATE_NOOP("PhotoField", "Vertical Flip");
constexpr const char *kFlipVerticalUnit =
    QT_TRANSLATE_NOOP("PhotoField", "true mirrors the photo top to bottom");

// One row per PhotoField, in its order (checked below). Composite and Shape: the size
// enlarges the photo's own width (-90 % is a tenth), the offsets are percentages of the
// photo's own size, wide enough to place it anywhere over a background several times
// larger.
constexpr auto kRows = std::to_array<PhotoFieldRow>({
    {PhotoField::CompositeBlendMode, &P::m_Composite_Blend_Mode, "blend", kCompositeModeBit,
     QT_TRANSLATE_NOOP("PhotoField", "Blend Mode"), 0, kBlendModeCount - 1, 0,
     QT_TRANSLATE_NOOP("PhotoField", "blend mode"), blendModeName},
    {PhotoField::CompositeSizeOfBG, &P::bCompositeSizeOfBG, "matchBackground", kCompositeModeBit,
     QT_TRANSLATE_NOOP("PhotoField", "Match Background Size"), 0, 1, 1,
     QT_TRANSLATE_NOOP("PhotoField", "true stretches the photo over the background"), nullptr},
    {PhotoField::CompositeSize, &P::f_Composite_Size, "size", kCompositeModeBit,
     QT_TRANSLATE_NOOP("PhotoField", "Size"), -90, 400, 0, kOwnSize, nullptr},
    {PhotoField::CompositeXOffset, &P::f_Composite_X_Offset, "x", kCompositeModeBit,
     QT_TRANSLATE_NOOP("PhotoField", "Horizontal Offset"), -100, 500, 0, kOwnWidth, nullptr},
    {PhotoField::CompositeYOffset, &P::f_Composite_Y_Offset, "y", kCompositeModeBit,
     QT_TRANSLATE_NOOP("PhotoField", "Vertical Offset"), -100, 500, 0, kOwnHeight, nullptr},
    {PhotoField::CompositeOpacity, &P::f_Composite_Opacity, "opacity", kCompositeModeBit,
     QT_TRANSLATE_NOOP("PhotoField", "Opacity"), 0, 100, 100,
     QT_TRANSLATE_NOOP("PhotoField", "per cent: the layer's alpha is scaled by it before the blend"),
     nullptr},
    {PhotoField::ShapeType, &P::m_Shape_Type, "shape", kShapeModeBit,
     QT_TRANSLATE_NOOP("PhotoField", "Shape"), 0, kShapeCount - 1, 0,
     QT_TRANSLATE_NOOP("PhotoField", "shape"), shapeMaskName},
    {PhotoField::ShapeSize, &P::f_Shape_Size, "size", kShapeModeBit, QT_TRANSLATE_NOOP("PhotoField", "Size"),
     -90, 400, 0, kOwnSize, nullptr},
    {PhotoField::ShapeXOffset, &P::f_Shape_X_Offset, "x", kShapeModeBit,
     QT_TRANSLATE_NOOP("PhotoField", "Horizontal Offset"), -100, 500, 0, kOwnWidth, nullptr},
    {PhotoField::ShapeYOffset, &P::f_Shape_Y_Offset, "y", kShapeModeBit,
     QT_TRANSLATE_NOOP("PhotoField", "Vertical Offset"), -100, 500, 0, kOwnHeight, nullptr},
    {PhotoField::ShapeFeather, &P::f_Shape_Feather, "feather", kShapeModeBit,
     QT_TRANSLATE_NOOP("PhotoField", "Feather"), 0, 100, 0,
     QT_TRANSLATE_NOOP("PhotoField",
                       "per cent of the widest feather, a tenth of the mask's shorter side; 0 a hard edge"),
     nullptr},
    {PhotoField::LinearIntersectionLevel, &P::f_Linear_Intersection_Level, "level", kLinearModeBits,
     QT_TRANSLATE_NOOP("PhotoField", "Intersection"), 0, 360, 0,
     QT_TRANSLATE_NOOP("PhotoField", "overlap with the photo before, in 360ths"), nullptr},
    {PhotoField::TransparentTransparency, &P::f_Transparent_Transparency, "transparency", kTransparentModeBit,
     QT_TRANSLATE_NOOP("PhotoField", "Transparency"), 0, 100, 0,
     QT_TRANSLATE_NOOP("PhotoField", "whole per cent, 0 opaque"), nullptr},
    {PhotoField::TransparentSize, &P::f_Transparent_Size, "size", kTransparentModeBit,
     QT_TRANSLATE_NOOP("PhotoField", "Size"), 1, 200, 30, kBackground, nullptr},
    {PhotoField::TransparentXOffset, &P::f_Transparent_X_Offset, "x", kTransparentModeBit,
     QT_TRANSLATE_NOOP("PhotoField", "Horizontal Offset"), -100, 100, 0, kBackground, nullptr},
    {PhotoField::TransparentYOffset, &P::f_Transparent_Y_Offset, "y", kTransparentModeBit,
     QT_TRANSLATE_NOOP("PhotoField", "Vertical Offset"), -100, 100, 0, kBackgroundHeight, nullptr},
    // The placement's turn and mirror images, one set per mode that places photos.
    {PhotoField::CompositeRotation, &P::f_Composite_Rotation, "rotation", kCompositeModeBit, kRotation, -180,
     180, 0, kDegrees, nullptr},
    {PhotoField::CompositeFlipHorizontal, &P::bCompositeFlipHorizontal, "flipHorizontal", kCompositeModeBit,
     kFlipHorizontal, 0, 1, 0, kFlipHorizontalUnit, nullptr},
    {PhotoField::CompositeFlipVertical, &P::bCompositeFlipVertical, "flipVertical", kCompositeModeBit,
     kFlipVertical, 0, 1, 0, kFlipVerticalUnit, nullptr},
    {PhotoField::ShapeRotation, &P::f_Shape_Rotation, "rotation", kShapeModeBit, kRotation, -180, 180, 0,
     kDegrees, nullptr},
    {PhotoField::ShapeFlipHorizontal, &P::bShapeFlipHorizontal, "flipHorizontal", kShapeModeBit,
     kFlipHorizontal, 0, 1, 0, kFlipHorizontalUnit, nullptr},
    {PhotoField::ShapeFlipVertical, &P::bShapeFlipVertical, "flipVertical", kShapeModeBit, kFlipVertical, 0,
     1, 0, kFlipVerticalUnit, nullptr},
    {PhotoField::TransparentRotation, &P::f_Transparent_Rotation, "rotation", kTransparentModeBit, kRotation,
     -180, 180, 0, kDegrees, nullptr},
    {PhotoField::TransparentFlipHorizontal, &P::bTransparentFlipHorizontal, "flipHorizontal",
     kTransparentModeBit, kFlipHorizontal, 0, 1, 0, kFlipHorizontalUnit, nullptr},
    {PhotoField::TransparentFlipVertical, &P::bTransparentFlipVertical, "flipVertical", kTransparentModeBit,
     kFlipVertical, 0, 1, 0, kFlipVerticalUnit, nullptr},
});

constexpr bool rowsInFieldOrder()
{
    for (size_t i = 0; i < kRows.size(); ++i)
        if (size_t(kRows[i].field) != i)
            return false;
    return true;
}
static_assert(rowsInFieldOrder(), "the field table lists the fields in PhotoField order");

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

// Calls `use` with the photo's member the row names, typed.
template <typename Photo, typename Use> decltype(auto) withMember(Photo &photo, PhotoField field, Use use)
{
    return std::visit([&](auto member) -> decltype(auto) { return use(photo.*member); },
                      photoFieldRow(field).member);
}

} // namespace

std::span<const PhotoFieldRow> photoFieldTable()
{
    return kRows;
}

const PhotoFieldRow &photoFieldRow(PhotoField field)
{
    return kRows[size_t(field)];
}

const PhotoFieldRow *photoFieldForKey(const QString &key, quint64 mode)
{
    for (const PhotoFieldRow &row : kRows)
        if (mode < 32 && (row.modes & (1u << mode)) && key == QLatin1String(row.key))
            return &row;
    return nullptr;
}

bool isWholeField(const PhotoFieldRow &row)
{
    return std::holds_alternative<quint64 Object_Photo::*>(row.member);
}

bool isFlagField(const PhotoFieldRow &row)
{
    return std::holds_alternative<bool Object_Photo::*>(row.member);
}

void writePhotoField(Object_Photo &photo, PhotoField field, double value)
{
    withMember(photo, field, [value](auto &member) {
        using T = std::decay_t<decltype(member)>;
        if constexpr (std::is_same_v<T, float>)
            member = float(value);
        else if constexpr (std::is_same_v<T, quint64>)
            member = wholeNumber(value);
        else
            member = value != 0.0;
    });
}

double readPhotoField(const Object_Photo &photo, PhotoField field)
{
    return withMember(photo, field, [](const auto &member) { return double(member); });
}
