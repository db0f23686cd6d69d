#pragma once

#include <QObject>
#include <QStringList>

class AppDelegate;
class QMimeData;
class QWidget;

// Photos and project files dropped from a file manager. A drag is accepted only when
// every item is a local file that Add Photo or Open Project takes.
QStringList Droppable_Files(const QMimeData *data);

// Makes `target` take drops of such files and hand them to AppDelegate::openFiles.
void Accept_File_Drops(AppDelegate &delegate, QWidget *target);
