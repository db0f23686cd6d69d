#include "imaging/RawDecoder.h"

#include "imaging/ChildDecode.h"
#include "imaging/TiffDirectory.h"

#include <QColorSpace>

#include <libraw/libraw.h>

#include <memory>

namespace {

struct ProcessedFree {
    void operator()(libraw_processed_image_t *image) const { LibRaw::dcraw_clear_mem(image); }
};

// `upright`: the file's orientation is unknown (0, which TIFF does not allow and LibRaw
// reads as turned left); the picture is shown as stored.
void setDevelopment(libraw_output_params_t &params, bool upright)
{
    params.use_camera_wb = 1;
    params.output_color = 1; // sRGB primaries
    params.output_bps = 16;
    params.gamm[0] = 1.0 / 2.4; // the sRGB curve: power 2.4 with a linear toe of slope 12.92
    params.gamm[1] = 12.92;
    params.user_flip = upright ? 0 : -1; // -1: the camera's orientation
}

// The developed 16-bit RGB samples as a QImage.
QImage toImage(const libraw_processed_image_t &developed)
{
    if (developed.type != LIBRAW_IMAGE_BITMAP || developed.colors != 3 || developed.bits != 16)
        return {};
    QImage picture(developed.width, developed.height, QImage::Format_RGBX64);
    if (picture.isNull())
        return {};
    const auto *samples = reinterpret_cast<const quint16 *>(developed.data);
    for (int y = 0; y < picture.height(); ++y) {
        auto *row = reinterpret_cast<quint16 *>(picture.scanLine(y));
        const quint16 *from = samples + qsizetype(y) * developed.width * 3;
        for (int x = 0; x < picture.width(); ++x) {
            row[4 * x] = from[3 * x];
            row[4 * x + 1] = from[3 * x + 1];
            row[4 * x + 2] = from[3 * x + 2];
            row[4 * x + 3] = 0xFFFF;
        }
    }
    picture.setColorSpace(QColorSpace(QColorSpace::SRgb));
    return picture;
}

DecodedPicture developRaw(const QByteArray &bytes, qint64 maxPixels)
{
    const auto raw = std::make_unique<LibRaw>(LIBRAW_OPTIONS_NONE);
    const bool unknownOrientation = tiffOrientationTag(bytes) == 0;
    setDevelopment(raw->imgdata.params, unknownOrientation);
    // LibRaw reads from the buffer only; the const is cast away for its interface.
    if (raw->open_buffer(const_cast<char *>(bytes.constData()), size_t(bytes.size())) != LIBRAW_SUCCESS)
        return damagedPicture();
    const libraw_image_sizes_t &sizes = raw->imgdata.sizes;
    // The sensor's data and the developed picture both have to fit.
    for (const QString &problem : {declaredSizeProblem(sizes.raw_width, sizes.raw_height, maxPixels),
                                   declaredSizeProblem(sizes.width, sizes.height, maxPixels)})
        if (!problem.isEmpty())
            return {QImage(), problem,
                    !unknownOrientation && (sizes.flip & 4) ? QSize(sizes.height, sizes.width)
                                                            : QSize(sizes.width, sizes.height)};
    limitChildMemoryTo(qint64(sizes.raw_width) * sizes.raw_height + qint64(sizes.width) * sizes.height);
    if (raw->unpack() != LIBRAW_SUCCESS || raw->dcraw_process() != LIBRAW_SUCCESS)
        return damagedPicture();
    int error = LIBRAW_SUCCESS;
    const std::unique_ptr<libraw_processed_image_t, ProcessedFree> developed(
        raw->dcraw_make_mem_image(&error));
    if (!developed || error != LIBRAW_SUCCESS)
        return damagedPicture();
    QImage picture = toImage(*developed);
    if (picture.isNull() || !declaredSizeProblem(picture.width(), picture.height(), maxPixels).isEmpty())
        return damagedPicture();
    return {picture, QString(), QSize()};
}

} // namespace

// LibRaw parses hundreds of camera formats, and a crafted file has crashed it inside its
// own parsers (fuzzing found one): the file is developed in a child process.
DecodedPicture decodeRaw(const QByteArray &bytes, qint64 maxPixels)
{
    return decodeInChild([&] { return developRaw(bytes, maxPixels); }, decoderMemoryBudget(maxPixels));
}
