#pragma once

#include "model/Object_Photo.h"
#include "render/RenderPass.h"

#include <QList>
#include <QSizeF>
#include <QString>

// What a pass will allocate, estimated from the photos' sizes and fields before a pixel
// is touched: the photos and their reduced copies, the canvases the mode's pipeline
// builds (placed layers and masks as large as size and offsets ask, the running picture,
// the Linear strip) and the view with its draws. The estimate errs on the large side by
// at most one picture per step.

// The bytes a pass of `photos` in `mode` needs when photo i is `sizes[i]` pixels large
// (the sizes a front end reads from the files' headers before decoding them), with the
// project's `options` (a full-resolution strip, feathered masks).
double passMemoryNeed(const PhotoList &photos, const QList<QSizeF> &sizes, quint64 mode,
                      const ViewTarget &view, const ProjectOptions &options = {});
// The same with the photos' own pictures.
double passMemoryNeed(const PhotoList &photos, quint64 mode, const ViewTarget &view,
                      const ProjectOptions &options = {});

// The size of the picture a capture of `photos` in `mode` stores, photo i being
// `sizes[i]` pixels large: what a front end writes, known before anything is decoded.
QSizeF capturedPictureSize(const PhotoList &photos, const QList<QSizeF> &sizes, quint64 mode,
                           const ProjectOptions &options = {});

// Empty when a pass fits the memory budget (MemoryBudget.h); else the one sentence that
// refuses it: "the project needs about 9.3 GB of memory to render, more than the 6.0 GB
// allowed."
QString passBudgetRefusal(double need);
