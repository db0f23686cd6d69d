#pragma once

// Engine sources only: OpenCV's headers stay inside the engine library.
#include <QImage>

#include <opencv2/core.hpp>

// OpenCV runs serially inside each call: the engine spreads its own work over the
// imaging threads (Parallel.h), so OpenCV's thread pool is never started. Every entry
// point that calls OpenCV calls this first.
void useOpenCvSerially();

// The pixels of a canonical picture (premultiplied ARGB32: bytes B, G, R, A) as an
// 8-bit four-channel matrix sharing them; the picture must outlive it.
cv::Mat matOfPicture(const QImage &picture);
