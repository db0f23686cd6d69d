#pragma once

#include <QObject>

#include <functional>
#include <memory>
#include <utility>

class QThread;

// One piece of background work: it runs on a reserved thread of Qt's global pool
// (runOnPoolThread), and what it found is handed back on the thread the job belongs to,
// by a queued call, once the work has ended. One piece of work at a time; the
// destructor waits for the one still running. Captures, picture writes, preview passes
// and photo loading all run through this.
class WorkerJob : public QObject {
  public:
    using QObject::QObject;
    ~WorkerJob() override;
    WorkerJob(const WorkerJob &) = delete;
    WorkerJob &operator=(const WorkerJob &) = delete;

    // Runs `work` on a worker, then `done` with its result here. False, and nothing
    // started, while a job runs. `done` may start the next job.
    template <typename Result> bool start(std::function<Result()> work, std::function<void(Result)> done)
    {
        auto result = std::make_shared<Result>();
        return startWork([work = std::move(work), result] { *result = work(); },
                         [done = std::move(done), result] { done(std::move(*result)); });
    }
    // The same for work that hands back nothing but its end.
    bool startWork(std::function<void()> work, std::function<void()> done);
    bool isRunning() const { return m_thread != nullptr; }

    // From the work: calls `call` on the job's thread, queued (a result handed back
    // before the work ends, such as each photo of a batch). Safe while the job lives,
    // which it does until its work has ended.
    void post(std::function<void()> call);

  private:
    void deliver();

    QThread *m_thread = nullptr;
    std::function<void()> m_done;
};
