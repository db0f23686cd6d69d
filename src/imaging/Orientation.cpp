#include "imaging/Orientation.h"

#include <QTransform>

namespace {

bool swapsSides(int orientation)
{
    return orientation >= 5 && orientation <= 8;
}

} // namespace

QImage uprightImage(const QImage &stored, int orientation)
{
    // Qt's y axis points down, so rotate(90) turns the picture a quarter clockwise.
    switch (orientation) {
    case 2: // mirrored left to right
        return stored.mirrored(true, false);
    case 3:
        return stored.transformed(QTransform().rotate(180));
    case 4: // mirrored top to bottom
        return stored.mirrored(false, true);
    case 5: // transposed: the stored rows are the upright columns
        return stored.transformed(QTransform().rotate(90)).mirrored(true, false);
    case 6:
        return stored.transformed(QTransform().rotate(90));
    case 7: // transversed
        return stored.transformed(QTransform().rotate(90)).mirrored(false, true);
    case 8:
        return stored.transformed(QTransform().rotate(270));
    default:
        return stored;
    }
}

QSize uprightSize(QSize stored, int orientation)
{
    return swapsSides(orientation) ? stored.transposed() : stored;
}
