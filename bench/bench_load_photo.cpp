// Loading and saving a 24-megapixel JPEG, warm and cold (ColdMemory.h: another program
// has just written a file of the decoded picture's size and touched a gigabyte of
// memory), in the same run:
//   - BM_QtDecoderAlone: Qt's decoder on its own, warm.
//   - BM_DecodeInto/large_pages/cold: Qt's decoder writing into a picture of the
//     photo's size made before it starts, on ordinary pages (0) or with large pages
//     asked for (1), then made canonical: how the loader and the halved copies used to
//     ask for large pages, against how they allocate now.
//   - BM_LoadPhoto/cold: the photo loader (decode, sRGB, canonical) as it is.
//   - BM_HalvedCopies/cold: the reduced copies of the loaded photo.
//   - BM_SavePng/cold: the loaded photo written as PNG.
//   - BM_MixToPng/cold: quillane-mix rendering the photo into a PNG, a process of its own.
// "sys_ms" is the system time per iteration, where the cold state shows.
//
//   build/dev/bench/bench_load_photo
//
// A cold iteration waits about 4 s for the other program and the memory report (not
// timed); the cold benchmarks run 6 iterations. The cold state does not come every time:
// it needs the host to have taken back the memory the next allocations get, which other
// programs on the machine decide too. Eight runs on a 2-core VM with free page
// reporting and transparent huge pages on madvise, shared with other builds (load 5 to
// 14, so real time ran up to twice the CPU time), BM_DecodeInto in ms of CPU (user and
// system) and of system time alone, per decode:
//
//                      CPU               system
//   ordinary, warm     135-177           35-60
//   ordinary, cold     140-173           36-60
//   large, warm        109-153, once 441 8-33, once 330
//   large, cold        120-267           16-162
//
// Large pages save about 30 ms of a 24-megapixel decode when the memory is warm and cost
// up to 300 ms when it is not; ordinary pages cost the same in both states, so the
// loader, the halved copies and the Linear strip use them. quillane-mix rendering the
// photo to PNG under /usr/bin/time, built with the advice and without, each run 3 s after
// the other program and again at once (12 runs of each): with large pages 0.44-0.93 s,
// system 0.03-0.33 s; without 0.47-0.81 s, system 0.05-0.12 s.
#include "ColdMemory.h"
#include "encode/PngWriter.h"
#include "imaging/ImageConversion.h"
#include "imaging/PhotoLoader.h"
#include "imaging/ReducedCopies.h"

#include <QCoreApplication>
#include <QImageReader>
#include <QTemporaryDir>

#include <cstdio>

namespace {

const QString kPhoto = QStringLiteral(QUILLANE_PHOTOS_DIR "/pair24_a.jpg");

// The bytes of the decoded photo: the size of the file the other program writes.
qint64 photoBytes()
{
    static const qint64 bytes = loadPhoto(kPhoto).image.sizeInBytes();
    return bytes;
}

void BM_QtDecoderAlone(benchmark::State &state)
{
    for (auto _ : state) {
        QImageReader reader(kPhoto);
        benchmark::DoNotOptimize(reader.read());
    }
}
BENCHMARK(BM_QtDecoderAlone)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_DecodeInto(benchmark::State &state)
{
    const bool large = state.range(0) != 0;
    timeInState(state, state.range(1) != 0, photoBytes(), [&] {
        QImageReader reader(kPhoto);
        QImage picture(reader.size(), reader.imageFormat());
        if (large)
            adviseLargePages(picture);
        reader.read(&picture);
        picture.convertTo(kCanonicalFormat);
        benchmark::DoNotOptimize(picture);
    });
}

void BM_LoadPhoto(benchmark::State &state)
{
    timeInState(state, state.range(0) != 0, photoBytes(),
                [] { benchmark::DoNotOptimize(loadPhoto(kPhoto)); });
}

void BM_HalvedCopies(benchmark::State &state)
{
    const QImage photo = loadPhoto(kPhoto).image;
    timeInState(state, state.range(0) != 0, photoBytes(),
                [&] { benchmark::DoNotOptimize(buildReducedCopies(photo)); });
}

void BM_SavePng(benchmark::State &state)
{
    const QImage photo = loadPhoto(kPhoto).image;
    QTemporaryDir dir;
    timeInState(state, state.range(0) != 0, photoBytes(), [&] {
        if (!writePng(photo, dir.filePath("saved.png")).ok)
            state.SkipWithError("the PNG could not be written");
    });
}

// The whole renderer as a user runs it: its system time is the child's, not counted in
// sys_ms.
void BM_MixToPng(benchmark::State &state)
{
    QTemporaryDir dir;
    QFile project(dir.filePath("one.json"));
    if (!project.open(QIODevice::WriteOnly) ||
        project.write(
            QStringLiteral(R"({"mode": "composite", "photos": [{"file": "%1"}]})").arg(kPhoto).toUtf8()) <=
            0) {
        state.SkipWithError("the project could not be written");
        return;
    }
    project.close();
    timeInState(state, state.range(0) != 0, photoBytes(), [&] {
        QProcess mix;
        mix.start(QStringLiteral(QUILLANE_MIX_PATH),
                  {"-q", "-o", dir.filePath("mixed.png"), project.fileName()});
        if (!mix.waitForFinished(-1) || mix.exitCode() != 0)
            state.SkipWithError("quillane-mix failed");
    });
}

} // namespace

int main(int argc, char **argv)
{
    if (ranAsOtherProgram(argc, argv))
        return 0;
    QCoreApplication app(argc, argv);
    registerWarmAndCold("BM_DecodeInto", BM_DecodeInto, {"large_pages", "cold"}, {0, 1});
    registerWarmAndCold("BM_LoadPhoto", BM_LoadPhoto);
    registerWarmAndCold("BM_HalvedCopies", BM_HalvedCopies);
    registerWarmAndCold("BM_SavePng", BM_SavePng);
    registerWarmAndCold("BM_MixToPng", BM_MixToPng);
    if (const LoadResult probe = loadPhoto(kPhoto); !probe.ok()) {
        std::fprintf(stderr, "benchmark input missing: %s\n", qPrintable(probe.error));
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
