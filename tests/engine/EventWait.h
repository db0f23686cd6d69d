#pragma once

#include <QEventLoop>
#include <QTimer>

#include <functional>

// Runs the event loop until `done` holds (checked every millisecond) or `timeoutMs` passed.
inline void runEventsUntil(const std::function<bool()> &done, int timeoutMs = 20000)
{
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done())
            loop.quit();
    });
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    poll.start(1);
    loop.exec();
}
