#include "model/ProjectFile.h"

#include "model/PhotoField.h"
#include "model/ProjectMode.h"
#include "model/Quoted.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QLocale>
#include <QSaveFile>

#include <cmath>

namespace {

QString numberText(double value)
{
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

// A number within the row's range; a number too large for a float (1e308, 3.5e38) is
// out of every range.
QString readNumber(const QJsonValue &value, const PhotoFieldRow &row, double &number)
{
    if (!value.isDouble() || !std::isfinite(value.toDouble()))
        return QCoreApplication::translate("ProjectFile", "must be a number, not %1").arg(jsonText(value));
    number = value.toDouble();
    if (number < row.minimum || number > row.maximum)
        return QCoreApplication::translate("ProjectFile", "must be from %1 to %2, not %3")
            .arg(numberText(row.minimum), numberText(row.maximum), jsonText(value));
    return {};
}

// A whole number within the row's range, or (where the row has names) one of the
// names in any case.
QString readWhole(const QJsonValue &value, const PhotoFieldRow &row, double &number)
{
    for (quint64 i = quint64(row.minimum); row.nameOf && value.isString() && i <= quint64(row.maximum); ++i)
        if (row.nameOf(i).compare(value.toString(), Qt::CaseInsensitive) == 0)
            return number = double(i), QString();
    const double given = value.toDouble(-1.0);
    if (value.isDouble() && given == std::floor(given) && given >= row.minimum && given <= row.maximum)
        return number = given, QString();
    return QCoreApplication::translate("ProjectFile", "must be a whole number from %1 to %2%3, not %4")
        .arg(numberText(row.minimum), numberText(row.maximum),
             row.nameOf ? QCoreApplication::translate("ProjectFile", " or a name") : QString(),
             jsonText(value));
}

QString readValue(const QJsonValue &value, const PhotoFieldRow &row, Object_Photo &photo)
{
    double number = 0.0;
    QString wrong;
    if (isFlagField(row)) {
        if (!value.isBool())
            return QCoreApplication::translate("ProjectFile", "must be true or false, not %1")
                .arg(jsonText(value));
        number = value.toBool() ? 1.0 : 0.0;
    } else {
        wrong = isWholeField(row) ? readWhole(value, row, number) : readNumber(value, row, number);
    }
    if (wrong.isEmpty())
        writePhotoField(photo, row.field, number);
    return wrong;
}

// The key's value as the writer stores it: a whole number that names something by its
// name, so that the file stays readable.
QJsonValue writeValue(const Object_Photo &photo, const PhotoFieldRow &row)
{
    const double value = readPhotoField(photo, row.field);
    if (isFlagField(row))
        return QJsonValue(value != 0.0);
    if (row.nameOf && !row.nameOf(quint64(value)).isEmpty())
        return QJsonValue(row.nameOf(quint64(value)));
    return QJsonValue(value);
}

QString modeNamesFor(unsigned modes)
{
    QStringList names;
    const QStringList all = projectModeNames();
    for (qsizetype mode = 0; mode < all.size(); ++mode)
        if (modes & (1u << mode))
            names << all[mode];
    return names.join(QStringLiteral(", "));
}

// The modes whose photos may carry an "alignment".
constexpr unsigned kAlignedModeBits = 1u << Composite | 1u << Fusion;

// "alignment": nine numbers, a mapping a picture can be warped by.
QString readAlignment(const QJsonValue &value, Object_Photo &photo)
{
    const QJsonArray list = value.toArray();
    PhotoAlignment h{};
    for (qsizetype i = 0; value.isArray() && list.size() == 9 && i < 9; ++i)
        h[size_t(i)] = list[i].isDouble() ? list[i].toDouble() : qQNaN();
    if (!value.isArray() || list.size() != 9 || !isUsableAlignment(h))
        return QCoreApplication::translate("ProjectFile",
                                           "%1 must be nine numbers, a 3 x 3 mapping that keeps the photo "
                                           "in one piece, not %2")
            .arg(quoted(QStringLiteral("alignment")), jsonText(value));
    photo.alignment = h;
    return {};
}

QString readPhotoKey(const QString &key, const QJsonValue &value, quint64 mode, Object_Photo &photo)
{
    if (key == QLatin1String("alignment") && mode < 32 && (kAlignedModeBits & (1u << mode)))
        return readAlignment(value, photo);
    if (key == QLatin1String("alignment"))
        return QCoreApplication::translate("ProjectFile", "key %1 belongs to %2 projects, not %3")
            .arg(quoted(key), modeNamesFor(kAlignedModeBits), projectModeNames()[qsizetype(mode)]);
    if (const PhotoFieldRow *row = photoFieldForKey(key, mode)) {
        const QString wrong = readValue(value, *row, photo);
        return wrong.isEmpty() ? wrong : quoted(key) + QLatin1Char(' ') + wrong;
    }
    unsigned modes = 0; // of the same key in other modes
    for (const PhotoFieldRow &row : photoFieldTable())
        if (key == QLatin1String(row.key))
            modes |= row.modes;
    if (modes)
        return QCoreApplication::translate("ProjectFile", "key %1 belongs to %2 projects, not %3")
            .arg(quoted(key), modeNamesFor(modes), projectModeNames()[qsizetype(mode)]);
    return QCoreApplication::translate("ProjectFile", "unknown key %1").arg(quoted(key));
}

// The mask belongs to the modes that place a photo over the others.
QString readPhotoMask(const QJsonValue &value, quint64 mode, Object_Photo &photo)
{
    constexpr unsigned kMaskModes = kCompositeModeBit | kShapeModeBit | kTransparentModeBit;
    if (mode >= 32 || !(kMaskModes & (1u << mode)))
        return QCoreApplication::translate("ProjectFile", "key %1 belongs to %2 projects, not %3")
            .arg(quoted(QStringLiteral("mask")), modeNamesFor(kMaskModes),
                 projectModeNames()[qsizetype(mode)]);
    return readMask(value, photo.mask);
}

// All the masks of a project together stay within the strokes and points one may hold.
QString maskLimitsRefusal(const Project &project)
{
    qsizetype strokes = 0;
    qsizetype points = 0;
    for (const NewPhoto &photo : project.photos) {
        strokes += photo->mask.strokes.size();
        points += maskPointCount(photo->mask);
    }
    if (strokes > kMaskStrokesMax)
        return QCoreApplication::translate("ProjectFile",
                                           "%1: %2 strokes, more than the %3 a project may hold")
            .arg(quoted(QStringLiteral("mask")))
            .arg(strokes)
            .arg(kMaskStrokesMax);
    if (points > kMaskPointsMax)
        return QCoreApplication::translate("ProjectFile",
                                           "%1: %2 points, more than the %3 a project may hold")
            .arg(quoted(QStringLiteral("mask")))
            .arg(points)
            .arg(kMaskPointsMax);
    return {};
}

QString readPhoto(const QJsonValue &entry, quint64 mode, const QString &baseFolder, Project &project)
{
    if (!entry.isObject())
        return QCoreApplication::translate("ProjectFile",
                                           "must be an object such as {\"file\": \"a.jpg\"}, not %1")
            .arg(jsonText(entry));
    const QJsonObject object = entry.toObject();
    const QJsonValue file = object.value(QLatin1String("file"));
    if (!file.isString() || file.toString().isEmpty())
        return QCoreApplication::translate("ProjectFile", "%1 must name the photo's file")
            .arg(quoted(QStringLiteral("file")));
    NewPhoto photo = makePhoto(QImage(), file.toString(), mode);
    for (auto it = object.begin(); it != object.end(); ++it) {
        const QString wrong = it.key() == QLatin1String("file") ? QString()
                              : it.key() == QLatin1String("mask")
                                  ? readPhotoMask(it.value(), mode, *photo)
                                  : readPhotoKey(it.key(), it.value(), mode, *photo);
        if (!wrong.isEmpty())
            return wrong;
    }
    photo->sFile = QDir::cleanPath(QDir(baseFolder).absoluteFilePath(file.toString()));
    project.photos.append(photo);
    return {};
}

QString readMode(const QJsonValue &value, quint64 &mode)
{
    const qsizetype index = projectModeNames().indexOf(value.toString());
    if (!value.isString() || index < 0)
        return QCoreApplication::translate("ProjectFile", "%1 must be one of %2, not %3")
            .arg(quoted(QStringLiteral("mode")), projectModeNames().join(QStringLiteral(", ")),
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
        return QCoreApplication::translate("ProjectFile", "%1 must be a whole number from 1, not %2")
            .arg(quoted(QStringLiteral("version")), jsonText(value));
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
           key == QLatin1String("blendSpace") || key == QLatin1String("fusion");
}

// One exponent of "fusion": a number from 0 to 2 in steps of 0.1.
QString readFusionWeight(const QJsonObject &fusion, const char *key, double &weight)
{
    const QJsonValue value = fusion.value(QLatin1String(key));
    if (value.isUndefined())
        return {};
    const double number = value.toDouble(-1.0);
    const double tenths = number / FusionWeights::kStep;
    if (!value.isDouble() || number < FusionWeights::kLeast || number > FusionWeights::kMost ||
        std::abs(tenths - std::round(tenths)) > 1e-6)
        return QCoreApplication::translate("ProjectFile", "%1 must be from 0 to 2 in steps of 0.1, not %2")
            .arg(quoted(QStringLiteral("fusion.") + QLatin1String(key)), jsonText(value));
    weight = std::round(tenths) / 10.0; // 3 / 10.0 is the 0.3 a reader writes
    return {};
}

// "fusion": {"contrast": c, "saturation": s, "exposure": e}, each key optional.
QString readFusion(const QJsonValue &value, quint64 mode, FusionWeights &weights)
{
    if (value.isUndefined())
        return {};
    if (mode != Fusion)
        return QCoreApplication::translate("ProjectFile", "key %1 belongs to %2 projects, not %3")
            .arg(quoted(QStringLiteral("fusion")), projectModeNames()[Fusion],
                 projectModeNames()[qsizetype(mode)]);
    const QJsonObject fusion = value.toObject();
    for (auto it = fusion.begin(); value.isObject() && it != fusion.end(); ++it)
        if (it.key() != QLatin1String("contrast") && it.key() != QLatin1String("saturation") &&
            it.key() != QLatin1String("exposure"))
            return QCoreApplication::translate("ProjectFile", "unknown key %1 in %2")
                .arg(quoted(it.key()), quoted(QStringLiteral("fusion")));
    if (!value.isObject())
        return QCoreApplication::translate("ProjectFile",
                                           "%1 must be an object such as {\"contrast\": 1}, not %2")
            .arg(quoted(QStringLiteral("fusion")), jsonText(value));
    for (const auto &[key, weight] :
         {std::pair{"contrast", &weights.contrast}, std::pair{"saturation", &weights.saturation},
          std::pair{"exposure", &weights.exposure}})
        if (const QString wrong = readFusionWeight(fusion, key, *weight); !wrong.isEmpty())
            return wrong;
    return {};
}

// The project-wide keys; both may be left out.
QString readOptions(const QJsonObject &root, quint64 mode, ProjectOptions &options)
{
    const QJsonValue full = root.value(QLatin1String("fullResolution"));
    if (!full.isUndefined() && !isLinearMode(mode))
        return QCoreApplication::translate("ProjectFile", "key %1 belongs to %2 projects, not %3")
            .arg(quoted(QStringLiteral("fullResolution")), modeNamesFor(kLinearModeBits),
                 projectModeNames()[qsizetype(mode)]);
    if (!full.isUndefined() && !full.isBool())
        return QCoreApplication::translate("ProjectFile", "%1 must be true or false, not %2")
            .arg(quoted(QStringLiteral("fullResolution")), jsonText(full));
    options.fullResolution = full.toBool(false);
    if (const QString wrong = readFusion(root.value(QLatin1String("fusion")), mode, options.fusion);
        !wrong.isEmpty())
        return wrong;
    const QJsonValue space = root.value(QLatin1String("blendSpace"));
    for (BlendSpace known : {BlendSpace::Linear, BlendSpace::Srgb})
        if (space.toString() == blendSpaceName(known))
            return options.blendSpace = known, QString();
    if (space.isUndefined())
        return {};
    return QCoreApplication::translate("ProjectFile", "%1 must be %2 or %3, not %4")
        .arg(quoted(QStringLiteral("blendSpace")), quoted(blendSpaceName(BlendSpace::Linear)),
             quoted(blendSpaceName(BlendSpace::Srgb)), jsonText(space));
}

QString readProject(const QJsonObject &root, const QString &baseFolder, Project &project)
{
    for (auto it = root.begin(); it != root.end(); ++it)
        if (!isRootKey(it.key()))
            return QCoreApplication::translate(
                       "ProjectFile", "unknown key %1 (a project has \"version\", \"mode\", \"photos\", "
                                      "\"blendSpace\", in Linear projects \"fullResolution\" and in fusion "
                                      "projects \"fusion\")")
                .arg(quoted(it.key()));
    const QString wrongMode = readMode(root.value(QLatin1String("mode")), project.mode);
    if (!wrongMode.isEmpty())
        return wrongMode;
    const QString wrongOption = readOptions(root, project.mode, project.options);
    if (!wrongOption.isEmpty())
        return wrongOption;
    const QJsonValue list = root.value(QLatin1String("photos"));
    if (!list.isArray() || list.toArray().isEmpty())
        return QCoreApplication::translate("ProjectFile", "no photos: %1 must list at least one photo")
            .arg(quoted(QStringLiteral("photos")));
    const QJsonArray photos = list.toArray();
    for (qsizetype i = 0; i < photos.size(); ++i) {
        const QString wrong = readPhoto(photos[i], project.mode, baseFolder, project);
        if (!wrong.isEmpty())
            return QCoreApplication::translate("ProjectFile", "photo %1: %2").arg(i + 1).arg(wrong);
    }
    return maskLimitsRefusal(project);
}

} // namespace

bool isProjectFileName(const QString &path)
{
    return projectFileExtensions().contains(QFileInfo(path).suffix(), Qt::CaseInsensitive);
}

QStringList projectFileExtensions()
{
    return {QStringLiteral("quillane"), QStringLiteral("json")};
}

QStringList projectModeNames()
{
    return {QStringLiteral("linear-horizontal"), QStringLiteral("linear-vertical"),
            QStringLiteral("composite"),         QStringLiteral("shape"),
            QStringLiteral("transparent"),       QStringLiteral("fusion")};
}

ProjectParse parseProject(const QByteArray &json, const QString &baseFolder)
{
    constexpr ProjectError notAProject = ProjectError::NotAProject;
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return {{},
                QCoreApplication::translate("ProjectFile", "not valid JSON at character %1: %2")
                    .arg(parseError.offset)
                    .arg(parseError.errorString()),
                notAProject};
    if (!document.isObject())
        return {{},
                QCoreApplication::translate("ProjectFile",
                                            "the project must be a JSON object with \"mode\" and \"photos\""),
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

QByteArray projectJson(quint64 mode, const PhotoList &photos, const QString &projectFolder,
                       const ProjectOptions &options)
{
    const QDir folder(projectFolder);
    QJsonArray list;
    for (const PhotoPtr &photo : photos) {
        QJsonObject entry{{QStringLiteral("file"), folder.relativeFilePath(photo->sFile)}};
        for (const PhotoFieldRow &row : photoFieldTable())
            if (mode < 32 && row.modes & (1u << mode))
                entry.insert(QLatin1String(row.key), writeValue(*photo, row));
        if (photo->alignment) {
            QJsonArray numbers;
            for (const double value : *photo->alignment)
                numbers.append(value);
            entry.insert(QStringLiteral("alignment"), numbers);
        }
        if (!photo->mask.isEmpty() && (mode == Composite || mode == Shape || mode == Transparent))
            entry.insert(QStringLiteral("mask"), maskJson(photo->mask));
        list.append(entry);
    }
    QJsonObject root{{QStringLiteral("version"), kProjectFormatVersion},
                     {QStringLiteral("mode"), projectModeNames().value(qsizetype(mode))},
                     {QStringLiteral("blendSpace"), blendSpaceName(options.blendSpace)},
                     {QStringLiteral("photos"), list}};
    if (isLinearMode(mode))
        root.insert(QStringLiteral("fullResolution"), options.fullResolution);
    if (mode == Fusion)
        root.insert(QStringLiteral("fusion"),
                    QJsonObject{{QStringLiteral("contrast"), options.fusion.contrast},
                                {QStringLiteral("saturation"), options.fusion.saturation},
                                {QStringLiteral("exposure"), options.fusion.exposure}});
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

QString writeProject(const QString &path, quint64 mode, const PhotoList &photos,
                     const ProjectOptions &options)
{
    for (qsizetype i = 0; i < photos.size(); ++i)
        if (photos[i]->sFile.isEmpty())
            return QCoreApplication::translate("ProjectFile", "photo %1 (%2) has no file to refer to")
                .arg(i + 1)
                .arg(quoted(photos[i]->sName));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    const QByteArray json = projectJson(mode, photos, QFileInfo(path).absolutePath(), options);
    if (file.write(json) != json.size() || !file.commit())
        return file.errorString();
    return {};
}
