#include "render/CompositePipeline.h"

#include "imaging/Filters.h"
#include "imaging/Geometry.h"
#include "imaging/ImageConversion.h"
#include "imaging/MaskRaster.h"
#include "model/ProjectMode.h"
#include "render/AlignedLayer.h"
#include "render/LiveComposite.h"
#include "render/PassCache.h"
#include "render/PlacedLayer.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

namespace {

// A picture of the pass: its pixels at the pass's scale and the pixel size it has in a
// full-resolution pass, which is what the fitted draw frames.
struct Stage {
    QImage image;
    QSize fullSize;
    QString failure;   // why the layer could not be made; empty when it was
    QImage coverage{}; // the mask, when the blend takes it (then `image` is without it)
    // The mask the blend takes as its coverage, not rasterised yet (`coverage` is null).
    const PhotoMask *mask = nullptr;

    // The coverage rasterised, for a pass that keeps it.
    void rasterise()
    {
        if (mask)
            coverage = rasterizeMask(*std::exchange(mask, nullptr), image.size());
    }
};

// Whether a layer of `layer` pixels holds the photo's own picture at one scale, filling
// it: its sides in the photo's proportions to within a pixel.
bool photoFillsAtOneScale(QSizeF photo, QSize layer)
{
    const double across = std::abs(layer.width() * photo.height() - layer.height() * photo.width());
    return !layer.isEmpty() && across <= std::max(photo.width(), photo.height());
}

// The layer of a masked photo that neither turns, mirrors nor aligns and fills its layer
// at one scale: its plain pixels, and its mask, at the layer's size, as the blend's
// coverage (a mask is resolution-free, so this is the mask of those pixels), which spares
// a masked copy of the layer and keeps the blend's opaque spans where m = 1.
Stage coveredStage(QImage layer, const Object_Photo &photo, QSize fullSize)
{
    return {std::move(layer), fullSize, QString(), QImage(), &photo.mask};
}

// The layer of one step: the photo warped by its alignment, stretched to the common
// frame, or its placed layer; its mask applied first (or given as the coverage).
Stage compositeStage(const Object_Photo &photo, QSizeF background, QSizeF frame, double scale)
{
    if (compositeAligns(photo, background)) {
        Stage stage{alignedLayer(photo, frame, scale, true), resizedPixelSize(frame), QString()};
        if (stage.image.isNull() && !resizedPixelSize(frame * scale).isEmpty())
            stage.failure = QCoreApplication::translate(
                "CompositePipeline", "there is not enough memory to align it to the background.");
        return stage;
    }
    const QSizeF size = imageSizeF(photo.image);
    const bool masked = !photo.mask.isEmpty();
    if (photo.bCompositeSizeOfBG && masked && photoFillsAtOneScale(size, resizedPixelSize(frame)))
        if (Stage stage =
                coveredStage(Resize_Image_To_Fit_Size(photoAtScale(photo, scale, frame), frame, scale), photo,
                             resizedPixelSize(frame));
            !stage.image.isNull())
            return stage;
    if (photo.bCompositeSizeOfBG) {
        Stage stage{
            Resize_Image_To_Fit_Size(maskedPixels(photo, photoAtScale(photo, scale, frame)), frame, scale),
            resizedPixelSize(frame), QString()};
        if (stage.image.isNull() && !resizedPixelSize(frame * scale).isEmpty())
            stage.failure = QCoreApplication::translate(
                "CompositePipeline", "there is not enough memory to stretch it to the background.");
        return stage;
    }
    const PlacedLayer geometry =
        placedLayerGeometry(size, photo.f_Composite_Size, photo.f_Composite_X_Offset,
                            photo.f_Composite_Y_Offset, photoPlacement(photo, Composite));
    const QImage pixels = photoAtScale(photo, scale, geometry.rect.size());
    const bool fills =
        geometry.rect == QRectF(QPointF(0, 0), geometry.canvasSize) && geometry.placement.isIdentity();
    if (masked && fills) {
        const PlacedLayer layer = makePlacedLayer(pixels, geometry, scale);
        if (!layer.isEmpty())
            return coveredStage(layer.canvas, photo, resizedPixelSize(layer.canvasSize));
    }
    const PlacedLayer layer = makePlacedLayer(maskedPixels(photo, pixels), geometry, scale);
    return {layer.canvas, layer.isEmpty() ? QSize(0, 0) : resizedPixelSize(layer.canvasSize),
            placedLayerFailure(layer, imageSizeF(photo.image), scale)};
}

// `layer` over `background` as `photo` mixes it, under the layer's coverage.
QImage blendStage(const QImage &background, const Stage &layer, const Object_Photo &photo, BlendSpace space)
{
    const QImage under = CGImageRefFromImage(background), over = CGImageRefFromImage(layer.image);
    const quint64 mode = photo.m_Composite_Blend_Mode;
    if (layer.mask)
        return imageComposite(under, over, mode, compositeOpacity(photo), space,
                              maskRows(*layer.mask, layer.image.size()));
    return imageComposite(under, over, mode, compositeOpacity(photo), space, layer.coverage);
}

} // namespace

QList<quint64> compositeStepKeys(const PhotoList &photos, QSizeF frame, double scale, const ViewTarget &view,
                                 const ProjectOptions &options, bool withMasks)
{
    quint64 key = passKey(Composite, view, options);
    for (const double value : {frame.width(), frame.height(), scale})
        key = chainKey(key, value);
    key = chainKey(key, quint64(photos.front()->image.cacheKey()));
    QList<quint64> keys;
    for (qsizetype i = 1; i < photos.size(); ++i) {
        Object_Photo photo = *photos[i];
        if (!withMasks)
            photo.mask = {};
        key = chainPhotoKey(key, photo, Composite);
        keys.append(key);
    }
    return keys;
}

CompositeLayer compositeLayer(const Object_Photo &photo, QSizeF frame, double scale)
{
    Stage stage = compositeStage(photo, QSizeF(), frame, scale);
    stage.rasterise();
    return {std::move(stage.image), std::move(stage.coverage)};
}

QImage compositePlainLayer(const Object_Photo &photo, QSizeF frame, double scale)
{
    Object_Photo plain = photo;
    plain.mask = {};
    return compositeStage(plain, QSizeF(), frame, scale).image;
}

float compositeOpacity(const Object_Photo &photo)
{
    return std::clamp(photo.f_Composite_Opacity / 100.0f, 0.0f, 1.0f);
}

QSizeF compositeCommonFrame(const PhotoList &photos)
{
    float maxW = 0.0f;
    float maxH = 0.0f;
    for (const PhotoPtr &photo : photos) {
        const QSizeF size = imageSizeF(photo->image);
        if (float(size.width()) > maxW)
            maxW = float(size.width());
        if (float(size.height()) > maxH)
            maxH = float(size.height());
    }
    return QSizeF(maxW, maxH);
}

PassResult renderComposite(const PhotoList &photos, const ViewTarget &view, const ProjectOptions &options)
{
    const QSizeF frame = compositeCommonFrame(photos);
    const double scale = passScale(frame, view);
    PassResult pass;
    QImage running = photoAtScale(*photos.front(), scale, frame); // its own fields are never read
    QList<quint64> keys, baseKeys;
    qsizetype first = 1;
    if (view.cache) {
        keys = compositeStepKeys(photos, frame, scale, view, options);
        if (std::optional<PassResult> live = liveCompositePass(photos, frame, scale, view, options, keys))
            return *live;
        if (std::optional<PassResult> live = liveDragPass(photos, frame, scale, view, options, keys))
            return *live;
        const qsizetype kept = view.cache->keepMatching(keys);
        for (qsizetype i = 0; i < kept; ++i)
            pass.draws.append(view.cache->steps[i].draws);
        if (kept > 0) {
            running = view.cache->steps[kept - 1].picture;
            pass.fullSize = view.cache->steps[kept - 1].fullSize;
        }
        first = kept + 1;
        baseKeys = compositeStepKeys(photos, frame, scale, view, options, false);
    }
    // The common frame spans every photo: a photo too large to draw fails the pass.
    for (qsizetype i = 0; i < photos.size(); ++i)
        if (const QString failure = oversizedFailure(imageSizeF(photos[i]->image)); !failure.isEmpty())
            return failedLayerPass(photos, i, failure);
    for (qsizetype i = first; i < photos.size(); ++i) {
        const Object_Photo &photo = *photos[i];
        // Each step's background is stretched back to the common frame, whatever size
        // the previous result came out at.
        const QImage background = Resize_Image_To_Fit_Size(running, frame, scale);
        if (view.cache && i == 1)
            view.cache->background = background;
        running = QImage(); // no third full-size picture alive during the blend
        Stage layer = compositeStage(photo, imageSizeF(photos.front()->image), frame, scale);
        if (!layer.failure.isEmpty())
            return failedLayerPass(photos, i, layer.failure);
        // The filters take and give the canonical picture type directly; the result
        // spans both inputs, as its full-resolution counterpart does. A pass that keeps
        // its steps keeps the mask rasterised; any other rasterises it as it blends.
        if (view.cache)
            layer.rasterise();
        running = blendStage(background, layer, photo, options.blendSpace);
        if (running.isNull() && !(background.isNull() && layer.image.isNull()))
            return failedLayerPass(
                photos, i,
                QCoreApplication::translate("CompositePipeline", "there is not enough memory to blend it."));
        const QSize fullSize = resizedPixelSize(frame).expandedTo(layer.fullSize);
        const qsizetype drawsBefore = pass.draws.size();
        addFittedDraw(pass, running, running.isNull() ? QSizeF() : QSizeF(fullSize), scale, view);
        if (view.cache && view.cache->steps.size() == i - 1)
            view.cache->append({keys[i - 1], running, fullSize, pass.draws.mid(drawsBefore),
                                baseKeys.value(i - 1), photo.mask, layer.image, QImage(), layer.coverage,
                                placingValues(photo, Composite)});
    }
    pass.mixed = running;
    return pass;
}
