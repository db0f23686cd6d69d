// A photo dragged on the canvas: a drag recorded in the real window replayed event by
// event on an eight-photo Composite project of 24-megapixel photos in a 1600 x 1000 view
// (every photo within the background's frame).
//
//   build/dev/bench/bench_placement_drag --benchmark_min_time=2
//
// The recording, bench/data/placement_drag.csv, is what the placement tool wrote with
// QUILLANE_RECORD_DRAG set while the top photo of the same project was dragged by the
// pointer under xvfb-run (xdotool: a move with a pause, then a turn there and back, 81
// events); each line holds the photo's placing fields after the event. A missing or
// empty recording stops the run.
//
// BM_DragMixedFrame/k: photo k dragged (7 the top one, 1 the bottom layer), the recorded
// placings replayed on it; each iteration is one event: the photo's fields written, then
// the preview pass the worker runs for it, from the pass cache as the canvas's worker
// keeps it (a drag redraws the photo's region alone). Its time is the latency from a
// pointer event to the mixed frame (the worker starts a pass as soon as the one before
// ends, so an event waits at most one pass more); p50_ms, p90_ms and max_ms are taken
// over the events. first_ms: the draft drag's first event, whose pass finds the steps
// of the sharp frame shown before the press and makes them again at the draft's scale;
// release_ms: the sharp pass after the drafts (the last draft stays on screen meanwhile).
// BM_DragOtherModes/mode/k: the same in Shape and in Transparent, as drafts.
// BM_DragPhotoOverFrame: what the canvas does on the main thread for an event, before the
// mixed frame arrives: the dragged photo's reduced copy drawn turned at its new place
// over the 1600 x 1000 frame.
// The two 24-megapixel photos are in tests/photos; a missing one stops the run.
//
// Measured on the quiet 2-core development VM (load average 0.9 to 1.5), dev preset,
// --benchmark_min_time=2, per event p50 / p90 / worst: the top photo as a draft (what the
// canvas asks for while a tool drags at Fit) 3.4 / 4.3 / 10 ms, sharp 8.9 / 11.4 / 22;
// the bottom layer as a draft 9.8 / 11.7 / 27, sharp 37.5 / 43 / 75; the draft's first
// event 25 ms, the sharp pass on release 78 to 95 ms. Shape as a draft: the bottom photo
// 11.8 / 13.5 / 17.5, the top 4.3 / 4.9 / 7.2; Transparent 1.6 to 2.2 / 2.6 / 5.7. The
// photo drawn over the frame 1.8 ms. Earlier figures, under load (7.8 to 8.7): the bottom
// layer as a draft 23.8 ms at the median with every step's draw redrawn and the region on
// one thread; Shape's bottom photo 72 ms with every later photo drawn and cut again.
#include "BenchPhotos.h"
#include "imaging/LowerLeft.h"
#include "imaging/ReducedCopies.h"
#include "model/PhotoPlacement.h"
#include "model/ProjectMode.h"
#include "render/PassCache.h"
#include "render/PhotoOutline.h"
#include "render/PreviewRenderer.h"

#include <QElapsedTimer>
#include <QFile>
#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace {

const QSizeF kDragView(1600, 1000);

// One event of the recorded drag: when it came (milliseconds since the press) and the
// photo's placing fields it left.
struct DragEvent {
    double ms;
    PlacingValues placing;
};

// The drag recorded from the real window (PlacementTool's QUILLANE_RECORD_DRAG) in
// bench/data/placement_drag.csv; a missing or empty recording stops the run.
const std::vector<DragEvent> &recordedDrag()
{
    static const std::vector<DragEvent> events = [] {
        QFile file(QStringLiteral(QUILLANE_SOURCE_DIR "/bench/data/placement_drag.csv"));
        std::vector<DragEvent> read;
        if (file.open(QIODevice::ReadOnly | QIODevice::Text)) {
            file.readLine(); // the names of the columns
            while (!file.atEnd()) {
                const QList<QByteArray> cells = file.readLine().trimmed().split(',');
                if (cells.size() != 10)
                    continue;
                DragEvent event{cells[0].toDouble(), {}};
                for (size_t i = 0; i < event.placing.size(); ++i)
                    event.placing[i] = cells[qsizetype(4 + i)].toDouble();
                read.push_back(event);
            }
        }
        if (read.empty()) {
            std::fprintf(stderr, "benchmark input missing: %s holds no drag\n", qPrintable(file.fileName()));
            std::exit(1);
        }
        return read;
    }();
    return events;
}

// The document writes a new record for each change; the pass sees the new record.
// (A Transparent photo's size is a share of the background's width: the Composite
// drag's growth of the photo, -40 the recording's start, is added to 60 per cent.)
void writeEvent(NewPhotoList &list, int k, const DragEvent &event, quint64 mode = Composite)
{
    NewPhoto moved = std::make_shared<Object_Photo>(*list[k]);
    PlacingValues placing = event.placing;
    if (mode == Transparent)
        placing[0] += 100.0;
    writePlacingValues(*moved, mode, placing);
    list[k] = moved;
}

// The latency of the events: the median, the 90th percentile and the worst.
void reportLatencies(benchmark::State &state, std::vector<double> latencies)
{
    std::sort(latencies.begin(), latencies.end());
    const auto at = [&](double share) { return latencies[size_t(share * double(latencies.size() - 1))]; };
    state.counters["p50_ms"] = at(0.5);
    state.counters["p90_ms"] = at(0.9);
    state.counters["max_ms"] = latencies.back();
    state.counters["events"] = double(recordedDrag().size());
}

void BM_DragMixedFrame(benchmark::State &state)
{
    NewPhotoList list = eightPlacedPhotos(-40.0f, 0.0f, 5.0f);
    const int k = int(state.range(0));
    const qreal ratio = state.range(1) ? 0.5 : 1.0; // 1: the draft the canvas asks for while dragging
    const std::vector<DragEvent> &drag = recordedDrag();
    PassCache cache;
    // The sharp frame the view showed before the press; a draft drag's first event then
    // finds the steps at the sharp scale and makes them again at the draft's.
    renderPreviewFrame({list, Composite, kDragView, 1.0, {}, {}}, &cache);
    QElapsedTimer first;
    first.start();
    renderPreviewFrame({list, Composite, kDragView, ratio, {}, {}}, &cache);
    const double firstMs = double(first.nsecsElapsed()) / 1e6;
    size_t next = 0;
    std::vector<double> latencies;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        writeEvent(list, k, drag[next++ % drag.size()]);
        benchmark::DoNotOptimize(renderPreviewFrame({list, Composite, kDragView, ratio, {}, {}}, &cache));
        latencies.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    reportLatencies(state, latencies);
    state.counters["first_ms"] = firstMs;
    // The release: the sharp pass after the drafts (the draft stays on screen meanwhile).
    if (ratio < 1.0) {
        QElapsedTimer release;
        release.start();
        renderPreviewFrame({list, Composite, kDragView, 1.0, {}, {}}, &cache);
        state.counters["release_ms"] = double(release.nsecsElapsed()) / 1e6;
    }
}
BENCHMARK(BM_DragMixedFrame)
    ->Args({7, 0})
    ->Args({1, 0})
    ->Args({7, 1})
    ->Args({1, 1})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// The same drag in the other modes that place photos, as a draft: in Shape a change of
// one photo is cut afresh where its cut-out showed and shows (the steps keep every
// photo's cut-out), in Transparent each pass draws the layers into the view. The photos
// are placed as in the Composite drag (a Transparent photo's size is a share of the
// background's width).
void BM_DragOtherModes(benchmark::State &state)
{
    const quint64 mode = quint64(state.range(0));
    const int k = int(state.range(1));
    NewPhotoList list{makePhoto(benchPhotos().a, QStringLiteral("a.jpg"), mode)};
    for (int i = 1; i < 8; ++i) {
        list.append(makePhoto(i % 2 == 1 ? benchPhotos().b : benchPhotos().a, QStringLiteral("l.jpg"), mode));
        list.back()->f_Transparent_Transparency = 30;
        writeEvent(list, i, {0.0, {-40.0, 5.0 * i, 10.0, 0.0, 0.0, 0.0}}, mode);
    }
    const std::vector<DragEvent> &drag = recordedDrag();
    PassCache cache;
    renderPreviewFrame({list, mode, kDragView, 0.5, {}, {}}, &cache);
    size_t next = 0;
    std::vector<double> latencies;
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        writeEvent(list, k, drag[next++ % drag.size()], mode);
        benchmark::DoNotOptimize(renderPreviewFrame({list, mode, kDragView, 0.5, {}, {}}, &cache));
        latencies.push_back(double(clock.nsecsElapsed()) / 1e6);
    }
    reportLatencies(state, latencies);
}
BENCHMARK(BM_DragOtherModes)
    ->Args({Shape, 1})
    ->Args({Shape, 7})
    ->Args({Transparent, 1})
    ->Args({Transparent, 7})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

void BM_DragPhotoOverFrame(benchmark::State &state)
{
    NewPhotoList list = eightPlacedPhotos(-40.0f, 0.0f, 5.0f);
    const std::vector<DragEvent> &drag = recordedDrag();
    const QImage frame = renderPreviewFrame({list, Composite, kDragView, 1.0, {}, {}}).image;
    if (frame.isNull()) {
        state.SkipWithError("no frame to draw over");
        return;
    }
    // The picture (the common frame) fitted into the view, as the canvas maps it.
    const QSizeF picture = benchPhotos().a.size();
    const double k = std::min(kDragView.width() / picture.width(), kDragView.height() / picture.height());
    const QTransform toCanvas = QTransform::fromScale(k, k);
    size_t next = 0;
    for (auto _ : state) {
        writeEvent(list, 7, drag[next++ % drag.size()]);
        const PhotoOutline placed = *photoOutline(*list[7], Composite, picture);
        const QRectF target = toTopLeft(placed.rect, picture.height());
        QImage canvas = frame;
        QPainter painter(&canvas);
        painter.drawImage(0, 0, frame);
        const QImage pixels = list[7]->reducedCopies->levelFor(list[7]->image, target.size() * k);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.setTransform(turnAboutCentre(target, placed.placement.rotation) * toCanvas);
        painter.drawImage(target, pixels);
        painter.end();
        benchmark::DoNotOptimize(canvas);
    }
}
BENCHMARK(BM_DragPhotoOverFrame)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char **argv)
{
    return runBenchmarks(argc, argv);
}
