#include "cli/MixOptions.h"

#include "imaging/MemoryBudget.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace {

MixOutcome usageError(const QString &message)
{
    return {kExitUsageError,
            message + QCoreApplication::translate("MixCommand", " (see quillane-mix --help)")};
}

MixOutcome parseView(const QString &text, QSize &view)
{
    static const QRegularExpression pattern(QStringLiteral("^([0-9]{1,5})x([0-9]{1,5})$"));
    const QRegularExpressionMatch match = pattern.match(text);
    view = match.hasMatch() ? QSize(match.captured(1).toInt(), match.captured(2).toInt()) : QSize();
    if (view.isEmpty())
        return usageError(
            QCoreApplication::translate(
                "MixCommand",
                "--view takes WIDTHxHEIGHT in whole pixels, such as 1200x800, not \u201C%1\u201D")
                .arg(text));
    return {};
}

MixOutcome parseQuality(const QString &text, PictureOptions &picture)
{
    bool number = false;
    picture.quality = text.toInt(&number);
    if (!number || picture.quality < 1 || picture.quality > 100)
        return usageError(
            QCoreApplication::translate("MixCommand",
                                        "--quality takes a whole number from 1 to 100, not \u201C%1\u201D")
                .arg(text));
    return {};
}

MixOutcome parseFormat(const QString &text, std::optional<PictureFormat> &format)
{
    format = pictureFormatNamed(text);
    if (!format)
        return usageError(QCoreApplication::translate(
                              "MixCommand", "--format takes png, jpeg, webp or tiff, not \u201C%1\u201D")
                              .arg(text));
    return {};
}

MixOutcome parseBudget(const QString &text, qint64 &budget)
{
    budget = parseMemoryAmount(text);
    if (budget <= 0)
        return usageError(
            QCoreApplication::translate(
                "MixCommand", "--memory-budget takes an amount such as 4G or 512M, not \u201C%1\u201D")
                .arg(text));
    return {};
}

// An option that takes a value; false for any other argument.
bool takesValue(const QString &argument)
{
    static const QStringList options = {"-o", "-O", "--view", "--format", "--quality", "--memory-budget"};
    return options.contains(argument);
}

MixOutcome parseValue(const QString &option, const QString &value, MixOptions &options)
{
    if (option == QLatin1String("-o"))
        options.outputPath = value;
    else if (option == QLatin1String("-O"))
        options.outputFolder = value;
    else if (option == QLatin1String("--format"))
        return parseFormat(value, options.format);
    else if (option == QLatin1String("--quality"))
        return parseQuality(value, options.picture);
    else if (option == QLatin1String("--memory-budget"))
        return parseBudget(value, options.memoryBudget);
    else
        return parseView(value, options.view);
    return {};
}

// The format of a single output: its extension, or --format for standard output.
MixOutcome checkSingleOutput(MixOptions &options)
{
    if (options.projectPaths.size() > 1)
        return usageError(QCoreApplication::translate(
                              "MixCommand", "only one project file with -o (\u201C%1\u201D is a second one); "
                                            "-O FOLDER takes several")
                              .arg(options.projectPaths[1]));
    if (options.outputPath == QLatin1String("-")) {
        if (!options.format)
            return usageError(QCoreApplication::translate(
                "MixCommand", "-o - writes to standard output and needs --format png, jpeg, webp or tiff"));
        return {};
    }
    const std::optional<PictureFormat> named = pictureFormatOf(options.outputPath);
    if (!named)
        return usageError(
            QCoreApplication::translate(
                "MixCommand", "\u201C%1\u201D: the extension names no format quillane-mix writes (%2)")
                .arg(options.outputPath, pictureExtensionList()));
    if (options.format && *options.format != *named)
        return usageError(QCoreApplication::translate(
                              "MixCommand", "\u201C%1\u201D: the extension and --format %2 disagree")
                              .arg(options.outputPath, pictureSuffix(*options.format)));
    options.format = named;
    return {};
}

// Names of the formats as messages give them.
QString formatName(PictureFormat format)
{
    switch (format) {
    case PictureFormat::Png:
        return QStringLiteral("PNG");
    case PictureFormat::Jpeg:
        return QStringLiteral("JPEG");
    case PictureFormat::Webp:
        return QStringLiteral("WebP");
    case PictureFormat::Tiff:
        return QStringLiteral("TIFF");
    }
    return {};
}

// --lossless only for WebP, --quality only for JPEG and lossy WebP: an option that would
// change nothing is refused rather than ignored.
MixOutcome checkPictureOptions(const MixOptions &options)
{
    const PictureFormat format = *options.format;
    if (options.picture.lossless && format != PictureFormat::Webp)
        return usageError(
            QCoreApplication::translate("MixCommand", "--lossless applies to WebP only, not to %1")
                .arg(formatName(format)));
    if (options.picture.quality > 0 && (format == PictureFormat::Png || format == PictureFormat::Tiff))
        return usageError(
            QCoreApplication::translate("MixCommand", "--quality applies to JPEG and WebP only, not to %1")
                .arg(formatName(format)));
    if (options.picture.quality > 0 && options.picture.lossless)
        return usageError(QCoreApplication::translate(
            "MixCommand", "--quality applies to lossy WebP only; a lossless one has no quality to set"));
    return {};
}

MixOutcome checkDestination(MixOptions &options)
{
    if (options.projectPaths.isEmpty())
        return usageError(QCoreApplication::translate(
            "MixCommand", "the project file is missing (or - to read it from standard input)"));
    if (options.outputPath.isEmpty() == options.outputFolder.isEmpty())
        return usageError(QCoreApplication::translate(
            "MixCommand", "give either -o OUTPUT.png for one project or -O FOLDER for several"));
    if (options.outputFolder.isEmpty())
        return checkSingleOutput(options);
    if (options.projectPaths.contains(QStringLiteral("-")))
        return usageError(QCoreApplication::translate("MixCommand",
                                                      "-O FOLDER names each picture after its project file; "
                                                      "a project from standard input has no name (use -o)"));
    if (!options.format)
        options.format = PictureFormat::Png;
    return {};
}

MixOutcome checkOutputs(MixOptions &options)
{
    if (const MixOutcome bad = checkDestination(options); bad.status != kExitWritten)
        return bad;
    return checkPictureOptions(options);
}

} // namespace

MixOutcome parseArguments(const QStringList &arguments, MixOptions &options)
{
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            options.help = true;
        } else if (argument == QLatin1String("--quiet") || argument == QLatin1String("-q")) {
            options.quiet = true;
        } else if (argument == QLatin1String("--align")) {
            options.align = true;
        } else if (argument == QLatin1String("--lossless")) {
            options.picture.lossless = true;
        } else if (argument == QLatin1String("--keep-camera-details")) {
            options.keepCameraDetails = true;
        } else if (takesValue(argument)) {
            if (i + 1 >= arguments.size())
                return usageError(
                    QCoreApplication::translate("MixCommand", "%1 needs a value").arg(argument));
            if (const MixOutcome bad = parseValue(argument, arguments[++i], options);
                bad.status != kExitWritten)
                return bad;
        } else if (argument.startsWith(QLatin1Char('-')) && argument != QLatin1String("-")) {
            return usageError(
                QCoreApplication::translate("MixCommand", "unknown option \u201C%1\u201D").arg(argument));
        } else {
            options.projectPaths += argument;
        }
    }
    if (options.help)
        return {};
    return checkOutputs(options);
}
