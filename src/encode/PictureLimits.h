#pragma once

#include "encode/PictureWriter.h"

#include <QImage>
#include <QSize>
#include <QSizeF>
#include <QString>

// What each format can hold and what writing it takes. Every writer asks here before it
// encodes, and a front end asks before anything is decoded, so that a picture a format
// cannot hold, or cannot be written within the memory budget, is refused before work
// is lost.

// The widest and tallest picture `format` holds in a file that the usual readers open:
// PNG 1000000 (libpng refuses more, and most programs read PNG through it; the format's
// own fields would hold 2^31 - 1), JPEG 65500 (libjpeg's limit), WebP 16383; TIFF
// holds any picture Quillane makes (a large one as BigTIFF).
int largestPictureSide(PictureFormat format);

// Why `format` cannot hold a picture of `size`, as the reason of a refusal: "a JPEG
// picture is at most 65500 pixels wide and high; this one is 70000 × 20 (PNG or TIFF
// can hold it)."; empty when it can.
QString pictureSizeRefusal(PictureFormat format, QSize size);

// How a picture is written, which decides what the writer allocates.
struct WriteTarget {
    PictureFormat format = PictureFormat::Png;
    PictureOptions options;
    bool translucent = true; // some pixel is translucent (unknown before rendering: true)
    bool toStream = false;   // into a device that cannot seek, such as a pipe
};

// The bytes the writer allocates besides the picture itself for a picture of `size`,
// at most (measured on noise, the content that compresses worst), when it encodes in
// its leanest way. WebP's lossy encoder takes more memory for a smaller file when the
// budget allows (webpRichNeed).
double pictureWriteNeed(const WriteTarget &target, QSizeF size);

// What lossy WebP takes with libwebp's token buffer (method 4) and its compressed alpha
// plane, which give the smaller file.
double webpRichNeed(QSize size, bool translucent);

// Why `image` cannot be written as `target` asks (its size or the memory budget), as
// the reason of a refusal; empty when it can. Every writer asks this first.
QString pictureWriteRefusal(const QImage &image, PictureFormat format, const PictureOptions &options,
                            bool toStream);

// Empty when writing a picture of `size` fits the memory budget together with the
// picture; else the sentence that refuses it: "the picture needs about 3.3 GB of memory
// to be written as lossless WebP, more than the 1.5 GB allowed."
QString pictureWriteBudgetRefusal(const WriteTarget &target, QSizeF size);
