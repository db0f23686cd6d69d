#include "imaging/Filters.h"
#include "imaging/FloatOps.h"
#include "imaging/Geometry.h"
#include "imaging/MaskRaster.h"
#include "imaging/Parallel.h"
#include "model/PhotoProject.h"
#include "model/ProjectFile.h"
#include "model/ProjectMode.h"
#include "render/PassCache.h"
#include "render/PassMemory.h"
#include "render/RegionPass.h"
#include "render/RenderPass.h"

#include "PreviewCompare.h"
#include "TestImages.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cmath>

namespace {

// ---- an independent model of the mask's formulas, in double precision ----------------

double clamp01(double v)
{
    return std::min(1.0, std::max(0.0, v));
}

double distanceToSegment(QPointF p, QPointF a, QPointF b)
{
    const QPointF ab = b - a;
    const double length2 = QPointF::dotProduct(ab, ab);
    const double t = length2 > 0 ? clamp01(QPointF::dotProduct(p - a, ab) / length2) : 0.0;
    const QPointF nearest = a + ab * t;
    return std::hypot(p.x() - nearest.x(), p.y() - nearest.y());
}

double profile(double t, double h)
{
    if (t >= 1)
        return 0;
    if (t <= h)
        return 1;
    const double s = (t - h) / (1 - h);
    return 1 - s * s * (3 - 2 * s);
}

double modelM(const PhotoMask &mask, QSize size, int x, int y)
{
    const double w = size.width(), h = size.height();
    const QPointF p(x + 0.5, y + 0.5);
    auto pixel = [&](QPointF f) { return QPointF(f.x() * w, f.y() * h); };
    double m = 1;
    for (const MaskGradient &g : mask.gradients) {
        const QPointF from = pixel(g.from), axis = pixel(g.to) - from;
        if (g.type == MaskGradient::Linear) {
            m *= clamp01(1 - QPointF::dotProduct(p - from, axis) / QPointF::dotProduct(axis, axis));
            continue;
        }
        const double d = std::hypot(p.x() - from.x(), p.y() - from.y()), r = g.radius * w, r0 = g.inner * w;
        m *= d <= r0 ? 1 : d >= r ? 0 : (r - d) / (r - r0);
    }
    for (const MaskStroke &stroke : mask.strokes) {
        double d = std::numeric_limits<double>::max();
        for (qsizetype i = 0; i < stroke.points.size(); ++i)
            d = std::min(d,
                         distanceToSegment(p, pixel(stroke.points[i]),
                                           pixel(stroke.points[std::min(i + 1, stroke.points.size() - 1)])));
        const double a = stroke.opacity / 100 * profile(d / (stroke.size / 2 * w), stroke.hardness / 100);
        m += ((stroke.show ? 1.0 : 0.0) - m) * a;
    }
    return mask.invert ? 1 - m : m;
}

MaskStroke stroke(bool show, double size, double hardness, double opacity, QList<QPointF> points)
{
    return {show, size, hardness, opacity, std::move(points)};
}

MaskGradient linear(QPointF from, QPointF to)
{
    return {MaskGradient::Linear, from, to, 0, 0};
}

MaskGradient radial(QPointF centre, double radius, double inner)
{
    return {MaskGradient::Radial, centre, {}, radius, inner};
}

struct RasterCase {
    const char *name;
    PhotoMask mask;
    QSize size;
};

const RasterCase kRasterCases[] = {
    {"linear left to right", {{linear({0.2, 0.5}, {0.8, 0.5})}, {}, false}, {40, 30}},
    {"linear right to left, hidden on the left", {{linear({0.7, 0.4}, {0.3, 0.6})}, {}, false}, {45, 30}},
    {"linear at 45 degrees", {{linear({0.1, 0.1}, {0.9, 0.8})}, {}, false}, {40, 30}},
    {"linear at 120 degrees, outside the photo", {{linear({1.3, -0.2}, {0.2, 1.4})}, {}, false}, {33, 47}},
    {"linear upwards", {{linear({0.5, 0.9}, {0.5, 0.3})}, {}, false}, {21, 50}},
    {"radial with inner", {{radial({0.4, 0.6}, 0.4, 0.15)}, {}, false}, {50, 30}},
    {"radial without inner", {{radial({0.5, 0.5}, 0.3, 0)}, {}, false}, {31, 31}},
    {"two gradients multiply", {{linear({0, 0}, {1, 0}), radial({0.5, 0.5}, 0.5, 0.2)}, {}, false}, {40, 40}},
    {"soft hide stroke",
     {{}, {stroke(false, 0.3, 0, 100, {{0.1, 0.2}, {0.5, 0.6}, {0.9, 0.3}})}, false},
     {50, 40}},
    {"half-hard stroke at opacity 60",
     {{}, {stroke(false, 0.25, 50, 60, {{0.2, 0.8}, {0.8, 0.2}})}, false},
     {45, 45}},
    {"one dab", {{}, {stroke(false, 0.4, 20, 100, {{0.5, 0.5}})}, false}, {30, 20}},
    {"hide then show",
     {{},
      {stroke(false, 0.5, 30, 100, {{0.3, 0.5}, {0.7, 0.5}}),
       stroke(true, 0.2, 0, 70, {{0.5, 0.1}, {0.5, 0.9}})},
      false},
     {40, 40}},
    {"zigzag over itself does not build up",
     {{},
      {stroke(false, 0.4, 40, 50, {{0.2, 0.5}, {0.8, 0.5}, {0.2, 0.52}, {0.8, 0.55}, {0.5, 0.5}})},
      false},
     {40, 30}},
    {"sharp turn and repeated points",
     {{},
      {stroke(false, 0.2, 10, 90, {{0.1, 0.1}, {0.1, 0.1}, {0.9, 0.15}, {0.15, 0.3}, {0.9, 0.9}})},
      false},
     {60, 40}},
    // More parts than one pass of eight takes, runs along and across the rows, bounds far
    // past the picture's edges, a hard brush, and rows of no whole number of vectors.
    {"long path leaving the photo, hard brush",
     {{},
      {stroke(false, 0.3, 100, 70,
              {{-0.4, 0.5},
               {0.3, 0.5},
               {0.3, 0.2},
               {0.6, 0.25},
               {0.6, 1.6},
               {0.9, 0.7},
               {1.5, 0.7},
               {0.2, -0.3}}),
       stroke(true, 0.15, 60, 100,
              {{0.1, 0.1},
               {0.2, 0.1},
               {0.25, 0.15},
               {0.3, 0.1},
               {0.35, 0.9},
               {0.45, 0.9},
               {0.5, 0.3},
               {0.7, 0.3},
               {0.72, 0.9},
               {0.9, 0.8}})},
      false},
     {61, 43}},
    {"gradient, strokes, inverted",
     {{linear({0, 0.5}, {1, 0.5})}, {stroke(true, 0.3, 0, 80, {{0.8, 0.5}, {0.6, 0.2}})}, true},
     {40, 30}},
};

void PrintTo(const RasterCase &c, std::ostream *os)
{
    *os << c.name;
}

class MaskRasterCase : public ::testing::TestWithParam<RasterCase> {};

} // namespace

TEST_P(MaskRasterCase, EveryPixelIsTheModelsWithinOneLevel)
{
    const RasterCase &c = GetParam();
    for (const QSize size : {c.size, c.size * 3}) {
        const QImage levels = rasterizeMask(c.mask, size);
        ASSERT_EQ(levels.size(), size);
        ASSERT_EQ(levels.format(), QImage::Format_Grayscale8); // one byte a pixel
        int worst = 0, spread = 0;
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x) {
                const int expected = int(std::lround(modelM(c.mask, size, x, y) * 255));
                const int got = levels.constScanLine(y)[x];
                worst = std::max(worst, std::abs(got - expected));
                spread |= got ^ levels.constScanLine(0)[0];
            }
        EXPECT_LE(worst, 1) << c.name << " at " << size.width() << " x " << size.height();
        EXPECT_NE(spread, 0) << c.name << ": the case has more than one value";
    }
}

INSTANTIATE_TEST_SUITE_P(Masks, MaskRasterCase, ::testing::ValuesIn(kRasterCases),
                         [](const ::testing::TestParamInfo<RasterCase> &info) {
                             return std::to_string(info.index);
                         });

TEST(MaskRaster, FourAndEightLaneRowsGiveTheSamePixels)
{
    // Eight lanes where the processor has AVX (else both are four).
    for (const RasterCase &c : kRasterCases)
        for (const QSize size : {c.size, c.size * 3}) {
            const QImage widest = rasterizeMask(c.mask, size);
            useFourLanesOnly(true);
            const QImage four = rasterizeMask(c.mask, size);
            useFourLanesOnly(false);
            EXPECT_EQ(four, widest) << c.name << " at " << size.width() << " x " << size.height();
        }
}

// Levels become alphas without a division: each of the 256 must be the quotient.
TEST(MaskRaster, LevelAlphasAreTheQuotientsOfEveryLevel)
{
    for (int level = 0; level < 256; ++level) {
        const float l = float(level), expected = l / 255.0f;
        EXPECT_EQ(levelAlphas(vfloat{l, l, l, l})[3], expected) << level;
        EXPECT_EQ(levelAlphas(vfloat8{l, l, l, l, l, l, l, l})[7], expected) << level;
    }
}

// A blend that rasterises the mask row by row as it renders gives what the mask rasterised
// to a picture first gives, bit for bit: a layer as large as the background or smaller (in
// the lower-left corner), inverted or not, over an opaque or a half-transparent
// background, in both widths of rows. A part of the mask gives that part of the blend.
TEST(MaskRaster, MaskRowsAsTheBlendsCoverageAreThePicturesCoverage)
{
    const PhotoMask mask{{linear({0.2, 0.1}, {0.7, 0.8}), radial({0.6, 0.4}, 0.4, 0.1)},
                         {stroke(false, 0.2, 30, 80, {{0.1, 0.9}, {0.9, 0.1}}),
                          stroke(true, 0.1, 100, 60, {{0.5, 0.2}, {0.5, 0.9}})},
                         false};
    for (const bool inverted : {false, true})
        for (const QSize layerSize : {QSize(157, 93), QSize(90, 41)})
            for (const bool opaque : {true, false})
                for (const bool fourLanes : {false, true}) {
                    PhotoMask given = mask;
                    given.invert = inverted;
                    const QImage background = noiseImage(157, 93, 1, opaque);
                    const QImage layer = noiseImage(layerSize.width(), layerSize.height(), 2, true);
                    useFourLanesOnly(fourLanes);
                    const QImage rows = imageComposite(background, layer, kNormalBlendMode, 0.7f,
                                                       BlendSpace::Linear, maskRows(given, layerSize));
                    const QImage picture =
                        imageComposite(background, layer, kNormalBlendMode, 0.7f, BlendSpace::Linear,
                                       rasterizeMask(given, layerSize));
                    // The layer's part lies that much lower in the blend (both anchored at
                    // the lower-left corner).
                    const QRect part(QPoint(11, 7), layerSize / 2);
                    const QRect under = part.translated(0, background.height() - layer.height());
                    const QImage partRows =
                        imageComposite(background.copy(under), layer.copy(part), kNormalBlendMode, 0.7f,
                                       BlendSpace::Linear, maskRows(given, layerSize, part));
                    useFourLanesOnly(false);
                    const QString name = QStringLiteral("inverted %1, layer %2, opaque %3, four lanes %4")
                                             .arg(inverted)
                                             .arg(layerSize.width())
                                             .arg(opaque)
                                             .arg(fourLanes);
                    EXPECT_EQ(rows, picture) << name.toStdString();
                    EXPECT_EQ(partRows, rows.copy(under)) << name.toStdString();
                }
}

TEST(MaskRaster, PartsAndThreadCountsGiveTheWholeMasksPixels)
{
    const PhotoMask mask{{radial({0.4, 0.4}, 0.5, 0.1)},
                         {stroke(false, 0.2, 30, 80, {{0.1, 0.9}, {0.9, 0.1}, {0.5, 0.7}})},
                         false};
    const QSize size(203, 150);
    const QImage whole = rasterizeMask(mask, size);
    const QRect part(37, 21, 90, 77);
    EXPECT_EQ(rasterizeMask(mask, size, part), whole.copy(part));
    setImagingThreadCount(1);
    const QImage single = rasterizeMask(mask, size);
    setImagingThreadCount(0);
    EXPECT_EQ(single, whole);
    // Applied to a photo, the mask scales its premultiplied channels by m.
    const QImage photo = noiseImage(size.width(), size.height(), 7);
    const QImage masked = applyMask(photo, mask);
    for (const QPoint p : {QPoint(0, 0), QPoint(100, 75), QPoint(202, 149), QPoint(20, 130)}) {
        const int m = whole.constScanLine(p.y())[p.x()];
        const QRgb in = photo.pixel(p), out = masked.pixel(p);
        EXPECT_EQ(qAlpha(out), (qAlpha(in) * m + 127) / 255);
        EXPECT_EQ(qRed(out), (qRed(in) * m + 127) / 255);
    }
    EXPECT_EQ(applyMask(photo, mask, size * 1, QPoint(0, 0)), masked);
    EXPECT_EQ(applyMask(photo.copy(part), mask, size, part.topLeft()), masked.copy(part));
}

// ---- the project file --------------------------------------------------------------------

namespace {

ProjectParse parseWithMask(const QByteArray &mask, const char *mode = "composite")
{
    return parseProject(QByteArray(R"({"mode": ")") + mode +
                            R"(", "photos": [{"file": "a.jpg"}, {"file": "b.jpg", "mask": )" + mask + "}]}",
                        QStringLiteral("/tmp"));
}

} // namespace

TEST(MaskProjectFile, MaskIsWrittenOnlyWhenItDoesSomethingAndReadsBackTheSame)
{
    const PhotoMask mask{{linear({0.1, 0.2}, {0.7, 0.3}), radial({0.5, 0.5}, 0.3, 0.1)},
                         {stroke(false, 0.05, 50, 75, {{0.1, 0.1}, {0.2, 0.3333333333333333}}),
                          stroke(true, 0.2, 0, 100, {{-0.5, 1.5}})},
                         true};
    for (const quint64 mode : {Composite, Shape, Transparent}) {
        NewPhotoList photos = {makePhoto(QImage(), QStringLiteral("a"), mode),
                               makePhoto(QImage(), QStringLiteral("b"), mode)};
        photos[0]->sFile = QStringLiteral("/tmp/a.jpg");
        photos[1]->sFile = QStringLiteral("/tmp/b.jpg");
        const QByteArray plain = projectJson(mode, photos, QStringLiteral("/tmp"));
        EXPECT_FALSE(plain.contains("mask")) << "a photo without a mask writes no key";
        photos[1]->mask = mask;
        const ProjectParse read = parseProject(projectJson(mode, photos, QStringLiteral("/tmp")), "/tmp");
        ASSERT_TRUE(read.ok()) << read.error.toStdString();
        EXPECT_EQ(read.project.photos[1]->mask, mask) << "mode " << mode;
        EXPECT_TRUE(read.project.photos[0]->mask.isEmpty());
    }
}

TEST(MaskProjectFile, WrongMasksAreRefusedNamingTheKey)
{
    const struct {
        const char *mask;
        const char *mode;
        const char *named; // a part of the message
    } cases[] = {
        {R"([])", "composite", "\u201Cmask\u201D must be an object"},
        {R"({"brush": []})", "composite", "unknown key \u201Cbrush\u201D"},
        {R"({"invert": 1})", "composite", "\u201Cinvert\u201D must be true or false"},
        {R"({"gradients": [{"type": "conic"}]})", "composite", "\u201Cgradients\u201D 1: must be an object"},
        {R"({"gradients": [{"type": "linear", "from": [0, 0], "to": [3, 0]}]})", "shape",
         "\u201Cto\u201D must be a point"},
        {R"({"gradients": [{"type": "radial", "centre": [0, 0], "radius": 0}]})", "composite",
         "\u201Cradius\u201D must be above 0"},
        {R"({"strokes": [{"paint": "erase"}]})", "composite", "\u201Cstrokes\u201D 1: must be an object"},
        {R"({"strokes": [{"paint": "hide", "size": 0, "points": [[0, 0]]}]})", "composite",
         "\u201Csize\u201D must be above 0 and at most 2, not 0"},
        {R"({"strokes": [{"paint": "hide", "size": 2.5, "points": [[0, 0]]}]})", "transparent",
         "\u201Csize\u201D must be above 0 and at most 2, not 2.5"},
        {R"({"strokes": [{"paint": "hide", "size": 0.1, "hardness": 101, "points": [[0, 0]]}]})", "composite",
         "\u201Chardness\u201D must be from 0 to 100"},
        {R"({"strokes": [{"paint": "show", "size": 0.1, "opacity": "full", "points": [[0, 0]]}]})",
         "composite", "\u201Copacity\u201D must be from 0 to 100"},
        {R"({"strokes": [{"paint": "hide", "size": 0.1, "points": []}]})", "composite",
         "\u201Cpoints\u201D must be a list of at least one point"},
        {R"({"strokes": [{"paint": "hide", "size": 0.1, "points": [[0, 0], [0.5, -1.5]]}]})", "composite",
         "\u201Cpoints\u201D 2: must be a point"},
        {R"({"strokes": [{"paint": "hide", "size": 0.1, "points": [[0, 0, 0]]}]})", "composite",
         "\u201Cpoints\u201D 1: must be a point"},
        {R"({})", "linear-vertical",
         "key \u201Cmask\u201D belongs to composite, shape, transparent projects"},
    };
    for (const auto &c : cases) {
        const ProjectParse parse = parseWithMask(c.mask, c.mode);
        EXPECT_EQ(parse.kind, ProjectError::Invalid) << c.mask;
        EXPECT_TRUE(parse.error.contains(QString::fromUtf8(c.named))) << parse.error.toStdString();
        EXPECT_TRUE(parse.error.startsWith(QStringLiteral("photo 2: "))) << parse.error.toStdString();
    }
    EXPECT_TRUE(parseWithMask(R"({"strokes": [{"paint": "hide", "size": 2, "points": [[-1, 2]]}]})").ok());
}

TEST(MaskProjectFile, StrokesAndPointsOfAWholeProjectAreBounded)
{
    auto project = [](int strokes, int pointsEach) {
        QByteArray points = "[0.5, 0.5]";
        for (int i = 1; i < pointsEach; ++i)
            points += ", [0.5, 0.5]";
        QByteArray list;
        for (int i = 0; i < strokes; ++i)
            list +=
                QByteArray(i ? "," : "") + R"({"paint": "hide", "size": 0.1, "points": [)" + points + "]}";
        return parseWithMask(R"({"strokes": [)" + list + "]}");
    };
    EXPECT_TRUE(project(10000, 1).ok());
    EXPECT_TRUE(project(10001, 1).error.contains(QStringLiteral("10001 strokes, more than the 10000")));
    EXPECT_TRUE(project(2, 500000).ok());
    EXPECT_TRUE(project(2, 500001).error.contains(QStringLiteral("1000002 points, more than the 1000000")));
}

// ---- the pipelines -----------------------------------------------------------------------

namespace {

// m = 0.5 everywhere: a hard dab at half opacity over the whole photo.
const PhotoMask kHalf{{}, {stroke(false, 2.0, 100, 50, {{0.5, 0.5}})}, false};

NewPhoto photoOf(const QImage &image, quint64 mode)
{
    return makePhoto(image, QStringLiteral("p.png"), mode);
}

PhotoList pair(quint64 mode, const QImage &background, const QImage &layer, const PhotoMask &mask)
{
    NewPhoto top = photoOf(layer, mode);
    top->mask = mask;
    top->m_Composite_Blend_Mode = kNormalBlendMode;
    top->f_Transparent_Size = 100;
    top->m_Shape_Type = 0;
    return {photoOf(background, mode), top};
}

} // namespace

TEST(MaskPipelines, HalfMaskIsOpacityFiftyAndFullMaskIsNoMask)
{
    const QImage background = noiseImage(48, 32, 1, true), layer = noiseImage(48, 32, 2, true);
    for (const BlendSpace space : {BlendSpace::Linear, BlendSpace::Srgb}) {
        ProjectOptions options;
        options.blendSpace = space;
        PhotoList masked = pair(Composite, background, layer, kHalf);
        PhotoList faded = pair(Composite, background, layer, {});
        const_cast<Object_Photo &>(*faded[1]).f_Composite_Opacity = 50;
        const QImage a = renderPass(masked, Composite, {}, true, 1.0, options).mixed;
        const QImage b = renderPass(faded, Composite, {}, true, 1.0, options).mixed;
        EXPECT_LE(largestDifference(a, b), 1) << "composite, space " << int(space);
        EXPECT_GT(
            largestDifference(
                a,
                renderPass(pair(Composite, background, layer, {}), Composite, {}, true, 1.0, options).mixed),
            10);
    }
    // Transparent: a transparency of 50 more.
    const PhotoList masked = pair(Transparent, background, layer, kHalf);
    PhotoList faded = pair(Transparent, background, layer, {});
    const_cast<Object_Photo &>(*faded[1]).f_Transparent_Transparency = 50;
    EXPECT_LE(largestDifference(renderPass(masked, Transparent, {}, true).mixed,
                                renderPass(faded, Transparent, {}, true).mixed),
              1);
    // m = 1 everywhere (shown everywhere) is no mask, bit for bit, in every mode.
    const PhotoMask shown{{}, {stroke(true, 2.0, 100, 100, {{0.5, 0.5}})}, false};
    for (const quint64 mode : {Composite, Shape, Transparent})
        EXPECT_EQ(renderPass(pair(mode, background, layer, shown), mode, {}, true).mixed,
                  renderPass(pair(mode, background, layer, {}), mode, {}, true).mixed)
            << "mode " << mode;
}

// A coverage level c scales the layer's alpha as an opacity of c / 255 more would; 255
// everywhere is no coverage, bit for bit. Separable, non-separable and compositing modes,
// over an opaque and a half-transparent background.
TEST(MaskPipelines, CoverageScalesTheLayersAlphaAsAnOpacity)
{
    const QImage layer = noiseImage(70, 9, 3, true);
    for (const bool opaque : {true, false}) {
        const QImage background = noiseImage(70, 9, 4, opaque);
        for (const quint64 mode :
             {quint64(0), quint64(9), quint64(16), quint64(17), quint64(22), kNormalBlendMode})
            for (const float opacity : {1.0f, 0.6f})
                for (const int level : {0, 77, 128, 255}) {
                    QImage coverage(layer.size(), QImage::Format_Grayscale8);
                    coverage.fill(level);
                    const QImage covered =
                        imageComposite(background, layer, mode, opacity, BlendSpace::Linear, coverage);
                    const QImage faded =
                        imageComposite(background, layer, mode, opacity * float(level) / 255.0f);
                    EXPECT_LE(largestDifference(covered, faded), 1)
                        << "mode " << mode << ", opacity " << opacity << ", level " << level;
                    if (level == 255) {
                        EXPECT_EQ(covered, imageComposite(background, layer, mode, opacity))
                            << "mode " << mode;
                    }
                }
    }
}

// A masked photo whose layer is its own picture at one scale takes its mask rasterised
// at the layer's size as the blend's coverage, where the layer lies (a smaller photo in
// the lower-left corner, one enlarged, one stretched to the background).
TEST(MaskPipelines, MaskIsTheCoverageOfTheLayerWhereItLies)
{
    const QImage background = noiseImage(400, 300, 5, true);
    const PhotoMask mask{{linear({0.1, 0.2}, {0.8, 0.9})},
                         {stroke(false, 0.15, 40, 90, {{0.1, 0.8}, {0.5, 0.6}, {0.9, 0.1}})},
                         false};
    struct Case {
        QSize photo;
        bool stretched;
        float size;
        QSize layer;
    };
    for (const Case &c :
         {Case{{400, 300}, false, 0.0f, {400, 300}}, Case{{200, 100}, false, 0.0f, {200, 100}},
          Case{{200, 100}, false, 50.0f, {300, 150}}, Case{{200, 150}, true, 0.0f, {400, 300}}}) {
        const QImage photo = texturedImage(c.photo.width(), c.photo.height(), 2);
        PhotoList masked = pair(Composite, background, photo, mask);
        Object_Photo &top = const_cast<Object_Photo &>(*masked[1]);
        top.bCompositeSizeOfBG = c.stretched;
        top.f_Composite_Size = c.size;
        top.f_Composite_Opacity = 80;
        const QImage mixed = renderPass(masked, Composite, {}, true).mixed;
        const QImage resized = Resize_Image_To_Fit_Size(photo, QSizeF(c.layer));
        EXPECT_EQ(mixed, imageComposite(background, resized, kNormalBlendMode, 0.8f, BlendSpace::Linear,
                                        rasterizeMask(mask, c.layer)))
            << c.photo.width() << " x " << c.photo.height() << ", size " << c.size;
        // Against the photo's pixels masked first: as near as their rounding allows.
        top.mask = {};
        top.image = applyMask(photo, mask);
        EXPECT_LE(meanAbsoluteDifference(mixed, renderPass(masked, Composite, {}, true).mixed), 0.5);
    }
}

TEST(MaskPipelines, ShapeMultipliesTheShapesMaskAndHiddenPartsShowTheBackground)
{
    const QRgb red = qRgb(200, 30, 30), blue = qRgb(20, 40, 220);
    const QImage background = solidImage(40, 40, blue), layer = solidImage(40, 40, red);
    const PhotoMask hideLeft{{linear({0.45, 0.5}, {0.55, 0.5})}, {}, true}; // hidden left, shown right
    const PassResult pass = renderPass(pair(Shape, background, layer, hideLeft), Shape, {}, true);
    const PassResult plain = renderPass(pair(Shape, background, layer, {}), Shape, {}, true);
    ASSERT_EQ(pass.mixed.size(), QSize(40, 40));
    // Where the shape leaves the background nothing changes; within it, the photo shows
    // where the mask shows it and the background where it hides it.
    int inside = 0;
    for (int y = 0; y < 40; ++y)
        for (const int x : {2, 16, 24, 37}) {
            const QRgb cut = plain.mixed.pixel(x, y), got = pass.mixed.pixel(x, y);
            if (colourNear(cut, blue, 0)) {
                EXPECT_TRUE(colourNear(got, blue)) << x << ", " << y;
            } else if (colourNear(cut, red, 0) && ++inside) {
                EXPECT_TRUE(colourNear(got, x < 20 ? blue : red)) << x << ", " << y;
            }
        }
    EXPECT_GT(inside, 20);
    const QPoint middle(20, 20);
    ASSERT_TRUE(colourNear(plain.mixed.pixel(middle), red));
    // Half the mask mixes half of each in the blend space (linear light by default).
    const QImage half = renderPass(pair(Shape, background, layer, kHalf), Shape, {}, true).mixed;
    auto mixHalf = [](int a, int b) {
        auto decode = [](int v) { return std::pow(v / 255.0, 2.2); };
        return int(std::lround(std::pow((decode(a) + decode(b)) / 2, 1 / 2.2) * 255));
    };
    EXPECT_TRUE(colourNear(half.pixel(middle), qRgb(mixHalf(200, 20), mixHalf(30, 40), mixHalf(30, 220)), 3));
}

TEST(MaskPipelines, ZoomedRegionOfAMaskedPhotoIsTheCapturesRegion)
{
    const QImage a = texturedImage(300, 200), b = texturedImage(300, 200, 1);
    const PhotoMask mask{
        {radial({0.4, 0.5}, 0.4, 0.1)}, {stroke(false, 0.1, 50, 100, {{0.1, 0.1}, {0.9, 0.8}})}, false};
    const PhotoList photos = pair(Composite, a, b, mask);
    const QImage capture = renderPass(photos, Composite, {}, true).mixed;
    for (const QRect region : {QRect(0, 0, 300, 200), QRect(50, 40, 120, 90), QRect(250, 150, 80, 80)}) {
        const RegionResult result = renderRegion(photos, Composite, {}, region);
        ASSERT_TRUE(result.error.isEmpty());
        EXPECT_EQ(result.image, capture.copy(result.region)) << region.x() << ", " << region.y();
    }
}

TEST(MaskPipelines, PreviewsOfMaskedPhotosMatchTheSavedPicture)
{
    const QImage a = texturedImage(2001, 1401), b = texturedImage(1601, 1201, 1);
    const PhotoMask mask{{linear({0.1, 0.5}, {0.9, 0.6})},
                         {stroke(false, 0.1, 30, 100, {{0.2, 0.2}, {0.7, 0.8}}),
                          stroke(true, 0.05, 0, 70, {{0.4, 0.1}, {0.45, 0.9}})},
                         false};
    for (const quint64 mode : {Composite, Shape, Transparent}) {
        PhotoList photos = pair(mode, a, b, mask);
        const_cast<Object_Photo &>(*photos[1]).f_Composite_Size = -30;
        EXPECT_LE(previewDifference(photos, mode, QSize(640, 480)), 2.0) << "mode " << mode;
        EXPECT_LE(previewDifference(photos, mode, QSize(333, 222)), 2.0) << "mode " << mode;
    }
}

// ---- the document ------------------------------------------------------------------------

TEST(MaskDocument, EachOperationIsOneStepAndUndoRestoresTheProjectExactly)
{
    PhotoProject project;
    NewPhotoList photos = {photoOf(solidImage(8, 8, qRgb(1, 2, 3)), Composite),
                           photoOf(solidImage(8, 8, qRgb(4, 5, 6)), Composite)};
    photos[0]->sFile = QStringLiteral("/tmp/a.png");
    photos[1]->sFile = QStringLiteral("/tmp/b.png");
    project.reset(Composite, photos, QString());
    auto json = [&] { return projectJson(project.mode(), project.photos(), QStringLiteral("/tmp")); };
    const MaskStroke painted = stroke(false, 0.1, 40, 80, {{0.1, 0.2}, {0.30000000000000004, 0.4}});
    const struct {
        std::function<bool()> operation;
        const char *name;
    } steps[] = {
        {[&] { return project.addMaskStroke(1, painted); }, "Paint Mask"},
        {[&] {
             return project.addMaskGradient(1, radial({0.5, 0.5}, 0.4, 0.1));
         },
         "Add Gradient"},
        {[&] { return project.invertMask(1); }, "Invert Mask"},
        {[&] { return project.clearMask(1); }, "Clear Mask"},
    };
    QList<QByteArray> states = {json()};
    for (const auto &step : steps) {
        const int before = project.undoStack().count();
        ASSERT_TRUE(step.operation()) << step.name;
        EXPECT_EQ(project.undoStack().count(), before + 1) << step.name;
        EXPECT_EQ(project.undoStack().undoText(), QString::fromLatin1(step.name));
        states.append(json());
        EXPECT_NE(states.last(), states[states.size() - 2]) << step.name << " changed the project";
    }
    EXPECT_EQ(project.photos()[1]->mask, PhotoMask());
    for (qsizetype i = states.size() - 1; i > 0; --i) {
        project.undoStack().undo();
        EXPECT_EQ(json(), states[i - 1]) << "undo of step " << i;
    }
    EXPECT_TRUE(project.photos()[1]->mask.isEmpty());
    for (qsizetype i = 1; i < states.size(); ++i) {
        project.undoStack().redo();
        EXPECT_EQ(json(), states[i]) << "redo of step " << i;
    }
    // Nothing to mask: the background, a row outside, an empty stroke, a clear mask.
    EXPECT_FALSE(project.addMaskStroke(0, painted));
    EXPECT_FALSE(project.addMaskStroke(2, painted));
    EXPECT_FALSE(project.addMaskStroke(1, stroke(false, 0.1, 0, 100, {})));
    EXPECT_FALSE(project.clearMask(1));
    project.reset(LinearHorizontal, photos, QString());
    EXPECT_FALSE(project.addMaskStroke(1, painted)) << "Linear projects have no masks";
}

TEST(MaskPipelines, MemoryEstimateCountsTheMaskedCopy)
{
    const QImage a = solidImage(400, 300, qRgb(1, 2, 3)), b = solidImage(200, 100, qRgb(4, 5, 6));
    for (const quint64 mode : {Composite, Shape, Transparent}) {
        const double plain = passMemoryNeed(pair(mode, a, b, {}), mode, ViewTarget{{}, 1.0, true});
        const double masked = passMemoryNeed(pair(mode, a, b, kHalf), mode, ViewTarget{{}, 1.0, true});
        EXPECT_GE(masked - plain, 200.0 * 100 * 4) << "mode " << mode;
    }
}

// ---- live strokes --------------------------------------------------------------------------

TEST(MaskLiveStrokes, AGrowingStrokeRedrawsItsRegionAndTheFullPassFollows)
{
    // At 400 x 300 the pass's picture is what the view shows; at 390 x 290 it is reduced.
    for (const auto &[view, stretched] : {std::pair{QSize(400, 300), true}, std::pair{QSize(400, 300), false},
                                          std::pair{QSize(390, 290), true}}) {
        NewPhotoList photos = {photoOf(solidImage(1600, 1200, qRgb(250, 20, 20)), Composite)};
        for (int i = 1; i <= 3; ++i) {
            NewPhoto photo = photoOf(texturedImage(1600, 1200, i), Composite);
            photo->m_Composite_Blend_Mode = kNormalBlendMode;
            photo->f_Composite_Opacity = i == 1 ? 100 : 40; // the painted photo shows through
            photo->bCompositeSizeOfBG = stretched;
            photo->f_Composite_Size = stretched ? 0.0f : -40.0f;
            photo->f_Composite_X_Offset = photo->f_Composite_Y_Offset = stretched ? 0.0f : 20.0f;
            photos.append(photo);
        }
        PassCache cache;
        const QImage unpainted =
            viewOf(renderPass(photos, Composite, QSizeF(view), false, 1.0, {}, &cache), view);
        MaskStroke growing = stroke(false, 0.1, 50, 100, {});
        for (const QPointF point :
             {QPointF(0.2, 0.3), QPointF(0.4, 0.35), QPointF(0.6, 0.5), QPointF(0.7, 0.8)}) {
            growing.points.append(point);
            photos[1]->mask.strokes = {growing};
            const QImage live =
                viewOf(renderPass(photos, Composite, QSizeF(view), false, 1.0, {}, &cache), view);
            ASSERT_FALSE(cache.steps[0].plainLayer.isNull()) << "the live path was taken";
            const QImage full = viewOf(renderPass(photos, Composite, QSizeF(view), false), view);
            EXPECT_LE(meanAbsoluteDifference(live, full), 0.5) << "stretched " << stretched;
            EXPECT_LE(largestDifference(live, full), 40) << "stretched " << stretched;
            EXPECT_GT(largestDifference(live, unpainted), 60) << "the stroke shows";
        }
        // The stroke ends: the next pass of that mask is the full pass, bit for bit.
        const QImage after =
            viewOf(renderPass(photos, Composite, QSizeF(view), false, 1.0, {}, &cache), view);
        EXPECT_EQ(after, viewOf(renderPass(photos, Composite, QSizeF(view), false), view));
    }
}
