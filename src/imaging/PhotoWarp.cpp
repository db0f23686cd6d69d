#include "imaging/Alignment.h"
#include "imaging/OpenCvBridge.h"
#include "imaging/Parallel.h"

#include <opencv2/imgproc.hpp>

namespace {

constexpr int kWarpBandRows = 64;

// The alignment as OpenCV's mapping between pixel centres, from the frame's pixels back
// to the photo's.
cv::Matx33d frameToPhoto(const PhotoAlignment &h, QSize photo, QSize frame)
{
    const QTransform t = alignmentInPixels(h, QSizeF(photo), QSizeF(frame));
    const cv::Matx33d edges(t.m11(), t.m21(), t.m31(), t.m12(), t.m22(), t.m32(), t.m13(), t.m23(), t.m33());
    const cv::Matx33d centres =
        cv::Matx33d(1, 0, -0.5, 0, 1, -0.5, 0, 0, 1) * edges * cv::Matx33d(1, 0, 0.5, 0, 1, 0.5, 0, 0, 1);
    return centres.inv();
}

} // namespace

QImage warpPhoto(const QImage &photo, const PhotoAlignment &h, QSize frame)
{
    useOpenCvSerially();
    if (photo.isNull() || frame.isEmpty() || !isUsableAlignment(h))
        return {};
    QImage source = photo.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QImage warped(frame, QImage::Format_ARGB32_Premultiplied);
    if (warped.isNull() || source.isNull())
        return {};
    const cv::Mat from = matOfPicture(source);
    const cv::Matx33d back = frameToPhoto(h, photo.size(), frame);
    uchar *const bits = warped.bits(); // taken once: the bands write into it side by side
    const int bands = (frame.height() + kWarpBandRows - 1) / kWarpBandRows;
    parallelTasks(bands, [&](int band) {
        const int top = band * kWarpBandRows;
        const int rows = std::min(kWarpBandRows, frame.height() - top);
        cv::Mat to(rows, frame.width(), CV_8UC4, bits + qsizetype(top) * warped.bytesPerLine(),
                   size_t(warped.bytesPerLine()));
        const cv::Matx33d bandToPhoto = back * cv::Matx33d(1, 0, 0, 0, 1, top, 0, 0, 1);
        cv::warpPerspective(from, to, cv::Mat(bandToPhoto), to.size(),
                            cv::INTER_LINEAR | cv::WARP_INVERSE_MAP, cv::BORDER_CONSTANT,
                            cv::Scalar(0, 0, 0, 0));
    });
    return warped;
}
