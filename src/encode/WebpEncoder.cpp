#include "encode/WebpEncoder.h"

#include "encode/PictureRows.h"
#include "imaging/Parallel.h"

#include <QColorSpace>
#include <QIODevice>

#include <webp/encode.h>

#include <algorithm>
#include <cstring>
#include <vector>

static_assert(kWebpLargestSide == WEBP_MAX_DIMENSION);

namespace {

// Rows converted to YUV at a time: even, so that each band holds whole pairs of rows,
// whose colour libwebp averages into one chroma row.
constexpr int kBandRows = 64;
// libwebp at quality 100 and its default method (4) for lossless pictures, as Qt's
// writer encoded them before.
constexpr float kLosslessEffort = 100.0f;
constexpr int kLeanMethod = 2; // the last method without the token buffer
constexpr int kChunkHead = 8;
constexpr int kRiffHead = 12; // "RIFF", the size, "WEBP"
constexpr int kExtendedHeaderBytes = 10;
constexpr uchar kIccFlag = 0x20, kAlphaFlag = 0x10;

void putLittleEndian(QByteArray &bytes, quint32 value, int count)
{
    for (int i = 0; i < count; ++i)
        bytes.append(char((value >> (8 * i)) & 0xFF));
}

quint32 littleEndian(const QByteArray &bytes, qsizetype at)
{
    return quint32(uchar(bytes[at])) | quint32(uchar(bytes[at + 1])) << 8 |
           quint32(uchar(bytes[at + 2])) << 16 | quint32(uchar(bytes[at + 3])) << 24;
}

QByteArray chunk(const char type[4], const QByteArray &payload)
{
    QByteArray bytes(type, 4);
    putLittleEndian(bytes, quint32(payload.size()), 4);
    bytes += payload;
    if (payload.size() % 2 == 1)
        bytes.append('\0');
    return bytes;
}

// Passes libwebp's file on to the device as it comes, with an extended header in front
// of its first image chunk: a VP8X chunk (libwebp's own, when it wrote one, is replaced)
// announcing the ICC profile, and the ICCP chunk holding sRGB's.
class ContainerWriter {
  public:
    ContainerWriter(QIODevice &device, QSize size, bool alpha)
        : m_device(device), m_size(size), m_alpha(alpha)
    {
    }

    static int write(const uint8_t *data, size_t size, const WebPPicture *picture)
    {
        auto *writer = static_cast<ContainerWriter *>(picture->custom_ptr);
        return writer->take(reinterpret_cast<const char *>(data), qsizetype(size)) ? 1 : 0;
    }

    bool deviceFailed() const { return m_deviceFailed; }

  private:
    bool take(const char *data, qsizetype size)
    {
        if (m_passing)
            return put(data, size);
        m_head.append(data, size);
        // The RIFF header, then whole chunk headers until the first image chunk.
        while (m_head.size() >= kRiffHead + m_skipped + kChunkHead) {
            const qsizetype at = kRiffHead + m_skipped;
            if (m_head.mid(at, 4) != "VP8X")
                return passOn(at);
            if (m_head.size() < at + kChunkHead + kExtendedHeaderBytes)
                return true;
            m_skipped += kChunkHead + kExtendedHeaderBytes;
        }
        return true;
    }

    // Writes the new header and everything libwebp wrote from `firstChunk` on.
    bool passOn(qsizetype firstChunk)
    {
        const QByteArray icc = chunk("ICCP", QColorSpace(QColorSpace::SRgb).iccProfile());
        QByteArray extended;
        extended.append(char(kIccFlag | (m_alpha ? kAlphaFlag : 0))).append(3, '\0');
        putLittleEndian(extended, quint32(m_size.width() - 1), 3);
        putLittleEndian(extended, quint32(m_size.height() - 1), 3);
        const QByteArray inserted = chunk("VP8X", extended) + icc;
        const quint32 riffSize = littleEndian(m_head, 4) - quint32(m_skipped) + quint32(inserted.size());
        QByteArray head = m_head.left(4);
        putLittleEndian(head, riffSize, 4);
        head += m_head.mid(8, 4) + inserted;
        m_passing = true;
        return put(head.constData(), head.size()) &&
               put(m_head.constData() + firstChunk, m_head.size() - firstChunk);
    }

    bool put(const char *data, qsizetype size)
    {
        for (qsizetype done = 0; done < size;) {
            const qint64 written = m_device.write(data + done, size - done);
            if (written <= 0) {
                m_deviceFailed = true;
                return false;
            }
            done += written;
        }
        return true;
    }

    QIODevice &m_device;
    QSize m_size;
    bool m_alpha;
    QByteArray m_head;       // what libwebp wrote before the first image chunk
    qsizetype m_skipped = 0; // bytes of libwebp's own VP8X chunk, left out
    bool m_passing = false;
    bool m_deviceFailed = false;
};

// Copies a band's planes into the picture's, from row `top` on.
void copyBand(const WebPPicture &band, WebPPicture &picture, int top)
{
    const int width = band.width, chromaWidth = (band.width + 1) / 2;
    for (int y = 0; y < band.height; ++y)
        std::memcpy(picture.y + qsizetype(top + y) * picture.y_stride, band.y + qsizetype(y) * band.y_stride,
                    size_t(width));
    for (int y = 0; y < (band.height + 1) / 2; ++y) {
        const qsizetype to = qsizetype(top / 2 + y) * picture.uv_stride, from = qsizetype(y) * band.uv_stride;
        std::memcpy(picture.u + to, band.u + from, size_t(chromaWidth));
        std::memcpy(picture.v + to, band.v + from, size_t(chromaWidth));
    }
    if (!picture.a)
        return;
    // libwebp gives a band without a translucent pixel no alpha plane.
    for (int y = 0; y < band.height; ++y) {
        uint8_t *row = picture.a + qsizetype(top + y) * picture.a_stride;
        if (band.a)
            std::memcpy(row, band.a + qsizetype(y) * band.a_stride, size_t(width));
        else
            std::memset(row, 0xFF, size_t(width));
    }
}

// One band of rows into the picture's YUV(A) planes; an opaque picture is read in place.
bool importBand(const QImage &image, int top, bool alpha, WebPPicture &picture)
{
    WebPPicture band;
    if (!WebPPictureInit(&band))
        return false;
    band.width = image.width();
    band.height = std::min(kBandRows, image.height() - top);
    bool imported = false;
    if (alpha) {
        std::vector<QRgb> straight(size_t(band.width) * size_t(band.height));
        for (int y = 0; y < band.height; ++y)
            straightArgb(image, top + y, straight.data() + qsizetype(y) * band.width);
        imported =
            WebPPictureImportBGRA(&band, reinterpret_cast<const uint8_t *>(straight.data()), band.width * 4);
    } else {
        imported = WebPPictureImportBGRX(&band, image.constScanLine(top), int(image.bytesPerLine()));
    }
    if (imported)
        copyBand(band, picture, top);
    WebPPictureFree(&band);
    return imported;
}

bool importLossy(const QImage &image, bool alpha, WebPPicture &picture)
{
    picture.use_argb = 0;
    picture.colorspace = alpha ? WEBP_YUV420A : WEBP_YUV420;
    if (!WebPPictureAlloc(&picture))
        return false;
    const int bands = (image.height() + kBandRows - 1) / kBandRows;
    std::vector<char> imported(size_t(bands), 0);
    parallelTasks(bands,
                  [&](int i) { imported[size_t(i)] = importBand(image, i * kBandRows, alpha, picture); });
    return std::all_of(imported.begin(), imported.end(), [](char ok) { return ok != 0; });
}

bool importLossless(const QImage &image, WebPPicture &picture)
{
    picture.use_argb = 1;
    if (!WebPPictureAlloc(&picture))
        return false;
    parallelRows(image.height(), [&](int begin, int end) {
        for (int y = begin; y < end; ++y)
            straightArgb(image, y,
                         reinterpret_cast<QRgb *>(picture.argb + qsizetype(y) * picture.argb_stride));
    });
    return true;
}

bool configure(WebPConfig &config, const WebpSettings &settings)
{
    if (!WebPConfigInit(&config))
        return false;
    config.lossless = settings.lossless ? 1 : 0;
    config.quality = settings.lossless ? kLosslessEffort : float(std::clamp(settings.quality, 1, 100));
    if (settings.lean && !settings.lossless) {
        config.method = kLeanMethod;
        config.alpha_compression = 0;
    }
    return WebPValidateConfig(&config) != 0;
}

} // namespace

WebpOutcome encodeWebp(const QImage &source, const WebpSettings &settings, QIODevice &device)
{
    const QImage image = thirtyTwoBit(source);
    const bool alpha = hasTranslucentPixel(image);
    WebPConfig config;
    WebPPicture picture;
    if (!configure(config, settings) || !WebPPictureInit(&picture))
        return WebpOutcome::EncoderFailed;
    picture.width = image.width();
    picture.height = image.height();
    ContainerWriter writer(device, image.size(), alpha);
    picture.writer = &ContainerWriter::write;
    picture.custom_ptr = &writer;
    const bool imported =
        settings.lossless ? importLossless(image, picture) : importLossy(image, alpha, picture);
    const bool encoded = imported && WebPEncode(&config, &picture);
    WebPPictureFree(&picture);
    if (encoded)
        return WebpOutcome::Written;
    return writer.deviceFailed() ? WebpOutcome::DeviceFailed : WebpOutcome::EncoderFailed;
}
