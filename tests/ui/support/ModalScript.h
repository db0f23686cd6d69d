#pragma once

#include <QApplication>
#include <QObject>
#include <QQueue>
#include <QTimer>
#include <QWidget>

#include <functional>

// Acts on modal windows as they appear. A modal window runs its own event loop inside
// the code that opened it, so a test cannot wait for it in line: it queues steps here,
// and each step runs once a modal window of its type is the active one.
class ModalScript : public QObject {
  public:
    ModalScript()
    {
        connect(&m_poll, &QTimer::timeout, this, &ModalScript::poll);
        m_poll.start(5);
    }

    template <typename Window> void onModal(std::function<void(Window &)> act)
    {
        m_steps.enqueue([act](QWidget *modal) {
            auto *window = qobject_cast<Window *>(modal);
            if (window)
                act(*window);
            return window != nullptr;
        });
    }

    bool done() const { return m_steps.isEmpty(); }

  private:
    void poll()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (modal && !m_steps.isEmpty() && !m_running) {
            m_running = true; // an action may itself open a modal window
            if (m_steps.head()(modal))
                m_steps.dequeue();
            m_running = false;
        }
    }

    QTimer m_poll;
    QQueue<std::function<bool(QWidget *)>> m_steps;
    bool m_running = false;
};
