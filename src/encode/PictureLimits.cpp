#include "encode/PictureLimits.h"

#include "encode/JpegEncoder.h"
#include "encode/PictureRows.h"
#include "encode/WebpEncoder.h"
#include "imaging/MemoryBudget.h"
#include "imaging/Parallel.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>
#include <array>
#include <limits>

namespace {

// libpng refuses to read or write a wider or taller picture unless a program raises
// its limit (png_set_user_limits), which few do.
constexpr int kPngLargestSide = 1000000;

struct FormatLimit {
    PictureFormat format;
    const char *name;
    int largestSide;
};

constexpr std::array<FormatLimit, 4> kLimits = {{
    {PictureFormat::Png, "PNG", kPngLargestSide},
    {PictureFormat::Jpeg, "JPEG", kJpegLargestSide},
    {PictureFormat::Webp, "WebP", kWebpLargestSide},
    {PictureFormat::Tiff, "TIFF", std::numeric_limits<int>::max()},
}};

const FormatLimit &limitOf(PictureFormat format)
{
    for (const FormatLimit &limit : kLimits)
        if (limit.format == format)
            return limit;
    return kLimits.front();
}

bool fits(const FormatLimit &limit, QSize size)
{
    return size.width() <= limit.largestSide && size.height() <= limit.largestSide;
}

// "PNG or TIFF", "PNG, JPEG or TIFF": the formats that hold a picture of `size`.
QString formatsHolding(QSize size)
{
    QStringList names;
    for (const FormatLimit &limit : kLimits)
        if (fits(limit, size))
            names += QLatin1String(limit.name);
    const QString last = names.takeLast(); // TIFF holds every size
    if (names.isEmpty())
        return last;
    return QCoreApplication::translate("PictureLimits", "%1 or %2")
        .arg(names.join(QStringLiteral(", ")), last);
}

// Bytes a pixel of what the writers allocate, measured on noise (the content that
// compresses worst) with /usr/bin/time on quillane-mix and on libwebp alone; the
// figures are in bench/bench_picture_formats.cpp. Each keeps a margin over the largest
// measured.
constexpr double kWebpPlanes = 1.5;              // Y, U and V of a lossy picture
constexpr double kWebpAlphaPlane = 1.0;          // and its alpha
constexpr double kWebpLeanOutput = 4.0;          // method 2: the partitions as they grow
                                                 // (3.1 from quality 90 to 100, 1.6 at 50)
constexpr double kWebpRawAlpha = 2.0;            // the uncompressed alpha chunk and its copy
constexpr double kWebpRichWork = 34.0;           // method 4's tokens or the alpha's lossless
                                                 // coding, whichever is larger (q100: 32.9)
constexpr double kWebpLossless = 36.0;           // ARGB plane, hash chain, references (35.0)
constexpr double kJpegSubsampled = 1.0;          // the bands' data below quality 90 (0.86)
constexpr double kJpegFullChroma = 2.0;          // at 90 (1.87), 4:4:4
constexpr double kJpegPerQuality = 0.25;         // and for each step above (100: 4.1)
constexpr double kJpegBandBuffer = 6.0;          // libjpeg-turbo's worst-case band buffer
constexpr int kJpegBandRows = 256;               // rows of a band at 4:4:4 (32 block rows)
constexpr double kPngGrowth = 1.02;              // deflate's stored blocks on noise, and slack
constexpr double kPngBandWork = 8.0 * (1 << 20); // a band's rows and deflate state
constexpr double kTiffBufferGrowth = 3.0;        // LZW's 1.5 times, in a buffer twice as large

double samplesPerPixel(bool translucent)
{
    return translucent ? 4.0 : 3.0;
}

double webpNeed(const WriteTarget &target, double pixels)
{
    if (target.options.lossless)
        return pixels * kWebpLossless;
    const bool alpha = target.translucent;
    return pixels * (kWebpPlanes + kWebpLeanOutput + (alpha ? kWebpAlphaPlane + kWebpRawAlpha : 0.0));
}

double jpegNeed(const WriteTarget &target, QSizeF size)
{
    const int quality = target.options.quality > 0 ? target.options.quality : kDefaultJpegQuality;
    const double compressed = quality < kJpegFullChromaQuality
                                  ? kJpegSubsampled
                                  : kJpegFullChroma + kJpegPerQuality * (quality - kJpegFullChromaQuality);
    const double pixels = pictureBytes(size) / pictureBytes(QSizeF(1, 1));
    const double bands = double(imagingThreadCount()) * kJpegBandRows * size.width();
    return pixels * compressed + bands * kJpegBandBuffer;
}

} // namespace

int largestPictureSide(PictureFormat format)
{
    return limitOf(format).largestSide;
}

QString pictureSizeRefusal(PictureFormat format, QSize size)
{
    const FormatLimit &limit = limitOf(format);
    if (fits(limit, size))
        return {};
    return QCoreApplication::translate("PictureLimits",
                                       "a %1 picture is at most %2 pixels wide and high; this one is "
                                       "%3 \u00D7 %4 (choose %5).")
        .arg(QLatin1String(limit.name))
        .arg(limit.largestSide)
        .arg(size.width())
        .arg(size.height())
        .arg(formatsHolding(size));
}

double pictureWriteNeed(const WriteTarget &target, QSizeF size)
{
    const double pixels = pictureBytes(size) / pictureBytes(QSizeF(1, 1)); // finite or infinite
    switch (target.format) {
    case PictureFormat::Png: {
        const double samples = pixels * samplesPerPixel(target.translucent);
        return samples * kPngGrowth + imagingThreadCount() * std::min(kPngBandWork, samples);
    }
    case PictureFormat::Jpeg:
        return jpegNeed(target, size);
    case PictureFormat::Webp:
        return webpNeed(target, pixels);
    case PictureFormat::Tiff:
        return target.toStream ? pixels * samplesPerPixel(target.translucent) * kTiffBufferGrowth : 0.0;
    }
    return 0.0;
}

double webpRichNeed(QSize size, bool translucent)
{
    const double pixels = double(size.width()) * double(size.height());
    return pixels * (kWebpPlanes + (translucent ? kWebpAlphaPlane : 0.0) + kWebpRichWork);
}

QString pictureWriteBudgetRefusal(const WriteTarget &target, QSizeF size)
{
    const double need = pictureBytes(size) + pictureWriteNeed(target, size);
    const qint64 budget = memoryBudget();
    if (need <= double(budget))
        return {};
    const QString format = QLatin1String(limitOf(target.format).name);
    const QString as =
        target.format == PictureFormat::Webp && target.options.lossless
            ? QCoreApplication::translate("PictureLimits", "be written as lossless %1").arg(format)
            : QCoreApplication::translate("PictureLimits", "be written as %1").arg(format);
    return QCoreApplication::translate("PictureLimits", "the picture %1.")
        .arg(overBudgetReason(need, budget, as));
}

QString pictureWriteRefusal(const QImage &image, PictureFormat format, const PictureOptions &options,
                            bool toStream)
{
    if (const QString refusal = pictureSizeRefusal(format, image.size()); !refusal.isEmpty())
        return refusal;
    return pictureWriteBudgetRefusal({format, options, hasTranslucentPixel(image), toStream},
                                     QSizeF(image.size()));
}
