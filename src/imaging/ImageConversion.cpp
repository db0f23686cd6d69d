#include "imaging/ImageConversion.h"

#ifdef __linux__
#include <sys/mman.h>
#endif

QImage CGImageRefFromImage(const QImage &image)
{
    if (image.isNull() || image.width() <= 0 || image.height() <= 0)
        return {};
    if (image.format() == kCanonicalFormat)
        return image;
    return image.convertToFormat(kCanonicalFormat);
}

void preferLargePages(QImage &picture)
{
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    constexpr quintptr kLargePage = quintptr(2) << 20;
    const quintptr begin = quintptr(picture.bits());
    const quintptr end = begin + quintptr(picture.sizeInBytes());
    const quintptr alignedBegin = (begin + kLargePage - 1) & ~(kLargePage - 1);
    const quintptr alignedEnd = end & ~(kLargePage - 1);
    if (alignedEnd > alignedBegin)
        madvise(reinterpret_cast<void *>(alignedBegin), size_t(alignedEnd - alignedBegin), MADV_HUGEPAGE);
#else
    Q_UNUSED(picture);
#endif
}
