#pragma once

#include "encode/PngWriter.h"
#include "imaging/WorkerJob.h"
#include "model/Object_Photo.h"
#include "render/CaptureRunner.h"

#include <QImage>
#include <QObject>
#include <QString>

#include <functional>

// The heavy half of Save and Share, off the main thread: the full-resolution capture of
// a snapshot of the list (through CaptureRunner) and the writing of a picture (the PNG
// capture, or the save panel's choice in another format), each on a worker that yields
// the cores to the window. Results come back on the runner's own thread. One capture and
// one write at a time; they may overlap.
class OutputRunner : public QObject {
    Q_OBJECT
  public:
    explicit OutputRunner(QObject *parent = nullptr);

    // False (and nothing started) while a capture runs.
    bool capture(const PhotoList &photos, quint64 mode, const ProjectOptions &options = {});
    // False (and nothing started) while a write runs.
    bool write(const QImage &picture, const QString &path);
    // Any writing job (a move or a conversion of a written picture); the same rule.
    bool write(std::function<WriteResult()> job);

    bool isCapturing() const { return m_capture.isRunning(); }
    bool isWriting() const { return m_writer.isRunning(); }

  signals:
    void captureStarted();
    // The mixed picture of the capture; null with the reason in `error` when the pass
    // failed (over the memory budget, a layer that could not be drawn), null with no
    // reason for an unknown project mode.
    void captured(const QImage &picture, const QString &error);
    void written(const WriteResult &result);

  private:
    CaptureRunner m_capture;
    WorkerJob m_writer{this}; // its destructor waits for a write still running
};
