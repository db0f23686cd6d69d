#pragma once

#include <QDir>
#include <QJsonValue>
#include <QString>

// A name or a path as messages quote it: “beach.jpg” (paths with the platform's
// separators).
inline QString quoted(const QString &text)
{
    return QStringLiteral("\u201C%1\u201D").arg(QDir::toNativeSeparators(text));
}

// A value of a project file as the user wrote it, for messages: a number as short as it
// can be written and still read back as the same number (360.0001 stays 360.0001).
QString jsonText(const QJsonValue &value);
