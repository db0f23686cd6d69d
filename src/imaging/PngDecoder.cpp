#include "imaging/PngDecoder.h"

#include "imaging/HeaderProbe.h"
#include "imaging/ImageConversion.h"
#include "imaging/LibraryMessages.h"
#include "imaging/Orientation.h"
#include "imaging/TiffDirectory.h"

#include <QColorSpace>

#include <png.h>

#include <array>
#include <cstring>
#include <new>
#include <vector>

namespace {

// The file's bytes, read by libpng through readBytes.
struct PngSource {
    const uchar *data = nullptr;
    size_t size = 0;
    size_t at = 0;
};

void readBytes(png_structp png, png_bytep out, size_t length)
{
    auto *source = static_cast<PngSource *>(png_get_io_ptr(png));
    if (length > source->size - source->at)
        png_error(png, "the file ends early");
    std::memcpy(out, source->data + source->at, length);
    source->at += length;
}

[[noreturn]] void onError(png_structp png, png_const_charp message)
{
    logLibraryMessage("libpng error", message);
    png_longjmp(png, 1);
}

void onWarning(png_structp, png_const_charp message)
{
    logLibraryMessage("libpng warning", message);
}

// The calls that may end in onError's long jump, each behind its own setjmp. Nothing
// with a destructor lives in these frames, so the jump skips no clean-up.
bool readInfo(png_structp png, png_infop info)
{
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_read_info(png, info);
    return true;
}

// Asks for RGBA samples of 8 or 16 bits (16 in the machine's order), every row in full.
bool setRgbaOutput(png_structp png, png_infop info, bool deep)
{
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_set_expand(png); // palette to RGB, grey below 8 bits to 8, tRNS to alpha
    png_set_gray_to_rgb(png);
    if (deep && Q_BYTE_ORDER == Q_LITTLE_ENDIAN)
        png_set_swap(png);
    png_set_filler(png, deep ? 0xFFFF : 0xFF, PNG_FILLER_AFTER);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    return true;
}

bool readRows(png_structp png, png_infop info, png_bytepp rows)
{
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_read_image(png, rows);
    png_read_end(png, info); // the chunks after the image must be whole too
    return true;
}

struct PngReader {
    png_structp png = nullptr;
    png_infop info = nullptr;
    PngSource source;

    explicit PngReader(const QByteArray &bytes)
        : source{reinterpret_cast<const uchar *>(bytes.constData()), size_t(bytes.size()), 0}
    {
        png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, onError, onWarning);
        if (png)
            info = png_create_info_struct(png);
        if (info) {
            png_set_read_fn(png, &source, readBytes);
            // The loader's pixel limit decides, not libpng's default of a million a side.
            png_set_user_limits(png, PNG_UINT_31_MAX, PNG_UINT_31_MAX);
        }
    }
    ~PngReader() { png_destroy_read_struct(&png, info ? &info : nullptr, nullptr); }
    PngReader(const PngReader &) = delete;
    PngReader &operator=(const PngReader &) = delete;

    bool has(png_uint_32 chunk) const { return png_get_valid(png, info, chunk) != 0; }
};

QColorSpace embeddedProfile(const PngReader &reader)
{
    png_charp name = nullptr;
    int compression = 0;
    png_bytep profile = nullptr;
    png_uint_32 length = 0;
    if (!png_get_iCCP(reader.png, reader.info, &name, &compression, &profile, &length))
        return {};
    return QColorSpace::fromIccProfile(
        QByteArray(reinterpret_cast<const char *>(profile), qsizetype(length)));
}

// The colour space of gAMA, with cHRM's primaries when there are some; invalid when the
// file has no gAMA (the picture is then taken as sRGB).
QColorSpace gammaSpace(const PngReader &reader)
{
    png_fixed_point gamma = 0;
    if (!png_get_gAMA_fixed(reader.png, reader.info, &gamma) || gamma <= 0)
        return {};
    std::array<png_fixed_point, 8> c{};
    const bool chromaticities =
        reader.has(PNG_INFO_cHRM) &&
        png_get_cHRM_fixed(reader.png, reader.info, &c[0], &c[1], &c[2], &c[3], &c[4], &c[5], &c[6], &c[7]);
    if (pngGammaIsSrgb(quint32(gamma)) && (!chromaticities || pngChromaticitiesAreSrgb(c)))
        return QColorSpace(QColorSpace::SRgb);
    const float exponent = 100000.0f / float(gamma);
    if (!chromaticities)
        return QColorSpace(QColorSpace::Primaries::SRgb, exponent);
    const auto point = [&](int i) { return QPointF(c[size_t(i)] / 100000.0, c[size_t(i) + 1] / 100000.0); };
    return QColorSpace(point(0), point(2), point(4), point(6), QColorSpace::TransferFunction::Gamma,
                       exponent);
}

QColorSpace colourSpace(const PngReader &reader)
{
    if (reader.has(PNG_INFO_iCCP))
        if (const QColorSpace profile = embeddedProfile(reader); profile.isValid())
            return profile;
    if (reader.has(PNG_INFO_sRGB))
        return QColorSpace(QColorSpace::SRgb);
    return gammaSpace(reader);
}

QImage::Format outputFormat(const PngReader &reader, bool deep)
{
    const bool alpha =
        (png_get_color_type(reader.png, reader.info) & PNG_COLOR_MASK_ALPHA) || reader.has(PNG_INFO_tRNS);
    if (deep)
        return alpha ? QImage::Format_RGBA64 : QImage::Format_RGBX64;
    return alpha ? QImage::Format_RGBA8888 : QImage::Format_RGBX8888;
}

// The stored picture, in the format outputFormat chose; null when the data is damaged.
QImage readPicture(PngReader &reader, QSize size)
{
    const bool deep = png_get_bit_depth(reader.png, reader.info) == 16;
    const QImage::Format format = outputFormat(reader, deep);
    if (!setRgbaOutput(reader.png, reader.info, deep))
        return {};
    QImage picture(size, format);
    if (picture.isNull())
        throw std::bad_alloc();
    if (png_get_rowbytes(reader.png, reader.info) != size_t(size.width()) * size_t(picture.depth() / 8))
        return {};
    std::vector<png_bytep> rows(size_t(size.height()));
    for (int y = 0; y < size.height(); ++y)
        rows[size_t(y)] = picture.scanLine(y);
    if (!readRows(reader.png, reader.info, rows.data()))
        return {};
    return picture;
}

} // namespace

DecodedPicture decodePng(const QByteArray &bytes, qint64 maxPixels)
{
    PngReader reader(bytes);
    if (!reader.info || !readInfo(reader.png, reader.info))
        return damagedPicture();
    const QSize stored(int(png_get_image_width(reader.png, reader.info)),
                       int(png_get_image_height(reader.png, reader.info)));
    const int orientation = exifOrientation(pngExif(bytes));
    const QSize declared = uprightSize(stored, orientation);
    if (const QString problem = declaredSizeProblem(stored.width(), stored.height(), maxPixels);
        !problem.isEmpty())
        return {QImage(), problem, declared};
    QImage picture = readPicture(reader, stored);
    if (picture.isNull())
        return {QImage(), damagedPicture().reason, declared};
    picture.setColorSpace(colourSpace(reader));
    return {uprightImage(picture, orientation), QString(), QSize()};
}
