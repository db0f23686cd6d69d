#include "imaging/LibraryDecoders.h"

#include "imaging/HeifDecoder.h"
#include "imaging/JxlDecoder.h"
#include "imaging/RawDecoder.h"

#include <QFileDevice>
#include <QFileInfo>

namespace {

constexpr qint64 kHeadBytes = 32;

} // namespace

PhotoDecoder photoDecoderOf(QFileDevice &file)
{
    return photoDecoderFor(file.peek(kHeadBytes), QFileInfo(file.fileName()).suffix());
}

DecodedPicture decodeWith(PhotoDecoder decoder, const QByteArray &bytes, qint64 maxPixels)
{
    switch (decoder) {
    case PhotoDecoder::Heif:
        return decodeHeif(bytes, maxPixels);
    case PhotoDecoder::Jxl:
        return decodeJxl(bytes, maxPixels);
    case PhotoDecoder::Raw:
        return decodeRaw(bytes, maxPixels);
    case PhotoDecoder::Qt:
        break;
    }
    return damagedPicture();
}
