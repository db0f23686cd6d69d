#pragma once

#include "render/PlacedLayer.h"
#include "render/RenderPass.h"

// The Shape pipeline (two or more photos): every later photo is cut out through its
// shape mask and laid over the picture built so far, which is used at its own size.
// Each mask is feathered by its photo's f_Shape_Feather; the filter mixes in the
// project's blend space.
PassResult renderShape(const PhotoList &photos, const ViewTarget &view, const ProjectOptions &options = {});

// The mask canvas of one step: transparent, of the placed layer's canvas size, with the
// mask of `shapeType` stretched over the photo's rectangle; in a pass at `scale`, of
// the layer canvas's pixels. A number that names no mask leaves it fully transparent.
// A `feather` (per cent) softens the edge by a Gaussian of shapeFeatherSigma.
QImage shapeMaskCanvas(quint64 shapeType, const PlacedLayer &layer, double scale = 1.0, float feather = 0.0f);

// The standard deviation, in pixels of a pass at `scale`, that softens the edge of a
// mask drawn into `maskRect` (full-resolution points) at `feather` per cent:
// sigma = feather / 100 * kShapeFeatherShare * min(w, h) / 4 * scale. Feathers outside
// 0..100 are taken as the nearer end.
double shapeFeatherSigma(float feather, QSizeF maskRect, double scale);
