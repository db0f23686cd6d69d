#include "render/LinearPipeline.h"

#include "imaging/Filters.h"
#include "imaging/Geometry.h"
#include "imaging/ImageConversion.h"
#include "imaging/LowerLeft.h"
#include "imaging/Parallel.h"

#include <QCoreApplication>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <utility>
#include <vector>

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

// ---- the strip row by row ---------------------------------------------------------------

// x * a / 255 on each channel of a premultiplied pixel, rounded as the painter does.
inline QRgb byteMul(QRgb x, uint a)
{
    uint t = (x & 0xff00ffu) * a;
    t = ((t + ((t >> 8) & 0xff00ffu) + 0x800080u) >> 8) & 0xff00ffu;
    x = ((x >> 8) & 0xff00ffu) * a;
    x = (x + ((x >> 8) & 0xff00ffu) + 0x800080u) & 0xff00ff00u;
    return x | t;
}

// `src` drawn over `dst` with source-over, both premultiplied, as the painter blends (an
// opaque `src` multiplies `dst` by 0, so needs no test of its own).
inline QRgb sourceOver(QRgb src, QRgb dst)
{
    return src + byteMul(dst, 255 - qAlpha(src));
}

// The top edge at which drawImageIntoLL lays a picture whose top edge is `top` (top-left
// coordinates) on a canvas `height` rows high, as seen from canvas row `row`. The canvas
// is painted in blocks of rows from the row above the edge, each block rounding the edge
// from its own first row; a row the drawing does not visit gets an edge below it.
int drawnTop(double top, int height, int row)
{
    const int first = int(std::clamp(std::floor(top) - 1.0, 0.0, double(height)));
    if (row < first)
        return row + 1;
    const int begin = first + (row - first) / kRowsPerBlock * kRowsPerBlock;
    return begin + qRound(top - double(begin));
}

// A picture's row as it lies on a canvas row: `pixels` shows at columns [from, to).
struct PlacedRow {
    const QRgb *pixels = nullptr;
    int from = 0, to = 0;
};

PlacedRow placedRow(const QImage &picture, int row, int from)
{
    if (row < 0 || row >= picture.height())
        return {};
    return {reinterpret_cast<const QRgb *>(picture.constScanLine(row)), from, from + picture.width()};
}

// `n` pixels from column x of a canvas row showing `row` over `under` (null: transparent),
// blended as the painter draws it: a pointer into the picture where it covers them all
// opaquely (or to `under` where it covers none), else the pixels composed in `buffer`.
const QRgb *canvasSpan(const PlacedRow &row, const QRgb *under, int x, int n, QRgb *buffer)
{
    const int from = row.pixels ? std::clamp(row.from - x, 0, n) : n;
    const int to = row.pixels ? std::clamp(row.to - x, 0, n) : n;
    const QRgb *shown = row.pixels + (x + from - row.from);
    if (from == 0 && to == n && allOpaque(shown, n))
        return shown;
    if (from >= to && under)
        return under;
    const size_t bytes = size_t(n) * sizeof(QRgb);
    if (under)
        std::memcpy(buffer, under, bytes);
    else
        std::memset(buffer, 0, bytes);
    for (int i = from; i < to; ++i)
        buffer[i] = sourceOver(shown[i - from], buffer[i]);
    return buffer;
}

// Where the ramp shows one picture alone from column x on (`side` 0: image A, 1: image
// B) and that picture is opaque there: the end of that run before `hi`, or x when there
// is none.
int uniformRunEnd(const SwipeSpans &swipe, const PlacedRow &shown, int side, int x, int y, int hi)
{
    if (!shown.pixels || x < shown.from)
        return x;
    const int limit = std::min(hi, shown.to);
    int end = x;
    while (end < limit) {
        const int n = std::min(kSpanPixels, limit - end);
        if (swipe.uniformSide(end, y, n) != side || !allOpaque(shown.pixels + (end - shown.from), n))
            break;
        end += n;
    }
    return end;
}

// Columns [lo, hi) of one row of a seam (lower-left row y of the seam canvas, whose image
// A row is `first` and whose image B shows `later` over it), drawn with source-over onto
// `out` shifted by `shift` columns. Where the ramp shows one opaque picture alone the
// seam is that picture's pixels (decoding and encoding an opaque pixel gives it back),
// copied as one run; only the ramp itself is mixed.
void laySeamRow(const SwipeSpans &swipe, const PlacedRow &first, const PlacedRow &later, int y, int lo,
                int hi, QRgb *out, int shift)
{
    QRgb firstBuffer[kSpanPixels], secondBuffer[kSpanPixels], mixed[kSpanPixels];
    for (int x = lo; x < hi;) {
        for (const int side : {0, 1}) {
            const PlacedRow &shown = side == 0 ? first : later;
            const int end = uniformRunEnd(swipe, shown, side, x, y, hi);
            if (end > x) {
                std::memcpy(out + (shift + x), shown.pixels + (x - shown.from),
                            size_t(end - x) * sizeof(QRgb));
                x = end;
            }
        }
        if (x >= hi)
            break;
        const int n = std::min(kSpanPixels, hi - x);
        const QRgb *a = canvasSpan(first, nullptr, x, n, firstBuffer);
        const QRgb *b = canvasSpan(later, a, x, n, secondBuffer);
        swipe.mix(a, b, x, y, n, mixed);
        QRgb *target = out + (shift + x);
        if (allOpaque(mixed, n)) {
            std::memcpy(target, mixed, size_t(n) * sizeof(QRgb));
        } else {
            for (int i = 0; i < n; ++i)
                target[i] = sourceOver(mixed[i], target[i]);
        }
        x += n;
    }
}

// One seam of a strip built row by row.
struct StripSeam {
    const QImage *earlier, *later;
    int extent;         // the seam canvas's pixels along the strip
    double laterEdge;   // image B's left edge (horizontal) or top edge in the seam canvas
    double stripEdge;   // the seam's left edge (horizontal) or top edge on the strip
    int erasedFrom = 0; // the seam's leading band, erased: columns (horizontal) or rows
    int erasedTo = 0;   // [erasedFrom, erasedTo) of the seam canvas
    int rowsFrom = 0;   // the strip's rows [rowsFrom, rowsTo) it may reach
    int rowsTo = 0;
};

// One row of the strip (top-left row r) from the seams that may reach it, in order.
void layHorizontalRow(const std::vector<const StripSeam *> &seams, const SwipeSpans &swipe, int r, QRgb *out,
                      QSize size)
{
    for (const StripSeam *seam : seams) {
        const int height = seam->earlier->height();
        const int at = qRound(seam->stripEdge);
        const int lo = std::max({seam->erasedTo, -at, 0});
        const int hi = std::min(seam->extent, size.width() - at);
        if (lo < hi)
            laySeamRow(swipe, placedRow(*seam->earlier, r, 0),
                       placedRow(*seam->later, r, qRound(seam->laterEdge)), height - 1 - r, lo, hi, out, at);
    }
}

void layVerticalRow(const std::vector<const StripSeam *> &seams, const SwipeSpans &swipe, int r, QRgb *out,
                    QSize size)
{
    for (const StripSeam *seam : seams) {
        const int j = r - drawnTop(seam->stripEdge, size.height(), r);
        if (j < 0 || j >= seam->extent || (j >= seam->erasedFrom && j < seam->erasedTo))
            continue;
        const int firstTop = seam->extent - seam->earlier->height();
        const PlacedRow first = placedRow(*seam->earlier, j - drawnTop(firstTop, seam->extent, j), 0);
        const PlacedRow later = placedRow(*seam->later, j - drawnTop(seam->laterEdge, seam->extent, j), 0);
        laySeamRow(swipe, first, later, seam->extent - 1 - j, 0, size.width(), out, 0);
    }
}

// The extent of the picture a strip of `photos` in `frame` comes out at, before it is
// rounded to whole pixels: the one seam of two photos, else the strip.
QSizeF linearPictureExtent(const PhotoList &photos, QSizeF frame, bool vertical)
{
    const float along = float(vertical ? frame.height() : frame.width());
    if (photos.size() == 2) {
        const float extent = linearPair(photos[1]->f_Linear_Intersection_Level, along).extent;
        return vertical ? QSizeF(frame.width(), extent) : QSizeF(extent, frame.height());
    }
    return stripSize(frame, seamPositions(photos, along).back(), vertical);
}

QSize linearPictureSize(const PhotoList &photos, QSizeF frame, bool vertical)
{
    return resizedPixelSize(linearPictureExtent(photos, frame, vertical));
}

// Why a strip of `count` photos and `extent` came out null: too long for a picture, or
// no memory for it; empty when the levels leave it no pixels at all.
QString stripFailure(qsizetype count, QSizeF extent)
{
    if (std::max(extent.width(), extent.height()) > double(kLargestPixelSide))
        return QCoreApplication::translate("LinearPipeline",
                                           "the strip of %1 photos would be %2 \u00D7 %3 pixels, longer than "
                                           "a picture can be (at most %4 pixels a side).")
            .arg(count)
            .arg(std::llround(extent.width()))
            .arg(std::llround(extent.height()))
            .arg(kLargestPixelSide);
    if (resizedPixelSize(extent).isEmpty())
        return {};
    return QCoreApplication::translate("LinearPipeline",
                                       "there is not enough memory to build the strip of %1 photos.")
        .arg(count);
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
    const QSize grid = resizedPixelSize(frame);
    const bool framed = std::all_of(source.pictures.begin(), source.pictures.end(),
                                    [&](const QImage &picture) { return picture.size() == grid; });
    if (framed) {
        QList<float> levels;
        for (const PhotoPtr &photo : photos)
            levels.append(photo->f_Linear_Intersection_Level);
        pass.mixed =
            linearStripRows(source.pictures, frame, levels, vertical, options.blendSpace, source.seamScale);
    } else if (photos.size() == 2) {
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
    if (pass.mixed.isNull())
        pass.error = stripFailure(photos.size(), linearPictureExtent(photos, frame, vertical));
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

QImage linearStripRows(const QList<QImage> &given, QSizeF frame, const QList<float> &levels, bool vertical,
                       BlendSpace space, float seamScale)
{
    const qsizetype count = given.size();
    if (count < 2 || levels.size() != count)
        return {};
    QList<QImage> pictures;
    for (const QImage &picture : given) {
        pictures.append(CGImageRefFromImage(picture)); // shared when already canonical
        if (pictures.back().size() != resizedPixelSize(frame))
            return {};
    }
    const float along = float(vertical ? frame.height() : frame.width());
    QList<LinearPair> pairs;
    float position = 0.0f;
    QList<float> positions;
    for (qsizetype k = 1; k < count; ++k) {
        pairs.append(linearPair(levels[k], along));
        position += pairs.back().growth;
        positions.append(position);
    }
    auto seamSize = [&](const LinearPair &pair) {
        return resizedPixelSize(vertical ? QSizeF(frame.width(), pair.extent)
                                         : QSizeF(pair.extent, frame.height()));
    };
    const QSize size =
        count == 2 ? seamSize(pairs.front()) : resizedPixelSize(stripSize(frame, positions.back(), vertical));
    if (size.isEmpty())
        return {};
    QImage strip(size, kCanonicalFormat);
    if (strip.isNull())
        return {};
    preferLargePages(strip);
    QList<StripSeam> seams;
    for (qsizetype k = 1; k < count; ++k) {
        const LinearPair &pair = pairs[k - 1];
        StripSeam seam;
        seam.earlier = &pictures[k - 1];
        seam.later = &pictures[k];
        const QSize canvas = seamSize(pair);
        seam.extent = vertical ? canvas.height() : canvas.width();
        const float offset = along - pair.extent * pair.t;
        const double position = k == 1 ? 0.0 : double(positions[k - 2]);
        seam.rowsTo = size.height();
        if (vertical) {
            seam.laterEdge = double(seam.extent) - double(offset) - frame.height();
            seam.stripEdge = double(size.height()) - position - double(seam.extent);
            // drawnTop rounds the edge to one of its two neighbouring rows.
            seam.rowsFrom = int(std::clamp(std::floor(seam.stripEdge) - 1.0, 0.0, double(size.height())));
            seam.rowsTo = int(std::clamp(std::ceil(seam.stripEdge) + double(seam.extent) + 1.0, 0.0,
                                         double(size.height())));
        } else {
            seam.laterEdge = double(offset);
            seam.stripEdge = position;
        }
        if (k > 1) {
            // The band eraseLeadingBand fills, rounded to pixels as the painter fills it.
            const double band = (vertical ? frame.height() : frame.width()) / 1.3;
            const double start = vertical ? double(seam.extent) - band : 0.0;
            seam.erasedFrom = qRound(start);
            seam.erasedTo = qRound(start + band);
        }
        seams.append(seam);
    }
    const SwipeSpans swipe(vertical, space, seamScale);
    uchar *bits = strip.bits();
    const qsizetype bytesPerLine = strip.bytesPerLine();
    parallelRows(size.height(), [&](int begin, int end) {
        std::vector<const StripSeam *> reaching; // a long vertical strip has few seams per row
        for (const StripSeam &seam : seams) {
            if (seam.rowsFrom < end && seam.rowsTo > begin)
                reaching.push_back(&seam);
        }
        for (int r = begin; r < end; ++r) {
            QRgb *out = reinterpret_cast<QRgb *>(bits + r * bytesPerLine);
            std::memset(out, 0, size_t(size.width()) * sizeof(QRgb));
            if (vertical)
                layVerticalRow(reaching, swipe, r, out, size);
            else
                layHorizontalRow(reaching, swipe, r, out, size);
        }
    });
    return strip;
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
