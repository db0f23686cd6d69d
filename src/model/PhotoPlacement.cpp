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
