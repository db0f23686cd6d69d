// Exposure fusion of a bracket of the 24-megapixel photo: -2, 0 and +2 stops (the light
// divided and multiplied by 4 through the sRGB curve, clipped), fused with the default
// weights. BM_FuseBracket times the fusion and reports, as counters, the fused picture's
// difference from OpenCV's MergeMertens on the same inputs (clipped to [0, 1], 8-bit):
// the mean and the 99th percentile in 255ths, and the memory the fusion took beyond its
// inputs (peak_extra_mb: the process's peak resident size, reset before the fusion).
// BM_MergeMertens times OpenCV's fusion on all cores the same way.
//
// For the peers as whole programs (bench/compare_fusion.sh):
//   bench_fusion --write-bracket DIR   writes the bracket as DIR/bracket_{m2,0,p2}.tif and
//                                      a fusion project DIR/bracket.quillane
//   bench_fusion --opencv DIR          fuses those files with MergeMertens into
//                                      DIR/opencv.tif (run under /usr/bin/time)
//   bench_fusion --compare A B         the mean and 99th percentile of |A - B| in 255ths
#include "BenchPhotos.h"

#include "imaging/ExposureFusion.h"
#include "imaging/OpenCvBridge.h"

#include <QDir>
#include <QFile>

#include <opencv2/imgproc.hpp>
#include <opencv2/photo.hpp>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <vector>

namespace {

QImage exposed(const QImage &picture, double stops)
{
    std::array<uchar, 256> table{};
    for (int v = 0; v < 256; ++v) {
        const double c = v / 255.0;
        const double linear = c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        const double light = std::min(1.0, linear * std::pow(2.0, stops));
        const double encoded = light <= 0.0031308 ? light * 12.92 : 1.055 * std::pow(light, 1 / 2.4) - 0.055;
        table[size_t(v)] = uchar(std::lround(encoded * 255.0));
    }
    QImage out = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied).copy();
    for (int y = 0; y < out.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x)
            line[x] = qRgba(table[size_t(qRed(line[x]))], table[size_t(qGreen(line[x]))],
                            table[size_t(qBlue(line[x]))], 255);
    }
    return out;
}

QList<QImage> bracket(const QImage &photo)
{
    return {exposed(photo, -2), exposed(photo, 0), exposed(photo, 2)};
}

// OpenCV's fusion of the pictures (as BGR), clipped and rounded to 8 bits, as a picture.
QImage mergeMertens(const QList<QImage> &pictures)
{
    std::vector<cv::Mat> inputs;
    for (const QImage &picture : pictures) {
        cv::Mat bgr;
        cv::cvtColor(matOfPicture(picture), bgr, cv::COLOR_BGRA2BGR);
        inputs.push_back(bgr);
    }
    cv::Mat fused, bytes, bgra;
    // The same weights as ours: OpenCV's own default leaves well-exposedness out (0).
    cv::createMergeMertens(1.0f, 1.0f, 1.0f)->process(inputs, fused);
    inputs.clear();
    fused.convertTo(bytes, CV_8UC3, 255.0); // saturates: clipped to [0, 255], rounded
    cv::cvtColor(bytes, bgra, cv::COLOR_BGR2BGRA);
    QImage out(pictures.front().size(), QImage::Format_ARGB32_Premultiplied);
    bgra.copyTo(matOfPicture(out));
    return out;
}

// The mean and the 99th percentile of the channels' absolute differences, in 255ths.
std::pair<double, int> differences(const QImage &a, const QImage &b)
{
    std::array<qint64, 256> counts{};
    qint64 total = 0, sum = 0;
    for (int y = 0; y < a.height(); ++y) {
        const auto *la = reinterpret_cast<const QRgb *>(a.constScanLine(y));
        const auto *lb = reinterpret_cast<const QRgb *>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x)
            for (const int d : {std::abs(qRed(la[x]) - qRed(lb[x])), std::abs(qGreen(la[x]) - qGreen(lb[x])),
                                std::abs(qBlue(la[x]) - qBlue(lb[x]))}) {
                ++counts[size_t(d)];
                sum += d;
                ++total;
            }
    }
    qint64 seen = 0;
    int p99 = 0;
    while (p99 < 255 && (seen += counts[size_t(p99)]) < total * 99 / 100)
        ++p99;
    return {double(sum) / double(std::max<qint64>(1, total)), p99};
}

// The process's resident memory now and at its peak, in bytes; writing 5 to clear_refs
// makes the peak start again from now.
qint64 statusBytes(const char *field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    status.open(QIODevice::ReadOnly);
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith(field))
            return line.mid(qsizetype(qstrlen(field))).trimmed().split(' ').front().toLongLong() * 1024;
    return 0;
}

void resetPeak()
{
    QFile refs(QStringLiteral("/proc/self/clear_refs"));
    if (refs.open(QIODevice::WriteOnly))
        refs.write("5");
}

// Runs `fuse` once a benchmark iteration and keeps the largest memory it took beyond
// what the process held before it.
QImage timedFusion(benchmark::State &state, const std::function<QImage()> &fuse)
{
    QImage fused;
    qint64 extra = 0;
    for (auto _ : state) {
        fused = QImage();
        const qint64 before = statusBytes("VmRSS:");
        resetPeak();
        fused = fuse();
        extra = std::max(extra, statusBytes("VmHWM:") - before);
    }
    state.counters["peak_extra_mb"] = double(extra) / (1 << 20);
    return fused;
}

void BM_FuseBracket(benchmark::State &state)
{
    const QList<QImage> pictures = bracket(benchPhotos().a);
    const QImage fused = timedFusion(state, [&] { return fuseExposures(pictures, FusionWeights{}); });
    const auto [mean, p99] = differences(fused, mergeMertens(pictures));
    state.counters["mean_255"] = mean;
    state.counters["p99_255"] = p99;
}
BENCHMARK(BM_FuseBracket)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);

void BM_MergeMertens(benchmark::State &state)
{
    const QList<QImage> pictures = bracket(benchPhotos().a);
    useOpenCvSerially();
    cv::setNumThreads(-1); // OpenCV's own threads, as it runs by default
    timedFusion(state, [&] { return mergeMertens(pictures); });
    cv::setNumThreads(0);
}
BENCHMARK(BM_MergeMertens)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

QString bracketFile(const QString &folder, int index)
{
    static const char *const names[] = {"bracket_m2.tif", "bracket_0.tif", "bracket_p2.tif"};
    return folder + QLatin1Char('/') + QLatin1String(names[index]);
}

int writeBracket(const QString &folder)
{
    QDir().mkpath(folder);
    const QList<QImage> pictures = bracket(benchPhotos().a);
    for (int i = 0; i < 3; ++i)
        if (!pictures[i].convertToFormat(QImage::Format_RGB888).save(bracketFile(folder, i)))
            return 1;
    QFile project(folder + QStringLiteral("/bracket.quillane"));
    if (!project.open(QIODevice::WriteOnly))
        return 1;
    project.write(R"({"version": 1, "mode": "fusion", "photos": [{"file": "bracket_m2.tif"},
        {"file": "bracket_0.tif"}, {"file": "bracket_p2.tif"}]})");
    return 0;
}

int fuseWithOpenCv(const QString &folder)
{
    QList<QImage> pictures;
    for (int i = 0; i < 3; ++i) {
        pictures.append(QImage(bracketFile(folder, i)).convertToFormat(QImage::Format_ARGB32_Premultiplied));
        if (pictures.last().isNull()) {
            std::fprintf(stderr, "benchmark input missing: %s\n", qPrintable(bracketFile(folder, i)));
            return 1;
        }
    }
    useOpenCvSerially();
    cv::setNumThreads(-1);
    return mergeMertens(pictures).save(folder + QStringLiteral("/opencv.tif")) ? 0 : 1;
}

int compareFiles(const QString &a, const QString &b)
{
    const QImage first = QImage(a).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage second = QImage(b).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (first.isNull() || second.isNull() || first.size() != second.size()) {
        std::fprintf(stderr, "cannot compare %s and %s\n", qPrintable(a), qPrintable(b));
        return 1;
    }
    const auto [mean, p99] = differences(first, second);
    std::printf("mean %.3f/255, p99 %d/255\n", mean, p99);
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc >= 3) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        QGuiApplication app(argc, argv);
        const QString mode = QString::fromLocal8Bit(argv[1]);
        if (mode == QLatin1String("--write-bracket"))
            return writeBracket(QString::fromLocal8Bit(argv[2]));
        if (mode == QLatin1String("--opencv"))
            return fuseWithOpenCv(QString::fromLocal8Bit(argv[2]));
        if (mode == QLatin1String("--compare") && argc >= 4)
            return compareFiles(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    }
    return runBenchmarks(argc, argv);
}
