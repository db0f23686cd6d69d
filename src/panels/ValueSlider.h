#pragma once

#include <QWidget>

#include <functional>

class QLabel;
class QSlider;

// What a slider spans, the step a drag or a key moves it by, and how its value reads.
struct SliderRange {
    double minimum = 0.0;
    double maximum = 100.0;
    double step = 1.0;
    std::function<QString(double)> text; // the value with its unit, "12.5 %"
    double initial = 0.0;                // shown until a photo's value is loaded
};

// A slider over fractional values with its current value shown next to it. It keeps
// the exact value it was given (a photo's field may lie between two steps) until the
// user moves it; it tracks while dragged.
class ValueSlider : public QWidget {
    Q_OBJECT
  public:
    explicit ValueSlider(SliderRange range, QWidget *parent = nullptr);

    double value() const { return m_value; }
    // Sets the value from code: the slider and its text follow, nothing is emitted.
    void setValue(double value);

    QSlider *track() const { return m_track; }
    QString valueText() const;
    const SliderRange &range() const { return m_range; }
    // Sets the value as the user would (assistive technology): within the range, on a
    // step, and emitted as an edit.
    void editValue(double value);

  signals:
    // The user moved the slider (drag, click, wheel or keys).
    void valueEdited(double value);

  private:
    void onTrackMoved(int position);
    int positionOf(double value) const;

    SliderRange m_range;
    double m_value = 0.0;
    QSlider *m_track = nullptr;
    QLabel *m_text = nullptr;
};

// Value texts: "30 %", a signed enlargement "+50 %" / "-90 %".
QString percentText(double value);
QString signedPercentText(double value);
// A turn: "30°", "-12.5°".
QString degreesText(double value);
