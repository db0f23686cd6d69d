#pragma once

#include "imaging/PhotoLoadRunner.h"
#include "model/Object_Photo.h"

#include <QObject>

class PhotoProject;

// Replace Photo: decodes another file for a photo of the project on a worker and, once
// it is read, gives that photo (wherever it now is) the new picture, keeping its settings,
// in one undo step. A photo gone from the list meanwhile is left alone; a file that
// cannot be read is refused.
class PhotoReplacer : public QObject {
    Q_OBJECT
  public:
    explicit PhotoReplacer(PhotoProject &project, QObject *parent = nullptr);

    // A replacement still loading gives way to this one.
    void replace(const PhotoPtr &photo, const QString &path);
    void cancel() { m_runner.cancel(); }
    bool isLoading() const { return m_runner.isRunning(); }

  signals:
    // The photo has its new picture (`replaced`), or `refusal` says why not.
    void finished(bool replaced, const QString &refusal);

  private:
    void arrive(const LoadedPhoto &loaded);

    PhotoProject &m_project;
    PhotoLoadRunner m_runner;
    std::weak_ptr<const Object_Photo> m_photo;
    QString m_path;
};
