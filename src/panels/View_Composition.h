#pragma once

#include "panels/PanelBase.h"

#include <QPointer>

class QCheckBox;
class QComboBox;

// Controls panel of the Composite project type: the blend mode of the selected photo,
// whether it is stretched to the background's size, and otherwise its size and offsets.
class View_Composition : public PanelBase {
    Q_OBJECT
  public:
    View_Composition(PhotoEditor &editor, QWidget *parent = nullptr);

    QPointer<QComboBox> comboBlendMode;
    QPointer<QCheckBox> checkCompositeMatchBgSize;
    QPointer<ValueSlider> sliderSize;
    QPointer<ValueSlider> sliderX;
    QPointer<ValueSlider> sliderY;
    QPointer<ValueSlider> sliderOpacity;

    void OnChangeBlendMode();
    void OnCheckCompositeMatchBgSize();
    void OnChangeSize() { writeSlider(sliderSize); }
    void OnChangeX() { writeSlider(sliderX); }
    void OnChangeY() { writeSlider(sliderY); }
    void OnChangeOpacity() { writeSlider(sliderOpacity); }

    void enableControls(const Object_Photo *photo) override;
    void loadControls(const Object_Photo &photo) override;

  private:
    void viewDidLoad();
    void enablePlacement(bool placed);
};
