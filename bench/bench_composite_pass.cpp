// A full Composite pass on two 24-megapixel photos against the multiply kernel alone,
// and the pass's peak memory above what the two loaded photos already take.
//
//   build/dev/bench/bench_composite_pass --benchmark_min_time=2
//
// Pass: second photo with its own size and offsets (flag clear, size 20, offsets 10 and
// 10), "Multiply Blend Mode", including the fitted draw into a 1200 x 800 view.
#include "BenchPhotos.h"
#include "imaging/Filters.h"
#include "model/ProjectMode.h"

#include <atomic>
#include <chrono>
#include <cstdio>
#include <thread>

namespace {

constexpr quint64 kMultiplyBlendMode = 16;

PhotoList project()
{
    PhotoPtr layer = Make_Photo(benchPhotos().b, QStringLiteral("pair24_b.jpg"), Composite);
    layer->bCompositeSizeOfBG = false;
    layer->f_Composite_Size = 20.0f;
    layer->f_Composite_X_Offset = 10.0f;
    layer->f_Composite_Y_Offset = 10.0f;
    layer->m_Composite_Blend_Mode = kMultiplyBlendMode;
    return {Make_Photo(benchPhotos().a, QStringLiteral("pair24_a.jpg"), Composite), layer};
}

void BM_CompositePass(benchmark::State &state)
{
    const PhotoList list = project();
    for (auto _ : state)
        benchmark::DoNotOptimize(benchPreviewPass(list, Composite));
}
BENCHMARK(BM_CompositePass)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_MultiplyKernel(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(imageComposite(benchPhotos().a, benchPhotos().b, kMultiplyBlendMode));
}
BENCHMARK(BM_MultiplyKernel)->Unit(benchmark::kMillisecond)->UseRealTime();

qint64 residentBytes()
{
    long pages = 0, resident = 0;
    if (FILE *statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(statm);
    }
    return qint64(resident) * sysconf(_SC_PAGESIZE);
}

// Peak resident memory during one pass, sampled every 100 microseconds, above the
// resident memory before it (the photos are loaded and resident by then).
void BM_CompositePassPeakMemory(benchmark::State &state)
{
    const PhotoList list = project();
    benchPreviewPass(list, Composite); // warm-up: plugins, thread pool, tables
    double peakMB = 0;
    for (auto _ : state) {
        const qint64 before = residentBytes();
        std::atomic<bool> done{false};
        std::atomic<qint64> peak{before};
        std::thread sampler([&] {
            while (!done) {
                peak = std::max(peak.load(), residentBytes());
                std::this_thread::sleep_for(std::chrono::microseconds(100));
            }
        });
        benchmark::DoNotOptimize(benchPreviewPass(list, Composite));
        done = true;
        sampler.join();
        peakMB = double(peak - before) / (1 << 20);
    }
    const double photoMB = double(benchPhotos().a.sizeInBytes()) / (1 << 20);
    state.counters["peak_MB"] = peakMB;
    state.counters["photo_MB"] = photoMB;
    state.counters["peak_in_photos"] = peakMB / photoMB;
}
BENCHMARK(BM_CompositePassPeakMemory)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

} // namespace

int main(int argc, char **argv)
{
    return runBenchmarks(argc, argv);
}
