#pragma once

#include <QLoggingCategory>

// Decoder libraries that would write their own lines to standard error (libpng's default
// error handler, libtiff's process-wide handlers) report here instead, so that a refusal
// is told once, in the loader's own words (quillane-mix promises one line per failure).
// Their lines go to the category "quillane.decoders" at debug level, off unless switched
// on (QT_LOGGING_RULES="quillane.decoders.debug=true").
Q_DECLARE_LOGGING_CATEGORY(lcDecoderLibraries)

// Installs libtiff's handlers, once for the process (Qt's TIFF reader sets none); safe
// to call from any thread, before any TIFF is read.
void routeDecoderLibraryMessages();

// One line of a library, for the category above.
void logLibraryMessage(const char *library, const char *message);
