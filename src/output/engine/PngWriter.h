#pragma once

#include <QByteArrayView>
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

// An existing file at `path` is replaced only when it is a regular file (after links).
WriteResult Write_Png(const QImage &image, const QString &path);

// Encodes `image` into `file`, already open for writing; `path` names it in messages.
// The caller commits or discards what was written.
WriteResult Write_Png_To(const QImage &image, QFileDevice &file, const QString &path);

// Writes all of `bytes` to `file`: a disk that fills up takes part of a block without an
// error and refuses the rest with one, so a short write is retried. False on failure.
bool Write_All(QFileDevice &file, QByteArrayView bytes);

// Why a write to `file` failed, in the words the writers use ("the disk is full.").
QString Write_Failure_Reason(const QFileDevice &file);
