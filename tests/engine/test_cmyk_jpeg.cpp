// CMYK JPEGs. With an embedded CMYK profile the loader's colours are lcms2's own
// conversion through that profile (the profile is made here, with lcms2: a table from
// ink to Lab whose inks are nothing like the naive inversion's); without one they are
// what Qt's reader gives, as before.
#include "CmykProfile.h"
#include "PhotoBytes.h"

#include "imaging/HeaderProbe.h"
#include "imaging/PhotoLoader.h"

#include <QFile>
#include <QTemporaryDir>

#include <lcms2.h>
#include <turbojpeg.h>

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace {

constexpr int kPatch = 16;

// Ink amounts (0 none, 255 full) of the four patches, left to right: black alone, a
// rich grey of all four inks, orange, and blue.
constexpr std::array<std::array<int, 4>, 4> kInks = {
    {{0, 0, 0, 128}, {100, 80, 80, 40}, {0, 140, 230, 0}, {200, 150, 0, 30}}};

// The four patches as stored samples: inverted, as after an Adobe segment.
std::vector<uchar> storedSamples()
{
    std::vector<uchar> samples;
    for (int y = 0; y < kPatch; ++y)
        for (const auto &inks : kInks)
            for (int x = 0; x < kPatch; ++x)
                for (const int ink : inks)
                    samples.push_back(uchar(255 - ink));
    return samples;
}

QByteArray cmykJpeg(const std::vector<uchar> &samples)
{
    tjhandle handle = tjInitCompress();
    unsigned char *jpeg = nullptr;
    unsigned long size = 0;
    const int failed = tjCompress2(handle, samples.data(), 4 * kPatch, 0, kPatch, TJPF_CMYK, &jpeg, &size,
                                   TJSAMP_444, 100, 0);
    const QByteArray bytes =
        failed ? QByteArray() : QByteArray(reinterpret_cast<const char *>(jpeg), qsizetype(size));
    tjFree(jpeg);
    tjDestroy(handle);
    return bytes;
}

// lcms2's own conversion of the stored samples of each patch, through the profile.
std::array<QRgb, 4> lcmsColours(const QByteArray &icc)
{
    cmsHPROFILE cmyk = cmsOpenProfileFromMem(icc.constData(), cmsUInt32Number(icc.size()));
    cmsHPROFILE srgb = cmsCreate_sRGBProfile();
    cmsHTRANSFORM transform =
        cmsCreateTransform(cmyk, TYPE_CMYK_8_REV, srgb, TYPE_RGB_8, INTENT_PERCEPTUAL, 0);
    std::array<QRgb, 4> colours{};
    for (size_t i = 0; i < kInks.size(); ++i) {
        uchar stored[4], rgb[3];
        for (int c = 0; c < 4; ++c)
            stored[c] = uchar(255 - kInks[i][size_t(c)]);
        cmsDoTransform(transform, stored, rgb, 1);
        colours[i] = qRgb(rgb[0], rgb[1], rgb[2]);
    }
    cmsDeleteTransform(transform);
    cmsCloseProfile(srgb);
    cmsCloseProfile(cmyk);
    return colours;
}

int difference(QRgb a, QRgb b)
{
    return std::max(
        {std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
}

} // namespace

TEST(CmykJpeg, AnEmbeddedProfileConvertsAsLcms2DoesAndNoProfileAsBefore)
{
    QTemporaryDir dir;
    const QByteArray icc = pressProfile();
    const QByteArray plain = cmykJpeg(storedSamples());
    ASSERT_FALSE(icc.isEmpty() || plain.isEmpty());
    const JpegFacts facts = probeJpeg(withIccProfile(plain, icc, 2));
    ASSERT_TRUE(facts.components == 4 && facts.adobe && facts.icc == icc)
        << "the test file is not what it seems";
    const auto load = [&](const char *name, const QByteArray &bytes) {
        QFile file(dir.filePath(QLatin1String(name)));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        const LoadResult loaded = loadPhoto(file.fileName());
        EXPECT_TRUE(loaded.ok()) << loaded.error.toStdString();
        return loaded.image;
    };
    const QImage profiled = load("profiled.jpg", withIccProfile(plain, icc, 2));
    const QImage turned = load("turned.jpg", withExifOrientation(withIccProfile(plain, icc, 2), 6));
    const QImage naive = load("plain.jpg", plain);
    ASSERT_EQ(profiled.size(), QSize(4 * kPatch, kPatch));
    ASSERT_EQ(turned.size(), QSize(kPatch, 4 * kPatch));
    const std::array<QRgb, 4> expected = lcmsColours(icc);
    int furthestFromNaive = 0;
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        const int centre = i * kPatch + kPatch / 2;
        EXPECT_LE(difference(profiled.pixel(centre, kPatch / 2), expected[size_t(i)]), 3);
        EXPECT_LE(difference(turned.pixel(kPatch / 2, centre), expected[size_t(i)]), 3); // turned right
        // Without the profile: the inverted samples multiplied by black, as Qt does it.
        const auto ink = [&](int c) { return 255 - kInks[size_t(i)][size_t(c)]; };
        const QRgb inverted = qRgb(ink(0) * ink(3) / 255, ink(1) * ink(3) / 255, ink(2) * ink(3) / 255);
        EXPECT_LE(difference(naive.pixel(centre, kPatch / 2), inverted), 3);
        furthestFromNaive = std::max(furthestFromNaive, difference(expected[size_t(i)], inverted));
    }
    EXPECT_GT(furthestFromNaive, 30) << "the profile must change the colours for the test to tell";
}
