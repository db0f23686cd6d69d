#include "app/View_Image_Preview.h"

#include "app/AppDelegate.h"

#include <QPaintEvent>
#include <QPainter>

View_Image_Preview::View_Image_Preview(AppDelegate &delegate, QWidget *parent)
    : QWidget(parent), m_delegate(delegate)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void View_Image_Preview::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), Qt::black);
}
