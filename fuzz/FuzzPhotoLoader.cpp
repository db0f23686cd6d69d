// Fuzz entry for photo loading: the input's bytes become a photo file that Load_Photo
// reads with the loader's own checks. Whatever the bytes, the loader either refuses the
// file with a message or returns an upright canonical picture within the pixel limit.
#include "imaging/ImageConversion.h"
#include "imaging/PhotoLoader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cstdint>
#include <cstdlib>

namespace {

// Small enough that a fuzzed header announcing a huge picture is refused, large enough
// that every decoder path runs on real pictures.
constexpr qint64 kFuzzPixelLimit = 4'000'000;

QString g_photoPath;

void dropMessages(QtMsgType, const QMessageLogContext &, const QString &) {}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qInstallMessageHandler(dropMessages);
    static QCoreApplication app(*argc, *argv); // image format plugins are found through it
    g_photoPath = QDir::temp().filePath(
        QStringLiteral("quillane-fuzz-%1.photo").arg(QCoreApplication::applicationPid()));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QFile file(g_photoPath);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(reinterpret_cast<const char *>(data), qint64(size)) != qint64(size))
        std::abort(); // the fuzzer's own temporary file must be writable
    file.close();
    const LoadResult loaded = Load_Photo(g_photoPath, kFuzzPixelLimit);
    const bool refusedCleanly = loaded.image.isNull() && !loaded.error.isEmpty();
    const bool loadedCleanly = loaded.ok() && !loaded.image.isNull() &&
                               loaded.image.format() == kCanonicalFormat &&
                               qint64(loaded.image.width()) * loaded.image.height() <= kFuzzPixelLimit;
    if (!refusedCleanly && !loadedCleanly)
        std::abort();
    return 0;
}
