#include "encode/PictureRows.h"

#include "imaging/Parallel.h"

#include <algorithm>
#include <atomic>

namespace {

QRgb straight(QRgb pixel, bool premultiplied)
{
    return premultiplied ? qUnpremultiply(pixel) : pixel;
}

} // namespace

bool hasTranslucentPixel(const QImage &image)
{
    if (!image.hasAlphaChannel())
        return false;
    const QImage pixels = thirtyTwoBit(image);
    std::atomic<bool> found{false};
    parallelRows(pixels.height(), [&](int begin, int end) {
        for (int y = begin; y < end && !found.load(std::memory_order_relaxed); ++y) {
            const auto *row = reinterpret_cast<const QRgb *>(pixels.constScanLine(y));
            if (std::any_of(row, row + pixels.width(), [](QRgb p) { return qAlpha(p) != 255; }))
                found = true;
        }
    });
    return found;
}

void straightSamples(const QImage &image, int y, bool alpha, uchar *out)
{
    const auto *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
    const int width = image.width();
    if (!alpha) {
        for (int x = 0; x < width; ++x, out += 3) {
            out[0] = uchar(qRed(row[x]));
            out[1] = uchar(qGreen(row[x]));
            out[2] = uchar(qBlue(row[x]));
        }
        return;
    }
    const bool premultiplied = image.format() == QImage::Format_ARGB32_Premultiplied;
    for (int x = 0; x < width; ++x, out += 4) {
        const QRgb p = straight(row[x], premultiplied);
        out[0] = uchar(qRed(p));
        out[1] = uchar(qGreen(p));
        out[2] = uchar(qBlue(p));
        out[3] = uchar(qAlpha(p));
    }
}

void straightArgb(const QImage &image, int y, QRgb *out)
{
    const auto *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
    const bool premultiplied = image.format() == QImage::Format_ARGB32_Premultiplied;
    const bool opaque = image.format() == QImage::Format_RGB32;
    std::transform(row, row + image.width(), out,
                   [&](QRgb p) { return opaque ? (p | 0xff000000u) : straight(p, premultiplied); });
}

QImage thirtyTwoBit(const QImage &image)
{
    switch (image.format()) {
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
    case QImage::Format_ARGB32_Premultiplied:
        return image;
    default:
        return image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    }
}
