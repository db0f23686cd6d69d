#include "model/Object_Photo.h"

#include "model/ProjectMode.h"

void Apply_Mode_Defaults(Object_Photo &photo, quint64 mode)
{
    switch (mode) {
    case LinearHorizontal:
    case LinearVertical:
        photo.f_Linear_Intersection_Level = 0.0f;
        break;
    case Composite:
        photo.bCompositeSizeOfBG = true;
        photo.m_Composite_Blend_Mode = 0;
        photo.f_Composite_Size = 0.0f;
        photo.f_Composite_X_Offset = 0.0f;
        photo.f_Composite_Y_Offset = 0.0f;
        photo.f_Composite_Opacity = 100.0f;
        break;
    case Shape:
        photo.m_Shape_Type = 0;
        photo.f_Shape_Size = 0.0f;
        photo.f_Shape_X_Offset = 0.0f;
        photo.f_Shape_Y_Offset = 0.0f;
        photo.f_Shape_Feather = 0.0f;
        break;
    case Transparent:
        photo.f_Transparent_Transparency = 0;
        photo.f_Transparent_Size = 30.0f;
        photo.f_Transparent_X_Offset = 0.0f;
        photo.f_Transparent_Y_Offset = 0.0f;
        break;
    default:
        break;
    }
    photo.rectDrawPercentage = QRectF();
    photo.rectDraw = QRectF();
}

PhotoPtr Make_Photo(const QImage &image, const QString &name, quint64 mode)
{
    auto photo = std::make_shared<Object_Photo>();
    photo->image = image;
    photo->sName = name;
    Apply_Mode_Defaults(*photo, mode);
    return photo;
}
