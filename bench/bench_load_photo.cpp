// Loading a 24-megapixel JPEG through the photo loader against Qt's decoder alone.
//
//   build/dev/bench/bench_load_photo
#include "imaging/PhotoLoader.h"

#include <QCoreApplication>
#include <QImageReader>

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

const QString kPhoto = QStringLiteral(QUILLANE_PHOTOS_DIR "/pair24_a.jpg");

void BM_QtDecoderAlone(benchmark::State &state)
{
    for (auto _ : state) {
        QImageReader reader(kPhoto);
        benchmark::DoNotOptimize(reader.read());
    }
}
BENCHMARK(BM_QtDecoderAlone)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_LoadPhoto(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(loadPhoto(kPhoto));
}
BENCHMARK(BM_LoadPhoto)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (const LoadResult probe = loadPhoto(kPhoto); !probe.ok()) {
        std::fprintf(stderr, "benchmark input missing: %s\n", qPrintable(probe.error));
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
