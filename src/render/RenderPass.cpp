#include "render/RenderPass.h"

#include "imaging/Geometry.h"
#include "imaging/LowerLeft.h"
#include "model/ProjectMode.h"
#include "render/CompositePipeline.h"
#include "render/LinearPipeline.h"
#include "render/ShapePipeline.h"
#include "render/TransparentPipeline.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>

namespace {

const QString kNoImageText = QStringLiteral("No Image");

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
    const QSizeF text = QFontMetricsF(font).size(Qt::TextSingleLine, kNoImageText);
    const QRectF box(view.width() * 0.5 - text.width() * 0.5, view.height() * 0.5 - text.height() * 0.5,
                     text.width(), text.height());
    painter.save();
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(toTopLeft(box, view.height()), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                     kNoImageText);
    painter.restore();
}

// One photo, whatever the mode: the photo fitted into the view, and the photo itself as
// the mixed picture. A photo without a picture is 0 x 0 and draws nothing.
PassResult renderSinglePhoto(const Object_Photo &photo, const ViewTarget &view)
{
    PassResult pass;
    Add_Fitted_Draw(pass, photo.image, view);
    pass.mixed = photo.image;
    return pass;
}

// Two or more photos: the mode's pipeline. This switch is the one place that maps a
// project mode to its pipeline.
PassResult renderMode(const PhotoList &photos, quint64 mode, const ViewTarget &view)
{
    switch (mode) {
    case Composite:
        return Render_Composite(photos, view);
    case Shape:
        return Render_Shape(photos, view);
    case LinearHorizontal:
        return Render_Linear_Horizontal(photos, view);
    case LinearVertical:
        return Render_Linear_Vertical(photos, view);
    case Transparent:
        return Render_Transparent(photos, view);
    default:                // unknown mode: black view, empty mixed picture
        return {};
    }
}

} // namespace

void Add_View_Draw(PassResult &pass, const QImage &picture, const QRectF &rect, const ViewTarget &view,
                   qreal opacity)
{
    if (picture.isNull() || rect.isEmpty())
        return;
    const QSizeF pixels = rect.size() * view.pixelRatio;
    const bool reducing = pixels.width() < picture.width() || pixels.height() < picture.height();
    pass.draws.append({reducing ? Resize_Image_To_Fit_Size(picture, pixels) : picture, rect, opacity});
}

void Add_Fitted_Draw(PassResult &pass, const QImage &picture, const ViewTarget &view)
{
    Add_View_Draw(pass, picture, return_Best_Fit_Frame(imageSizeF(picture), view.size), view);
}

PassResult render_Pass(const PhotoList &photos, quint64 mode, QSizeF view, bool capturePending,
                       qreal pixelRatio)
{
    const ViewTarget target{view, pixelRatio, capturePending};
    if (photos.isEmpty()) {
        PassResult pass;
        pass.empty = true;
        return pass;
    }
    if (photos.size() == 1)
        return renderSinglePhoto(*photos.front(), target);
    return renderMode(photos, mode, target);
}

void paint_Pass(QPainter &painter, QSizeF view, const QRectF &repaint, const PassResult &pass)
{
    painter.save();
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(repaint, Qt::black);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (pass.empty)
        drawNoImage(painter, view);
    for (const ViewDraw &draw : pass.draws)
        drawImageLL(painter, view.height(), draw.rect, draw.image, draw.opacity);
    painter.restore();
}
