#include "encode/TiffEncoder.h"

#include "encode/PictureRows.h"

#include <QColorSpace>
#include <QIODevice>

#include <tiffio.h>

#include <cstdio>
#include <memory>
#include <vector>

namespace {

// libtiff's LZW codes are at most 12 bits and each stands for at least one byte, so the
// compressed samples are at most 1.5 times the raw ones; the strips' offsets and
// counts and the tags take the rest of the margin.
constexpr double kWorstLzwGrowth = 1.5;
constexpr double kClassicTiffBytes = 4294967295.0;
constexpr double kDirectoryMargin = 64.0 * 1024 * 1024;

tmsize_t readDevice(thandle_t handle, void *data, tmsize_t size)
{
    return tmsize_t(static_cast<QIODevice *>(handle)->read(static_cast<char *>(data), qint64(size)));
}

tmsize_t writeDevice(thandle_t handle, void *data, tmsize_t size)
{
    auto *device = static_cast<QIODevice *>(handle);
    const char *bytes = static_cast<const char *>(data);
    for (tmsize_t done = 0; done < size;) {
        const qint64 written = device->write(bytes + done, qint64(size - done));
        if (written <= 0)
            return -1;
        done += tmsize_t(written);
    }
    return size;
}

toff_t seekDevice(thandle_t handle, toff_t offset, int whence)
{
    auto *device = static_cast<QIODevice *>(handle);
    const qint64 base = whence == SEEK_CUR ? device->pos() : whence == SEEK_END ? device->size() : 0;
    const qint64 target = base + qint64(offset);
    // Past the end, the file grows when the next bytes are written.
    if (!device->seek(target))
        return toff_t(-1);
    return toff_t(device->pos());
}

int closeDevice(thandle_t)
{
    return 0;
}

toff_t deviceSize(thandle_t handle)
{
    return toff_t(static_cast<QIODevice *>(handle)->size());
}

int noMap(thandle_t, void **, toff_t *)
{
    return 0;
}

void noUnmap(thandle_t, void *, toff_t) {}

// Swallows libtiff's messages for this file: a failure is told in the writer's words.
int quietly(TIFF *, void *, const char *, const char *, va_list)
{
    return 1;
}

struct TiffCloser {
    void operator()(TIFF *tiff) const { TIFFClose(tiff); }
};

TIFF *openOn(QIODevice &device, const char *mode)
{
    TIFFOpenOptions *options = TIFFOpenOptionsAlloc();
    TIFFOpenOptionsSetErrorHandlerExtR(options, quietly, nullptr);
    TIFFOpenOptionsSetWarningHandlerExtR(options, quietly, nullptr);
    TIFF *tiff = TIFFClientOpenExt("picture", mode, &device, readDevice, writeDevice, seekDevice, closeDevice,
                                   deviceSize, noMap, noUnmap, options);
    TIFFOpenOptionsFree(options);
    return tiff;
}

void setFields(TIFF *tiff, QSize size, bool alpha, const QByteArray &icc)
{
    TIFFSetField(tiff, TIFFTAG_IMAGEWIDTH, quint32(size.width()));
    TIFFSetField(tiff, TIFFTAG_IMAGELENGTH, quint32(size.height()));
    TIFFSetField(tiff, TIFFTAG_BITSPERSAMPLE, 8);
    TIFFSetField(tiff, TIFFTAG_SAMPLESPERPIXEL, alpha ? 4 : 3);
    if (alpha) {
        const uint16_t extra[] = {EXTRASAMPLE_UNASSALPHA};
        TIFFSetField(tiff, TIFFTAG_EXTRASAMPLES, 1, extra);
    }
    TIFFSetField(tiff, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_RGB);
    TIFFSetField(tiff, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG);
    TIFFSetField(tiff, TIFFTAG_ORIENTATION, ORIENTATION_TOPLEFT);
    TIFFSetField(tiff, TIFFTAG_COMPRESSION, COMPRESSION_LZW);
    TIFFSetField(tiff, TIFFTAG_PREDICTOR, PREDICTOR_HORIZONTAL);
    TIFFSetField(tiff, TIFFTAG_ROWSPERSTRIP, TIFFDefaultStripSize(tiff, 0));
    TIFFSetField(tiff, TIFFTAG_ICCPROFILE, quint32(icc.size()), icc.constData());
}

} // namespace

bool tiffNeedsBigTiff(QSize size, bool alpha)
{
    const double raw = double(size.width()) * double(size.height()) * (alpha ? 4.0 : 3.0);
    return raw * kWorstLzwGrowth + kDirectoryMargin > kClassicTiffBytes;
}

bool encodeTiff(const QImage &source, QIODevice &device, bool bigTiff)
{
    const QImage image = thirtyTwoBit(source);
    const bool alpha = hasTranslucentPixel(image);
    const bool big = bigTiff || tiffNeedsBigTiff(image.size(), alpha);
    const std::unique_ptr<TIFF, TiffCloser> tiff(openOn(device, big ? "w8" : "w"));
    if (!tiff)
        return false;
    setFields(tiff.get(), image.size(), alpha, QColorSpace(QColorSpace::SRgb).iccProfile());
    // libtiff's predictor works in place on the row it is given.
    std::vector<uchar> row(size_t(image.width()) * (alpha ? 4 : 3));
    for (int y = 0; y < image.height(); ++y) {
        straightSamples(image, y, alpha, row.data());
        if (TIFFWriteScanline(tiff.get(), row.data(), quint32(y), 0) < 0)
            return false;
    }
    return TIFFWriteDirectory(tiff.get()) != 0 && TIFFFlush(tiff.get()) != 0;
}
