#include "render/PlacedLayer.h"

#include "imaging/Geometry.h"
#include "imaging/LowerLeft.h"
#include "imaging/ReducedCopies.h"

#include <QCoreApplication>

#include <cmath>

namespace {

bool isFinite(const QRectF &rect)
{
    return std::isfinite(rect.x()) && std::isfinite(rect.y()) && std::isfinite(rect.width()) &&
           std::isfinite(rect.height());
}

// A side as a message shows it: whole pixels, or three digits and a power of ten.
QString sideText(double side)
{
    return side < 1e9 ? QString::number(std::ceil(side), 'f', 0) : QString::number(side, 'g', 3);
}

} // namespace

QString oversizedFailure(QSizeF size)
{
    if (!exceedsLargestSide(size))
        return {};
    return QCoreApplication::translate("PlacedLayer",
                                       "it would be drawn %1 × %2 pixels large, and a picture is at "
                                       "most %3 pixels wide and high.")
        .arg(sideText(size.width()), sideText(size.height()))
        .arg(kLargestPixelSide);
}

QString placedLayerFailure(const PlacedLayer &layer, QSizeF photoSize, double scale)
{
    if (photoSize.isEmpty()) // a photo without a picture draws nothing, by design
        return {};
    if (!isFinite(layer.rect) || !std::isfinite(layer.canvasSize.width()) ||
        !std::isfinite(layer.canvasSize.height()))
        return QCoreApplication::translate("PlacedLayer", "its size and offsets are too large to draw.");
    if (const QString oversized = oversizedFailure(layer.canvasSize); !oversized.isEmpty())
        return oversized;
    if (layer.isEmpty() && !resizedPixelSize(layer.canvasSize * scale).isEmpty())
        return QCoreApplication::translate("PlacedLayer", "there is not enough memory for its canvas.");
    return {};
}

QRectF PlacedLayer::pixelRect(double scale) const
{
    return {rect.x() * scale, rect.y() * scale, rect.width() * scale, rect.height() * scale};
}

void drawPhotoStretched(QImage &canvas, const QRectF &rect, const QImage &image, qreal opacity)
{
    const bool enlarging = rect.width() >= image.width() && rect.height() >= image.height();
    const QImage source = enlarging ? image : Resize_Image_To_Fit_Size(image, rect.size());
    drawImageIntoLL(canvas, rect, source, opacity);
}

PlacedLayer placedLayerGeometry(QSizeF photoSize, float S, float X, float Y, const Placement &placement)
{
    const float pw = float(photoSize.width());
    const float ph = float(photoSize.height());
    const float a = pw / ph;
    const float w = pw + S * (pw / 100.0f);
    const float h = w / a;
    const float offX = X * (pw / 100.0f);
    const float offY = Y * (ph / 100.0f);
    PlacedLayer layer{QImage(), QRectF(offX, offY, w, h), QSizeF(w + offX, h + offY), placement};
    if (placement.rotation != 0.0) {
        const QRectF turned = turnedBounds(layer.rect, placement.rotation);
        layer.canvasSize = layer.canvasSize.expandedTo(QSizeF(turned.right(), turned.bottom()));
    }
    return layer;
}

PlacedLayer makePlacedLayer(const QImage &image, float S, float X, float Y)
{
    return makePlacedLayer(image, placedLayerGeometry(imageSizeF(image), S, X, Y), 1.0);
}

PlacedLayer makePlacedLayer(const QImage &pixels, const PlacedLayer &geometry, double scale)
{
    PlacedLayer layer = geometry;
    const QRectF rect = layer.rect;
    if (!isFinite(rect) || resizedPixelSize(layer.canvasSize).isEmpty())
        return layer; // the empty layer
    const bool drawn = rect.width() > 0.0 && rect.height() > 0.0;
    if (rect.x() == 0.0 && rect.y() == 0.0 && drawn && layer.placement.isIdentity()) {
        layer.canvas = Resize_Image_To_Fit_Size(pixels, rect.size(), scale); // the photo fills the canvas
        return layer;
    }
    layer.canvas = transparentCanvas(layer.canvasSize.width() * scale, layer.canvasSize.height() * scale);
    if (drawn)
        drawPhotoPlaced(layer.canvas, layer.pixelRect(scale), pixels, layer.placement);
    return layer;
}

OrientedPicture orientPicture(const QImage &image, const QRectF &rect, const Placement &placement)
{
    const double quarters = std::round(placement.rotation / 90.0);
    OrientedPicture oriented{image, rect, placement.rotation - quarters * 90.0};
    if (placement.flipHorizontal || placement.flipVertical)
        oriented.image = image.mirrored(placement.flipHorizontal, placement.flipVertical);
    const int turns = int(std::fmod(quarters, 4.0) + 4.0) % 4;
    if (turns == 0)
        return oriented;
    oriented.image = oriented.image.transformed(QTransform().rotate(90.0 * turns));
    if (turns % 2 == 1) {
        const QPointF centre = rect.center();
        oriented.rect = QRectF(centre.x() - rect.height() / 2, centre.y() - rect.width() / 2, rect.height(),
                               rect.width());
    }
    return oriented;
}

void drawPhotoPlaced(QImage &canvas, const QRectF &rect, const QImage &image, const Placement &placement,
                     qreal opacity)
{
    if (placement.isIdentity())
        return drawPhotoStretched(canvas, rect, image, opacity);
    const OrientedPicture oriented = orientPicture(image, rect, placement);
    if (oriented.turn == 0.0)
        return drawPhotoStretched(canvas, oriented.rect, oriented.image, opacity);
    QImage source = oriented.image;
    while (source.width() >= 2 * oriented.rect.width() && source.height() >= 2 * oriented.rect.height()) {
        const QImage half = halveImage(source);
        if (half.isNull())
            break;
        source = half;
    }
    drawImageIntoLL(canvas, oriented.rect, source, opacity, oriented.turn);
}
