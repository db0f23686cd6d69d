#include "render/PreviewRenderer.h"

#include "imaging/ReducedCopies.h"
#include "render/CaptureRunner.h"
#include "render/RenderPass.h"

#include <QPainter>
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

void PreviewRenderer::request()
{
    m_outOfDate = true;
    if (!m_job.isRunning())
        startPass();
}

void PreviewRenderer::startPass()
{
    m_outOfDate = false;
    PreviewRequest job = m_source();
    const PhotoList originals = job.photos;
    job.photos = snapshotPhotos(job.photos);
    const PhotoList snapshot = job.photos;
    m_job.start<PreviewFrame>(
        [this, job = std::move(job)] { return renderPreviewFrame(job, &m_cache, &m_regionCache); },
        [this, originals, snapshot](PreviewFrame frame) { deliver(originals, snapshot, frame); });
}

void PreviewRenderer::deliver(const PhotoList &originals, const PhotoList &snapshot,
                              const PreviewFrame &frame)
{
    keepReducedCopies(originals, snapshot);
    ++m_passCount;
    emit frameReady(frame);
    if (m_outOfDate && !m_job.isRunning())
        startPass();
}
