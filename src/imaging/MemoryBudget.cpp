#include "imaging/MemoryBudget.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <unistd.h>

#include <atomic>
#include <cmath>
#include <limits>

namespace {

constexpr qint64 kFallbackMemory = qint64(8) << 30; // when the system cannot tell
constexpr qint64 kBudgetShare = 2;                  // one half of the physical memory
constexpr double kBytesPerPixel = 4.0;

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

QString memoryAmount(double bytes)
{
    constexpr double kGB = double(1 << 30);
    constexpr double kMB = double(1 << 20);
    if (bytes >= 1000.0 * kGB)
        return QCoreApplication::translate("MemoryBudget", "%1 TB").arg(bytes / kGB / 1024.0, 0, 'f', 1);
    if (bytes >= kGB)
        return QCoreApplication::translate("MemoryBudget", "%1 GB").arg(bytes / kGB, 0, 'f', 1);
    return QCoreApplication::translate("MemoryBudget", "%1 MB")
        .arg(std::max(1.0, std::ceil(bytes / kMB)), 0, 'f', 0);
}

QString overBudgetReason(double needed, qint64 allowed, const QString &what)
{
    if (!std::isfinite(needed))
        return QCoreApplication::translate("MemoryBudget",
                                           "needs more memory to %1 than any computer has (%2 allowed)")
            .arg(what, memoryAmount(double(allowed)));
    return QCoreApplication::translate("MemoryBudget",
                                       "needs about %1 of memory to %2, more than the %3 allowed")
        .arg(memoryAmount(needed), what, memoryAmount(double(allowed)));
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
