#pragma once

// Encoders for the photo-format tests: a picture in HEIF (HEVC or AV1) or JPEG XL with a
// given orientation and colour description, made with the libraries' own encoders, so
// that the decoders are checked against files whose content is known exactly.

#include <QByteArray>
#include <QColorSpace>
#include <QImage>

#include <jxl/encode_cxx.h>
#include <libheif/heif.h>

#include <cstring>
#include <vector>

struct HeifRecipe {
    heif_compression_format compression = heif_compression_HEVC;
    heif_orientation orientation = heif_orientation_normal;
    QByteArray icc;        // an ICC profile, or empty
    int nclxPrimaries = 0; // nclx colour primaries (12: Display P3), or 0 for none
    int bits = 8;          // 8 or 10
    bool lossless = false;
};

inline HeifRecipe heifRecipe(heif_compression_format compression,
                             heif_orientation orientation = heif_orientation_normal)
{
    HeifRecipe recipe;
    recipe.compression = compression;
    recipe.orientation = orientation;
    return recipe;
}

inline heif_error heifWrite(heif_context *, const void *data, size_t size, void *userdata)
{
    static_cast<QByteArray *>(userdata)->append(static_cast<const char *>(data), qsizetype(size));
    return {heif_error_Ok, heif_suberror_Unspecified, "ok"};
}

// `image` (any format) as a HEIF file; empty when the encoder is missing.
inline QByteArray encodeHeif(const QImage &source, const HeifRecipe &recipe)
{
    const QImage image = source.convertToFormat(QImage::Format_RGBX64);
    heif_context *context = heif_context_alloc();
    heif_encoder *encoder = nullptr;
    heif_image *picture = nullptr;
    QByteArray bytes;
    const bool deep = recipe.bits > 8;
    if (heif_context_get_encoder_for_format(context, recipe.compression, &encoder).code == heif_error_Ok &&
        heif_image_create(image.width(), image.height(), heif_colorspace_RGB,
                          deep ? heif_chroma_interleaved_RRGGBB_LE : heif_chroma_interleaved_RGB, &picture)
                .code == heif_error_Ok &&
        heif_image_add_plane(picture, heif_channel_interleaved, image.width(), image.height(), recipe.bits)
                .code == heif_error_Ok) {
        int stride = 0;
        uint8_t *plane = heif_image_get_plane(picture, heif_channel_interleaved, &stride);
        for (int y = 0; y < image.height(); ++y) {
            const auto *row = reinterpret_cast<const quint16 *>(image.constScanLine(y));
            for (int x = 0; x < image.width(); ++x)
                for (int c = 0; c < 3; ++c) {
                    const quint16 value = row[4 * x + c];
                    if (deep)
                        reinterpret_cast<quint16 *>(plane + y * stride)[3 * x + c] =
                            value >> (16 - recipe.bits);
                    else
                        plane[y * stride + 3 * x + c] = uint8_t(value >> 8);
                }
        }
        if (!recipe.icc.isEmpty())
            heif_image_set_raw_color_profile(picture, "prof", recipe.icc.constData(),
                                             size_t(recipe.icc.size()));
        heif_color_profile_nclx *nclx = heif_nclx_color_profile_alloc();
        heif_nclx_color_profile_set_color_primaries(nclx, uint16_t(recipe.nclxPrimaries));
        heif_nclx_color_profile_set_transfer_characteristics(nclx, 13); // the sRGB curve
        if (recipe.nclxPrimaries)
            heif_image_set_nclx_color_profile(picture, nclx);
        if (recipe.lossless)
            heif_encoder_set_lossless(encoder, 1);
        else
            heif_encoder_set_lossy_quality(encoder, 95);
        heif_encoder_set_parameter_string(encoder, "chroma", "444");
        heif_encoding_options *options = heif_encoding_options_alloc();
        options->image_orientation = recipe.orientation;
        if (recipe.nclxPrimaries) {
            options->output_nclx_profile = nclx;
            options->macOS_compatibility_workaround_no_nclx_profile = 0;
        }
        heif_image_handle *handle = nullptr;
        if (heif_context_encode_image(context, picture, encoder, options, &handle).code == heif_error_Ok) {
            heif_writer writer{1, heifWrite};
            heif_context_write(context, &writer, &bytes);
            heif_image_handle_release(handle);
        }
        heif_encoding_options_free(options);
        heif_nclx_color_profile_free(nclx);
    }
    if (picture)
        heif_image_release(picture);
    if (encoder)
        heif_encoder_release(encoder);
    heif_context_free(context);
    return bytes;
}

// `image` (any format) as a JPEG XL file, 8 or 16 bits a channel, with an orientation
// (1 to 8, as in EXIF); lossless, or lossy at distance 1.
inline QByteArray encodeJxl(const QImage &source, int orientation, bool deep, bool lossless)
{
    const QImage image = source.convertToFormat(deep ? QImage::Format_RGBX64 : QImage::Format_RGBX8888);
    const JxlEncoderPtr encoder = JxlEncoderMake(nullptr);
    JxlBasicInfo info;
    JxlEncoderInitBasicInfo(&info);
    info.xsize = uint32_t(image.width());
    info.ysize = uint32_t(image.height());
    info.bits_per_sample = deep ? 16 : 8;
    info.num_color_channels = 3;
    info.num_extra_channels = 1;
    info.alpha_bits = info.bits_per_sample;
    info.orientation = JxlOrientation(orientation);
    info.uses_original_profile = lossless ? JXL_TRUE : JXL_FALSE;
    JxlColorEncoding colour;
    JxlColorEncodingSetToSRGB(&colour, JXL_FALSE);
    if (JxlEncoderSetBasicInfo(encoder.get(), &info) != JXL_ENC_SUCCESS ||
        JxlEncoderSetColorEncoding(encoder.get(), &colour) != JXL_ENC_SUCCESS)
        return {};
    JxlEncoderFrameSettings *settings = JxlEncoderFrameSettingsCreate(encoder.get(), nullptr);
    if (lossless)
        JxlEncoderSetFrameLossless(settings, JXL_TRUE);
    else
        JxlEncoderSetFrameDistance(settings, 1.0f);
    const JxlPixelFormat format{4, deep ? JXL_TYPE_UINT16 : JXL_TYPE_UINT8, JXL_NATIVE_ENDIAN,
                                size_t(image.bytesPerLine())};
    if (JxlEncoderAddImageFrame(settings, &format, image.constBits(), size_t(image.sizeInBytes())) !=
        JXL_ENC_SUCCESS)
        return {};
    JxlEncoderCloseInput(encoder.get());
    std::vector<uint8_t> out(4096);
    size_t done = 0;
    for (;;) {
        uint8_t *next = out.data() + done;
        size_t room = out.size() - done;
        const JxlEncoderStatus status = JxlEncoderProcessOutput(encoder.get(), &next, &room);
        done = size_t(next - out.data());
        if (status == JXL_ENC_SUCCESS)
            break;
        if (status != JXL_ENC_NEED_MORE_OUTPUT)
            return {};
        out.resize(out.size() * 2);
    }
    return QByteArray(reinterpret_cast<const char *>(out.data()), qsizetype(done));
}
