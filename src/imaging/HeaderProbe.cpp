#include "imaging/HeaderProbe.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <map>

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

bool isStartOfFrame(uchar code)
{
    // SOF0 to SOF15, less DHT (C4), JPG (C8) and DAC (CC).
    return code >= 0xC0 && code <= 0xCF && code != 0xC4 && code != 0xC8 && code != 0xCC;
}

quint32 bigEndian32(const uchar *p)
{
    return (quint32(p[0]) << 24) | (quint32(p[1]) << 16) | (quint32(p[2]) << 8) | quint32(p[3]);
}

quint32 littleEndian32(const uchar *p)
{
    return quint32(p[0]) | (quint32(p[1]) << 8) | (quint32(p[2]) << 16) | (quint32(p[3]) << 24);
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

// One marker segment of a JPEG: its code and its body (after the length), cut to the
// bytes there are.
struct JpegSegment {
    uchar code = 0;
    QByteArrayView body;
};

// Walks the segments of a JPEG from its start, calling `visit` on each until it returns
// false, the stream ends, or (with `throughScans`) at the end of the picture; without it
// the walk stops at the first scan.
template <typename Visit> void walkJpeg(QByteArrayView bytes, bool throughScans, Visit visit)
{
    const auto *data = reinterpret_cast<const uchar *>(bytes.data());
    const qsizetype size = bytes.size();
    if (size < 4 || data[0] != kMarker || data[1] != kStartOfImage)
        return;
    qsizetype at = 2;
    while (at + 1 < size) {
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
            return;
        if (isStandalone(code)) {
            at += 2;
            continue;
        }
        if (at + 3 >= size)
            return;
        const qsizetype length = (qsizetype(data[at + 2]) << 8) | data[at + 3];
        const qsizetype body = at + 4;
        const JpegSegment segment{code,
                                  bytes.sliced(body, std::clamp<qsizetype>(length - 2, 0, size - body))};
        if (!visit(segment) || (code == kStartOfScan && !throughScans))
            return;
        at += 2 + length;
        if (code == kStartOfScan)
            at = skipEntropyData(data, size, at);
    }
}

bool startsWith(QByteArrayView bytes, QByteArrayView prefix)
{
    return bytes.size() >= prefix.size() &&
           std::memcmp(bytes.data(), prefix.data(), size_t(prefix.size())) == 0;
}

// The pieces of an ICC profile in APP2 segments ("ICC_PROFILE\0", its number from 1,
// the count), joined in order; empty when a piece is missing.
QByteArray joinIccPieces(const std::map<int, QByteArrayView> &pieces, int count)
{
    QByteArray icc;
    for (int number = 1; number <= count; ++number) {
        const auto piece = pieces.find(number);
        if (piece == pieces.end())
            return {};
        icc += piece->second;
    }
    return icc;
}

} // namespace

int countJpegScans(QByteArrayView bytes, int stopAfter)
{
    int scans = 0;
    walkJpeg(bytes, true, [&](const JpegSegment &segment) {
        if (segment.code == kStartOfScan)
            ++scans;
        return scans <= stopAfter;
    });
    return scans;
}

JpegFacts probeJpeg(QByteArrayView bytes)
{
    static constexpr char kIcc[] = "ICC_PROFILE"; // with its terminating zero: 12 bytes
    JpegFacts facts;
    std::map<int, QByteArrayView> iccPieces;
    int iccCount = 0;
    walkJpeg(bytes, false, [&](const JpegSegment &segment) {
        const QByteArrayView body = segment.body;
        if (isStartOfFrame(segment.code) && body.size() >= 6)
            facts.components = uchar(body[5]);
        else if (segment.code == 0xE1 && startsWith(body, QByteArrayView("Exif\0\0", 6)) &&
                 facts.exif.isEmpty())
            facts.exif = body.sliced(6);
        else if (segment.code == 0xE2 && body.size() > 14 &&
                 startsWith(body, QByteArrayView(kIcc, sizeof kIcc))) {
            iccCount = uchar(body[13]);
            iccPieces.emplace(uchar(body[12]), body.sliced(14));
        } else if (segment.code == 0xEE && startsWith(body, "Adobe"))
            facts.adobe = true;
        return true;
    });
    facts.icc = joinIccPieces(iccPieces, iccCount);
    return facts;
}

QByteArrayView pngExif(QByteArrayView bytes)
{
    static const uchar kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    const auto *data = reinterpret_cast<const uchar *>(bytes.data());
    const qsizetype size = bytes.size();
    if (size < 8 || std::memcmp(data, kSignature, 8) != 0)
        return {};
    qsizetype at = 8;
    while (at + 8 <= size) {
        const quint32 length = bigEndian32(data + at);
        const char *type = reinterpret_cast<const char *>(data + at + 4);
        const qsizetype body = at + 8;
        if (length > quint32(size - body)) // longer than the file: nothing after it can be read
            break;
        if (std::memcmp(type, "eXIf", 4) == 0)
            return bytes.sliced(body, qsizetype(length));
        if (std::memcmp(type, "IEND", 4) == 0)
            break;
        at = body + qsizetype(length) + 4; // data and CRC
    }
    return {};
}

QByteArrayView webpExif(QByteArrayView bytes)
{
    const auto *data = reinterpret_cast<const uchar *>(bytes.data());
    const qsizetype size = bytes.size();
    if (size < 12 || !startsWith(bytes, "RIFF") || std::memcmp(data + 8, "WEBP", 4) != 0)
        return {};
    qsizetype at = 12;
    while (at + 8 <= size) {
        const quint32 length = littleEndian32(data + at + 4);
        const qsizetype body = at + 8;
        if (length > quint32(size - body))
            break;
        if (std::memcmp(data + at, "EXIF", 4) == 0)
            return bytes.sliced(body, qsizetype(length));
        at = body + qsizetype(length) + (length & 1); // chunks are padded to an even length
    }
    return {};
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

bool pngChromaticitiesAreSrgb(const std::array<qint32, 8> &chromaticities)
{
    // D65 white, then the red, green and blue primaries of sRGB (ITU-R BT.709).
    constexpr std::array<qint32, 8> kSrgb = {31270, 32900, 64000, 33000, 30000, 60000, 15000, 6000};
    constexpr qint32 kTolerance = 100; // libpng's, for cHRM against sRGB
    for (size_t i = 0; i < kSrgb.size(); ++i)
        if (std::abs(qint64(chromaticities[i]) - kSrgb[i]) > kTolerance)
            return false;
    return true;
}
