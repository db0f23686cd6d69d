#pragma once

#include <QColor>
#include <QImage>
#include <QRectF>
#include <QTransform>

class QPainter;

// Drawing in lower-left coordinates (origin at the bottom-left corner, y upwards).
// This is the only place that turns a lower-left rectangle into Qt's top-left one.
QRectF toTopLeft(const QRectF &lowerLeft, qreal canvasHeight);

// Fills a rectangle, replacing its pixels (a fill with Qt::transparent erases).
void fillRectLL(QPainter &painter, qreal canvasHeight, const QRectF &rect, const QColor &color);

// The transform of Qt's top-left coordinates that turns what is drawn into `topLeft`
// about the rectangle's centre: mirrored first (left to right, top to bottom), then
// turned `degrees` clockwise on screen.
QTransform turnAboutCentre(const QRectF &topLeft, double degrees, bool mirrorX = false, bool mirrorY = false);

// The rectangle (lower-left coordinates) that holds `rect` turned by `degrees` about
// its centre; `rect` itself for a turn of 0.
QRectF turnedBounds(const QRectF &rect, double degrees);

// Draws the whole image stretched into a rectangle with source-over at an opacity,
// turned `turn` degrees clockwise on screen about the rectangle's centre (bilinear,
// with smooth edges; the corners it leaves are not drawn).
void drawImageLL(QPainter &painter, qreal canvasHeight, const QRectF &rect, const QImage &image,
                 qreal opacity = 1.0, double turn = 0.0);

// The same onto a whole picture, its rows split across the imaging threads: each paints
// its own band through a view on the band's pixels. The result does not depend on the
// number of threads.
void drawImageIntoLL(QImage &canvas, const QRectF &rect, const QImage &image, qreal opacity = 1.0,
                     double turn = 0.0);

// `region` (top-left pixels of a frame `frame` pixels large) of a picture anchored at the
// frame's lower-left corner: transparent where the picture does not reach.
QImage frameRegion(const QImage &picture, QRect region, QSize frame);

// A new fully transparent canvas of the given size (rounded to whole pixels).
QImage transparentCanvas(qreal width, qreal height);
