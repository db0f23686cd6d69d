#include "model/ShapeType.h"

#include <array>

QString shapeMaskName(quint64 shapeType)
{
    static constexpr std::array<const char *, kShapeCount> names = {
        "circle", "star5",  "star6",   "heart", "hectagon", "cloud",
        "flames", "splash", "splash2", "swirl", "swirl2",   "map",
    };
    if (shapeType >= names.size())
        return {};
    return QString::fromLatin1(names[shapeType]);
}
