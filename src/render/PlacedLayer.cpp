#include "render/PlacedLayer.h"

#include "imaging/Geometry.h"
#include "imaging/LowerLeft.h"

#include <cmath>

namespace {

bool isFinite(const QRectF &rect)
{
    return std::isfinite(rect.x()) && std::isfinite(rect.y()) && std::isfinite(rect.width()) &&
           std::isfinite(rect.height());
}

} // namespace

void Draw_Photo_Stretched(QImage &canvas, const QRectF &rect, const QImage &image, qreal opacity)
{
    const bool enlarging = rect.width() >= image.width() && rect.height() >= image.height();
    const QImage source = enlarging ? image : Resize_Image_To_Fit_Size(image, rect.size());
    drawImageIntoLL(canvas, rect, source, opacity);
}

PlacedLayer Make_Placed_Layer(const QImage &image, float S, float X, float Y)
{
    const float pw = float(image.width());
    const float ph = float(image.height());
    const float a = pw / ph;
    const float w = pw + S * (pw / 100.0f);
    const float h = w / a;
    const float offX = X * (pw / 100.0f);
    const float offY = Y * (ph / 100.0f);

    PlacedLayer layer{QImage(), QRectF(offX, offY, w, h), QSizeF(w + offX, h + offY)};
    if (!isFinite(layer.rect) || resizedPixelSize(layer.canvasSize).isEmpty())
        return layer; // the empty layer
    if (offX == 0.0f && offY == 0.0f && w > 0.0f && h > 0.0f) {
        layer.canvas = Resize_Image_To_Fit_Size(image, layer.rect.size()); // the photo fills the canvas
        return layer;
    }
    layer.canvas = transparentCanvas(layer.canvasSize.width(), layer.canvasSize.height());
    if (w > 0.0f && h > 0.0f)
        Draw_Photo_Stretched(layer.canvas, layer.rect, image);
    return layer;
}
