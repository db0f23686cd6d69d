#include "imaging/DecodeGuard.h"

#include <QCoreApplication>

QString declaredSizeProblem(qint64 width, qint64 height, qint64 maxPixels)
{
    if (width <= 0 || height <= 0)
        return damagedPicture().reason;
    // Compared by division: a damaged header may declare sides whose product overflows.
    if (width > maxPixels / height)
        return QCoreApplication::translate(
                   "DecodeGuard", "the picture is %1 \u00D7 %2 pixels (%3 megapixels), more than this "
                                  "computer's memory allows (at most %4 megapixels).")
            .arg(width)
            .arg(height)
            .arg(qint64(double(width) * double(height) / 1e6))
            .arg(maxPixels / 1000000);
    return {};
}

DecodedPicture damagedPicture()
{
    return {QImage(),
            QCoreApplication::translate("DecodeGuard", "the picture data is damaged or incomplete."),
            QSize()};
}
