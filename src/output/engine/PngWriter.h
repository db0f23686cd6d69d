#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <functional>

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

// Creates a temporary file beside `path`, lets `encode` write the picture into it and
// puts it in place of `path` once complete. Every writer of pictures goes through here,
// so they check the folder, refuse and clean up alike.
WriteResult Write_File_Atomically(const QImage &image, const QString &path,
                                  const std::function<WriteResult(QFileDevice &)> &encode);

// Writes all of `bytes` into `file` and flushes; a full disk is told as such.
WriteResult Write_Bytes_To(const QByteArray &bytes, QFileDevice &file, const QString &path);

// A refusal naming `path`: "“PATH” could not be written: REASON".
WriteResult Write_Failure(const QString &path, const QString &reason);
