#include "imaging/ImageConversion.h"

namespace {

// Every conversion lands here: an image already in the canonical format is returned
// as is (implicit sharing, no pixel copy); any other format is converted once.
QImage toCanonical(const QImage &image)
{
    if (image.isNull() || image.width() <= 0 || image.height() <= 0)
        return {};
    if (image.format() == kCanonicalFormat)
        return image;
    return image.convertToFormat(kCanonicalFormat);
}

} // namespace

QImage CGImageRefFromImage(const QImage &image)
{
    return toCanonical(image);
}

QImage imageFromCGImageRef(const QImage &bitmap)
{
    return toCanonical(bitmap);
}
