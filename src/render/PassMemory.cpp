#include "render/PassMemory.h"

#include "imaging/Geometry.h"
#include "imaging/MemoryBudget.h"
#include "model/ProjectMode.h"
#include "render/LinearPipeline.h"
#include "render/PlacedLayer.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace {

// The reduced copies of a photo take at most a third of it.
constexpr double kReducedCopiesShare = 1.0 / 3.0;

QSizeF largest(const QList<QSizeF> &sizes)
{
    QSizeF frame(0, 0);
    for (const QSizeF &size : sizes)
        frame = frame.expandedTo(size);
    return frame;
}

QSizeF scaled(QSizeF size, double scale)
{
    return size * scale;
}

// The canvas of a placed layer: a non-finite geometry counts as more than any budget; a
// photo without a picture (or of a size not known yet) has none.
QSizeF placedCanvas(QSizeF photo, float S, float X, float Y)
{
    if (photo.isEmpty())
        return {0, 0};
    const PlacedLayer geometry = placedLayerGeometry(photo, S, X, Y);
    if (!std::isfinite(geometry.canvasSize.width()) || !std::isfinite(geometry.canvasSize.height()))
        return {qInf(), qInf()};
    return geometry.canvasSize;
}

// Each step: the background stretched to the frame, the layer, the layer's reduction of
// the photo and the result spanning both.
double compositeNeed(const PhotoList &photos, const QList<QSizeF> &sizes, double scale)
{
    const QSizeF frame = largest(sizes);
    double worst = 0.0;
    for (qsizetype i = 1; i < photos.size(); ++i) {
        const Object_Photo &photo = *photos[i];
        const QSizeF layer = photo.bCompositeSizeOfBG
                                 ? frame
                                 : placedCanvas(sizes[i], photo.f_Composite_Size, photo.f_Composite_X_Offset,
                                                photo.f_Composite_Y_Offset);
        const QSizeF result = frame.expandedTo(layer);
        worst = std::max(worst, pictureBytes(scaled(frame, scale)) + 2 * pictureBytes(scaled(layer, scale)) +
                                    pictureBytes(scaled(result, scale)));
    }
    return worst;
}

// Each step: the running picture, the layer, its mask, the reduction and the result; a
// feathered mask adds its plane of coverage (at most the mask's own bytes).
double shapeNeed(const PhotoList &photos, const QList<QSizeF> &sizes, double scale)
{
    QSizeF running = sizes.front();
    double worst = 0.0;
    for (qsizetype i = 1; i < photos.size(); ++i) {
        const Object_Photo &photo = *photos[i];
        const QSizeF layer =
            placedCanvas(sizes[i], photo.f_Shape_Size, photo.f_Shape_X_Offset, photo.f_Shape_Y_Offset);
        const QSizeF result = running.expandedTo(layer);
        const int layers = photo.f_Shape_Feather > 0.0f ? 4 : 3;
        worst = std::max(worst, pictureBytes(scaled(running, scale)) +
                                    layers * pictureBytes(scaled(layer, scale)) +
                                    pictureBytes(scaled(result, scale)));
        running = result;
    }
    return worst;
}

// The fitted copies, the strip and the seam being laid (with its two halves and the
// erased copy). A full-resolution capture stretches every photo to the enlarged frame.
double linearNeed(const PhotoList &photos, const QList<QSizeF> &sizes, bool vertical, bool fullResolution)
{
    const QSizeF box(kLinearFitBox, kLinearFitBox);
    QSizeF frame(0, 0);
    double fitted = 0.0;
    QList<QSize> originals;
    for (const QSizeF &size : sizes) {
        const QSizeF fit = return_Best_Fit_Frame(size, box).size();
        fitted += pictureBytes(fit);
        frame = frame.expandedTo(fit);
        originals.append(size.toSize());
    }
    if (fullResolution) {
        const QSizeF full = linearFullResolutionFrame(originals, frame, vertical);
        if (full != frame) {
            frame = full;
            fitted = double(sizes.size()) * pictureBytes(full);
        }
    }
    const float along = float(vertical ? frame.height() : frame.width());
    float position = 0.0f;
    for (qsizetype k = 1; k < photos.size(); ++k)
        position += linearPair(photos[k]->f_Linear_Intersection_Level, along).growth;
    const double length = std::max(0.0, double(along) + double(position));
    const QSizeF strip = vertical ? QSizeF(frame.width(), length) : QSizeF(length, frame.height());
    const QSizeF seam = vertical ? QSizeF(frame.width(), 2 * along) : QSizeF(2 * along, frame.height());
    return fitted + pictureBytes(strip) + 4 * pictureBytes(seam);
}

// The full-resolution picture of the background's size and one reduced layer at a time.
double transparentNeed(const QList<QSizeF> &sizes, bool capturePending)
{
    if (!capturePending)
        return 0.0;
    double layer = 0.0;
    for (qsizetype i = 1; i < sizes.size(); ++i)
        layer = std::max(layer, pictureBytes(sizes[i]));
    return pictureBytes(sizes.front()) + layer;
}

double pipelineNeed(const PhotoList &photos, const QList<QSizeF> &sizes, quint64 mode, const ViewTarget &view,
                    const ProjectOptions &options)
{
    if (photos.size() < 2)
        return 0.0;
    switch (mode) {
    case Composite:
        return compositeNeed(photos, sizes, passScale(largest(sizes), view));
    case Shape:
        return shapeNeed(photos, sizes, passScale(sizes.front(), view));
    case LinearHorizontal:
    case LinearVertical:
        return linearNeed(photos, sizes, mode == LinearVertical,
                          options.fullResolution && view.capturePending);
    case Transparent:
        return transparentNeed(sizes, view.capturePending);
    default:
        return 0.0;
    }
}

// The view's draws: Composite draws every step's result, the others one picture per
// photo at most, each no larger than the view's pixels.
double viewNeed(const PhotoList &photos, quint64 mode, const ViewTarget &view)
{
    const double draws = mode == Composite ? double(photos.size() - 1) : double(photos.size());
    return std::max(1.0, draws) * pictureBytes(view.size * view.pixelRatio);
}

} // namespace

double passMemoryNeed(const PhotoList &photos, const QList<QSizeF> &sizes, quint64 mode,
                      const ViewTarget &view, const ProjectOptions &options)
{
    if (photos.isEmpty() || sizes.size() != photos.size())
        return 0.0;
    MemoryNeed need;
    for (const QSizeF &size : sizes)
        need.add(pictureBytes(size) * (view.capturePending ? 1.0 : 1.0 + kReducedCopiesShare));
    need.add(pipelineNeed(photos, sizes, mode, view, options));
    need.add(viewNeed(photos, mode, view));
    return need.bytes;
}

double passMemoryNeed(const PhotoList &photos, quint64 mode, const ViewTarget &view,
                      const ProjectOptions &options)
{
    QList<QSizeF> sizes;
    sizes.reserve(photos.size());
    for (const PhotoPtr &photo : photos)
        sizes.append(imageSizeF(photo->image));
    return passMemoryNeed(photos, sizes, mode, view, options);
}

QString passBudgetRefusal(double need)
{
    const qint64 budget = memoryBudget();
    if (need <= double(budget))
        return {};
    return QCoreApplication::translate("PassMemory", "the project %1.")
        .arg(overBudgetReason(need, budget, QCoreApplication::translate("PassMemory", "render")));
}
