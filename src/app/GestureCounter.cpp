#include "app/GestureCounter.h"

#include <QCoreApplication>
#include <QKeyEvent>

GestureCounter::GestureCounter(QObject *parent) : QObject(parent)
{
    if (QCoreApplication::instance())
        QCoreApplication::instance()->installEventFilter(this);
}

bool GestureCounter::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::MouseButtonRelease ||
        (type == QEvent::KeyRelease && !static_cast<QKeyEvent *>(event)->isAutoRepeat()))
        ++m_ended;
    return QObject::eventFilter(watched, event);
}
