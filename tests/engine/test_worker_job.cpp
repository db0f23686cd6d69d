#include "imaging/WorkerJob.h"

#include "EventWait.h"

#include <QThread>
#include <QThreadPool>

#include <gtest/gtest.h>

#include <atomic>
#include <condition_variable>
#include <mutex>

namespace {

// Holds the work until the test lets it go, so that what happens while it runs is certain.
class Gate {
  public:
    void open()
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_open = true;
        m_changed.notify_all();
    }
    void pass()
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_changed.wait(lock, [this] { return m_open; });
    }

  private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_open = false;
};

} // namespace

// The work runs on a pool thread, the results it posts and then its end arrive in order on
// the job's thread, and a second job is refused while the first runs.
TEST(WorkerJob, WorkRunsOnAPoolThreadAndItsResultsArriveInOrderHere)
{
    WorkerJob job;
    Gate gate;
    std::atomic<bool> onPoolThread{false};
    QList<int> arrived;
    QThread *deliveredOn = nullptr;
    bool finished = false;
    ASSERT_TRUE(job.start<int>(
        [&] {
            onPoolThread = QThreadPool::globalInstance()->contains(QThread::currentThread());
            gate.pass();
            for (int i = 1; i <= 3; ++i)
                job.post([&arrived, i] { arrived.append(i); });
            return 42;
        },
        [&](int result) {
            arrived.append(result);
            deliveredOn = QThread::currentThread();
            finished = true;
        }));
    EXPECT_TRUE(job.isRunning());
    EXPECT_FALSE(job.startWork([] {}, [] {})) << "one piece of work at a time";
    gate.open();
    runEventsUntil([&] { return finished; });
    EXPECT_TRUE(onPoolThread.load());
    EXPECT_EQ(arrived, (QList<int>{1, 2, 3, 42}));
    EXPECT_EQ(deliveredOn, QThread::currentThread());
    EXPECT_FALSE(job.isRunning());
}

// The delivery may start the next job at once (a preview pass that is already out of
// date does), and a job destroyed while its work runs waits for it.
TEST(WorkerJob, DeliveryStartsTheNextJobAndTheDestructorWaits)
{
    std::atomic<int> ran{0};
    int delivered = 0;
    {
        Gate gate; // outlives the job, whose destructor waits for the work behind it
        WorkerJob job;
        std::function<void()> next = [&] {
            ++delivered;
            if (delivered < 3) {
                ASSERT_TRUE(job.startWork([&] { ++ran; }, next));
            }
        };
        ASSERT_TRUE(job.startWork([&] { ++ran; }, next));
        runEventsUntil([&] { return delivered == 3; });
        EXPECT_EQ(ran.load(), 3);
        ASSERT_TRUE(job.startWork(
            [&] {
                gate.pass();
                ++ran;
            },
            [&] { ++delivered; }));
        gate.open();
    } // waits for the last work; its delivery never comes, the job is gone
    EXPECT_EQ(ran.load(), 4);
    EXPECT_EQ(delivered, 3);
}
