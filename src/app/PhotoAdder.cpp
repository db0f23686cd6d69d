#include "app/PhotoAdder.h"

#include "model/PhotoProject.h"

#include <QFileInfo>

PhotoAdder::PhotoAdder(PhotoProject &project, QObject *parent) : QObject(parent), m_project(project)
{
    connect(&m_runner, &PhotoLoadRunner::photoLoaded, this, &PhotoAdder::arrive);
    connect(&m_runner, &PhotoLoadRunner::batchFinished, this, &PhotoAdder::finish);
}

void PhotoAdder::add(const QStringList &paths)
{
    if (paths.isEmpty())
        return;
    m_waiting.append(paths);
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
    const QStringList paths = m_waiting.takeFirst();
    emit batchStarting();
    for (const QString &path : paths) {
        PhotoPtr photo = makePhoto(QImage(), QFileInfo(path).fileName(), m_project.mode());
        photo->sFile = QFileInfo(path).absoluteFilePath();
        m_loading.append(photo);
    }
    m_refusals.clear();
    m_arrived = 0;
    m_project.addPhotos(m_loading);
    emit progress(0, int(m_loading.size()));
    m_runner.start(paths);
}

void PhotoAdder::arrive(int index, const LoadedPhoto &loaded)
{
    if (index < 0 || index >= m_loading.size())
        return;
    if (loaded.result.image.isNull())
        m_refusals.insert(index, loaded.result.error);
    else
        m_project.setPicture(m_loading[index], loaded.result.image, loaded.reducedCopies);
    emit progress(++m_arrived, int(m_loading.size()));
}

void PhotoAdder::finish()
{
    for (auto it = m_refusals.cbegin(); it != m_refusals.cend(); ++it) {
        const qsizetype row = m_project.photos().indexOf(m_loading[it.key()]);
        if (row >= 0)
            m_project.removeAt(row);
    }
    const QStringList refusals = m_refusals.values();
    const int added = int(m_loading.size() - refusals.size());
    m_loading.clear();
    m_refusals.clear();
    emit batchFinished(added, refusals);
    startNext();
}
