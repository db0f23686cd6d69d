#include "output/SharingServices.h"

#include "encode/PngWriter.h"
#include "output/Desktop.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QMimeData>
#include <QTemporaryDir>
#include <QUrl>

#include <utility>

namespace {

// The services by the names the menu shows, in the user's language.
QString text(const char *source)
{
    return QCoreApplication::translate("SharingServices", source);
}
QString copyName()
{
    return text(QT_TRANSLATE_NOOP("SharingServices", "Copy"));
}
QString emailName()
{
    return text(QT_TRANSLATE_NOOP("SharingServices", "Email"));
}
QString viewerName()
{
    return text(QT_TRANSLATE_NOOP("SharingServices", "Open in Image Viewer"));
}

const QString kMailProgram = QStringLiteral("xdg-email");

struct Items {
    bool hasText = false;
    QString text;
    QImage picture;
};

Items unpack(const QVariantList &items)
{
    Items unpacked;
    for (const QVariant &item : items) {
        if (item.metaType().id() == QMetaType::QString) {
            unpacked.hasText = true;
            unpacked.text = item.toString();
        } else if (item.metaType().id() == QMetaType::QImage) {
            unpacked.picture = item.value<QImage>();
        }
    }
    return unpacked;
}

// The folders of the pictures handed out, removed by removeSharedCopies.
QStringList &sharedFolders()
{
    static QStringList folders;
    return folders;
}

// Writes the picture into a fresh folder of its own in the temporary folder, where the
// program it is handed to can still read it while the share sheet is open.
QString writeSharedCopy(const QImage &picture, QString &error)
{
    QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/Quillane-share-XXXXXX"));
    if (!dir.isValid()) {
        error = text(QT_TRANSLATE_NOOP("SharingServices",
                                       "No temporary folder could be made for the picture (%1)."))
                    .arg(dir.errorString());
        return {};
    }
    dir.setAutoRemove(false);
    sharedFolders() << dir.path();
    const QString path = dir.filePath(QStringLiteral("Quillane picture.png"));
    const WriteResult written = writePng(picture, path);
    error = written.error;
    return written.ok ? path : QString();
}

QString copyToClipboard(const Items &items)
{
    auto *data = new QMimeData;
    data->setImageData(items.picture);
    if (items.hasText)
        data->setText(items.text);
    QGuiApplication::clipboard()->setMimeData(data);
    return {};
}

} // namespace

QStringList sharingServiceNames(Desktop &desktop)
{
    QStringList names{copyName()};
    if (desktop.hasProgram(kMailProgram))
        names << emailName();
    names << viewerName();
    return names;
}

QString performSharingService(Desktop &desktop, const QString &name, const QVariantList &items)
{
    const Items unpacked = unpack(items);
    if (unpacked.picture.isNull())
        return text(QT_TRANSLATE_NOOP("SharingServices", "There is no picture to share."));
    if (name == copyName())
        return copyToClipboard(unpacked);
    QString error;
    const QString file = writeSharedCopy(unpacked.picture, error);
    if (file.isEmpty())
        return error;
    if (name == emailName()) {
        QStringList arguments{QStringLiteral("--attach"), file};
        if (unpacked.hasText)
            arguments << QStringLiteral("--body") << unpacked.text;
        return desktop.startProgram(kMailProgram, arguments)
                   ? QString()
                   : text(QT_TRANSLATE_NOOP("SharingServices", "The mail program (%1) could not be started."))
                         .arg(kMailProgram);
    }
    return desktop.openUrl(QUrl::fromLocalFile(file))
               ? QString()
               : text(QT_TRANSLATE_NOOP("SharingServices", "No image viewer could open the picture."));
}

void removeSharedCopies()
{
    for (const QString &folder : std::exchange(sharedFolders(), {}))
        QDir(folder).removeRecursively();
}
