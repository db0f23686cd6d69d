#pragma once

#include "imaging/WorkerJob.h"
#include "model/Object_Photo.h"
#include "model/ProjectOptions.h"
#include "render/PassCache.h"
#include "render/RegionPass.h"

#include <QImage>
#include <QObject>
#include <QRect>
#include <QSizeF>

#include <functional>

// What one preview pass renders: a snapshot of the photo list (records copied, pictures
// shared), the project mode, the view it draws for and the project's settings.
struct PreviewRequest {
    PhotoList photos;
    quint64 mode = 0;
    QSizeF viewSize;
    qreal pixelRatio = 1.0;
    ProjectOptions options;
    // Not empty for a canvas zoomed to 100 % or more: the part of the full-resolution
    // picture (top-left pixel coordinates) it shows, rendered instead of the view.
    QRect region;
};

// One finished preview frame: the whole view painted by a pass (black, then "No Image"
// or the mixed picture fitted), viewSize x pixelRatio pixels large.
// A region frame (from a request with a region) holds instead the full-resolution
// pixels of `region`, whatever the view.
struct PreviewFrame {
    QImage image;
    QSizeF viewSize;
    QRect region;            // a region frame's place in the picture; empty for a view frame
    QRect requestedRegion;   // the region asked for (empty for a view frame)
    QSize pictureSize;       // the mixed picture's full-resolution size (empty without photos)
    bool drewPhotos = false; // false when the list was empty
};

// Paints the frame of `request` (the work of one pass; any thread), starting from the
// steps of `cache` that still hold.
PreviewFrame renderPreviewFrame(const PreviewRequest &request, PassCache *cache = nullptr,
                                RegionCache *regionCache = nullptr);

// Runs preview passes on a worker thread, one at a time. request() only marks the view
// out of date; a pass takes its snapshot from the source when it starts, so requests
// that arrive while a pass runs coalesce into one more pass of the latest state. The
// frame comes back by a queued signal on the renderer's thread.
class PreviewRenderer : public QObject {
    Q_OBJECT
  public:
    using Source = std::function<PreviewRequest()>;
    explicit PreviewRenderer(Source source, QObject *parent = nullptr);

    void request();
    // A pass runs or another is waiting for it.
    bool isBusy() const { return m_job.isRunning() || m_outOfDate; }
    int passCount() const { return m_passCount; }

  signals:
    void frameReady(const PreviewFrame &frame);

  private:
    void startPass();
    void deliver(const PhotoList &originals, const PhotoList &snapshot, const PreviewFrame &frame);

    Source m_source;
    bool m_outOfDate = false;
    int m_passCount = 0;
    PassCache m_cache; // the worker's alone: one pass runs at a time
    RegionCache m_regionCache;
    WorkerJob m_job{this}; // last: its destructor waits for the pass still running
};
