#pragma once

#include <QWidget>

class PhotoProject;

// The preview canvas: every paint renders the mixed picture again from the project at
// the view's scale (from the photos' reduced copies) and draws it fitted into the view.
// It follows the project's changes; marks for redrawing coalesce into one paint
// (QWidget::update), so a burst of changes gives one pass of the latest state.
class View_Image_Preview : public QWidget {
    Q_OBJECT
  public:
    explicit View_Image_Preview(const PhotoProject &project, QWidget *parent = nullptr);

    // Passes drawn so far.
    int passCount() const { return m_passCount; }

  signals:
    // A pass has been drawn; `drewPhotos` is false when the project had no photo.
    void passDrawn(bool drewPhotos);

  protected:
    void paintEvent(QPaintEvent *event) override;

  private:
    const PhotoProject &m_project;
    int m_passCount = 0;
};
