#include "model/ProjectFile.h"

#include "imaging/Filters.h"
#include "model/ProjectMode.h"
#include "model/ShapeType.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QSaveFile>

#include <cmath>
#include <functional>

namespace {

constexpr unsigned kLinearModes = 1u << LinearHorizontal | 1u << LinearVertical;
constexpr unsigned kCompositeMode = 1u << Composite;
constexpr unsigned kShapeMode = 1u << Shape;
constexpr unsigned kTransparentMode = 1u << Transparent;
constexpr unsigned kPlacedModes = kCompositeMode | kShapeMode | kTransparentMode;

// Reads one key's value into the photo; returns why it cannot, or nothing.
using KeyReader = std::function<QString(const QJsonValue &, quint64 mode, Object_Photo &)>;
// The key's value as the writer stores it.
using KeyWriter = std::function<QJsonValue(const Object_Photo &, quint64 mode)>;
using NameOf = QString (*)(quint64);

struct KeyRule {
    const char *name;
    unsigned modes;
    KeyReader read;
    KeyWriter write;
};

QString quote(const QString &text)
{
    return QStringLiteral("\u201C%1\u201D").arg(text);
}

// The value as the user wrote it, for messages.
QString jsonText(const QJsonValue &value)
{
    if (value.isDouble())
        return QString::number(value.toDouble());
    if (value.isString())
        return quote(value.toString());
    if (value.isBool())
        return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    return value.isArray()    ? QStringLiteral("a list")
           : value.isObject() ? QStringLiteral("an object")
                              : QStringLiteral("null");
}

QString readFloat(const QJsonValue &value, float &field)
{
    if (!value.isDouble() || !std::isfinite(value.toDouble()))
        return QStringLiteral("must be a number, not %1").arg(jsonText(value));
    field = float(value.toDouble());
    return {};
}

// A whole number from 0 to count - 1, or (with nameOf) one of the names in any case.
QString readIndex(const QJsonValue &value, quint64 count, NameOf nameOf, quint64 &field)
{
    for (quint64 i = 0; nameOf && value.isString() && i < count; ++i)
        if (nameOf(i).compare(value.toString(), Qt::CaseInsensitive) == 0)
            return field = i, QString();
    const double number = value.toDouble(-1.0);
    if (value.isDouble() && number == std::floor(number) && number >= 0 && number < double(count))
        return field = quint64(number), QString();
    return QStringLiteral("must be a whole number from 0 to %1%2, not %3")
        .arg(count - 1)
        .arg(nameOf ? QStringLiteral(" or a name") : QString(), jsonText(value));
}

QString blendLabel(quint64 index)
{
    return QString::fromLatin1(blendTable()[index].label);
}

// The size and offsets of the placed modes, by mode.
template <typename Photo> auto &placedField(Photo &p, quint64 mode, int which)
{
    using Field = decltype(&p.f_Composite_Size);
    Field composite[] = {&p.f_Composite_Size, &p.f_Composite_X_Offset, &p.f_Composite_Y_Offset};
    Field shape[] = {&p.f_Shape_Size, &p.f_Shape_X_Offset, &p.f_Shape_Y_Offset};
    Field transparent[] = {&p.f_Transparent_Size, &p.f_Transparent_X_Offset, &p.f_Transparent_Y_Offset};
    return *(mode == Composite ? composite : mode == Shape ? shape : transparent)[which];
}

KeyReader placedReader(int which)
{
    return [which](const QJsonValue &v, quint64 m, Object_Photo &p) {
        return readFloat(v, placedField(p, m, which));
    };
}

KeyWriter placedWriter(int which)
{
    return [which](const Object_Photo &p, quint64 m) { return QJsonValue(double(placedField(p, m, which))); };
}

// An index by its name where it has one, so that the file stays readable.
QJsonValue indexValue(quint64 index, quint64 count, NameOf nameOf)
{
    return index < count ? QJsonValue(nameOf(index)) : QJsonValue(double(index));
}

QString readLevel(const QJsonValue &value, Object_Photo &p)
{
    float level = 0.0f;
    const QString wrong = readFloat(value, level);
    if (!wrong.isEmpty())
        return wrong;
    if (level < 0.0f || level > 360.0f)
        return QStringLiteral("must be from 0 to 360, not %1").arg(jsonText(value));
    p.f_Linear_Intersection_Level = level;
    return {};
}

// A number from 0 to 100 into a per-cent field.
QString readPercent(const QJsonValue &value, float &field)
{
    float percent = 0.0f;
    const QString wrong = readFloat(value, percent);
    if (!wrong.isEmpty())
        return wrong;
    if (percent < 0.0f || percent > 100.0f)
        return QStringLiteral("must be from 0 to 100, not %1").arg(jsonText(value));
    field = percent;
    return {};
}

const QList<KeyRule> &keyRules()
{
    static const QList<KeyRule> rules = {
        {"blend", kCompositeMode,
         [](const QJsonValue &v, quint64, Object_Photo &p) {
             return readIndex(v, kBlendModeCount, blendLabel, p.m_Composite_Blend_Mode);
         },
         [](const Object_Photo &p, quint64) {
             return indexValue(p.m_Composite_Blend_Mode, kBlendModeCount, blendLabel);
         }},
        {"matchBackground", kCompositeMode,
         [](const QJsonValue &v, quint64, Object_Photo &p) {
             if (!v.isBool())
                 return QStringLiteral("must be true or false, not %1").arg(jsonText(v));
             p.bCompositeSizeOfBG = v.toBool();
             return QString();
         },
         [](const Object_Photo &p, quint64) { return QJsonValue(p.bCompositeSizeOfBG); }},
        {"shape", kShapeMode,
         [](const QJsonValue &v, quint64, Object_Photo &p) {
             return readIndex(v, kShapeCount, shapeMaskName, p.m_Shape_Type);
         },
         [](const Object_Photo &p, quint64) {
             return indexValue(p.m_Shape_Type, kShapeCount, shapeMaskName);
         }},
        {"size", kPlacedModes, placedReader(0), placedWriter(0)},
        {"x", kPlacedModes, placedReader(1), placedWriter(1)},
        {"y", kPlacedModes, placedReader(2), placedWriter(2)},
        {"level", kLinearModes, [](const QJsonValue &v, quint64, Object_Photo &p) { return readLevel(v, p); },
         [](const Object_Photo &p, quint64) { return QJsonValue(double(p.f_Linear_Intersection_Level)); }},
        {"opacity", kCompositeMode,
         [](const QJsonValue &v, quint64, Object_Photo &p) { return readPercent(v, p.f_Composite_Opacity); },
         [](const Object_Photo &p, quint64) { return QJsonValue(double(p.f_Composite_Opacity)); }},
        {"feather", kShapeMode,
         [](const QJsonValue &v, quint64, Object_Photo &p) { return readPercent(v, p.f_Shape_Feather); },
         [](const Object_Photo &p, quint64) { return QJsonValue(double(p.f_Shape_Feather)); }},
        {"transparency", kTransparentMode,
         [](const QJsonValue &v, quint64, Object_Photo &p) {
             return readIndex(v, 101, nullptr, p.f_Transparent_Transparency);
         },
         [](const Object_Photo &p, quint64) { return QJsonValue(double(p.f_Transparent_Transparency)); }},
    };
    return rules;
}

QString modeNamesFor(unsigned modes)
{
    QStringList names;
    const QStringList all = Project_Mode_Names();
    for (qsizetype mode = 0; mode < all.size(); ++mode)
        if (modes & (1u << mode))
            names << all[mode];
    return names.join(QStringLiteral(", "));
}

QString readPhotoKey(const QString &key, const QJsonValue &value, quint64 mode, Object_Photo &photo)
{
    for (const KeyRule &rule : keyRules()) {
        if (key != QLatin1String(rule.name))
            continue;
        if (!(rule.modes & (1u << mode)))
            return QStringLiteral("key %1 belongs to %2 projects, not %3")
                .arg(quote(key), modeNamesFor(rule.modes), Project_Mode_Names()[qsizetype(mode)]);
        const QString wrong = rule.read(value, mode, photo);
        return wrong.isEmpty() ? wrong : quote(key) + QLatin1Char(' ') + wrong;
    }
    return QStringLiteral("unknown key %1").arg(quote(key));
}

QString readPhoto(const QJsonValue &entry, quint64 mode, const QString &baseFolder, Project &project)
{
    if (!entry.isObject())
        return QStringLiteral("must be an object such as {\"file\": \"a.jpg\"}, not %1").arg(jsonText(entry));
    const QJsonObject object = entry.toObject();
    const QJsonValue file = object.value(QLatin1String("file"));
    if (!file.isString() || file.toString().isEmpty())
        return QStringLiteral("%1 must name the photo's file").arg(quote(QStringLiteral("file")));
    PhotoPtr photo = Make_Photo(QImage(), file.toString(), mode);
    for (auto it = object.begin(); it != object.end(); ++it) {
        const QString wrong =
            it.key() == QLatin1String("file") ? QString() : readPhotoKey(it.key(), it.value(), mode, *photo);
        if (!wrong.isEmpty())
            return wrong;
    }
    photo->sFile = QDir::cleanPath(QDir(baseFolder).absoluteFilePath(file.toString()));
    project.photos.append(photo);
    project.files.append(photo->sFile);
    return {};
}

QString readMode(const QJsonValue &value, quint64 &mode)
{
    const qsizetype index = Project_Mode_Names().indexOf(value.toString());
    if (!value.isString() || index < 0)
        return QStringLiteral("%1 must be one of %2, not %3")
            .arg(quote(QStringLiteral("mode")), Project_Mode_Names().join(QStringLiteral(", ")),
                 jsonText(value));
    mode = quint64(index);
    return {};
}

// A later format may mean anything by its keys, so the version is checked first.
QString readVersion(const QJsonValue &value, ProjectError &kind)
{
    const double version = value.toDouble(-1.0);
    if (value.isUndefined())
        return {};
    if (!value.isDouble() || version != std::floor(version) || version < 1)
        return QStringLiteral("%1 must be a whole number from 1, not %2")
            .arg(quote(QStringLiteral("version")), jsonText(value));
    if (version > kProjectFormatVersion) {
        kind = ProjectError::NewerVersion;
        return QStringLiteral(
                   "it was written by a newer version of Quillane (project format %1; this version "
                   "reads format %2 and older)")
            .arg(jsonText(value))
            .arg(kProjectFormatVersion);
    }
    return {};
}

bool isRootKey(const QString &key)
{
    return key == QLatin1String("version") || key == QLatin1String("mode") ||
           key == QLatin1String("photos") || key == QLatin1String("fullResolution") ||
           key == QLatin1String("blendSpace");
}

// The project-wide keys; both may be left out.
QString readOptions(const QJsonObject &root, quint64 mode, Project_Options &options)
{
    const QJsonValue full = root.value(QLatin1String("fullResolution"));
    if (!full.isUndefined() && !isLinearMode(mode))
        return QStringLiteral("key %1 belongs to %2 projects, not %3")
            .arg(quote(QStringLiteral("fullResolution")), modeNamesFor(kLinearModes),
                 Project_Mode_Names()[qsizetype(mode)]);
    if (!full.isUndefined() && !full.isBool())
        return QStringLiteral("%1 must be true or false, not %2")
            .arg(quote(QStringLiteral("fullResolution")), jsonText(full));
    options.fullResolution = full.toBool(false);
    const QJsonValue space = root.value(QLatin1String("blendSpace"));
    for (BlendSpace known : {BlendSpace::Linear, BlendSpace::Srgb})
        if (space.toString() == blendSpaceName(known))
            return options.blendSpace = known, QString();
    if (space.isUndefined())
        return {};
    return QStringLiteral("%1 must be %2 or %3, not %4")
        .arg(quote(QStringLiteral("blendSpace")), quote(blendSpaceName(BlendSpace::Linear)),
             quote(blendSpaceName(BlendSpace::Srgb)), jsonText(space));
}

QString readProject(const QJsonObject &root, const QString &baseFolder, Project &project)
{
    for (auto it = root.begin(); it != root.end(); ++it)
        if (!isRootKey(it.key()))
            return QStringLiteral("unknown key %1 (a project has \"version\", \"mode\", \"photos\", "
                                  "\"blendSpace\" and, in Linear projects, \"fullResolution\")")
                .arg(quote(it.key()));
    const QString wrongMode = readMode(root.value(QLatin1String("mode")), project.mode);
    if (!wrongMode.isEmpty())
        return wrongMode;
    const QString wrongOption = readOptions(root, project.mode, project.options);
    if (!wrongOption.isEmpty())
        return wrongOption;
    const QJsonValue list = root.value(QLatin1String("photos"));
    if (!list.isArray() || list.toArray().isEmpty())
        return QStringLiteral("no photos: %1 must list at least one photo")
            .arg(quote(QStringLiteral("photos")));
    const QJsonArray photos = list.toArray();
    for (qsizetype i = 0; i < photos.size(); ++i) {
        const QString wrong = readPhoto(photos[i], project.mode, baseFolder, project);
        if (!wrong.isEmpty())
            return QStringLiteral("photo %1: %2").arg(i + 1).arg(wrong);
    }
    return {};
}

} // namespace

bool Is_Project_File_Name(const QString &path)
{
    return QFileInfo(path).suffix().compare(QLatin1String("json"), Qt::CaseInsensitive) == 0;
}

QStringList Project_Mode_Names()
{
    return {QStringLiteral("linear-horizontal"), QStringLiteral("linear-vertical"),
            QStringLiteral("composite"), QStringLiteral("shape"), QStringLiteral("transparent")};
}

ProjectParse Parse_Project(const QByteArray &json, const QString &baseFolder)
{
    constexpr ProjectError notAProject = ProjectError::NotAProject;
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return {{},
                QStringLiteral("not valid JSON at character %1: %2")
                    .arg(parseError.offset)
                    .arg(parseError.errorString()),
                notAProject};
    if (!document.isObject())
        return {{},
                QStringLiteral("the project must be a JSON object with \"mode\" and \"photos\""),
                notAProject};
    const QJsonObject root = document.object();
    // Some other JSON file (no "mode") is not a project; one with a mode is a wrong one.
    ProjectParse parse;
    parse.kind = root.contains(QLatin1String("mode")) ? ProjectError::Invalid : notAProject;
    parse.error = readVersion(root.value(QLatin1String("version")), parse.kind);
    if (parse.ok())
        parse.error = readProject(root, baseFolder, parse.project);
    if (!parse.ok())
        parse.project = Project();
    else
        parse.kind = ProjectError::None;
    return parse;
}

QByteArray Project_Json(quint64 mode, const PhotoList &photos, const QString &projectFolder,
                        const Project_Options &options)
{
    const QDir folder(projectFolder);
    QJsonArray list;
    for (const PhotoPtr &photo : photos) {
        QJsonObject entry{{QStringLiteral("file"), folder.relativeFilePath(photo->sFile)}};
        for (const KeyRule &rule : keyRules())
            if (mode <= Transparent && rule.modes & (1u << mode))
                entry.insert(QLatin1String(rule.name), rule.write(*photo, mode));
        list.append(entry);
    }
    QJsonObject root{{QStringLiteral("version"), kProjectFormatVersion},
                     {QStringLiteral("mode"), Project_Mode_Names().value(qsizetype(mode))},
                     {QStringLiteral("blendSpace"), blendSpaceName(options.blendSpace)},
                     {QStringLiteral("photos"), list}};
    if (isLinearMode(mode))
        root.insert(QStringLiteral("fullResolution"), options.fullResolution);
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

QString Write_Project(const QString &path, quint64 mode, const PhotoList &photos,
                      const Project_Options &options)
{
    for (qsizetype i = 0; i < photos.size(); ++i)
        if (photos[i]->sFile.isEmpty())
            return QStringLiteral("photo %1 (%2) has no file to refer to")
                .arg(i + 1)
                .arg(quote(photos[i]->sName));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    const QByteArray json = Project_Json(mode, photos, QFileInfo(path).absolutePath(), options);
    if (file.write(json) != json.size() || !file.commit())
        return file.errorString();
    return {};
}
