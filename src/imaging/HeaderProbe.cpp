#include "imaging/HeaderProbe.h"

#include <cstring>

namespace {

constexpr uchar kMarker = 0xFF;
constexpr uchar kStartOfImage = 0xD8;
constexpr uchar kStartOfScan = 0xDA;
constexpr uchar kEndOfImage = 0xD9;

bool isStandalone(uchar code)
{
    // Restart markers, start and end of image, TEM: no length follows them.
    return (code >= 0xD0 && code <= 0xD9) || code == 0x01;
}

quint32 bigEndian32(const uchar *p)
{
    return (quint32(p[0]) << 24) | (quint32(p[1]) << 16) | (quint32(p[2]) << 8) | quint32(p[3]);
}

// The offset just past the entropy-coded data that starts at `at`: the next marker that
// is neither a stuffed zero nor a restart marker.
qsizetype skipEntropyData(const uchar *data, qsizetype size, qsizetype at)
{
    while (at < size) {
        const void *found = std::memchr(data + at, kMarker, size_t(size - at));
        if (!found)
            return size;
        at = static_cast<const uchar *>(found) - data;
        if (at + 1 >= size)
            return size;
        const uchar code = data[at + 1];
        if (code != 0x00 && code != kMarker && !(code >= 0xD0 && code <= 0xD7))
            return at;
        at += code == kMarker ? 1 : 2;
    }
    return size;
}

} // namespace

int countJpegScans(QByteArrayView bytes, int stopAfter)
{
    const auto *data = reinterpret_cast<const uchar *>(bytes.data());
    const qsizetype size = bytes.size();
    if (size < 4 || data[0] != kMarker || data[1] != kStartOfImage)
        return 0;
    int scans = 0;
    qsizetype at = 2;
    while (at + 1 < size && scans <= stopAfter) {
        if (data[at] != kMarker) { // garbage between segments: look for the next marker
            at = skipEntropyData(data, size, at);
            continue;
        }
        const uchar code = data[at + 1];
        if (code == kMarker) { // fill byte
            ++at;
            continue;
        }
        if (code == kEndOfImage)
            break;
        if (isStandalone(code)) {
            at += 2;
            continue;
        }
        if (at + 3 >= size)
            break;
        const qsizetype length = (qsizetype(data[at + 2]) << 8) | data[at + 3];
        at += 2 + length;
        if (code == kStartOfScan) {
            ++scans;
            at = skipEntropyData(data, size, at);
        }
    }
    return scans;
}

PngColourChunks probePngColour(QByteArrayView bytes)
{
    static const uchar kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    PngColourChunks chunks;
    const auto *data = reinterpret_cast<const uchar *>(bytes.data());
    const qsizetype size = bytes.size();
    if (size < 8 || std::memcmp(data, kSignature, 8) != 0)
        return chunks;
    chunks.isPng = true;
    qsizetype at = 8;
    while (at + 8 <= size) {
        const quint32 length = bigEndian32(data + at);
        const char *type = reinterpret_cast<const char *>(data + at + 4);
        const qsizetype body = at + 8;
        if (std::memcmp(type, "IDAT", 4) == 0 || std::memcmp(type, "IEND", 4) == 0)
            break;
        if (std::memcmp(type, "sRGB", 4) == 0)
            chunks.hasSrgb = true;
        else if (std::memcmp(type, "iCCP", 4) == 0)
            chunks.hasIcc = true;
        else if (std::memcmp(type, "cHRM", 4) == 0)
            chunks.hasChrm = true;
        else if (std::memcmp(type, "gAMA", 4) == 0 && length == 4 && body + 4 <= size)
            chunks.gamma = bigEndian32(data + body);
        if (length > quint32(size)) // longer than the file: nothing after it can be read
            break;
        at = body + qsizetype(length) + 4; // data and CRC
    }
    return chunks;
}

bool pngGammaIsSrgb(quint32 gamma)
{
    // libpng's fixed point: 100000 is 1.0; its threshold of significance is 5000.
    constexpr qint64 kOne = 100000;
    constexpr qint64 kThreshold = 5000;
    if (gamma == 0 || qint64(gamma) >= kOne / 2)
        return false;
    const qint64 timesTwoPointTwo = (qint64(gamma) * 11 + 2) / 5;
    return timesTwoPointTwo >= kOne - kThreshold && timesTwoPointTwo <= kOne + kThreshold;
}
