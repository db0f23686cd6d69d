#pragma once

#include "render/RenderPass.h"

// The Exposure fusion pipeline (two or more photos): every photo of the list is brought
// into the background's frame (by its alignment where it has one, else stretched to the
// frame, which leaves a photo of the background's size as it is) and the photos are fused
// with the project's weights (ExposureFusion.h). The mixed picture has the background's
// size; a preview fuses the photos' reduced copies at the pass's scale.
PassResult renderFusion(const PhotoList &photos, const ViewTarget &view, const ProjectOptions &options);

// The bytes a fusion pass takes beyond the photos: the framed photos, the fusion's own
// working memory and the fused picture, for `count` photos in a frame of `frame` points
// at `scale`.
double fusionPassNeed(QSizeF frame, qsizetype count, double scale);
