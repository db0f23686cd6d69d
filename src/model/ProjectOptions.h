#pragma once

#include <QString>
#include <QtGlobal>

// The space the filters mix colours in. Linear light is the engine's own (the sRGB curve
// decoded before the formula and encoded after it); sRGB values feed the stored 8-bit
// values, divided by 255, straight into the same formulas, as most editors do.
enum class BlendSpace : quint8 {
    Linear = 0,
    Srgb = 1,
};

// Exposure fusion: the exponents of the three measures a pixel's weight multiplies
// (contrast, saturation, well-exposedness), each 0 to 2 in steps of 0.1; 0 leaves that
// measure out.
struct FusionWeights {
    static constexpr double kLeast = 0.0;
    static constexpr double kMost = 2.0;
    static constexpr double kStep = 0.1;
    double contrast = 1.0;
    double saturation = 1.0;
    double exposure = 1.0;

    bool operator==(const FusionWeights &) const = default;
};

// Settings that belong to the whole project rather than to one photo. The defaults are
// the pictures every earlier project made.
struct ProjectOptions {
    // Linear projects: the saved picture is built from the photos at their own
    // resolution (a common height, or width for a vertical strip) instead of 400 x 400.
    bool fullResolution = false;
    BlendSpace blendSpace = BlendSpace::Linear;
    FusionWeights fusion; // Exposure fusion projects

    bool operator==(const ProjectOptions &) const = default;
};

// The names of the blend spaces in the project file and on the command line.
inline QString blendSpaceName(BlendSpace space)
{
    return space == BlendSpace::Srgb ? QStringLiteral("srgb") : QStringLiteral("linear");
}
