#include "render/CompositePipeline.h"

#include "imaging/Filters.h"
#include "imaging/Geometry.h"
#include "imaging/ImageConversion.h"
#include "render/PlacedLayer.h"

namespace {

// The layer of one step: the photo stretched to the common frame, or its placed layer.
QImage compositeLayer(const Object_Photo &photo, QSizeF frame)
{
    if (photo.bCompositeSizeOfBG)
        return Resize_Image_To_Fit_Size(photo.image, frame);
    return Make_Placed_Layer(photo.image, photo.f_Composite_Size, photo.f_Composite_X_Offset,
                             photo.f_Composite_Y_Offset)
        .canvas;
}

} // namespace

QSizeF Composite_Common_Frame(const PhotoList &photos)
{
    float maxW = 0.0f;
    float maxH = 0.0f;
    for (const PhotoPtr &photo : photos) {
        const QSizeF size = imageSizeF(photo->image);
        if (float(size.width()) > maxW)
            maxW = float(size.width());
        if (float(size.height()) > maxH)
            maxH = float(size.height());
    }
    return QSizeF(maxW, maxH);
}

PassResult Render_Composite(const PhotoList &photos, const ViewTarget &view)
{
    const QSizeF frame = Composite_Common_Frame(photos);
    PassResult pass;
    QImage running = photos.front()->image; // the background photo's own fields are never read
    for (qsizetype i = 1; i < photos.size(); ++i) {
        const Object_Photo &photo = *photos[i];
        // Each step's background is stretched back to the common frame, whatever size
        // the previous result came out at.
        const QImage background = Resize_Image_To_Fit_Size(running, frame);
        running = QImage(); // no third full-size picture alive during the blend
        const QImage layer = compositeLayer(photo, frame);
        // The filters take and give the canonical picture type directly.
        running = imageComposite(CGImageRefFromImage(background), CGImageRefFromImage(layer),
                                 photo.m_Composite_Blend_Mode);
        Add_Fitted_Draw(pass, running, view);
    }
    pass.mixed = running;
    return pass;
}
