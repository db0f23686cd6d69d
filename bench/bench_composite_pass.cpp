// Composite passes on two 24-megapixel photos: the full-resolution pass against the
// multiply kernel alone, its peak memory above what the two loaded photos already take,
// and the preview pass from reduced copies against the full-resolution one, with the
// mean absolute difference of what the two show (mad_255, in 255ths). The same for an
// eight-photo project; building the reduced copies of one photo against decoding it.
//
//   build/dev/bench/bench_composite_pass --benchmark_min_time=2
//
// Pass: second photo with its own size and offsets (flag clear, size 20, offsets 10 and
// 10), "Multiply Blend Mode", including the fitted draw into a 1200 x 800 view at device
// pixel ratio 1. Reduced copies are built before the preview passes are timed.
#include "BenchPhotos.h"
#include "imaging/Filters.h"
#include "imaging/ReducedCopies.h"
#include "model/ProjectMode.h"

#include <atomic>
#include <chrono>
#include <cstdio>
#include <thread>

namespace {

constexpr quint64 kMultiplyBlendMode = 16;

NewPhoto layerPhoto(const QImage &image)
{
    NewPhoto layer = makePhoto(image, QStringLiteral("layer.jpg"), Composite);
    layer->bCompositeSizeOfBG = false;
    layer->f_Composite_Size = 20.0f;
    layer->f_Composite_X_Offset = 10.0f;
    layer->f_Composite_Y_Offset = 10.0f;
    layer->m_Composite_Blend_Mode = kMultiplyBlendMode;
    return layer;
}

// The background and `count - 1` layers, the two photos taking turns.
PhotoList project(int count = 2)
{
    PhotoList list{makePhoto(benchPhotos().a, QStringLiteral("pair24_a.jpg"), Composite)};
    for (int i = 1; i < count; ++i)
        list.append(layerPhoto(i % 2 == 1 ? benchPhotos().b : benchPhotos().a));
    return list;
}

void BM_CompositePass(benchmark::State &state)
{
    const PhotoList list = project(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(benchViewPass(list, Composite, true));
}
BENCHMARK(BM_CompositePass)->Arg(2)->Arg(8)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_CompositePreviewPass(benchmark::State &state)
{
    timePreviewPasses(state, project(int(state.range(0))), Composite);
}
BENCHMARK(BM_CompositePreviewPass)->Arg(2)->Arg(8)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_BuildReducedCopies(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(buildReducedCopies(benchPhotos().a));
    state.counters["copies_in_photo"] =
        double(buildReducedCopies(benchPhotos().a)->sizeInBytes()) / double(benchPhotos().a.sizeInBytes());
}
BENCHMARK(BM_BuildReducedCopies)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_DecodePhoto(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(loadPhoto(QStringLiteral(QUILLANE_PHOTOS_DIR "/pair24_a.jpg")));
}
BENCHMARK(BM_DecodePhoto)->Unit(benchmark::kMillisecond)->UseRealTime();

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
    benchViewPass(list, Composite, true); // warm-up: plugins, thread pool, tables
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
        benchmark::DoNotOptimize(benchViewPass(list, Composite, true));
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
