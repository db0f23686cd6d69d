#include "imaging/HeifDecoder.h"

#include "imaging/ChildDecode.h"

#include <QColorSpace>

#include <libheif/heif.h>

#include <cstring>
#include <memory>

namespace {

struct ContextFree {
    void operator()(heif_context *context) const { heif_context_free(context); }
};
struct HandleRelease {
    void operator()(heif_image_handle *handle) const { heif_image_handle_release(handle); }
};
struct ImageRelease {
    void operator()(heif_image *image) const { heif_image_release(image); }
};
struct NclxFree {
    void operator()(heif_color_profile_nclx *nclx) const { heif_nclx_color_profile_free(nclx); }
};

QColorSpace::TransferFunction transferOf(heif_transfer_characteristics transfer, float &gamma)
{
    switch (transfer) {
    case heif_transfer_characteristic_linear:
        return QColorSpace::TransferFunction::Linear;
    case heif_transfer_characteristic_ITU_R_BT_470_6_System_M:
        gamma = 2.2f;
        return QColorSpace::TransferFunction::Gamma;
    case heif_transfer_characteristic_ITU_R_BT_470_6_System_B_G:
        gamma = 2.8f;
        return QColorSpace::TransferFunction::Gamma;
    default:
        // sRGB, and the BT.709 family whose curve is close to it; PQ and HLG pictures
        // are shown as they are, without tone mapping.
        return QColorSpace::TransferFunction::SRgb;
    }
}

struct Primaries {
    heif_color_primaries code;
    float rx, ry, gx, gy, bx, by, wx, wy;
};

// The chromaticities of the primaries an nclx box may name (ITU-T H.273).
constexpr Primaries kPrimaries[] = {
    {heif_color_primaries_ITU_R_BT_470_6_System_M, 0.67f, 0.33f, 0.21f, 0.71f, 0.14f, 0.08f, 0.310f, 0.316f},
    {heif_color_primaries_ITU_R_BT_470_6_System_B_G, 0.64f, 0.33f, 0.29f, 0.60f, 0.15f, 0.06f, 0.3127f,
     0.3290f},
    {heif_color_primaries_ITU_R_BT_601_6, 0.630f, 0.340f, 0.310f, 0.595f, 0.155f, 0.070f, 0.3127f, 0.3290f},
    {heif_color_primaries_SMPTE_240M, 0.630f, 0.340f, 0.310f, 0.595f, 0.155f, 0.070f, 0.3127f, 0.3290f},
    {heif_color_primaries_ITU_R_BT_2020_2_and_2100_0, 0.708f, 0.292f, 0.170f, 0.797f, 0.131f, 0.046f, 0.3127f,
     0.3290f},
    {heif_color_primaries_SMPTE_RP_431_2, 0.680f, 0.320f, 0.265f, 0.690f, 0.150f, 0.060f, 0.314f, 0.351f},
    {heif_color_primaries_SMPTE_EG_432_1, 0.680f, 0.320f, 0.265f, 0.690f, 0.150f, 0.060f, 0.3127f, 0.3290f},
};

// The colour space an nclx box describes; sRGB's primaries for BT.709, unspecified
// and any the table does not know.
QColorSpace nclxSpace(const heif_color_profile_nclx &nclx)
{
    float gamma = 0.0f;
    const QColorSpace::TransferFunction transfer = transferOf(nclx.transfer_characteristics, gamma);
    for (const Primaries &p : kPrimaries)
        if (p.code == nclx.color_primaries)
            return QColorSpace(QPointF(p.wx, p.wy), QPointF(p.rx, p.ry), QPointF(p.gx, p.gy),
                               QPointF(p.bx, p.by), transfer, gamma);
    return QColorSpace(QColorSpace::Primaries::SRgb, transfer, gamma);
}

QColorSpace colourSpaceOf(const heif_image_handle *handle)
{
    switch (heif_image_handle_get_color_profile_type(handle)) {
    case heif_color_profile_type_prof:
    case heif_color_profile_type_rICC: {
        QByteArray icc(qsizetype(heif_image_handle_get_raw_color_profile_size(handle)), Qt::Uninitialized);
        if (heif_image_handle_get_raw_color_profile(handle, icc.data()).code != heif_error_Ok)
            return {};
        return QColorSpace::fromIccProfile(icc);
    }
    case heif_color_profile_type_nclx: {
        heif_color_profile_nclx *raw = nullptr;
        const heif_error read = heif_image_handle_get_nclx_color_profile(handle, &raw);
        // libheif may hand over a profile along with an error (unknown primaries): it is
        // freed either way.
        const std::unique_ptr<heif_color_profile_nclx, NclxFree> nclx(raw);
        if (read.code != heif_error_Ok || !nclx)
            return {};
        return nclxSpace(*nclx);
    }
    default:
        return QColorSpace(QColorSpace::SRgb);
    }
}

// Copies the interleaved plane of `image` into a QImage of the same depth.
QImage copyPlane(const heif_image *image, bool deep)
{
    const int width = heif_image_get_width(image, heif_channel_interleaved);
    const int height = heif_image_get_height(image, heif_channel_interleaved);
    int stride = 0;
    const uint8_t *plane = heif_image_get_plane_readonly(image, heif_channel_interleaved, &stride);
    if (!plane || width <= 0 || height <= 0)
        return {};
    QImage picture(width, height, deep ? QImage::Format_RGBA64 : QImage::Format_RGBA8888);
    if (picture.isNull())
        return {};
    const size_t rowBytes = size_t(width) * (deep ? 8 : 4);
    for (int y = 0; y < height; ++y)
        std::memcpy(picture.scanLine(y), plane + qsizetype(y) * stride, rowBytes);
    if (deep) {
        // libheif gives the samples at the file's depth (10 or 12 bits): widen to 16.
        const int bits = heif_image_get_bits_per_pixel_range(image, heif_channel_interleaved);
        const int shift = 16 - bits;
        for (int y = 0; shift > 0 && y < height; ++y) {
            auto *row = reinterpret_cast<quint16 *>(picture.scanLine(y));
            for (int i = 0; i < width * 4; ++i)
                row[i] = quint16((row[i] << shift) | (row[i] >> (bits - shift)));
        }
    }
    return picture;
}

DecodedPicture decodeHeifHere(const QByteArray &bytes, qint64 maxPixels)
{
    const std::unique_ptr<heif_context, ContextFree> context(heif_context_alloc());
    if (!context || heif_context_read_from_memory_without_copy(context.get(), bytes.constData(),
                                                               size_t(bytes.size()), nullptr)
                            .code != heif_error_Ok)
        return damagedPicture();
    heif_image_handle *rawHandle = nullptr;
    if (heif_context_get_primary_image_handle(context.get(), &rawHandle).code != heif_error_Ok)
        return damagedPicture();
    const std::unique_ptr<heif_image_handle, HandleRelease> handle(rawHandle);
    const int width = heif_image_handle_get_width(handle.get());
    const int height = heif_image_handle_get_height(handle.get());
    if (const QString problem = declaredSizeProblem(width, height, maxPixels); !problem.isEmpty())
        return {QImage(), problem, QSize(width, height)};
    limitChildMemoryTo(qint64(width) * height);

    const bool deep = heif_image_handle_get_luma_bits_per_pixel(handle.get()) > 8;
    const heif_chroma chroma = deep ? heif_chroma_interleaved_RRGGBBAA_LE : heif_chroma_interleaved_RGBA;
    heif_image *rawImage = nullptr;
    if (heif_decode_image(handle.get(), &rawImage, heif_colorspace_RGB, chroma, nullptr).code !=
        heif_error_Ok)
        return damagedPicture();
    const std::unique_ptr<heif_image, ImageRelease> image(rawImage);
    QImage picture = copyPlane(image.get(), deep);
    // The decoded size may differ from the declared one (rotation swaps the sides).
    if (picture.isNull() || !declaredSizeProblem(picture.width(), picture.height(), maxPixels).isEmpty())
        return damagedPicture();
    picture.setColorSpace(colourSpaceOf(handle.get()));
    return {picture, QString(), QSize()};
}

} // namespace

// A HEIF file's coded picture may claim far more than its declared size (fuzzing found
// one of 700 bytes that had libheif use 8 GB for minutes): the file is decoded in a
// child process with a limit on its memory.
DecodedPicture decodeHeif(const QByteArray &bytes, qint64 maxPixels)
{
    return decodeInChild([&] { return decodeHeifHere(bytes, maxPixels); }, decoderMemoryBudget(maxPixels));
}
