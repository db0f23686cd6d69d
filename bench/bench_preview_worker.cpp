// The preview off the main thread: a change to one photo of an eight-photo Composite
// project at 1200 x 800 rendered from the cached steps (the top photo: one step; the
// bottom layer: every step, as a whole pass), against a whole preview pass; and eight
// 12-24-megapixel photos loaded side by side on the load runner's workers (decode and
// reduced copies) against one after another; and how long the main thread goes
// without handling events meanwhile, and while the eight-photo project is captured at
// full resolution and written as a PNG (Save's steps on the output runner).
//
//   QUILLANE_PHOTOS=FOLDER build/dev/bench/bench_preview_worker --benchmark_min_time=2
//
// The two 24-megapixel photos are in tests/photos. The loading benchmarks take eight
// 12-24-megapixel photos (the names in eightFiles()) from $QUILLANE_PHOTOS, else from
// tests/photos, and stop with an error when one is missing.
//
// Frames are the whole view (render and paint), as the canvas receives them. And a canvas
// zoomed to 100 %: the region in sight against the whole full-resolution pass.
#include "BenchPhotos.h"
#include "encode/OutputRunner.h"
#include "imaging/PhotoLoadRunner.h"
#include "imaging/ReducedCopies.h"
#include "model/ProjectMode.h"
#include "render/PreviewRenderer.h"
#include "render/RegionPass.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>

namespace {

// Arg: the photo changed before each frame (7 the top one, 1 the bottom layer); -1 for
// a whole preview pass without the cache.
void BM_FrameAfterAChange(benchmark::State &state)
{
    const NewPhotoList list = eightPlacedPhotos(20.0f, 10.0f, 0.0f);
    const int changed = int(state.range(0));
    PassCache cache;
    const PreviewRequest request{list, Composite, kBenchView, 1.0, {}, {}};
    renderPreviewFrame(request, &cache); // reduced copies and the steps exist
    quint64 blend = 16;
    for (auto _ : state) {
        if (changed > 0)
            list[changed]->m_Composite_Blend_Mode = blend = blend == 16 ? 21 : 16;
        benchmark::DoNotOptimize(renderPreviewFrame(request, changed < 0 ? nullptr : &cache));
    }
    state.counters["cache_MiB"] = double(cache.sizeInBytes()) / (1 << 20);
}
BENCHMARK(BM_FrameAfterAChange)->Arg(7)->Arg(1)->Arg(-1)->Unit(benchmark::kMillisecond)->UseRealTime();

// A canvas at 100 %: the 1200 x 800 region in sight at the middle of the picture,
// against the whole full-resolution pass (a capture). Arg 0: two 24-megapixel photos of
// one size, blended unmoved (Overlay at 70 %), which render the region alone; arg 1: the
// same with eight photos; arg 2: the eight-photo project above, whose moved layers make
// the first region render the whole picture: the region times here are a pan, cropping
// the picture kept from the first.
PhotoList regionProject(int kind)
{
    if (kind == 2)
        return eightPlacedPhotos(20.0f, 10.0f, 0.0f);
    NewPhotoList list{makePhoto(benchPhotos().a, QStringLiteral("a.jpg"), Composite)};
    for (int i = 1; i < (kind == 0 ? 2 : 8); ++i) {
        NewPhoto layer =
            makePhoto(i % 2 == 1 ? benchPhotos().b : benchPhotos().a, QStringLiteral("l.jpg"), Composite);
        layer->m_Composite_Blend_Mode = 18;
        layer->f_Composite_Opacity = 70.0f;
        list.append(layer);
    }
    return list;
}

void BM_ActualPixelsRegion(benchmark::State &state)
{
    const PhotoList list = regionProject(int(state.range(0)));
    const QSize picture = benchPhotos().a.size();
    const QRect region(QPoint((picture.width() - 1200) / 2, (picture.height() - 800) / 2), QSize(1200, 800));
    RegionCache cache;
    renderRegion(list, Composite, {}, region, &cache);
    for (auto _ : state)
        benchmark::DoNotOptimize(
            renderRegion(list, Composite, {}, region.translated(int(state.iterations()) % 7, 0), &cache));
}
BENCHMARK(BM_ActualPixelsRegion)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_FullResolutionPass(benchmark::State &state)
{
    const PhotoList list = regionProject(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(renderPass(list, Composite, QSizeF(), true, 1.0, {}));
}
BENCHMARK(BM_FullResolutionPass)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

const QStringList &eightFiles()
{
    static const QStringList files = [] {
        QStringList names = {"dragonfly_13mp.jpg", "kleiber_20mp.jpg", "pair12_a.jpg",     "pair12_b.jpg",
                             "pair24_a.jpg",       "pair24_b.jpg",     "seeding_16mp.jpg", "sunset_12mp.jpg"};
        for (QString &name : names) {
            name = qEnvironmentVariable("QUILLANE_PHOTOS", QStringLiteral(QUILLANE_PHOTOS_DIR)) + '/' + name;
            if (!QFileInfo(name).isFile()) {
                std::fprintf(stderr, "benchmark input missing: %s\n", qPrintable(name));
                std::exit(1);
            }
        }
        return names;
    }();
    return files;
}

// One after another, as adding did on the main thread (with the reduced copies the
// first pass then built).
void BM_LoadEightOneByOne(benchmark::State &state)
{
    for (auto _ : state)
        for (const QString &path : eightFiles()) {
            const LoadResult loaded = loadPhoto(path);
            if (!loaded.ok())
                state.SkipWithError(qPrintable(loaded.error));
            benchmark::DoNotOptimize(buildReducedCopies(loaded.image));
        }
}
BENCHMARK(BM_LoadEightOneByOne)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_LoadEightOnWorkers(benchmark::State &state)
{
    PhotoLoadRunner runner;
    int refused = 0;
    QObject::connect(&runner, &PhotoLoadRunner::photoLoaded, [&](int, const LoadedPhoto &photo) {
        refused += photo.result.image.isNull() || !photo.reducedCopies;
    });
    for (auto _ : state) {
        QEventLoop loop;
        QObject::connect(&runner, &PhotoLoadRunner::batchFinished, &loop, &QEventLoop::quit);
        runner.start(eightFiles());
        loop.exec();
    }
    if (refused > 0)
        state.SkipWithError("a photo was refused");
}
BENCHMARK(BM_LoadEightOnWorkers)->Unit(benchmark::kMillisecond)->UseRealTime();

// A timer on the main thread asks to fire every 2 ms and records how late it came (the
// longest gap the main thread went without handling events) while the work runs: the
// eight photos loading on workers, then a burst of 30 blend-mode changes to an
// eight-photo project answered by the preview worker at 1600 x 1000, then Save's capture
// and PNG write of that project.
struct LatenessProbe {
    QElapsedTimer clock;
    qint64 last = 0;
    qint64 worst = 0;
    QTimer timer;
    LatenessProbe()
    {
        timer.setTimerType(Qt::PreciseTimer);
        timer.setInterval(2);
        QObject::connect(&timer, &QTimer::timeout, [this] {
            const qint64 now = clock.nsecsElapsed();
            worst = std::max(worst, now - last);
            last = now;
        });
        clock.start();
        timer.start();
    }
    double worstMs() const { return double(worst) / 1e6; }
};

// The longest gap while the output runner captures `list` and writes it as a PNG.
double worstGapWhileSaving(const PhotoList &list)
{
    QTemporaryDir folder;
    OutputRunner runner;
    QEventLoop loop;
    bool wrote = false;
    QObject::connect(&runner, &OutputRunner::captured, [&](const QImage &picture, const QString &error) {
        if (!error.isEmpty() || !runner.write(picture, folder.filePath(QStringLiteral("mix.png"))))
            loop.quit();
    });
    QObject::connect(&runner, &OutputRunner::written, [&](const WriteResult &result) {
        wrote = result.ok;
        loop.quit();
    });
    LatenessProbe probe;
    if (folder.isValid() && runner.capture(list, Composite))
        loop.exec();
    if (!wrote) {
        std::fprintf(stderr, "the capture or its write failed\n");
        std::exit(1);
    }
    return probe.worstMs();
}

void BM_MainThreadWhileLoadingAndRendering(benchmark::State &state)
{
    NewPhotoList list = eightPlacedPhotos(20.0f, 10.0f, 0.0f);
    PreviewRenderer renderer(
        [&] { return PreviewRequest{list, Composite, QSizeF(1600, 1000), 1.0, {}, {}}; });
    double loadingWorst = 0;
    double renderingWorst = 0;
    double savingWorst = 0;
    for (auto _ : state) {
        {
            PhotoLoadRunner runner;
            LatenessProbe probe;
            QEventLoop loop;
            QObject::connect(&runner, &PhotoLoadRunner::batchFinished, &loop, &QEventLoop::quit);
            runner.start(eightFiles());
            loop.exec();
            loadingWorst = std::max(loadingWorst, probe.worstMs());
        }
        LatenessProbe probe;
        QEventLoop loop;
        int changes = 0;
        QTimer changer;
        QObject::connect(&changer, &QTimer::timeout, [&] {
            list[1 + changes % 7]->m_Composite_Blend_Mode = quint64(changes % 20);
            renderer.request();
            if (++changes == 30) {
                changer.stop();
                QTimer::singleShot(0, &loop, [&] {
                    if (!renderer.isBusy())
                        loop.quit();
                });
            }
        });
        QObject::connect(&renderer, &PreviewRenderer::frameReady, &loop, [&] {
            if (changes >= 30 && !renderer.isBusy())
                loop.quit();
        });
        changer.start(10);
        loop.exec();
        renderingWorst = std::max(renderingWorst, probe.worstMs());
        savingWorst = std::max(savingWorst, worstGapWhileSaving(list));
    }
    state.counters["loading_worst_gap_ms"] = loadingWorst;
    state.counters["rendering_worst_gap_ms"] = renderingWorst;
    state.counters["saving_worst_gap_ms"] = savingWorst;
}
BENCHMARK(BM_MainThreadWhileLoadingAndRendering)->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char **argv)
{
    return runBenchmarks(argc, argv);
}
