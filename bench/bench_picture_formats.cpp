// Picture formats in and out, each against a reference tool in the same run:
//   - a 24-megapixel picture written as JPEG at quality 90 (ours, our PNG writer on the
//     same picture, and `vips copy in.v out.jpg[Q=90]` from vips's own uncompressed
//     format, so that vips spends its time on the JPEG alone);
//   - a 12-megapixel HEIC photo loaded (decoded, turned sRGB and canonical) against
//     libheif's `heif-convert in.heic out.y4m` (its cheapest output, raw YUV);
//   - a 24-megapixel camera raw file (a DNG made by scripts/make-dng.py) developed.
//
//   build/dev/bench/bench_picture_formats
//
// The inputs are made from the shared photos at the start with heif-enc
// (libheif-examples), vips (libvips-tools) and python3; a missing photo or tool stops
// the benchmark that needs it with an error.
#include "encode/PictureWriter.h"
#include "imaging/PhotoLoader.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

const QString kPhoto24 = QStringLiteral(QUILLANE_PHOTOS_DIR "/pair24_a.jpg");

QTemporaryDir &inputs()
{
    static QTemporaryDir dir;
    return dir;
}

// Runs a program to its end; an error message, empty on success.
QString run(const QString &program, const QStringList &arguments)
{
    const QString found = QStandardPaths::findExecutable(program);
    if (found.isEmpty())
        return program + QStringLiteral(" is missing");
    QProcess process;
    process.start(found, arguments);
    if (!process.waitForFinished(-1) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        return program + QStringLiteral(": ") + QString::fromLocal8Bit(process.readAllStandardError());
    return {};
}

// An input made once by `program arguments`; false (with the error set) when it fails.
bool made(benchmark::State &state, const QString &path, const QString &program, const QStringList &arguments)
{
    static QHash<QString, QString> problems;
    if (!problems.contains(path))
        problems[path] = QFileInfo::exists(path) ? QString() : run(program, arguments);
    if (!problems[path].isEmpty() || !QFileInfo::exists(path)) {
        state.SkipWithError(qPrintable(QStringLiteral("input %1 not made: %2").arg(path, problems[path])));
        return false;
    }
    return true;
}

const QImage &picture24(benchmark::State &state)
{
    static const LoadResult loaded = loadPhoto(kPhoto24);
    if (!loaded.ok())
        state.SkipWithError(qPrintable(loaded.error));
    return loaded.image;
}

void writeBenchmark(benchmark::State &state, const QString &name)
{
    const QImage &picture = picture24(state);
    if (picture.isNull())
        return;
    QTemporaryDir dir;
    const QString path = dir.filePath(name);
    for (auto _ : state)
        if (const WriteResult written = writePicture(picture, path, {90, false, {}}); !written.ok)
            state.SkipWithError(qPrintable(written.error));
    state.counters["file_MB"] = double(QFileInfo(path).size()) / 1e6;
}

void BM_WritePng24(benchmark::State &state)
{
    writeBenchmark(state, QStringLiteral("mix.png"));
}
BENCHMARK(BM_WritePng24)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

void BM_WriteJpeg24Quality90(benchmark::State &state)
{
    writeBenchmark(state, QStringLiteral("mix.jpg"));
}
BENCHMARK(BM_WriteJpeg24Quality90)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

void BM_VipsCopyJpeg24Quality90(benchmark::State &state)
{
    const QString in = inputs().filePath("in24.v");
    if (!made(state, in, "vips", {"copy", kPhoto24, in}))
        return;
    QTemporaryDir dir;
    const QString out = dir.filePath("vips.jpg");
    for (auto _ : state)
        if (const QString problem = run("vips", {"copy", in, out + "[Q=90]"}); !problem.isEmpty())
            state.SkipWithError(qPrintable(problem));
    state.counters["file_MB"] = double(QFileInfo(out).size()) / 1e6;
}
BENCHMARK(BM_VipsCopyJpeg24Quality90)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

// A 12-megapixel HEIC made from the 24-megapixel photo, reduced to 4242 x 2828 first.
QString heic12(benchmark::State &state)
{
    const QString jpeg = inputs().filePath("photo12.jpg");
    const QString heic = inputs().filePath("photo12.heic");
    if (!QFile::exists(jpeg)) {
        const QImage photo(kPhoto24);
        if (photo.isNull() || !photo.scaled(4242, 2828, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                                   .save(jpeg, "JPEG", 90)) {
            state.SkipWithError("benchmark input missing: the 24-megapixel photo could not be reduced");
            return {};
        }
    }
    return made(state, heic, "heif-enc", {"-q", "90", "-o", heic, jpeg}) ? heic : QString();
}

void BM_LoadHeic12(benchmark::State &state)
{
    const QString heic = heic12(state);
    if (heic.isEmpty())
        return;
    for (auto _ : state)
        if (const LoadResult loaded = loadPhoto(heic); !loaded.ok())
            state.SkipWithError(qPrintable(loaded.error));
}
BENCHMARK(BM_LoadHeic12)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

void BM_HeifConvertHeic12(benchmark::State &state)
{
    const QString heic = heic12(state);
    if (heic.isEmpty())
        return;
    QTemporaryDir dir;
    for (auto _ : state)
        if (const QString problem = run("heif-convert", {heic, dir.filePath("out.y4m")}); !problem.isEmpty())
            state.SkipWithError(qPrintable(problem));
}
BENCHMARK(BM_HeifConvertHeic12)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

void BM_LoadDng24(benchmark::State &state)
{
    const QString dng = inputs().filePath("raw24.dng");
    if (!made(state, dng, "python3",
              {QStringLiteral(QUILLANE_SOURCE_DIR "/scripts/make-dng.py"), dng, "6000", "4000"}))
        return;
    for (auto _ : state)
        if (const LoadResult loaded = loadPhoto(dng); !loaded.ok())
            state.SkipWithError(qPrintable(loaded.error));
}
BENCHMARK(BM_LoadDng24)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
