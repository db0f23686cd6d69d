// Masks: rasterising 200 strokes over a 24-megapixel photo on every core (bytes per
// pixel reported), a full-resolution Composite pass with a masked photo against the same
// pass without the mask, and live painting: a recorded stroke replayed on one photo of
// eight 24-megapixel ones in a 1600 x 1000 view, each pointer event followed by the
// preview pass the canvas asks for, with the latency distribution reported.
//
//   build/dev/bench/bench_masks --benchmark_min_time=2
//
// The blend alone (BM_BlendUnderCoverage) shows what a mask costs the blend apart from
// rasterising it.
//
// CPU is the whole process's (every core), so that a loaded machine still shows the work.
//
// Inputs: tests/photos/pair24_a.jpg and pair24_b.jpg (6000 x 4000); a missing photo stops
// the run. The strokes are generated from a fixed seed: 40 points a hundredth of the
// width apart, turning by up to 0.3 radians at each, brush sizes of 2 to 10 per cent of
// the width, hardness 0 to 100, opacity 50 to 100, hide and show alternating.
//
// Measured on the quiet 2-core development VM (AMD EPYC, load average 0.2 to 1.5), dev
// preset, medians of ten repetitions taken in random order (--benchmark_repetitions=10
// --benchmark_enable_random_interleaving=true): rasterising 200 strokes 66 ms (131 ms of
// CPU), one byte per pixel; the Composite pass 79 ms without a mask, 97 ms with two
// gradients (1.22x), 154 ms with 200 strokes and a gradient (the rasterising of the
// strokes is most of the difference); the blend alone 81 ms, 94 ms under the strokes'
// coverage rasterised beforehand (1.17x); live painting, per event p50 / p99: Composite
// 1.5 / 4.4 ms (bottom photo), 1.1 / 1.2 (top); Shape 5.8 / 7.8 and 5.2 / 6.5;
// Transparent 8.2 / 9.7 and 8.1 / 8.5 (the canvas paints strokes sharp); as a draft every
// one within 0.6 to 3.7 / 0.7 to 4.3 ms.
#include "BenchPhotos.h"
#include "imaging/Filters.h"
#include "imaging/ImageConversion.h"
#include "imaging/MaskRaster.h"
#include "imaging/Parallel.h"
#include "model/ProjectMode.h"
#include "render/CaptureRunner.h"
#include "render/PreviewRenderer.h"

#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>

#include <algorithm>
#include <cmath>
#include <ctime>
#include <vector>

namespace {

MaskStroke walk(QRandomGenerator &random, int points, bool show)
{
    MaskStroke stroke{
        show, 0.02 + random.bounded(0.08), random.bounded(100.0), 50 + random.bounded(50.0), {}};
    QPointF at(random.bounded(1.0), random.bounded(1.0));
    double heading = random.bounded(6.3);
    for (int i = 0; i < points; ++i) {
        stroke.points.append(at);
        heading += random.bounded(0.6) - 0.3; // a hand turns gradually
        at += QPointF(std::cos(heading), std::sin(heading)) * 0.01;
    }
    return stroke;
}

PhotoMask strokesMask(int strokes)
{
    QRandomGenerator random(29);
    PhotoMask mask;
    mask.gradients.append({MaskGradient::Linear, {0.0, 0.5}, {1.0, 0.6}, 0, 0});
    for (int i = 0; i < strokes; ++i)
        mask.strokes.append(walk(random, 40, i % 2 == 1));
    return mask;
}

void BM_RasterizeMask(benchmark::State &state)
{
    const PhotoMask mask = strokesMask(int(state.range(0)));
    const QSize size = benchPhotos().a.size();
    QImage levels;
    for (auto _ : state)
        benchmark::DoNotOptimize(levels = rasterizeMask(mask, size));
    state.counters["bytes_per_pixel"] = double(levels.sizeInBytes()) / (double(size.width()) * size.height());
    state.counters["megapixels"] = size.width() * size.height() / 1e6;
}
BENCHMARK(BM_RasterizeMask)->Arg(200)->Unit(benchmark::kMillisecond)->UseRealTime()->MeasureProcessCPUTime();

void BM_ApplyMask(benchmark::State &state)
{
    const PhotoMask mask = strokesMask(200);
    for (auto _ : state)
        benchmark::DoNotOptimize(applyMask(benchPhotos().b, mask));
}
BENCHMARK(BM_ApplyMask)->Unit(benchmark::kMillisecond)->UseRealTime()->MeasureProcessCPUTime();

// Two photos, the second Normal over the first: unmasked (range 0), masked by 200 strokes
// and a gradient (1), or by one linear and one radial gradient (2).
void BM_CompositeFullResolution(benchmark::State &state)
{
    NewPhoto layer = makePhoto(benchPhotos().b, QStringLiteral("b.jpg"), Composite);
    layer->m_Composite_Blend_Mode = 24;
    if (state.range(0) == 1)
        layer->mask = strokesMask(200);
    if (state.range(0) == 2)
        layer->mask.gradients = {{MaskGradient::Linear, {0.1, 0.5}, {0.9, 0.5}, 0, 0},
                                 {MaskGradient::Radial, {0.5, 0.5}, {}, 0.6, 0.2}};
    const PhotoList list{makePhoto(benchPhotos().a, QStringLiteral("a.jpg"), Composite), layer};
    for (auto _ : state)
        benchmark::DoNotOptimize(renderPass(list, Composite, {}, true).mixed);
}
BENCHMARK(BM_CompositeFullResolution)
    ->Arg(0)
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MeasureProcessCPUTime();

// The blend of that pass alone, the second photo Normal over the first: without a
// coverage (range 0), and under the 200 strokes and a gradient rasterised beforehand (1):
// what a mask costs the blend, apart from rasterising it.
void BM_BlendUnderCoverage(benchmark::State &state)
{
    const QImage background = CGImageRefFromImage(benchPhotos().a),
                 layer = CGImageRefFromImage(benchPhotos().b);
    const QImage coverage = state.range(0) == 1 ? rasterizeMask(strokesMask(200), layer.size()) : QImage();
    for (auto _ : state)
        benchmark::DoNotOptimize(
            imageComposite(background, layer, kNormalBlendMode, 1.0f, BlendSpace::Linear, coverage));
}
BENCHMARK(BM_BlendUnderCoverage)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MeasureProcessCPUTime();

// The stroke painted in the real window (MaskTool's QUILLANE_RECORD_STROKE) in
// bench/data/mask_stroke.csv: its points in the photo's fractions, in the order they came;
// a missing or empty recording stops the run.
QList<QPointF> recordedStroke()
{
    QFile file(QStringLiteral(QUILLANE_SOURCE_DIR "/bench/data/mask_stroke.csv"));
    QList<QPointF> points;
    if (file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        file.readLine(); // the names of the columns
        while (!file.atEnd()) {
            const QList<QByteArray> cells = file.readLine().trimmed().split(',');
            if (cells.size() == 6)
                points.append({cells[1].toDouble(), cells[2].toDouble()});
        }
    }
    if (points.isEmpty()) {
        std::fprintf(stderr, "benchmark input missing: %s holds no stroke\n", qPrintable(file.fileName()));
        std::exit(1);
    }
    return points;
}

// Eight photos in `mode`: in Composite each Normal at 70 % opacity over the ones before,
// the size of the background; in Shape each cut out by an ellipse, in Transparent each
// at a transparency of 30, both four fifths of the background's width, a little further
// right each.
NewPhotoList eightPhotos(quint64 mode)
{
    NewPhotoList photos;
    for (int i = 0; i < 8; ++i) {
        NewPhoto photo = makePhoto(i % 2 ? benchPhotos().b : benchPhotos().a, QStringLiteral("p.jpg"), mode);
        photo->m_Composite_Blend_Mode = 24;
        photo->f_Composite_Opacity = 70;
        photo->m_Shape_Type = 1;
        photo->f_Shape_Size = -20.0f;
        photo->f_Shape_X_Offset = 2.0f * float(i);
        photo->f_Transparent_Transparency = 30;
        photo->f_Transparent_Size = 80.0f;
        photo->f_Transparent_X_Offset = 2.0f * float(i);
        photos.append(photo);
    }
    return photos;
}

// The stroke is painted on photo `painted` (1 the lowest over the background, 7 the top
// one) of eightPhotos(mode). Each event of the recorded stroke (scripts/latency.sh's
// stroke on its top photo: 59 points in about a second, across the photo in one wave;
// replayed with this brush, 5 % wide, not the recording's 10 %) grows the stroke by a
// point, then runs the preview pass of the 1600 x 1000 view with the worker's step
// cache, as the canvas's worker does (in Composite the live strokes' region passes, the
// first event also making the painted photo's layer without its mask; in Shape the
// painted photo's cut-out made again and cut where it shows; in Transparent the painted
// photo drawn again), in the view's own pixels (draft 0: what the canvas asks for while a
// brush paints) or as the draft it asks for while other tools drag (draft 1: half as
// many pixels each way).
void BM_LivePaintLatency(benchmark::State &state)
{
    const quint64 mode = quint64(state.range(0));
    const qsizetype painted = state.range(1);
    const qreal ratio = state.range(2) ? 0.5 : 1.0; // 1: a draft, as other tools' drags ask
    const NewPhotoList photos = eightPhotos(mode);
    PreviewRequest request{photos, mode, QSizeF(1600, 1000), ratio, {}, QRect()};
    PassCache cache;
    renderPreviewFrame(request, &cache); // the reduced copies and the cache, as after opening
    const QList<QPointF> events = recordedStroke();
    std::vector<double> latencies;
    const std::clock_t cpuBefore = std::clock();
    for (auto _ : state) {
        MaskStroke stroke{false, 0.05, 50, 100, {}};
        for (const QPointF &event : events) {
            QElapsedTimer clock;
            clock.start();
            stroke.points.append(event);
            auto shown = std::make_shared<Object_Photo>(*photos[painted]);
            shown->mask.strokes = {stroke};
            request.photos[painted] = shown;
            // On a reserved pool thread, as the canvas's worker renders.
            runOnPoolThread([&] { benchmark::DoNotOptimize(renderPreviewFrame(request, &cache)); });
            latencies.push_back(clock.nsecsElapsed() / 1e6);
        }
    }
    const double cpuMs = double(std::clock() - cpuBefore) * 1000.0 / CLOCKS_PER_SEC;
    if (mode == Composite)
        state.counters["live"] = cache.steps.size() == 7 && !cache.steps[painted - 1].plainLayer.isNull();
    std::sort(latencies.begin(), latencies.end());
    auto at = [&](double share) { return latencies[size_t(share * double(latencies.size() - 1))]; };
    state.counters["p50_ms"] = at(0.5);
    state.counters["p90_ms"] = at(0.9);
    state.counters["p99_ms"] = at(0.99);
    state.counters["max_ms"] = latencies.back();
    state.counters["events"] = double(latencies.size());
    state.counters["cpu_ms_per_event"] = cpuMs / double(latencies.size()); // every thread's
}
BENCHMARK(BM_LivePaintLatency)
    ->ArgsProduct({{Composite, Shape, Transparent}, {1, 7}, {0, 1}})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1);

} // namespace

int main(int argc, char **argv)
{
    return runBenchmarks(argc, argv);
}
