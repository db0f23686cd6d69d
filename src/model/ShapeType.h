#pragma once

#include <QString>
#include <QtGlobal>

// The twelve cut-out masks, by the number stored in a photo's m_Shape_Type.
enum ShapeType : quint64 {
    Circle = 0,
    Star5 = 1,
    Star6 = 2,
    Heart = 3,
    Hectagon = 4,
    Cloud = 5,
    Flames = 6,
    Splash = 7,
    Splash2 = 8,
    Swirl = 9,
    Swirl2 = 10,
    Map = 11,
};

inline constexpr quint64 kShapeCount = 12;

// The largest feather, as a share of the mask's shorter side: at a feather of 100 % the
// edge falls from 97.7 % to 2.3 % coverage over this width (four standard deviations
// of the Gaussian that softens it).
inline constexpr double kShapeFeatherShare = 0.1;

// The mask's resource name ("circle" ... "map"), or an empty string for a number
// that names no mask.
QString shapeMaskName(quint64 shapeType);

// The shape's title as the picker shows it ("Five-pointed star"), or an empty string.
QString shapeTitle(quint64 shapeType);
