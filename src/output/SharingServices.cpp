#include "output/SharingServices.h"

#include "output/Desktop.h"
#include "output/engine/PngWriter.h"

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QMimeData>
#include <QTemporaryDir>
#include <QUrl>

#include <utility>

namespace {

const QString kCopy = QStringLiteral("Copy");
const QString kEmail = QStringLiteral("Email");
const QString kViewer = QStringLiteral("Open in Image Viewer");
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

// The folders of the pictures handed out, removed by Remove_Shared_Copies.
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
        error =
            QStringLiteral("No temporary folder could be made for the picture (%1).").arg(dir.errorString());
        return {};
    }
    dir.setAutoRemove(false);
    sharedFolders() << dir.path();
    const QString path = dir.filePath(QStringLiteral("Quillane picture.png"));
    const WriteResult written = Write_Png(picture, path);
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

QStringList Sharing_Service_Names(Desktop &desktop)
{
    QStringList names{kCopy};
    if (desktop.hasProgram(kMailProgram))
        names << kEmail;
    names << kViewer;
    return names;
}

QString Perform_Sharing_Service(Desktop &desktop, const QString &name, const QVariantList &items)
{
    const Items unpacked = unpack(items);
    if (unpacked.picture.isNull())
        return QStringLiteral("There is no picture to share.");
    if (name == kCopy)
        return copyToClipboard(unpacked);
    QString error;
    const QString file = writeSharedCopy(unpacked.picture, error);
    if (file.isEmpty())
        return error;
    if (name == kEmail) {
        QStringList arguments{QStringLiteral("--attach"), file};
        if (unpacked.hasText)
            arguments << QStringLiteral("--body") << unpacked.text;
        return desktop.startProgram(kMailProgram, arguments)
                   ? QString()
                   : QStringLiteral("The mail program (%1) could not be started.").arg(kMailProgram);
    }
    return desktop.openUrl(QUrl::fromLocalFile(file))
               ? QString()
               : QStringLiteral("No image viewer could open the picture.");
}

void Remove_Shared_Copies()
{
    for (const QString &folder : std::exchange(sharedFolders(), {}))
        QDir(folder).removeRecursively();
}
