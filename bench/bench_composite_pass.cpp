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
#include "imaging/Filters.h"
#include "imaging/ImageDifference.h"
#include "imaging/PhotoLoader.h"
#include "imaging/ReducedCopies.h"
#include "model/ProjectMode.h"
#include "render/RenderPass.h"

#include <QGuiApplication>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <cstdio>
#include <thread>

namespace {

constexpr quint64 kMultiplyBlendMode = 16;
const QSizeF kView(1200, 800);

struct Photos {
    QImage a, b;
};

const Photos &photos()
{
    static const Photos loaded = [] {
        const LoadResult a = Load_Photo(QStringLiteral(QUILLANE_PHOTOS_DIR "/pair24_a.jpg"));
        const LoadResult b = Load_Photo(QStringLiteral(QUILLANE_PHOTOS_DIR "/pair24_b.jpg"));
        if (!a.ok() || !b.ok())
            std::fprintf(stderr, "%s%s\n", qPrintable(a.error), qPrintable(b.error));
        return Photos{a.image, b.image};
    }();
    return loaded;
}

PhotoPtr layerPhoto(const QImage &image)
{
    PhotoPtr layer = Make_Photo(image, QStringLiteral("layer.jpg"), Composite);
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
    PhotoList list{Make_Photo(photos().a, QStringLiteral("pair24_a.jpg"), Composite)};
    for (int i = 1; i < count; ++i)
        list.append(layerPhoto(i % 2 == 1 ? photos().b : photos().a));
    return list;
}

// One pass as the canvas shows it: render, then paint into the view. A full-resolution
// pass is what every pass cost before reduced copies (and what a capture renders).
QImage viewPass(const PhotoList &list, bool fullResolution)
{
    const PassResult pass = render_Pass(list, Composite, kView, fullResolution);
    QImage view(kView.toSize(), QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&view);
    paint_Pass(painter, kView, QRectF(QPointF(0, 0), kView), pass);
    return view;
}

void BM_CompositePass(benchmark::State &state)
{
    const PhotoList list = project(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(viewPass(list, true));
}
BENCHMARK(BM_CompositePass)->Arg(2)->Arg(8)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_CompositePreviewPass(benchmark::State &state)
{
    const PhotoList list = project(int(state.range(0)));
    const QImage full = viewPass(list, true);
    QImage shown = viewPass(list, false); // builds the reduced copies
    for (auto _ : state)
        benchmark::DoNotOptimize(shown = viewPass(list, false));
    state.counters["mad_255"] = Mean_Absolute_Difference(shown, full);
}
BENCHMARK(BM_CompositePreviewPass)->Arg(2)->Arg(8)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_BuildReducedCopies(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(Build_Reduced_Copies(photos().a));
    state.counters["copies_in_photo"] =
        double(Build_Reduced_Copies(photos().a)->sizeInBytes()) / double(photos().a.sizeInBytes());
}
BENCHMARK(BM_BuildReducedCopies)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_DecodePhoto(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(Load_Photo(QStringLiteral(QUILLANE_PHOTOS_DIR "/pair24_a.jpg")));
}
BENCHMARK(BM_DecodePhoto)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_MultiplyKernel(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(imageComposite(photos().a, photos().b, kMultiplyBlendMode));
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
    viewPass(list, true); // warm-up: plugins, thread pool, tables
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
        benchmark::DoNotOptimize(viewPass(list, true));
        done = true;
        sampler.join();
        peakMB = double(peak - before) / (1 << 20);
    }
    const double photoMB = double(photos().a.sizeInBytes()) / (1 << 20);
    state.counters["peak_MB"] = peakMB;
    state.counters["photo_MB"] = photoMB;
    state.counters["peak_in_photos"] = peakMB / photoMB;
}
BENCHMARK(BM_CompositePassPeakMemory)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (photos().a.isNull() || photos().b.isNull())
        return 1; // the loader's message is out already; nothing is timed on empty pictures
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
