#include "imaging/PhotoReplacer.h"

#include "model/PhotoProject.h"

PhotoReplacer::PhotoReplacer(PhotoProject &project, QObject *parent) : QObject(parent), m_project(project)
{
    connect(&m_runner, &PhotoLoadRunner::photoLoaded, this,
            [this](int, const LoadedPhoto &loaded) { arrive(loaded); });
}

void PhotoReplacer::replace(const PhotoPtr &photo, const QString &path)
{
    m_photo = photo;
    m_path = path;
    m_runner.start({path});
}

void PhotoReplacer::arrive(const LoadedPhoto &loaded)
{
    if (loaded.result.image.isNull()) {
        emit finished(false, loaded.result.error);
        return;
    }
    const bool replaced =
        m_project.replacePhoto(m_photo.lock(), m_path, loaded.result.image, loaded.reducedCopies);
    emit finished(replaced, {});
}
