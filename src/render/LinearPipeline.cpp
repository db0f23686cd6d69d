#include "render/LinearPipeline.h"

#include "imaging/Filters.h"
#include "imaging/Geometry.h"
#include "imaging/LowerLeft.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

// A transparent canvas of `size` with the earlier photo stretched into the common frame.
QImage pairCanvas(const QImage &earlier, QSizeF size, QSizeF frame)
{
    QImage canvas = transparentCanvas(size.width(), size.height());
    drawImageIntoLL(canvas, QRectF(QPointF(0, 0), frame), earlier);
    return canvas;
}

// The extent of the strip canvas: the frame grown by the final position along the axis.
QSizeF stripSize(QSizeF frame, float position, bool vertical)
{
    if (vertical)
        return {frame.width(), double(float(frame.height()) + position)};
    return {double(float(frame.width()) + position), frame.height()};
}

// Seam j copied with its leading band erased, so the previous seam shows through it.
QImage erasedSeam(const QImage &seam, QSizeF frame, bool vertical)
{
    QImage copy = seam.copy();
    const QRectF band = vertical ? QRectF(0, 0, frame.width(), frame.height() / 1.3)
                                 : QRectF(0, 0, frame.width() / 1.3, frame.height());
    QPainter painter(&copy);
    fillRectLL(painter, copy.height(), band, Qt::transparent);
    return copy;
}

// Replaces every photo's picture by its original stretched to the full-resolution frame
// and returns that frame (the 400 x 400 `frame` when nothing would be enlarged).
QSizeF fitFullResolution(const PhotoList &photos, const QList<QImage> &originals, QSizeF frame, bool vertical)
{
    QList<QSize> sizes;
    for (const QImage &original : originals)
        sizes.append(original.size());
    const QSizeF full = Linear_Full_Resolution_Frame(sizes, frame, vertical);
    if (full == frame)
        return frame;
    for (qsizetype i = 0; i < photos.size(); ++i)
        photos[i]->image = Resize_Image_To_Fit_Size(originals[i], full);
    return full;
}

PassResult renderLinear(const PhotoList &photos, const ViewTarget &view, bool vertical,
                        const ProjectOptions &options)
{
    QList<QImage> originals;
    const bool full = options.fullResolution && view.capturePending;
    for (const PhotoPtr &photo : photos)
        if (full)
            originals.append(Linear_Original(*photo));
    const QSizeF fitted = Fit_Linear_Photos(photos);
    const QSizeF frame = full ? fitFullResolution(photos, originals, fitted, vertical) : fitted;
    const float along = float(vertical ? frame.height() : frame.width());
    // The seams' ramp was made for the 400 x 400 frame: an enlarged one scales it.
    const float seamScale =
        float(vertical ? frame.height() / fitted.height() : frame.width() / fitted.width());
    QList<Object_Linear_Position> seams;
    float position = 0.0f;
    for (qsizetype k = 1; k < photos.size(); ++k) {
        const LinearPair pair = Linear_Pair(photos[k]->f_Linear_Intersection_Level, along);
        position += pair.growth;
        seams.append({Linear_Seam(photos[k - 1]->image, photos[k]->image, frame, pair, vertical,
                                  options.blendSpace, full ? seamScale : 1.0f),
                      position});
    }
    PassResult pass;
    pass.mixed = seams.size() == 1 ? seams.front().image : Linear_Strip(seams, frame, vertical);
    Add_Fitted_Draw(pass, pass.mixed, view);
    return pass;
}

} // namespace

QSizeF Fit_Linear_Photos(const PhotoList &photos)
{
    const QSizeF box(kLinearFitBox, kLinearFitBox);
    float maxW = 0.0f;
    float maxH = 0.0f;
    for (const PhotoPtr &photo : photos) {
        const QRectF fitted = return_Best_Fit_Frame(imageSizeF(photo->image), box);
        const QImage original = Linear_Original(*photo);
        photo->image = Resize_Image_To_Fit_Size(photo->image, fitted.size());
        if (photo->image.cacheKey() != original.cacheKey()) {
            photo->linearOriginal = original;
            photo->linearFittedKey = photo->image.cacheKey();
        }
        maxW = std::max(maxW, float(photo->image.width()));
        maxH = std::max(maxH, float(photo->image.height()));
    }
    return QSizeF(maxW, maxH);
}

QImage Linear_Original(const Object_Photo &photo)
{
    const bool fitted = !photo.linearOriginal.isNull() && photo.linearFittedKey == photo.image.cacheKey();
    return fitted ? photo.linearOriginal : photo.image;
}

QSizeF Linear_Full_Resolution_Frame(const QList<QSize> &originals, QSizeF frame, bool vertical)
{
    const double side = vertical ? frame.width() : frame.height();
    int common = 0;
    for (const QSize &size : originals) {
        const int own = vertical ? size.width() : size.height();
        common = common == 0 ? own : std::min(common, own);
    }
    if (side <= 0.0 || common <= side)
        return frame;
    const double k = common / side;
    return vertical ? QSizeF(common, std::round(frame.height() * k))
                    : QSizeF(std::round(frame.width() * k), common);
}

LinearPair Linear_Pair(float level, float along)
{
    LinearPair pair;
    pair.p = level * 100.0f / 360.0f;
    pair.t = pair.p / 100.0f;
    const double extent =
        2.0 * double(along) - ((100.0 - double(pair.p)) / 100.0 + 1.0) * double(along) * double(pair.t);
    pair.extent = float(extent);
    pair.growth = along - pair.t * 2.0f * along;
    return pair;
}

QImage Linear_Seam(const QImage &earlier, const QImage &later, QSizeF frame, const LinearPair &pair,
                   bool vertical, BlendSpace space, float seamScale)
{
    const QSizeF size = vertical ? QSizeF(frame.width(), pair.extent) : QSizeF(pair.extent, frame.height());
    const QImage first = pairCanvas(earlier, size, frame);
    QImage second = first.copy();
    const float along = float(vertical ? frame.height() : frame.width());
    const float offset = along - pair.extent * pair.t;
    const QPointF origin = vertical ? QPointF(0, offset) : QPointF(offset, 0);
    drawImageIntoLL(second, QRectF(origin, frame), later);
    return vertical ? imageSwipeVertical(first, second, space, seamScale)
                    : imageSwipe(first, second, space, seamScale);
}

QImage Linear_Strip(const QList<Object_Linear_Position> &seams, QSizeF frame, bool vertical)
{
    const QSizeF size = stripSize(frame, seams.back().f_Position, vertical);
    QImage strip = transparentCanvas(size.width(), size.height());
    if (strip.isNull())
        return {};
    drawImageIntoLL(strip, QRectF(QPointF(0, 0), imageSizeF(seams.front().image)), seams.front().image);
    for (qsizetype j = 1; j < seams.size(); ++j) {
        const float previous = seams[j - 1].f_Position;
        const QPointF at = vertical ? QPointF(0, previous) : QPointF(previous, 0);
        const QImage seam = erasedSeam(seams[j].image, frame, vertical);
        drawImageIntoLL(strip, QRectF(at, imageSizeF(seam)), seam);
    }
    return strip;
}

PassResult Render_Linear_Horizontal(const PhotoList &photos, const ViewTarget &view,
                                    const ProjectOptions &options)
{
    return renderLinear(photos, view, false, options);
}

PassResult Render_Linear_Vertical(const PhotoList &photos, const ViewTarget &view,
                                  const ProjectOptions &options)
{
    return renderLinear(photos, view, true, options);
}
