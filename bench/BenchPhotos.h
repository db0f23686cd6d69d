#pragma once

// What the pass benchmarks share: the 24-megapixel photo pair, loaded once (a missing
// photo stops the run with an error, so nothing is timed on empty pictures), a preview
// or full-resolution pass painted into a 1200 x 800 view, the preview's difference from
// the full-resolution view, and the main function.
#include "imaging/ImageDifference.h"
#include "imaging/PhotoLoader.h"
#include "model/ProjectMode.h"
#include "render/RenderPass.h"

#include <QGuiApplication>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>

struct BenchPhotos {
    QImage a, b;
};

inline const BenchPhotos &benchPhotos()
{
    static const BenchPhotos loaded = [] {
        const LoadResult a = loadPhoto(QStringLiteral(QUILLANE_PHOTOS_DIR "/pair24_a.jpg"));
        const LoadResult b = loadPhoto(QStringLiteral(QUILLANE_PHOTOS_DIR "/pair24_b.jpg"));
        if (!a.ok() || !b.ok()) {
            std::fprintf(stderr, "benchmark input missing: %s%s\n", qPrintable(a.error), qPrintable(b.error));
            std::exit(1);
        }
        return BenchPhotos{a.image, b.image};
    }();
    return loaded;
}

// Eight Composite photos, the pair in turn: the background, then seven placed layers in
// Multiply, each `size` per cent larger than its photo, 10 per cent up and x + xStep i
// per cent across (photo i, from 1).
inline NewPhotoList eightPlacedPhotos(float size, float x, float xStep)
{
    NewPhotoList list{makePhoto(benchPhotos().a, QStringLiteral("a.jpg"), Composite)};
    for (int i = 1; i < 8; ++i) {
        NewPhoto layer =
            makePhoto(i % 2 == 1 ? benchPhotos().b : benchPhotos().a, QStringLiteral("l.jpg"), Composite);
        layer->bCompositeSizeOfBG = false;
        layer->f_Composite_Size = size;
        layer->f_Composite_X_Offset = x + xStep * float(i);
        layer->f_Composite_Y_Offset = 10.0f;
        layer->m_Composite_Blend_Mode = 16;
        list.append(layer);
    }
    return list;
}

inline const QSizeF kBenchView(1200, 800);

// One pass as the canvas shows it: render, then paint into the view. A full-resolution
// pass is what every pass cost before reduced copies (and what a capture renders); a
// preview pass works from reduced copies at the view's scale.
inline QImage benchViewPass(const PhotoList &list, quint64 mode, bool fullResolution,
                            const ProjectOptions &options = {})
{
    const PassResult pass = renderPass(list, mode, kBenchView, fullResolution, 1.0, options);
    QImage view(kBenchView.toSize(), QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&view);
    paintPass(painter, kBenchView, QRectF(QPointF(0, 0), kBenchView), pass);
    return view;
}

inline QImage benchPreviewPass(const PhotoList &list, quint64 mode)
{
    return benchViewPass(list, mode, false);
}

// Times preview passes (the reduced copies built before the clock starts) and reports
// the mean absolute difference of the preview from the full-resolution view, in 255ths.
inline void timePreviewPasses(benchmark::State &state, const PhotoList &list, quint64 mode)
{
    QImage shown = benchPreviewPass(list, mode);
    for (auto _ : state)
        benchmark::DoNotOptimize(shown = benchPreviewPass(list, mode));
    state.counters["mad_255"] = meanAbsoluteDifference(shown, benchViewPass(list, mode, true));
}

inline int runBenchmarks(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchPhotos();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
