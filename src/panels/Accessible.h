#pragma once

#include <QAccessibleWidget>

// What assistive technology is told of the controls Qt cannot describe by itself.

// A widget that shows a picture (the preview, the shape's image): an image to screen
// readers, its accessible name and description being what it shows.
class ImageAccessible : public QAccessibleWidget, public QAccessibleImageInterface {
  public:
    explicit ImageAccessible(QWidget *widget) : QAccessibleWidget(widget, QAccessible::Graphic) {}
    void *interface_cast(QAccessible::InterfaceType type) override;
    QString imageDescription() const override;
    QSize imageSize() const override;
    QPoint imagePosition() const override;
};

// Installs, once, the interfaces of the panels' controls: a ValueSlider's track reports
// the value and range the slider shows ("+10.5 %" on -90 … +400 %), not its steps; a
// shape's image is an image.
void installPanelAccessibility();
