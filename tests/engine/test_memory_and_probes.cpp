// The memory budget of a render, the header probes that run before decoding, and the
// writers' refusals of what is not a regular file.
#include "PhotoBytes.h"
#include "TestImages.h"

#include "encode/PngWriter.h"
#include "imaging/Geometry.h"
#include "imaging/HeaderProbe.h"
#include "imaging/MemoryBudget.h"
#include "imaging/PhotoLoader.h"
#include "model/ProjectMode.h"
#include "render/CompositePipeline.h"
#include "render/PassMemory.h"
#include "render/RenderPass.h"
#include "render/ShapePipeline.h"

#include <QBuffer>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <sys/stat.h>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

constexpr double kMB = double(1 << 20);

// Restores the default budget when a test that changed it ends.
struct BudgetScope {
    explicit BudgetScope(qint64 bytes) { setMemoryBudget(bytes); }
    ~BudgetScope() { setMemoryBudget(0); }
};

NewPhoto placed(quint64 mode, float size, float x = 0, float y = 0)
{
    NewPhoto photo = makePhoto(QImage(), QStringLiteral("layer.png"), mode);
    photo->bCompositeSizeOfBG = false;
    photo->f_Composite_Size = photo->f_Shape_Size = size;
    photo->f_Composite_X_Offset = photo->f_Shape_X_Offset = x;
    photo->f_Composite_Y_Offset = photo->f_Shape_Y_Offset = y;
    return photo;
}

// A grey 4 x 4 PNG (value 128) with the given gAMA value (none for 0) and, if asked,
// an sRGB chunk, both placed right after the header.
QByteArray greyPng(quint32 gamma, bool srgb)
{
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(qRgb(128, 128, 128));
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    QByteArray colour;
    if (gamma) {
        QByteArray value;
        for (int shift = 24; shift >= 0; shift -= 8)
            value.append(char((gamma >> shift) & 0xFF));
        colour += pngChunk("gAMA", value);
    }
    if (srgb)
        colour += pngChunk("sRGB", QByteArray(1, '\0'));
    const qsizetype afterHeader = 8 + 25;
    // Qt writes chunks of its own (text, pHYs) but none about colour for this picture.
    return png.left(afterHeader) + colour + png.mid(afterHeader);
}

QByteArray jpegBytes()
{
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG");
    return jpeg;
}

} // namespace

TEST(MemoryBudget, AmountsAreParsedAndToldInPlainUnits)
{
    const struct {
        const char *text;
        qint64 bytes;
    } amounts[] = {{"4G", qint64(4) << 30},
                   {"512M", qint64(512) << 20},
                   {"2.5g", qint64(5) << 29},
                   {"6GB", qint64(6) << 30},
                   {"1048576", 1 << 20},
                   {"lots", 0},
                   {"-3G", 0},
                   {"0", 0},
                   {"99999999999T", 0}};
    for (const auto &a : amounts)
        EXPECT_EQ(parseMemoryAmount(QLatin1String(a.text)), a.bytes) << a.text;
    EXPECT_EQ(memoryAmount(double(qint64(6) << 30)), QStringLiteral("6.0 GB"));
    EXPECT_EQ(memoryAmount(300 * kMB), QStringLiteral("300 MB"));
    EXPECT_TRUE(
        overBudgetReason(qInf(), 1 << 30, QStringLiteral("render")).contains("than any computer has"));
    EXPECT_GT(defaultMemoryBudget(), qint64(256) << 20);
    {
        const BudgetScope scope(qint64(1) << 30);
        EXPECT_EQ(memoryBudget(), qint64(1) << 30);
    }
    EXPECT_EQ(memoryBudget(), defaultMemoryBudget());
}

// A refusal tells the need and the budget so that the two differ when they differ: in
// their own units, with more decimals, or at worst in bytes.
TEST(MemoryBudget, TheTwoAmountsOfARefusalDiffer)
{
    constexpr double kGB = 1024.0 * kMB;
    const struct {
        double need;
        qint64 budget;
        const char *needText, *budgetText;
    } rows[] = {
        {14.0 * 1024, 1024, "14 KB", "1 KB"}, // --memory-budget 1k: once "1 MB" and "1 MB"
        {2000.0, 1000, "2 KB", "1000 bytes"},
        {300.0 * kMB, qint64(200) << 20, "300 MB", "200 MB"},
        {1.04 * kGB, qint64(1) << 30, "1.04 GB", "1.00 GB"},
        {6.0 * kGB + kMB, qint64(6) << 30, "6.001 GB", "6.000 GB"},
        {kMB + 1.0, qint64(1) << 20, "1048577 bytes", "1048576 bytes"},
    };
    for (const auto &row : rows)
        EXPECT_EQ(overBudgetReason(row.need, row.budget, QStringLiteral("render")),
                  QStringLiteral("needs about %1 of memory to render, more than the %2 allowed")
                      .arg(QLatin1String(row.needText), QLatin1String(row.budgetText)))
            << row.needText;
}

// The estimate of every kind of pass grows with what the user controls (photo sizes,
// size and offsets, the number of photos, the view), and a hostile value counts as more
// than any budget.
TEST(MemoryBudget, PassNeedCountsPhotosCanvasesStripAndView)
{
    const ViewTarget capture{QSizeF(0, 0), 1.0, true};
    const QSizeF twelve(4000, 3000);
    const double photo = 4000.0 * 3000 * 4;
    ProjectOptions fullResolution;
    fullResolution.fullResolution = true;
    NewPhoto feathered = placed(Shape, 900);
    feathered->f_Shape_Feather = 50.0f;
    const struct {
        const char *what;
        quint64 mode;
        NewPhotoList photos;
        QList<QSizeF> sizes;
        ViewTarget view;
        double atLeast, atMost;
        ProjectOptions options = {};
    } cases[] = {
        {"two photos stretched",
         Composite,
         {placed(Composite, 0), placed(Composite, 0)},
         {twelve, twelve},
         capture,
         2 * photo + 3 * photo,
         2 * photo + 5 * photo},
        {"a layer ten times larger",
         Shape,
         {placed(Shape, 0), placed(Shape, 900)},
         {twelve, twelve},
         capture,
         2 * photo + 400 * photo,
         2 * photo + 600 * photo},
        {"a tall and a wide photo",
         Composite,
         {placed(Composite, 0), placed(Composite, 0)},
         {QSizeF(2, 30000), QSizeF(30000, 2)},
         capture,
         2 * 30000.0 * 30000 * 4,
         3 * 30000.0 * 30000 * 4},
        {"a preview of the pair works on reduced copies",
         Composite,
         {placed(Composite, 0), placed(Composite, 0)},
         {twelve, twelve},
         {QSizeF(500, 375), 1.0, false},
         2 * photo,
         3 * photo},
        {"a huge view",
         Transparent,
         {placed(Transparent, 30), placed(Transparent, 30)},
         {twelve, twelve},
         {QSizeF(99999, 99999), 1.0, false},
         2 * 99999.0 * 99999 * 4,
         3 * 99999.0 * 99999 * 4},
        {"2000 photos in a strip", LinearVertical, NewPhotoList(2000, placed(LinearVertical, 0)),
         QList<QSizeF>(2000, QSizeF(40, 30)), capture, 2000 * 400.0 * 300 * 4, 2000 * 400.0 * 300 * 4 * 3},
        // The photos, their copies stretched to the 4000 x 3000 frame, a strip of ten
        // frames and the seam of two with its copies.
        {"ten photos in a full-resolution strip", LinearHorizontal,
         NewPhotoList(10, placed(LinearHorizontal, 0)), QList<QSizeF>(10, twelve), capture, 38 * photo,
         40 * photo, fullResolution},
        {"a full-resolution strip's preview works on 400-pixel copies",
         LinearHorizontal,
         NewPhotoList(10, placed(LinearHorizontal, 0)),
         QList<QSizeF>(10, twelve),
         {QSizeF(500, 375), 1.0, false},
         10 * photo,
         14 * photo,
         fullResolution},
        {"a feathered layer ten times larger",
         Shape,
         {placed(Shape, 0), feathered},
         {twelve, twelve},
         capture,
         2 * photo + 500 * photo,
         2 * photo + 700 * photo},
    };
    for (const auto &c : cases) {
        const double need = passMemoryNeed(c.photos, c.sizes, c.mode, c.view, c.options);
        EXPECT_GE(need, c.atLeast) << c.what << ": " << need / kMB << " MB";
        EXPECT_LE(need, c.atMost) << c.what << ": " << need / kMB << " MB";
    }
    const NewPhotoList overflowing = {placed(Composite, 0), placed(Composite, 1e38f * 10)};
    EXPECT_TRUE(std::isinf(passMemoryNeed(overflowing, {twelve, twelve}, Composite, capture)));
}

// Over the budget a pass allocates nothing and says so; a layer that cannot be drawn
// fails the pass with its reason instead of disappearing from the picture.
TEST(MemoryBudget, PassesOverBudgetOrWithAnUndrawableLayerFailWithTheReason)
{
    const QImage image = gradientImage(400, 300);
    NewPhotoList photos = {makePhoto(image, "a.png", Composite), makePhoto(image, "b.png", Composite)};
    {
        const BudgetScope scope(qint64(1) << 20);
        for (const quint64 mode : {Composite, Shape, LinearHorizontal, Transparent}) {
            const PassResult pass = renderPass(photos, mode, QSizeF(0, 0), true);
            EXPECT_TRUE(pass.mixed.isNull() && pass.draws.isEmpty()) << "mode " << mode;
            EXPECT_TRUE(pass.error.contains(QRegularExpression("needs about [0-9.]+ MB of memory to render, "
                                                               "more than the 1 MB allowed")))
                << pass.error.toStdString();
        }
    }
    EXPECT_FALSE(renderPass(photos, Composite, QSizeF(0, 0), true).failed());
    {
        // The preview over the budget shows the beginning of the list that fits: here the
        // background alone, as a one-photo list draws it.
        const QSizeF view(400, 300);
        const NewPhotoList background = {photos[0]};
        const double alone = passMemoryNeed(background, Transparent, {view, 1.0, false});
        const double both = passMemoryNeed(photos, Transparent, {view, 1.0, false});
        ASSERT_LT(alone, both);
        const BudgetScope scope(qint64((alone + both) / 2));
        const PassResult preview = renderPass(photos, Transparent, view, false);
        EXPECT_FALSE(preview.failed()) << preview.error.toStdString();
        const PassResult alonePass = renderPass(background, Transparent, view, false);
        ASSERT_EQ(preview.draws.size(), alonePass.draws.size());
        ASSERT_FALSE(preview.draws.isEmpty());
        for (qsizetype i = 0; i < preview.draws.size(); ++i)
            EXPECT_TRUE(preview.draws[i].image == alonePass.draws[i].image &&
                        preview.draws[i].rect == alonePass.draws[i].rect);
        EXPECT_TRUE(renderPass(photos, Transparent, view, true).failed());
    }
    for (const quint64 mode : {Composite, Shape}) {
        photos[1] = placed(mode, std::numeric_limits<float>::infinity());
        photos[1]->image = image;
        // The pipeline alone, as if the estimate had let it through.
        const PassResult pass = mode == Composite ? renderComposite(photos, {QSizeF(0, 0), 1.0, true})
                                                  : renderShape(photos, {QSizeF(0, 0), 1.0, true});
        EXPECT_EQ(pass.error.toStdString(),
                  "photo 2 (\u201Clayer.png\u201D) cannot be drawn: its size and offsets are "
                  "too large to draw.");
        EXPECT_TRUE(renderPass(photos, mode, QSizeF(0, 0), true).failed()) << "mode " << mode;
    }
}

// The size a capture will have, known from the photos' sizes before decoding, is the
// size the pipelines give the picture (within the rounding of a side).
TEST(MemoryBudget, CapturedPictureSizeIsThePipelinesOwn)
{
    const auto photo = [](quint64 mode, int w, int h, float size = 0, float x = 0, float y = 0,
                          float level = 0) {
        NewPhoto made = placed(mode, size, x, y);
        made->f_Transparent_Size = size;
        made->f_Transparent_X_Offset = x;
        made->f_Transparent_Y_Offset = y;
        made->image = gradientImage(w, h);
        made->f_Linear_Intersection_Level = level;
        return made;
    };
    const struct {
        const char *what;
        quint64 mode;
        PhotoList photos;
    } cases[] = {
        {"one photo", Shape, {photo(Shape, 70, 50)}},
        {"a placed layer past the frame",
         Composite,
         {photo(Composite, 80, 60), photo(Composite, 50, 40, 50, 60, 30)}},
        {"a large layer, then a small one",
         Composite,
         {photo(Composite, 80, 60), photo(Composite, 50, 40, 300), photo(Composite, 20, 10)}},
        {"shape layers growing the picture",
         Shape,
         {photo(Shape, 80, 60), photo(Shape, 50, 40, 100, 10), photo(Shape, 30, 90, 0, 0, 20)}},
        {"a seam of two",
         LinearHorizontal,
         {photo(LinearHorizontal, 80, 60), photo(LinearHorizontal, 70, 50, 0, 0, 0, 90)}},
        {"a strip of three",
         LinearVertical,
         {photo(LinearVertical, 80, 60), photo(LinearVertical, 70, 50, 0, 0, 0, 40),
          photo(LinearVertical, 30, 90, 0, 0, 0, 200)}},
        {"transparent layers",
         Transparent,
         {photo(Transparent, 80, 60, 150), photo(Transparent, 40, 30, 300, 50, 50)}},
    };
    for (const auto &c : cases) {
        QList<QSizeF> sizes;
        for (const PhotoPtr &p : c.photos)
            sizes.append(imageSizeF(p->image));
        const QSizeF estimate = capturedPictureSize(c.photos, sizes, c.mode);
        const PassResult pass = renderPass(c.photos, c.mode, QSizeF(0, 0), true);
        ASSERT_FALSE(pass.mixed.isNull()) << c.what;
        EXPECT_NEAR(estimate.width(), pass.mixed.width(), 1.0) << c.what;
        EXPECT_NEAR(estimate.height(), pass.mixed.height(), 1.0) << c.what;
    }
}

// A photo or layer with a side longer than a picture can have fails the pass naming the
// photo, whatever the mode and in previews too, instead of being left out; a layer empty
// by design, or a Transparent enlargement (drawn straight from the photo, clipped), is no
// failure.
TEST(MemoryBudget, APhotoOrLayerTooLargeToDrawFailsThePassNamingIt)
{
    const auto photo = [](quint64 mode, int w, int h, float size = 0) {
        NewPhoto made = placed(mode, size);
        made->f_Transparent_Size = size;
        made->image = solidImage(w, h, qRgb(200, 100, 50));
        return made;
    };
    const int past = kLargestPixelSide + 1;
    const struct {
        const char *what;
        quint64 mode;
        PhotoList photos;
        int failing; // the photo's number, 0 for none
        const char *size;
    } cases[] = {
        {"a wide Composite background",
         Composite,
         {photo(Composite, past, 1), photo(Composite, 60, 40)},
         1,
         "1048577 \u00D7 1"},
        {"a tall Composite photo",
         Composite,
         {photo(Composite, 60, 40), photo(Composite, 2, past)},
         2,
         "2 \u00D7 1048577"},
        {"a Composite layer enlarged past the side",
         Composite,
         {photo(Composite, 60, 40), photo(Composite, 300000, 2, 300)},
         2,
         "1200000 \u00D7 8"},
        {"a wide Shape background",
         Shape,
         {photo(Shape, past, 1), photo(Shape, 60, 40)},
         1,
         "1048577 \u00D7 1"},
        {"a Shape layer enlarged past the side",
         Shape,
         {photo(Shape, 60, 40), photo(Shape, 300000, 2, 300)},
         2,
         "1200000 \u00D7 8"},
        {"a wide Transparent background",
         Transparent,
         {photo(Transparent, past, 1), photo(Transparent, 60, 40, 50)},
         1,
         "1048577 \u00D7 1"},
        {"a Transparent layer reduced to a side still too long",
         Transparent,
         {photo(Transparent, 1000000, 2), photo(Transparent, 1200000, 1, 110)},
         2,
         "1100000 \u00D7 1"},
        {"a Transparent enlargement",
         Transparent,
         {photo(Transparent, 600000, 2), photo(Transparent, 60, 40, 200)},
         0,
         ""},
        {"a Composite layer empty by design",
         Composite,
         {photo(Composite, 60, 40), photo(Composite, 300000, 2, -100)},
         0,
         ""},
    };
    for (const auto &c : cases) {
        for (const bool capture : {true, false}) {
            SCOPED_TRACE(std::string(c.what) + (capture ? ", capture" : ", preview"));
            const PassResult pass =
                renderPass(c.photos, c.mode, capture ? QSizeF(0, 0) : QSizeF(400, 300), capture);
            if (c.failing == 0) {
                EXPECT_FALSE(pass.failed()) << pass.error.toStdString();
                continue;
            }
            EXPECT_TRUE(pass.mixed.isNull() && pass.draws.isEmpty());
            const QString expected =
                QStringLiteral("photo %1 (\u201Clayer.png\u201D) cannot be drawn: it would be "
                               "drawn %2 pixels large, and a picture is at most 1048576 "
                               "pixels wide and high.")
                    .arg(c.failing)
                    .arg(QString::fromUtf8(c.size));
            EXPECT_EQ(pass.error.toStdString(), expected.toStdString());
        }
    }
}

TEST(HeaderProbe, JpegScansAreCountedWithoutTrustingLengths)
{
    const QByteArray jpeg = jpegBytes();
    const qsizetype scan = jpeg.indexOf(QByteArray("\xFF\xDA", 2));
    ASSERT_GT(scan, 0);
    const QByteArray head = jpeg.left(scan), body = jpeg.mid(scan, jpeg.size() - 2 - scan);
    const QByteArray end("\xFF\xD9", 2);
    const struct {
        const char *what;
        QByteArray bytes;
        int scans;
    } cases[] = {
        {"a baseline picture", jpeg, 1},
        {"twelve scans", head + body.repeated(12) + end, 12},
        {"counting stops just past the limit", head + body.repeated(500) + end, 101},
        {"cut in its first scan", jpeg.left(scan + 20), 1},
        {"a length past the end", head + QByteArray("\xFF\xE1\xFF\xFF", 4), 0},
        {"not a JPEG", QByteArray("GIF89a"), 0},
        {"nothing", QByteArray(), 0},
    };
    for (const auto &c : cases)
        EXPECT_EQ(countJpegScans(c.bytes, 100), c.scans) << c.what;
}

// libpng's own test: a gamma whose product with 2.2 is within 5 % of 1 is sRGB.
TEST(HeaderProbe, PngGammaNearOneOverTwoPointTwoLoadsAsSrgb)
{
    for (const auto &[gamma, srgb] : {std::pair{45455u, true},
                                      {43182u, true},
                                      {43181u, false},
                                      {47727u, true},
                                      {47728u, false},
                                      {100000u, false},
                                      {0u, false}})
        EXPECT_EQ(pngGammaIsSrgb(gamma), srgb) << gamma;

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const struct {
        quint32 gamma;
        bool srgbChunk;
        bool unchanged; // the stored value 128 comes out as it is
    } cases[] = {{45455, false, true}, {45000, false, true},   {0, false, true},
                 {45455, true, true},  {100000, false, false}, {70000, false, false}};
    for (const auto &c : cases) {
        const QString path = dir.filePath(QStringLiteral("g%1.png").arg(c.gamma));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(greyPng(c.gamma, c.srgbChunk));
        file.close();
        const LoadResult loaded = loadPhoto(path);
        ASSERT_TRUE(loaded.ok()) << loaded.error.toStdString();
        EXPECT_EQ(qRed(loaded.image.pixel(0, 0)) == 128, c.unchanged)
            << "gAMA " << c.gamma << " gives " << qRed(loaded.image.pixel(0, 0));
    }
}

TEST(OutputFiles, OnlyRegularFilesAreReplacedAndAFullDiskIsToldSo)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString fifo = dir.filePath("fifo.png");
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0644), 0);
    const WriteResult written = writePng(solidImage(4, 4, qRgb(1, 2, 3)), fifo);
    EXPECT_FALSE(written.ok);
    EXPECT_TRUE(written.error.contains("not a regular file")) << written.error.toStdString();
    EXPECT_FALSE(QFileInfo(fifo).isFile()) << "the FIFO is still there";

    const LoadResult fromFifo = loadPhoto(fifo);
    EXPECT_TRUE(fromFifo.error.endsWith("it is not a regular file.")) << fromFifo.error.toStdString();

    QFile full(QStringLiteral("/dev/full"));
    if (!full.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        GTEST_SKIP() << "no /dev/full here";
    EXPECT_FALSE(writeAll(full, QByteArray(1 << 16, 'x')));
    EXPECT_EQ(writeFailureReason(full), QStringLiteral("the disk is full."));
}
