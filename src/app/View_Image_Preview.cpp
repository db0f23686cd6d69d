#include "app/View_Image_Preview.h"

#include "app/AppDelegate.h"
#include "render/RenderPass.h"

#include <QPaintEvent>
#include <QPainter>

View_Image_Preview::View_Image_Preview(AppDelegate &delegate, QWidget *parent)
    : QWidget(parent), m_delegate(delegate)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void View_Image_Preview::paintEvent(QPaintEvent *event)
{
    AppDelegate &d = m_delegate;
    const PassResult pass =
        render_Pass(d.array_Photos, d.modeBlend, QSizeF(size()), d.capture.b_Take_Picture, devicePixelRatioF());
    QPainter painter(this);
    paint_Pass(painter, QSizeF(size()), QRectF(event->rect()), pass);
    painter.end();
    Capture_Step(d.capture, pass, d.now());
}
