#include "render/RegionPass.h"

#include "imaging/Filters.h"
#include "imaging/ImageConversion.h"
#include "imaging/MaskRaster.h"
#include "model/PhotoPlacement.h"
#include "model/ProjectMode.h"
#include "render/CompositePipeline.h"
#include "render/PassCache.h"
#include "render/RenderPass.h"

#include <QCoreApplication>

namespace {

// Every overlay photo is the background's size and is laid on it as it is: each step of
// the pass is then a blend of two pictures of one size, pixel by pixel, and a region of
// the result needs only that region of each photo.
bool compositeIsPointwise(const PhotoList &photos)
{
    const QSize size = photos.front()->image.size();
    if (size.isEmpty())
        return false;
    for (qsizetype i = 1; i < photos.size(); ++i) {
        const Object_Photo &photo = *photos[i];
        const bool unmoved =
            photo.bCompositeSizeOfBG ||
            (photo.f_Composite_Size == 0.0f && photo.f_Composite_X_Offset == 0.0f &&
             photo.f_Composite_Y_Offset == 0.0f && photoPlacement(photo, Composite).isIdentity());
        if (photo.image.size() != size || !unmoved || photo.alignment)
            return false;
    }
    return true;
}

// `region` of `image` in the filters' picture type: converted straight from the photo's
// rows, or the photo's own rows when it has that type already (read, never written).
QImage regionPixels(const QImage &image, QRect region)
{
    if (image.depth() < 8 || image.format() == QImage::Format_Indexed8) // rows of palette indices
        return CGImageRefFromImage(image.copy(region));
    const QImage view(image.constBits() + qsizetype(region.y()) * image.bytesPerLine() +
                          qsizetype(region.x()) * image.depth() / 8,
                      region.width(), region.height(), image.bytesPerLine(), image.format());
    return CGImageRefFromImage(view);
}

RegionResult compositeRegion(const PhotoList &photos, const ProjectOptions &options, QRect region)
{
    RegionResult result;
    result.pictureSize = photos.front()->image.size();
    result.region = region & QRect(QPoint(0, 0), result.pictureSize);
    if (result.region.isEmpty())
        return result;
    QImage running = regionPixels(photos.front()->image, result.region);
    for (qsizetype i = 1; i < photos.size() && !running.isNull(); ++i) {
        const Object_Photo &photo = *photos[i];
        // The mask is the photo's own, pixel for pixel: the region takes its part of it,
        // rasterised as the blend's coverage on the way, as the whole pass does.
        const QImage pixels = regionPixels(photo.image, result.region);
        running =
            photo.mask.isEmpty()
                ? imageComposite(running, pixels, photo.m_Composite_Blend_Mode, compositeOpacity(photo),
                                 options.blendSpace)
                : imageComposite(running, pixels, photo.m_Composite_Blend_Mode, compositeOpacity(photo),
                                 options.blendSpace, maskRows(photo.mask, photo.image.size(), result.region));
    }
    if (running.isNull())
        result.error =
            QCoreApplication::translate("RegionPass", "there is not enough memory to blend the region.");
    result.image = running;
    return result;
}

} // namespace

quint64 projectKey(const PhotoList &photos, quint64 mode, const ProjectOptions &options)
{
    quint64 key = passKey(mode, ViewTarget{}, options);
    for (const PhotoPtr &photo : photos)
        key = chainPhotoKey(key, *photo, mode);
    return key;
}

RegionResult renderRegion(const PhotoList &photos, quint64 mode, const ProjectOptions &options, QRect region,
                          RegionCache *cache)
{
    if (photos.size() == 1 || (mode == Composite && photos.size() > 1 && compositeIsPointwise(photos))) {
        if (photos.size() > 1)
            return compositeRegion(photos, options, region);
        RegionResult result;
        result.pictureSize = photos.front()->image.size();
        result.region = region & QRect(QPoint(0, 0), result.pictureSize);
        result.image = photos.front()->image.copy(result.region);
        return result;
    }
    const quint64 key = projectKey(photos, mode, options);
    RegionCache own;
    RegionCache &kept = cache ? *cache : own;
    if (kept.key != key || kept.picture.isNull()) {
        kept.picture = QImage(); // the old picture is gone before the new one is made
        const PassResult pass = renderPass(photos, mode, QSizeF(), true, 1.0, options);
        RegionResult failed;
        failed.error = pass.error;
        if (pass.mixed.isNull())
            return failed;
        kept = {key, pass.mixed};
    }
    RegionResult result;
    result.pictureSize = kept.picture.size();
    result.region = region & kept.picture.rect();
    result.image = kept.picture.copy(result.region);
    return result;
}
