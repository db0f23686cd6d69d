#pragma once

#include "imaging/PhotoLoader.h"

#include <QList>
#include <QObject>
#include <QStringList>

#include <atomic>
#include <list>
#include <memory>

class WorkerJob;
struct ReducedCopies;

// One photo file read on a worker: the loader's result and, for a picture, its reduced
// copies, built on the worker with it.
struct LoadedPhoto {
    LoadResult result;
    std::shared_ptr<const ReducedCopies> reducedCopies;
};

// Loads a batch of photo files side by side on worker threads (as many as the imaging
// threads) and hands each back by a queued signal as soon as it is read, in whatever
// order decoding finishes; `index` is the file's place in the batch. One batch at a
// time: a new one cancels the batch still running. cancel() stops a batch: files not yet
// started are skipped, and nothing more of it is handed back.
class PhotoLoadRunner : public QObject {
    Q_OBJECT
  public:
    explicit PhotoLoadRunner(QObject *parent = nullptr);
    ~PhotoLoadRunner() override; // cancels and waits for the workers

    void start(const QStringList &paths);
    void cancel();
    bool isRunning() const { return m_running; }

  signals:
    void photoLoaded(int index, const LoadedPhoto &photo);
    void batchFinished();

  private:
    // Decodes the batch's photos side by side and hands each back as it is ready.
    void loadAll(WorkerJob &job, const QStringList &paths, quint64 batch,
                 const std::shared_ptr<std::atomic<bool>> &cancelled);
    void finishBatch(const WorkerJob *job, quint64 batch);

    std::list<std::unique_ptr<WorkerJob>> m_jobs; // a cancelled batch's job ends on its own

    std::shared_ptr<std::atomic<bool>> m_cancelled;
    quint64 m_batch = 0; // the batch whose results are handed back
    bool m_running = false;
};
