#include "render/ShapePipeline.h"

#include "imaging/Filters.h"
#include "imaging/ImageConversion.h"
#include "imaging/LowerLeft.h"
#include "render/ShapeMasks.h"

QImage Shape_Mask_Canvas(quint64 shapeType, const PlacedLayer &layer)
{
    QImage mask = transparentCanvas(layer.canvasSize.width(), layer.canvasSize.height());
    Draw_Shape_Mask(mask, shapeType, layer.rect);
    return mask;
}

PassResult Render_Shape(const PhotoList &photos, const ViewTarget &view)
{
    QImage running = photos.front()->image; // the background photo's own fields are never read
    for (qsizetype i = 1; i < photos.size(); ++i) {
        const Object_Photo &photo = *photos[i];
        const PlacedLayer layer =
            Make_Placed_Layer(photo.image, photo.f_Shape_Size, photo.f_Shape_X_Offset, photo.f_Shape_Y_Offset);
        const QImage mask = Shape_Mask_Canvas(photo.m_Shape_Type, layer);
        // The filters take and give the canonical picture type directly.
        running = imageShape(CGImageRefFromImage(running), CGImageRefFromImage(layer.canvas),
                             CGImageRefFromImage(mask));
    }
    PassResult pass;
    Add_Fitted_Draw(pass, running, view);
    pass.mixed = running;
    return pass;
}
