#include "imaging/ImageDifference.h"

#include <cstdlib>

double meanAbsoluteDifference(const QImage &a, const QImage &b)
{
    if (a.size() != b.size() || a.format() != b.format() || a.depth() != 32 || a.isNull())
        return -1.0;
    double sum = 0;
    for (int y = 0; y < a.height(); ++y) {
        const uchar *p = a.constScanLine(y), *q = b.constScanLine(y);
        qint64 row = 0;
        for (int x = 0; x < a.width() * 4; ++x)
            row += std::abs(int(p[x]) - int(q[x]));
        sum += double(row);
    }
    return sum / (double(a.width()) * a.height() * 4);
}
