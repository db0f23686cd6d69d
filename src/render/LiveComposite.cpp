#include "render/LiveComposite.h"

#include "imaging/Filters.h"
#include "imaging/Geometry.h"
#include "imaging/LowerLeft.h"
#include "imaging/MaskRaster.h"
#include "imaging/Parallel.h"
#include "imaging/PixelRows.h"
#include "model/PhotoPlacement.h"
#include "model/ProjectMode.h"
#include "render/CompositePipeline.h"
#include "render/PassCache.h"
#include "render/PhotoOutline.h"
#include "render/PlacedLayer.h"

#include <QPainter>

#include <cmath>
#include <functional>
#include <utility>

QList<QPointF> grownPoints(const PhotoMask &before, const PhotoMask &now)
{
    const qsizetype n = now.strokes.size();
    if (now.gradients != before.gradients || now.invert != before.invert || n == 0 ||
        (n != before.strokes.size() && n != before.strokes.size() + 1))
        return {};
    for (qsizetype i = 0; i + 1 < n; ++i)
        if (!(now.strokes[i] == before.strokes[i]))
            return {};
    const MaskStroke &grown = now.strokes.last();
    if (n == before.strokes.size() + 1)
        return grown.points;
    const MaskStroke &was = before.strokes.last();
    const MaskStroke same{grown.show, grown.size, grown.hardness, grown.opacity, was.points};
    if (!(same == was) || grown.points.size() <= was.points.size() ||
        grown.points.mid(0, was.points.size()) != was.points)
        return {};
    return grown.points.mid(was.points.size() - 1);
}

QRect reachedRect(const QList<QPointF> &points, double size, const QRectF &photo, QSize layer)
{
    QRectF reached;
    const double radius = size / 2.0 * photo.width() + 2.0;
    for (const QPointF &point : points) {
        const QPointF at(photo.x() + point.x() * photo.width(), photo.y() + point.y() * photo.height());
        reached |= QRectF(at.x() - radius, at.y() - radius, 2 * radius, 2 * radius);
    }
    return reached.toAlignedRect() & QRect(QPoint(0, 0), layer);
}

namespace {

// The one photo whose mask differs from its step's, or 0 when none or several do.
qsizetype changedMask(const PhotoList &photos, const PassCache &cache)
{
    return onlyPhotoWhere(photos.size(),
                          [&](qsizetype i) { return !(photos[i]->mask == cache.steps[i - 1].mask); });
}

// Where the photo lies in its layer (top-left pixels of the layer at `scale`).
QRectF photoInLayer(const Object_Photo &photo, QSizeF frame, double scale, QSize layer)
{
    if (photo.bCompositeSizeOfBG)
        return {QPointF(0, 0), frame * scale};
    const PlacedLayer geometry = placedLayerGeometry(imageSizeF(photo.image), photo.f_Composite_Size,
                                                     photo.f_Composite_X_Offset, photo.f_Composite_Y_Offset);
    const QRectF rect = geometry.pixelRect(scale);
    return {rect.x(), layer.height() - rect.y() - rect.height(), rect.width(), rect.height()};
}

// The steps all lie within the frame: each is the frame's size, at full resolution and
// at the pass's scale, and so is every layer or less.
bool stepsWithinFrame(const PassCache &cache, QSizeF frame, double scale)
{
    const QSize pixels = resizedPixelSize(frame * scale);
    for (const PassCache::Step &step : cache.steps)
        if (step.picture.size() != pixels || step.fullSize != resizedPixelSize(frame) ||
            step.layer.width() > pixels.width() || step.layer.height() > pixels.height())
            return false;
    return true;
}

// What a step's picture draws into the view, made afresh.
QList<ViewDraw> fittedDraws(const PassCache::Step &step, double scale, const ViewTarget &view)
{
    PassResult made;
    addFittedDraw(made, step.picture, QSizeF(step.fullSize), scale, view);
    return made.draws;
}

// Puts `mixed` at `region` of the step's picture and, when it is `drawn`, of what it
// draws into the view: a draw that is the picture itself (the pass's scale is the
// view's) shares it again, one reduced from it takes the region reduced (smoothly, from
// the picture's pixels around it), and any other is made again. A step not drawn is left
// without draws (livePassResult makes them if the view needs them).
void redrawStep(PassCache::Step &step, QRect region, const QImage &mixed, double scale,
                const ViewTarget &view, bool drawn)
{
    QList<ViewDraw> draws = std::exchange(step.draws, {}); // the picture is then the step's alone
    const bool one = draws.size() == 1;
    const bool shared = one && draws.front().image.cacheKey() == step.picture.cacheKey();
    if (shared)
        draws.front().image = QImage();
    QPainter painter(&step.picture);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(region.topLeft(), mixed);
    painter.end();
    if (!drawn)
        return;
    if (shared) {
        draws.front().image = step.picture;
    } else if (one && !draws.front().image.isNull()) {
        QImage &reduced = draws.front().image;
        const double kx = double(reduced.width()) / step.picture.width();
        const double ky = double(reduced.height()) / step.picture.height();
        const QRectF around = QRectF(region.adjusted(-2, -2, 2, 2));
        const QRect target =
            QRectF(around.x() * kx, around.y() * ky, around.width() * kx, around.height() * ky)
                .toAlignedRect() &
            reduced.rect();
        const QRectF source(target.x() / kx, target.y() / ky, target.width() / kx, target.height() / ky);
        QPainter draw(&reduced);
        draw.setCompositionMode(QPainter::CompositionMode_Source);
        draw.setRenderHint(QPainter::SmoothPixmapTransform);
        draw.drawImage(QRectF(target), step.picture, source);
    } else {
        draws = fittedDraws(step, scale, view);
    }
    step.draws = draws;
}

bool isOpaque(const QImage &picture)
{
    for (int y = 0; y < picture.height(); ++y)
        if (!allOpaque(reinterpret_cast<const QRgb *>(picture.constScanLine(y)), picture.width()))
            return false;
    return true;
}

// The cache holds a step for each later photo of the pass, made at its scale over its
// frame, and each step lies within the frame.
bool cacheFitsPass(const PassCache &cache, const PhotoList &photos, QSizeF frame, double scale)
{
    return cache.steps.size() == photos.size() - 1 &&
           cache.background.size() == resizedPixelSize(frame * scale) &&
           stepsWithinFrame(cache, frame, scale);
}

// The pixels of the frame (top-left, at `scale`) that the photo's placed layer can
// reach: its turned rectangle, with a margin for the smoothing at its edges.
QRect placedRegion(const Object_Photo &photo, QSizeF frame, double scale)
{
    const std::optional<PhotoOutline> outline = photoOutline(photo, Composite, frame);
    if (!outline)
        return {};
    const QRectF bounds = turnedBounds(outline->rect, outline->placement.rotation);
    const QSize pixels = resizedPixelSize(frame * scale);
    const QRectF topLeft(bounds.x() * scale, pixels.height() - bounds.bottom() * scale,
                         bounds.width() * scale, bounds.height() * scale);
    return topLeft.toAlignedRect().adjusted(-2, -2, 2, 2) & QRect(QPoint(0, 0), pixels);
}

// Where photo i's layer can show in the frame: its placed region, or the whole frame
// for a layer stretched or warped over it.
QRect layerReach(const Object_Photo &photo, QSizeF frame, double scale)
{
    if (photo.bCompositeSizeOfBG || photo.alignment)
        return QRect(QPoint(0, 0), resizedPixelSize(frame * scale));
    return placedRegion(photo, frame, scale);
}

// `running`'s pixels at `region` with `layer` (under its `coverage`, when it has one)
// blended over them where the layer can show (`reach`); elsewhere the layer is
// transparent and leaves them as they are.
QImage mixRegion(const QImage &running, const CompositeLayer &layer, QRect region, QRect reach,
                 QSize framePixels, const Object_Photo &photo, const ProjectOptions &options)
{
    const auto blend = [&](QRect rect) {
        return imageComposite(
            frameRegion(running, rect, framePixels), frameRegion(layer.image, rect, framePixels),
            photo.m_Composite_Blend_Mode, compositeOpacity(photo), options.blendSpace,
            layer.coverage.isNull() ? QImage() : frameRegion(layer.coverage, rect, framePixels));
    };
    const QRect blended = region & reach;
    if (blended == region)
        return blend(region);
    QImage mixed = frameRegion(running, region, framePixels);
    if (!blended.isEmpty()) {
        QPainter painter(&mixed);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(blended.topLeft() - region.topLeft(), blend(blended));
    }
    return mixed;
}

// Mixes `region` (top-left pixels of the frame) afresh through every step from photo
// k's on, from the picture before photo k: photo k's layer there is what `regionLayer`
// makes (the region's pixels and coverage), every later photo's is its step's, blended
// where it can show. A small region (a few dabs of a stroke) stays on this thread,
// where it is quicker than shared out; a dragged photo's is shared out (the bottom photo
// of eight dragged as a draft: 9 ms a pass at the median against 13.5 on one thread).
void remixRegion(PassCache &cache, const PhotoList &photos, qsizetype k, QRect region,
                 const std::function<CompositeLayer()> &regionLayer, QSizeF frame, double scale,
                 const ViewTarget &view, const ProjectOptions &options)
{
    if (region.isEmpty())
        return;
    constexpr qint64 kSmallRegion = 128 * 128;
    std::optional<OnThisThread> alone;
    if (qint64(region.width()) * region.height() <= kSmallRegion)
        alone.emplace();
    const QSize framePixels = cache.background.size();
    QImage running = k == 1 ? cache.background : cache.steps[k - 2].picture;
    PassCache::Step &first = cache.steps[k - 1];
    const CompositeLayer layer = regionLayer();
    redrawStep(first, region,
               imageComposite(frameRegion(running, region, framePixels), layer.image,
                              photos[k]->m_Composite_Blend_Mode, compositeOpacity(*photos[k]),
                              options.blendSpace, layer.coverage),
               scale, view, k + 1 == photos.size());
    running = first.picture;
    for (qsizetype i = k + 1; i < photos.size(); ++i) {
        PassCache::Step &step = cache.steps[i - 1];
        redrawStep(step, region,
                   mixRegion(running, {step.layer, step.coverage}, region,
                             layerReach(*photos[i], frame, scale), framePixels, *photos[i], options),
                   scale, view, i + 1 == photos.size());
        running = step.picture;
    }
}

// The pass the cache's steps now draw. The steps from photo k's on are marked live,
// under the keys of the state they show.
PassResult livePassResult(PassCache &cache, qsizetype k, const QList<quint64> &keys, double scale,
                          const ViewTarget &view)
{
    for (qsizetype i = k - 1; i < cache.steps.size(); ++i) {
        cache.steps[i].key = keys[i];
        cache.steps[i].live = true;
    }
    PassResult pass;
    // Over an opaque last picture the steps before it do not show: only it is drawn.
    if (isOpaque(cache.steps.last().picture)) {
        pass.draws = cache.steps.last().draws;
    } else {
        for (PassCache::Step &step : cache.steps) {
            if (step.draws.isEmpty() && !step.picture.isNull()) // redrawn without its draws
                step.draws = fittedDraws(step, scale, view);
            pass.draws.append(step.draws);
        }
    }
    pass.fullSize = cache.steps.last().fullSize;
    pass.mixed = cache.steps.last().picture;
    return pass;
}

// The one photo whose placing differs from its step's, or 0 when none or several do.
qsizetype movedPhoto(const PhotoList &photos, const PassCache &cache)
{
    return onlyPhotoWhere(photos.size(), [&](qsizetype i) {
        return placingValues(*photos[i], Composite) != cache.steps[i - 1].placing;
    });
}

// The steps' keys: the state each step shows.
QList<quint64> shownKeys(const PassCache &cache)
{
    QList<quint64> keys;
    for (const PassCache::Step &step : cache.steps)
        keys.append(step.key);
    return keys;
}

// Whether the steps show `photos` with photo k replaced by `was`.
bool showsWith(const PassCache &cache, PhotoList photos, qsizetype k, const Object_Photo &was, QSizeF frame,
               double scale, const ViewTarget &view, const ProjectOptions &options)
{
    photos[k] = std::make_shared<const Object_Photo>(was);
    return compositeStepKeys(photos, frame, scale, view, options) == shownKeys(cache);
}

} // namespace

std::optional<PassResult> liveDragPass(const PhotoList &photos, QSizeF frame, double scale,
                                       const ViewTarget &view, const ProjectOptions &options,
                                       const QList<quint64> &keys)
{
    PassCache &cache = *view.cache;
    if (!cacheFitsPass(cache, photos, frame, scale))
        return std::nullopt;
    const qsizetype k = movedPhoto(photos, cache);
    if (k == 0 || photos[k]->alignment || photos[k]->bCompositeSizeOfBG)
        return std::nullopt;
    // Every step must show this state but for photo k's place.
    PassCache::Step &moved = cache.steps[k - 1];
    Object_Photo before = *photos[k];
    writePlacingValues(before, Composite, moved.placing);
    if (!showsWith(cache, photos, k, before, frame, scale, view, options))
        return std::nullopt;
    CompositeLayer layer = compositeLayer(*photos[k], frame, scale);
    const QSize framePixels = cache.background.size();
    if (layer.image.width() > framePixels.width() || layer.image.height() > framePixels.height())
        return std::nullopt; // the picture grows: a full pass
    const QRect region = placedRegion(before, frame, scale) | placedRegion(*photos[k], frame, scale);
    remixRegion(
        cache, photos, k, region,
        [&] {
            return CompositeLayer{frameRegion(layer.image, region, framePixels),
                                  layer.coverage.isNull() ? QImage()
                                                          : frameRegion(layer.coverage, region, framePixels)};
        },
        frame, scale, view, options);
    moved.layer = std::move(layer.image);
    moved.coverage = std::move(layer.coverage);
    moved.placing = placingValues(*photos[k], Composite);
    moved.plainLayer = QImage(); // made for the place it had
    return livePassResult(cache, k, keys, scale, view);
}

std::optional<PassResult> liveCompositePass(const PhotoList &photos, QSizeF frame, double scale,
                                            const ViewTarget &view, const ProjectOptions &options,
                                            const QList<quint64> &keys)
{
    PassCache &cache = *view.cache;
    if (!cacheFitsPass(cache, photos, frame, scale))
        return std::nullopt;
    const QList<quint64> baseKeys = compositeStepKeys(photos, frame, scale, view, options, false);
    for (qsizetype i = 0; i < cache.steps.size(); ++i)
        if (cache.steps[i].baseKey != baseKeys[i])
            return std::nullopt;
    const qsizetype k = changedMask(photos, cache);
    PassCache::Step &painted = cache.steps[qsizetype(std::max<qsizetype>(k, 1) - 1)];
    const QList<QPointF> points = k ? grownPoints(painted.mask, photos[k]->mask) : QList<QPointF>();
    if (points.isEmpty())
        return std::nullopt;
    const Object_Photo &photo = *photos[k];
    // A turned, mirrored or aligned photo's stroke is not where the plain layer would put
    // it: such a photo gets whole passes.
    if (photo.alignment || !photoPlacement(photo, Composite).isIdentity())
        return std::nullopt;
    if (painted.plainLayer.isNull() && !painted.coverage.isNull()) {
        painted.plainLayer = painted.layer; // the blend took the mask apart: the layer is plain
    } else if (painted.plainLayer.isNull()) {
        painted.plainLayer = compositePlainLayer(photo, frame, scale);
    }
    const QSize layerSize = painted.plainLayer.size();
    const QRectF inLayer = photoInLayer(photo, frame, scale, layerSize);
    const QRect reached = reachedRect(points, photo.mask.strokes.last().size, inLayer, layerSize);
    const QSize framePixels = resizedPixelSize(frame * scale);
    const QRect region = reached.translated(0, framePixels.height() - layerSize.height());
    remixRegion(
        cache, photos, k, region,
        [&] {
            return CompositeLayer{applyMask(painted.plainLayer.copy(reached), photo.mask,
                                            inLayer.size().toSize(),
                                            reached.topLeft() - inLayer.topLeft().toPoint()),
                                  QImage()};
        },
        frame, scale, view, options);
    painted.mask = photo.mask;
    return livePassResult(cache, k, keys, scale, view);
}
