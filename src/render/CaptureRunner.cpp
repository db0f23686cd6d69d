#include "render/CaptureRunner.h"

#include "imaging/Parallel.h"
#include "render/RenderPass.h"

#include <QThread>

#include <utility>

PhotoList snapshotPhotos(const PhotoList &photos)
{
    PhotoList copies;
    copies.reserve(photos.size());
    for (const PhotoPtr &photo : photos)
        copies.append(std::make_shared<Object_Photo>(*photo));
    return copies;
}

CaptureRunner::CaptureRunner(QObject *parent) : QObject(parent) {}

CaptureRunner::~CaptureRunner()
{
    if (m_thread) {
        m_thread->wait();
        delete m_thread;
    }
}

bool CaptureRunner::start(const PhotoList &photos, quint64 mode, const ProjectOptions &options)
{
    if (m_thread)
        return false;
    // A pass with a capture pending and a 0 x 0 view: full resolution, nothing fitted.
    m_thread = QThread::create([this, snapshot = snapshotPhotos(photos), mode, options] {
        runOnPoolThread([&] {
            const PassResult pass = renderPass(snapshot, mode, QSizeF(0, 0), true, 1.0, options);
            m_picture = pass.mixed;
            m_error = pass.error;
        });
    });
    // `finished` is emitted on the worker; the runner lives here, so it arrives queued.
    connect(m_thread, &QThread::finished, this, &CaptureRunner::deliver);
    m_thread->start();
    return true;
}

void CaptureRunner::deliver()
{
    m_thread->wait();
    delete m_thread;
    m_thread = nullptr;
    emit captureFinished(std::exchange(m_picture, QImage()));
}
