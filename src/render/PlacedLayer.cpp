#include "render/PlacedLayer.h"

#include "imaging/Geometry.h"
#include "imaging/LowerLeft.h"

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

PlacedLayer placedLayerGeometry(QSizeF photoSize, float S, float X, float Y)
{
    const float pw = float(photoSize.width());
    const float ph = float(photoSize.height());
    const float a = pw / ph;
    const float w = pw + S * (pw / 100.0f);
    const float h = w / a;
    const float offX = X * (pw / 100.0f);
    const float offY = Y * (ph / 100.0f);
    return {QImage(), QRectF(offX, offY, w, h), QSizeF(w + offX, h + offY)};
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
    if (rect.x() == 0.0 && rect.y() == 0.0 && drawn) {
        layer.canvas = Resize_Image_To_Fit_Size(pixels, rect.size(), scale); // the photo fills the canvas
        return layer;
    }
    layer.canvas = transparentCanvas(layer.canvasSize.width() * scale, layer.canvasSize.height() * scale);
    if (drawn)
        drawPhotoStretched(layer.canvas, layer.pixelRect(scale), pixels);
    return layer;
}
