#include "render/PhotoFrame.h"

#include "imaging/Geometry.h"
#include "model/ProjectMode.h"
#include "render/CompositePipeline.h"
#include "render/PassMemory.h"
#include "render/PlacedLayer.h"
#include "render/TransparentPipeline.h"

namespace {

// The photo's rectangle in lower-left coordinates of the picture, whose lower-left
// corner is the background's.
QRectF lowerLeftRect(const PhotoList &photos, quint64 mode, const Object_Photo &photo)
{
    const QSizeF size = imageSizeF(photo.image);
    switch (mode) {
    case Composite:
        if (photo.bCompositeSizeOfBG)
            return {QPointF(0, 0), compositeCommonFrame(photos)};
        return placedLayerGeometry(size, photo.f_Composite_Size, photo.f_Composite_X_Offset,
                                   photo.f_Composite_Y_Offset)
            .rect;
    case Shape:
        return placedLayerGeometry(size, photo.f_Shape_Size, photo.f_Shape_X_Offset, photo.f_Shape_Y_Offset)
            .rect;
    case Transparent:
        return transparentLayerRect(photo, QRectF(QPointF(0, 0), imageSizeF(photos.front()->image)));
    default:
        return {};
    }
}

} // namespace

QTransform photoToPicture(const PhotoList &photos, quint64 mode, qsizetype index)
{
    if (index < 0 || index >= photos.size() || photos[index]->image.isNull() || isLinearMode(mode))
        return QTransform(0, 0, 0, 0, 0, 0);
    QList<QSizeF> sizes;
    for (const PhotoPtr &photo : photos)
        sizes.append(imageSizeF(photo->image));
    const double height = capturedPictureSize(photos, sizes, mode).height();
    const QRectF rect =
        index == 0 ? QRectF(QPointF(0, 0), sizes.front()) : lowerLeftRect(photos, mode, *photos[index]);
    return QTransform(rect.width(), 0, 0, rect.height(), rect.x(), height - rect.y() - rect.height());
}
