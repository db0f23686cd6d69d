#pragma once

#include "render/RenderPass.h"

// The Composite pipeline (two or more photos): every later photo is blended over the
// picture built so far with its own blend mode, either stretched to the common frame
// or as a placed layer.
// Each photo's blend is scaled by its opacity; the filters mix in the project's blend
// space.
PassResult renderComposite(const PhotoList &photos, const ViewTarget &view,
                           const ProjectOptions &options = {});

// The photo's opacity as the blend filter takes it: per cent / 100 within [0, 1]
// (100 gives exactly 1).
float compositeOpacity(const Object_Photo &photo);

// The largest width and the largest height over all photos, each taken separately.
QSizeF compositeCommonFrame(const PhotoList &photos);
