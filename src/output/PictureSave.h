#pragma once

#include "encode/PictureWriter.h"

#include <QImage>
#include <QString>
#include <QStringList>

// The save panel's formats and what becomes of the capture. The capture is always a PNG
// in the output folder; the name chosen in the save panel decides the format at the
// destination: a PNG is moved there, another format is written there from the picture
// and the PNG in the output folder is then removed.

// The save panel's filters, PNG first: "PNG picture (*.png)", "JPEG picture (*.jpg *.jpeg)"...
QStringList savePanelFilters();

// The extension a name gets in the save panel when the user picked `filter` and typed none.
QString savePanelSuffix(const QString &filter);

// Whether the picture at `chosen` is written in another format than the capture's PNG
// (then placeSavedPicture converts, which takes a while: run it on a worker).
bool needsConversion(const QString &chosen);

// Moves the capture at `written` to `chosen`, or writes `picture` (the capture's
// pixels; read back from `written` when null) at `chosen` in the format of its
// extension and removes `written`. A name without an extension is a PNG; one with
// another extension is refused and the capture stays where it is.
// `options`: the format's quality and the camera details to keep (a PNG capture, moved,
// has them from its own write).
WriteResult placeSavedPicture(const QString &written, const QImage &picture, const QString &chosen,
                              const PictureOptions &options = {});

// Writes `picture` straight to `chosen`, in the format placeSavedPicture would give
// it, for when the capture could not be written to the output folder first.
WriteResult writeSavedPicture(const QImage &picture, const QString &chosen,
                              const PictureOptions &options = {});
