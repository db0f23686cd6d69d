// Writing a 24-megapixel picture as PNG: our banded writer against QImageWriter's default,
// and quillane-mix end to end against vips on the same two photos.
//
//   build/dev/bench/bench_png_writer --benchmark_min_time=1
//
// Each benchmark reports the file it wrote in MB ("file_MB"). The end-to-end pair needs
// `vips` (Debian's libvips-tools, used only here); without it that benchmark stops with
// an error.
#include "encode/PngWriter.h"
#include "imaging/PhotoLoader.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QImageWriter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

const QString kPhotoA = QStringLiteral(QUILLANE_PHOTOS_DIR "/pair24_a.jpg");
const QString kPhotoB = QStringLiteral(QUILLANE_PHOTOS_DIR "/pair24_b.jpg");

const QImage &photo(benchmark::State &state)
{
    static const QImage loaded = loadPhoto(kPhotoA).image;
    if (loaded.isNull())
        state.SkipWithError("pair24_a.jpg is missing or unreadable");
    return loaded;
}

double megabytes(const QString &path)
{
    return double(QFileInfo(path).size()) / 1e6;
}

void BM_QImageWriterDefault(benchmark::State &state)
{
    const QImage rgb = photo(state).convertToFormat(QImage::Format_RGB32); // as Qt would take an opaque photo
    QTemporaryDir dir;
    const QString path = dir.filePath("qt.png");
    for (auto _ : state) {
        QImageWriter writer(path, "png");
        if (!writer.write(rgb))
            state.SkipWithError("QImageWriter failed");
    }
    state.counters["file_MB"] = megabytes(path);
}
BENCHMARK(BM_QImageWriterDefault)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);

void BM_WritePng(benchmark::State &state)
{
    const QImage &picture = photo(state);
    QTemporaryDir dir;
    const QString path = dir.filePath("ours.png");
    for (auto _ : state) {
        const WriteResult written = writePng(picture, path);
        if (!written.ok)
            state.SkipWithError(qPrintable(written.error));
    }
    state.counters["file_MB"] = megabytes(path);
}
BENCHMARK(BM_WritePng)->Unit(benchmark::kMillisecond)->UseRealTime();

// Runs a program to its end; false (with the error set) when it cannot or fails.
bool run(benchmark::State &state, const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(-1) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        state.SkipWithError(
            qPrintable(program + ": " + QString::fromLocal8Bit(process.readAllStandardError())));
        return false;
    }
    return true;
}

bool photosPresent(benchmark::State &state)
{
    if (QFileInfo::exists(kPhotoA) && QFileInfo::exists(kPhotoB))
        return true;
    state.SkipWithError("pair24_a.jpg or pair24_b.jpg is missing");
    return false;
}

void BM_QuillaneMixMultiply(benchmark::State &state)
{
    QTemporaryDir dir;
    QFile project(dir.filePath("mix.json"));
    if (!photosPresent(state) || !project.open(QIODevice::WriteOnly))
        return;
    project.write(QStringLiteral(R"({"mode": "composite", "photos": [{"file": "%1"},
        {"file": "%2", "blend": "Multiply Blend Mode"}]})")
                      .arg(kPhotoA, kPhotoB)
                      .toUtf8());
    project.close();
    const QString out = dir.filePath("mix.png");
    for (auto _ : state)
        if (!run(state, QStringLiteral(QUILLANE_MIX_PATH), {"-o", out, project.fileName()}))
            return;
    state.counters["file_MB"] = megabytes(out);
}
BENCHMARK(BM_QuillaneMixMultiply)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void BM_VipsComposite2Multiply(benchmark::State &state)
{
    const QString vips = QStandardPaths::findExecutable("vips");
    if (vips.isEmpty()) {
        state.SkipWithError("vips is missing (apt-get install libvips-tools)");
        return;
    }
    if (!photosPresent(state))
        return;
    QTemporaryDir dir;
    const QString out = dir.filePath("vips.png");
    for (auto _ : state)
        if (!run(state, vips, {"composite2", kPhotoA, kPhotoB, out, "multiply"}))
            return;
    state.counters["file_MB"] = megabytes(out);
}
BENCHMARK(BM_VipsComposite2Multiply)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
