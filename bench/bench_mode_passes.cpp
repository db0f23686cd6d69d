// The Shape, Linear and Transparent passes on 24-megapixel photos, each against the
// work it cannot avoid, in the same run:
//
//   build/dev/bench/bench_mode_passes --benchmark_min_time=1
//
// - Shape: two photos, the second cut out through the "star5" mask at size -20 and
//   offsets 10 and 10, fitted into a 1200 x 800 view, at full resolution and as a
//   preview from reduced copies (with mad_255, its difference from the full-resolution
//   view); against the mask blend alone on the same background, layer and mask.
// - Linear (horizontal): ten photos, level 90 each, the first pass (every photo fitted
//   into 400 x 400) and a repeated pass; against a plain copy of the same ten pictures'
//   bytes.
// - Shape with a feather of 30 % and of 100 %, at full resolution: against the
//   unfeathered Shape pass (target: at most 1.5 times as long).
// - Linear at full resolution: the capture pass of the same ten photos with
//   fullResolution on, as Save runs it (no view), against the plain copy (target: at
//   most twice as long), and against writing the strip's bytes alone into a fresh
//   picture (the strip is about half the ten photos' bytes, but on fresh pages).
// - Transparent: a background and five layers (transparency 40, size 50, offsets
//   spread), a preview pass into 1200 x 800 from reduced copies (with mad_255) and a
//   capture pass at full resolution.
#include "BenchPhotos.h"
#include "ColdMemory.h"
#include "imaging/Filters.h"
#include "imaging/Parallel.h"
#include "model/ProjectMode.h"
#include "render/PlacedLayer.h"
#include "render/ShapePipeline.h"

#include <cstring>
#include <vector>

namespace {

// Photo i of a project: the two photos alternating.
NewPhoto photo(int i, quint64 mode)
{
    return makePhoto(i % 2 ? benchPhotos().b : benchPhotos().a, QStringLiteral("pair24.jpg"), mode);
}

NewPhotoList shapeProject()
{
    NewPhoto layer = photo(1, Shape);
    layer->m_Shape_Type = 1;
    layer->f_Shape_Size = -20.0f;
    layer->f_Shape_X_Offset = 10.0f;
    layer->f_Shape_Y_Offset = 10.0f;
    return {photo(0, Shape), layer};
}

void BM_ShapePass(benchmark::State &state)
{
    const NewPhotoList list = shapeProject();
    for (auto _ : state)
        benchmark::DoNotOptimize(benchViewPass(list, Shape, true));
}
BENCHMARK(BM_ShapePass)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ShapePreviewPass(benchmark::State &state)
{
    timePreviewPasses(state, shapeProject(), Shape);
}
BENCHMARK(BM_ShapePreviewPass)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ShapePassFeathered(benchmark::State &state)
{
    const NewPhotoList list = shapeProject();
    list[1]->f_Shape_Feather = float(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(benchViewPass(list, Shape, true));
}
BENCHMARK(BM_ShapePassFeathered)->Arg(30)->Arg(100)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_MaskBlendAlone(benchmark::State &state)
{
    const NewPhotoList list = shapeProject();
    const Object_Photo &p = *list[1];
    const PlacedLayer layer =
        makePlacedLayer(p.image, p.f_Shape_Size, p.f_Shape_X_Offset, p.f_Shape_Y_Offset);
    const QImage mask = shapeMaskCanvas(p.m_Shape_Type, layer);
    for (auto _ : state)
        benchmark::DoNotOptimize(imageShape(list[0]->image, layer.canvas, mask));
}
BENCHMARK(BM_MaskBlendAlone)->Unit(benchmark::kMillisecond)->UseRealTime();

// The parts of the Shape pass besides the blend: the placed layer, the mask canvas.
void BM_ShapePlacedLayer(benchmark::State &state)
{
    const Object_Photo &p = *shapeProject()[1];
    for (auto _ : state)
        benchmark::DoNotOptimize(
            makePlacedLayer(p.image, p.f_Shape_Size, p.f_Shape_X_Offset, p.f_Shape_Y_Offset));
}
BENCHMARK(BM_ShapePlacedLayer)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ShapeMaskCanvas(benchmark::State &state)
{
    const Object_Photo &p = *shapeProject()[1];
    const PlacedLayer layer =
        makePlacedLayer(p.image, p.f_Shape_Size, p.f_Shape_X_Offset, p.f_Shape_Y_Offset);
    for (auto _ : state)
        benchmark::DoNotOptimize(shapeMaskCanvas(p.m_Shape_Type, layer, 1.0, float(state.range(0))));
}
BENCHMARK(BM_ShapeMaskCanvas)->Arg(0)->Arg(100)->Unit(benchmark::kMillisecond)->UseRealTime();

PhotoList linearProject()
{
    NewPhotoList list;
    for (int i = 0; i < 10; ++i) {
        list.append(photo(i, LinearHorizontal));
        list.back()->f_Linear_Intersection_Level = 90.0f;
    }
    return list;
}

void BM_LinearFirstPass(benchmark::State &state)
{
    PhotoList list = linearProject();
    for (auto _ : state) {
        state.PauseTiming();
        list = linearProject(); // photos without reduced copies again
        state.ResumeTiming();
        benchmark::DoNotOptimize(benchPreviewPass(list, LinearHorizontal));
    }
}
BENCHMARK(BM_LinearFirstPass)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_LinearRepeatedPass(benchmark::State &state)
{
    const PhotoList list = linearProject();
    benchPreviewPass(list, LinearHorizontal);
    for (auto _ : state)
        benchmark::DoNotOptimize(benchPreviewPass(list, LinearHorizontal));
}
BENCHMARK(BM_LinearRepeatedPass)->Unit(benchmark::kMillisecond)->UseRealTime();

// 2000 small photos (a 40 x 30 reduction of the 24-megapixel photo) in one strip, as a
// capture renders it: each seam is laid on the strip as it is made, touching only its
// own rows, so the vertical strip costs what the horizontal one does.
void BM_LinearStrip2000(benchmark::State &state)
{
    const quint64 mode = state.range(0) ? LinearVertical : LinearHorizontal;
    const QImage small = benchPhotos().a.scaled(40, 30, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    NewPhotoList list;
    for (int i = 0; i < 2000; ++i) {
        list.append(makePhoto(small, QStringLiteral("small.png"), mode));
        list.back()->f_Linear_Intersection_Level = 90.0f;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(renderPass(list, mode, QSizeF(0, 0), true).mixed);
    state.SetLabel(mode == LinearVertical ? "vertical" : "horizontal");
}
BENCHMARK(BM_LinearStrip2000)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

void BM_LinearFullResolutionStrip(benchmark::State &state)
{
    ProjectOptions options;
    options.fullResolution = true;
    for (auto _ : state) {
        state.PauseTiming();
        const PhotoList list = linearProject();
        state.ResumeTiming();
        benchmark::DoNotOptimize(renderPass(list, LinearHorizontal, QSizeF(0, 0), true, 1.0, options).mixed);
    }
}
BENCHMARK(BM_LinearFullResolutionStrip)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);

// What writing the full-resolution strip's bytes alone costs: a fresh picture of its size
// (so its pages are touched for the first time, as the strip's are) filled row by row
// over the workers, on ordinary pages as the strip is (large_pages 0) or with large pages
// asked for as it once was (1), warm or cold (ColdMemory.h). The strip cannot be made in
// less.
void BM_WriteFullResolutionStripBytes(benchmark::State &state)
{
    ProjectOptions options;
    options.fullResolution = true;
    const QSize size =
        renderPass(linearProject(), LinearHorizontal, QSizeF(0, 0), true, 1.0, options).mixed.size();
    const qint64 bytes = qint64(size.width()) * size.height() * 4;
    timeInState(state, state.range(1) != 0, bytes, [&] {
        QImage strip(size, QImage::Format_ARGB32_Premultiplied);
        if (state.range(0))
            adviseLargePages(strip);
        uchar *bits = strip.bits();
        const qsizetype bytesPerLine = strip.bytesPerLine();
        parallelRows(size.height(), [&](int begin, int end) {
            std::memset(bits + begin * bytesPerLine, 0x80, size_t(end - begin) * size_t(bytesPerLine));
        });
        benchmark::DoNotOptimize(strip);
    });
    state.SetLabel(QStringLiteral("%1 x %2, %3")
                       .arg(size.width())
                       .arg(size.height())
                       .arg(state.range(1) ? "cold" : "warm")
                       .toStdString());
}

// The floor of the first Linear pass: reading every byte of the ten photos once (and
// writing them elsewhere), into buffers touched before the clock starts.
void BM_CopyTenPhotosBytes(benchmark::State &state)
{
    const PhotoList list = linearProject();
    std::vector<std::vector<uchar>> copies;
    for (const PhotoPtr &p : list)
        copies.emplace_back(size_t(p->image.sizeInBytes()), uchar(1));
    for (auto _ : state) {
        for (qsizetype i = 0; i < list.size(); ++i)
            std::memcpy(copies[size_t(i)].data(), list[i]->image.constBits(), copies[size_t(i)].size());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_CopyTenPhotosBytes)->Unit(benchmark::kMillisecond)->UseRealTime();

PhotoList transparentProject()
{
    NewPhotoList list = {photo(0, Transparent)};
    for (int i = 1; i <= 5; ++i) {
        NewPhoto layer = photo(i, Transparent);
        layer->f_Transparent_Transparency = 40;
        layer->f_Transparent_Size = 50.0f;
        layer->f_Transparent_X_Offset = 8.0f * float(i);
        layer->f_Transparent_Y_Offset = 6.0f * float(i);
        list.append(layer);
    }
    return list;
}

void BM_TransparentPreviewPass(benchmark::State &state)
{
    timePreviewPasses(state, transparentProject(), Transparent);
}
BENCHMARK(BM_TransparentPreviewPass)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_TransparentCapturePass(benchmark::State &state)
{
    const PhotoList list = transparentProject();
    for (auto _ : state)
        benchmark::DoNotOptimize(renderPass(list, Transparent, kBenchView, true));
}
BENCHMARK(BM_TransparentCapturePass)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char **argv)
{
    if (ranAsOtherProgram(argc, argv))
        return 0;
    registerWarmAndCold("BM_WriteFullResolutionStripBytes", BM_WriteFullResolutionStripBytes,
                        {"large_pages", "cold"}, {0, 1});
    return runBenchmarks(argc, argv);
}
