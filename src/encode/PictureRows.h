#pragma once

#include <QImage>

// What the writers take from the picture row by row: whether any pixel is translucent,
// and rows of straight (not premultiplied) samples as the file formats store them.

// Whether any pixel has an alpha below 255; a picture without an alpha channel has none.
bool hasTranslucentPixel(const QImage &image);

// Row `y` of a 32-bit picture (RGB32, ARGB32 or ARGB32_Premultiplied) as bytes R, G, B
// (and A with `alpha`), straight colour: what PNG and TIFF store.
void straightSamples(const QImage &image, int y, bool alpha, uchar *out);

// Row `y` of such a picture as straight ARGB words, in which Qt's unpremultiplied
// formats keep their pixels (B, G, R, A in memory): what WebP's encoder takes.
void straightArgb(const QImage &image, int y, QRgb *out);

// The picture in one of the three 32-bit formats above: itself when it is one, else a
// converted copy.
QImage thirtyTwoBit(const QImage &image);
