#include "render/CaptureRunner.h"

#include "render/RenderPass.h"

PhotoList snapshotPhotos(const PhotoList &photos)
{
    PhotoList copies;
    copies.reserve(photos.size());
    for (const PhotoPtr &photo : photos)
        copies.append(std::make_shared<Object_Photo>(*photo));
    return copies;
}

CaptureRunner::CaptureRunner(QObject *parent) : QObject(parent) {}

bool CaptureRunner::start(const PhotoList &photos, quint64 mode, const ProjectOptions &options)
{
    // A pass with a capture pending and a 0 x 0 view: full resolution, nothing fitted.
    return m_job.start<PassResult>(
        [snapshot = snapshotPhotos(photos), mode, options] {
            return renderPass(snapshot, mode, QSizeF(0, 0), true, 1.0, options);
        },
        [this](PassResult pass) {
            m_error = pass.error;
            emit captureFinished(pass.mixed);
        });
}
