#pragma once

#include <QCoreApplication>
#include <QDir>
#include <QJsonValue>
#include <QLocale>
#include <QString>

// A name or a path as messages quote it: “beach.jpg” (paths with the platform's
// separators).
inline QString quoted(const QString &text)
{
    return QStringLiteral("\u201C%1\u201D").arg(QDir::toNativeSeparators(text));
}

// A value of a project file as the user wrote it, for messages: a number as short as it
// can be written and still read back as the same number (360.0001 stays 360.0001).
inline QString jsonText(const QJsonValue &value)
{
    if (value.isDouble())
        return QString::number(value.toDouble(), 'g', QLocale::FloatingPointShortest);
    if (value.isString())
        return quoted(value.toString());
    if (value.isBool())
        return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    return value.isArray()    ? QCoreApplication::translate("ProjectFile", "a list")
           : value.isObject() ? QCoreApplication::translate("ProjectFile", "an object")
                              : QStringLiteral("null");
}
