#include "imaging/ImageConversion.h"

QImage CGImageRefFromImage(const QImage &image)
{
    if (image.isNull() || image.width() <= 0 || image.height() <= 0)
        return {};
    if (image.format() == kCanonicalFormat)
        return image;
    return image.convertToFormat(kCanonicalFormat);
}
