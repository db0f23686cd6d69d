#pragma once

#include <QDateTime>
#include <QImage>
#include <QString>

struct PassResult;

// The capture handshake between Save/Share and the drawing pass. Save or Share sets
// b_Take_Picture and asks for a redraw; the next pass that finds at least one photo has
// the application start a full-resolution capture on a worker, and when its picture
// comes back the capture step stores it and the path of its file, then clears the
// flag. Whoever waits sees the flag clear only once both values are in place.
struct CaptureState {
    bool b_Take_Picture = false;
    QImage imageSave;
    QString s_Saved_Take_Picture;
    QString s_Output_Folder;
    QString error; // why the pass that took the picture rendered none (over the memory
                   // budget, a layer that cannot be drawn); empty when it rendered one
};

// "yyyy-MM-dd-HH-mm-ss.png" in the local time of `now` (calendar year).
QString captureFileName(const QDateTime &now);

// `folder` and `fileName` joined with exactly one "/".
QString joinPath(const QString &folder, const QString &fileName);

// The capture step at the end of a drawing pass; `now` is the clock's reading.
void captureStep(CaptureState &state, const PassResult &pass, const QDateTime &now);
