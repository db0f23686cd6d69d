#pragma once

#include "model/ProjectOptions.h"

#include <QImage>
#include <QList>

// Exposure fusion (Mertens, Kautz and Van Reeth, 2007). Each pixel of each picture gets
// a weight: its contrast (the magnitude of the luminance's Laplacian, 3 x 3), its
// saturation (the deviation of R, G and B from their mean: the root of the summed
// squares) and its well-exposedness (a Gaussian of spread 0.2 around 0.5, multiplied over
// the three channels), each raised to its exponent, multiplied, plus 1e-12. The weights,
// normalised to sum to 1 at each pixel, blend the pictures' Laplacian pyramids (5-tap
// binomial kernel, mirrored edges, as many levels as halvings of the shorter side), and
// the blended pyramid collapses into the fused picture. Values are the stored sRGB
// ones divided by 255, as the method is defined on what is seen, and the fused values
// are clipped to [0, 1]. A picture's alpha multiplies its weights (a warped photo counts
// only where it covers); the fused picture takes the greatest alpha at each pixel.
//
// Memory: no whole pyramid is ever built. Each level is worked in bands of rows: the
// next level's images and weights are reduced band by band (a band reads two rows more
// on each side), the coarser levels are fused likewise, and the level is then collapsed
// band by band from its own rows, the next level's and the fused coarser picture. The
// finest level's weights are measured again in the second pass instead of being kept.
// What stays is every coarser level (a third of the pictures in 32-bit floats, 16 bytes
// a pixel for colour and weight) and the fused picture: about 5.3 bytes a pixel per
// picture plus 4 for the result, against the 8 bytes a pixel of the canonical pictures.

// Rows of a band at the finest level: what the work is spread over the threads by.
inline constexpr int kFusionBandRows = 128;

// Fuses canonical pictures of one size; null when they are not of one size, when there
// are none, or when the memory is not there. `bandRows` (even, at least 8) sets the
// bands' height: the result does not depend on it.
QImage fuseExposures(const QList<QImage> &pictures, const FusionWeights &weights,
                     int bandRows = kFusionBandRows);

// The bytes fusing `count` pictures of `size` takes beyond the pictures themselves.
double fusionMemoryNeed(QSizeF size, qsizetype count);
