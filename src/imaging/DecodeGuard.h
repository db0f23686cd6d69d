#pragma once

#include <QImage>
#include <QString>

// What every decoder of the loader shares: the form of its answer and the one check of a
// picture's size, made on the size a header declares before any pixel is decoded and
// again on the decoded picture.

struct DecodedPicture {
    QImage image;   // any format, upright, with the file's colour space; null when refused
    QString reason; // why it was refused, as the end of a sentence ("the picture data is ...")
    QSize declared; // the upright size the header declared, once read (also when refused)
};

// Empty when a picture of `width` x `height` may be decoded; otherwise the reason to
// refuse it. Non-positive sizes are refused as damaged.
QString declaredSizeProblem(qint64 width, qint64 height, qint64 maxPixels);

DecodedPicture damagedPicture();
