#pragma once

#include <QColor>
#include <QImage>
#include <QRectF>

class QPainter;

// Drawing in lower-left coordinates (origin at the bottom-left corner, y upwards).
// This is the only place that turns a lower-left rectangle into Qt's top-left one.
QRectF toTopLeft(const QRectF &lowerLeft, qreal canvasHeight);

// Fills a rectangle, replacing its pixels (a fill with Qt::transparent erases).
void fillRectLL(QPainter &painter, qreal canvasHeight, const QRectF &rect, const QColor &color);

// Draws the whole image stretched into a rectangle with source-over at an opacity.
void drawImageLL(QPainter &painter, qreal canvasHeight, const QRectF &rect, const QImage &image,
                 qreal opacity = 1.0);

// The same onto a whole picture, its rows split across the imaging threads: each paints
// its own band through a view on the band's pixels. The result does not depend on the
// number of threads.
void drawImageIntoLL(QImage &canvas, const QRectF &rect, const QImage &image, qreal opacity = 1.0);

// A new fully transparent canvas of the given size (rounded to whole pixels).
QImage transparentCanvas(qreal width, qreal height);
