#pragma once

#include "imaging/WorkerJob.h"
#include "model/Object_Photo.h"
#include "model/ProjectOptions.h"

#include <QImage>
#include <QObject>

// Copies of the photo records: their pictures are shared (a QImage copy is cheap and
// safe to read from another thread), their parameters are the values of this moment.
PhotoList snapshotPhotos(const PhotoList &photos);

// Renders the full-resolution mixed picture on a worker thread, over a snapshot of the
// list taken when it starts, through the same pass as every other picture: a change to
// the list or to a photo made meanwhile does not reach it. The picture comes back on
// the runner's own thread by a queued signal. One capture runs at a time.
class CaptureRunner : public QObject {
    Q_OBJECT
  public:
    explicit CaptureRunner(QObject *parent = nullptr);

    // False (and nothing started) while a capture runs.
    bool start(const PhotoList &photos, quint64 mode, const ProjectOptions &options = {});
    bool isRunning() const { return m_job.isRunning(); }
    // Why the last capture gave no picture (over the memory budget, a layer that could
    // not be drawn), for the alert; empty when it gave one. Read it in captureFinished.
    QString lastError() const { return m_error; }

  signals:
    // The mixed picture of the capture (null for an unknown project mode).
    void captureFinished(const QImage &picture);

  private:
    WorkerJob m_job{this}; // its destructor waits for a capture still running
    QString m_error;
};
