#pragma once

#include <QObject>

// Counts the ends of pointer and key gestures (a button or a key let go) over the whole
// application. The number names the gesture under way: the document merges the writes
// of one slider drag, or of a key held down, into one undo step by it.
class GestureCounter : public QObject {
  public:
    // Watches the application's events (none without an application).
    explicit GestureCounter(QObject *parent = nullptr);
    // Never 0, which would mean "no gesture" to the document.
    quint64 current() const { return m_ended + 1; }

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    quint64 m_ended = 0;
};
