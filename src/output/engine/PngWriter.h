#pragma once

#include <QImage>
#include <QString>

class QFileDevice;

// Writing the mixed picture to disk. The picture goes to a temporary file in the target
// folder first and replaces the target only once it is complete, so a failure never
// leaves a partial file behind.

struct WriteResult {
    bool ok = false;
    QString error; // one plain-words sentence naming the file; empty on success
};

WriteResult Write_Png(const QImage &image, const QString &path);

// Encodes `image` into `file`, already open for writing; `path` names it in messages.
// The caller commits or discards what was written.
WriteResult Write_Png_To(const QImage &image, QFileDevice &file, const QString &path);
