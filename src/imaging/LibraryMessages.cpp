#include "imaging/LibraryMessages.h"

#include <tiffio.h>

#include <cstdarg>
#include <cstdio>
#include <mutex>

Q_LOGGING_CATEGORY(lcDecoderLibraries, "quillane.decoders", QtWarningMsg)

namespace {

void tiffMessage(const char *module, const char *format, va_list arguments)
{
    char line[512];
    std::vsnprintf(line, sizeof line, format, arguments);
    qCDebug(lcDecoderLibraries, "libtiff: %s: %s", module ? module : "", line);
}

} // namespace

void routeDecoderLibraryMessages()
{
    static std::once_flag once;
    std::call_once(once, [] {
        TIFFSetErrorHandler(tiffMessage);
        TIFFSetWarningHandler(tiffMessage);
    });
}

void logLibraryMessage(const char *library, const char *message)
{
    qCDebug(lcDecoderLibraries, "%s: %s", library, message);
}
