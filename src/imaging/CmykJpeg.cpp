#include "imaging/CmykJpeg.h"

#include "imaging/ImageConversion.h"
#include "imaging/Orientation.h"
#include "imaging/Parallel.h"
#include "imaging/TiffDirectory.h"

#include <QColorSpace>

#include <lcms2.h>
#include <turbojpeg.h>

#include <cstring>
#include <memory>
#include <new>
#include <type_traits>
#include <vector>

namespace {

struct ContextDelete {
    void operator()(cmsContext context) const { cmsDeleteContext(context); }
};
struct ProfileClose {
    void operator()(void *profile) const { cmsCloseProfile(profile); }
};
struct TransformDelete {
    void operator()(void *transform) const { cmsDeleteTransform(transform); }
};
struct DecompressorDestroy {
    void operator()(void *handle) const { tjDestroy(handle); }
};
using Context = std::unique_ptr<std::remove_pointer_t<cmsContext>, ContextDelete>;
using Profile = std::unique_ptr<void, ProfileClose>;
using Transform = std::unique_ptr<void, TransformDelete>;
using Decompressor = std::unique_ptr<void, DecompressorDestroy>;

// The CMYK-to-sRGB transform of the file's profile; null when it is no usable CMYK profile.
// Without the cache, one transform serves several threads at once.
Transform cmykToSrgb(cmsContext context, const JpegFacts &facts)
{
    const Profile cmyk(
        cmsOpenProfileFromMemTHR(context, facts.icc.constData(), cmsUInt32Number(facts.icc.size())));
    if (!cmyk || cmsGetColorSpace(cmyk.get()) != cmsSigCmykData)
        return {};
    const Profile srgb(cmsCreate_sRGBProfileTHR(context));
    return Transform(cmsCreateTransformTHR(context, cmyk.get(), facts.adobe ? TYPE_CMYK_8_REV : TYPE_CMYK_8,
                                           srgb.get(), TYPE_RGBA_8, INTENT_PERCEPTUAL, cmsFLAGS_NOCACHE));
}

const unsigned char *jpegData(const QByteArray &bytes)
{
    return reinterpret_cast<const unsigned char *>(bytes.constData());
}

// Whether a TurboJPEG call that returned `result` went well enough: libjpeg's warnings
// pass (as in Qt's reader), except that the file ends early, which the loader refuses.
bool wentWell(tjhandle handle, int result)
{
    if (result == 0)
        return true;
    return tjGetErrorCode(handle) == TJERR_WARNING &&
           !QByteArray(tjGetErrorStr2(handle)).toLower().contains("premature end");
}

// The size of a four-channel JPEG; invalid when the file is no such JPEG.
QSize cmykSize(tjhandle handle, const QByteArray &bytes)
{
    int width = 0, height = 0, subsampling = 0, colourspace = 0;
    const int result = tjDecompressHeader3(handle, jpegData(bytes), static_cast<unsigned long>(bytes.size()),
                                           &width, &height, &subsampling, &colourspace);
    if (result != 0 && tjGetErrorCode(handle) != TJERR_WARNING)
        return {};
    return colourspace == TJCS_CMYK || colourspace == TJCS_YCCK ? QSize(width, height) : QSize();
}

// Decodes the stored CMYK samples into `picture` (four bytes a pixel); false when the
// data is damaged or ends early.
bool decodeSamples(tjhandle handle, const QByteArray &bytes, QImage &picture)
{
    return wentWell(handle, tjDecompress2(handle, jpegData(bytes), static_cast<unsigned long>(bytes.size()),
                                          picture.bits(), picture.width(), int(picture.bytesPerLine()),
                                          picture.height(), TJPF_CMYK, 0));
}

// Converts every row of `picture` in place, from CMYK samples to RGB with opaque alpha.
void convertRows(cmsHTRANSFORM transform, QImage &picture)
{
    uchar *bits = picture.bits();
    const qsizetype stride = picture.bytesPerLine();
    const int width = picture.width();
    parallelRows(picture.height(), [&](int begin, int end) {
        std::vector<uchar> row(size_t(width) * 4, 0xFF); // lcms2 leaves the alpha bytes alone
        for (int y = begin; y < end; ++y) {
            uchar *line = bits + y * stride;
            cmsDoTransform(transform, line, row.data(), cmsUInt32Number(width));
            std::memcpy(line, row.data(), row.size());
        }
    });
}

} // namespace

std::optional<DecodedPicture> decodeCmykJpeg(const QByteArray &bytes, const JpegFacts &facts,
                                             qint64 maxPixels)
{
    if (facts.components != 4 || facts.icc.isEmpty())
        return std::nullopt;
    const Context context(cmsCreateContext(nullptr, nullptr));
    const Transform transform = cmykToSrgb(context.get(), facts);
    const Decompressor handle(tjInitDecompress());
    const QSize size = handle ? cmykSize(handle.get(), bytes) : QSize();
    if (!transform || !size.isValid())
        return std::nullopt;
    const int orientation = exifOrientation(facts.exif);
    const QSize declared = uprightSize(size, orientation);
    if (const QString problem = declaredSizeProblem(size.width(), size.height(), maxPixels);
        !problem.isEmpty())
        return DecodedPicture{QImage(), problem, declared};
    QImage picture(size, QImage::Format_RGBX8888);
    if (picture.isNull())
        throw std::bad_alloc();
    if (!decodeSamples(handle.get(), bytes, picture))
        return DecodedPicture{QImage(), damagedPicture().reason, declared};
    convertRows(transform.get(), picture);
    picture.setColorSpace(QColorSpace(QColorSpace::SRgb));
    return DecodedPicture{uprightImage(picture, orientation), QString(), QSize()};
}
