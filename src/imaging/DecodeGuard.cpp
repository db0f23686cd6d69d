#include "imaging/DecodeGuard.h"

#include "imaging/MemoryBudget.h"

#include <QCoreApplication>

namespace {

// "24.0 megapixels", or "800 pixels" below a megapixel.
QString pixelCount(double pixels, int extraDecimals)
{
    if (pixels >= 1e6)
        return QCoreApplication::translate("DecodeGuard", "%1 megapixels")
            .arg(pixels / 1e6, 0, 'f', 1 + extraDecimals);
    return QCoreApplication::translate("DecodeGuard", "%1 pixels").arg(pixels, 0, 'f', 0);
}

} // namespace

QString declaredSizeProblem(qint64 width, qint64 height, qint64 maxPixels)
{
    if (width <= 0 || height <= 0)
        return damagedPicture().reason;
    // Compared by division: a damaged header may declare sides whose product overflows.
    if (width <= maxPixels / height)
        return {};
    // The limit comes from the memory budget: the message names the budget that refused it.
    const auto [pixels, most] = distinctTexts(double(width) * double(height), double(maxPixels), pixelCount);
    return QCoreApplication::translate("DecodeGuard",
                                       "the picture is %1 \u00D7 %2 pixels (%3), more than one photo may "
                                       "take: at most %4, a quarter of the memory budget of %5.")
        .arg(width)
        .arg(height)
        .arg(pixels, most, memoryAmount(double(budgetForPhotoPixels(maxPixels))));
}

DecodedPicture damagedPicture()
{
    return {QImage(),
            QCoreApplication::translate("DecodeGuard", "the picture data is damaged or incomplete."),
            QSize()};
}
