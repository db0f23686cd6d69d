#include "render/ShapeMasks.h"

#include "model/ShapeType.h"

#include <QPainter>
#include <QSvgRenderer>

// The engine is a static library: its resource object is linked only when something
// refers to it, so register it explicitly once.
static void initEngineResources()
{
    Q_INIT_RESOURCE(engine);
}

QImage Shape_Mask_Image(quint64 shapeType, QSize size)
{
    const QString name = shapeMaskName(shapeType);
    if (name.isEmpty() || size.isEmpty())
        return {};
    static const bool registered = (initEngineResources(), true);
    Q_UNUSED(registered);
    QSvgRenderer renderer(QStringLiteral(":/masks/%1.svg").arg(name));
    if (!renderer.isValid())
        return {};
    renderer.setAspectRatioMode(Qt::IgnoreAspectRatio);
    QImage mask(size, QImage::Format_ARGB32_Premultiplied);
    if (mask.isNull())
        return {};
    mask.fill(Qt::transparent);
    QPainter painter(&mask);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return mask;
}
