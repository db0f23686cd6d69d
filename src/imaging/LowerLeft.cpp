#include "imaging/LowerLeft.h"

#include "imaging/Geometry.h"
#include "imaging/ImageConversion.h"

#include <QPainter>

QRectF toTopLeft(const QRectF &lowerLeft, qreal canvasHeight)
{
    return {lowerLeft.x(), canvasHeight - lowerLeft.y() - lowerLeft.height(), lowerLeft.width(),
            lowerLeft.height()};
}

void fillRectLL(QPainter &painter, qreal canvasHeight, const QRectF &rect, const QColor &color)
{
    painter.save();
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(toTopLeft(rect, canvasHeight), color);
    painter.restore();
}

void drawImageLL(QPainter &painter, qreal canvasHeight, const QRectF &rect, const QImage &image,
                 qreal opacity)
{
    if (image.isNull())
        return;
    painter.save();
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.setOpacity(opacity);
    painter.drawImage(toTopLeft(rect, canvasHeight), image, QRectF(image.rect()));
    painter.restore();
}

QImage transparentCanvas(qreal width, qreal height)
{
    const QSize grid = resizedPixelSize(QSizeF(width, height));
    if (grid.isEmpty())
        return {};
    QImage canvas(grid, kCanonicalFormat);
    canvas.fill(Qt::transparent);
    return canvas;
}
