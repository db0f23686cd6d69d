#pragma once

#include "panels/PanelBase.h"

#include <QPointer>

// Controls panel of the Transparent project type: the selected photo's transparency,
// and its width and place in percent of the background.
class View_Transparent : public PanelBase {
    Q_OBJECT
  public:
    View_Transparent(PhotoEditor &editor, QWidget *parent = nullptr);

    QPointer<ValueSlider> sliderTransparency;
    QPointer<ValueSlider> sliderSize;
    QPointer<ValueSlider> sliderX;
    QPointer<ValueSlider> sliderY;

    // The transparency is stored as a whole percent, truncated toward zero.
    void OnChangeTransparency() { writeSlider(sliderTransparency); }
    void OnChangeSize() { writeSlider(sliderSize); }
    void OnChangeX() { writeSlider(sliderX); }
    void OnChangeY() { writeSlider(sliderY); }
};
