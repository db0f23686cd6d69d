#include "imaging/PhotoFormats.h"

#include "imaging/TiffDirectory.h"

#include <QCoreApplication>

#include <cstring>

namespace {

QStringList rawSuffixes()
{
    return {"dng", "cr2", "cr3", "crw", "nef", "nrw", "arw", "srf", "sr2", "raf", "orf", "rw2",
            "pef", "srw", "raw", "rwl", "3fr", "erf", "kdc", "mos", "mrw", "x3f", "iiq"};
}

QStringList rawMimeTypes()
{
    return {"image/x-adobe-dng",      "image/x-canon-cr2",   "image/x-canon-cr3",     "image/x-canon-crw",
            "image/x-nikon-nef",      "image/x-nikon-nrw",   "image/x-sony-arw",      "image/x-sony-srf",
            "image/x-sony-sr2",       "image/x-fuji-raf",    "image/x-olympus-orf",   "image/x-panasonic-rw2",
            "image/x-pentax-pef",     "image/x-samsung-srw", "image/x-panasonic-raw", "image/x-leica-rwl",
            "image/x-hasselblad-3fr", "image/x-epson-erf",   "image/x-kodak-kdc",     "image/x-minolta-mrw",
            "image/x-sigma-x3f",      "image/x-dcraw"};
}

// `magic` is a string literal and may hold zero bytes: its whole length counts.
template <size_t N> bool startsWith(QByteArrayView bytes, const char (&magic)[N], qsizetype at = 0)
{
    return bytes.size() >= at + qsizetype(N - 1) && std::memcmp(bytes.data() + at, magic, N - 1) == 0;
}

// An ISO base media file (HEIF, AVIF, CR3) names its brand in its first box, "ftyp".
QByteArray isoBrand(const QByteArray &head)
{
    return startsWith(head, "ftyp", 4) ? head.mid(8, 4) : QByteArray();
}

bool isHeifBrand(const QByteArray &brand)
{
    static const QByteArrayList brands = {"heic", "heix", "heim", "heis", "hevc", "hevx", "hevm",
                                          "hevs", "mif1", "msf1", "avif", "avis", "mif2"};
    return brands.contains(brand);
}

bool isRawContent(const QByteArray &head)
{
    return isoBrand(head) == "crx " || startsWith(head, "FUJIFILMCCD-RAW") || startsWith(head, "IIRO") ||
           startsWith(head, "IIRS") || startsWith(head, "MMOR") || startsWith(head, "IIU\0") ||
           startsWith(head, "FOVb");
}

bool isJxl(const QByteArray &head)
{
    return startsWith(head, "\xFF\x0A") || startsWith(head, "\0\0\0\x0CJXL \r\n\x87\n");
}

} // namespace

const std::vector<PhotoFormat> &photoFormats()
{
    static const std::vector<PhotoFormat> formats = {
        {"bmp", {"bmp"}, {"image/bmp"}, PhotoDecoder::Qt},
        {"gif", {"gif"}, {"image/gif"}, PhotoDecoder::Qt},
        {"jpeg", {"jpg", "jpeg"}, {"image/jpeg"}, PhotoDecoder::Qt},
        {"png", {"png"}, {"image/png"}, PhotoDecoder::Png},
        {"tiff", {"tif", "tiff"}, {"image/tiff"}, PhotoDecoder::Qt},
        {"webp", {"webp"}, {"image/webp"}, PhotoDecoder::Qt},
        {"heic", {"heic", "heif", "hif"}, {"image/heic", "image/heif"}, PhotoDecoder::Heif},
        {"avif", {"avif"}, {"image/avif"}, PhotoDecoder::Heif},
        {"jpeg xl", {"jxl"}, {"image/jxl"}, PhotoDecoder::Jxl},
        {QT_TRANSLATE_NOOP("PhotoFormats", "camera raw"), rawSuffixes(), rawMimeTypes(), PhotoDecoder::Raw},
    };
    return formats;
}

const QStringList &photoFileExtensions()
{
    static const QStringList all = [] {
        QStringList suffixes;
        for (const PhotoFormat &format : photoFormats())
            suffixes += format.suffixes;
        return suffixes;
    }();
    return all;
}

QStringList photoMimeTypes()
{
    QStringList all;
    for (const PhotoFormat &format : photoFormats())
        all += format.mimeTypes;
    return all;
}

QString photoFormatNames()
{
    QStringList names;
    for (const PhotoFormat &format : photoFormats())
        names += QCoreApplication::translate("PhotoFormats", format.name.toUtf8().constData());
    return names.join(QStringLiteral(", "));
}

PhotoDecoder photoDecoderFor(const QByteArray &bytes, const QString &suffix)
{
    if (startsWith(bytes, "\x89PNG\r\n\x1A\n"))
        return PhotoDecoder::Png;
    if (isHeifBrand(isoBrand(bytes)))
        return PhotoDecoder::Heif;
    if (isJxl(bytes))
        return PhotoDecoder::Jxl;
    if (isRawContent(bytes))
        return PhotoDecoder::Raw;
    // DNG, NEF, CR2, ARW, PEF and others are TIFF files: their suffix tells them apart, and
    // so does the content of most (a DNG named .tif is still a DNG).
    const bool tiffContent = startsWith(bytes, "II*\0") || startsWith(bytes, "MM\0*");
    if (tiffContent && (rawSuffixes().contains(suffix.toLower()) || isTiffBasedRaw(bytes)))
        return PhotoDecoder::Raw;
    return PhotoDecoder::Qt;
}
