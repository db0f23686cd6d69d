#include "imaging/WorkerJob.h"

#include "imaging/Parallel.h"

#include <QMetaObject>
#include <QThread>

WorkerJob::~WorkerJob()
{
    if (m_thread) {
        m_thread->wait();
        delete m_thread;
    }
}

bool WorkerJob::startWork(std::function<void()> work, std::function<void()> done)
{
    if (m_thread)
        return false;
    m_done = std::move(done);
    m_thread = QThread::create([work = std::move(work)] { runOnPoolThread(work); });
    // `finished` is emitted on the worker; the job lives here, so it arrives queued.
    connect(m_thread, &QThread::finished, this, &WorkerJob::deliver);
    m_thread->start();
    return true;
}

void WorkerJob::post(std::function<void()> call)
{
    QMetaObject::invokeMethod(this, std::move(call), Qt::QueuedConnection);
}

void WorkerJob::deliver()
{
    m_thread->wait();
    delete std::exchange(m_thread, nullptr);
    std::exchange(m_done, {})();
}
