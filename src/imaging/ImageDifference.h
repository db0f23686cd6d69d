#pragma once

#include <QImage>

// The mean absolute difference of two pictures of the same size and format over every
// byte of their pixels (all four channels), in 255ths; -1 when their sizes or formats
// differ. How far a preview strays from the full-resolution picture shown in its place.
double meanAbsoluteDifference(const QImage &a, const QImage &b);
