// Fuzz entry for photo loading: the input's bytes become a photo file that loadPhoto
// reads with the loader's own checks. Whatever the bytes, the loader either refuses the
// file with a message or returns an upright canonical picture within the pixel limit.
#include "imaging/ImageConversion.h"
#include "imaging/PhotoLoader.h"

#include <QCoreApplication>

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>

namespace {

// Small enough that a fuzzed header announcing a huge picture is refused, large enough
// that every decoder path runs on real pictures.
constexpr qint64 kFuzzPixelLimit = 4'000'000;

// Each input goes to an anonymous in-memory file, read through its /proc path: nothing
// is left behind in /dev/shm or the temporary folder, however the run ends.
int g_photoFile = -1;
QString g_photoPath;

void dropMessages(QtMsgType, const QMessageLogContext &, const QString &) {}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qInstallMessageHandler(dropMessages);
    static QCoreApplication app(*argc, *argv); // image format plugins are found through it
    g_photoFile = memfd_create("quillane-fuzz-photo", MFD_CLOEXEC);
    if (g_photoFile < 0)
        std::abort();
    g_photoPath = QStringLiteral("/proc/self/fd/%1").arg(g_photoFile);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (ftruncate(g_photoFile, 0) != 0 || pwrite(g_photoFile, data, size, 0) != ssize_t(size))
        std::abort(); // the fuzzer's own in-memory file must be writable
    const LoadResult loaded = loadPhoto(g_photoPath, kFuzzPixelLimit);
    const bool refusedCleanly = loaded.image.isNull() && !loaded.error.isEmpty();
    const bool loadedCleanly = loaded.ok() && !loaded.image.isNull() &&
                               loaded.image.format() == kCanonicalFormat &&
                               qint64(loaded.image.width()) * loaded.image.height() <= kFuzzPixelLimit;
    if (!refusedCleanly && !loadedCleanly)
        std::abort();
    return 0;
}
