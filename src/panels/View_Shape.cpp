#include "panels/View_Shape.h"

#include "model/ProjectMode.h"
#include "model/ShapeType.h"
#include "panels/Window_Select_Shape.h"
#include "render/ShapeMasks.h"

#include <QCoreApplication>
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

View_Shape::View_Shape(PhotoEditor &editor, QWidget *parent)
    : PanelBase(editor, "View_Shape", tr("Shape"), parent)
{
    auto *row = new QWidget(this);
    auto *rowLayout = new QHBoxLayout(row);
    rowLayout->setContentsMargins(0, 0, 0, 0);
    btnSelectShape = new QPushButton(tr("Se&lect Shape…"), row);
    btnSelectShape->setToolTip(tr("Choose the shape the photo is cut out through"));
    imageviewShape = new ShapeThumbnail(row);
    imageviewShape->setToolTip(tr("The photo's shape"));
    imageviewShape->setAccessibleName(tr("Shape"));
    rowLayout->addWidget(btnSelectShape);
    rowLayout->addWidget(imageviewShape);
    rowLayout->addStretch(1);
    addRow(tr("Shape"), row);
    addControl(btnSelectShape);
    sliderSize = addSlider(tr("S&ize"), tr("Enlargement of the photo's own width (0 % keeps its size)"),
                           PhotoField::ShapeSize, 0.5, signedPercentText);
    sliderX = addSlider(tr("&X"), tr("Offset to the right, in percent of the photo's own width"),
                        PhotoField::ShapeXOffset, 0.5, percentText);
    sliderY = addSlider(tr("&Y"), tr("Offset upwards, in percent of the photo's own height"),
                        PhotoField::ShapeYOffset, 0.5, percentText);
    addPlacementControls(*placementFields(Shape));
    sliderFeather =
        addSlider(tr("Fea&ther"), tr("How softly the shape's edge fades, up to a tenth of its shorter side"),
                  PhotoField::ShapeFeather, 1.0, percentText);
    addBlendSpaceChoice();
    body()->addStretch(1);

    connect(btnSelectShape, &QPushButton::clicked, this, &View_Shape::OnSelectShape);
    connect(sliderSize, &ValueSlider::valueEdited, this, &View_Shape::OnChangeSize);
    connect(sliderX, &ValueSlider::valueEdited, this, &View_Shape::OnChangeX);
    connect(sliderY, &ValueSlider::valueEdited, this, &View_Shape::OnChangeY);
    connect(sliderFeather, &ValueSlider::valueEdited, this, &View_Shape::OnChangeFeather);
}

QImage View_Shape::thumbnailImage(quint64 shapeType)
{
    return shapeMaskImage(shapeType, QSize(kThumbnailSide, kThumbnailSide) * 2);
}

void View_Shape::showShape(quint64 shapeType)
{
    imageviewShape->setImage(thumbnailImage(shapeType));
    imageviewShape->setAccessibleName(
        tr("Shape: %1")
            .arg(shapeType < kShapeCount
                     ? QCoreApplication::translate("Shape", qPrintable(shapeTitle(shapeType)))
                     : tr("none")));
    imageviewShape->update();
}

// A new picker for every pick; the pick goes to the photo selected when it closes.
void View_Shape::OnSelectShape()
{
    Window_Select_Shape picker(window());
    picker.placeAtPointer(editor().pointerPosition());
    const int response = picker.exec();
    const quint64 chosen = picker.shapeTypeChosen;
    picker.close();
    if (response != 1 || !editor().setPhotoField(PhotoField::ShapeType, double(chosen)))
        return;
    if (const PhotoPtr photo = editor().tunablePhoto())
        showShape(photo->m_Shape_Type);
}

void View_Shape::loadControls(const Object_Photo &photo)
{
    showShape(photo.m_Shape_Type);
    PanelBase::loadControls(photo);
}
