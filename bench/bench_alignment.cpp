// Align to Background on the 24-megapixel photo: the photo turned by 2 degrees, scaled by
// 1.03 and shifted by (40, -25) pixels, at the same exposure and two stops darker.
// Reports the time of one alignment and, as counters, how far the recovered mapping puts
// the photo's four corners from the true ones (corner_px, the largest) and how many
// matches agreed. Writes the pairs as TIFF files for a comparison with other tools when
// QUILLANE_ALIGN_PAIRS names a folder (bench/compare_alignment.sh), and with
//   bench_alignment --residual BACKGROUND ALIGNED
// tells how far from the background's pixels ALIGNED (another tool's output of the pair,
// in the background's frame) still lies: the corners of the mapping found between them,
// in pixels (this engine's own corner error, a few hundredths of a pixel, is the floor).
#include "BenchPhotos.h"

#include "imaging/Alignment.h"
#include "imaging/OpenCvBridge.h"

#include <QDir>

#include <opencv2/imgproc.hpp>

#include <array>
#include <cmath>

namespace {

// The true mapping from the made photo's pixel centres to the background's.
cv::Matx33d trueMapping(QSize size)
{
    const double turn = 2.0 * M_PI / 180.0;
    const double scale = 1.03;
    const double cx = (size.width() - 1) / 2.0, cy = (size.height() - 1) / 2.0;
    const cv::Matx33d centre(1, 0, cx, 0, 1, cy, 0, 0, 1);
    const cv::Matx33d turnAndScale(scale * std::cos(turn), -scale * std::sin(turn), 0, scale * std::sin(turn),
                                   scale * std::cos(turn), 0, 0, 0, 1);
    const cv::Matx33d shift(1, 0, 40, 0, 1, -25, 0, 0, 1);
    return shift * centre * turnAndScale * centre.inv();
}

// The picture two stops darker: a quarter of the light, through the sRGB curve.
QImage twoStopsDarker(const QImage &picture)
{
    std::array<uchar, 256> table{};
    for (int v = 0; v < 256; ++v) {
        const double c = v / 255.0;
        const double linear = c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        const double dark = linear / 4.0;
        const double encoded = dark <= 0.0031308 ? dark * 12.92 : 1.055 * std::pow(dark, 1 / 2.4) - 0.055;
        table[size_t(v)] = uchar(std::lround(encoded * 255.0));
    }
    QImage dark = picture.copy();
    for (int y = 0; y < dark.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(dark.scanLine(y));
        for (int x = 0; x < dark.width(); ++x)
            line[x] = qRgba(table[size_t(qRed(line[x]))], table[size_t(qGreen(line[x]))],
                            table[size_t(qBlue(line[x]))], qAlpha(line[x]));
    }
    return dark;
}

// The photo of the pair: what a camera turned, zoomed and moved against the background
// would have taken (black where it sees past the background).
QImage madePhoto(const QImage &background, bool darker)
{
    QImage photo(background.size(), QImage::Format_ARGB32_Premultiplied);
    cv::Mat to = matOfPicture(photo);
    cv::warpPerspective(matOfPicture(background), to, cv::Mat(trueMapping(background.size())), to.size(),
                        cv::INTER_LINEAR | cv::WARP_INVERSE_MAP, cv::BORDER_CONSTANT,
                        cv::Scalar(0, 0, 0, 255));
    return darker ? twoStopsDarker(photo) : photo;
}

// The largest distance, in background pixels, between where the recovered and the true
// mapping put the photo's corners.
double cornerError(const PhotoAlignment &h, QSize size)
{
    const cv::Matx33d truth = trueMapping(size);
    double worst = 0.0;
    for (const QPointF corner : {QPointF(0, 0), QPointF(size.width(), 0), QPointF(0, size.height()),
                                 QPointF(size.width(), size.height())}) {
        const QPointF found =
            mapNormalised(h, QPointF(corner.x() / size.width(), corner.y() / size.height()));
        const cv::Vec3d t = truth * cv::Vec3d(corner.x() - 0.5, corner.y() - 0.5, 1.0);
        const QPointF expected(t[0] / t[2] + 0.5, t[1] / t[2] + 0.5);
        worst = std::max(worst, std::hypot(found.x() * size.width() - expected.x(),
                                           found.y() * size.height() - expected.y()));
    }
    return worst;
}

void BM_AlignToBackground(benchmark::State &state)
{
    const QImage &background = benchPhotos().a;
    const QImage photo = madePhoto(background, state.range(0) == 1);
    if (const QByteArray folder = qgetenv("QUILLANE_ALIGN_PAIRS"); !folder.isEmpty()) {
        QDir().mkpath(QString::fromLocal8Bit(folder));
        background.save(QString::fromLocal8Bit(folder) + QStringLiteral("/background.tif"));
        photo.save(QString::fromLocal8Bit(folder) + QStringLiteral("/photo%1.tif").arg(state.range(0)));
    }
    AlignmentSearch search;
    for (auto _ : state)
        search = findAlignment(background, photo);
    if (!search.alignment) {
        state.SkipWithError("no alignment found");
        return;
    }
    state.counters["corner_px"] = cornerError(*search.alignment, background.size());
    state.counters["matches"] = search.matches;
}
BENCHMARK(BM_AlignToBackground)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

} // namespace

int main(int argc, char **argv)
{
    if (argc == 4 && QByteArray(argv[1]) == "--residual") {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        QGuiApplication app(argc, argv);
        const QImage background =
            QImage(QString::fromLocal8Bit(argv[2])).convertToFormat(QImage::Format_ARGB32_Premultiplied);
        const QImage aligned =
            QImage(QString::fromLocal8Bit(argv[3])).convertToFormat(QImage::Format_ARGB32_Premultiplied);
        const AlignmentSearch search = findAlignment(background, aligned);
        if (!search.alignment) {
            std::fprintf(stderr, "no alignment between %s and %s\n", argv[2], argv[3]);
            return 1;
        }
        double worst = 0.0;
        for (const QPointF corner : {QPointF(0, 0), QPointF(1, 0), QPointF(0, 1), QPointF(1, 1)}) {
            const QPointF moved = mapNormalised(*search.alignment, corner) - corner;
            worst =
                std::max(worst, std::hypot(moved.x() * background.width(), moved.y() * background.height()));
        }
        std::printf("residual corner displacement %.3f px\n", worst);
        return 0;
    }
    return runBenchmarks(argc, argv);
}
