#pragma once

#include "model/Object_Photo.h"
#include "model/PhotoField.h"

#include <array>
#include <optional>

// How a placed photo is turned on the picture, beyond its size and offsets: mirrored
// first (left to right, top to bottom), then turned `rotation` degrees clockwise on
// screen about the centre of the photo as placed.
struct Placement {
    double rotation = 0.0;
    bool flipHorizontal = false;
    bool flipVertical = false;
    bool isIdentity() const { return rotation == 0.0 && !flipHorizontal && !flipVertical; }
};

// The fields that place a photo in a mode that places photos (Composite, Shape,
// Transparent): its size, its offsets, its turn and its mirror images.
struct PlacementFields {
    PhotoField size;
    PhotoField x;
    PhotoField y;
    PhotoField rotation;
    PhotoField flipHorizontal;
    PhotoField flipVertical;
};

// The placing fields of `mode`; none for the Linear modes and unknown ones.
std::optional<PlacementFields> placementFields(quint64 mode);

// The photo's turn and mirror images in `mode` (the identity in a mode that places none).
Placement photoPlacement(const Object_Photo &photo, quint64 mode);

// The values of `mode`'s placing fields, in the order of PlacementFields (all 0 in a mode
// that places none), and the photo with those values written back.
using PlacingValues = std::array<double, 6>;
PlacingValues placingValues(const Object_Photo &photo, quint64 mode);
void writePlacingValues(Object_Photo &photo, quint64 mode, const PlacingValues &values);
