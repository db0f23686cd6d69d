#include "render/ShapePipeline.h"

#include "imaging/Filters.h"
#include "imaging/Geometry.h"
#include "imaging/ImageConversion.h"
#include "imaging/LowerLeft.h"
#include "imaging/MaskFeather.h"
#include "model/ProjectMode.h"
#include "model/ShapeType.h"
#include "render/PassCache.h"
#include "render/ShapeMasks.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

// The placed layer of one step at the pass's scale, from the photo's reduced copy.
PlacedLayer shapeLayer(const Object_Photo &photo, double scale)
{
    const PlacedLayer geometry =
        placedLayerGeometry(imageSizeF(photo.image), photo.f_Shape_Size, photo.f_Shape_X_Offset,
                            photo.f_Shape_Y_Offset, photoPlacement(photo, Shape));
    return makePlacedLayer(maskedPixels(photo, photoAtScale(photo, scale, geometry.rect.size())), geometry,
                           scale);
}

// The key of each step: the view, the settings, the scale, the background's picture,
// then each photo's picture and fields in order.
QList<quint64> stepKeys(const PhotoList &photos, double scale, const ViewTarget &view,
                        const ProjectOptions &options)
{
    quint64 key =
        chainKey(chainKey(passKey(Shape, view, options), scale), quint64(photos.front()->image.cacheKey()));
    QList<quint64> keys;
    for (qsizetype i = 1; i < photos.size(); ++i) {
        key = chainPhotoKey(key, *photos[i], Shape);
        keys.append(key);
    }
    return keys;
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
    // The running picture is used at its own size; at a reduced scale that is the
    // background's size times the scale, which its reduced copy is within a pixel of.
    QImage running = scale < 1.0 ? Resize_Image_To_Fit_Size(photoAtScale(background, scale, backgroundSize),
                                                            backgroundSize, scale)
                                 : background.image;
    QSize fullSize = resizedPixelSize(backgroundSize);
    QList<quint64> keys;
    qsizetype first = 1;
    if (view.cache) {
        keys = stepKeys(photos, scale, view, options);
        const qsizetype kept = view.cache->keepMatching(keys);
        if (kept > 0) {
            running = view.cache->steps[kept - 1].picture;
            fullSize = view.cache->steps[kept - 1].fullSize;
        }
        first = kept + 1;
    }
    for (qsizetype i = first; i < photos.size(); ++i) {
        const Object_Photo &photo = *photos[i];
        const PlacedLayer layer = shapeLayer(*photos[i], scale);
        if (const QString failure = placedLayerFailure(layer, imageSizeF(photo.image), scale);
            !failure.isEmpty())
            return failedLayerPass(photos, i, failure);
        const QImage mask = shapeMaskCanvas(photo.m_Shape_Type, layer, scale, photo.f_Shape_Feather);
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
            view.cache->append({keys[i - 1], running, fullSize, {}});
    }
    PassResult pass;
    addFittedDraw(pass, running, running.isNull() ? QSizeF() : QSizeF(fullSize), scale, view);
    pass.mixed = running;
    return pass;
}
