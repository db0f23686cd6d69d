#pragma once

// Helpers shared by the preview tests: textured test photos, the difference of a
// preview from the full-resolution view, the shared photos.

#include "imaging/ImageDifference.h"
#include "imaging/PhotoLoader.h"
#include "render/RenderPass.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

#include <gtest/gtest.h>

// Smooth waves of several frequencies with hard-edged blocks over them, as in a photo:
// every row different, edges that a misplaced layer would show.
inline QImage texturedImage(int width, int height, int seed = 0)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < height; ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const double u = x + 17.0 * seed, v = y + 5.0 * seed;
            const int r = int(127.5 + 127.0 * std::sin(u / 97.0) * std::cos(v / 53.0));
            const int g = int(127.5 + 127.0 * std::sin((u + v) / 211.0));
            const int b = ((x / 300 + y / 300) % 2) ? 200 : 40;
            line[x] = qRgb(r, g, b);
        }
    }
    return image;
}

// The preview pass of the view against the full-resolution pass reduced to the same view.
inline double previewDifference(const PhotoList &photos, quint64 mode, QSize view, qreal pixelRatio = 1.0)
{
    const QSize pixels = (QSizeF(view) * pixelRatio).toSize();
    auto shown = [&](bool fullResolution) {
        QImage canvas(pixels, QImage::Format_ARGB32_Premultiplied);
        canvas.setDevicePixelRatio(pixelRatio);
        QPainter painter(&canvas);
        paintPass(painter, QSizeF(view), QRectF(QPointF(0, 0), QSizeF(view)),
                  renderPass(photos, mode, QSizeF(view), fullResolution, pixelRatio));
        return canvas;
    };
    return meanAbsoluteDifference(shown(false), shown(true));
}

// The largest difference of any channel of any pixel (256 for pictures of different sizes).
inline int largestDifference(const QImage &a, const QImage &b)
{
    if (a.size() != b.size())
        return 256;
    int worst = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            worst = std::max({worst, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                              std::abs(qBlue(p) - qBlue(q)), std::abs(qAlpha(p) - qAlpha(q))});
        }
    return worst;
}

// A pass painted into a view of `view` pixels, as the canvas shows it.
inline QImage viewOf(const PassResult &pass, QSize view)
{
    QImage canvas(view, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&canvas);
    paintPass(painter, QSizeF(view), QRectF(QPointF(0, 0), QSizeF(view)), pass);
    return canvas;
}

// One photo of the shared folder (QUILLANE_PHOTOS), loaded once per test program.
inline QImage sharedPhoto(const QString &name)
{
    const QString folder = qEnvironmentVariable("QUILLANE_PHOTOS");
    EXPECT_FALSE(folder.isEmpty()) << "QUILLANE_PHOTOS names the folder of the test photos";
    const LoadResult loaded = loadPhoto(folder + QLatin1Char('/') + name);
    EXPECT_TRUE(loaded.ok()) << loaded.error.toStdString();
    return loaded.image;
}
