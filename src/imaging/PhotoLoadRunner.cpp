#include "imaging/PhotoLoadRunner.h"

#include "imaging/Parallel.h"
#include "imaging/ReducedCopies.h"
#include "imaging/WorkerJob.h"

#include <QFileInfo>

#include <algorithm>
#include <numeric>
#include <utility>
#include <vector>

PhotoLoadRunner::PhotoLoadRunner(QObject *parent) : QObject(parent) {}

PhotoLoadRunner::~PhotoLoadRunner()
{
    cancel();
    m_jobs.clear(); // each waits for its worker
}

void PhotoLoadRunner::cancel()
{
    if (m_cancelled)
        m_cancelled->store(true);
    ++m_batch; // whatever is still queued from it is dropped on arrival
    m_running = false;
}

void PhotoLoadRunner::start(const QStringList &paths)
{
    cancel();
    const quint64 batch = m_batch;
    auto cancelled = std::make_shared<std::atomic<bool>>(false);
    m_cancelled = cancelled;
    m_running = true;
    WorkerJob &job = *m_jobs.emplace_back(std::make_unique<WorkerJob>());
    job.startWork([this, &job, paths, batch, cancelled] { loadAll(job, paths, batch, cancelled); },
                  [this, &job, batch] { finishBatch(&job, batch); });
}

void PhotoLoadRunner::finishBatch(const WorkerJob *job, quint64 batch)
{
    if (batch == m_batch) {
        m_running = false;
        emit batchFinished();
    }
    // Not deleted from inside its own delivery: later, on this thread.
    for (auto it = m_jobs.begin(); it != m_jobs.end(); ++it)
        if (it->get() == job) {
            it->release()->deleteLater();
            m_jobs.erase(it);
            break;
        }
}

void PhotoLoadRunner::loadAll(WorkerJob &job, const QStringList &paths, quint64 batch,
                              const std::shared_ptr<std::atomic<bool>> &cancelled)
{
    // The largest files first, so that no large photo is left to decode alone at the end.
    std::vector<qint64> bytes;
    for (const QString &path : paths)
        bytes.push_back(QFileInfo(path).size());
    std::vector<int> order(size_t(paths.size()));
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return bytes[a] > bytes[b]; });
    parallelTasks(int(paths.size()), [&](int task) {
        const int i = order[size_t(task)];
        if (cancelled->load())
            return;
        LoadedPhoto loaded{LoadResult(), nullptr};
        runOnPoolThread([&] {
            loaded.result = loadPhoto(paths[i]);
            if (!loaded.result.image.isNull() && !cancelled->load())
                loaded.reducedCopies = buildReducedCopies(loaded.result.image);
        });
        // `this` outlives the job (the destructor waits for it).
        job.post([this, batch, i, loaded] {
            if (batch == m_batch)
                emit photoLoaded(i, loaded);
        });
    });
}
