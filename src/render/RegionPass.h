#pragma once

#include "model/Object_Photo.h"
#include "model/ProjectOptions.h"

#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>

// A region of the full-resolution mixed picture, for a canvas zoomed to 100 % and
// beyond: its pixels are those a capture of the same project has in that region.
struct RegionResult {
    QImage image;      // the region's pixels (null when nothing could be rendered)
    QRect region;      // where they lie in the picture (top-left pixel coordinates)
    QSize pictureSize; // the whole picture's size
    QString error;     // why nothing was rendered; empty when all went well
};

// The whole picture of the latest region pass that had to render it, kept so that
// panning over an unchanged project only crops. It is used by one pass at a time.
struct RegionCache {
    quint64 key = 0;
    QImage picture;
};

// The key of everything the mixed picture depends on: the mode, the settings, and each
// photo's picture and fields.
quint64 projectKey(const PhotoList &photos, quint64 mode, const ProjectOptions &options);

// The pixels of `region` (clipped to the picture). A Composite project whose photos all
// have the background's size and lie on it unmoved and unscaled (the common case of a
// series shot from a tripod) and a single photo are rendered in the region alone; any
// other project renders its whole picture once, keeps it in `cache` and crops.
RegionResult renderRegion(const PhotoList &photos, quint64 mode, const ProjectOptions &options, QRect region,
                          RegionCache *cache = nullptr);
