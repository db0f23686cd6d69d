#pragma once

#include "model/PhotoAlignment.h"

#include <QImage>
#include <QSize>
#include <QString>

#include <optional>

// Align to Background: where a later photo of the same scene, taken by hand and perhaps
// at another exposure, lies on the background. Features are found on the two pictures'
// luminance, each equalised so that exposures compare (ORB on copies of about 2000
// pixels a side, matched with a ratio test), a homography is fitted to the matches that
// agree (RANSAC), and then refined at full resolution: patches of the background spread
// over the picture are found again in the photo warped by the first estimate (normalised
// cross-correlation, to a fraction of a pixel) and the mapping is fitted to them anew.

// At least this many matches must agree for an alignment to be trusted.
inline constexpr int kLeastAlignmentMatches = 30;

struct AlignmentSearch {
    std::optional<PhotoAlignment> alignment; // none when no reliable one was found
    int matches = 0;                         // the matches that agreed with it
    QString failure;                         // why none was found, as the end of a sentence ("too few ...")
};

// The mapping of `photo` onto `background` (canonical pictures of any sizes).
AlignmentSearch findAlignment(const QImage &background, const QImage &photo);

// `photo` warped by `h` into a picture `frame` pixels large that spans the background:
// each pixel resampled once from the photo's own (bilinear, on premultiplied values),
// transparent where the photo does not reach. Null when the memory is not there.
QImage warpPhoto(const QImage &photo, const PhotoAlignment &h, QSize frame);
