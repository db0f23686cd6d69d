#pragma once

#include "render/CaptureRunner.h"

#include <QDateTime>
#include <QWidget>

class AppDelegate;

// The preview canvas: every paint renders the mixed picture again from the project
// state at the view's scale (from the photos' reduced copies) and draws it fitted into
// the view. Marks for redrawing coalesce into one paint (QWidget::update), so a burst of
// changes gives one pass of the latest state. A pending capture starts a full-resolution
// pass on a worker over a snapshot of the list; the capture step completes when its
// picture comes back.
class View_Image_Preview : public QWidget {
    Q_OBJECT
  public:
    explicit View_Image_Preview(AppDelegate &delegate, QWidget *parent = nullptr);

    // Passes drawn so far.
    int passCount() const { return m_passCount; }

  signals:
    // A full-resolution capture pass has started on its worker.
    void captureStarted();
    // The capture step is done: imageSave and s_Saved_Take_Picture hold this capture
    // and b_Take_Picture is clear again.
    void captureFinished(const QImage &picture, const QString &path);

  protected:
    void paintEvent(QPaintEvent *event) override;

  private:
    void startCaptureIfPending();
    void completeCapture(const QImage &picture);

    AppDelegate &m_delegate;
    Capture_Runner m_capture;
    QDateTime m_captureTime; // the clock when the capture's pass started: it names the file
    int m_passCount = 0;
};
