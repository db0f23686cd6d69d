// Exposure fusion against an independent model in double precision: Mertens' weights
// (contrast from the 3 x 3 Laplacian of the luminance, saturation, well-exposedness),
// normalised, and the Laplacian-pyramid blend written out from the published method.
#include "TestImages.h"

#include "imaging/ExposureFusion.h"

#include <array>
#include <cmath>
#include <vector>

namespace {

struct Plane {
    int w = 0, h = 0;
    std::vector<std::array<double, 3>> c; // R, G, B in [0, 1]
    std::array<double, 3> &at(int x, int y) { return c[size_t(y * w + x)]; }
    const std::array<double, 3> &at(int x, int y) const { return c[size_t(y * w + x)]; }
};

Plane planeOf(const QImage &image)
{
    Plane p{image.width(), image.height(), {}};
    for (int y = 0; y < p.h; ++y)
        for (int x = 0; x < p.w; ++x) {
            const QRgb v = image.pixel(x, y);
            p.c.push_back({qRed(v) / 255.0, qGreen(v) / 255.0, qBlue(v) / 255.0});
        }
    return p;
}

// Mirrored without repeating the edge: -1 reads 1, n reads n - 2 (again and again for
// a short side).
int mirrored(int i, int n)
{
    if (n == 1)
        return 0;
    while (i < 0 || i >= n)
        i = i < 0 ? -i : 2 * n - 2 - i;
    return i;
}

std::vector<double> modelWeights(const Plane &p, const FusionWeights &w)
{
    std::vector<double> out;
    const auto grey = [&](int x, int y) {
        const auto &c = p.at(mirrored(x, p.w), mirrored(y, p.h));
        return 0.299 * c[0] + 0.587 * c[1] + 0.114 * c[2];
    };
    for (int y = 0; y < p.h; ++y)
        for (int x = 0; x < p.w; ++x) {
            const double laplacian =
                grey(x - 1, y) + grey(x + 1, y) + grey(x, y - 1) + grey(x, y + 1) - 4 * grey(x, y);
            const auto &c = p.at(x, y);
            const double mean = (c[0] + c[1] + c[2]) / 3;
            double deviation = 0, exposure = 1;
            for (const double v : c) {
                deviation += (v - mean) * (v - mean);
                exposure *= std::exp(-(v - 0.5) * (v - 0.5) / (2 * 0.2 * 0.2));
            }
            out.push_back(std::pow(std::abs(laplacian), w.contrast) *
                              std::pow(std::sqrt(deviation), w.saturation) * std::pow(exposure, w.exposure) +
                          1e-12);
        }
    return out;
}

// The 5-tap binomial reduction, mirrored edges, to ((w + 1) / 2, (h + 1) / 2).
Plane reduce(const Plane &p)
{
    static constexpr double k[5] = {1 / 16.0, 4 / 16.0, 6 / 16.0, 4 / 16.0, 1 / 16.0};
    Plane out{(p.w + 1) / 2, (p.h + 1) / 2, {}};
    for (int y = 0; y < out.h; ++y)
        for (int x = 0; x < out.w; ++x) {
            std::array<double, 3> sum{};
            for (int j = -2; j <= 2; ++j)
                for (int i = -2; i <= 2; ++i)
                    for (int ch = 0; ch < 3; ++ch)
                        sum[size_t(ch)] +=
                            k[j + 2] * k[i + 2] *
                            p.at(mirrored(2 * x + i, p.w), mirrored(2 * y + j, p.h))[size_t(ch)];
            out.c.push_back(sum);
        }
    return out;
}

// The enlargement to `w` x `h`: zeros between the samples, the same kernel times 4. The
// samples beyond the last one repeat it (a sample at n reads n - 1); before the first
// they are mirrored.
Plane expand(const Plane &p, int w, int h)
{
    static constexpr double k[5] = {1 / 16.0, 4 / 16.0, 6 / 16.0, 4 / 16.0, 1 / 16.0};
    const auto source = [](int i, int n) { return std::min(i < 0 ? -i : i, n - 1); };
    Plane out{w, h, {}};
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            std::array<double, 3> sum{};
            for (int j = -2; j <= 2; ++j)
                for (int i = -2; i <= 2; ++i) {
                    if ((x + i) % 2 != 0 || (y + j) % 2 != 0)
                        continue;
                    const auto &s = p.at(source((x + i) / 2, p.w), source((y + j) / 2, p.h));
                    for (int ch = 0; ch < 3; ++ch)
                        sum[size_t(ch)] += 4 * k[i + 2] * k[j + 2] * s[size_t(ch)];
                }
            out.c.push_back(sum);
        }
    return out;
}

QImage modelFusion(const QList<QImage> &images, const FusionWeights &weights)
{
    const int w = images.front().width(), h = images.front().height();
    const int levels = int(std::log(float(std::min(w, h))) / std::log(2.0f));
    std::vector<Plane> colours;
    std::vector<std::vector<double>> measured;
    for (const QImage &image : images) {
        colours.push_back(planeOf(image));
        measured.push_back(modelWeights(colours.back(), weights));
    }
    std::vector<Plane> blended;
    for (qsizetype k = 0; k < images.size(); ++k) {
        Plane weight{w, h, {}};
        for (qsizetype i = 0; i < qsizetype(measured[k].size()); ++i) {
            double total = 0;
            for (const auto &m : measured)
                total += m[i];
            const double share = measured[k][i] / total;
            weight.c.push_back({share, share, share});
        }
        std::vector<Plane> gauss{colours[k]}, weightPyramid{weight};
        for (int l = 0; l < levels; ++l) {
            gauss.push_back(reduce(gauss.back()));
            weightPyramid.push_back(reduce(weightPyramid.back()));
        }
        for (int l = 0; l <= levels; ++l) {
            Plane band = gauss[size_t(l)];
            if (l < levels) {
                const Plane up = expand(gauss[size_t(l) + 1], band.w, band.h);
                for (size_t i = 0; i < band.c.size(); ++i)
                    for (int ch = 0; ch < 3; ++ch)
                        band.c[i][size_t(ch)] -= up.c[i][size_t(ch)];
            }
            if (blended.size() <= size_t(l))
                blended.push_back(Plane{band.w, band.h, std::vector<std::array<double, 3>>(band.c.size())});
            for (size_t i = 0; i < band.c.size(); ++i)
                for (int ch = 0; ch < 3; ++ch)
                    blended[size_t(l)].c[i][size_t(ch)] +=
                        weightPyramid[size_t(l)].c[i][0] * band.c[i][size_t(ch)];
        }
    }
    Plane result = blended.back();
    for (int l = levels - 1; l >= 0; --l) {
        const Plane up = expand(result, blended[size_t(l)].w, blended[size_t(l)].h);
        result = blended[size_t(l)];
        for (size_t i = 0; i < result.c.size(); ++i)
            for (int ch = 0; ch < 3; ++ch)
                result.c[i][size_t(ch)] += up.c[i][size_t(ch)];
    }
    QImage out(w, h, QImage::Format_ARGB32_Premultiplied);
    const auto byte = [](double v) { return int(std::lround(std::clamp(v, 0.0, 1.0) * 255)); };
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const auto &c = result.at(x, y);
            out.setPixel(x, y, qRgb(byte(c[0]), byte(c[1]), byte(c[2])));
        }
    return out;
}

// A bracket of one random scene: the same noise at several gains, so the pictures
// differ the way exposures do.
QList<QImage> bracketOf(int width, int height, const std::vector<double> &gains)
{
    const QImage scene = noiseImage(width, height, 7, true);
    QList<QImage> images;
    for (const double gain : gains) {
        QImage image = scene.copy();
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                const QRgb v = scene.pixel(x, y);
                const auto scaled = [&](int c) { return std::min(255, int(std::lround(c * gain))); };
                image.setPixel(x, y, qRgb(scaled(qRed(v)), scaled(qGreen(v)), scaled(qBlue(v))));
            }
        images.append(image);
    }
    return images;
}

struct FusionCase {
    const char *name;
    int width, height;
    std::vector<double> gains;
    FusionWeights weights;
};

class FusionModel : public ::testing::TestWithParam<FusionCase> {};

TEST_P(FusionModel, MatchesTheModelWithinOneStep)
{
    const FusionCase &c = GetParam();
    const QList<QImage> images = bracketOf(c.width, c.height, c.gains);
    const QImage fused = fuseExposures(images, c.weights);
    ASSERT_EQ(fused.size(), images.front().size());
    const QImage model = modelFusion(images, c.weights);
    for (int y = 0; y < c.height; ++y)
        for (int x = 0; x < c.width; ++x)
            ASSERT_TRUE(colourNear(fused.pixel(x, y), model.pixel(x, y), 1)) << x << "," << y;
}

INSTANTIATE_TEST_SUITE_P(Fusion, FusionModel,
                         ::testing::Values(FusionCase{"TwoImages16", 16, 16, {0.5, 1.6}, {}},
                                           FusionCase{"ThreeImagesOdd", 13, 9, {0.3, 1.0, 2.5}, {}},
                                           FusionCase{"ThreeImagesWide", 37, 6, {0.4, 1.0, 3.0}, {}},
                                           FusionCase{"AllWeightsOff", 12, 10, {0.5, 1.5}, {0, 0, 0}},
                                           FusionCase{
                                               "AllWeightsHighest", 12, 10, {0.5, 1.0, 1.5}, {2, 2, 2}},
                                           FusionCase{"SaturationOnly", 11, 14, {0.5, 1.5}, {0, 1, 0}},
                                           FusionCase{"Mixed", 20, 17, {0.6, 1.2, 2.0}, {2, 0, 0.5}},
                                           FusionCase{"OnePixel", 1, 1, {0.5, 1.5}, {}}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(Fusion, WeightsOffGiveThePlainAverage)
{
    const QList<QImage> images = bracketOf(24, 18, {0.5, 1.5});
    const QImage fused = fuseExposures(images, FusionWeights{0, 0, 0});
    for (int y = 0; y < 18; ++y)
        for (int x = 0; x < 24; ++x) {
            const QRgb a = images[0].pixel(x, y), b = images[1].pixel(x, y);
            const QRgb mean =
                qRgb((qRed(a) + qRed(b)) / 2, (qGreen(a) + qGreen(b)) / 2, (qBlue(a) + qBlue(b)) / 2);
            ASSERT_TRUE(colourNear(fused.pixel(x, y), mean, 1)) << x << "," << y;
        }
}

TEST(Fusion, BandsDoNotChangeTheResult)
{
    const QList<QImage> images = bracketOf(70, 301, {0.3, 1.0, 2.2});
    const QImage whole = fuseExposures(images, FusionWeights{}, 1024);
    for (const int rows : {8, 16, 34})
        EXPECT_EQ(fuseExposures(images, FusionWeights{}, rows), whole) << rows << " rows a band";
}

TEST(Fusion, ATransparentPictureCountsForNothing)
{
    const QList<QImage> images = bracketOf(21, 15, {0.5, 1.7});
    const QImage clear = solidImage(21, 15, 0);
    EXPECT_EQ(fuseExposures(images + QList<QImage>{clear}, FusionWeights{}),
              fuseExposures(images, FusionWeights{}));
}

TEST(Fusion, RefusesPicturesOfDifferentSizes)
{
    EXPECT_TRUE(fuseExposures({solidImage(4, 4, 0xff808080), solidImage(4, 5, 0xff808080)}, FusionWeights{})
                    .isNull());
    EXPECT_TRUE(fuseExposures({}, FusionWeights{}).isNull());
}

} // namespace
