#include "render/FusionPipeline.h"

#include "imaging/ExposureFusion.h"
#include "imaging/Geometry.h"
#include "imaging/MemoryBudget.h"
#include "render/AlignedLayer.h"

#include <QCoreApplication>

namespace {

// Photo `index` in the background's frame at the pass's scale.
QImage framedPhoto(const PhotoList &photos, qsizetype index, QSizeF frame, double scale)
{
    const Object_Photo &photo = *photos[index];
    if (index > 0 && photo.alignment)
        return alignedLayer(photo, frame, scale);
    return Resize_Image_To_Fit_Size(photoAtScale(photo, scale, frame), frame, scale);
}

} // namespace

PassResult renderFusion(const PhotoList &photos, const ViewTarget &view, const ProjectOptions &options)
{
    const QSizeF frame = imageSizeF(photos.front()->image);
    const double scale = passScale(frame, view);
    PassResult pass;
    QList<QImage> framed;
    for (qsizetype i = 0; i < photos.size(); ++i) {
        framed.append(framedPhoto(photos, i, frame, scale));
        if (framed.last().isNull() && !resizedPixelSize(frame * scale).isEmpty())
            return failedLayerPass(
                photos, i,
                QCoreApplication::translate("FusionPipeline",
                                            "there is not enough memory to bring it onto the background."));
    }
    pass.mixed = fuseExposures(framed, options.fusion);
    framed.clear();
    if (pass.mixed.isNull() && !resizedPixelSize(frame * scale).isEmpty()) {
        pass.error =
            QCoreApplication::translate("FusionPipeline", "there is not enough memory to fuse the photos.");
        pass.mixed = QImage();
        return pass;
    }
    pass.fullSize = resizedPixelSize(frame);
    addFittedDraw(pass, pass.mixed, frame, scale, view);
    return pass;
}

double fusionPassNeed(QSizeF frame, qsizetype count, double scale)
{
    const QSizeF pixels = frame * scale;
    return double(count) * pictureBytes(pixels) + fusionMemoryNeed(pixels, count);
}
