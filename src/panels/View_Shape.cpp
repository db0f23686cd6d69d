#include "panels/View_Shape.h"

#include "app/AppDelegate.h"
#include "panels/Window_Select_Shape.h"
#include "render/ShapeMasks.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

ShapeThumbnail::ShapeThumbnail(QWidget *parent) : QWidget(parent)
{
    setFixedSize(View_Shape::kThumbnailSide, View_Shape::kThumbnailSide);
}

void ShapeThumbnail::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(40, 40, 40));
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (!m_image.isNull())
        painter.drawImage(rect().adjusted(4, 4, -4, -4), m_image);
}

View_Shape::View_Shape(AppDelegate &delegate, QWidget *parent)
    : PanelBase(delegate, "View_Shape", "Shape", parent)
{
    auto *row = new QWidget(this);
    auto *rowLayout = new QHBoxLayout(row);
    rowLayout->setContentsMargins(0, 0, 0, 0);
    btnSelectShape = new QPushButton("Select Shape…", row);
    btnSelectShape->setToolTip("Choose the shape the photo is cut out through");
    imageviewShape = new ShapeThumbnail(row);
    imageviewShape->setToolTip("The photo's shape");
    rowLayout->addWidget(btnSelectShape);
    rowLayout->addWidget(imageviewShape);
    rowLayout->addStretch(1);
    addRow("Shape", row);
    addControl(btnSelectShape);
    sliderSize = addSlider("Size", "Enlargement of the photo's own width (0 % keeps its size)",
                           PhotoField::ShapeSize, kEnlargementRange);
    sliderX = addSlider("X", "Offset to the right, in percent of the photo's own width",
                        PhotoField::ShapeXOffset, kPhotoOffsetRange);
    sliderY = addSlider("Y", "Offset upwards, in percent of the photo's own height", PhotoField::ShapeYOffset,
                        kPhotoOffsetRange);
    sliderFeather =
        addSlider("Feather", "How softly the shape's edge fades, up to a tenth of its shorter side",
                  PhotoField::ShapeFeather, SliderRange{0.0, 100.0, 1.0, percentText});
    addBlendSpaceChoice();
    body()->addStretch(1);

    connect(btnSelectShape, &QPushButton::clicked, this, &View_Shape::OnSelectShape);
    connect(sliderSize, &ValueSlider::valueEdited, this, &View_Shape::OnChangeSize);
    connect(sliderX, &ValueSlider::valueEdited, this, &View_Shape::OnChangeX);
    connect(sliderY, &ValueSlider::valueEdited, this, &View_Shape::OnChangeY);
    connect(sliderFeather, &ValueSlider::valueEdited, this, &View_Shape::OnChangeFeather);
}

QImage View_Shape::Thumbnail_Image(quint64 shapeType)
{
    return Shape_Mask_Image(shapeType, QSize(kThumbnailSide, kThumbnailSide) * 2);
}

void View_Shape::Show_Shape(quint64 shapeType)
{
    imageviewShape->setImage(Thumbnail_Image(shapeType));
    imageviewShape->update();
}

// A new picker for every pick; the pick goes to the photo selected when it closes.
void View_Shape::OnSelectShape()
{
    Window_Select_Shape picker(window());
    picker.Place_At_Pointer(delegate().desktop().pointerPosition());
    const int response = picker.exec();
    const quint64 chosen = picker.shapeTypeChosen;
    picker.close();
    if (response != 1 || !delegate().Set_Photo_Field(PhotoField::ShapeType, double(chosen)))
        return;
    if (const PhotoPtr photo = delegate().tunablePhoto())
        Show_Shape(photo->m_Shape_Type);
}

void View_Shape::Load_Controls(const Object_Photo &photo)
{
    Show_Shape(photo.m_Shape_Type);
    PanelBase::Load_Controls(photo);
}
