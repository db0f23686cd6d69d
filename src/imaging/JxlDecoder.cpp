#include "imaging/JxlDecoder.h"

#include "imaging/ChildDecode.h"

#include <QColorSpace>

#include <jxl/decode_cxx.h>
#include <jxl/resizable_parallel_runner_cxx.h>

namespace {

// libjxl holds a picture as planes of floats while it decodes: about 30 bytes a pixel of
// a lossy 24-megapixel file beside the 8 or 16-bit output, twice what a decoder of 16-bit
// samples is allowed (ChildDecode.h).
constexpr qint64 kWorkingCopies = 2;

// The colour space of the decoded samples; sRGB when the file names none Qt can read
// (a grey profile, for one, whose grey samples were copied to all three channels).
QColorSpace dataColourSpace(const JxlDecoder *decoder)
{
    size_t size = 0;
    if (JxlDecoderGetICCProfileSize(decoder, nullptr, JXL_COLOR_PROFILE_TARGET_DATA, &size) !=
        JXL_DEC_SUCCESS)
        return QColorSpace(QColorSpace::SRgb);
    QByteArray icc(qsizetype(size), Qt::Uninitialized);
    if (JxlDecoderGetColorAsICCProfile(decoder, nullptr, JXL_COLOR_PROFILE_TARGET_DATA,
                                       reinterpret_cast<uint8_t *>(icc.data()), size) != JXL_DEC_SUCCESS)
        return QColorSpace(QColorSpace::SRgb);
    const QColorSpace space = QColorSpace::fromIccProfile(icc);
    return space.isValid() ? space : QColorSpace(QColorSpace::SRgb);
}

struct Decoding {
    JxlBasicInfo info{};
    JxlPixelFormat format{4, JXL_TYPE_UINT8, JXL_NATIVE_ENDIAN, 0};
    QImage picture;
    QColorSpace space;
};

// Handles one event of the decoder; an empty string means go on.
QString onEvent(JxlDecoder *decoder, JxlDecoderStatus status, Decoding &decoding, qint64 maxPixels)
{
    switch (status) {
    case JXL_DEC_BASIC_INFO: {
        if (JxlDecoderGetBasicInfo(decoder, &decoding.info) != JXL_DEC_SUCCESS)
            return damagedPicture().reason;
        // The sides are those of the upright picture, as the decoder turns it.
        if (const QString problem = declaredSizeProblem(decoding.info.xsize, decoding.info.ysize, maxPixels);
            !problem.isEmpty())
            return problem;
        limitChildMemoryTo(qint64(decoding.info.xsize) * decoding.info.ysize * kWorkingCopies);
        if (decoding.info.bits_per_sample > 8)
            decoding.format.data_type = JXL_TYPE_UINT16;
        return {};
    }
    case JXL_DEC_COLOR_ENCODING:
        decoding.space = dataColourSpace(decoder);
        return {};
    case JXL_DEC_NEED_IMAGE_OUT_BUFFER: {
        const bool deep = decoding.format.data_type == JXL_TYPE_UINT16;
        decoding.picture = QImage(int(decoding.info.xsize), int(decoding.info.ysize),
                                  deep ? QImage::Format_RGBA64 : QImage::Format_RGBA8888);
        size_t needed = 0;
        if (decoding.picture.isNull() ||
            JxlDecoderImageOutBufferSize(decoder, &decoding.format, &needed) != JXL_DEC_SUCCESS ||
            needed != size_t(decoding.picture.sizeInBytes()))
            return damagedPicture().reason;
        decoding.format.align = size_t(decoding.picture.bytesPerLine());
        if (JxlDecoderSetImageOutBuffer(decoder, &decoding.format, decoding.picture.bits(), needed) !=
            JXL_DEC_SUCCESS)
            return damagedPicture().reason;
        return {};
    }
    default:
        return damagedPicture().reason;
    }
}

DecodedPicture decodeJxlHere(const QByteArray &bytes, qint64 maxPixels)
{
    const JxlDecoderPtr decoder = JxlDecoderMake(nullptr);
    const JxlResizableParallelRunnerPtr runner = JxlResizableParallelRunnerMake(nullptr);
    if (!decoder || !runner ||
        JxlDecoderSubscribeEvents(decoder.get(), JXL_DEC_BASIC_INFO | JXL_DEC_COLOR_ENCODING |
                                                     JXL_DEC_FULL_IMAGE) != JXL_DEC_SUCCESS ||
        JxlDecoderSetParallelRunner(decoder.get(), JxlResizableParallelRunner, runner.get()) !=
            JXL_DEC_SUCCESS ||
        JxlDecoderSetInput(decoder.get(), reinterpret_cast<const uint8_t *>(bytes.constData()),
                           size_t(bytes.size())) != JXL_DEC_SUCCESS)
        return damagedPicture();
    JxlDecoderCloseInput(decoder.get());
    Decoding decoding;
    for (;;) {
        const JxlDecoderStatus status = JxlDecoderProcessInput(decoder.get());
        if (status == JXL_DEC_FULL_IMAGE)
            break; // the first frame is the picture
        if (const QString problem = onEvent(decoder.get(), status, decoding, maxPixels); !problem.isEmpty())
            return {QImage(), problem, QSize(int(decoding.info.xsize), int(decoding.info.ysize))};
        if (status == JXL_DEC_BASIC_INFO)
            JxlResizableParallelRunnerSetThreads(runner.get(), JxlResizableParallelRunnerSuggestThreads(
                                                                   decoding.info.xsize, decoding.info.ysize));
    }
    decoding.picture.setColorSpace(decoding.space);
    return {decoding.picture, QString(), QSize()};
}

} // namespace

// libjxl prints some of its refusals on standard error ("JXL_FAILURE: ...") and offers no
// handler for them; redirecting the process's standard error while it decodes would
// swallow the lines of every other thread. In a child process, whose standard error is
// its own, the lines go nowhere, and a file that crashes the decoder ends the child only.
DecodedPicture decodeJxl(const QByteArray &bytes, qint64 maxPixels)
{
    return decodeInChild([&] { return decodeJxlHere(bytes, maxPixels); },
                         decoderMemoryBudget(maxPixels * kWorkingCopies));
}
