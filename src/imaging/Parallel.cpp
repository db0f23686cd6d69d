#include "imaging/Parallel.h"

#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

namespace {

std::atomic<int> requestedThreads{0};

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
    const int workers = std::min(imagingThreadCount(), tasks);
    std::atomic<int> next{0};
    auto drain = [&] {
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

void parallelRows(int rows, const std::function<void(int begin, int end)> &work)
{
    const int blocks = (rows + kRowsPerBlock - 1) / kRowsPerBlock;
    parallelTasks(blocks, [&](int block) {
        const int begin = block * kRowsPerBlock;
        work(begin, std::min(rows, begin + kRowsPerBlock));
    });
}
