#include "imaging/Parallel.h"

#include <QThread>
#include <QThreadPool>

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

#ifdef __linux__
#include <sys/resource.h>
#include <unistd.h>
#endif

namespace {

std::atomic<int> requestedThreads{0};

// A reserved thread counts as active in the pool: while one runs, the pool's count grows
// by one, so that the threads it had stay free for everyone else (the window's painting
// above all), who would otherwise wait for the reserved work to end.
std::mutex poolCountMutex;
int poolBaseCount = -1;
int poolReserved = 0;

void growPool(int by)
{
    const std::lock_guard<std::mutex> lock(poolCountMutex);
    QThreadPool *pool = QThreadPool::globalInstance();
    if (poolBaseCount < 0)
        poolBaseCount = pool->maxThreadCount();
    poolReserved += by;
    pool->setMaxThreadCount(poolBaseCount + poolReserved);
}

// While it lives, the thread yields the cores to the window whenever it has events to
// handle (a higher nice value; Linux only). The threads the work starts inherit it. The
// pool thread takes its own back afterwards where the system allows it; where it does
// not, it stays a background thread, which the window's short paints on it can bear.
class BackgroundPriority {
  public:
    BackgroundPriority()
    {
#ifdef __linux__
        m_before = getpriority(PRIO_PROCESS, id_t(gettid()));
        setpriority(PRIO_PROCESS, id_t(gettid()), std::max(m_before, kBackgroundNiceness));
#endif
    }
    ~BackgroundPriority()
    {
#ifdef __linux__
        setpriority(PRIO_PROCESS, id_t(gettid()), m_before);
#endif
    }
    BackgroundPriority(const BackgroundPriority &) = delete;
    BackgroundPriority &operator=(const BackgroundPriority &) = delete;

  private:
    static constexpr int kBackgroundNiceness = 10;
    int m_before = 0;
};

// The end of a piece of work handed to the pool, waited for with the standard library's
// primitives (which the thread sanitizer follows, unlike Qt's own when Qt is not built
// with it).
class Completion {
  public:
    void finish()
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_done = true;
        m_changed.notify_all();
    }
    void wait()
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_changed.wait(lock, [this] { return m_done; });
    }

  private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_done = false;
};

// Set on a thread while it runs one of parallel tasks that keep every worker busy: work
// nested in such a task runs its own tasks on its thread instead of starting more
// threads, which would only compete with the other tasks for the cores.
thread_local bool t_coresBusy = false;

class CoresBusyScope {
  public:
    explicit CoresBusyScope(bool busy) : m_previous(t_coresBusy) { t_coresBusy = busy; }
    ~CoresBusyScope() { t_coresBusy = m_previous; }
    CoresBusyScope(const CoresBusyScope &) = delete;
    CoresBusyScope &operator=(const CoresBusyScope &) = delete;

  private:
    bool m_previous;
};

// Starts `work` on a reserved pool thread; `done` finishes when it has run. Should the
// pool still have no thread for it (the count is lowered a moment before a thread is
// free again), it runs as soon as one is: the work given here never waits for the pool.
void startReserved(const std::function<void()> &work, Completion &done)
{
    growPool(1);
    QThreadPool *pool = QThreadPool::globalInstance();
    pool->reserveThread();
    pool->startOnReservedThread([&work, &done, busy = t_coresBusy] {
        {
            const BackgroundPriority background;
            const CoresBusyScope scope(busy); // the caller's task goes on here
            work();
        }
        growPool(-1);
        done.finish();
    });
}

} // namespace

void setImagingThreadCount(int count)
{
    requestedThreads.store(std::max(0, count));
}

int imagingThreadCount()
{
    const int requested = requestedThreads.load();
    if (requested > 0)
        return requested;
    return std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
}

void parallelTasks(int tasks, const std::function<void(int task)> &work)
{
    if (tasks <= 0)
        return;
    const int workers = t_coresBusy ? 1 : std::min(imagingThreadCount(), tasks);
    std::atomic<int> next{0};
    auto drain = [&, busy = t_coresBusy || workers == imagingThreadCount()] {
        const CoresBusyScope scope(busy);
        for (int task = next.fetch_add(1); task < tasks; task = next.fetch_add(1))
            work(task);
    };
    std::vector<std::thread> helpers;
    helpers.reserve(workers - 1);
    for (int i = 1; i < workers; ++i)
        helpers.emplace_back(drain);
    drain();
    for (std::thread &helper : helpers)
        helper.join();
}

void runOnPoolThread(const std::function<void()> &work)
{
    QThreadPool *pool = QThreadPool::globalInstance();
    if (pool->contains(QThread::currentThread())) {
        work();
        return;
    }
    Completion done;
    startReserved(work, done);
    done.wait();
}

void parallelRows(int rows, const std::function<void(int begin, int end)> &work)
{
    const int blocks = (rows + kRowsPerBlock - 1) / kRowsPerBlock;
    parallelTasks(blocks, [&](int block) {
        const int begin = block * kRowsPerBlock;
        work(begin, std::min(rows, begin + kRowsPerBlock));
    });
}

OnThisThread::OnThisThread() : m_previous(t_coresBusy)
{
    t_coresBusy = true;
}

OnThisThread::~OnThisThread()
{
    t_coresBusy = m_previous;
}
