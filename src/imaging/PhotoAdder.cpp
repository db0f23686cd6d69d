#include "imaging/PhotoAdder.h"

#include "model/PhotoProject.h"

PhotoAdder::PhotoAdder(PhotoProject &project, QObject *parent) : QObject(parent), m_project(project)
{
    connect(&m_runner, &PhotoLoadRunner::photoLoaded, this, &PhotoAdder::arrive);
    connect(&m_runner, &PhotoLoadRunner::batchFinished, this, &PhotoAdder::finish);
}

void PhotoAdder::add(const QStringList &paths)
{
    if (paths.isEmpty())
        return;
    const PhotoList photos = m_project.addLoadingPhotos(paths);
    m_waiting.append({paths, {photos.begin(), photos.end()}});
    if (!isLoading())
        startNext();
}

void PhotoAdder::cancel()
{
    m_runner.cancel();
    m_waiting.clear();
    m_loading.clear();
    m_refusals.clear();
}

void PhotoAdder::startNext()
{
    if (m_waiting.isEmpty())
        return;
    Batch batch = m_waiting.takeFirst();
    m_loading = std::move(batch.photos);
    m_refusals.clear();
    m_arrived = 0;
    emit progress(0, int(m_loading.size()));
    m_runner.start(batch.paths);
}

void PhotoAdder::arrive(int index, const LoadedPhoto &loaded)
{
    if (index < 0 || size_t(index) >= m_loading.size())
        return;
    // Gone for good (removed, and no undo step can bring it back): nothing to give.
    if (const PhotoPtr photo = m_loading[size_t(index)].lock()) {
        if (loaded.result.image.isNull()) {
            m_refusals.insert(index, loaded.result.error);
            m_project.dropLoadingPhoto(photo);
        } else {
            m_project.finishLoading(photo, loaded.result.image, loaded.reducedCopies);
        }
    }
    emit progress(++m_arrived, int(m_loading.size()));
}

void PhotoAdder::finish()
{
    const QStringList refusals = m_refusals.values();
    const int added = int(m_loading.size()) - int(refusals.size());
    m_loading.clear();
    m_refusals.clear();
    emit batchFinished(added, refusals);
    startNext();
}
