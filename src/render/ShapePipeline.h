#pragma once

#include "render/PlacedLayer.h"
#include "render/RenderPass.h"

// The Shape pipeline (two or more photos): every later photo is cut out through its
// shape mask and laid over the picture built so far, which is used at its own size.
PassResult Render_Shape(const PhotoList &photos, const ViewTarget &view);

// The mask canvas of one step: transparent, of the placed layer's canvas size, with the
// mask of `shapeType` stretched over the photo's rectangle; in a pass at `scale`, of
// the layer canvas's pixels. A number that names no mask leaves it fully transparent.
QImage Shape_Mask_Canvas(quint64 shapeType, const PlacedLayer &layer, double scale = 1.0);
