#pragma once

#include "imaging/PixelRows.h"

// A blend kernel computes one span: `layer` and `background` hold straight linear
// colour and alpha, `out` receives premultiplied linear colour and alpha.
using BlendKernel = void (*)(const SpanF &layer, const SpanF &background, SpanF &out, int count);
