#pragma once

#include "render/RenderPass.h"

// The Transparent pipeline (two or more photos): every later photo is laid over the
// background with its own opacity, size and position, in per cent of the background.
// The view gets the background fitted and the layers placed against its frame; the
// full-resolution picture, of the background's size, is built only while a capture is
// pending.
PassResult renderTransparent(const PhotoList &photos, const ViewTarget &view);

// A layer's rectangle against a background drawn at `background` (lower-left
// coordinates), in single precision: a = pw/ph; offX = X*bw/100, offY = Y*bh/100;
// w = S*bw/100, h = w/a; (bx + offX, by + offY, w, h).
QRectF transparentLayerRect(const Object_Photo &photo, const QRectF &background);

// The layer's opacity 1 - T/100, computed in double, reduced to float and kept within
// [0, 1]: a transparency of 100 or more draws nothing.
float transparentOpacity(quint64 transparency);
