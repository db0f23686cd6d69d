#include "model/BlendMode.h"

#include <array>

QString blendModeName(quint64 blendMode)
{
    static constexpr std::array<const char *, kBlendModeCount> names = {
        "Addition Compositing",    "Color Blend Mode",      "Color Burn Blend Mode", "Color Dodge Blend Mode",
        "Darken Blend Mode",       "Difference Blend Mode", "Divide Blend Mode",     "Exclusion Blend Mode",
        "Hard Light Blend Mode",   "Hue Blend Mode",        "Lighten Blend Mode",    "Linear Burn Blend Mode",
        "Linear Dodge Blend Mode", "Luminosity Blend Mode", "Maximum Compositing",   "Minimum Compositing",
        "Multiply Blend Mode",     "Multiply Compositing",  "Overlay Blend Mode",    "Pin Light Blend Mode",
        "Saturation Blend Mode",   "Screen Blend Mode",     "SoftLight Blend Mode",  "Subtract Blend Mode",
        "Normal Blend Mode",
    };
    if (blendMode >= names.size())
        return {};
    return QString::fromLatin1(names[blendMode]);
}
