#include "model/ShapeType.h"

#include <array>

namespace {

struct ShapeNames {
    const char *name;
    const char *title;
};

constexpr std::array<ShapeNames, kShapeCount> kShapes = {{
    {"circle", "Circle"},
    {"star5", "Five-pointed star"},
    {"star6", "Six-pointed star"},
    {"heart", "Heart"},
    {"hectagon", "Hexagon"},
    {"cloud", "Cloud"},
    {"flames", "Flames"},
    {"splash", "Splash"},
    {"splash2", "Splash 2"},
    {"swirl", "Swirl"},
    {"swirl2", "Swirl 2"},
    {"map", "Map"},
}};

} // namespace

QString shapeMaskName(quint64 shapeType)
{
    return shapeType < kShapeCount ? QString::fromLatin1(kShapes[shapeType].name) : QString();
}

QString shapeTitle(quint64 shapeType)
{
    return shapeType < kShapeCount ? QString::fromLatin1(kShapes[shapeType].title) : QString();
}
