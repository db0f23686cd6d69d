#include "model/BlendMode.h"

#include <QtGlobal>

#include <array>

QString blendModeName(quint64 blendMode)
{
    static constexpr std::array<const char *, kBlendModeCount> names = {
        QT_TRANSLATE_NOOP("BlendMode", "Addition Compositing"),
        QT_TRANSLATE_NOOP("BlendMode", "Color Blend Mode"),
        QT_TRANSLATE_NOOP("BlendMode", "Color Burn Blend Mode"),
        QT_TRANSLATE_NOOP("BlendMode", "Color Dodge Blend Mode"),
        QT_TRANSLATE_NOOP("BlendMode", "Darken Blend Mode"),
        QT_TRANSLATE_NOOP("BlendMode", "Difference Blend Mode"),
        QT_TRANSLATE_NOOP("BlendMode", "Divide Blend Mode"),
        QT_TRANSLATE_NOOP("BlendMode", "Exclusion Blend Mode"),
        QT_TRANSLATE_NOOP("BlendMode", "Hard Light Blend Mode"),
        QT_TRANSLATE_NOOP("BlendMode", "Hue Blend Mode"),
        QT_TRANSLATE_NOOP("BlendMode", "Lighten Blend Mode"),
        QT_TRANSLATE_NOOP("BlendMode", "Linear Burn Blend Mode"),
        QT_TRANSLATE_NOOP("BlendMode", "Linear Dodge Blend Mode"),
        QT_TRANSLATE_NOOP("BlendMode", "Luminosity Blend Mode"),
        QT_TRANSLATE_NOOP("BlendMode", "Maximum Compositing"),
        QT_TRANSLATE_NOOP("BlendMode", "Minimum Compositing"),
        QT_TRANSLATE_NOOP("BlendMode", "Multiply Blend Mode"),
        QT_TRANSLATE_NOOP("BlendMode", "Multiply Compositing"),
        QT_TRANSLATE_NOOP("BlendMode", "Overlay Blend Mode"),
        QT_TRANSLATE_NOOP("BlendMode", "Pin Light Blend Mode"),
        QT_TRANSLATE_NOOP("BlendMode", "Saturation Blend Mode"),
        QT_TRANSLATE_NOOP("BlendMode", "Screen Blend Mode"),
        QT_TRANSLATE_NOOP("BlendMode", "SoftLight Blend Mode"),
        QT_TRANSLATE_NOOP("BlendMode", "Subtract Blend Mode"),
        QT_TRANSLATE_NOOP("BlendMode", "Normal Blend Mode"),
    };
    if (blendMode >= names.size())
        return {};
    return QString::fromLatin1(names[blendMode]);
}
