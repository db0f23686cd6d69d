// Throughput of the 26 filters on two 24-megapixel photos, against two floors measured
// in the same run: (a) a plain pass over the same bytes (read two pictures, write one)
// and (b) the least linear-light kernel (decode both through the same tables, multiply,
// encode). A table of every operation's time over floor (b) is printed at the end.
//
// The mixing controls' cost (a mode at opacity 50 % and in the sRGB space against the
// mode alone) is best read with the runs interleaved, since a machine's speed drifts
// over a run that times every mode before every variant:
//
//   build/dev/bench/bench_filters --benchmark_filter='^(CIAdditionCompositing|CIMultiplyBlendMode)'
//       --benchmark_enable_random_interleaving=true --benchmark_repetitions=5
//       --benchmark_min_time=0.5 --benchmark_report_aggregates_only=true   (one command)
#include "imaging/ColourTables.h"
#include "imaging/Filters.h"
#include "imaging/ImageConversion.h"
#include "imaging/Parallel.h"

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImageReader>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

namespace {

struct Inputs {
    QImage a, b, mask;
};

// A benchmark input; a missing photo stops the run, so nothing is timed on other pictures.
QImage loadPhoto(const char *name)
{
    QImageReader reader(QString(QUILLANE_PHOTOS_DIR) + "/" + name);
    reader.setAutoTransform(true);
    QImage image = reader.read();
    if (image.isNull()) {
        std::fprintf(stderr, "benchmark input missing: %s/%s (%s)\n", QUILLANE_PHOTOS_DIR, name,
                     qPrintable(reader.errorString()));
        std::exit(1);
    }
    return CGImageRefFromImage(image);
}

// An opaque mask with a soft green disc, the size of the photos.
QImage discMask(QSize size)
{
    QImage mask(size, kCanonicalFormat);
    const double cx = size.width() / 2.0, cy = size.height() / 2.0, radius = std::min(cx, cy);
    for (int y = 0; y < size.height(); ++y) {
        auto *row = reinterpret_cast<QRgb *>(mask.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            const double d = std::hypot(x - cx, y - cy) / radius;
            row[x] = qRgb(0, static_cast<int>(255 * std::clamp(1.5 - d, 0.0, 1.0)), 0);
        }
    }
    return mask;
}

const Inputs &inputs()
{
    static const Inputs loaded = [] {
        Inputs in{loadPhoto("pair24_a.jpg"), loadPhoto("pair24_b.jpg"), {}};
        in.mask = discMask(in.a.size());
        return in;
    }();
    return loaded;
}

const std::string kOpacitySuffix = "_opacity50";
const std::string kSrgbSuffix = "_srgb";

std::map<std::string, double> &bestSeconds()
{
    static std::map<std::string, double> best;
    return best;
}

// Runs `op` once per iteration, recording the best wall time under `name`.
template <class Op> void timed(benchmark::State &state, const std::string &name, Op op)
{
    double best = 1e30;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        QImage out = op();
        benchmark::DoNotOptimize(out.constBits());
        best =
            std::min(best, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    state.SetItemsProcessed(state.iterations() * inputs().a.width() * inputs().a.height());
    bestSeconds()[name] = best;
}

// Writes out[x] = pixel(a[x], b[x]) over the overlap of two pictures, rows in parallel.
template <class PerPixel> QImage pixelPass(const QImage &a, const QImage &b, PerPixel pixel)
{
    const int w = std::min(a.width(), b.width()), h = std::min(a.height(), b.height());
    QImage out(w, h, kCanonicalFormat);
    uchar *bits = out.bits();
    const qsizetype stride = out.bytesPerLine();
    parallelRows(h, [&](int begin, int end) {
        for (int y = begin; y < end; ++y) {
            const auto *ra = reinterpret_cast<const QRgb *>(a.constScanLine(y));
            const auto *rb = reinterpret_cast<const QRgb *>(b.constScanLine(y));
            auto *ro = reinterpret_cast<QRgb *>(bits + y * stride);
            for (int x = 0; x < w; ++x)
                ro[x] = pixel(ra[x], rb[x]);
        }
    });
    return out;
}

// Floor (a): every output byte from the two inputs, no colour work.
QImage plainPass(const QImage &a, const QImage &b)
{
    return pixelPass(a, b, [](QRgb pa, QRgb pb) { return pa ^ pb; });
}

// Floor (b): decode both opaque inputs through the tables, multiply, encode.
QImage leastLinearKernel(const QImage &a, const QImage &b)
{
    const ColourTables &t = colourTables();
    constexpr float steps = ColourTables::kEncodeSteps;
    auto channel = [&t](QRgb pa, QRgb pb, int shift) {
        const float v = t.decode[(pa >> shift) & 0xff] * t.decode[(pb >> shift) & 0xff];
        return static_cast<quint32>(t.encode[static_cast<int>(v * steps + 0.5f)] + 0.5f) << shift;
    };
    return pixelPass(a, b, [&channel](QRgb pa, QRgb pb) {
        return 0xff000000u | channel(pa, pb, 16) | channel(pa, pb, 8) | channel(pa, pb, 0);
    });
}

void registerAll()
{
    auto add = [](const std::string &name, auto op) {
        benchmark::RegisterBenchmark(name.c_str(),
                                     [name, op](benchmark::State &state) { timed(state, name, op); })
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime()
            ->MinTime(2.0);
    };
    add("floor_a_plain_pass", [] { return plainPass(inputs().a, inputs().b); });
    add("floor_b_linear_multiply", [] { return leastLinearKernel(inputs().a, inputs().b); });
    for (int mode = 0; mode < kBlendModeCount; ++mode)
        add(blendTable()[mode].filterName, [mode] { return imageComposite(inputs().b, inputs().a, mode); });
    // The mixing controls on a few modes of each family: the same kernel at opacity 50 %
    // and in the sRGB space (target: each within 10 % of the mode's own time).
    for (const int mode : {0, 9, 16, 18, 24}) {
        const std::string name = blendTable()[mode].filterName;
        add(name + kOpacitySuffix, [mode] { return imageComposite(inputs().b, inputs().a, mode, 0.5f); });
        add(name + kSrgbSuffix,
            [mode] { return imageComposite(inputs().b, inputs().a, mode, 1.0f, BlendSpace::Srgb); });
    }
    add("CIBlendWithMask", [] { return imageShape(inputs().b, inputs().a, inputs().mask); });
    add("CISwipeTransition_horizontal", [] { return imageSwipe(inputs().a, inputs().b); });
    add("CISwipeTransition_vertical", [] { return imageSwipeVertical(inputs().a, inputs().b); });
}

bool nonSeparable(const std::string &name)
{
    return name == "CIColorBlendMode" || name == "CIHueBlendMode" || name == "CILuminosityBlendMode" ||
           name == "CISaturationBlendMode";
}

void printSummary()
{
    const auto &best = bestSeconds();
    if (!best.count("floor_b_linear_multiply") || !best.count("floor_a_plain_pass"))
        return;
    const double floorB = best.at("floor_b_linear_multiply");
    std::printf("\n%-32s %10s %12s %8s\n", "operation", "best ms", "/ floor (b)", "target");
    for (const auto &[name, seconds] : best) {
        const char *target = name.rfind("floor", 0) == 0 ? "" : nonSeparable(name) ? "<= 3" : "<= 1.5";
        std::printf("%-32s %10.1f %12.2f %8s\n", name.c_str(), seconds * 1e3, seconds / floorB, target);
    }
    std::printf("floor (b) / floor (a) = %.2f (target <= 4)\n", floorB / best.at("floor_a_plain_pass"));
    for (const auto &[name, seconds] : best)
        for (const std::string &suffix : {kOpacitySuffix, kSrgbSuffix})
            if (name.size() > suffix.size() && name.ends_with(suffix)) {
                const std::string base = name.substr(0, name.size() - suffix.size());
                if (best.count(base))
                    std::printf("%-32s %6.3f x %s (target <= 1.10)\n", name.c_str(), seconds / best.at(base),
                                base.c_str());
            }
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen"); // no display needed
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    std::printf("%d x %d pixels, %d threads\n", inputs().a.width(), inputs().a.height(),
                imagingThreadCount());
    registerAll();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    printSummary();
    return 0;
}
