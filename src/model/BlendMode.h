#pragma once

#include <QString>
#include <QtGlobal>

// The blend modes of a Composite photo, by the number stored in m_Composite_Blend_Mode.
// The imaging side keeps one kernel per mode in this order (blendTable). Indices 0-23 are
// the original modes in alphabetical order; later modes are appended so that a stored
// index keeps its meaning.
inline constexpr int kBlendModeCount = 25;

// The mode's label as the Composition panel and the project file name it ("Multiply
// Blend Mode"), or an empty string for a number that names no mode.
QString blendModeName(quint64 blendMode);
