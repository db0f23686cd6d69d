#pragma once

#include "render/RenderPass.h"

// The Composite pipeline (two or more photos): every later photo is blended over the
// picture built so far with its own blend mode, either stretched to the common frame
// or as a placed layer.
PassResult Render_Composite(const PhotoList &photos, const ViewTarget &view);

// The largest width and the largest height over all photos, each taken separately.
QSizeF Composite_Common_Frame(const PhotoList &photos);
