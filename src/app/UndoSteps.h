#pragma once

#include "model/Object_Photo.h"

#include <QString>

class AppDelegate;

// Records one list action as an undo step: the list and the selected row as they were
// when it is made, and as they are when it goes out of scope. An action that changed
// nothing leaves no step. Each list action starts with one of these, so that the
// action and its history cannot drift apart.
class ListStepRecorder {
  public:
    // `name` is what Undo and Redo say ("Move Photo Up"); "Add Photo" becomes "Add
    // Photos" when the action added more than one.
    ListStepRecorder(AppDelegate &delegate, const QString &name);
    ~ListStepRecorder();
    ListStepRecorder(const ListStepRecorder &) = delete;
    ListStepRecorder &operator=(const ListStepRecorder &) = delete;
    // The action was abandoned (the project was replaced meanwhile): no step.
    void dismiss() { m_dismissed = true; }

  private:
    AppDelegate &m_delegate;
    QString m_name;
    PhotoList m_before;
    qint64 m_beforeRow;
    bool m_dismissed = false;
};
