#include "render/ShapeMasks.h"

#include "imaging/LowerLeft.h"
#include "imaging/Parallel.h"
#include "model/ShapeType.h"

#include <QFile>
#include <QPainter>
#include <QSvgRenderer>

#include <algorithm>
#include <array>
#include <atomic>

// The engine is a static library: its resource object is linked only when something
// refers to it, so it is registered explicitly (outside any namespace, as the macro
// declares the registration function where it stands).
static void initEngineResources()
{
    Q_INIT_RESOURCE(engine);
}

namespace {

// Rows drawn by one painter at a time: small enough to spread a mask over the workers.
constexpr int kRowsPerBand = 16;

// The SVG documents, read once. A renderer is not shared between threads, so each
// worker of a drawing parses its own from these bytes, once.
const QByteArray &maskDocument(quint64 shapeType)
{
    static const std::array<QByteArray, kShapeCount> documents = [] {
        initEngineResources();
        std::array<QByteArray, kShapeCount> read;
        for (quint64 i = 0; i < kShapeCount; ++i) {
            QFile file(QStringLiteral(":/masks/%1.svg").arg(shapeMaskName(i)));
            if (file.open(QIODevice::ReadOnly))
                read[i] = file.readAll();
        }
        return read;
    }();
    return documents[shapeType];
}

// Draws rows [begin, end) of `canvas` (whose pixels are `bits`) with `renderer`.
void drawBand(QSvgRenderer &renderer, const QImage &canvas, uchar *bits, int begin, int end,
              const QRectF &target, const QTransform &turn)
{
    QImage strip(bits + begin * canvas.bytesPerLine(), canvas.width(), end - begin, canvas.bytesPerLine(),
                 canvas.format());
    QPainter painter(&strip);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(0, -begin);
    painter.setTransform(turn, true);
    renderer.render(&painter, target);
}

} // namespace

bool drawShapeMask(QImage &canvas, quint64 shapeType, const QRectF &rect, const Placement &placement)
{
    if (shapeType >= kShapeCount || maskDocument(shapeType).isEmpty())
        return false;
    if (canvas.isNull() || rect.isEmpty())
        return true;
    const QRectF target = toTopLeft(rect, canvas.height());
    const QTransform turn =
        turnAboutCentre(target, placement.rotation, placement.flipHorizontal, placement.flipVertical);
    uchar *bits = canvas.bits(); // detaches once, before the threads start
    const int rows = canvas.height();
    const int bands = (rows + kRowsPerBand - 1) / kRowsPerBand;
    std::atomic<int> next{0};
    // One renderer per worker, parsed once; the worker then draws the bands it takes.
    parallelTasks(std::min(imagingThreadCount(), bands), [&](int) {
        QSvgRenderer renderer(maskDocument(shapeType));
        renderer.setAspectRatioMode(Qt::IgnoreAspectRatio);
        for (int band = next.fetch_add(1); band < bands; band = next.fetch_add(1))
            drawBand(renderer, canvas, bits, band * kRowsPerBand, std::min(rows, (band + 1) * kRowsPerBand),
                     target, turn);
    });
    return true;
}

QImage shapeMaskImage(quint64 shapeType, QSize size)
{
    if (shapeType >= kShapeCount || size.isEmpty())
        return {};
    QImage mask = transparentCanvas(size.width(), size.height());
    if (!drawShapeMask(mask, shapeType, QRectF(QPointF(0, 0), QSizeF(size))))
        return {};
    return mask;
}
