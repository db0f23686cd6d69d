#pragma once

#include <functional>

// Work on pictures splits by rows across worker threads. Each row is computed by one
// function of its inputs only, so the result does not depend on the worker count.

// Sets how many threads an operation uses; 0 (the default) means one per core.
void setImagingThreadCount(int count);
int imagingThreadCount();

// Rows handed out at a time by parallelRows: small enough to balance uneven rows, large
// enough that the shared counter is touched rarely. Blocks always start at multiples of
// it, whatever the worker count.
inline constexpr int kRowsPerBlock = 16;

// Calls `work(begin, end)` on blocks of rows covering [0, rows), spread over the
// workers; returns when all are done.
void parallelRows(int rows, const std::function<void(int begin, int end)> &work);

// Runs `work` on a thread of Qt's global thread pool, taken beyond the pool's own count,
// at a background priority, and returns when it is done (at once on a pool thread
// already). `work` must not wait
// for other pool work (its parallelTasks run on threads of their own). Background work goes
// through here: Qt's image operations (painting, conversions, scaling) called from a pool
// thread run on that thread, while from any other thread they spread over the pool and
// wait for it. The window's own painting spreads there too, so a render that kept the
// pool busy would hold the window up for as long as a whole operation on a big picture.
void runOnPoolThread(const std::function<void()> &work);

// Calls `work(task)` for every task in [0, tasks), spread over the workers; returns when
// all are done. For work already cut into pieces of its own size (bands of rows).
void parallelTasks(int tasks, const std::function<void(int task)> &work);

// While it lives, the imaging operations this thread calls run on it alone: for pieces of
// work so small (a live stroke's few rows) that starting threads would cost more than
// sharing them saves.
class OnThisThread {
  public:
    OnThisThread();
    ~OnThisThread();
    OnThisThread(const OnThisThread &) = delete;
    OnThisThread &operator=(const OnThisThread &) = delete;

  private:
    bool m_previous;
};
