#include "imaging/ColourTables.h"

#include <cmath>
#include <memory>

double srgbToLinear(double c)
{
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double linearToSrgb(double x)
{
    return x <= 0.0031308 ? 12.92 * x : 1.055 * std::pow(x, 1.0 / 2.4) - 0.055;
}

namespace {

std::unique_ptr<ColourTables> buildTables(BlendSpace space)
{
    const bool linear = space == BlendSpace::Linear;
    auto tables = std::make_unique<ColourTables>();
    for (int i = 0; i < 256; ++i) {
        tables->decode[i] = static_cast<float>(linear ? srgbToLinear(i / 255.0) : i / 255.0);
        tables->alpha[i] = static_cast<float>(i / 255.0);
        tables->unpremultiply[i] = i == 0 ? 0.0f : static_cast<float>(255.0 / i);
    }
    for (int i = 0; i <= ColourTables::kEncodeSteps; ++i) {
        const double value = static_cast<double>(i) / ColourTables::kEncodeSteps;
        tables->encode[i] = static_cast<float>((linear ? linearToSrgb(value) : value) * 255.0);
    }
    return tables;
}

} // namespace

const ColourTables &colourTables(BlendSpace space)
{
    static const std::unique_ptr<ColourTables> linear = buildTables(BlendSpace::Linear);
    static const std::unique_ptr<ColourTables> srgb = buildTables(BlendSpace::Srgb);
    return space == BlendSpace::Srgb ? *srgb : *linear;
}
