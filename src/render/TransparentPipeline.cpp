#include "render/TransparentPipeline.h"

#include "imaging/Geometry.h"
#include "imaging/LowerLeft.h"
#include "model/ProjectMode.h"
#include "render/PassCache.h"
#include "render/PlacedLayer.h"

#include <algorithm>
#include <optional>
#include <utility>

namespace {

// The full-resolution picture: the background at its own size, the layers over it.
QImage fullResolution(const PhotoList &photos)
{
    const QImage &background = photos.front()->image;
    const QRectF frame(QPointF(0, 0), imageSizeF(background));
    QImage picture = transparentCanvas(frame.width(), frame.height());
    drawImageIntoLL(picture, frame, background);
    for (qsizetype i = 1; i < photos.size(); ++i) {
        const Object_Photo &photo = *photos[i];
        const float opacity = transparentOpacity(photo.f_Transparent_Transparency);
        if (opacity > 0.0f)
            drawPhotoPlaced(picture, transparentLayerRect(photo, frame), maskedPixels(photo, photo.image),
                            photoPlacement(photo, Transparent), opacity);
    }
    return picture;
}

// The pixels a layer is drawn from into the view: the photo itself in a full-resolution
// pass, else its smallest reduced copy that still holds what the view shows of it.
QImage viewPixels(const Object_Photo &photo, const QRectF &rect, const ViewTarget &view)
{
    return view.capturePending ? photo.image : photoForPixels(photo, rect.size() * view.pixelRatio);
}

} // namespace

QRectF transparentLayerRect(const Object_Photo &photo, const QRectF &background)
{
    const float bx = float(background.x());
    const float by = float(background.y());
    const float bw = float(background.width());
    const float bh = float(background.height());
    const float a = float(photo.image.width()) / float(photo.image.height());
    const float offX = photo.f_Transparent_X_Offset * bw / 100.0f;
    const float offY = photo.f_Transparent_Y_Offset * bh / 100.0f;
    const float w = photo.f_Transparent_Size * bw / 100.0f;
    const float h = w / a;
    return QRectF(bx + offX, by + offY, w, h);
}

float transparentOpacity(quint64 transparency)
{
    const double opacity = 1.0 - double(transparency) / 100.0;
    return std::clamp(float(opacity), 0.0f, 1.0f);
}

namespace {

// The photo too large to draw at full resolution, as the failed pass that names it: the
// background at its own size, or a visible layer reduced to a rectangle that still has
// a side too long (an enlargement is drawn straight from the photo, clipped to the
// picture); none when every one can be drawn.
std::optional<PassResult> oversizedPhoto(const PhotoList &photos)
{
    const QRectF frame(QPointF(0, 0), imageSizeF(photos.front()->image));
    if (const QString failure = oversizedFailure(frame.size()); !failure.isEmpty())
        return failedLayerPass(photos, 0, failure);
    for (qsizetype i = 1; i < photos.size(); ++i) {
        const Object_Photo &photo = *photos[i];
        if (photo.image.isNull() || transparentOpacity(photo.f_Transparent_Transparency) <= 0.0f)
            continue;
        const QSizeF drawn = transparentLayerRect(photo, frame).size();
        const bool enlarged = drawn.width() >= photo.image.width() && drawn.height() >= photo.image.height();
        if (const QString failure = oversizedFailure(drawn); !enlarged && !failure.isEmpty())
            return failedLayerPass(photos, i, failure);
    }
    return std::nullopt;
}

// What photo i draws into the view (the background, i = 0, fills the frame).
QList<ViewDraw> photoDraws(const PhotoList &photos, qsizetype i, const QRectF &frame, const ViewTarget &view)
{
    PassResult drawn;
    const Object_Photo &photo = *photos[i];
    if (i == 0) {
        addViewDraw(drawn, viewPixels(photo, frame, view), frame, view);
        return drawn.draws;
    }
    const float opacity = transparentOpacity(photo.f_Transparent_Transparency);
    if (opacity <= 0.0f)
        return {};
    const QRectF rect = transparentLayerRect(photo, frame);
    const OrientedPicture oriented = orientPicture(maskedPixels(photo, viewPixels(photo, rect, view)), rect,
                                                   photoPlacement(photo, Transparent));
    addViewDraw(drawn, oriented.image, oriented.rect, view, opacity, oriented.turn);
    return drawn.draws;
}

} // namespace

PassResult renderTransparent(const PhotoList &photos, const ViewTarget &view)
{
    if (std::optional<PassResult> failed = oversizedPhoto(photos))
        return *failed;
    PassResult pass;
    const Object_Photo &background = *photos.front();
    pass.fullSize = background.image.size();
    const QRectF frame = return_Best_Fit_Frame(imageSizeF(background.image), view.size);
    // The cache keeps each photo's draws under a key of the view, the frame and the photo
    // alone: a change to one photo (dragged, its mask painted) draws that photo again.
    const quint64 base = chainKey(chainKey(passKey(Transparent, view, {}), frame.width()), frame.height());
    QList<PassCache::Step> kept;
    if (view.cache) {
        kept = std::exchange(view.cache->steps, {});
        view.cache->keepMatching({}); // nothing is drawn over a picture made before
    }
    for (qsizetype i = 0; i < photos.size(); ++i) {
        const quint64 key = chainPhotoKey(chainKey(base, quint64(i == 0)), *photos[i], Transparent);
        const auto same =
            std::find_if(kept.begin(), kept.end(), [&](const auto &step) { return step.key == key; });
        const QList<ViewDraw> draws = same != kept.end() ? same->draws : photoDraws(photos, i, frame, view);
        pass.draws.append(draws);
        if (view.cache)
            view.cache->append({key, QImage(), QSize(), draws});
    }
    if (view.capturePending)
        pass.mixed = fullResolution(photos);
    return pass;
}
