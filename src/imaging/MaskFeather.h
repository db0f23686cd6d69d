#pragma once

#include <QImage>

#include <array>

// Feathering softens a mask's edge: the mask is blurred by three box passes in each
// direction, which together approximate a Gaussian of standard deviation `sigma` pixels
// (the sum of three uniform variances, 3 (w^2 - 1) / 12, equals sigma^2 when the widths
// are mixed as below). Outside its rectangle the mask counts as transparent.

// The three odd box widths whose variances add up to sigma^2 most closely; all 1 (no
// blur) for sigma below about 0.6 pixel.
std::array<int, 3> featherBoxWidths(double sigma);

// A wide blur works on a reduced copy of the mask: the largest power of two f (up to 16)
// that leaves the Gaussian at least 4 pixels wide there. The copy averages f x f blocks;
// the result is enlarged back bilinearly, which a blur that wide cannot tell apart.
int featherReduction(double sigma);

// Blurs the coverage of a white mask (white shapes on a transparent ground, canonical
// format) and stores it back as premultiplied white of that alpha. Rows and columns run
// on the imaging threads. A sigma of 0 or less leaves the mask as it is.
void featherMask(QImage &mask, double sigma);
