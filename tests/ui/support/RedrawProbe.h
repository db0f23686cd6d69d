#pragma once

#include "app/View_Image_Preview.h"

#include <QEvent>
#include <QPointer>
#include <QTest>
#include <QWidget>

#include <functional>

// Counts how often the preview canvas is painted because of an action. After the
// action it marks a second widget of the same window and waits for that one to be
// painted: the window paints everything marked in one pass, so a canvas marked by the
// action has been painted by then too. No fixed sleeps.
class RedrawProbe : public QObject {
  public:
    RedrawProbe(QWidget *canvas, QWidget *sentinel) : m_canvas(canvas), m_sentinel(sentinel)
    {
        canvas->installEventFilter(this);
        sentinel->installEventFilter(this);
    }

    // The canvas paints caused by `action`, or -1 when the window never painted.
    int paintsDuring(const std::function<void()> &action)
    {
        if (!QTest::qWaitForWindowExposed(m_canvas->window()) || !settle())
            return -1;
        m_canvasPaints = 0;
        action();
        return settle() ? m_canvasPaints : -1;
    }

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++(watched == m_canvas ? m_canvasPaints : m_sentinelPaints);
        return false;
    }

  private:
    bool settle()
    {
        // The canvas paints a frame once its pass on the worker has finished.
        auto *preview = qobject_cast<View_Image_Preview *>(m_canvas.data());
        if (preview && !QTest::qWaitFor([preview] { return preview->isFrameCurrent(); }, 5000))
            return false;
        m_sentinelPaints = 0;
        m_sentinel->update();
        return QTest::qWaitFor([this] { return m_sentinelPaints > 0; }, 5000);
    }

    QPointer<QWidget> m_canvas;
    QPointer<QWidget> m_sentinel;
    int m_canvasPaints = 0;
    int m_sentinelPaints = 0;
};
