#include "app/View_Image_Preview.h"

#include "app/AppDelegate.h"
#include "render/RenderPass.h"

#include <QPaintEvent>
#include <QPainter>

View_Image_Preview::View_Image_Preview(AppDelegate &delegate, QWidget *parent)
    : QWidget(parent), m_delegate(delegate)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    connect(&m_capture, &Capture_Runner::captureFinished, this, &View_Image_Preview::completeCapture);
}

void View_Image_Preview::paintEvent(QPaintEvent *event)
{
    AppDelegate &d = m_delegate;
    const PassResult pass = render_Pass(d.array_Photos, d.modeBlend, QSizeF(size()), false,
                                        devicePixelRatioF(), d.projectOptions);
    QPainter painter(this);
    paint_Pass(painter, QSizeF(size()), QRectF(event->rect()), pass);
    painter.end();
    ++m_passCount;
    if (!pass.empty)
        startCaptureIfPending();
}

void View_Image_Preview::startCaptureIfPending()
{
    AppDelegate &d = m_delegate;
    if (!d.capture.b_Take_Picture || m_capture.isRunning())
        return;
    m_captureTime = d.now();
    m_capture.start(d.array_Photos, d.modeBlend, d.projectOptions);
    emit captureStarted();
}

void View_Image_Preview::completeCapture(const QImage &picture)
{
    AppDelegate &d = m_delegate;
    PassResult pass;
    pass.mixed = picture;
    Capture_Step(d.capture, pass, m_captureTime);
    emit captureFinished(d.capture.imageSave, d.capture.s_Saved_Take_Picture);
}
