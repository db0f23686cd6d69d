// Fuzz entry for the probes that read a photo's own bytes beside the decoders: the JPEG
// scan count and segments, the EXIF blocks of PNG and WebP files, and the first TIFF
// directory. Unlike the decoders (inside libraries, not instrumented), these are
// Quillane's own code and every edge of them is reached. Whatever the bytes, a probe
// ends, stops counting just past its limit, and reads no byte outside the input.
#include "imaging/HeaderProbe.h"
#include "imaging/TiffDirectory.h"

#include <QByteArray>

#include <cstdint>
#include <cstdlib>

namespace {

// A view the probes returned lies within the input.
void requireWithin(QByteArrayView view, const QByteArray &bytes)
{
    if (view.isEmpty())
        return;
    if (view.data() < bytes.constData() || view.data() + view.size() > bytes.constData() + bytes.size())
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // A copy of exactly the input's length, so that the address sanitizer catches a
    // read one byte past it.
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    for (const int limit : {0, 3, 100}) {
        const int scans = countJpegScans(bytes, limit);
        if (scans < 0 || scans > limit + 1)
            std::abort();
    }
    const JpegFacts jpeg = probeJpeg(bytes);
    if (jpeg.components < 0 || jpeg.components > 255 || jpeg.icc.size() > bytes.size())
        std::abort();
    for (const QByteArrayView exif : {jpeg.exif, pngExif(bytes), webpExif(bytes)}) {
        requireWithin(exif, bytes);
        if (const int orientation = exifOrientation(exif); orientation < 1 || orientation > 8)
            std::abort();
    }
    const int orientation = exifOrientation(bytes);
    if (orientation < 1 || orientation > 8 || (isTiffBasedRaw(bytes) && firstTiffDirectory(bytes).empty()))
        std::abort();
    const quint32 gamma =
        size >= 4 ? quint32(data[0]) << 24 | quint32(data[1]) << 16 | quint32(data[2]) << 8 | data[3] : 0;
    if (pngGammaIsSrgb(gamma) && (gamma < 43000 || gamma > 48000))
        std::abort(); // only values near 1/2.2 (45455) count as sRGB
    return 0;
}
