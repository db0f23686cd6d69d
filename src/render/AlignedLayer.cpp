#include "render/AlignedLayer.h"

#include "imaging/Alignment.h"
#include "imaging/Geometry.h"
#include "model/ProjectMode.h"
#include "render/RenderPass.h"

#include <QCoreApplication>

bool compositeAligns(const Object_Photo &photo, QSizeF background)
{
    return photo.alignment.has_value() && imageSizeF(photo.image) == background;
}

QImage alignedLayer(const Object_Photo &photo, QSizeF frame, double scale, bool masked)
{
    if (!photo.alignment)
        return {};
    const QSize pixels = resizedPixelSize(frame * scale);
    const QImage own = photoAtScale(photo, scale, imageSizeF(photo.image));
    const QImage source = masked ? maskedPixels(photo, own) : own;
    return warpPhoto(source, *photo.alignment, pixels);
}

bool canAlign(const PhotoList &photos, qsizetype index, quint64 mode)
{
    if (index <= 0 || index >= photos.size() || photos[index]->image.isNull() ||
        photos.front()->image.isNull())
        return false;
    return mode == Fusion ||
           (mode == Composite && photos[index]->image.size() == photos.front()->image.size());
}

AlignmentRun alignToBackground(const PhotoList &photos, const QList<qsizetype> &rows)
{
    AlignmentRun run;
    for (const qsizetype row : rows) {
        const AlignmentSearch search = findAlignment(photos.front()->image, photos[row]->image);
        if (search.alignment) {
            run.found.append({photos[row], search.alignment});
            continue;
        }
        const QString name = photos[row]->sName.isEmpty()
                                 ? QString()
                                 : QStringLiteral(" (\u201C%1\u201D)").arg(photos[row]->sName);
        run.failures.append(
            QCoreApplication::translate("AlignedLayer", "Photo %1%2 could not be aligned: %3.")
                .arg(row + 1)
                .arg(name, search.failure));
    }
    return run;
}
