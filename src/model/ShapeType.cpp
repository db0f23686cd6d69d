#include "model/ShapeType.h"

#include <QtGlobal>

#include <array>

namespace {

struct ShapeNames {
    const char *name;
    const char *title;
};

constexpr std::array<ShapeNames, kShapeCount> kShapes = {{
    {"circle", QT_TRANSLATE_NOOP("Shape", "Circle")},
    {"star5", QT_TRANSLATE_NOOP("Shape", "Five-pointed star")},
    {"star6", QT_TRANSLATE_NOOP("Shape", "Six-pointed star")},
    {"heart", QT_TRANSLATE_NOOP("Shape", "Heart")},
    {"hectagon", QT_TRANSLATE_NOOP("Shape", "Hexagon")},
    {"cloud", QT_TRANSLATE_NOOP("Shape", "Cloud")},
    {"flames", QT_TRANSLATE_NOOP("Shape", "Flames")},
    {"splash", QT_TRANSLATE_NOOP("Shape", "Splash")},
    {"splash2", QT_TRANSLATE_NOOP("Shape", "Splash 2")},
    {"swirl", QT_TRANSLATE_NOOP("Shape", "Swirl")},
    {"swirl2", QT_TRANSLATE_NOOP("Shape", "Swirl 2")},
    {"map", QT_TRANSLATE_NOOP("Shape", "Map")},
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
