// The blend modes against the double-precision model, and hand-computed pixels.
#include "FilterModel.h"

#include "imaging/Filters.h"
#include "imaging/ImageConversion.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QRandomGenerator>

#include <string>
#include <vector>

namespace {

const char *const kLabels[kBlendModeCount] = {
    "Addition Compositing",    "Color Blend Mode",      "Color Burn Blend Mode", "Color Dodge Blend Mode",
    "Darken Blend Mode",       "Difference Blend Mode", "Divide Blend Mode",     "Exclusion Blend Mode",
    "Hard Light Blend Mode",   "Hue Blend Mode",        "Lighten Blend Mode",    "Linear Burn Blend Mode",
    "Linear Dodge Blend Mode", "Luminosity Blend Mode", "Maximum Compositing",   "Minimum Compositing",
    "Multiply Blend Mode",     "Multiply Compositing",  "Overlay Blend Mode",    "Pin Light Blend Mode",
    "Saturation Blend Mode",   "Screen Blend Mode",     "SoftLight Blend Mode",  "Subtract Blend Mode",
    "Normal Blend Mode"};

TEST(BlendTable, LabelsAndFilterNamesInTableOrder)
{
    EXPECT_TRUE(blendModeName(kBlendModeCount).isEmpty());
    const auto &table = blendTable();
    for (int i = 0; i < kBlendModeCount; ++i) {
        EXPECT_EQ(blendModeName(quint64(i)), QString::fromLatin1(kLabels[i])) << i;
        std::string expectedName = std::string("CI") + kLabels[i];
        std::erase(expectedName, ' ');
        EXPECT_STREQ(table[i].filterName, expectedName.c_str()) << i;
        EXPECT_NE(table[i].kernel, nullptr) << i;
    }
}

// Every pixel of a 1-row image pair: a random straight colour with one of the
// alphas {0, 1, 128, 255} on each side, every alpha combination many times.
struct PixelPairs {
    QImage layer, background;
};

PixelPairs randomPairs(quint32 seed)
{
    const int alphas[] = {0, 1, 128, 255};
    constexpr int kRepeats = 48;
    QRandomGenerator rng(seed);
    PixelPairs pairs{QImage(16 * kRepeats, 1, kCanonicalFormat), QImage(16 * kRepeats, 1, kCanonicalFormat)};
    for (int x = 0; x < 16 * kRepeats; ++x) {
        const int la = alphas[x % 4], ba = alphas[(x / 4) % 4];
        auto colour = [&](int alpha) {
            // Every fourth channel an extreme, to reach the formulas' corners.
            auto ch = [&] { return rng.bounded(4) == 0 ? 255 * rng.bounded(2) : rng.bounded(256); };
            return qPremultiply(qRgba(ch(), ch(), ch(), alpha));
        };
        pairs.layer.setPixel(x, 0, colour(la));
        pairs.background.setPixel(x, 0, colour(ba));
    }
    return pairs;
}

void expectNearModel(const model::Expected &e, QRgb got, const std::string &where)
{
    EXPECT_NEAR(qAlpha(got), e.a, 1.0) << where;
    EXPECT_NEAR(qRed(got), e.r, 1.0) << where;
    EXPECT_NEAR(qGreen(got), e.g, 1.0) << where;
    EXPECT_NEAR(qBlue(got), e.b, 1.0) << where;
}

class BlendModel : public ::testing::TestWithParam<int> {};

// The texts that count the modes outside the code (the window's text is built from the
// table's size) say as many as the table holds.
TEST(BlendTable, TextsCountTheTable)
{
    const QByteArray count = "one of " + QByteArray::number(kBlendModeCount) + " blend modes";
    for (const char *file : {"README.md", "resources/desktop/org.quillane.Quillane.metainfo.xml"}) {
        QFile text(QStringLiteral(QUILLANE_SOURCE_DIR "/") + QLatin1String(file));
        ASSERT_TRUE(text.open(QIODevice::ReadOnly)) << file;
        EXPECT_TRUE(text.readAll().contains(count)) << file << " does not say " << count.constData();
    }
}

TEST_P(BlendModel, MatchesTheDoubleModelWithinOneLevel)
{
    const int mode = GetParam();
    const PixelPairs pairs = randomPairs(1000 + mode);
    const QImage out = imageComposite(pairs.background, pairs.layer, mode);
    ASSERT_EQ(out.size(), pairs.layer.size());
    ASSERT_EQ(out.format(), kCanonicalFormat);
    for (int x = 0; x < out.width(); ++x) {
        const QRgb s = pairs.layer.pixel(x, 0), b = pairs.background.pixel(x, 0);
        const model::Expected e = model::encode(model::blend(mode, model::decode(s), model::decode(b)));
        expectNearModel(e, out.pixel(x, 0),
                        std::string(kLabels[mode]) + " layer " + std::to_string(s) + " background " +
                            std::to_string(b));
    }
}

INSTANTIATE_TEST_SUITE_P(AllModes, BlendModel, ::testing::Range(0, kBlendModeCount),
                         [](const auto &info) { return "mode" + std::to_string(info.param); });

QRgb blendOpaque(int mode, QRgb layer, QRgb background)
{
    QImage l(1, 1, kCanonicalFormat), b(1, 1, kCanonicalFormat);
    l.setPixel(0, 0, layer);
    b.setPixel(0, 0, background);
    return imageComposite(b, l, mode).pixel(0, 0);
}

const QRgb kGrey = qRgb(128, 128, 128), kWhite = qRgb(255, 255, 255), kBlack = qRgb(0, 0, 0);

TEST(BlendPixels, LinearLightGreys)
{
    // sRGB 128 is 0.2159 linear: the product 0.0466 encodes to 61, the screen 0.3851 to 167.
    EXPECT_EQ(blendOpaque(16, kGrey, kGrey), qRgb(61, 61, 61));
    EXPECT_EQ(blendOpaque(17, kGrey, kGrey), qRgb(61, 61, 61));
    EXPECT_EQ(blendOpaque(21, kGrey, kGrey), qRgb(167, 167, 167));
}

TEST(BlendPixels, AdditionClampsToAValidPixel)
{
    EXPECT_EQ(blendOpaque(0, kGrey, kBlack), kGrey);
    EXPECT_EQ(blendOpaque(0, kBlack, kGrey), kGrey);
    EXPECT_EQ(blendOpaque(0, kWhite, qRgb(10, 200, 30)), kWhite);
    EXPECT_EQ(blendOpaque(0, qRgb(10, 200, 30), kWhite), kWhite);
}

struct HandCase {
    int mode;
    QRgb layer, background, expected;
};

// Worked by hand from the formulas with grey g = 0.2159 linear (sRGB 128).
TEST(BlendPixels, HandComputedPerMode)
{
    const QRgb red = qRgb(255, 0, 0), green = qRgb(0, 255, 0);
    const HandCase cases[] = {
        {1, kGrey, kWhite, kWhite},               // SetLum(grey, 1) clips to white
        {2, kWhite, kGrey, kGrey},                // 1 - (1 - g) / 1
        {3, kBlack, kGrey, kGrey},                // g / (1 - 0)
        {4, kWhite, kGrey, kGrey},                // min
        {5, kGrey, kGrey, kBlack},                // |g - g|
        {6, kWhite, kGrey, kGrey},                // g / 1
        {7, kWhite, kGrey, qRgb(229, 229, 229)},  // 1 - g = 0.7841
        {8, kGrey, kGrey, qRgb(86, 86, 86)},      // 2 g g = 0.0932
        {9, red, green, qRgb(255, 172, 172)},     // red at green's Lum 0.59, clipped
        {10, kWhite, kGrey, kWhite},              // max
        {11, kGrey, kGrey, kBlack},               // 2g - 1 < 0
        {13, kGrey, kWhite, kGrey},               // white at grey's Lum
        {14, kWhite, kGrey, kWhite},              // max of channels
        {15, kWhite, kGrey, kGrey},               // min of channels
        {18, kGrey, kWhite, kWhite},              // background above mid: 2(s + 1 - s) - 1
        {19, kBlack, kGrey, kBlack},              // max(-1, min(g, 0))
        {19, kWhite, kGrey, kWhite},              // max(1, min(g, 2))
        {20, red, kGrey, kGrey},                  // grey has no saturation to give
        {22, kGrey, kGrey, qRgb(97, 97, 97)},     // g - (1 - 2g) g (1 - g) = 0.1197
        {23, kGrey, kWhite, qRgb(229, 229, 229)}, // 1 - g
    };
    for (const HandCase &c : cases) {
        const QRgb got = blendOpaque(c.mode, c.layer, c.background);
        EXPECT_NEAR(qRed(got), qRed(c.expected), 1) << kLabels[c.mode];
        EXPECT_NEAR(qGreen(got), qGreen(c.expected), 1) << kLabels[c.mode];
        EXPECT_NEAR(qBlue(got), qBlue(c.expected), 1) << kLabels[c.mode];
        EXPECT_EQ(qAlpha(got), 255) << kLabels[c.mode];
    }
    // LinearDodge 2g = 0.4317 encodes to 175.6.
    EXPECT_NEAR(qRed(blendOpaque(12, kGrey, kGrey)), 176, 1);
}

TEST(BlendInputs, BackgroundIsTheFirstOperandOfSubtractAndDivide)
{
    EXPECT_EQ(blendOpaque(23, kGrey, kWhite), qRgb(229, 229, 229)) << "white - grey";
    EXPECT_EQ(blendOpaque(23, kWhite, kGrey), kBlack) << "grey - white clamps";
    EXPECT_EQ(blendOpaque(6, kWhite, kGrey), kGrey) << "grey / white";
    EXPECT_EQ(blendOpaque(6, kGrey, kWhite), kWhite) << "white / grey clamps";
}

TEST(BlendInputs, OutOfRangeIndexReturnsTheBackground)
{
    const PixelPairs pairs = randomPairs(5);
    for (quint64 mode : {quint64(kBlendModeCount), ~quint64(0)}) {
        const QImage out = imageComposite(pairs.background, pairs.layer, mode);
        EXPECT_EQ(out, pairs.background);
    }
}

} // namespace
