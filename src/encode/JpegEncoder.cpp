#include "encode/JpegEncoder.h"

#include "imaging/Parallel.h"

#include <QColorSpace>

#include <turbojpeg.h>

#include <algorithm>
#include <vector>

namespace {

constexpr int kLargestRestartInterval = 65535; // in blocks (MCUs): a 16-bit field
constexpr int kBandBlockRows = 32;
constexpr unsigned char kMarker = 0xFF;
constexpr unsigned char kStartOfFrame = 0xC0, kRestartInterval = 0xDD, kStartOfScan = 0xDA,
                        kFirstRestart = 0xD0;
constexpr unsigned char kApp0 = 0xE0;

struct Band {
    QByteArray jpeg;
    bool ok = false;
};

Band compressBand(const QImage &image, int top, int rows, int quality, int subsampling)
{
    tjhandle handle = tjInitCompress();
    Band band;
    if (!handle)
        return band;
    unsigned char *out = nullptr;
    unsigned long size = 0;
    band.ok = tjCompress2(handle, image.constScanLine(top), image.width(), int(image.bytesPerLine()), rows,
                          TJPF_BGRX, &out, &size, subsampling, quality, 0) == 0;
    if (band.ok)
        band.jpeg = QByteArray(reinterpret_cast<const char *>(out), qsizetype(size));
    tjFree(out);
    tjDestroy(handle);
    return band;
}

int segmentLength(const QByteArray &jpeg, qsizetype at)
{
    return (uchar(jpeg[at + 2]) << 8) | uchar(jpeg[at + 3]);
}

// The offset of the first marker `code` among the segments that start the file, or -1.
qsizetype findSegment(const QByteArray &jpeg, unsigned char code)
{
    for (qsizetype at = 2; at + 4 <= jpeg.size() && uchar(jpeg[at]) == kMarker;
         at += 2 + segmentLength(jpeg, at))
        if (uchar(jpeg[at + 1]) == code)
            return at;
    return -1;
}

// Cuts a band down to its entropy-coded data, after its scan header and before its
// end marker, in place (no copy of the band is made); false when it has no scan.
bool keepScanData(QByteArray &jpeg)
{
    const qsizetype scan = findSegment(jpeg, kStartOfScan);
    if (scan < 0)
        return false;
    jpeg.chop(2);
    jpeg.remove(0, scan + 2 + segmentLength(jpeg, scan));
    return true;
}

QByteArray segment(unsigned char code, const QByteArray &payload)
{
    const int length = int(payload.size()) + 2;
    QByteArray bytes;
    bytes.append(char(kMarker)).append(char(code)).append(char(length >> 8)).append(char(length & 0xFF));
    return bytes + payload;
}

// The sRGB profile as an APP2 ICC_PROFILE segment (one chunk of one).
QByteArray iccSegment()
{
    QByteArray payload("ICC_PROFILE", 12); // with its terminating zero
    payload.append(char(1)).append(char(1));
    return segment(0xE2, payload + QColorSpace(QColorSpace::SRgb).iccProfile());
}

// The first band's headers, made the whole picture's: its height, the restart
// interval, the sRGB profile after the JFIF segment.
QByteArray fileHeader(const QByteArray &first, int height, int restartInterval)
{
    const qsizetype frame = findSegment(first, kStartOfFrame);
    const qsizetype scan = findSegment(first, kStartOfScan);
    const qsizetype app0 = findSegment(first, kApp0);
    if (frame < 0 || scan < 0)
        return {};
    QByteArray header = first.left(scan);
    header[frame + 5] = char(height >> 8);
    header[frame + 6] = char(height & 0xFF);
    header +=
        segment(kRestartInterval, QByteArray(1, char(restartInterval >> 8)) + char(restartInterval & 0xFF));
    header.insert(app0 < 0 ? 2 : app0 + 2 + segmentLength(first, app0), iccSegment());
    return header + first.mid(scan, 2 + segmentLength(first, scan));
}

} // namespace

qint64 JpegFile::size() const
{
    qint64 total = 0;
    for (const QByteArray &piece : pieces)
        total += piece.size();
    return total;
}

QByteArray JpegFile::joined() const
{
    QByteArray file;
    file.reserve(size());
    for (const QByteArray &piece : pieces)
        file += piece;
    return file;
}

JpegFile encodeJpeg(const QImage &source, int quality)
{
    if (source.isNull() || source.width() > kJpegLargestSide || source.height() > kJpegLargestSide)
        return {};
    const QImage image =
        source.format() == QImage::Format_ARGB32_Premultiplied || source.format() == QImage::Format_RGB32
            ? source
            : source.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const bool fullChroma = quality >= kJpegFullChromaQuality;
    const int subsampling = fullChroma ? TJSAMP_444 : TJSAMP_420;
    const int blockWidth = fullChroma ? 8 : 16, blockHeight = fullChroma ? 8 : 16;
    const int blocksPerRow = (image.width() + blockWidth - 1) / blockWidth;
    const int bandBlockRows = std::max(1, std::min(kBandBlockRows, kLargestRestartInterval / blocksPerRow));
    const int bandRows = bandBlockRows * blockHeight;
    const int bands = (image.height() + bandRows - 1) / bandRows;

    std::vector<Band> encoded(static_cast<size_t>(bands));
    parallelTasks(bands, [&](int i) {
        const int top = i * bandRows;
        encoded[size_t(i)] =
            compressBand(image, top, std::min(bandRows, image.height() - top), quality, subsampling);
    });
    if (std::any_of(encoded.begin(), encoded.end(), [](const Band &band) { return !band.ok; }))
        return {};
    JpegFile file;
    file.pieces.push_back(fileHeader(encoded[0].jpeg, image.height(), bandBlockRows * blocksPerRow));
    if (file.pieces.front().isEmpty())
        return {};
    // Each band's data follows the previous band's restart marker; the file ends after
    // the last band.
    for (int i = 0; i < bands; ++i) {
        QByteArray &data = encoded[size_t(i)].jpeg;
        if (!keepScanData(data))
            return {};
        const unsigned char marker = i + 1 < bands ? kFirstRestart + i % 8 : 0xD9;
        data.append(char(kMarker)).append(char(marker));
        file.pieces.push_back(std::move(data));
    }
    return file;
}
