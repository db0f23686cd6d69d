#include "app/FileDrop.h"

#include "app/AppDelegate.h"
#include "imaging/PhotoLoader.h"
#include "model/ProjectFile.h"

#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QTimer>
#include <QWidget>

namespace {

class FileDropFilter : public QObject {
  public:
    FileDropFilter(AppDelegate &delegate, QObject *parent) : QObject(parent), m_delegate(delegate) {}

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const QEvent::Type type = event->type();
        if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
            return QObject::eventFilter(watched, event);
        auto *drop = static_cast<QDropEvent *>(event);
        const QStringList files = droppableFiles(drop->mimeData());
        if (files.isEmpty())
            return false; // not files to open: the widget's own (a row of the table dragged)
        drop->acceptProposedAction();
        // The drag source waits for the drop to return: alerts and panels come after it.
        if (type == QEvent::Drop)
            QTimer::singleShot(0, &m_delegate,
                               [delegate = &m_delegate, files] { delegate->openFiles(files); });
        return true;
    }

  private:
    AppDelegate &m_delegate;
};

bool isDroppable(const QString &path)
{
    const QFileInfo info(path);
    return info.isFile() &&
           (isProjectFileName(path) || photoFileExtensions().contains(info.suffix(), Qt::CaseInsensitive));
}

} // namespace

QStringList droppableFiles(const QMimeData *data)
{
    QStringList files;
    for (const QUrl &url : data ? data->urls() : QList<QUrl>()) {
        if (!url.isLocalFile() || !isDroppable(url.toLocalFile()))
            return {};
        files << url.toLocalFile();
    }
    return files;
}

void acceptFileDrops(AppDelegate &delegate, QWidget *target)
{
    target->setAcceptDrops(true);
    target->installEventFilter(new FileDropFilter(delegate, target));
}
