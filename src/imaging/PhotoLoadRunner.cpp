#include "imaging/PhotoLoadRunner.h"

#include "imaging/Parallel.h"
#include "imaging/ReducedCopies.h"

#include <QFileInfo>
#include <QMetaObject>
#include <QThread>

#include <algorithm>
#include <numeric>
#include <utility>
#include <vector>

PhotoLoadRunner::PhotoLoadRunner(QObject *parent) : QObject(parent) {}

PhotoLoadRunner::~PhotoLoadRunner()
{
    cancel();
    for (QThread *thread : std::as_const(m_threads)) {
        thread->wait();
        delete thread;
    }
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
    QThread *thread = QThread::create([this, paths, batch, cancelled] {
        loadAll(paths, batch, cancelled);
        QMetaObject::invokeMethod(
            this,
            [this, batch] {
                if (batch != m_batch)
                    return;
                m_running = false;
                emit batchFinished();
            },
            Qt::QueuedConnection);
    });
    m_threads.append(thread);
    // `finished` is emitted on the worker; the runner lives here, so it arrives queued.
    connect(thread, &QThread::finished, this, [this, thread] {
        thread->wait();
        m_threads.removeOne(thread);
        delete thread;
    });
    thread->start();
}

void PhotoLoadRunner::loadAll(const QStringList &paths, quint64 batch,
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
        // Queued to the runner's thread; `this` outlives the worker (the destructor waits).
        QMetaObject::invokeMethod(
            this,
            [this, batch, i, loaded] {
                if (batch == m_batch)
                    emit photoLoaded(i, loaded);
            },
            Qt::QueuedConnection);
    });
}
