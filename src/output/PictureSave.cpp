#include "output/PictureSave.h"

#include "encode/CameraDetails.h"
#include "output/FileMove.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <array>

namespace {

struct PanelFormat {
    const char *label;
    PictureFormat format;
};

constexpr std::array<PanelFormat, 4> kPanelFormats = {{{"PNG picture", PictureFormat::Png},
                                                       {"JPEG picture", PictureFormat::Jpeg},
                                                       {"WebP picture", PictureFormat::Webp},
                                                       {"TIFF picture", PictureFormat::Tiff}}};

QString filterOf(const PanelFormat &panel)
{
    QStringList patterns;
    for (const QString &extension : pictureExtensions())
        if (pictureFormatNamed(extension) == panel.format)
            patterns += QStringLiteral("*.") + extension;
    return QStringLiteral("%1 (%2)").arg(QLatin1String(panel.label), patterns.join(QLatin1Char(' ')));
}

} // namespace

QStringList savePanelFilters()
{
    QStringList filters;
    for (const PanelFormat &panel : kPanelFormats)
        filters += filterOf(panel);
    return filters;
}

QString savePanelSuffix(const QString &filter)
{
    for (const PanelFormat &panel : kPanelFormats)
        if (filter == filterOf(panel))
            return pictureSuffix(panel.format);
    return pictureSuffix(PictureFormat::Png);
}

bool needsConversion(const QString &chosen)
{
    const std::optional<PictureFormat> format = pictureFormatOf(chosen);
    return format && *format != PictureFormat::Png;
}

namespace {

// The format a picture saved at `chosen` gets: its extension's, PNG without one (as the
// save panel always did); none for an extension that names no format written here.
std::optional<PictureFormat> savedFormat(const QString &chosen)
{
    return QFileInfo(chosen).suffix().isEmpty() ? PictureFormat::Png : pictureFormatOf(chosen);
}

QString unknownExtension()
{
    return QCoreApplication::translate("PictureWriter", "its extension names no format Quillane writes (%1).")
        .arg(pictureExtensionList());
}

} // namespace

WriteResult placeSavedPicture(const QString &written, const QImage &picture, const QString &chosen,
                              const PictureOptions &options)
{
    const std::optional<PictureFormat> format = savedFormat(chosen);
    if (!format)
        return writeFailure(
            chosen, QCoreApplication::translate("PictureWriter", "%1 The picture is still at \u201C%2\u201D.")
                        .arg(unknownExtension(), QDir::toNativeSeparators(written)));
    if (*format == PictureFormat::Png) // the capture has its camera details already
        return movePictureFile(written, chosen);
    const WriteResult converted = writePicture(picture.isNull() ? QImage(written) : picture, chosen, options);
    if (converted.ok)
        QFile::remove(written);
    return converted;
}

WriteResult writeSavedPicture(const QImage &picture, const QString &chosen, const PictureOptions &options)
{
    const std::optional<PictureFormat> format = savedFormat(chosen);
    if (!format)
        return writeFailure(chosen, unknownExtension());
    if (*format != PictureFormat::Png)
        return writePicture(picture, chosen, options);
    const WriteResult written = writePng(picture, chosen);
    return written.ok ? addCameraDetails(chosen, options.cameraDetails) : written;
}
