#include "render/PassMemory.h"

#include "imaging/Geometry.h"
#include "imaging/MemoryBudget.h"
#include "model/ProjectMode.h"
#include "render/FusionPipeline.h"
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

// The canvas of a placed layer (a turned photo's canvas reaches to its turned bounds): a non-finite geometry
// counts as more than any budget; a photo without a picture (or of a size not known yet) has none.
QSizeF placedCanvas(QSizeF photo, float S, float X, float Y, const Placement &placement)
{
    if (photo.isEmpty())
        return {0, 0};
    const PlacedLayer geometry = placedLayerGeometry(photo, S, X, Y, placement);
    if (!std::isfinite(geometry.canvasSize.width()) || !std::isfinite(geometry.canvasSize.height()))
        return {qInf(), qInf()};
    return geometry.canvasSize;
}

// A photo drawn mirrored or turned is first copied mirrored, then turned by quarter turns:
// two copies of the pixels it is drawn from at most (`pixels`, at the pass's scale).
double orientedCopies(const Object_Photo &photo, quint64 mode, QSizeF pixels)
{
    return photoPlacement(photo, mode).isIdentity() ? 0.0 : 2.0 * pictureBytes(pixels);
}

// A masked photo's step holds its masked copy too, at the photo's size in the pass (the
// mask itself is made a row at a time).
double maskedCopyBytes(const Object_Photo &photo, QSizeF size, double scale)
{
    return photo.mask.isEmpty() ? 0.0 : pictureBytes(scaled(size, scale));
}

// Each step: the background stretched to the frame, the layer, the layer's reduction of
// the photo (or its mirrored and turned copies) and the result spanning both (and a
// masked photo's copy).
double compositeNeed(const PhotoList &photos, const QList<QSizeF> &sizes, double scale)
{
    const QSizeF frame = largest(sizes);
    double worst = 0.0;
    for (qsizetype i = 1; i < photos.size(); ++i) {
        const Object_Photo &photo = *photos[i];
        const QSizeF layer = photo.bCompositeSizeOfBG || (photo.alignment && sizes[i] == sizes.front())
                                 ? frame
                                 : placedCanvas(sizes[i], photo.f_Composite_Size, photo.f_Composite_X_Offset,
                                                photo.f_Composite_Y_Offset, photoPlacement(photo, Composite));
        const QSizeF result = frame.expandedTo(layer);
        worst = std::max(worst, pictureBytes(scaled(frame, scale)) + 2 * pictureBytes(scaled(layer, scale)) +
                                    pictureBytes(scaled(result, scale)) +
                                    orientedCopies(photo, Composite, scaled(sizes[i], scale)) +
                                    maskedCopyBytes(photo, sizes[i], scale));
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
        const QSizeF layer = placedCanvas(sizes[i], photo.f_Shape_Size, photo.f_Shape_X_Offset,
                                          photo.f_Shape_Y_Offset, photoPlacement(photo, Shape));
        const QSizeF result = running.expandedTo(layer);
        const int layers = photo.f_Shape_Feather > 0.0f ? 4 : 3;
        worst = std::max(worst, pictureBytes(scaled(running, scale)) +
                                    layers * pictureBytes(scaled(layer, scale)) +
                                    pictureBytes(scaled(result, scale)) +
                                    orientedCopies(photo, Shape, scaled(sizes[i], scale)) +
                                    maskedCopyBytes(photo, sizes[i], scale));
        running = result;
    }
    return worst;
}

// The Linear strip's frame and length, and the fitted copies' bytes. A full-resolution
// capture stretches every photo to the enlarged frame.
struct LinearStrip {
    QSizeF frame{0, 0};
    QSizeF strip{0, 0};
    QSizeF picture{0, 0}; // the strip, or with two photos the seam, which can be longer
    double fitted = 0.0;
};

LinearStrip linearStrip(const PhotoList &photos, const QList<QSizeF> &sizes, bool vertical,
                        bool fullResolution)
{
    const QSizeF box(kLinearFitBox, kLinearFitBox);
    LinearStrip linear;
    QList<QSize> originals;
    for (const QSizeF &size : sizes) {
        const QSizeF fit = return_Best_Fit_Frame(size, box).size();
        linear.fitted += pictureBytes(fit);
        linear.frame = linear.frame.expandedTo(fit);
        originals.append(size.toSize());
    }
    if (fullResolution) {
        const QSizeF full = linearFullResolutionFrame(originals, linear.frame, vertical);
        if (full != linear.frame) {
            linear.frame = full;
            linear.fitted = double(sizes.size()) * pictureBytes(full);
        }
    }
    const float along = float(vertical ? linear.frame.height() : linear.frame.width());
    float position = 0.0f;
    for (qsizetype k = 1; k < photos.size(); ++k)
        position += linearPair(photos[k]->f_Linear_Intersection_Level, along).growth;
    const double length = std::max(0.0, double(along) + double(position));
    const double picture = photos.size() == 2
                               ? double(linearPair(photos[1]->f_Linear_Intersection_Level, along).extent)
                               : length;
    linear.strip = vertical ? QSizeF(linear.frame.width(), length) : QSizeF(length, linear.frame.height());
    linear.picture =
        vertical ? QSizeF(linear.frame.width(), picture) : QSizeF(picture, linear.frame.height());
    return linear;
}

// The fitted copies, the strip and the seam being laid (with its two halves and the
// erased copy).
double linearNeed(const LinearStrip &linear, bool vertical)
{
    const double along = vertical ? linear.frame.height() : linear.frame.width();
    const QSizeF seam =
        vertical ? QSizeF(linear.frame.width(), 2 * along) : QSizeF(2 * along, linear.frame.height());
    return linear.fitted + pictureBytes(linear.strip) + 4 * pictureBytes(seam);
}

// The full-resolution picture of the background's size and one reduced layer (or the
// mirrored and turned copies of one photo) at a time, with a masked photo's copy.
double transparentNeed(const PhotoList &photos, const QList<QSizeF> &sizes, bool capturePending)
{
    if (!capturePending)
        return 0.0;
    double layer = 0.0;
    for (qsizetype i = 1; i < sizes.size(); ++i)
        layer = std::max({layer, pictureBytes(sizes[i]) + maskedCopyBytes(*photos[i], sizes[i], 1.0),
                          orientedCopies(*photos[i], Transparent, sizes[i])});
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
        return linearNeed(
            linearStrip(photos, sizes, mode == LinearVertical, options.fullResolution && view.capturePending),
            mode == LinearVertical);
    case Transparent:
        return transparentNeed(photos, sizes, view.capturePending);
    case Fusion:
        return fusionPassNeed(sizes.front(), photos.size(), passScale(sizes.front(), view));
    default:
        return 0.0;
    }
}

// The mixed picture of a capture: the running result after the last step.
QSizeF compositePicture(const PhotoList &photos, const QList<QSizeF> &sizes)
{
    const QSizeF frame = largest(sizes);
    const Object_Photo &last = *photos.back();
    if (last.bCompositeSizeOfBG || (last.alignment && sizes.back() == sizes.front()))
        return frame;
    return frame.expandedTo(placedCanvas(sizes.back(), last.f_Composite_Size, last.f_Composite_X_Offset,
                                         last.f_Composite_Y_Offset, photoPlacement(last, Composite)));
}

QSizeF shapePicture(const PhotoList &photos, const QList<QSizeF> &sizes)
{
    QSizeF running = sizes.front();
    for (qsizetype i = 1; i < photos.size(); ++i)
        running =
            running.expandedTo(placedCanvas(sizes[i], photos[i]->f_Shape_Size, photos[i]->f_Shape_X_Offset,
                                            photos[i]->f_Shape_Y_Offset, photoPlacement(*photos[i], Shape)));
    return running;
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

QSizeF capturedPictureSize(const PhotoList &photos, const QList<QSizeF> &sizes, quint64 mode,
                           const ProjectOptions &options)
{
    if (photos.isEmpty() || sizes.size() != photos.size())
        return {0, 0};
    if (photos.size() == 1)
        return sizes.front();
    switch (mode) {
    case Composite:
        return compositePicture(photos, sizes);
    case Shape:
        return shapePicture(photos, sizes);
    case LinearHorizontal:
    case LinearVertical:
        return linearStrip(photos, sizes, mode == LinearVertical, options.fullResolution).picture;
    case Transparent:
    case Fusion:
        return sizes.front();
    default:
        return {0, 0};
    }
}

QString passBudgetRefusal(double need)
{
    const qint64 budget = memoryBudget();
    if (need <= double(budget))
        return {};
    return QCoreApplication::translate("PassMemory", "the project %1.")
        .arg(overBudgetReason(need, budget, QCoreApplication::translate("PassMemory", "render")));
}
