#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QImage>
#include <QString>

#include <functional>
#include <vector>

class QFileDevice;

// Writing the mixed picture to disk. The picture goes to a temporary file in the target
// folder first and replaces the target only once it is complete, so a failure never
// leaves a partial file behind.

struct WriteResult {
    bool ok = false;
    QString error; // one plain-words sentence naming the file; empty on success
};

// An existing file at `path` is replaced only when it is a regular file (after links).
WriteResult writePng(const QImage &image, const QString &path);

// Encodes `image` into `file`, already open for writing; `path` names it in messages.
// The caller commits or discards what was written.
WriteResult writePngTo(const QImage &image, QFileDevice &file, const QString &path);

// Creates a temporary file beside `path`, lets `encode` write the picture into it and
// puts it in place of `path` once complete. Every writer of pictures goes through here,
// so they check the folder, refuse and clean up alike.
WriteResult writeFileAtomically(const QImage &image, const QString &path,
                                const std::function<WriteResult(QFileDevice &)> &encode);

// Writes all of `bytes` into `file` and flushes; a full disk is told as such.
WriteResult writeBytesTo(const QByteArray &bytes, QFileDevice &file, const QString &path);

// Writes the pieces of a file in order, then flushes.
WriteResult writePiecesTo(const std::vector<QByteArray> &pieces, QFileDevice &file, const QString &path);

// A refusal naming `path`: "“PATH” could not be written: REASON".
WriteResult writeFailure(const QString &path, const QString &reason);

// Writes all of `bytes` to `file`: a disk that fills up takes part of a block without an
// error and refuses the rest with one, so a short write is retried. False on failure.
bool writeAll(QFileDevice &file, QByteArrayView bytes);

// Why a write to `file` failed, in the words the writers use ("the disk is full.").
QString writeFailureReason(const QFileDevice &file);
