#pragma once

#include <QtGlobal>

// The project type. Stored as an unsigned 64-bit number: values outside 0..5 are
// possible in principle and every switch on the mode must ignore them.
enum ProjectMode : quint64 {
    LinearHorizontal = 0,
    LinearVertical = 1,
    Composite = 2,
    Shape = 3,
    Transparent = 4,
    Fusion = 5, // exposure fusion of every photo of the list
};

inline constexpr bool isKnownProjectMode(quint64 mode)
{
    return mode <= Fusion;
}
inline constexpr bool isLinearMode(quint64 mode)
{
    return mode == LinearHorizontal || mode == LinearVertical;
}
