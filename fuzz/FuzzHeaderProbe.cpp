// Fuzz entry for the header probes that run before any decoder: the JPEG scan count and
// the PNG colour chunks. Unlike the decoders (inside Qt, not instrumented), these are
// Quillane's own code and every edge of them is reached. Whatever the bytes, a probe
// ends, stops counting just past its limit, and reads no byte outside the input.
#include "imaging/HeaderProbe.h"

#include <QByteArray>

#include <cstdint>
#include <cstdlib>

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
    const PngColourChunks png = probePngColour(bytes);
    if (!png.isPng && (png.hasSrgb || png.hasIcc || png.hasChrm || png.gamma != 0))
        std::abort();
    if (pngGammaIsSrgb(png.gamma) && (png.gamma < 43000 || png.gamma > 48000))
        std::abort(); // only values near 1/2.2 (45455) count as sRGB
    return 0;
}
