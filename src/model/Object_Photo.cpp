#include "model/Object_Photo.h"

#include "model/PhotoField.h"

#include <QFileInfo>

#include <utility>

void applyModeDefaults(Object_Photo &photo, quint64 mode)
{
    for (const PhotoFieldRow &row : photoFieldTable())
        if (mode < 32 && row.modes & (1u << mode))
            writePhotoField(photo, row.field, row.initial);
}

void givePicture(Object_Photo &photo, const QImage &image, std::shared_ptr<const ReducedCopies> copies)
{
    photo.image = image;
    photo.reducedCopies = std::move(copies);
    photo.sName = QFileInfo(photo.sFile).fileName();
}

NewPhoto makePhoto(const QImage &image, const QString &name, quint64 mode)
{
    auto photo = std::make_shared<Object_Photo>();
    photo->image = image;
    photo->sName = name;
    applyModeDefaults(*photo, mode);
    return photo;
}

QStringList photoFiles(const PhotoList &photos)
{
    QStringList files;
    for (const PhotoPtr &photo : photos)
        files += photo->sFile;
    return files;
}
