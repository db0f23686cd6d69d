#include "model/PhotoMask.h"

#include "model/Quoted.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonObject>

#include <algorithm>
#include <cmath>
#include <functional>

namespace {

QString keyText(const char *key)
{
    return quoted(QLatin1String(key));
}

QString numberText(double value)
{
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

// A key's value refused: "“size” must be ...".
QString refused(const char *key, const QString &why)
{
    return keyText(key) + QLatin1Char(' ') + why;
}

QString readBool(const QJsonObject &object, const char *key, bool &flag)
{
    const QJsonValue value = object.value(QLatin1String(key));
    if (value.isUndefined())
        return {};
    if (!value.isBool())
        return refused(
            key,
            QCoreApplication::translate("ProjectFile", "must be true or false, not %1").arg(jsonText(value)));
    flag = value.toBool();
    return {};
}

// A number in [minimum, maximum] (above `minimum` when `openBelow`); a key left out
// keeps `number` when it has a default (`required` false).
QString readNumber(const QJsonObject &object, const char *key, double minimum, double maximum, double &number,
                   bool required = true, bool openBelow = false)
{
    const QJsonValue value = object.value(QLatin1String(key));
    if (value.isUndefined() && !required)
        return {};
    const double given = value.toDouble();
    const bool below = openBelow ? given <= minimum : given < minimum;
    if (!value.isDouble() || !std::isfinite(given) || below || given > maximum)
        return refused(
            key,
            (openBelow ? QCoreApplication::translate("ProjectFile", "must be above %1 and at most %2, not %3")
                       : QCoreApplication::translate("ProjectFile", "must be from %1 to %2, not %3"))
                .arg(numberText(minimum), numberText(maximum), jsonText(value)));
    number = given;
    return {};
}

bool isPlace(double value)
{
    return std::isfinite(value) && value >= kMaskPlaceMin && value <= kMaskPlaceMax;
}

QString pointError(const QJsonValue &value)
{
    return QCoreApplication::translate("ProjectFile",
                                       "must be a point [x, y] with x and y from %1 to %2, not %3")
        .arg(numberText(kMaskPlaceMin), numberText(kMaskPlaceMax), jsonText(value));
}

bool readPoint(const QJsonValue &value, QPointF &point)
{
    const QJsonArray pair = value.toArray();
    if (!value.isArray() || pair.size() != 2 || !pair[0].isDouble() || !pair[1].isDouble() ||
        !isPlace(pair[0].toDouble()) || !isPlace(pair[1].toDouble()))
        return false;
    point = {pair[0].toDouble(), pair[1].toDouble()};
    return true;
}

QString readPointKey(const QJsonObject &object, const char *key, QPointF &point)
{
    const QJsonValue value = object.value(QLatin1String(key));
    return readPoint(value, point) ? QString() : refused(key, pointError(value));
}

// Every key of `object` is one of `known`.
QString unknownKey(const QJsonObject &object, std::initializer_list<const char *> known)
{
    for (auto it = object.begin(); it != object.end(); ++it)
        if (std::none_of(known.begin(), known.end(),
                         [&](const char *k) { return it.key() == QLatin1String(k); }))
            return QCoreApplication::translate("ProjectFile", "unknown key %1").arg(quoted(it.key()));
    return {};
}

QString readGradient(const QJsonValue &entry, MaskGradient &gradient)
{
    const QJsonObject object = entry.toObject();
    const QString type = object.value(QLatin1String("type")).toString();
    if (!entry.isObject() || (type != QLatin1String("linear") && type != QLatin1String("radial")))
        return QCoreApplication::translate("ProjectFile", "must be an object with %1 %2 or %3, not %4")
            .arg(keyText("type"), quoted(QStringLiteral("linear")), quoted(QStringLiteral("radial")),
                 jsonText(entry.isObject() ? object.value(QLatin1String("type")) : entry));
    if (type == QLatin1String("linear")) {
        gradient.type = MaskGradient::Linear;
        QString wrong = unknownKey(object, {"type", "from", "to"});
        for (const auto &[key, point] : {std::pair{"from", &gradient.from}, std::pair{"to", &gradient.to}})
            if (wrong.isEmpty())
                wrong = readPointKey(object, key, *point);
        return wrong;
    }
    gradient.type = MaskGradient::Radial;
    QString wrong = unknownKey(object, {"type", "centre", "radius", "inner"});
    if (wrong.isEmpty())
        wrong = readPointKey(object, "centre", gradient.from);
    if (wrong.isEmpty())
        wrong = readNumber(object, "radius", 0.0, kMaskSizeMax, gradient.radius, true, true);
    if (wrong.isEmpty())
        wrong = readNumber(object, "inner", 0.0, kMaskSizeMax, gradient.inner, false);
    return wrong;
}

QString readStrokePoints(const QJsonObject &object, QList<QPointF> &points)
{
    const QJsonValue value = object.value(QLatin1String("points"));
    const QJsonArray list = value.toArray();
    if (!value.isArray() || list.isEmpty())
        return refused("points", QCoreApplication::translate(
                                     "ProjectFile", "must be a list of at least one point [x, y], not %1")
                                     .arg(jsonText(value)));
    points.reserve(list.size());
    for (qsizetype i = 0; i < list.size(); ++i) {
        QPointF point;
        if (!readPoint(list[i], point))
            return refused("points", QStringLiteral("%1: ").arg(i + 1) + pointError(list[i]));
        points.append(point);
    }
    return {};
}

QString readStroke(const QJsonValue &entry, MaskStroke &stroke)
{
    const QJsonObject object = entry.toObject();
    const QString paint = object.value(QLatin1String("paint")).toString();
    if (!entry.isObject() || (paint != QLatin1String("hide") && paint != QLatin1String("show")))
        return QCoreApplication::translate("ProjectFile", "must be an object with %1 %2 or %3, not %4")
            .arg(keyText("paint"), quoted(QStringLiteral("hide")), quoted(QStringLiteral("show")),
                 jsonText(entry.isObject() ? object.value(QLatin1String("paint")) : entry));
    stroke.show = paint == QLatin1String("show");
    QString wrong = unknownKey(object, {"paint", "size", "hardness", "opacity", "points"});
    if (wrong.isEmpty())
        wrong = readNumber(object, "size", 0.0, kMaskSizeMax, stroke.size, true, true);
    if (wrong.isEmpty())
        wrong = readNumber(object, "hardness", 0.0, 100.0, stroke.hardness, false);
    if (wrong.isEmpty())
        wrong = readNumber(object, "opacity", 0.0, 100.0, stroke.opacity, false);
    if (wrong.isEmpty())
        wrong = readStrokePoints(object, stroke.points);
    return wrong;
}

// Reads the list under `key` with `readOne`, naming the item that is wrong.
template <typename Item>
QString readList(const QJsonObject &object, const char *key, QList<Item> &items,
                 const std::function<QString(const QJsonValue &, Item &)> &readOne)
{
    const QJsonValue value = object.value(QLatin1String(key));
    if (value.isUndefined())
        return {};
    if (!value.isArray())
        return refused(
            key, QCoreApplication::translate("ProjectFile", "must be a list, not %1").arg(jsonText(value)));
    const QJsonArray list = value.toArray();
    for (qsizetype i = 0; i < list.size(); ++i) {
        Item item;
        if (const QString wrong = readOne(list[i], item); !wrong.isEmpty())
            return keyText(key) + QStringLiteral(" %1: ").arg(i + 1) + wrong;
        items.append(item);
    }
    return {};
}

QJsonArray pointJson(QPointF point)
{
    return {point.x(), point.y()};
}

QJsonObject gradientJson(const MaskGradient &gradient)
{
    if (gradient.type == MaskGradient::Linear)
        return {{QStringLiteral("type"), QStringLiteral("linear")},
                {QStringLiteral("from"), pointJson(gradient.from)},
                {QStringLiteral("to"), pointJson(gradient.to)}};
    return {{QStringLiteral("type"), QStringLiteral("radial")},
            {QStringLiteral("centre"), pointJson(gradient.from)},
            {QStringLiteral("radius"), gradient.radius},
            {QStringLiteral("inner"), gradient.inner}};
}

QJsonObject strokeJson(const MaskStroke &stroke)
{
    QJsonArray points;
    for (const QPointF &point : stroke.points)
        points.append(pointJson(point));
    return {{QStringLiteral("paint"), stroke.show ? QStringLiteral("show") : QStringLiteral("hide")},
            {QStringLiteral("size"), stroke.size},
            {QStringLiteral("hardness"), stroke.hardness},
            {QStringLiteral("opacity"), stroke.opacity},
            {QStringLiteral("points"), points}};
}

} // namespace

QJsonValue maskJson(const PhotoMask &mask)
{
    QJsonArray gradients;
    for (const MaskGradient &gradient : mask.gradients)
        gradients.append(gradientJson(gradient));
    QJsonArray strokes;
    for (const MaskStroke &stroke : mask.strokes)
        strokes.append(strokeJson(stroke));
    return QJsonObject{{QStringLiteral("gradients"), gradients},
                       {QStringLiteral("strokes"), strokes},
                       {QStringLiteral("invert"), mask.invert}};
}

QString readMask(const QJsonValue &value, PhotoMask &mask)
{
    const QString prefix = keyText("mask") + QLatin1Char(' ');
    if (!value.isObject())
        return prefix +
               QCoreApplication::translate("ProjectFile", "must be an object with %1, %2 and %3, not %4")
                   .arg(keyText("gradients"), keyText("strokes"), keyText("invert"), jsonText(value));
    const QJsonObject object = value.toObject();
    PhotoMask read;
    QString wrong = unknownKey(object, {"gradients", "strokes", "invert"});
    if (wrong.isEmpty())
        wrong = readList<MaskGradient>(object, "gradients", read.gradients, readGradient);
    if (wrong.isEmpty())
        wrong = readList<MaskStroke>(object, "strokes", read.strokes, readStroke);
    if (wrong.isEmpty())
        wrong = readBool(object, "invert", read.invert);
    if (!wrong.isEmpty())
        return prefix + wrong;
    mask = read;
    return {};
}

qsizetype maskPointCount(const PhotoMask &mask)
{
    qsizetype points = 0;
    for (const MaskStroke &stroke : mask.strokes)
        points += stroke.points.size();
    return points;
}
