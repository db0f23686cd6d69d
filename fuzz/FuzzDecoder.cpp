// Fuzz entry for one of the library decoders (HEIF/AVIF, JPEG XL or camera raw, chosen
// by QUILLANE_FUZZ_DECODER when built): the input's bytes go straight to the decoder.
// Whatever the bytes, it either refuses them with a reason or returns a picture within
// the pixel limit.
#include "imaging/LibraryDecoders.h"

#include <QCoreApplication>

#include <cstdint>
#include <cstdlib>

namespace {

// Small enough that a fuzzed header announcing a huge picture is refused, large enough
// that every decoder path runs on real pictures.
constexpr qint64 kFuzzPixelLimit = 4'000'000;

void dropMessages(QtMsgType, const QMessageLogContext &, const QString &) {}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qInstallMessageHandler(dropMessages);
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const DecodedPicture decoded = decodeWith(PhotoDecoder::QUILLANE_FUZZ_DECODER, bytes, kFuzzPixelLimit);
    const bool refusedCleanly = decoded.image.isNull() && !decoded.reason.isEmpty();
    const bool decodedCleanly = !decoded.image.isNull() && decoded.reason.isEmpty() &&
                                qint64(decoded.image.width()) * decoded.image.height() <= kFuzzPixelLimit;
    if (!refusedCleanly && !decodedCleanly)
        std::abort();
    return 0;
}
