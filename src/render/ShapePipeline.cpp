#include "render/ShapePipeline.h"

#include "imaging/Filters.h"
#include "imaging/Geometry.h"
#include "imaging/ImageConversion.h"
#include "imaging/LowerLeft.h"
#include "imaging/MaskFeather.h"
#include "imaging/MaskRaster.h"
#include "model/ProjectMode.h"
#include "model/ShapeType.h"
#include "render/LiveComposite.h"
#include "render/PassCache.h"
#include "render/ShapeMasks.h"

#include <QCoreApplication>
#include <QPainter>

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

namespace {

// Where a photo's layer lies, without its pixels.
PlacedLayer shapeGeometry(const Object_Photo &photo)
{
    return placedLayerGeometry(imageSizeF(photo.image), photo.f_Shape_Size, photo.f_Shape_X_Offset,
                               photo.f_Shape_Y_Offset, photoPlacement(photo, Shape));
}

// The placed layer of one step at the pass's scale, from the photo's reduced copy.
PlacedLayer shapeLayer(const Object_Photo &photo, double scale)
{
    const PlacedLayer geometry = shapeGeometry(photo);
    return makePlacedLayer(maskedPixels(photo, photoAtScale(photo, scale, geometry.rect.size())), geometry,
                           scale);
}

// The placed layer of a photo whose pixels at the pass's scale are `canvas`, made before.
PlacedLayer shapeLayerAt(const Object_Photo &photo, const QImage &canvas)
{
    PlacedLayer layer = shapeGeometry(photo);
    layer.canvas = canvas;
    return layer;
}

// The key of what the steps are made over: the view, the settings, the scale and the
// background's picture.
quint64 backgroundKey(const PhotoList &photos, double scale, const ViewTarget &view,
                      const ProjectOptions &options)
{
    return chainKey(chainKey(passKey(Shape, view, options), scale),
                    quint64(photos.front()->image.cacheKey()));
}

// The key of each step: what the steps are made over, then each photo's picture and
// fields in order.
QList<quint64> stepKeys(const PhotoList &photos, quint64 key)
{
    QList<quint64> keys;
    for (qsizetype i = 1; i < photos.size(); ++i) {
        key = chainPhotoKey(key, *photos[i], Shape);
        keys.append(key);
    }
    return keys;
}

// A later photo's cut-out layer and mask at the pass's scale depend on the photo and the
// scale alone: the steps keep them under this key (`baseKey`), for the passes after a
// change below the photo (another photo dragged) to take again.
struct KeptCut {
    quint64 key;
    QImage layer;
    QImage mask;
};

quint64 cutKey(const Object_Photo &photo, double scale)
{
    return chainPhotoKey(chainKey(quint64(Shape), scale), photo, Shape);
}

// The pixels of a frame (top-left) where `mask`, anchored at its lower-left corner, is
// not fully transparent.
QRect maskReach(const QImage &mask, QSize frame)
{
    QRect reach;
    for (int y = 0; y < mask.height(); ++y) {
        const QRgb *row = reinterpret_cast<const QRgb *>(mask.constScanLine(y));
        int left = 0, right = mask.width() - 1;
        while (left <= right && row[left] == 0)
            ++left;
        while (right > left && row[right] == 0)
            --right;
        if (left <= right)
            reach |= QRect(left, y + frame.height() - mask.height(), right - left + 1, 1);
    }
    return reach;
}

// Every step is the frame's size at the pass's scale and keeps its cut-out, which lies
// within the frame, and the pictures' full size is the background's.
bool stepsKeepCutsInFrame(const PassCache &cache, QSize fullSize)
{
    const QSize frame = cache.background.size();
    for (const PassCache::Step &step : cache.steps)
        if (step.picture.size() != frame || step.fullSize != fullSize || step.coverage.isNull() ||
            step.layer.width() > frame.width() || step.layer.height() > frame.height() ||
            step.coverage.width() > frame.width() || step.coverage.height() > frame.height())
            return false;
    return !frame.isEmpty();
}

// The one photo whose cut-out differs from its step's (or was cut live during a stroke),
// or 0 when none or several do.
qsizetype changedCut(const PhotoList &photos, const PassCache &cache, double scale)
{
    return onlyPhotoWhere(photos.size(), [&](qsizetype i) {
        const PassCache::Step &step = cache.steps[i - 1];
        return step.live || cutKey(*photos[i], scale) != step.baseKey;
    });
}

// Cuts `region` (top-left pixels of the frame) afresh through every step from photo k's
// on, from the picture before photo k (photo k's layer there `regionLayer` when given,
// else its step's). False when memory ran out, the steps from k's on then dropped.
bool recutRegion(PassCache &cache, const PhotoList &photos, qsizetype k, QRect region,
                 const ProjectOptions &options, const QImage &regionLayer = QImage())
{
    const QSize frame = cache.background.size();
    QImage running = k == 1 ? cache.background : cache.steps[k - 2].picture;
    for (qsizetype i = k; i < photos.size(); ++i) {
        PassCache::Step &step = cache.steps[i - 1];
        const auto cut = photos[i]->mask.isEmpty() ? imageShape : imageShapeOver;
        const QImage layer =
            i == k && !regionLayer.isNull() ? regionLayer : frameRegion(step.layer, region, frame);
        const QImage mixed = cut(frameRegion(running, region, frame), layer,
                                 frameRegion(step.coverage, region, frame), options.blendSpace);
        if (mixed.isNull()) {
            cache.steps.resize(k - 1);
            return false;
        }
        QPainter painter(&step.picture);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(region.topLeft(), mixed);
        painter.end();
        running = step.picture;
    }
    return true;
}

// The pass the steps now draw, the steps from photo k's on under the photos' keys.
PassResult shapeResult(PassCache &cache, const PhotoList &photos, qsizetype k, quint64 background,
                       double scale, const ViewTarget &view)
{
    const QList<quint64> keys = stepKeys(photos, background);
    for (qsizetype i = k - 1; i < cache.steps.size(); ++i)
        cache.steps[i].key = keys[i];
    PassResult pass;
    addFittedDraw(pass, cache.steps.last().picture, QSizeF(cache.steps.last().fullSize), scale, view);
    pass.mixed = cache.steps.last().picture;
    return pass;
}

// The photo that alone changed since the last pass, over steps that each keep their
// cut-out within the frame: 0 when there is none.
qsizetype liveShapePhoto(const PhotoList &photos, double scale, quint64 background, const PassCache &cache)
{
    const QSize fullSize = resizedPixelSize(imageSizeF(photos.front()->image));
    if (cache.steps.size() != photos.size() - 1 || cache.backgroundKey != background ||
        !stepsKeepCutsInFrame(cache, fullSize))
        return 0;
    return changedCut(photos, cache, scale);
}

// Photo k alone changed (dragged, reshaped, its mask painted): the picture is cut afresh
// only where its old or new cut-out shows, through every photo from it on. A cut is
// pointwise: the pixels are those a full pass makes. False when a full pass is needed.
bool recutPhoto(PassCache &cache, const PhotoList &photos, qsizetype k, double scale,
                const ProjectOptions &options)
{
    const Object_Photo &photo = *photos[k];
    const PlacedLayer layer = shapeLayer(photo, scale);
    const QSize frame = cache.background.size();
    const QSize fullSize = cache.steps.front().fullSize;
    if (layer.isEmpty() || !placedLayerFailure(layer, imageSizeF(photo.image), scale).isEmpty() ||
        resizedPixelSize(layer.canvasSize).expandedTo(fullSize) != fullSize ||
        layer.canvas.width() > frame.width() || layer.canvas.height() > frame.height())
        return false; // a full pass says why, or grows the picture
    const QImage mask = shapeMaskCanvas(photo.m_Shape_Type, layer, scale, photo.f_Shape_Feather);
    if (mask.isNull())
        return false;
    PassCache::Step &changed = cache.steps[k - 1];
    // Where the old mask showed was found when it was made by such a pass (a drag's events
    // follow one another), else it is looked for now.
    const QRect reach = maskReach(mask, frame);
    const QRect region =
        (changed.coverageReach ? *changed.coverageReach : maskReach(changed.coverage, frame)) | reach;
    changed.coverageReach = reach;
    changed.baseKey = cutKey(photo, scale);
    changed.layer = layer.canvas;
    changed.coverage = mask;
    changed.mask = photo.mask;
    changed.plainLayer = QImage();
    changed.live = false;
    return region.isEmpty() || recutRegion(cache, photos, k, region, options);
}

// Photo k's newest stroke grew: only the pixels its new points reach are cut afresh,
// photo k's layer there being its layer without the mask with the mask applied as it
// lies (the same mask, resampled once more, as live Composite strokes do). Its step is
// marked live: the next pass that is not such a stroke cuts the photo's whole cut-out
// afresh, as a full pass does. Nothing when the change is not such a stroke.
std::optional<bool> recutStroke(PassCache &cache, const PhotoList &photos, qsizetype k, double scale,
                                const ProjectOptions &options)
{
    const Object_Photo &photo = *photos[k];
    PassCache::Step &painted = cache.steps[k - 1];
    Object_Photo before = photo;
    before.mask = painted.mask;
    const QList<QPointF> points = grownPoints(painted.mask, photo.mask);
    if (points.isEmpty() || cutKey(before, scale) != painted.baseKey ||
        !photoPlacement(photo, Shape).isIdentity())
        return std::nullopt;
    if (painted.plainLayer.isNull()) {
        before.mask = {};
        painted.plainLayer = shapeLayer(before, scale).canvas;
    }
    const QSize layerSize = painted.plainLayer.size();
    const QRectF rect = shapeGeometry(photo).pixelRect(scale);
    const QRectF inLayer(rect.x(), layerSize.height() - rect.y() - rect.height(), rect.width(),
                         rect.height());
    const QRect reached = reachedRect(points, photo.mask.strokes.last().size, inLayer, layerSize);
    const QSize frame = cache.background.size();
    if (!reached.isEmpty() &&
        !recutRegion(cache, photos, k, reached.translated(0, frame.height() - layerSize.height()), options,
                     applyMask(painted.plainLayer.copy(reached), photo.mask, inLayer.size().toSize(),
                               reached.topLeft() - inLayer.topLeft().toPoint())))
        return false;
    painted.mask = photo.mask;
    painted.baseKey = cutKey(photo, scale);
    painted.live = true;
    return true;
}

// Live Shape passes: when one photo alone changed since the last pass, over steps that
// all keep their cut-outs within the frame, only what it changed is cut afresh (above).
std::optional<PassResult> liveShapePass(const PhotoList &photos, double scale, quint64 background,
                                        const ViewTarget &view, const ProjectOptions &options)
{
    PassCache &cache = *view.cache;
    const qsizetype k = liveShapePhoto(photos, scale, background, cache);
    if (k == 0)
        return std::nullopt;
    const std::optional<bool> stroke = recutStroke(cache, photos, k, scale, options);
    if (!(stroke ? *stroke : recutPhoto(cache, photos, k, scale, options)))
        return std::nullopt;
    return shapeResult(cache, photos, k, background, scale, view);
}

} // namespace

double shapeFeatherSigma(float feather, QSizeF maskRect, double scale)
{
    const double share = std::clamp(double(feather), 0.0, 100.0) / 100.0 * kShapeFeatherShare;
    return share * std::min(maskRect.width(), maskRect.height()) / 4.0 * scale;
}

QImage shapeMaskCanvas(quint64 shapeType, const PlacedLayer &layer, double scale, float feather)
{
    QImage mask = transparentCanvas(layer.canvasSize.width() * scale, layer.canvasSize.height() * scale);
    drawShapeMask(mask, shapeType, layer.pixelRect(scale), layer.placement);
    if (feather > 0.0f)
        featherMask(mask, shapeFeatherSigma(feather, layer.rect.size(), scale));
    return mask;
}

PassResult renderShape(const PhotoList &photos, const ViewTarget &view, const ProjectOptions &options)
{
    const Object_Photo &background = *photos.front(); // its own fields are never read
    const QSizeF backgroundSize = imageSizeF(background.image);
    if (const QString failure = oversizedFailure(backgroundSize); !failure.isEmpty())
        return failedLayerPass(photos, 0, failure);
    const double scale = passScale(backgroundSize, view);
    const quint64 base = view.cache ? backgroundKey(photos, scale, view, options) : 0;
    if (view.cache)
        if (std::optional<PassResult> live = liveShapePass(photos, scale, base, view, options))
            return *live;
    // The running picture is used at its own size; at a reduced scale that is the
    // background's size times the scale, which its reduced copy is within a pixel of.
    QImage running = scale < 1.0 ? Resize_Image_To_Fit_Size(photoAtScale(background, scale, backgroundSize),
                                                            backgroundSize, scale)
                                 : background.image;
    QSize fullSize = resizedPixelSize(backgroundSize);
    QList<quint64> keys;
    qsizetype first = 1;
    std::vector<KeptCut> cuts; // what the steps kept, for the photos that did not change
    if (view.cache) {
        keys = stepKeys(photos, base);
        for (const PassCache::Step &step : view.cache->steps)
            cuts.push_back(
                {step.live ? 0 : step.baseKey, step.layer, step.coverage}); // a live cut is not whole
        const qsizetype kept = view.cache->keepMatching(keys);
        view.cache->background = CGImageRefFromImage(running);
        view.cache->backgroundKey = base;
        if (kept > 0) {
            running = view.cache->steps[kept - 1].picture;
            fullSize = view.cache->steps[kept - 1].fullSize;
        }
        first = kept + 1;
    }
    for (qsizetype i = first; i < photos.size(); ++i) {
        const Object_Photo &photo = *photos[i];
        const quint64 key = cutKey(photo, scale);
        KeptCut kept = size_t(i - 1) < cuts.size() ? std::exchange(cuts[size_t(i - 1)], {}) : KeptCut{};
        const bool reuse = kept.key == key && !kept.layer.isNull();
        const PlacedLayer layer = reuse ? shapeLayerAt(photo, kept.layer) : shapeLayer(photo, scale);
        if (const QString failure = placedLayerFailure(layer, imageSizeF(photo.image), scale);
            !failure.isEmpty())
            return failedLayerPass(photos, i, failure);
        const QImage mask =
            reuse ? kept.mask : shapeMaskCanvas(photo.m_Shape_Type, layer, scale, photo.f_Shape_Feather);
        if (mask.isNull() && !layer.isEmpty())
            return failedLayerPass(
                photos, i,
                QCoreApplication::translate("ShapePipeline", "there is not enough memory for its mask."));
        const bool hadRunning = !running.isNull();
        // The filters take and give the canonical picture type directly. The result
        // spans the running picture and the cut-out layer, at either scale.
        const auto cut = photo.mask.isEmpty() ? imageShape : imageShapeOver;
        running = cut(CGImageRefFromImage(running), CGImageRefFromImage(layer.canvas),
                      CGImageRefFromImage(mask), options.blendSpace);
        if (running.isNull() && (hadRunning || !layer.isEmpty()))
            return failedLayerPass(
                photos, i,
                QCoreApplication::translate("ShapePipeline", "there is not enough memory to cut it out."));
        if (!layer.isEmpty())
            fullSize = fullSize.expandedTo(resizedPixelSize(layer.canvasSize));
        if (view.cache && view.cache->steps.size() == i - 1)
            view.cache->append({keys[i - 1], running, fullSize, {}, key, photo.mask, layer.canvas, {}, mask});
    }
    PassResult pass;
    addFittedDraw(pass, running, running.isNull() ? QSizeF() : QSizeF(fullSize), scale, view);
    pass.mixed = running;
    return pass;
}
