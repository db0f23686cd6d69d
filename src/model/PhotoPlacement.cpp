#include "model/PhotoPlacement.h"

#include "model/ProjectMode.h"

std::optional<PlacementFields> placementFields(quint64 mode)
{
    using F = PhotoField;
    switch (mode) {
    case Composite:
        return PlacementFields{F::CompositeSize,     F::CompositeXOffset,        F::CompositeYOffset,
                               F::CompositeRotation, F::CompositeFlipHorizontal, F::CompositeFlipVertical};
    case Shape:
        return PlacementFields{F::ShapeSize,     F::ShapeXOffset,        F::ShapeYOffset,
                               F::ShapeRotation, F::ShapeFlipHorizontal, F::ShapeFlipVertical};
    case Transparent:
        return PlacementFields{F::TransparentSize,           F::TransparentXOffset,
                               F::TransparentYOffset,        F::TransparentRotation,
                               F::TransparentFlipHorizontal, F::TransparentFlipVertical};
    default:
        return std::nullopt;
    }
}

Placement photoPlacement(const Object_Photo &photo, quint64 mode)
{
    const std::optional<PlacementFields> fields = placementFields(mode);
    if (!fields)
        return {};
    return {readPhotoField(photo, fields->rotation), readPhotoField(photo, fields->flipHorizontal) != 0.0,
            readPhotoField(photo, fields->flipVertical) != 0.0};
}

namespace {

std::array<PhotoField, 6> placingFieldList(const PlacementFields &f)
{
    return {f.size, f.x, f.y, f.rotation, f.flipHorizontal, f.flipVertical};
}

} // namespace

PlacingValues placingValues(const Object_Photo &photo, quint64 mode)
{
    PlacingValues values{};
    if (const std::optional<PlacementFields> fields = placementFields(mode)) {
        const std::array<PhotoField, 6> list = placingFieldList(*fields);
        for (size_t i = 0; i < list.size(); ++i)
            values[i] = readPhotoField(photo, list[i]);
    }
    return values;
}

void writePlacingValues(Object_Photo &photo, quint64 mode, const PlacingValues &values)
{
    if (const std::optional<PlacementFields> fields = placementFields(mode)) {
        const std::array<PhotoField, 6> list = placingFieldList(*fields);
        for (size_t i = 0; i < list.size(); ++i)
            writePhotoField(photo, list[i], values[i]);
    }
}
