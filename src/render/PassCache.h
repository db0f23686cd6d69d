#pragma once

#include "model/PhotoPlacement.h"
#include "model/ProjectOptions.h"
#include "render/RenderPass.h"

#include <QList>

#include <functional>
#include <optional>

// The mixed picture up to each photo of the latest preview pass, so that the next pass,
// after a change to photo k, starts from the picture up to photo k - 1 instead of from
// the background. A step is known by a key that chains everything the picture up to it
// depends on (the view, the pass scale, the common frame, each photo's picture and
// fields in order): a pass reuses the leading steps whose keys still match and replaces
// the rest. It is used by one pass at a time (the preview worker's).
//
// Memory: the steps hold pictures at the pass's scale (at most twice the view's pixels
// on a side) and their fitted draws (the view's size). Steps beyond kPassCacheBytes
// (192 MiB) are not kept, whatever the number of photos. The Composite and Shape
// pipelines keep steps; the others draw their photos straight into the view.
struct PassCache {
    static constexpr qsizetype kPassCacheBytes = qsizetype(192) << 20;

    struct Step {
        quint64 key = 0;
        QImage picture;        // the mixed picture after this photo, at the pass's scale
        QSize fullSize;        // its size in a full-resolution pass
        QList<ViewDraw> draws; // what this step added to the view
        // For the live strokes of a mask (LiveComposite.h), Composite steps keep the key
        // of the step with every mask left out, the photo's mask and its layer.
        quint64 baseKey = 0;
        PhotoMask mask{};
        QImage layer{};
        QImage plainLayer{}; // the layer without its mask, made when a stroke starts
        QImage coverage{};   // the mask as the blend's coverage, when `layer` is without it
        // For a photo dragged on the canvas: its placing fields as the layer shows them.
        PlacingValues placing{};
        // Redrawn in a region only (LiveComposite.h): the step shows the state its key
        // names, but a full pass makes it again.
        bool live = false;
        // Shape: where `coverage` is not transparent (top-left pixels of the frame), once found.
        std::optional<QRect> coverageReach{};
    };
    QList<Step> steps;         // steps[i] follows photo i + 1 (photo 0 is the background)
    QImage background;         // the picture steps[0] was made over, at the pass's scale
    quint64 backgroundKey = 0; // Shape: the pass's settings and scale and the background's picture

    qsizetype sizeInBytes() const;
    // How many leading steps match `keys` and are not live; the others are dropped (and
    // the background with them when none is left).
    qsizetype keepMatching(const QList<quint64> &keys);
    // Keeps `step` as the next one while the bound allows.
    void append(Step step);
};

// The one later photo i (1 to photos - 1) for which `differs(i)` holds, or 0 when none
// or several do.
qsizetype onlyPhotoWhere(qsizetype photos, const std::function<bool(qsizetype)> &differs);

// Chains `value` into `key` (64-bit FNV-1a over its bytes).
quint64 chainKey(quint64 key, quint64 value);
quint64 chainKey(quint64 key, double value);
// The key a pass's steps start from: the mode, the view's size and pixel ratio and the
// project's settings.
quint64 passKey(quint64 mode, const ViewTarget &view, const ProjectOptions &options);
// Chains everything a mask holds (nothing for an empty one).
quint64 chainMaskKey(quint64 key, const PhotoMask &mask);
// Chains a photo's picture, its mask and every field of `mode` (from the field table, so a new
// field is in the key the day it is in the table).
quint64 chainPhotoKey(quint64 key, const Object_Photo &photo, quint64 mode);
