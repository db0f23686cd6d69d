#pragma once

#include <QSize>
#include <QSizeF>
#include <QString>

#include <functional>
#include <utility>

// The memory a render may take as a whole: the decoded photos, their reduced copies,
// the canvases the pipelines allocate and the view. Everything that allocates pictures
// whose size the user controls (a decoder, a pipeline, a front end) asks here first, so
// that a project too large for this computer is refused in one line instead of running
// the system out of memory.

// The default budget: half of the physical memory (4 GB when the system cannot tell).
qint64 defaultMemoryBudget();

// The budget in force for this process: the default until setMemoryBudget gives
// another (a value of 0 or less restores the default). Safe to call from any thread.
qint64 memoryBudget();
void setMemoryBudget(qint64 bytes);

// Bytes of a canonical picture (4 bytes a pixel) of `size` pixels, for sizes of any
// magnitude: a non-finite or overflowing size counts as more than any budget.
double pictureBytes(QSizeF size);

// Sums of picture sizes, kept in double so that no hostile size wraps around.
struct MemoryNeed {
    double bytes = 0.0;
    void add(double more) { bytes += more; }
    bool fits(qint64 budget) const { return bytes <= double(budget); }
};

// "needs about 9.3 GB of memory to <what>, more than the 6.0 GB allowed" (or, for a need
// that overflows, "needs more memory to <what> than any computer has (6.0 GB allowed)"):
// the phrase, without a capital or a full stop, that follows a name in a refusal. The two
// amounts are told with as many decimals (at worst in bytes) as make them differ.
QString overBudgetReason(double needed, qint64 allowed, const QString &what);

// An amount of memory in the largest unit that keeps it at 1 or more: "512 MB", "6.0 GB",
// "12 KB", "300 bytes".
QString memoryAmount(double bytes);

// The texts of two figures `a` and `b`, `text(value, extraDecimals)` with as few extra
// decimals (at most three) as make them differ when the figures do.
std::pair<QString, QString> distinctTexts(double a, double b,
                                          const std::function<QString(double, int)> &text);

// One photo may take at most a quarter of the budget once decoded (4 bytes a pixel), since
// a mix holds several copies of it: the most pixels a photo may have under `budget`, and
// the budget under which a photo may have at most `maxPixels`.
qint64 photoPixelsWithin(qint64 budget);
qint64 budgetForPhotoPixels(qint64 maxPixels);

// Parses an amount as a user writes it: "6G", "6GB", "512M", "2.5g", or plain bytes.
// Returns 0 for anything else.
qint64 parseMemoryAmount(const QString &text);
