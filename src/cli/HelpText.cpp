#include "cli/MixCommand.h"
#include "encode/PictureLimits.h"
#include "imaging/MemoryBudget.h"

#include "model/PhotoField.h"
#include "model/ProjectFile.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>

namespace {

constexpr qsizetype kKeyColumn = 15;   // where the keys start
constexpr qsizetype kValueColumn = 34; // where their values start
constexpr qsizetype kLineWidth = 88;

QString numberText(double value)
{
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

// What the row's number counts, in the user's language.
QString unitText(const PhotoFieldRow &row)
{
    return QCoreApplication::translate("PhotoField", row.unit);
}

// What a key takes, from its row of the field table.
QString valueText(const PhotoFieldRow &row)
{
    if (isFlagField(row))
        return QCoreApplication::translate("HelpText", "true or false (default %1): %2")
            .arg(QLatin1String(row.initial != 0.0 ? "true" : "false"), unitText(row));
    QString text = QCoreApplication::translate("HelpText", "%1 to %2 (default %3)")
                       .arg(numberText(row.minimum), numberText(row.maximum), numberText(row.initial));
    if (!row.nameOf)
        return QCoreApplication::translate("HelpText", "%1: %2").arg(text, unitText(row));
    QStringList names;
    for (quint64 i = quint64(row.minimum); i <= quint64(row.maximum); ++i)
        names << row.nameOf(i);
    return text +
           (names.size() <= 12
                ? QCoreApplication::translate("HelpText", " or %1").arg(names.join(QStringLiteral(", ")))
                : QCoreApplication::translate("HelpText", " or the %1's name, such as \"%2\"")
                      .arg(unitText(row), names.constLast()));
}

// Words of `text` on lines that start at the value column.
void appendWrapped(QString &out, QString line, const QString &text)
{
    for (const QString &word : text.split(QLatin1Char(' '))) {
        if (line.size() + 1 + word.size() > kLineWidth && line.trimmed().size() > 0 &&
            line.size() > kValueColumn) {
            out += line + QLatin1Char('\n');
            line = QString(kValueColumn, QLatin1Char(' '));
        }
        line += (line.size() > kValueColumn ? QStringLiteral(" ") : QString()) + word;
    }
    out += line + QLatin1Char('\n');
}

// The keys of every mode, from the field table: a key shared by several modes (size,
// x, y) is listed under each, with that mode's range.
QString keysSection()
{
    const QStringList modes = projectModeNames();
    QString out;
    unsigned listed = 0;
    for (qsizetype mode = 0; mode < modes.size(); ++mode) {
        if (listed & (1u << mode))
            continue;
        // Modes that share all their rows (the two Linear directions) are one group.
        unsigned group = 0;
        for (const PhotoFieldRow &row : photoFieldTable())
            if (row.modes & (1u << mode))
                group = group ? (group & row.modes) : row.modes;
        listed |= group;
        QString title = modes[mode];
        if (group != (1u << mode))
            title = title.section(QLatin1Char('-'), 0, 0) + QStringLiteral("-*");
        bool first = true;
        for (const PhotoFieldRow &row : photoFieldTable()) {
            if (!(row.modes & (1u << mode)))
                continue;
            QString line = QStringLiteral("  ") + (first ? title : QString());
            line = line.leftJustified(kKeyColumn, QLatin1Char(' '));
            line += QStringLiteral("\"%1\"").arg(QLatin1String(row.key));
            line = line.leftJustified(kValueColumn - 1, QLatin1Char(' ')) + QLatin1Char(' ');
            appendWrapped(out, line, valueText(row));
            first = false;
        }
    }
    return out;
}

// The largest picture of each format, and what writing takes from the budget.
QString formatLimitsSection()
{
    return QCoreApplication::translate("HelpText", R"(
Formats: a JPEG picture is at most %1 pixels wide and high, a WebP one %2 and
a PNG one %3 (libpng, with which most programs read PNG, opens nothing
larger); TIFF holds any picture. A larger picture is refused before anything is
written. Writing must fit the memory budget too, with the picture: lossless WebP takes
the most (many times the picture), and lossy WebP takes more for a smaller file only
when the budget allows.
)")
        .arg(largestPictureSide(PictureFormat::Jpeg))
        .arg(largestPictureSide(PictureFormat::Webp))
        .arg(largestPictureSide(PictureFormat::Png));
}

// The mask a later photo of composite, shape and transparent projects may carry.
QString maskSection()
{
    return QCoreApplication::translate("HelpText", R"(
  A later photo of a composite, shape or transparent project may have "mask": where it
  shows, as painted in Quillane, in fractions of the photo's own width and height
  (0 to 1 from the top-left corner):
    "mask": {"gradients": [{"type": "linear", "from": [0.2, 0.5], "to": [0.6, 0.5]},
                           {"type": "radial", "centre": [0.5, 0.5], "radius": 0.3,
                            "inner": 0.1}],
             "strokes": [{"paint": "hide", "size": 0.05, "hardness": 50,
                          "opacity": 100, "points": [[0.1, 0.1], [0.3, 0.2]]}],
             "invert": false}
  Gradients multiply (linear: shown on the "from" side, hidden past "to"; radial: shown
  within "inner", hidden beyond "radius", a fraction of the width); strokes, in order,
  hide or show with a brush of diameter "size" (a fraction of the width, above 0, at
  most 2), "hardness" and "opacity" 0 to 100 (default 100); "invert" comes last. Places
  lie within -1 to 2; a project holds at most %1 strokes and %2 points.
)")
        .arg(kMaskStrokesMax)
        .arg(kMaskPointsMax);
}

} // namespace

QString mixHelpText()
{
    return QCoreApplication::translate("HelpText", R"(Usage: quillane-mix [OPTIONS] -o OUTPUT PROJECT.json
       quillane-mix [OPTIONS] -O FOLDER PROJECT.json...

Mixes the photos of a project into one picture, as the Quillane preview does, and
writes it as PNG, JPEG, WebP or TIFF, as the output's extension says. PROJECT.json may
be - to read the project from standard input.

Options:
  -o OUTPUT              the picture to write (replaced only once it is complete; never
                         one of the project's own files, and never anything but a
                         regular file): .png, .jpg or .jpeg, .webp, .tif or .tiff; -
                         writes it to standard output (with --format)
  -O FOLDER              mix every project given, each into FOLDER/PROJECT.png (or the
                         extension of --format); projects of the same name take in
                         front the names of as few parent folders as tell them apart
                         (a/mix.json and b/mix.json: FOLDER/a-mix.png and
                         FOLDER/b-mix.png); a project that fails does not stop the
                         others
  --format NAME          png, jpeg, webp or tiff: for -o - and -O
  --quality N            1 to 100 for JPEG and lossy WebP (default 90; JPEG from 90 up
                         keeps full colour resolution, below it halves it); refused
                         for PNG and TIFF and with --lossless
  --lossless             WebP without loss; refused for the other formats
  --keep-camera-details  keep the background photo's camera, lens, exposure and date
                         and time (EXIF) in the picture; never its location and never
                         its orientation (not for standard output)
  --view WIDTHxHEIGHT    write what the preview canvas shows in a view of that size
                         (the picture fitted and centred, black bands and all);
                         without it, the full-resolution picture that Save stores
  --align                align every later photo to the background first, as Align to
                         Background does in the window (composite projects: the photos
                         of the background's size; fusion projects: all); a photo
                         with too few details in common fails the run
  --memory-budget AMOUNT the memory the render may take as a whole, such as 4G or
                         512M (default: half of this computer's memory, %1)
  -q, --quiet            no progress lines (they appear on standard error only when
                         it is a terminal)
  -h, --help             show this text
  --version              show the version

With -O, no picture replaces a project file or a photo of any project of the run, nor a
picture the run has written: a project file given twice (also through a link), and a
project whose picture would take a name already taken, are refused and counted as failed.

Photos may be bmp, gif, jpeg, png, tiff, webp, heic/heif, avif, jpeg xl or camera raw
(dng, cr2, cr3, nef, arw, raf, orf, rw2 and others). Pictures carry the sRGB colour
description and no EXIF from the photos unless --keep-camera-details is given. JPEG
has no transparency: transparent parts come out black.

The project file:
  {"mode": "composite",
   "photos": [{"file": "beach.jpg"},
              {"file": "sky.jpg", "blend": "Multiply Blend Mode", "matchBackground": false,
               "size": 20, "x": 10, "y": 10}]}

  "version" (optional, 1) is the format's version, as Quillane writes it; a project
  of a later version is refused.
  "mode" is one of composite, shape, linear-horizontal, linear-vertical, transparent,
  fusion (exposure fusion of every photo, aligned where it has an alignment).
  "blendSpace" (optional) is where the filters mix colours: "linear" (light, the
  default) or "srgb" (the stored sRGB values, as most editors blend).
  "fullResolution" (optional, Linear projects only): true builds the saved strip from
  the photos at their own resolution, fitted to the smallest photo's height
  (linear-horizontal) or width (linear-vertical); false (default) from 400 x 400 copies.
  "photos" lists the photos in order; the first is the background. Each photo has
  "file" (relative paths start from the project file's folder, or from the current
  folder for standard input) and any of the keys of its mode; a missing key takes the
  value a photo added in that mode gets. Numbers keep to the ranges of the sliders:

)")
               .arg(memoryAmount(double(defaultMemoryBudget()))) +
           keysSection() + maskSection() + QCoreApplication::translate("HelpText", R"(
  fusion         "fusion"         (project-wide) {"contrast": c, "saturation": s,
                                  "exposure": e}: the exponents of the three weights, each
                                  0 to 2 in steps of 0.1 (default 1); 0 leaves one out
  composite,     "alignment"      nine numbers: the 3 x 3 mapping, in rows, from the
  fusion                          photo's coordinates to the background's, each divided by
                                  its picture's width and height (origin top-left, y
                                  down), as Align to Background stores it; none by default

  In a Linear project, unless "fullResolution" is true, every photo is first fitted
  into 400 x 400, so the strip is at most 400 points long per photo.

Exit status:
  0  the picture was written (with -O: every picture)
  1  a photo could not be loaded, or the picture could not be rendered or written
  2  a wrong option or a wrong project file (unknown mode or key, a key of another mode,
     a value of the wrong type or out of range, no photos, malformed JSON), or an
     output extension that names no format
  with -O, the number of projects that failed (at most 100)
Every failure prints one line naming the file or key and the reason, and leaves no
output file behind.

Limits: the project file is at most 4 MB and, like every photo, a regular file (not a
FIFO or a device). The decoded photos, the canvases that sizes and offsets ask for and
the view must fit the memory budget together; a project over it is refused before
anything is decoded, saying about how much it needs. One photo may take at most a
quarter of the budget, and a JPEG of more than 100 progressive scans is refused.
)") + formatLimitsSection();
}
