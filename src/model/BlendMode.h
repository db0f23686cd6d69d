#pragma once

#include <QString>
#include <QtGlobal>

// The blend modes of a Composite photo, by the number stored in m_Composite_Blend_Mode.
// The imaging side keeps one kernel per mode in this order (blendTable).
inline constexpr int kBlendModeCount = 24;

// The mode's label as the Composition panel and the project file name it ("Multiply
// Blend Mode"), or an empty string for a number that names no mode.
QString blendModeName(quint64 blendMode);
