#include "render/LinearPipeline.h"

#include "imaging/Filters.h"
#include "imaging/Geometry.h"
#include "imaging/LowerLeft.h"

#include <QCoreApplication>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <utility>

namespace {

// `canvas` made transparent and `size` large. A canvas that already has that size and
// is not shared is cleared where it is: on a fresh picture the first touch of every
// page costs more than the clearing, and a strip's seams mostly have one size.
void clearCanvas(QImage &canvas, QSizeF size)
{
    if (!canvas.isNull() && canvas.size() == resizedPixelSize(size) && canvas.isDetached())
        canvas.fill(0u);
    else
        canvas = transparentCanvas(size.width(), size.height());
}

// `canvas` made a copy of `source`, in its own memory when the sizes match.
void copyCanvas(QImage &canvas, const QImage &source)
{
    if (!canvas.isNull() && canvas.size() == source.size() && canvas.isDetached() &&
        canvas.bytesPerLine() == source.bytesPerLine() && canvas.format() == source.format())
        std::memcpy(canvas.bits(), source.constBits(), size_t(source.sizeInBytes()));
    else
        canvas = source.copy();
}

// The extent of the strip canvas: the frame grown by the final position along the axis.
QSizeF stripSize(QSizeF frame, float position, bool vertical)
{
    if (vertical)
        return {frame.width(), double(float(frame.height()) + position)};
    return {double(float(frame.width()) + position), frame.height()};
}

// Seam j with its leading band erased, so the previous seam shows through it.
void eraseLeadingBand(QImage &seam, QSizeF frame, bool vertical)
{
    const QRectF band = vertical ? QRectF(0, 0, frame.width(), frame.height() / 1.3)
                                 : QRectF(0, 0, frame.width() / 1.3, frame.height());
    QPainter painter(&seam);
    fillRectLL(painter, seam.height(), band, Qt::transparent);
}

// The accumulated position of every seam along the strip, from the levels alone.
QList<float> seamPositions(const PhotoList &photos, float along)
{
    QList<float> positions;
    float position = 0.0f;
    for (qsizetype k = 1; k < photos.size(); ++k) {
        position += linearPair(photos[k]->f_Linear_Intersection_Level, along).growth;
        positions.append(position);
    }
    return positions;
}

// The size of the picture a strip of `photos` in `frame` comes out at: the one seam of
// two photos, else the strip.
QSize linearPictureSize(const PhotoList &photos, QSizeF frame, bool vertical)
{
    const float along = float(vertical ? frame.height() : frame.width());
    if (photos.size() == 2) {
        const float extent = linearPair(photos[1]->f_Linear_Intersection_Level, along).extent;
        return resizedPixelSize(vertical ? QSizeF(frame.width(), extent) : QSizeF(extent, frame.height()));
    }
    return resizedPixelSize(stripSize(frame, seamPositions(photos, along).back(), vertical));
}

// The size a photo takes fitted into 400 x 400 (fitLinearPhotos), without fitting it.
QSizeF fittedSize(const Object_Photo &photo)
{
    const QSizeF box(kLinearFitBox, kLinearFitBox);
    return QSizeF(resizedPixelSize(return_Best_Fit_Frame(imageSizeF(photo.image), box).size()));
}

// The pictures a strip is built from, their common frame and the factor of the seams'
// ramp (made for the 400 x 400 frame).
struct StripSource {
    QList<QImage> pictures;
    QSizeF frame;
    float seamScale = 1.0f;
};

// A full-resolution capture: each photo's own picture stretched to the enlarged frame
// (shared when it already has that size); empty pictures when the frame would not grow.
// The common frame of a full-resolution strip, and the 400 x 400 one it enlarges.
std::pair<QSizeF, QSizeF> fullResolutionFrames(const PhotoList &photos, bool vertical)
{
    QList<QSize> sizes;
    QSizeF fitted(0, 0);
    for (const PhotoPtr &photo : photos) {
        sizes.append(photo->image.size());
        fitted = fitted.expandedTo(fittedSize(*photo));
    }
    return {linearFullResolutionFrame(sizes, fitted, vertical), fitted};
}

StripSource fullResolutionSource(const PhotoList &photos, bool vertical)
{
    const auto [frame, fitted] = fullResolutionFrames(photos, vertical);
    StripSource source;
    source.frame = frame;
    if (source.frame == fitted)
        return source;
    source.seamScale =
        float(vertical ? source.frame.height() / fitted.height() : source.frame.width() / fitted.width());
    for (const PhotoPtr &photo : photos)
        source.pictures.append(Resize_Image_To_Fit_Size(photo->image, source.frame));
    return source;
}

StripSource stripSource(const PhotoList &photos, const ViewTarget &view, bool vertical,
                        const ProjectOptions &options)
{
    if (options.fullResolution && view.capturePending) {
        StripSource full = fullResolutionSource(photos, vertical);
        if (!full.pictures.isEmpty())
            return full;
    }
    StripSource source;
    source.pictures = fitLinearPhotos(photos, !view.capturePending);
    source.frame = linearFrame(source.pictures);
    return source;
}

PassResult renderLinear(const PhotoList &photos, const ViewTarget &view, bool vertical,
                        const ProjectOptions &options)
{
    const StripSource source = stripSource(photos, view, vertical, options);
    const QSizeF frame = source.frame;
    const float along = float(vertical ? frame.height() : frame.width());
    const QList<float> positions = seamPositions(photos, along);
    LinearSeamCanvases canvases;
    auto seam = [&](qsizetype k) {
        const LinearPair pair = linearPair(photos[k]->f_Linear_Intersection_Level, along);
        return linearSeam(source.pictures[k - 1], source.pictures[k], frame, pair, vertical,
                          options.blendSpace, source.seamScale, &canvases);
    };
    PassResult pass;
    if (photos.size() == 2) {
        pass.mixed = seam(1);
    } else {
        // Each seam is laid on the strip as soon as it is made: one seam alive at a time.
        LinearStrip strip(frame, positions.back(), vertical);
        for (qsizetype k = 1; k < photos.size() && strip.isValid(); ++k) {
            QImage laid = seam(k);
            strip.lay(laid, k == 1 ? 0.0f : positions[k - 2], k > 1);
            canvases.result = std::move(laid); // its memory serves the next seam
        }
        pass.mixed = strip.picture();
    }
    if (pass.mixed.isNull() && !linearStripIsEmpty(frame, positions.back(), vertical))
        pass.error = QCoreApplication::translate(
                         "LinearPipeline", "there is not enough memory to build the strip of %1 photos.")
                         .arg(photos.size());
    addFittedDraw(pass, pass.mixed, view);
    if (options.fullResolution && !view.capturePending) // the capture's strip is larger
        pass.fullSize = linearPictureSize(photos, fullResolutionFrames(photos, vertical).first, vertical);
    return pass;
}

} // namespace

QList<QImage> fitLinearPhotos(const PhotoList &photos, bool fromReducedCopies)
{
    const QSizeF box(kLinearFitBox, kLinearFitBox);
    QList<QImage> fitted;
    fitted.reserve(photos.size());
    for (const PhotoPtr &photo : photos) {
        const QRectF frame = return_Best_Fit_Frame(imageSizeF(photo->image), box);
        const QImage source = fromReducedCopies ? photoForPixels(*photo, frame.size()) : photo->image;
        fitted.append(Resize_Image_To_Fit_Size(source, frame.size()));
    }
    return fitted;
}

QSizeF linearFrame(const QList<QImage> &fitted)
{
    float maxW = 0.0f;
    float maxH = 0.0f;
    for (const QImage &image : fitted) {
        maxW = std::max(maxW, float(image.width()));
        maxH = std::max(maxH, float(image.height()));
    }
    return QSizeF(maxW, maxH);
}

QSizeF linearFullResolutionFrame(const QList<QSize> &originals, QSizeF frame, bool vertical)
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

LinearPair linearPair(float level, float along)
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

QImage linearSeam(const QImage &earlier, const QImage &later, QSizeF frame, const LinearPair &pair,
                  bool vertical, BlendSpace space, float seamScale, LinearSeamCanvases *canvases)
{
    const QSizeF size = vertical ? QSizeF(frame.width(), pair.extent) : QSizeF(pair.extent, frame.height());
    LinearSeamCanvases own;
    LinearSeamCanvases &c = canvases ? *canvases : own;
    clearCanvas(c.first, size);
    drawImageIntoLL(c.first, QRectF(QPointF(0, 0), frame), earlier);
    copyCanvas(c.second, c.first);
    const float along = float(vertical ? frame.height() : frame.width());
    const float offset = along - pair.extent * pair.t;
    const QPointF origin = vertical ? QPointF(0, offset) : QPointF(offset, 0);
    drawImageIntoLL(c.second, QRectF(origin, frame), later);
    return vertical ? imageSwipeVertical(c.first, c.second, space, seamScale, &c.result)
                    : imageSwipe(c.first, c.second, space, seamScale, &c.result);
}

bool linearStripIsEmpty(QSizeF frame, float lastPosition, bool vertical)
{
    return resizedPixelSize(stripSize(frame, lastPosition, vertical)).isEmpty();
}

LinearStrip::LinearStrip(QSizeF frame, float lastPosition, bool vertical)
    : m_frame(frame), m_vertical(vertical)
{
    const QSizeF size = stripSize(frame, lastPosition, vertical);
    m_strip = transparentCanvas(size.width(), size.height());
}

void LinearStrip::lay(QImage &seam, float previousPosition, bool eraseBand)
{
    const QPointF at = m_vertical ? QPointF(0, previousPosition) : QPointF(previousPosition, 0);
    if (eraseBand)
        eraseLeadingBand(seam, m_frame, m_vertical); // in place when the seam is not shared
    drawImageIntoLL(m_strip, QRectF(at, imageSizeF(seam)), seam);
}

QImage linearStrip(const QList<Object_Linear_Position> &seams, QSizeF frame, bool vertical)
{
    LinearStrip strip(frame, seams.back().f_Position, vertical);
    for (qsizetype j = 0; j < seams.size() && strip.isValid(); ++j) {
        QImage seam = seams[j].image;
        strip.lay(seam, j == 0 ? 0.0f : seams[j - 1].f_Position, j > 0);
    }
    return strip.picture();
}

PassResult renderLinearHorizontal(const PhotoList &photos, const ViewTarget &view,
                                  const ProjectOptions &options)
{
    return renderLinear(photos, view, false, options);
}

PassResult renderLinearVertical(const PhotoList &photos, const ViewTarget &view,
                                const ProjectOptions &options)
{
    return renderLinear(photos, view, true, options);
}
