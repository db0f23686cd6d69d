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

// The layer photo `photo` adds in a pass at `scale` over the common `frame`: stretched to
// the frame, or its placed layer (never aligned: the live passes leave those to whole
// passes). Its mask is applied, or given apart as the blend's coverage.
struct CompositeLayer {
    QImage image;
    QImage coverage; // null, or the mask that `image` is without
};
CompositeLayer compositeLayer(const Object_Photo &photo, QSizeF frame, double scale);
// The same without its mask.
QImage compositePlainLayer(const Object_Photo &photo, QSizeF frame, double scale);

// The key of each step of a preview pass (everything its picture and draws depend on,
// chained from the background through the step's photo), or, without `withMasks`, the
// same with every photo's mask left out.
QList<quint64> compositeStepKeys(const PhotoList &photos, QSizeF frame, double scale, const ViewTarget &view,
                                 const ProjectOptions &options, bool withMasks = true);
