#include "app/View_Image_Preview.h"

#include "model/PhotoProject.h"
#include "render/RenderPass.h"

#include <QPaintEvent>
#include <QPainter>

View_Image_Preview::View_Image_Preview(const PhotoProject &project, QWidget *parent)
    : QWidget(parent), m_project(project)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    connect(&project, &PhotoProject::changed, this, [this](int changes) {
        if (changes & (PhotoProject::ListChanged | PhotoProject::FieldChanged | PhotoProject::ModeChanged |
                       PhotoProject::OptionsChanged))
            update();
    });
}

void View_Image_Preview::paintEvent(QPaintEvent *event)
{
    const PassResult pass = render_Pass(m_project.photos(), m_project.mode(), QSizeF(size()), false,
                                        devicePixelRatioF(), m_project.options());
    QPainter painter(this);
    paint_Pass(painter, QSizeF(size()), QRectF(event->rect()), pass);
    painter.end();
    ++m_passCount;
    emit passDrawn(!pass.empty);
}
