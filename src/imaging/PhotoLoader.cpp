#include "imaging/PhotoLoader.h"

#include "imaging/CmykJpeg.h"
#include "imaging/FileAccess.h"
#include "imaging/HeaderProbe.h"
#include "imaging/ImageConversion.h"
#include "imaging/LibraryDecoders.h"
#include "imaging/LibraryMessages.h"
#include "imaging/MemoryBudget.h"
#include "imaging/Orientation.h"
#include "imaging/TiffDirectory.h"
#include "model/Quoted.h"

#include <QBuffer>
#include <QColorSpace>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QLoggingCategory>

#include <algorithm>
#include <atomic>
#include <mutex>
#include <new>

namespace {

constexpr qint64 kLargestAllocationMB = 1 << 30; // QImageReader takes an int

// A progressive JPEG takes a pass over the whole picture per scan; a camera or an
// encoder writes about ten, a hand-tuned file a few dozen.
constexpr int kMostJpegScans = 100;
// The largest file the loader reads: a photo of the pixel limit stored uncompressed at 16
// bits a channel with alpha, and room for whatever else a file holds beside its picture.
constexpr qint64 kMostBytesPerStoredPixel = 8;
constexpr qint64 kRoomBesideThePicture = qint64(64) << 20;

std::atomic<PhotoReadHook> g_readHook{nullptr};

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

QString sizeRefusal(QSize size, qint64 maxPixels)
{
    return declaredSizeProblem(size.width(), size.height(), maxPixels);
}

// The formats Quillane reads through Qt, as QImageReader names them by content (PNG has
// a decoder of its own). Qt may have plugins for more (icns, ico, svg, tga, ...); a file
// in such a format is refused whatever its name, so that only these decoders ever see a
// photo (the icns reader, for one, allocates whatever length a header claims).
bool isPhotoFormat(const QByteArray &format)
{
    static const QByteArrayList formats = {"bmp", "gif", "jpeg", "tiff", "webp"};
    return formats.contains(format.toLower());
}

QString unknownFormat()
{
    return QCoreApplication::translate("PhotoLoader",
                                       "it is not a picture in a format Quillane can read (%1).")
        .arg(photoFormatNames());
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
QString checkJpegScans(const QByteArray &bytes)
{
    if (countJpegScans(bytes, kMostJpegScans) > kMostJpegScans)
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
    return {};
}

// Reads the whole file, as large as it was when opened and no larger, into memory the
// loader owns: every probe and decoder reads these bytes, never the file again, so that
// a file another process truncates or rewrites meanwhile is at worst damaged or
// incomplete. (A mapped file that shrinks under its reader kills it with SIGBUS.)
QString readPhotoBytes(QFile &file, qint64 maxPixels, QByteArray &bytes)
{
    const PhotoReadHook hook = g_readHook.load();
    if (hook)
        hook(file.fileName(), PhotoReadStage::Checked);
    // Its size once, here: a file emptied since it was opened is empty, not a picture in
    // an unknown format.
    const qint64 size = file.size();
    if (size == 0)
        return QCoreApplication::translate("PhotoLoader", "the file is empty.");
    if (size > kRoomBesideThePicture && (size - kRoomBesideThePicture) / kMostBytesPerStoredPixel > maxPixels)
        return QCoreApplication::translate("PhotoLoader",
                                           "the file is %1, too large for a photo of at most %2 megapixels "
                                           "(what this computer's memory allows).")
            .arg(memoryAmount(double(size)))
            .arg(maxPixels / 1000000);
    if (hook)
        hook(file.fileName(), PhotoReadStage::Opened);
    bytes = file.read(size);
    if (bytes.isEmpty() && file.error() != QFileDevice::NoError)
        return openRefusal(file);
    if (bytes.size() < size) // it shrank while it was read
        return damagedPicture().reason;
    if (hook)
        hook(file.fileName(), PhotoReadStage::Read);
    return {};
}

// Checks what Qt's readers can tell before decoding; an empty string means go on.
QString checkBeforeDecoding(const QByteArray &bytes, QImageReader &reader, qint64 maxPixels)
{
    if (!reader.canRead() || !isPhotoFormat(reader.format()))
        return unknownFormat();
    const QSize size = reader.size();
    if (size.isValid() && qint64(size.width()) * size.height() > maxPixels)
        return sizeRefusal(size, maxPixels);
    if (reader.format() == "jpeg")
        return checkJpegScans(bytes);
    return {};
}

// The orientation Qt's reader leaves to the loader: a WebP file's EXIF orientation.
int orientationLeftToTheLoader(const QImageReader &reader, const QByteArray &format, const QByteArray &bytes)
{
    if (format != "webp" || reader.transformation() != QImageIOHandler::TransformationNone)
        return 1;
    return exifOrientation(webpExif(bytes));
}

// BMP, GIF, JPEG, TIFF and WebP through Qt's readers, from the file's bytes.
DecodedPicture decodeWithQt(const QByteArray &bytes, qint64 maxPixels)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer); // by content: the name does not decide
    reader.setAutoTransform(true);
    if (const QString problem = checkBeforeDecoding(bytes, reader, maxPixels); !problem.isEmpty())
        return {QImage(), problem, QSize()};
    const QByteArray format = reader.format(); // the reader cannot tell once at the end
    if (format == "jpeg")
        if (std::optional<DecodedPicture> cmyk = decodeCmykJpeg(bytes, probeJpeg(bytes), maxPixels))
            return *cmyk;
    QImage image;
    if (!readWatched(reader, image))
        return damagedPicture();
    // Some files tell their size only while decoding (a GIF whose header Qt cannot read
    // ahead): the limit holds for them too, once the size is known.
    if (qint64(image.width()) * image.height() > maxPixels)
        return {QImage(), sizeRefusal(image.size(), maxPixels), QSize()};
    return {uprightImage(image, orientationLeftToTheLoader(reader, format, bytes)), QString(), QSize()};
}

// The upright size a file in one of Qt's formats announces, without decoding it.
QSize probeWithQt(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAutoTransform(true);
    if (!reader.canRead() || !isPhotoFormat(reader.format()))
        return {};
    return uprightSize(reader.size(), orientationLeftToTheLoader(reader, reader.format(), bytes));
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

LoadResult decodePhotoFile(const QString &path, qint64 maxPixels)
{
    allowLargePictures();
    routeDecoderLibraryMessages();
    QFile file(path);
    QByteArray bytes;
    if (const QString problem = checkFile(path, file); !problem.isEmpty())
        return refusal(path, problem);
    if (const QString problem = readPhotoBytes(file, maxPixels, bytes); !problem.isEmpty())
        return refusal(path, problem);
    file.close();
    const PhotoDecoder decoder = photoDecoderFor(bytes, QFileInfo(path).suffix());
    DecodedPicture decoded =
        decoder == PhotoDecoder::Qt ? decodeWithQt(bytes, maxPixels) : decodeWith(decoder, bytes, maxPixels);
    bytes = QByteArray(); // not needed beyond the decoder
    if (decoded.image.isNull())
        return refusal(path, decoded.reason.isEmpty() ? damagedPicture().reason : decoded.reason);
    toCanonical(decoded.image);
    return {decoded.image, QString()};
}

} // namespace

void setPhotoReadHook(PhotoReadHook hook)
{
    g_readHook.store(hook);
}

qint64 photoPixelLimit()
{
    // One quarter of the budget for one canonical photo keeps a whole pass within reach;
    // the budget of the whole render is checked by the render itself.
    return photoPixelsWithin(memoryBudget());
}

QSize probePhotoSize(const QString &path)
{
    routeDecoderLibraryMessages();
    QFile file(path);
    QByteArray bytes;
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly) ||
        !readPhotoBytes(file, photoPixelLimit(), bytes).isEmpty())
        return {};
    if (const PhotoDecoder decoder = photoDecoderFor(bytes, QFileInfo(path).suffix());
        decoder != PhotoDecoder::Qt) {
        // A decode with no pixels allowed stops at the header and tells what it declared.
        const QSize declared = decodeWith(decoder, bytes, 0).declared;
        return declared.isEmpty() ? QSize() : declared;
    }
    return probeWithQt(bytes);
}

LoadResult loadPhoto(const QString &path)
{
    return loadPhoto(path, photoPixelLimit());
}

LoadResult loadPhoto(const QString &path, qint64 maxPixels)
{
    try {
        return decodePhotoFile(path, maxPixels);
    } catch (const std::bad_alloc &) {
        return refusal(
            path, QCoreApplication::translate("PhotoLoader", "there is not enough memory to decode it."));
    }
}
