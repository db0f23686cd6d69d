#include "imaging/Alignment.h"

#include "imaging/OpenCvBridge.h"
#include "imaging/Parallel.h"

#include <QCoreApplication>
#include <QTransform>

#include <opencv2/calib3d.hpp>
#include <opencv2/features2d.hpp>
#include <opencv2/imgproc.hpp>

#include <array>
#include <cmath>
#include <exception>
#include <new>
#include <vector>

namespace {

constexpr int kCoarseSide = 2048; // features are found on copies at most this large
constexpr int kFeatures = 2500;
constexpr float kRatio = 0.8f;           // a match must beat the second best by this much
constexpr double kCoarseTolerance = 3.0; // pixels of the copies, for RANSAC
constexpr int kPatch = 48;               // the refinement's patches of the background
constexpr int kGridColumns = 16;
constexpr int kGridRows = 12;
constexpr double kLeastPatchDeviation = 4.0; // a flat patch tells nothing
constexpr double kLeastCorrelation = 0.8;
constexpr double kFineTolerance = 1.0; // pixels, for the refined fit
constexpr int kLeastPatches = 12;
constexpr double kLargestAreaChange = 4.0; // the photo covers 1/4 to 4 times the background

// A picture's luminance, equalised, at full resolution and reduced by `factor`.
struct Luminance {
    cv::Mat full;
    cv::Mat reduced;
};

Luminance luminanceOf(const QImage &picture, int factor)
{
    Luminance lum;
    cv::cvtColor(matOfPicture(picture), lum.full, cv::COLOR_BGRA2GRAY);
    cv::equalizeHist(lum.full, lum.full);
    cv::resize(lum.full, lum.reduced, cv::Size(picture.width() / factor, picture.height() / factor), 0, 0,
               cv::INTER_AREA);
    return lum;
}

// The power of two that brings the larger picture's longer side to kCoarseSide or less.
int reductionFor(QSize a, QSize b)
{
    const int side = std::max({a.width(), a.height(), b.width(), b.height()});
    int factor = 1;
    while (side / factor > kCoarseSide)
        factor *= 2;
    return factor;
}

struct Features {
    std::vector<cv::KeyPoint> points;
    cv::Mat descriptors;
};

Features featuresOf(const cv::Mat &image)
{
    Features features;
    cv::ORB::create(kFeatures)->detectAndCompute(image, cv::noArray(), features.points, features.descriptors);
    return features;
}

// Matched positions: in the photo and on the background.
struct Pairs {
    std::vector<cv::Point2f> photo;
    std::vector<cv::Point2f> background;
};

Pairs matchedPairs(const Features &photo, const Features &background)
{
    Pairs pairs;
    if (photo.descriptors.empty() || background.descriptors.empty())
        return pairs;
    std::vector<std::vector<cv::DMatch>> matches;
    cv::BFMatcher(cv::NORM_HAMMING).knnMatch(photo.descriptors, background.descriptors, matches, 2);
    for (const auto &best : matches)
        if (best.size() == 2 && best[0].distance < kRatio * best[1].distance) {
            pairs.photo.push_back(photo.points[size_t(best[0].queryIdx)].pt);
            pairs.background.push_back(background.points[size_t(best[0].trainIdx)].pt);
        }
    return pairs;
}

// A fitted homography and how many pairs agreed with it.
struct Fit {
    cv::Matx33d h;
    int agreeing = 0;
};

Fit fitHomography(const Pairs &pairs, double tolerance)
{
    if (pairs.photo.size() < 4)
        return {};
    std::vector<uchar> inliers;
    const cv::Mat h =
        cv::findHomography(pairs.photo, pairs.background, cv::RANSAC, tolerance, inliers, 5000, 0.999);
    if (h.empty())
        return {};
    return {cv::Matx33d(h), cv::countNonZero(inliers)};
}

// Pixel centres of a copy reduced by `factor` (area averaging) in full-resolution pixels.
cv::Matx33d fromReduced(int factor)
{
    const double f = factor;
    return {f, 0, (f - 1) / 2, 0, f, (f - 1) / 2, 0, 0, 1};
}

cv::Point2d apply(const cv::Matx33d &h, cv::Point2d p)
{
    const cv::Vec3d v = h * cv::Vec3d(p.x, p.y, 1.0);
    return {v[0] / v[2], v[1] / v[2]};
}

// The parabola's peak through three samples around the middle one, as an offset.
double peakOffset(float before, float at, float after)
{
    const double curve = double(before) - 2.0 * at + after;
    return curve < 0.0 ? 0.5 * (double(before) - after) / curve : 0.0;
}

// Where the background's patch centred on `q` lies in the photo, through `toPhoto` (a
// background pixel to a photo pixel) and a search of `reach` pixels around it. False
// for a flat patch or no clear match.
bool findPatch(const Luminance &background, const Luminance &photo, const cv::Matx33d &toPhoto, cv::Point q,
               int reach, cv::Point2f &inPhoto)
{
    const cv::Mat patch = background.full(cv::Rect(q.x - kPatch / 2, q.y - kPatch / 2, kPatch, kPatch));
    cv::Scalar mean, deviation;
    cv::meanStdDev(patch, mean, deviation);
    if (deviation[0] < kLeastPatchDeviation)
        return false;
    const int side = kPatch + 2 * reach;
    const cv::Point2d corner(q.x - kPatch / 2 - reach, q.y - kPatch / 2 - reach);
    const cv::Matx33d windowToPhoto = toPhoto * cv::Matx33d(1, 0, corner.x, 0, 1, corner.y, 0, 0, 1);
    cv::Mat window, score;
    cv::warpPerspective(photo.full, window, cv::Mat(windowToPhoto), cv::Size(side, side),
                        cv::INTER_LINEAR | cv::WARP_INVERSE_MAP, cv::BORDER_CONSTANT, 0);
    cv::matchTemplate(window, patch, score, cv::TM_CCOEFF_NORMED);
    double best = 0.0;
    cv::Point at;
    cv::minMaxLoc(score, nullptr, &best, nullptr, &at);
    if (best < kLeastCorrelation || at.x <= 0 || at.y <= 0 || at.x >= score.cols - 1 ||
        at.y >= score.rows - 1)
        return false;
    const double dx = peakOffset(score.at<float>(at.y, at.x - 1), score.at<float>(at.y, at.x),
                                 score.at<float>(at.y, at.x + 1));
    const double dy = peakOffset(score.at<float>(at.y - 1, at.x), score.at<float>(at.y, at.x),
                                 score.at<float>(at.y + 1, at.x));
    const cv::Point2d shift(at.x + dx - reach, at.y + dy - reach);
    inPhoto = cv::Point2f(apply(toPhoto, cv::Point2d(q) + shift));
    return true;
}

// One refinement: patches on a grid over the background, found in the photo through
// `h`, and the homography fitted to them (h itself when too few are found).
Fit refine(const Luminance &background, const Luminance &photo, const Fit &h, int reach)
{
    const int margin = kPatch / 2 + reach + 2;
    const int width = background.full.cols - 2 * margin;
    const int height = background.full.rows - 2 * margin;
    if (width <= 0 || height <= 0)
        return h;
    const cv::Matx33d toPhoto = h.h.inv();
    std::vector<std::array<cv::Point2f, 2>> found(size_t(kGridColumns * kGridRows));
    std::vector<char> ok(found.size(), 0);
    parallelTasks(int(found.size()), [&](int i) {
        const cv::Point q(margin + width * (i % kGridColumns) / (kGridColumns - 1),
                          margin + height * (i / kGridColumns) / (kGridRows - 1));
        found[size_t(i)][1] = cv::Point2f(q);
        ok[size_t(i)] = findPatch(background, photo, toPhoto, q, reach, found[size_t(i)][0]);
    });
    Pairs pairs;
    for (size_t i = 0; i < found.size(); ++i)
        if (ok[i]) {
            pairs.photo.push_back(found[i][0]);
            pairs.background.push_back(found[i][1]);
        }
    if (int(pairs.photo.size()) < kLeastPatches)
        return h;
    const Fit fine = fitHomography(pairs, kFineTolerance);
    return fine.agreeing >= kLeastPatches ? Fit{fine.h, h.agreeing} : h;
}

// The photo's outline on the background, in normalised coordinates, as a share of the
// background's area (shoelace formula); negative when the photo is mirrored.
double coveredArea(const PhotoAlignment &h)
{
    const std::array<QPointF, 4> corners = {mapNormalised(h, {0, 0}), mapNormalised(h, {1, 0}),
                                            mapNormalised(h, {1, 1}), mapNormalised(h, {0, 1})};
    double twice = 0.0;
    for (size_t i = 0; i < 4; ++i)
        twice += corners[i].x() * corners[(i + 1) % 4].y() - corners[(i + 1) % 4].x() * corners[i].y();
    return twice / 2.0;
}

// The mapping between pixel centres (OpenCV's coordinates) as a normalised alignment.
PhotoAlignment normalised(const cv::Matx33d &h, QSize photo, QSize background)
{
    const cv::Matx33d edges =
        cv::Matx33d(1, 0, 0.5, 0, 1, 0.5, 0, 0, 1) * h * cv::Matx33d(1, 0, -0.5, 0, 1, -0.5, 0, 0, 1);
    const QTransform pixels(edges(0, 0), edges(1, 0), edges(2, 0), edges(0, 1), edges(1, 1), edges(2, 1),
                            edges(0, 2), edges(1, 2), edges(2, 2));
    return alignmentFromPixels(pixels, QSizeF(photo), QSizeF(background));
}

QString tooFewMatches(int agreeing)
{
    return QCoreApplication::translate(
               "Alignment", "too few details match the background (%1 agree, at least %2 are needed)")
        .arg(agreeing)
        .arg(kLeastAlignmentMatches);
}

} // namespace

namespace {

AlignmentSearch searchAlignment(const QImage &background, const QImage &photo)
{
    AlignmentSearch search;
    if (background.isNull() || photo.isNull()) {
        search.failure = tooFewMatches(0);
        return search;
    }
    const int factor = reductionFor(background.size(), photo.size());
    std::array<Luminance, 2> lum;
    std::array<Features, 2> features;
    std::array<bool, 2> outOfMemory{};
    parallelTasks(2, [&](int i) {
        try { // nothing may leave a task's thread: it would end the program
            lum[size_t(i)] = luminanceOf(i == 0 ? background : photo, factor);
            features[size_t(i)] = featuresOf(lum[size_t(i)].reduced);
        } catch (const std::exception &) { // OpenCV's out-of-memory error, std::bad_alloc
            outOfMemory[size_t(i)] = true;
        }
    });
    if (outOfMemory[0] || outOfMemory[1])
        throw std::bad_alloc();
    Fit fit = fitHomography(matchedPairs(features[1], features[0]), kCoarseTolerance);
    search.matches = fit.agreeing;
    if (fit.agreeing < kLeastAlignmentMatches) {
        search.failure = tooFewMatches(fit.agreeing);
        return search;
    }
    fit.h = fromReduced(factor) * fit.h * fromReduced(factor).inv();
    fit = refine(lum[0], lum[1], fit, 4 * factor);
    fit = refine(lum[0], lum[1], fit, 4);
    const PhotoAlignment h = normalised(fit.h, photo.size(), background.size());
    const double area = coveredArea(h);
    if (!isUsableAlignment(h) || area < 1.0 / kLargestAreaChange || area > kLargestAreaChange) {
        search.failure = QCoreApplication::translate(
            "Alignment", "the details that match give no sensible mapping onto the background");
        return search;
    }
    search.alignment = h;
    return search;
}

} // namespace

AlignmentSearch findAlignment(const QImage &background, const QImage &photo)
{
    useOpenCvSerially();
    try {
        return searchAlignment(background, photo);
    } catch (const std::exception &) { // OpenCV's out-of-memory error, std::bad_alloc, no thread
        AlignmentSearch search;
        search.failure = QCoreApplication::translate(
            "Alignment", "there is not enough memory to compare it with the background");
        return search;
    }
}
