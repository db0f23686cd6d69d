#include "imaging/HeifDecoder.h"

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

// The colour space an nclx box describes, from the primaries libheif decoded.
QColorSpace nclxSpace(const heif_color_profile_nclx &nclx)
{
    float gamma = 0.0f;
    const QColorSpace::TransferFunction transfer = transferOf(nclx.transfer_characteristics, gamma);
    if (nclx.color_primaries == heif_color_primaries_ITU_R_BT_709_5 ||
        nclx.color_primaries == heif_color_primaries_unspecified)
        return QColorSpace(QColorSpace::Primaries::SRgb, transfer, gamma);
    return QColorSpace(QPointF(nclx.color_primary_white_x, nclx.color_primary_white_y),
                       QPointF(nclx.color_primary_red_x, nclx.color_primary_red_y),
                       QPointF(nclx.color_primary_green_x, nclx.color_primary_green_y),
                       QPointF(nclx.color_primary_blue_x, nclx.color_primary_blue_y), transfer, gamma);
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
        if (heif_image_handle_get_nclx_color_profile(handle, &raw).code != heif_error_Ok)
            return {};
        const std::unique_ptr<heif_color_profile_nclx, NclxFree> nclx(raw);
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

} // namespace

DecodedPicture Decode_Heif(const QByteArray &bytes, qint64 maxPixels)
{
    const std::unique_ptr<heif_context, ContextFree> context(heif_context_alloc());
    if (!context || heif_context_read_from_memory_without_copy(context.get(), bytes.constData(),
                                                               size_t(bytes.size()), nullptr)
                            .code != heif_error_Ok)
        return Damaged_Picture();
    heif_image_handle *rawHandle = nullptr;
    if (heif_context_get_primary_image_handle(context.get(), &rawHandle).code != heif_error_Ok)
        return Damaged_Picture();
    const std::unique_ptr<heif_image_handle, HandleRelease> handle(rawHandle);
    const int width = heif_image_handle_get_width(handle.get());
    const int height = heif_image_handle_get_height(handle.get());
    if (const QString problem = Declared_Size_Problem(width, height, maxPixels); !problem.isEmpty())
        return {QImage(), problem};

    const bool deep = heif_image_handle_get_luma_bits_per_pixel(handle.get()) > 8;
    const heif_chroma chroma = deep ? heif_chroma_interleaved_RRGGBBAA_LE : heif_chroma_interleaved_RGBA;
    heif_image *rawImage = nullptr;
    if (heif_decode_image(handle.get(), &rawImage, heif_colorspace_RGB, chroma, nullptr).code !=
        heif_error_Ok)
        return Damaged_Picture();
    const std::unique_ptr<heif_image, ImageRelease> image(rawImage);
    QImage picture = copyPlane(image.get(), deep);
    // The decoded size may differ from the declared one (rotation swaps the sides).
    if (picture.isNull() || !Declared_Size_Problem(picture.width(), picture.height(), maxPixels).isEmpty())
        return Damaged_Picture();
    picture.setColorSpace(colourSpaceOf(handle.get()));
    return {picture, QString()};
}
