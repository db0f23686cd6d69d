#include "model/Quoted.h"

#include <QCoreApplication>
#include <QLocale>

QString jsonText(const QJsonValue &value)
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
