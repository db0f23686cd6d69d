#include "panels/ValueSlider.h"

#include "panels/Accessible.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QSlider>

#include <algorithm>
#include <cmath>

ValueSlider::ValueSlider(SliderRange range, QWidget *parent) : QWidget(parent), m_range(std::move(range))
{
    installPanelAccessibility();
    m_track = new QSlider(Qt::Horizontal, this);
    m_track->setRange(0, positionOf(m_range.maximum));
    m_track->setSingleStep(1);
    m_track->setPageStep(std::max(1, int(std::lround(10.0 / m_range.step)))); // ten units
    m_track->setTracking(true);
    m_text = new QLabel(this);
    m_text->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // Wide enough for the longest text, so the slider does not jump while dragged, and
    // at least as wide as a typical one, so the sliders of a panel line up.
    const QFontMetrics metrics(m_text->font());
    const int widest = std::max({metrics.horizontalAdvance(m_range.text(m_range.minimum)),
                                 metrics.horizontalAdvance(m_range.text(m_range.maximum)),
                                 metrics.horizontalAdvance(QStringLiteral("+400.5 %"))});
    m_text->setMinimumWidth(widest + metrics.horizontalAdvance(QStringLiteral("0")));
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_track, 1);
    layout->addWidget(m_text, 0);
    connect(m_track, &QSlider::valueChanged, this, &ValueSlider::onTrackMoved);
    setValue(m_range.initial);
}

// The nearest step, within the track (a value outside the range sits at its end).
int ValueSlider::positionOf(double value) const
{
    const double last = std::round((m_range.maximum - m_range.minimum) / m_range.step);
    const double steps = (value - m_range.minimum) / m_range.step;
    return int(steps > 0 ? std::min(std::round(steps), last) : 0.0);
}

void ValueSlider::setValue(double value)
{
    m_value = value;
    const QSignalBlocker quiet(m_track);
    m_track->setValue(positionOf(value));
    m_text->setText(valueText());
}

QString ValueSlider::valueText() const
{
    return m_range.text(m_value);
}

void ValueSlider::editValue(double value)
{
    m_track->setValue(positionOf(value)); // onTrackMoved emits the edit
}

void ValueSlider::onTrackMoved(int position)
{
    m_value = m_range.minimum + position * m_range.step;
    m_text->setText(valueText());
    emit valueEdited(m_value);
}

QString percentText(double value)
{
    return QString::number(value, 'g', 6) + QStringLiteral(" %");
}

QString signedPercentText(double value)
{
    return (value > 0 ? QStringLiteral("+") : QString()) + percentText(value);
}

QString degreesText(double value)
{
    return QString::number(value, 'g', 6) + QChar(0x00B0);
}
