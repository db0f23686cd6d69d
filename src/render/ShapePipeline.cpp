#include "render/ShapePipeline.h"

#include "imaging/Filters.h"
#include "imaging/Geometry.h"
#include "imaging/ImageConversion.h"
#include "imaging/LowerLeft.h"
#include "imaging/MaskFeather.h"
#include "model/ShapeType.h"
#include "render/ShapeMasks.h"

#include <algorithm>

namespace {

// The placed layer of one step at the pass's scale, from the photo's reduced copy.
PlacedLayer shapeLayer(Object_Photo &photo, double scale)
{
    const PlacedLayer geometry = Placed_Layer_Geometry(imageSizeF(photo.image), photo.f_Shape_Size,
                                                       photo.f_Shape_X_Offset, photo.f_Shape_Y_Offset);
    return Make_Placed_Layer(Photo_At_Scale(photo, scale, geometry.rect.size()), geometry, scale);
}

} // namespace

double Shape_Feather_Sigma(float feather, QSizeF maskRect, double scale)
{
    const double share = std::clamp(double(feather), 0.0, 100.0) / 100.0 * kShapeFeatherShare;
    return share * std::min(maskRect.width(), maskRect.height()) / 4.0 * scale;
}

QImage Shape_Mask_Canvas(quint64 shapeType, const PlacedLayer &layer, double scale, float feather)
{
    QImage mask = transparentCanvas(layer.canvasSize.width() * scale, layer.canvasSize.height() * scale);
    Draw_Shape_Mask(mask, shapeType, layer.pixelRect(scale));
    if (feather > 0.0f)
        Feather_Mask(mask, Shape_Feather_Sigma(feather, layer.rect.size(), scale));
    return mask;
}

PassResult Render_Shape(const PhotoList &photos, const ViewTarget &view, const ProjectOptions &options)
{
    Object_Photo &background = *photos.front(); // its own fields are never read
    const QSizeF backgroundSize = imageSizeF(background.image);
    const double scale = Pass_Scale(backgroundSize, view);
    // The running picture is used at its own size; at a reduced scale that is the
    // background's size times the scale, which its reduced copy is within a pixel of.
    QImage running = scale < 1.0 ? Resize_Image_To_Fit_Size(Photo_At_Scale(background, scale, backgroundSize),
                                                            backgroundSize, scale)
                                 : background.image;
    QSize fullSize = resizedPixelSize(backgroundSize);
    for (qsizetype i = 1; i < photos.size(); ++i) {
        const Object_Photo &photo = *photos[i];
        const PlacedLayer layer = shapeLayer(*photos[i], scale);
        if (const QString failure = Placed_Layer_Failure(layer, imageSizeF(photo.image), scale);
            !failure.isEmpty())
            return Failed_Layer_Pass(photos, i, failure);
        const QImage mask = Shape_Mask_Canvas(photo.m_Shape_Type, layer, scale, photo.f_Shape_Feather);
        if (mask.isNull() && !layer.isEmpty())
            return Failed_Layer_Pass(photos, i, QStringLiteral("there is not enough memory for its mask."));
        const bool hadRunning = !running.isNull();
        // The filters take and give the canonical picture type directly. The result
        // spans the running picture and the cut-out layer, at either scale.
        running = imageShape(CGImageRefFromImage(running), CGImageRefFromImage(layer.canvas),
                             CGImageRefFromImage(mask), options.blendSpace);
        if (running.isNull() && (hadRunning || !layer.isEmpty()))
            return Failed_Layer_Pass(photos, i, QStringLiteral("there is not enough memory to cut it out."));
        if (!layer.isEmpty())
            fullSize = fullSize.expandedTo(resizedPixelSize(layer.canvasSize));
    }
    PassResult pass;
    Add_Fitted_Draw(pass, running, running.isNull() ? QSizeF() : QSizeF(fullSize), scale, view);
    pass.mixed = running;
    return pass;
}
