#pragma once

#include <QObject>
#include <QStringList>

class AppDelegate;
class QMimeData;
class QWidget;

// Photos and project files dropped from a file manager. A drag is accepted only when
// every item is a local file that Add Photo or Open Project takes.
QStringList droppableFiles(const QMimeData *data);

// Makes `target` take drops of such files and hand them to AppDelegate::openFiles.
void acceptFileDrops(AppDelegate &delegate, QWidget *target);
