#include "model/Object_Photo.h"

#include "model/PhotoField.h"

void Apply_Mode_Defaults(Object_Photo &photo, quint64 mode)
{
    for (const PhotoFieldRow &row : photoFieldTable())
        if (mode < 32 && row.modes & (1u << mode))
            Write_Photo_Field(photo, row.field, row.initial);
}

PhotoPtr Make_Photo(const QImage &image, const QString &name, quint64 mode)
{
    auto photo = std::make_shared<Object_Photo>();
    photo->image = image;
    photo->sName = name;
    Apply_Mode_Defaults(*photo, mode);
    return photo;
}
