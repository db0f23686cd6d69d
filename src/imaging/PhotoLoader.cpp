#include "imaging/PhotoLoader.h"

#include "imaging/FileAccess.h"
#include "imaging/ImageConversion.h"
#include "imaging/LibraryDecoders.h"
#include "model/Quoted.h"

#include <QColorSpace>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QLoggingCategory>

#include <unistd.h>

#include <algorithm>
#include <mutex>

namespace {

// A decoded picture may take 8 bytes a pixel (16-bit files) before it is brought to the
// canonical 4 bytes; a mix holds about six canonical copies. One eighth of the physical
// memory for the canonical photo keeps a whole pass within reach.
constexpr qint64 kBytesPerCanonicalPixel = 4;
constexpr qint64 kMemoryShare = 8;
constexpr qint64 kFallbackMemory = qint64(4) << 30; // when the system cannot tell
constexpr qint64 kLargestAllocationMB = 1 << 30;    // QImageReader takes an int

qint64 physicalMemoryBytes()
{
    const long pages = sysconf(_SC_PHYS_PAGES);
    const long pageSize = sysconf(_SC_PAGESIZE);
    if (pages <= 0 || pageSize <= 0)
        return kFallbackMemory;
    return qint64(pages) * qint64(pageSize);
}

LoadResult refusal(const QString &path, const QString &reason)
{
    return {QImage(), QStringLiteral("%1 could not be opened: %2").arg(quoted(path), reason)};
}

// libjpeg reports a file that ends too early only as a warning and fills the missing
// rows with grey; Qt forwards that warning to this logging category. A chaining message
// handler, installed once, notes such a warning for the thread that is decoding.
thread_local bool t_watchingJpeg = false;
thread_local bool t_jpegEndedEarly = false;
QtMessageHandler g_previousHandler = nullptr;

void jpegWarningWatcher(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (t_watchingJpeg && context.category && qstrcmp(context.category, "qt.gui.imageio.jpeg") == 0 &&
        message.contains(QLatin1String("premature end"), Qt::CaseInsensitive)) {
        t_jpegEndedEarly = true;
        return;
    }
    if (g_previousHandler)
        g_previousHandler(type, context, message);
    else
        qt_message_output(type, context, message);
}

void installJpegWarningWatcher()
{
    static std::once_flag once;
    std::call_once(once, [] { g_previousHandler = qInstallMessageHandler(jpegWarningWatcher); });
}

// Reads the image, reporting a JPEG that ended early as a failure.
bool readWatched(QImageReader &reader, QImage &image)
{
    installJpegWarningWatcher();
    t_watchingJpeg = true;
    t_jpegEndedEarly = false;
    const bool read = reader.read(&image);
    t_watchingJpeg = false;
    return read && !t_jpegEndedEarly && !image.isNull();
}

QString sizeRefusal(QSize size, qint64 maxPixels)
{
    return Declared_Size_Problem(size.width(), size.height(), maxPixels);
}

// The formats Quillane reads, as QImageReader names them (by content, or by the file's
// suffix). Qt may have plugins for more (icns, ico, svg, tga, webp, ...); a file in such
// a format is refused whatever its name, so that only these six decoders ever see a
// photo (the icns reader, for one, allocates whatever length a header claims).
bool isPhotoFormat(const QByteArray &format)
{
    static const QByteArrayList formats = {"bmp", "dib", "gif", "jpeg", "jpg", "png", "tif", "tiff", "webp"};
    return formats.contains(format.toLower());
}

QString openRefusal(const QFile &file)
{
    if (Is_Permission_Refusal(file.fileName(), FileAccess::Read))
        return QStringLiteral("you do not have permission to read it.");
    return QStringLiteral("the file cannot be read (%1).").arg(file.errorString());
}

// Checks the file itself and opens it; an empty string means go on.
QString checkFile(const QString &path, QFile &file)
{
    const QFileInfo info(path);
    if (!info.exists())
        return QStringLiteral("the file does not exist.");
    if (info.isDir())
        return QStringLiteral("it is a folder, not a picture file.");
    if (!file.open(QIODevice::ReadOnly))
        return openRefusal(file);
    if (file.size() == 0)
        return QStringLiteral("the file is empty.");
    return {};
}

// Checks what Qt's readers can tell before decoding; an empty string means go on.
QString checkBeforeDecoding(QImageReader &reader, qint64 maxPixels)
{
    if (!reader.canRead() || !isPhotoFormat(reader.format()))
        return QStringLiteral("it is not a picture in a format Quillane can read (%1).")
            .arg(Photo_Format_Names());
    const QSize size = reader.size();
    if (size.isValid() && qint64(size.width()) * size.height() > maxPixels)
        return sizeRefusal(size, maxPixels);
    return {};
}

// Brings a decoded image to sRGB (at its own depth, before any reduction to 8 bits) and
// to the canonical format; both steps work in place where Qt can.
void toCanonical(QImage &image)
{
    const QColorSpace space = image.colorSpace();
    if (space.isValid() && space != QColorSpace(QColorSpace::SRgb))
        image.convertToColorSpace(QColorSpace::SRgb);
    if (image.format() != kCanonicalFormat)
        image.convertTo(kCanonicalFormat);
}

// HEIF, AVIF, JPEG XL and camera raw files: each decoder checks the size its file's
// header declares before decoding, and the decoded size after.
LoadResult loadWithLibrary(const QString &path, QFile &file, PhotoDecoder decoder, qint64 maxPixels)
{
    DecodedPicture decoded = Decode_With(decoder, file.readAll(), maxPixels);
    if (decoded.image.isNull())
        return refusal(path, decoded.reason.isEmpty() ? Damaged_Picture().reason : decoded.reason);
    toCanonical(decoded.image);
    return {decoded.image, QString()};
}

} // namespace

qint64 Photo_Pixel_Limit()
{
    return physicalMemoryBytes() / kMemoryShare / kBytesPerCanonicalPixel;
}

LoadResult Load_Photo(const QString &path)
{
    return Load_Photo(path, Photo_Pixel_Limit());
}

LoadResult Load_Photo(const QString &path, qint64 maxPixels)
{
    QFile file(path);
    QImageReader reader(&file);
    reader.setAutoTransform(true);
    // Qt refuses pictures above 256 MB by default; allow what the pixel limit allows,
    // at the widest decoded depth, so that the limit below is the one that counts.
    const qint64 allocationMB = maxPixels * 2 * kBytesPerCanonicalPixel / (1 << 20) + 1;
    QImageReader::setAllocationLimit(int(std::min(allocationMB, kLargestAllocationMB)));

    if (const QString problem = checkFile(path, file); !problem.isEmpty())
        return refusal(path, problem);
    if (const PhotoDecoder decoder = Photo_Decoder_Of(file); decoder != PhotoDecoder::Qt)
        return loadWithLibrary(path, file, decoder, maxPixels);
    if (const QString problem = checkBeforeDecoding(reader, maxPixels); !problem.isEmpty())
        return refusal(path, problem);
    QImage image;
    if (!readWatched(reader, image))
        return refusal(path, QStringLiteral("the picture data is damaged or incomplete."));
    // Some files tell their size only while decoding (a GIF whose header Qt cannot read
    // ahead): the limit holds for them too, once the size is known.
    if (qint64(image.width()) * image.height() > maxPixels)
        return refusal(path, sizeRefusal(image.size(), maxPixels));
    toCanonical(image);
    return {image, QString()};
}
