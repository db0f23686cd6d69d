#include "render/PreviewRenderer.h"

#include "imaging/Parallel.h"
#include "imaging/ReducedCopies.h"
#include "render/CaptureRunner.h"
#include "render/RenderPass.h"

#include <QPainter>
#include <QThread>

#include <utility>

namespace {

// Reduced copies a pass built for its snapshot go back to the photo they were made from
// (on the main thread, which alone touches the project's records), so that the next
// snapshot shares them instead of building them again.
void keepReducedCopies(const PhotoList &originals, const PhotoList &snapshot)
{
    for (qsizetype i = 0; i < originals.size() && i < snapshot.size(); ++i) {
        const Object_Photo &photo = *originals[i];
        const auto &built = snapshot[i]->reducedCopies;
        if (!photo.reducedCopies && built && built->sourceKey == photo.image.cacheKey())
            photo.reducedCopies = built;
    }
}

} // namespace

PreviewFrame renderPreviewFrame(const PreviewRequest &request, PassCache *cache, RegionCache *regionCache)
{
    PreviewFrame frame;
    frame.viewSize = request.viewSize;
    frame.requestedRegion = request.region;
    if (!request.region.isEmpty()) {
        RegionResult region =
            renderRegion(request.photos, request.mode, request.options, request.region, regionCache);
        frame.drewPhotos = !request.photos.isEmpty();
        frame.region = region.image.isNull() ? QRect() : region.region;
        frame.pictureSize = region.pictureSize;
        frame.image = region.image.isNull()
                          ? QImage()
                          : region.image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        return frame;
    }
    const QSize pixels = (request.viewSize * request.pixelRatio).toSize();
    if (pixels.isEmpty())
        return frame;
    const PassResult pass = renderPass(request.photos, request.mode, request.viewSize, false,
                                       request.pixelRatio, request.options, cache);
    frame.drewPhotos = !pass.empty;
    frame.pictureSize = pass.fullSize;
    frame.image = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
    frame.image.setDevicePixelRatio(request.pixelRatio);
    QPainter painter(&frame.image);
    paintPass(painter, request.viewSize, QRectF(QPointF(0, 0), request.viewSize), pass);
    return frame;
}

PreviewRenderer::PreviewRenderer(Source source, QObject *parent)
    : QObject(parent), m_source(std::move(source))
{
}

PreviewRenderer::~PreviewRenderer()
{
    if (m_thread) {
        m_thread->wait();
        delete m_thread;
    }
}

void PreviewRenderer::request()
{
    m_outOfDate = true;
    if (!m_thread)
        startPass();
}

void PreviewRenderer::startPass()
{
    m_outOfDate = false;
    PreviewRequest job = m_source();
    m_originals = job.photos;
    job.photos = snapshotPhotos(job.photos);
    m_snapshot = job.photos;
    m_thread = QThread::create([this, job = std::move(job)] {
        runOnPoolThread([&] { m_frame = renderPreviewFrame(job, &m_cache, &m_regionCache); });
    });
    // `finished` is emitted on the worker; the renderer lives here, so it arrives queued.
    connect(m_thread, &QThread::finished, this, &PreviewRenderer::deliver);
    m_thread->start();
}

void PreviewRenderer::deliver()
{
    m_thread->wait();
    delete m_thread;
    m_thread = nullptr;
    keepReducedCopies(std::exchange(m_originals, {}), std::exchange(m_snapshot, {}));
    ++m_passCount;
    emit frameReady(std::exchange(m_frame, PreviewFrame()));
    if (m_outOfDate && !m_thread)
        startPass();
}
