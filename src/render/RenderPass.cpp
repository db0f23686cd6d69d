#include "render/RenderPass.h"

#include "imaging/Geometry.h"
#include "imaging/LowerLeft.h"
#include "imaging/MaskRaster.h"
#include "imaging/ReducedCopies.h"
#include "model/ProjectMode.h"
#include "render/CompositePipeline.h"
#include "render/FusionPipeline.h"
#include "render/LinearPipeline.h"
#include "render/PassMemory.h"
#include "render/ShapePipeline.h"
#include "render/TransparentPipeline.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>

namespace {

// Reductions stop here: a 16-fold halving of a 50 000-pixel side is still 0.76 pixels.
constexpr double kSmallestScale = 1.0 / 65536.0;

// "No Image" in the user's language.
QString noImageText()
{
    return QCoreApplication::translate("RenderPass", "No Image");
}

// The empty-state font: Verdana at 46 points of the view's coordinate space (one point a
// pixel, as everywhere in the engine), or the closest sans-serif face installed.
QFont noImageFont()
{
    QFont font(QStringLiteral("Verdana"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(46);
    return font;
}

// "No Image" in white, its lower-left corner at (W/2 - tw/2, H/2 - th/2).
void drawNoImage(QPainter &painter, QSizeF view)
{
    const QFont font = noImageFont();
    const QString words = noImageText();
    const QSizeF text = QFontMetricsF(font).size(Qt::TextSingleLine, words);
    const QRectF box(view.width() * 0.5 - text.width() * 0.5, view.height() * 0.5 - text.height() * 0.5,
                     text.width(), text.height());
    painter.save();
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(toTopLeft(box, view.height()), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, words);
    painter.restore();
}

// One photo, whatever the mode: the photo fitted into the view, and the photo itself as
// the mixed picture. A photo without a picture is 0 x 0 and draws nothing.
PassResult renderSinglePhoto(const Object_Photo &photo, const ViewTarget &view)
{
    PassResult pass;
    const QSizeF size = imageSizeF(photo.image);
    const double scale = passScale(size, view);
    addFittedDraw(pass, photoAtScale(photo, scale, size), size, scale, view);
    pass.mixed = photo.image;
    return pass;
}

// Two or more photos: the mode's pipeline. This switch is the one place that maps a
// project mode to its pipeline.
PassResult renderMode(const PhotoList &photos, quint64 mode, const ViewTarget &view,
                      const ProjectOptions &options)
{
    switch (mode) {
    case Composite:
        return renderComposite(photos, view, options);
    case Shape:
        return renderShape(photos, view, options);
    case LinearHorizontal:
        return renderLinearHorizontal(photos, view, options);
    case LinearVertical:
        return renderLinearVertical(photos, view, options);
    case Transparent:
        return renderTransparent(photos, view);
    case Fusion:
        return renderFusion(photos, view, options);
    default: // unknown mode: black view, empty mixed picture
        return {};
    }
}

// A photo whose picture was replaced (the Linear passes fit theirs) lets go of the
// reduced copies of the old one.
void dropStaleCopies(const PhotoList &photos)
{
    for (const PhotoPtr &photo : photos)
        if (photo->reducedCopies && photo->reducedCopies->sourceKey != photo->image.cacheKey())
            photo->reducedCopies.reset();
}

} // namespace

double passScale(QSizeF picture, const ViewTarget &view)
{
    const QRectF frame = return_Best_Fit_Frame(picture, view.size);
    if (view.capturePending || frame.isEmpty())
        return 1.0;
    const double shown =
        std::max(frame.width() / picture.width(), frame.height() / picture.height()) * view.pixelRatio;
    double scale = 1.0;
    while (scale * 0.5 >= shown && scale > kSmallestScale)
        scale *= 0.5;
    return scale;
}

QImage photoForPixels(const Object_Photo &photo, QSizeF pixels)
{
    // Drawn at its own size or larger, no copy (at most half as large) would do.
    if (photo.image.isNull() || pixels.width() >= photo.image.width() ||
        pixels.height() >= photo.image.height())
        return photo.image;
    if (!photo.reducedCopies || photo.reducedCopies->sourceKey != photo.image.cacheKey())
        photo.reducedCopies = buildReducedCopies(photo.image);
    return photo.reducedCopies->levelFor(photo.image, pixels);
}

QImage photoAtScale(const Object_Photo &photo, double scale, QSizeF drawn)
{
    return scale >= 1.0 ? photo.image : photoForPixels(photo, drawn * scale);
}

QImage maskedPixels(const Object_Photo &photo, const QImage &pixels)
{
    return applyMask(pixels, photo.mask);
}

void addViewDraw(PassResult &pass, const QImage &picture, const QRectF &rect, const ViewTarget &view,
                 qreal opacity, double turn)
{
    if (picture.isNull() || rect.isEmpty())
        return;
    const QSizeF pixels = rect.size() * view.pixelRatio;
    const bool reducing = pixels.width() < picture.width() || pixels.height() < picture.height();
    pass.draws.append({reducing ? Resize_Image_To_Fit_Size(picture, pixels) : picture, rect, opacity, turn});
}

void addFittedDraw(PassResult &pass, const QImage &picture, const ViewTarget &view)
{
    addFittedDraw(pass, picture, imageSizeF(picture), 1.0, view);
}

void addFittedDraw(PassResult &pass, const QImage &picture, QSizeF fullSize, double scale,
                   const ViewTarget &view)
{
    pass.fullSize = resizedPixelSize(fullSize);
    const QRectF frame = return_Best_Fit_Frame(fullSize, view.size);
    if (frame.isEmpty())
        return;
    // At a reduced scale the pixel grid was rounded: its pixels keep their places from
    // the lower-left corner, and the sliver past the full size lies beyond the frame.
    const double kx = picture.width() / (fullSize.width() * scale);
    const double ky = picture.height() / (fullSize.height() * scale);
    const QRectF rect(frame.x(), frame.y(), frame.width() * kx, frame.height() * ky);
    addViewDraw(pass, picture, rect, view);
}

PassResult renderPass(const PhotoList &photos, quint64 mode, QSizeF view, bool capturePending,
                      qreal pixelRatio, const ProjectOptions &options, PassCache *cache)
{
    const ViewTarget target{view, pixelRatio, capturePending, capturePending ? nullptr : cache};
    dropStaleCopies(photos);
    if (photos.isEmpty()) {
        PassResult pass;
        pass.empty = true;
        return pass;
    }
    // Over the budget a capture is refused; the preview draws the longest beginning of
    // the list that fits, so the window keeps showing what it can.
    PhotoList drawn = photos;
    QString refusal = passBudgetRefusal(passMemoryNeed(drawn, mode, target, options));
    while (!refusal.isEmpty() && !capturePending && drawn.size() > 1) {
        drawn.removeLast();
        refusal = passBudgetRefusal(passMemoryNeed(drawn, mode, target, options));
    }
    if (!refusal.isEmpty()) {
        PassResult pass;
        pass.error = refusal;
        return pass;
    }
    if (drawn.size() == 1)
        return renderSinglePhoto(*drawn.front(), target);
    PassResult pass = renderMode(drawn, mode, target, options);
    if (pass.failed()) { // nothing half-drawn goes to the view
        pass.draws.clear();
        pass.mixed = QImage();
    }
    return pass;
}

PassResult failedLayerPass(const PhotoList &photos, qsizetype index, const QString &reason)
{
    PassResult pass;
    const QString name = photos[index]->sName.isEmpty()
                             ? QString()
                             : QStringLiteral(" (\u201C%1\u201D)").arg(photos[index]->sName);
    pass.error = QCoreApplication::translate("RenderPass", "photo %1%2 cannot be drawn: %3")
                     .arg(index + 1)
                     .arg(name, reason);
    return pass;
}

void paintPass(QPainter &painter, QSizeF view, const QRectF &repaint, const PassResult &pass)
{
    painter.save();
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(repaint, Qt::black);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (pass.empty)
        drawNoImage(painter, view);
    for (const ViewDraw &draw : pass.draws)
        drawImageLL(painter, view.height(), draw.rect, draw.image, draw.opacity, draw.turn);
    painter.restore();
}
