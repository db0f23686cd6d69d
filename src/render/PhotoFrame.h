#pragma once

#include "model/Object_Photo.h"

#include <QTransform>

// Where photo `index` of `photos` lies in the mixed picture a capture makes in `mode`:
// the transform from the photo's own fractions (0..1 across its width and height, from
// its top-left corner, as its mask is stored) to the picture's pixels (top-left). The
// background spans its own picture; Linear projects, a photo without a picture and an
// index outside the list give a null (non-invertible) transform.
QTransform photoToPicture(const PhotoList &photos, quint64 mode, qsizetype index);
