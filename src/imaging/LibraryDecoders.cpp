#include "imaging/LibraryDecoders.h"

#include "imaging/HeifDecoder.h"
#include "imaging/JxlDecoder.h"
#include "imaging/PngDecoder.h"
#include "imaging/RawDecoder.h"

DecodedPicture decodeWith(PhotoDecoder decoder, const QByteArray &bytes, qint64 maxPixels)
{
    switch (decoder) {
    case PhotoDecoder::Png:
        return decodePng(bytes, maxPixels);
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
