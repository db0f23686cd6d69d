#pragma once

#include <QDir>
#include <QString>

// A name or a path as messages quote it: “beach.jpg” (paths with the platform's
// separators).
inline QString quoted(const QString &text)
{
    return QStringLiteral("\u201C%1\u201D").arg(QDir::toNativeSeparators(text));
}
