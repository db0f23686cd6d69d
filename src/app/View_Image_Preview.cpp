#include "app/View_Image_Preview.h"

#include "model/PhotoProject.h"

#include <QPaintEvent>
#include <QPainter>

View_Image_Preview::View_Image_Preview(const PhotoProject &project, QWidget *parent)
    : QWidget(parent), m_project(project), m_renderer([this] {
          return PreviewRequest{m_project.photos(), m_project.mode(), QSizeF(size()), devicePixelRatioF(),
                                m_project.options()};
      })
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    connect(&project, &PhotoProject::changed, this, [this](int changes) {
        if (changes & (PhotoProject::ListChanged | PhotoProject::FieldChanged | PhotoProject::ModeChanged |
                       PhotoProject::OptionsChanged))
            redraw();
    });
    connect(&m_renderer, &PreviewRenderer::frameReady, this, &View_Image_Preview::showFrame);
}

void View_Image_Preview::redraw()
{
    if (!size().isEmpty())
        m_renderer.request();
}

bool View_Image_Preview::isFrameCurrent() const
{
    // A view of no size has nothing to wait for: passes start once it has one.
    return !m_renderer.isBusy() && (size().isEmpty() || m_frame.viewSize == QSizeF(size()));
}

void View_Image_Preview::showFrame(const PreviewFrame &frame)
{
    m_frame = frame;
    update();
    emit passDrawn(frame.drewPhotos);
}

void View_Image_Preview::resizeEvent(QResizeEvent *)
{
    redraw();
}

// Black, then the latest frame: as it is when it was made for this size, else scaled
// into the view keeping its proportions until the pass for the new size ends.
void View_Image_Preview::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), Qt::black);
    if (m_frame.viewSize != QSizeF(size()) && !m_renderer.isBusy())
        redraw(); // a view sized while hidden: a pass is only asked for here
    if (m_frame.image.isNull())
        return;
    const QSizeF fitted = m_frame.viewSize.scaled(QSizeF(size()), Qt::KeepAspectRatio);
    const QRectF target(QPointF((width() - fitted.width()) / 2, (height() - fitted.height()) / 2), fitted);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, fitted != m_frame.viewSize);
    painter.drawImage(target, m_frame.image);
}
