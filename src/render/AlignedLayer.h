#pragma once

#include "model/Object_Photo.h"
#include "model/PhotoProject.h"

#include <QImage>
#include <QSizeF>
#include <QStringList>

// The geometry step of an aligned photo: the photo warped by its alignment into the
// background's frame, after its own pixels are final and before the mode's blend. The
// one place the Composite and Exposure fusion pipelines bring a photo onto the
// background by its alignment.

// Whether Composite draws the photo by its alignment: it has one and it has the
// background's size (other photos keep their size and offsets).
bool compositeAligns(const Object_Photo &photo, QSizeF background);

// The photo in the frame of a background `frame` points large, in a pass at `scale`:
// warped by its alignment, from the photo's pixels at that scale (its reduced copy in a
// preview, its own picture in a capture), its mask applied first when `masked` (the
// modes that have masks). Null without an alignment or the memory.
QImage alignedLayer(const Object_Photo &photo, QSizeF frame, double scale, bool masked = false);

// Whether photo `index` of `photos` can be aligned in a project of `mode`: a later photo
// with a picture; in Exposure fusion any, in Composite one of the background's size.
bool canAlign(const PhotoList &photos, qsizetype index, quint64 mode);

// The alignments found for photos `rows` of `photos` (each a photo canAlign allows),
// each as the project stores it, and for every photo none was found for one sentence:
// "Photo 3 (“b.jpg”) could not be aligned: too few details match the background (…)."
struct AlignmentRun {
    QList<PhotoProject::AlignmentWrite> found;
    QStringList failures;
};
AlignmentRun alignToBackground(const PhotoList &photos, const QList<qsizetype> &rows);
