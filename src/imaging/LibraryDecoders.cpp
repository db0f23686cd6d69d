#include "imaging/LibraryDecoders.h"

#include "imaging/HeifDecoder.h"
#include "imaging/JxlDecoder.h"
#include "imaging/RawDecoder.h"

#include <QFileDevice>
#include <QFileInfo>

namespace {

constexpr qint64 kHeadBytes = 32;

} // namespace

PhotoDecoder Photo_Decoder_Of(QFileDevice &file)
{
    return Photo_Decoder_For(file.peek(kHeadBytes), QFileInfo(file.fileName()).suffix());
}

DecodedPicture Decode_With(PhotoDecoder decoder, const QByteArray &bytes, qint64 maxPixels)
{
    switch (decoder) {
    case PhotoDecoder::Heif:
        return Decode_Heif(bytes, maxPixels);
    case PhotoDecoder::Jxl:
        return Decode_Jxl(bytes, maxPixels);
    case PhotoDecoder::Raw:
        return Decode_Raw(bytes, maxPixels);
    case PhotoDecoder::Qt:
        break;
    }
    return Damaged_Picture();
}
