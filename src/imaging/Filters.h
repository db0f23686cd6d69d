#pragma once

#include "imaging/BlendKernels.h"
#include "model/BlendMode.h"

#include <QImage>
#include <QString>

#include <array>

// The 26 image filters. Every input is anchored at its lower-left corner; every
// result is a new image in the canonical format. Null inputs are accepted.

// One row of the blend table, in the order of the model's blend modes (blendModeName
// gives the label): the filter name and the kernel that computes it.
struct BlendMode {
    const char *filterName;
    BlendKernel kernel;
};

const std::array<BlendMode, kBlendModeCount> &blendTable();

// Blends `layer` over `background` with blend mode `mode` (0..23). Any other index
// returns the background unchanged.
QImage imageComposite(const QImage &background, const QImage &layer, quint64 mode);

// Shows `layer` through the green channel of `mask` over `background`.
QImage imageShape(const QImage &background, const QImage &layer, const QImage &mask);

// Joins two images with a soft swipe seam, left to right (time 0.7) or bottom to top
// (time 0.5, angle pi/2).
QImage imageSwipe(const QImage &first, const QImage &second);
QImage imageSwipeVertical(const QImage &first, const QImage &second);
