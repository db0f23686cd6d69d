#include "imaging/PhotoLoader.h"

#include "imaging/FileAccess.h"
#include "imaging/HeaderProbe.h"
#include "imaging/ImageConversion.h"
#include "imaging/LibraryDecoders.h"
#include "imaging/MemoryBudget.h"
#include "model/Quoted.h"

#include <QColorSpace>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QLoggingCategory>

#include <unistd.h>

#include <algorithm>
#include <mutex>
#include <new>

namespace {

constexpr qint64 kLargestAllocationMB = 1 << 30; // QImageReader takes an int

// A progressive JPEG takes a pass over the whole picture per scan; a camera or an
// encoder writes about ten, a hand-tuned file a few dozen.
constexpr int kMostJpegScans = 100;
// The colour chunks of a PNG come before its image data, within the first bytes.
constexpr qint64 kPngProbeBytes = qint64(1) << 20;

LoadResult refusal(const QString &path, const QString &reason)
{
    return {
        QImage(),
        QCoreApplication::translate("PhotoLoader", "%1 could not be opened: %2").arg(quoted(path), reason)};
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

// The picture the reader is likely to decode into, backed by large pages where the
// system allows: decoders that find a picture of the size and format they need write
// into it (Qt's JPEG reader does). Null when the reader cannot tell; untouched, it costs
// nothing if the decoder makes its own.
QImage largePagePicture(const QImageReader &reader)
{
    const QSize size = reader.size();
    const QImage::Format format = reader.imageFormat();
    if (!size.isValid() || format == QImage::Format_Invalid)
        return {};
    QImage picture(size, format);
    preferLargePages(picture);
    return picture;
}

QString sizeRefusal(QSize size, qint64 maxPixels)
{
    return declaredSizeProblem(size.width(), size.height(), maxPixels);
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
    if (isPermissionRefusal(file.fileName(), FileAccess::Read))
        return QCoreApplication::translate("PhotoLoader", "you do not have permission to read it.");
    return QCoreApplication::translate("PhotoLoader", "the file cannot be read (%1).")
        .arg(file.errorString());
}

// Qt refuses pictures above 256 MB by default. The limit is process-wide and the photos
// of a project decode side by side, so it is set once, to what the machine could hold at
// all: the loader's own pixel limit, checked before decoding, is the one that counts.
void allowLargePictures()
{
    static std::once_flag once;
    std::call_once(once, [] {
        const qint64 physicalMB = defaultMemoryBudget() * 2 / (1 << 20);
        QImageReader::setAllocationLimit(int(std::clamp<qint64>(physicalMB, 256, kLargestAllocationMB)));
    });
}

// A progressive JPEG of absurdly many scans would take minutes to decode.
QString checkJpegScans(QFile &file)
{
    const uchar *bytes = file.map(0, file.size());
    if (!bytes)
        return {};
    const int scans = countJpegScans(QByteArrayView(bytes, file.size()), kMostJpegScans);
    file.unmap(const_cast<uchar *>(bytes));
    if (scans > kMostJpegScans)
        return QCoreApplication::translate(
                   "PhotoLoader",
                   "it is a JPEG of more than %1 scans, which no camera writes and which would "
                   "take minutes to decode.")
            .arg(kMostJpegScans);
    return {};
}

// Checks the file itself and opens it; an empty string means go on.
QString checkFile(const QString &path, QFile &file)
{
    const QFileInfo info(path);
    if (!info.exists()) {
        const QString link = brokenLinkReason(path);
        return link.isEmpty() ? QCoreApplication::translate("PhotoLoader", "the file does not exist.") : link;
    }
    if (info.isDir())
        return QCoreApplication::translate("PhotoLoader", "it is a folder, not a picture file.");
    // A FIFO, a device or a socket could block a read forever or never end.
    if (!info.isFile())
        return QCoreApplication::translate("PhotoLoader", "it is not a regular file.");
    if (!file.open(QIODevice::ReadOnly))
        return openRefusal(file);
    if (file.size() == 0)
        return QCoreApplication::translate("PhotoLoader", "the file is empty.");
    return {};
}

// Checks what Qt's readers can tell before decoding; an empty string means go on.
QString checkBeforeDecoding(QFile &file, QImageReader &reader, qint64 maxPixels)
{
    if (!reader.canRead() || !isPhotoFormat(reader.format()))
        return QCoreApplication::translate("PhotoLoader",
                                           "it is not a picture in a format Quillane can read (%1).")
            .arg(photoFormatNames());
    const QSize size = reader.size();
    if (size.isValid() && qint64(size.width()) * size.height() > maxPixels)
        return sizeRefusal(size, maxPixels);
    if (reader.format() == "jpeg" || reader.format() == "jpg")
        return checkJpegScans(file);
    return {};
}

// libpng treats a PNG whose gamma is within its threshold of 1/2.2 (and that names no
// primaries or profile of its own) as sRGB; Qt would convert it by a pure 2.2 curve.
void treatNearSrgbGammaAsSrgb(QFile &file, QImage &image)
{
    const QColorSpace space = image.colorSpace();
    if (!space.isValid() || space.transferFunction() != QColorSpace::TransferFunction::Gamma ||
        space.primaries() != QColorSpace::Primaries::SRgb)
        return;
    const uchar *bytes = file.map(0, std::min(file.size(), kPngProbeBytes));
    if (!bytes)
        return;
    const PngColourChunks chunks =
        probePngColour(QByteArrayView(bytes, std::min(file.size(), kPngProbeBytes)));
    file.unmap(const_cast<uchar *>(bytes));
    if (chunks.isPng && !chunks.hasSrgb && !chunks.hasIcc && !chunks.hasChrm && pngGammaIsSrgb(chunks.gamma))
        image.setColorSpace(QColorSpace(QColorSpace::SRgb));
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
    DecodedPicture decoded = decodeWith(decoder, file.readAll(), maxPixels);
    if (decoded.image.isNull())
        return refusal(path, decoded.reason.isEmpty() ? damagedPicture().reason : decoded.reason);
    toCanonical(decoded.image);
    return {decoded.image, QString()};
}

} // namespace

qint64 photoPixelLimit()
{
    // One quarter of the budget for one canonical photo keeps a whole pass within reach;
    // the budget of the whole render is checked by the render itself.
    return photoPixelsWithin(memoryBudget());
}

QSize probePhotoSize(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isFile())
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    if (const PhotoDecoder decoder = photoDecoderOf(file); decoder != PhotoDecoder::Qt) {
        // A decode with no pixels allowed stops at the header and tells what it declared.
        const QSize declared = decodeWith(decoder, file.readAll(), 0).declared;
        return declared.isEmpty() ? QSize() : declared;
    }
    file.close();
    QImageReader reader(path);
    reader.setAutoTransform(true);
    if (!reader.canRead() || !isPhotoFormat(reader.format()))
        return {};
    return reader.size();
}

LoadResult loadPhoto(const QString &path)
{
    return loadPhoto(path, photoPixelLimit());
}

namespace {

LoadResult decodePhotoFile(const QString &path, qint64 maxPixels)
{
    allowLargePictures();
    QFile file(path);
    QImageReader reader(&file);
    reader.setAutoTransform(true);
    if (const QString problem = checkFile(path, file); !problem.isEmpty())
        return refusal(path, problem);
    if (const PhotoDecoder decoder = photoDecoderOf(file); decoder != PhotoDecoder::Qt)
        return loadWithLibrary(path, file, decoder, maxPixels);
    if (const QString problem = checkBeforeDecoding(file, reader, maxPixels); !problem.isEmpty())
        return refusal(path, problem);
    const QByteArray format = reader.format(); // the reader cannot tell once at the end
    QImage image = largePagePicture(reader);
    if (!readWatched(reader, image))
        return refusal(
            path, QCoreApplication::translate("PhotoLoader", "the picture data is damaged or incomplete."));
    // Some files tell their size only while decoding (a GIF whose header Qt cannot read
    // ahead): the limit holds for them too, once the size is known.
    if (qint64(image.width()) * image.height() > maxPixels)
        return refusal(path, sizeRefusal(image.size(), maxPixels));
    if (format == "png")
        treatNearSrgbGammaAsSrgb(file, image);
    toCanonical(image);
    return {image, QString()};
}

} // namespace

LoadResult loadPhoto(const QString &path, qint64 maxPixels)
{
    try {
        return decodePhotoFile(path, maxPixels);
    } catch (const std::bad_alloc &) {
        return refusal(
            path, QCoreApplication::translate("PhotoLoader", "there is not enough memory to decode it."));
    }
}
