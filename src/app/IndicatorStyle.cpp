#include "app/IndicatorStyle.h"

#include <QApplication>
#include <QPainter>
#include <QStyleOption>

void IndicatorStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                                   const QWidget *widget) const
{
    QProxyStyle::drawPrimitive(element, option, painter, widget);
    const bool checkBox = element == PE_IndicatorCheckBox;
    if ((!checkBox && element != PE_IndicatorRadioButton) || !(option->state & State_Enabled))
        return;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, !checkBox);
    painter->setPen(QPen(edgeColor(option->palette), 1.0));
    painter->setBrush(Qt::NoBrush);
    const QRectF edge = QRectF(option->rect).adjusted(0.5, 0.5, -0.5, -0.5);
    if (checkBox)
        painter->drawRect(edge);
    else
        painter->drawEllipse(edge);
    painter->restore();
}

QColor IndicatorStyle::edgeColor(const QPalette &palette)
{
    const QColor window = palette.color(QPalette::Window);
    const QColor text = palette.color(QPalette::WindowText);
    return QColor::fromRgbF((window.redF() + text.redF()) / 2, (window.greenF() + text.greenF()) / 2,
                            (window.blueF() + text.blueF()) / 2);
}

void useIndicatorStyle()
{
    if (!qobject_cast<IndicatorStyle *>(QApplication::style()))
        QApplication::setStyle(new IndicatorStyle);
}
