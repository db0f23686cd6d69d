#pragma once

#include "model/ProjectOptions.h"

#include <array>
#include <cstdint>

// The sRGB curve as tables, built once (thread-safe function-local static).
struct ColourTables {
    // Linear light, indexed by a straight 8-bit sRGB value.
    std::array<float, 256> decode;
    // Alpha in [0, 1], indexed by the 8-bit alpha.
    std::array<float, 256> alpha;
    // 255 / A: turns a premultiplied 8-bit channel into its straight value (0 for A = 0).
    std::array<float, 256> unpremultiply;
    // sRGB * 255 (unrounded), indexed by a linear value quantised to kEncodeSteps.
    // Steps of 1/16383 keep the result within 0.1 of an 8-bit level even at black,
    // where the curve is steepest (12.92).
    static constexpr int kEncodeSteps = 16383;
    std::array<float, kEncodeSteps + 1> encode;
};

// The tables of a blend space. Linear light (the default) decodes through the sRGB
// curve; sRGB values use straight ramps, decode[i] = i / 255 and encode[k] = 255 k / steps,
// so that the filters see the stored values themselves.
const ColourTables &colourTables(BlendSpace space = BlendSpace::Linear);

// The exact sRGB curve, on values in [0, 1].
double srgbToLinear(double c);
double linearToSrgb(double x);
