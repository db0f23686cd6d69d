#pragma once

#include "render/PreviewRenderer.h"

#include <QWidget>

class PhotoProject;

// The preview canvas. Passes run on the preview renderer's worker over a snapshot of the
// project at the view's scale; the canvas paints the latest finished frame (scaled into
// the view when the view changed size since) and never renders while painting. It
// follows the project's changes and its own size; a burst of changes coalesces into one
// more pass of the latest state.
class View_Image_Preview : public QWidget {
    Q_OBJECT
  public:
    explicit View_Image_Preview(const PhotoProject &project, QWidget *parent = nullptr);

    // Asks for a pass of the project as it is.
    void redraw();
    // Passes finished so far.
    int passCount() const { return m_renderer.passCount(); }
    // The frame shown is of the latest state and of the view's size.
    bool isFrameCurrent() const;

  signals:
    // A pass has finished; `drewPhotos` is false when the project had no photo.
    void passDrawn(bool drewPhotos);

  protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

  private:
    void showFrame(const PreviewFrame &frame);

    const PhotoProject &m_project;
    PreviewRenderer m_renderer;
    PreviewFrame m_frame;
};
