// Align to Background on made scenes: known turns, scales, shifts and exposure changes
// are recovered; a pair with nothing in common is refused; the warp resamples the photo
// into the background's frame. And the nine numbers' own rules.
#include "TestImages.h"

#include "imaging/Alignment.h"
#include "model/PhotoAlignment.h"

#include <QFile>
#include <QPainter>
#include <QRandomGenerator>

#include <cmath>
#include <cstdlib>

#include <sys/resource.h>
#include <unistd.h>

namespace {

// A scene with corners and edges everywhere: random rectangles and ellipses in random
// colours over a grey ground.
QImage scene(int width, int height, quint32 seed)
{
    QRandomGenerator random(seed);
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(QColor(128, 128, 128));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < 400; ++i) {
        painter.setBrush(QColor::fromRgb(random.bounded(256), random.bounded(256), random.bounded(256)));
        painter.setPen(Qt::NoPen);
        const QRectF box(random.bounded(width), random.bounded(height), 6 + random.bounded(50),
                         6 + random.bounded(50));
        if (i % 2)
            painter.drawRect(box);
        else
            painter.drawEllipse(box);
    }
    return image;
}

// The picture with its light multiplied by 2^stops (through the sRGB curve, clipped).
QImage exposed(const QImage &picture, double stops)
{
    QImage out = picture.copy();
    const auto change = [stops](int v) {
        const double c = v / 255.0;
        const double linear = c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        const double light = std::min(1.0, linear * std::pow(2.0, stops));
        return int(std::lround(
            255 * (light <= 0.0031308 ? light * 12.92 : 1.055 * std::pow(light, 1 / 2.4) - 0.055)));
    };
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x) {
            const QRgb v = out.pixel(x, y);
            out.setPixel(x, y, qRgb(change(qRed(v)), change(qGreen(v)), change(qBlue(v))));
        }
    return out;
}

struct Motion {
    const char *name;
    double degrees, scale, dx, dy, stops;
};

// The mapping from the photo's pixels (edges at whole numbers) to the background's: a
// turn and a scale about the centre, then a shift.
QTransform photoToBackground(const Motion &m, QSize size)
{
    const QPointF centre(size.width() / 2.0, size.height() / 2.0);
    QTransform t;
    t.translate(centre.x() + m.dx, centre.y() + m.dy);
    t.rotate(m.degrees);
    t.scale(m.scale, m.scale);
    t.translate(-centre.x(), -centre.y());
    return t;
}

// What a camera moved that way would have seen: the background drawn through the
// inverse mapping, black beyond it.
QImage photoOf(const QImage &background, const Motion &m)
{
    QImage photo(background.size(), QImage::Format_ARGB32_Premultiplied);
    photo.fill(Qt::black);
    QPainter painter(&photo);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setTransform(photoToBackground(m, background.size()).inverted());
    painter.drawImage(0, 0, background);
    painter.end();
    return m.stops == 0 ? photo : exposed(photo, m.stops);
}

class AlignmentRecovers : public ::testing::TestWithParam<Motion> {};

TEST_P(AlignmentRecovers, TheCornersWithinHalfAPixel)
{
    const Motion &m = GetParam();
    const QImage background = scene(640, 480, 11);
    const AlignmentSearch search = findAlignment(background, photoOf(background, m));
    ASSERT_TRUE(search.alignment) << qPrintable(search.failure);
    EXPECT_GE(search.matches, kLeastAlignmentMatches);
    const QTransform truth = photoToBackground(m, background.size());
    for (const QPointF corner : {QPointF(0, 0), QPointF(640, 0), QPointF(0, 480), QPointF(640, 480)}) {
        const QPointF found = mapNormalised(*search.alignment, QPointF(corner.x() / 640, corner.y() / 480));
        const QPointF expected = truth.map(corner);
        EXPECT_NEAR(found.x() * 640, expected.x(), 0.5) << corner.x() << "," << corner.y();
        EXPECT_NEAR(found.y() * 480, expected.y(), 0.5) << corner.x() << "," << corner.y();
    }
}

INSTANTIATE_TEST_SUITE_P(Alignment, AlignmentRecovers,
                         ::testing::Values(Motion{"Unmoved", 0, 1, 0, 0, 0}, Motion{"Shift", 0, 1, 12, -7, 0},
                                           Motion{"Turn", 3, 1, 0, 0, 0}, Motion{"Scale", 0, 1.05, 0, 0, 0},
                                           Motion{"All", 2, 1.03, 10, -6, 0},
                                           Motion{"TwoStopsDarker", 2, 1.03, 10, -6, -2},
                                           Motion{"OneStopBrighter", -1.5, 0.97, -8, 5, 1}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(Alignment, RefusesAPairWithNothingInCommon)
{
    const AlignmentSearch search = findAlignment(scene(640, 480, 11), scene(640, 480, 99));
    EXPECT_FALSE(search.alignment);
    EXPECT_LT(search.matches, kLeastAlignmentMatches);
    EXPECT_FALSE(search.failure.isEmpty());
    EXPECT_FALSE(findAlignment(scene(64, 48, 1), solidImage(64, 48, 0xff808080)).alignment);
}

// Out of memory in the middle of the search (the address space capped in a child process
// just above what it holds): the search says so, it does not end the program. Sanitizer
// builds reserve address space of their own and skip it.
TEST(Alignment, RunningOutOfMemorySaysSo)
{
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
    GTEST_SKIP() << "a capped address space and a sanitizer's shadow memory do not mix";
#else
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const auto search = [](qint64 spare) {
        const QImage background = scene(1600, 1200, 5), photo = scene(1600, 1200, 5);
        QFile status(QStringLiteral("/proc/self/statm"));
        if (!status.open(QIODevice::ReadOnly))
            std::exit(2);
        const qint64 pages = status.readAll().split(' ').front().toLongLong();
        const rlim_t cap = rlim_t(pages * sysconf(_SC_PAGESIZE) + spare);
        const rlimit limit{cap, cap};
        setrlimit(RLIMIT_AS, &limit);
        const AlignmentSearch found = findAlignment(background, photo);
        std::exit(!found.alignment && found.failure.contains(QStringLiteral("memory")) ? 0 : 1);
    };
    for (const qint64 spare : {qint64(1) << 20, qint64(6) << 20, qint64(24) << 20})
        EXPECT_EXIT(search(spare), testing::ExitedWithCode(0), "") << spare / (1 << 20) << " MB spare";
#endif
}

TEST(Alignment, TheWarpResamplesOnceIntoTheFrame)
{
    const QImage photo = noiseImage(40, 30, 5, true);
    EXPECT_EQ(warpPhoto(photo, kIdentityAlignment, photo.size()), photo);
    // Three pixels to the right: the first three columns are not covered.
    const PhotoAlignment shift{1, 0, 3.0 / 40, 0, 1, 0, 0, 0, 1};
    const QImage moved = warpPhoto(photo, shift, photo.size());
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x)
            ASSERT_EQ(moved.pixel(x, y), x < 3 ? 0u : photo.pixel(x - 3, y)) << x << "," << y;
    // Into a frame twice as large, normalised coordinates stretch with it: the centre of
    // pixel (41, 31) reads the photo at (20.75, 15.75), between its pixel centres.
    const QImage gradient = gradientImage(40, 30); // red counts x, green counts 29 - row
    const QImage doubled = warpPhoto(gradient, kIdentityAlignment, QSize(80, 60));
    ASSERT_EQ(doubled.size(), QSize(80, 60));
    EXPECT_NEAR(qRed(doubled.pixel(41, 31)), 20.25, 0.75);
    EXPECT_NEAR(qGreen(doubled.pixel(41, 31)), 13.75, 0.75);
}

TEST(PhotoAlignment, UsableMappings)
{
    EXPECT_TRUE(isUsableAlignment(kIdentityAlignment));
    EXPECT_TRUE(isUsableAlignment({1.1, 0.02, -0.03, -0.01, 0.98, 0.02, 0.01, -0.02, 1}));
    EXPECT_FALSE(isUsableAlignment({1, 0, qQNaN(), 0, 1, 0, 0, 0, 1}));
    EXPECT_FALSE(isUsableAlignment({1, 0, 0, 0, 1, 0, 0, 0, qInf()}));
    EXPECT_FALSE(isUsableAlignment({1, 2, 0, 2, 4, 0, 0, 0, 1}));  // singular
    EXPECT_FALSE(isUsableAlignment({1, 0, 0, 0, 1, 0, -2, 0, 1})); // a corner behind the eye
    EXPECT_FALSE(isUsableAlignment({0, 0, 0, 0, 0, 0, 0, 0, 0}));
}

TEST(PhotoAlignment, PixelsAndNormalisedCoordinatesRoundTrip)
{
    const PhotoAlignment h{1.02, 0.03, 0.01, -0.02, 0.99, 0.04, 0.001, -0.002, 1};
    const QTransform pixels = alignmentInPixels(h, QSizeF(600, 400), QSizeF(300, 200));
    const QPointF p = pixels.map(QPointF(150, 100));
    const QPointF n = mapNormalised(h, QPointF(0.25, 0.25));
    EXPECT_NEAR(p.x(), n.x() * 300, 1e-9);
    EXPECT_NEAR(p.y(), n.y() * 200, 1e-9);
    const PhotoAlignment back = alignmentFromPixels(pixels, QSizeF(600, 400), QSizeF(300, 200));
    for (size_t i = 0; i < 9; ++i)
        EXPECT_NEAR(back[i], h[i], 1e-12) << i;
}

} // namespace
