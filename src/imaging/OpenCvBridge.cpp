#include "imaging/OpenCvBridge.h"

#include <QtEndian>

#include <mutex>

static_assert(Q_BYTE_ORDER == Q_LITTLE_ENDIAN, "a canonical pixel's bytes are B, G, R, A");

void useOpenCvSerially()
{
    static std::once_flag once;
    std::call_once(once, [] {
        cv::setNumThreads(0);
        // OpenCV makes the operation behind cv::Mat::zeros on its first use, under a lock
        // of its own: make it here, once, before bands of work use it on several threads.
        const cv::Mat warm = cv::Mat::zeros(1, 1, CV_32F);
    });
}

cv::Mat matOfPicture(const QImage &picture)
{
    return cv::Mat(picture.height(), picture.width(), CV_8UC4, const_cast<uchar *>(picture.constBits()),
                   size_t(picture.bytesPerLine()));
}
