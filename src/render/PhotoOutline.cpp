#include "render/PhotoOutline.h"

#include "imaging/Geometry.h"
#include "model/ProjectMode.h"
#include "render/PlacedLayer.h"
#include "render/TransparentPipeline.h"

#include <QTransform>

QPolygonF PhotoOutline::corners() const
{
    // Turned clockwise on screen: counter-clockwise in lower-left coordinates.
    const QPointF centre = rect.center();
    const QTransform turn = QTransform::fromTranslate(centre.x(), centre.y())
                                .rotate(-placement.rotation)
                                .translate(-centre.x(), -centre.y());
    // QRectF's "top" is the smaller y: the bottom edge in lower-left coordinates.
    return turn.map(QPolygonF({rect.topLeft(), rect.topRight(), rect.bottomRight(), rect.bottomLeft()}));
}

std::optional<PhotoOutline> photoOutline(const Object_Photo &photo, quint64 mode, QSizeF background)
{
    if (photo.image.isNull())
        return std::nullopt;
    const Placement placement = photoPlacement(photo, mode);
    const QSizeF size = imageSizeF(photo.image);
    switch (mode) {
    case Composite:
        if (photo.bCompositeSizeOfBG)
            return std::nullopt;
        return PhotoOutline{placedLayerGeometry(size, photo.f_Composite_Size, photo.f_Composite_X_Offset,
                                                photo.f_Composite_Y_Offset)
                                .rect,
                            placement};
    case Shape:
        return PhotoOutline{
            placedLayerGeometry(size, photo.f_Shape_Size, photo.f_Shape_X_Offset, photo.f_Shape_Y_Offset)
                .rect,
            placement};
    case Transparent:
        return PhotoOutline{transparentLayerRect(photo, QRectF(QPointF(0, 0), background)), placement};
    default:
        return std::nullopt;
    }
}

std::optional<std::array<double, 3>> placementForRect(const Object_Photo &photo, quint64 mode,
                                                      QSizeF background, const QRectF &rect)
{
    if (!photoOutline(photo, mode, background))
        return std::nullopt;
    const QSizeF own = imageSizeF(photo.image);
    if (mode == Transparent) {
        if (background.isEmpty())
            return std::nullopt;
        return std::array<double, 3>{rect.width() * 100.0 / background.width(),
                                     rect.x() * 100.0 / background.width(),
                                     rect.y() * 100.0 / background.height()};
    }
    return std::array<double, 3>{(rect.width() / own.width() - 1.0) * 100.0, rect.x() * 100.0 / own.width(),
                                 rect.y() * 100.0 / own.height()};
}
