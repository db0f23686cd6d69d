// quillane-mix and the fifth project type: a fusion project renders what the window's
// pass renders, --align aligns the later photos first (and fails in one line when a
// photo has nothing in common with the background), and only where photos are warped.
#include "MixFixture.h"

#include "imaging/ExposureFusion.h"
#include "model/ProjectFile.h"
#include "model/ProjectMode.h"
#include "render/RenderPass.h"

#include <QColorSpace>
#include <QPainter>
#include <QRandomGenerator>

namespace {

// Random rectangles over grey: a scene with corners everywhere.
QImage scene(quint32 seed, QPointF shift = {})
{
    QRandomGenerator random(seed);
    QImage image(320, 240, QImage::Format_RGB32);
    image.fill(QColor(128, 128, 128));
    QPainter painter(&image);
    painter.translate(shift);
    for (int i = 0; i < 250; ++i)
        painter.fillRect(
            QRectF(random.bounded(320), random.bounded(240), 5 + random.bounded(30), 5 + random.bounded(30)),
            QColor::fromRgb(random.bounded(256), random.bounded(256), random.bounded(256)));
    return image;
}

// The picture with every channel scaled (a brighter or darker exposure).
QImage exposed(const QImage &picture, double gain)
{
    QImage out = picture.copy();
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x) {
            const QRgb v = out.pixel(x, y);
            const auto c = [gain](int channel) { return std::min(255, int(channel * gain)); };
            out.setPixel(x, y, qRgb(c(qRed(v)), c(qGreen(v)), c(qBlue(v))));
        }
    return out;
}

class MixFusion : public QuillaneMix {
  protected:
    void SetUp() override
    {
        QuillaneMix::SetUp();
        exposed(scene(1), 0.6).save(dir.filePath("dark.png"));
        exposed(scene(1), 1.5).save(dir.filePath("bright.png"));
        exposed(scene(1, QPointF(6, -4)), 1.5).save(dir.filePath("moved.png"));
        scene(2).save(dir.filePath("other.png"));
    }
};

TEST_F(MixFusion, APictureAsTheWindowsPassMakesIt)
{
    const QByteArray json = R"({"mode": "fusion", "fusion": {"contrast": 0.5, "saturation": 1, "exposure": 2},
        "photos": [{"file": "dark.png"}, {"file": "bright.png"}]})";
    const MixRun result = run({"-o", out(), project("f.quillane", json)});
    ASSERT_EQ(result.status, 0) << result.err.toStdString();
    const ProjectParse parse = parseProject(json, dir.path());
    for (const NewPhoto &photo : parse.project.photos)
        photo->image = QImage(photo->sFile).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage pass =
        renderPass(parse.project.photos, Fusion, QSizeF(), true, 1.0, parse.project.options).mixed;
    QImage written = QImage(out()).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    written.setColorSpace(QColorSpace()); // the file is tagged sRGB; the pixels are compared
    EXPECT_EQ(written, pass);
}

TEST_F(MixFusion, AlignBringsAMovedPhotoBackOntoTheBackground)
{
    const QString file = project("a.quillane", R"({"mode": "fusion", "photos": [{"file": "dark.png"},
        {"file": "moved.png"}]})");
    const MixRun unaligned = run({"-o", dir.filePath("unaligned.png"), file});
    const MixRun aligned = run({"--align", "-o", out(), file});
    ASSERT_EQ(aligned.status, 0) << aligned.err.toStdString();
    ASSERT_EQ(unaligned.status, 0) << unaligned.err.toStdString();
    const QImage expected = fuseExposures(
        {QImage(dir.filePath("dark.png")).convertToFormat(QImage::Format_ARGB32_Premultiplied),
         QImage(dir.filePath("bright.png")).convertToFormat(QImage::Format_ARGB32_Premultiplied)},
        FusionWeights{});
    const auto offPixels = [&](const QImage &picture) {
        int off = 0;
        for (int y = 10; y < 230; ++y)
            for (int x = 10; x < 300; ++x)
                off += std::abs(qGray(picture.pixel(x, y)) - qGray(expected.pixel(x, y))) > 6;
        return off;
    };
    // Resampled once, the hard edges of the rectangles soften: a few pixels in a hundred.
    EXPECT_LT(offPixels(QImage(out())), 220 * 290 * 3 / 100);
    EXPECT_GT(offPixels(QImage(dir.filePath("unaligned.png"))), 220 * 290 / 10);
}

TEST_F(MixFusion, AlignFailsInOneLineForAPhotoWithNothingInCommon)
{
    const MixRun result = run({"--align", "-o", out(),
                               project("n.quillane", R"({"mode": "composite", "photos": [{"file": "dark.png"},
        {"file": "other.png"}]})")});
    EXPECT_EQ(result.status, 1);
    EXPECT_TRUE(result.err.contains(QStringLiteral("Photo 2 (\u201Cother.png\u201D) could not be aligned")))
        << result.err.toStdString();
    EXPECT_EQ(result.err.trimmed().count(QLatin1Char('\n')), 0);
    EXPECT_FALSE(QFile::exists(out()));
    const MixRun shape =
        run({"--align", "-o", out(),
             project("s.quillane", R"({"mode": "shape", "photos": [{"file": "dark.png"}]})")});
    EXPECT_EQ(shape.status, 2);
    EXPECT_TRUE(
        shape.err.contains(QStringLiteral("--align is for composite and fusion projects, not shape")));
}

TEST_F(MixFusion, HelpTellsTheModeTheKeysAndTheOption)
{
    const MixRun help = run({"--help"});
    for (const char *text : {"--align", "fusion (exposure fusion", "\"fusion\"", "\"alignment\""})
        EXPECT_TRUE(help.out.contains(QLatin1String(text))) << text;
}

} // namespace
