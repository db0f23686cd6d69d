#pragma once

// Small picture helpers shared by the engine tests. Pixels are addressed in lower-left
// coordinates, like everything in the engine.

#include "model/Object_Photo.h"
#include "model/ProjectMode.h"

#include <QColorSpace>
#include <QImage>
#include <QRandomGenerator>
#include <QRgb>

#include <gtest/gtest.h>

inline QImage solidImage(int width, int height, QRgb colour)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(QColor::fromRgba(colour));
    return image;
}

// Bottom half `bottom`, top half `top`, as seen with y upwards.
inline QImage twoBandImage(int width, int height, QRgb bottom, QRgb top)
{
    QImage image = solidImage(width, height, bottom);
    for (int y = 0; y < height / 2; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, top);
    return image;
}

// Random premultiplied pixels, the same for the same seed: every alpha (clear, soft
// and opaque), or opaque only.
inline QImage noiseImage(int width, int height, quint32 seed, bool opaque = false)
{
    QRandomGenerator random(seed);
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const QRgb c = random.generate();
            image.setPixel(x, y, qPremultiply(opaque ? (c | 0xff000000u) : c));
        }
    return image;
}

// Every pixel distinct: red counts x, green counts y (lower-left), blue fixed.
inline QImage gradientImage(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, height - 1 - y, qRgb(x % 256, y % 256, 90));
    return image;
}

// The image without its colour space, to compare pixels only (QImage's equality also
// compares colour spaces, and written files are tagged sRGB).
inline QImage untagged(QImage image)
{
    image.setColorSpace(QColorSpace());
    return image;
}

inline QRgb pixelLL(const QImage &image, int x, int y)
{
    return image.pixel(x, image.height() - 1 - y);
}

inline ::testing::AssertionResult colourNear(QRgb actual, QRgb expected, int tolerance = 1)
{
    const int d =
        std::max({std::abs(qRed(actual) - qRed(expected)), std::abs(qGreen(actual) - qGreen(expected)),
                  std::abs(qBlue(actual) - qBlue(expected)), std::abs(qAlpha(actual) - qAlpha(expected))});
    if (d <= tolerance)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "pixel (" << qRed(actual) << ", " << qGreen(actual) << ", " << qBlue(actual) << ", "
           << qAlpha(actual) << ") differs from (" << qRed(expected) << ", " << qGreen(expected) << ", "
           << qBlue(expected) << ", " << qAlpha(expected) << ") by " << d;
}

// A Composite photo laid as its own placed layer (not stretched to the background) with
// the given blend mode, size and offsets.
inline NewPhoto placedCompositePhoto(const QImage &image, quint64 blend, float size = 0, float x = 0,
                                     float y = 0)
{
    NewPhoto photo = makePhoto(image, QStringLiteral("layer.png"), Composite);
    photo->bCompositeSizeOfBG = false;
    photo->m_Composite_Blend_Mode = blend;
    photo->f_Composite_Size = size;
    photo->f_Composite_X_Offset = x;
    photo->f_Composite_Y_Offset = y;
    return photo;
}
