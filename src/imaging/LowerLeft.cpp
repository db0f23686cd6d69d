#include "imaging/LowerLeft.h"

#include "imaging/Geometry.h"
#include "imaging/ImageConversion.h"
#include "imaging/Parallel.h"

#include <QPainter>
#include <QtMath>

#include <algorithm>
#include <cmath>
#include <cstring>

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

QTransform turnAboutCentre(const QRectF &topLeft, double degrees, bool mirrorX, bool mirrorY)
{
    const QPointF centre = topLeft.center();
    QTransform transform;
    transform.translate(centre.x(), centre.y());
    transform.rotate(degrees);
    transform.scale(mirrorX ? -1.0 : 1.0, mirrorY ? -1.0 : 1.0);
    transform.translate(-centre.x(), -centre.y());
    return transform;
}

QRectF turnedBounds(const QRectF &rect, double degrees)
{
    if (degrees == 0.0)
        return rect;
    const double radians = qDegreesToRadians(degrees);
    const double c = std::abs(std::cos(radians));
    const double s = std::abs(std::sin(radians));
    const QSizeF size(rect.width() * c + rect.height() * s, rect.width() * s + rect.height() * c);
    return {rect.center() - QPointF(size.width() / 2, size.height() / 2), size};
}

void drawImageLL(QPainter &painter, qreal canvasHeight, const QRectF &rect, const QImage &image,
                 qreal opacity, double turn)
{
    if (image.isNull())
        return;
    painter.save();
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.setOpacity(opacity);
    const QRectF target = toTopLeft(rect, canvasHeight);
    if (turn != 0.0) {
        painter.setRenderHint(QPainter::Antialiasing, true); // smooth edges where the corners are left
        painter.setTransform(turnAboutCentre(target, turn), true);
    }
    painter.drawImage(target, image, QRectF(image.rect()));
    painter.restore();
}

void drawImageIntoLL(QImage &canvas, const QRectF &rect, const QImage &image, qreal opacity, double turn)
{
    if (image.isNull() || canvas.isNull())
        return;
    uchar *bits = canvas.bits(); // detaches once, before the threads start
    const qsizetype bytesPerLine = canvas.bytesPerLine();
    const QImage::Format format = canvas.format();
    const int width = canvas.width();
    const qreal height = canvas.height();
    // Only the rows the rectangle covers (and one beyond each edge, for the smoothing)
    // are visited: laying many small pictures on a tall canvas costs each its own rows.
    const QRectF target = toTopLeft(turnedBounds(rect, turn), height);
    const double top = std::clamp(std::floor(target.top()) - 1.0, 0.0, height);
    const double bottom = std::clamp(std::ceil(target.bottom()) + 1.0, 0.0, height);
    if (!(bottom > top))
        return;
    const int first = int(top);
    parallelRows(int(bottom) - first, [&](int begin, int end) {
        begin += first;
        end += first;
        QImage band(bits + begin * bytesPerLine, width, end - begin, bytesPerLine, format);
        QPainter painter(&band);
        painter.translate(0, -begin);
        drawImageLL(painter, height, rect, image, opacity, turn);
    });
}

QImage transparentCanvas(qreal width, qreal height)
{
    const QSize grid = resizedPixelSize(QSizeF(width, height));
    if (grid.isEmpty())
        return {};
    QImage canvas(grid, kCanonicalFormat);
    if (canvas.isNull())
        return {};
    // Cleared by all threads: on a fresh photo-sized picture the first touch of each
    // memory page costs more than the clearing itself.
    uchar *bits = canvas.bits();
    const qsizetype bytesPerLine = canvas.bytesPerLine();
    parallelRows(grid.height(), [&](int begin, int end) {
        std::memset(bits + begin * bytesPerLine, 0, size_t(end - begin) * size_t(bytesPerLine));
    });
    return canvas;
}

QImage frameRegion(const QImage &picture, QRect region, QSize frame)
{
    return picture.copy(region.translated(0, picture.height() - frame.height()));
}
