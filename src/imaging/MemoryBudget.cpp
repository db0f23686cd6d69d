#include "imaging/MemoryBudget.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <limits>

namespace {

constexpr qint64 kFallbackMemory = qint64(8) << 30; // when the system cannot tell
constexpr qint64 kBudgetShare = 2;                  // one half of the physical memory
constexpr double kBytesPerPixel = 4.0;
constexpr qint64 kPhotoShare = 4; // one quarter of the budget for one decoded photo

std::atomic<qint64> g_budget{0};

qint64 physicalMemory()
{
    const long pages = sysconf(_SC_PHYS_PAGES);
    const long pageSize = sysconf(_SC_PAGESIZE);
    if (pages <= 0 || pageSize <= 0)
        return kFallbackMemory;
    return qint64(pages) * qint64(pageSize);
}

} // namespace

qint64 defaultMemoryBudget()
{
    static const qint64 budget = physicalMemory() / kBudgetShare;
    return budget;
}

qint64 memoryBudget()
{
    const qint64 set = g_budget.load(std::memory_order_relaxed);
    return set > 0 ? set : defaultMemoryBudget();
}

void setMemoryBudget(qint64 bytes)
{
    g_budget.store(bytes > 0 ? bytes : 0, std::memory_order_relaxed);
}

qint64 photoPixelsWithin(qint64 budget)
{
    return budget / kPhotoShare / qint64(kBytesPerPixel);
}

qint64 budgetForPhotoPixels(qint64 maxPixels)
{
    return maxPixels * kPhotoShare * qint64(kBytesPerPixel);
}

double pictureBytes(QSizeF size)
{
    const double w = std::ceil(size.width());
    const double h = std::ceil(size.height());
    if (!std::isfinite(w) || !std::isfinite(h))
        return std::numeric_limits<double>::infinity();
    if (w <= 0.0 || h <= 0.0)
        return 0.0;
    return w * h * kBytesPerPixel;
}

namespace {

QString bytesText(double bytes)
{
    return QCoreApplication::translate("MemoryBudget", "%1 bytes")
        .arg(std::max(0.0, std::ceil(bytes)), 0, 'f', 0);
}

// `bytes` in the largest unit that keeps it at 1 or more, with `extra` more decimals than
// the unit's own (GB and TB one, the smaller units none).
QString amountText(double bytes, int extra)
{
    constexpr double kGB = double(1 << 30);
    constexpr double kMB = double(1 << 20);
    constexpr double kKB = double(1 << 10);
    if (bytes >= 1000.0 * kGB)
        return QCoreApplication::translate("MemoryBudget", "%1 TB")
            .arg(bytes / kGB / 1024.0, 0, 'f', 1 + extra);
    if (bytes >= kGB)
        return QCoreApplication::translate("MemoryBudget", "%1 GB").arg(bytes / kGB, 0, 'f', 1 + extra);
    if (bytes >= kMB)
        return QCoreApplication::translate("MemoryBudget", "%1 MB").arg(bytes / kMB, 0, 'f', extra);
    if (bytes >= kKB)
        return QCoreApplication::translate("MemoryBudget", "%1 KB").arg(bytes / kKB, 0, 'f', extra);
    return bytesText(bytes);
}

} // namespace

QString memoryAmount(double bytes)
{
    return amountText(bytes, 0);
}

std::pair<QString, QString> distinctTexts(double a, double b, const std::function<QString(double, int)> &text)
{
    constexpr int kMostExtraDecimals = 3;
    std::pair<QString, QString> texts = {text(a, 0), text(b, 0)};
    for (int extra = 1; a != b && texts.first == texts.second && extra <= kMostExtraDecimals; ++extra)
        texts = {text(a, extra), text(b, extra)};
    return texts;
}

QString overBudgetReason(double needed, qint64 allowed, const QString &what)
{
    if (!std::isfinite(needed))
        return QCoreApplication::translate("MemoryBudget",
                                           "needs more memory to %1 than any computer has (%2 allowed)")
            .arg(what, memoryAmount(double(allowed)));
    auto [need, budget] = distinctTexts(needed, double(allowed), amountText);
    if (need == budget) { // within a thousandth of the unit: the bytes themselves
        need = bytesText(needed);
        budget = bytesText(double(allowed));
    }
    return QCoreApplication::translate("MemoryBudget",
                                       "needs about %1 of memory to %2, more than the %3 allowed")
        .arg(need, what, budget);
}

qint64 parseMemoryAmount(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("^([0-9]+(?:\\.[0-9]+)?)\\s*([kKmMgGtT]?)[bB]?$"));
    const QRegularExpressionMatch match = pattern.match(text.trimmed());
    if (!match.hasMatch())
        return 0;
    double bytes = match.captured(1).toDouble();
    const QString unit = match.captured(2).toLower();
    const int shift = unit == QLatin1String("k")   ? 10
                      : unit == QLatin1String("m") ? 20
                      : unit == QLatin1String("g") ? 30
                      : unit == QLatin1String("t") ? 40
                                                   : 0;
    bytes *= std::ldexp(1.0, shift);
    if (!(bytes >= 1.0) || bytes > double(std::numeric_limits<qint64>::max() / 2))
        return 0;
    return qint64(bytes);
}
