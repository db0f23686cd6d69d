#pragma once

#include "panels/PanelBase.h"

#include <QImage>
#include <QPointer>

class QPushButton;

// Shows a shape mask, white on a dark ground; an empty image leaves just the ground.
class ShapeThumbnail : public QWidget {
    Q_OBJECT
  public:
    explicit ShapeThumbnail(QWidget *parent = nullptr);

    const QImage &image() const { return m_image; }
    void setImage(const QImage &image) { m_image = image; }

  protected:
    void paintEvent(QPaintEvent *event) override;

  private:
    QImage m_image;
};

// Controls panel of the Shape project type: the shape picker, a thumbnail of the
// selected photo's mask, and the cut-out's size and offsets.
class View_Shape : public PanelBase {
    Q_OBJECT
  public:
    static constexpr int kThumbnailSide = 64;

    View_Shape(PhotoEditor &editor, QWidget *parent = nullptr);

    QPointer<QPushButton> btnSelectShape;
    QPointer<ShapeThumbnail> imageviewShape;
    QPointer<ValueSlider> sliderSize;
    QPointer<ValueSlider> sliderX;
    QPointer<ValueSlider> sliderY;
    QPointer<ValueSlider> sliderFeather;

    // The thumbnail's image of a shape: its mask, or an empty image outside 0..11.
    static QImage thumbnailImage(quint64 shapeType);

    void OnSelectShape();
    void OnChangeSize() { writeSlider(sliderSize); }
    void OnChangeX() { writeSlider(sliderX); }
    void OnChangeY() { writeSlider(sliderY); }
    void OnChangeFeather() { writeSlider(sliderFeather); }

    void loadControls(const Object_Photo &photo) override;

  private:
    void showShape(quint64 shapeType);
};
