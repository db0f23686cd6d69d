#pragma once

#include "render/RenderPass.h"

#include <QPointF>
#include <QRect>

#include <optional>

// Live strokes: while a stroke is being painted on photo k's mask, a Composite preview
// pass redraws only the part of the picture the stroke's newest points reach, through
// every photo from k on, from the steps the pass cache keeps. The stroke is applied
// there to photo k's layer as it lies in the picture (not to the photo before its
// placement, as a full pass does: the same mask, resampled once more); the steps so
// made are marked, so that the next pass that is not such a stroke renders them afresh.
//
// Given the pass's step `keys`, the cache of `view`, the common `frame` and the pass's
// `scale`: the pass, or nothing when the change is not the growth of one photo's
// newest stroke over steps that all lie within the frame.
std::optional<PassResult> liveCompositePass(const PhotoList &photos, QSizeF frame, double scale,
                                            const ViewTarget &view, const ProjectOptions &options,
                                            const QList<quint64> &keys);

// Live drags: while photo k is moved, scaled, turned or mirrored on the canvas, a
// Composite preview pass redraws only the part of the picture its layer covered before
// and covers now, through every photo from k on, from the steps the pass cache keeps and
// photo k's new layer. Its pixels there are those a full pass makes; the steps so made
// are marked, so that the pass after the drag renders them afresh.
//
// The pass, or nothing when the change is not the placing of one photo (not aligned,
// not stretched) whose layer stays within the frame, over steps that all do.
std::optional<PassResult> liveDragPass(const PhotoList &photos, QSizeF frame, double scale,
                                       const ViewTarget &view, const ProjectOptions &options,
                                       const QList<quint64> &keys);

// The points of `now` that `before` lacks, with the one before them: `now` is `before`
// with its newest stroke grown (or one stroke more). Empty when it is any other change.
QList<QPointF> grownPoints(const PhotoMask &before, const PhotoMask &now);

// The pixels of a layer `layer` large that `points` (fractions of the photo, which lies
// at `photo` in the layer's top-left pixels) reach with a brush `size` wide (a fraction
// of the photo's width), with a margin for the smoothing.
QRect reachedRect(const QList<QPointF> &points, double size, const QRectF &photo, QSize layer);
