#include "imaging/TiffDirectory.h"

#include <cstring>

namespace {

constexpr quint16 kOrientation = 274;
constexpr quint16 kPhotometric = 262;
constexpr quint16 kDngVersion = 50706;
constexpr quint32 kColourFilterArray = 32803;
constexpr quint32 kLinearRaw = 34892;
// A directory of more entries than this is damage, not a photo.
constexpr quint32 kMostEntries = 4096;

enum TiffType : quint16 { Byte = 1, Short = 3, Long = 4 };

struct TiffReader {
    const uchar *data = nullptr;
    qsizetype size = 0;
    bool little = true;

    quint32 u16(qsizetype at) const
    {
        return little ? quint32(data[at]) | (quint32(data[at + 1]) << 8)
                      : (quint32(data[at]) << 8) | quint32(data[at + 1]);
    }
    quint32 u32(qsizetype at) const
    {
        return little ? u16(at) | (u16(at + 2) << 16) : (u16(at) << 16) | u16(at + 2);
    }
    // The first value of the 12-byte entry at `at`, or the offset of its values.
    quint32 firstValue(qsizetype at) const
    {
        switch (u16(at + 2)) {
        case Byte:
            return data[at + 8];
        case Short:
            return u16(at + 8);
        case Long:
        default:
            return u32(at + 8);
        }
    }
};

} // namespace

std::map<quint16, quint32> firstTiffDirectory(QByteArrayView tiff)
{
    std::map<quint16, quint32> tags;
    TiffReader reader{reinterpret_cast<const uchar *>(tiff.data()), tiff.size()};
    if (reader.size < 8)
        return tags;
    if (std::memcmp(reader.data, "II*\0", 4) == 0)
        reader.little = true;
    else if (std::memcmp(reader.data, "MM\0*", 4) == 0)
        reader.little = false;
    else
        return tags;
    const quint32 directory = reader.u32(4);
    if (directory > quint32(reader.size - 2))
        return tags;
    const quint32 entries = reader.u16(directory);
    if (entries > kMostEntries || (quint64(reader.size) - directory - 2) / 12 < entries)
        return tags;
    for (quint32 i = 0; i < entries; ++i) {
        const qsizetype at = qsizetype(directory) + 2 + 12 * qsizetype(i);
        tags.emplace(quint16(reader.u16(at)), reader.firstValue(at));
    }
    return tags;
}

int tiffOrientationTag(QByteArrayView tiff)
{
    const std::map<quint16, quint32> tags = firstTiffDirectory(tiff);
    const auto orientation = tags.find(kOrientation);
    return orientation == tags.end() ? -1 : int(orientation->second);
}

int exifOrientation(QByteArrayView exif)
{
    if (exif.startsWith(QByteArrayView("Exif\0\0", 6)))
        exif = exif.sliced(6);
    const int orientation = tiffOrientationTag(exif);
    return orientation >= 1 && orientation <= 8 ? orientation : 1;
}

bool isTiffBasedRaw(QByteArrayView bytes)
{
    const bool tiff =
        bytes.startsWith(QByteArrayView("II*\0", 4)) || bytes.startsWith(QByteArrayView("MM\0*", 4));
    if (tiff && bytes.size() >= 11 && std::memcmp(bytes.data() + 8, "CR\x02", 3) == 0)
        return true; // Canon's CR2 names itself right after the header
    const std::map<quint16, quint32> tags = firstTiffDirectory(bytes);
    if (tags.count(kDngVersion))
        return true;
    const auto photometric = tags.find(kPhotometric);
    return photometric != tags.end() &&
           (photometric->second == kColourFilterArray || photometric->second == kLinearRaw);
}
