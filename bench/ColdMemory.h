#pragma once

// The "cold" state of memory, in which the first run after another program finds the
// machine. On a virtual machine that hands free memory back to its host (free page
// reporting: "Free page reporting enabled" in the kernel log), the memory another
// program has just used and freed is reported about two seconds later and is no longer
// backed; the next program's first touches of it fault in the host as well, and a large
// page (2 MB at a time, asked for with MADV_HUGEPAGE) is the slowest to come back.
//
// makeMemoryCold() starts another process (this benchmark again, with
// kOtherProgramArgument) that writes a file of the given size and deletes it, then
// touches a gigabyte of memory with large pages, as a renderer does, and ends; then it
// waits for the report. A warm run follows another run of its own at once.
#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <benchmark/benchmark.h>

#include <sys/mman.h>
#include <sys/resource.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

inline constexpr const char *kOtherProgramArgument = "--be-another-program";
inline constexpr qint64 kOtherProgramTouches = qint64(1) << 30;
inline constexpr unsigned long kReportDelayMs = 3000; // the kernel reports after 2 s
inline constexpr int kColdIterations = 6;

// Asks for large pages on a fresh picture before its pixels are touched, as the photo
// loader, the halved copies and the Linear strip once did.
inline void adviseLargePages(QImage &picture)
{
    constexpr quintptr kLargePage = quintptr(2) << 20;
    const quintptr begin = quintptr(picture.bits());
    const quintptr alignedBegin = (begin + kLargePage - 1) & ~(kLargePage - 1);
    const quintptr alignedEnd = (begin + quintptr(picture.sizeInBytes())) & ~(kLargePage - 1);
    if (alignedEnd > alignedBegin)
        madvise(reinterpret_cast<void *>(alignedBegin), size_t(alignedEnd - alignedBegin), MADV_HUGEPAGE);
}

// The other program's work, when this process was started as it: true once done.
inline bool ranAsOtherProgram(int argc, char **argv)
{
    if (argc != 3 || std::strcmp(argv[1], kOtherProgramArgument) != 0)
        return false;
    const qint64 fileBytes = std::atoll(argv[2]);
    QTemporaryDir dir;
    QFile file(dir.filePath("other.bin"));
    if (file.open(QIODevice::WriteOnly)) {
        const QByteArray block(1 << 20, char(0x5A));
        for (qint64 written = 0; written < fileBytes; written += block.size())
            file.write(block);
        file.close();
        file.remove();
    }
    const size_t touched = size_t(kOtherProgramTouches);
    void *memory = std::aligned_alloc(size_t(2) << 20, touched);
    if (memory) {
        madvise(memory, touched, MADV_HUGEPAGE);
        std::memset(memory, 1, touched);
        std::free(memory);
    }
    return true;
}

// Runs the other program (writing a file of `fileBytes`) to its end and waits for the
// memory it freed to be reported; false when it could not be started.
inline bool makeMemoryCold(qint64 fileBytes)
{
    QProcess other;
    other.start(QCoreApplication::applicationFilePath(),
                {QLatin1String(kOtherProgramArgument), QString::number(fileBytes)});
    if (!other.waitForFinished(-1) || other.exitCode() != 0)
        return false;
    QThread::msleep(kReportDelayMs);
    return true;
}

// The system time this process has taken, in seconds: where the cold state shows.
inline double systemSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_stime.tv_sec) + double(usage.ru_stime.tv_usec) / 1e6;
}

// Times `work` once per iteration, each after the other program in the cold state;
// reports the system time per iteration ("sys_ms").
template <typename Work> void timeInState(benchmark::State &state, bool cold, qint64 fileBytes, Work work)
{
    double system = 0.0;
    for (auto _ : state) {
        if (cold) {
            state.PauseTiming();
            if (!makeMemoryCold(fileBytes)) {
                state.SkipWithError("the other program could not run");
                break;
            }
            state.ResumeTiming();
        }
        const double before = systemSeconds();
        work();
        system += systemSeconds() - before;
    }
    state.counters["sys_ms"] = benchmark::Counter(system * 1e3, benchmark::Counter::kAvgIterations);
    state.SetLabel(cold ? "cold" : "warm");
}

// Registers `function` warm and cold, in ms of real time: its arguments are each of
// `variants` (when given) and then the state, 0 warm or 1 cold, named by `argNames`; a
// cold run takes kColdIterations iterations.
inline void registerWarmAndCold(const char *name, void (*function)(benchmark::State &),
                                const std::vector<std::string> &argNames = {"cold"},
                                const std::vector<int64_t> &variants = {})
{
    for (const int64_t cold : {0, 1}) {
        benchmark::internal::Benchmark *registered = benchmark::RegisterBenchmark(name, function);
        registered->ArgNames(argNames)->Unit(benchmark::kMillisecond)->UseRealTime();
        if (variants.empty())
            registered->Arg(cold);
        for (const int64_t variant : variants)
            registered->Args({variant, cold});
        if (cold)
            registered->Iterations(kColdIterations);
    }
}
