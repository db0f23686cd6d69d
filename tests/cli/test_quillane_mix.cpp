// quillane-mix run as a process on small generated photos and projects.
#include "imaging/PhotoLoader.h"
#include "model/ProjectFile.h"
#include "model/ProjectMode.h"
#include "render/RenderPass.h"

#include "../engine/PreviewCompare.h"
#include "MixFixture.h"

#include "../engine/ExifSample.h"
#include "encode/CameraDetails.h"

#include <QBuffer>
#include <QColorSpace>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace {

// Every pixel against a picture described by a function, with a per-pixel tolerance.
::testing::AssertionResult matches(const QImage &image, QSize size,
                                   const std::function<QRgb(int, int)> &expected)
{
    if (image.size() != size)
        return ::testing::AssertionFailure() << "size " << image.width() << " x " << image.height();
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            if (const auto near = pixelNear(image, x, y, expected(x, y), 2); !near)
                return near;
    return ::testing::AssertionSuccess();
}

// Two pictures of the same size whose pixels agree within the golden thresholds.
::testing::AssertionResult similar(const QImage &actual, const QImage &expected)
{
    if (actual.size() != expected.size())
        return ::testing::AssertionFailure()
               << "size " << actual.width() << " x " << actual.height() << ", expected " << expected.width()
               << " x " << expected.height();
    int differing = 0, worst = 0;
    for (int y = 0; y < actual.height(); ++y)
        for (int x = 0; x < actual.width(); ++x) {
            const QRgb a = actual.pixel(x, y), e = expected.pixel(x, y);
            const int d = std::max({std::abs(qRed(a) - qRed(e)), std::abs(qGreen(a) - qGreen(e)),
                                    std::abs(qBlue(a) - qBlue(e)), std::abs(qAlpha(a) - qAlpha(e))});
            differing += d > 3;
            worst = std::max(worst, d);
        }
    if (worst <= 40 && differing * 200 <= actual.width() * actual.height())
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << differing << " pixels differ, the worst by " << worst;
}

} // namespace

TEST_F(QuillaneMix, CompositeLayerInTheLowerLeftCorner)
{
    const QString file = project("p.json", R"({"mode": "composite", "photos": [{"file": "grey.png"},
        {"file": "black.png", "blend": "Multiply Blend Mode", "matchBackground": false}]})");
    const MixRun result = run({"-o", out(), file});
    ASSERT_EQ(result.status, 0) << result.err.toStdString();
    EXPECT_TRUE(result.err.isEmpty());
    EXPECT_TRUE(matches(QImage(out()), QSize(40, 30),
                        [](int x, int y) { return x < 20 && y < 10 ? qRgb(0, 0, 0) : qRgb(128, 128, 128); }));
}

TEST_F(QuillaneMix, DefaultsAddTheStretchedPhotoFromStandardInput)
{
    const MixRun result =
        run({"-o", "out.png", "-"},
            R"({"mode": "composite", "photos": [{"file": "red.png"}, {"file": "blue.png"}]})");
    ASSERT_EQ(result.status, 0) << result.err.toStdString();
    EXPECT_TRUE(matches(QImage(out()), QSize(40, 30), [](int, int) { return qRgb(100, 0, 100); }));
}

TEST_F(QuillaneMix, ViewShowsThePictureFittedWithBlackBands)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir("sub"));
    const QString file = project("sub/p.json", R"({"mode": "shape", "photos": [{"file": "../grey.png"}]})");
    const MixRun result = run({"--view", "80x30", "-o", out(), file});
    ASSERT_EQ(result.status, 0) << result.err.toStdString();
    EXPECT_TRUE(matches(QImage(out()), QSize(80, 30),
                        [](int x, int) { return x >= 20 && x < 60 ? qRgb(128, 128, 128) : qRgb(0, 0, 0); }));
}

// --view shows what the canvas shows: the preview pass from reduced copies, painted the
// way the canvas paints it, pixel for pixel.
TEST_F(QuillaneMix, ViewIsTheCanvasDrawingFromReducedCopies)
{
    ASSERT_TRUE(texturedImage(1601, 1201).save(dir.filePath("big_a.png")));
    ASSERT_TRUE(texturedImage(999, 701, 1).save(dir.filePath("big_b.png")));
    const QString file = project("p.json", R"({"mode": "composite", "photos": [{"file": "big_a.png"},
        {"file": "big_b.png", "blend": "Multiply Blend Mode", "matchBackground": false, "size": 20, "x": 10, "y": 10}]})");
    const MixRun result = run({"--view", "300x200", "-o", out(), file});
    ASSERT_EQ(result.status, 0) << result.err.toStdString();

    NewPhotoList photos = {makePhoto(loadPhoto(dir.filePath("big_a.png")).image, "big_a.png", Composite),
                           makePhoto(loadPhoto(dir.filePath("big_b.png")).image, "big_b.png", Composite)};
    photos[1]->bCompositeSizeOfBG = false;
    photos[1]->m_Composite_Blend_Mode = 16;
    photos[1]->f_Composite_Size = 20.0f;
    photos[1]->f_Composite_X_Offset = photos[1]->f_Composite_Y_Offset = 10.0f;
    QImage canvas(300, 200, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&canvas);
    paintPass(painter, QSizeF(300, 200), QRectF(0, 0, 300, 200),
              renderPass(photos, Composite, QSizeF(300, 200), false));
    painter.end();
    ASSERT_TRUE(photos[0]->reducedCopies) << "the canvas's pass works from reduced copies";
    canvas.setColorSpace(QColorSpace::SRgb); // the written file is tagged sRGB: same pixels, same space
    EXPECT_TRUE(QImage(out()).convertToFormat(QImage::Format_RGB32) ==
                canvas.convertToFormat(QImage::Format_RGB32));
    EXPECT_LE(previewDifference(photos, Composite, QSize(300, 200)), 2.0);
}

// A turned and flipped photo in each mode that places photos: quillane-mix writes the
// picture the window's capture makes of the same project, pixel for pixel.
TEST_F(QuillaneMix, TurnedAndFlippedPhotosAreThoseOfTheWindowsCapture)
{
    ASSERT_TRUE(texturedImage(200, 150).save(dir.filePath("bg.png")));
    ASSERT_TRUE(texturedImage(90, 60, 1).save(dir.filePath("ph.png")));
    const struct {
        quint64 mode;
        const char *photo;
    } cases[] = {
        {Composite,
         R"("matchBackground": false, "size": -20, "x": 60, "y": 50, "rotation": 30, "flipHorizontal": true)"},
        {Shape, R"("shape": "heart", "x": 40, "y": 30, "rotation": -90, "flipVertical": true)"},
        {Transparent,
         R"("size": 40, "x": 20, "y": 30, "rotation": 150, "flipHorizontal": true, "flipVertical": true)"},
    };
    for (const auto &c : cases) {
        const QByteArray json =
            QStringLiteral(R"({"mode": "%1", "photos": [{"file": "bg.png"}, {"file": "ph.png", %2}]})")
                .arg(projectModeNames()[qsizetype(c.mode)], QLatin1String(c.photo))
                .toUtf8();
        const MixRun result = run({"-o", out(), project("p.json", json)});
        ASSERT_EQ(result.status, 0) << result.err.toStdString();
        ProjectParse parse = parseProject(json, dir.path());
        ASSERT_TRUE(parse.ok()) << parse.error.toStdString();
        for (const NewPhoto &photo : parse.project.photos)
            photo->image = loadPhoto(photo->sFile).image;
        ASSERT_NE(parse.project.photos[1]->f_Composite_Rotation + parse.project.photos[1]->f_Shape_Rotation +
                      parse.project.photos[1]->f_Transparent_Rotation,
                  0.0f);
        QImage capture = renderPass(parse.project.photos, c.mode, QSizeF(300, 200), true).mixed;
        capture.setColorSpace(QColorSpace::SRgb);
        EXPECT_TRUE(QImage(out()).convertToFormat(QImage::Format_ARGB32) ==
                    capture.convertToFormat(QImage::Format_ARGB32))
            << c.mode;
    }
}

TEST_F(QuillaneMix, HelpExplainsOptionsKeysAndExitStatus)
{
    const MixRun result = run({"--help"});
    EXPECT_EQ(result.status, 0);
    for (const char *word :
         {"--view", "-o", "\"version\"", "matchBackground", "transparency", "level", "linear-horizontal",
          "Exit status", "\"rotation\"", "\"flipHorizontal\"", "\"flipVertical\"", "degrees clockwise"})
        EXPECT_TRUE(result.out.contains(QLatin1String(word))) << word;
}

TEST_F(QuillaneMix, EveryFailureIsOneLineAnExitStatusAndNoOutputFile)
{
    const QByteArray good = R"({"mode": "composite", "photos": [{"file": "grey.png"}]})";
    const struct {
        QStringList arguments;
        QByteArray json;
        int status;
        const char *says;
    } cases[] = {
        {{}, R"({"mode": "blur", "photos": [{"file": "grey.png"}]})", 2, "mode"},
        {{}, R"({"mode": "composite", "photos": [{"file": "grey.png", "colour": 3}]})", 2, "colour"},
        {{}, R"({"mode": "composite", "photos": [{"file": "grey.png", "bad\nkey": 3}]})", 2, "bad\\nkey"},
        {{}, R"({"mode": "shape", "photos": [{"file": "grey.png", "blend": 3}]})", 2, "blend"},
        {{}, R"({"mode": "composite", "photos": [{"file": "grey.png", "size": "big"}]})", 2, "size"},
        {{}, R"({"mode": "composite", "photos": [{"file": "grey.png", "blend": 25}]})", 2, "blend"},
        {{},
         R"({"mode": "composite", "blendSpace": "cmyk", "photos": [{"file": "grey.png"}]})",
         2,
         "blendSpace"},
        {{}, R"({"mode": "shape", "photos": [{"file": "grey.png", "feather": 120}]})", 2, "feather"},
        {{}, R"({"mode": "shape", "photos": [{"file": "grey.png", "shape": 12}]})", 2, "shape"},
        {{},
         R"({"mode": "transparent", "photos": [{"file": "grey.png", "transparency": 101}]})",
         2,
         "transparency"},
        {{},
         R"({"mode": "transparent", "photos": [{"file": "grey.png", "transparency": -5}]})",
         2,
         "transparency"},
        {{}, R"({"mode": "composite", "photos": []})", 2, "no photos"},
        {{}, R"({"version": 2, "mode": "composite", "photos": [{"file": "grey.png"}]})", 2, "newer version"},
        {{}, R"({"mode": "composite", "photos": [)", 2, "JSON"},
        {{"--view", "12x"}, good, 2, "--view"},
        {{"--view", "0x10"}, good, 2, "--view"},
        {{"--frobnicate"}, good, 2, "--frobnicate"},
        {{},
         R"({"mode": "composite", "photos": [{"file": "grey.png"}, {"file": "gone.jpg"}]})",
         1,
         "gone.jpg"},
        {{}, R"({"mode": "composite", "photos": [{"file": "cut.png"}]})", 1, "cut.png"},
        {{},
         R"({"mode": "linear-horizontal", "photos": [{"file": "grey.png"}, {"file": "grey.png", "level": 360},
                 {"file": "grey.png", "level": 360}]})",
         1,
         "empty"},
    };
    for (const auto &c : cases) {
        // A project may have any name; one named like a picture shows that the guard, not the
        // extension, keeps the project from being replaced.
        const QString file = project("p.tif", c.json);
        const MixRun result = run(c.arguments + QStringList{"-o", out(), file});
        EXPECT_EQ(result.status, c.status) << c.json.constData() << result.err.toStdString();
        EXPECT_EQ(result.err.count(QLatin1Char('\n')), 1) << result.err.toStdString();
        EXPECT_TRUE(result.err.contains(QLatin1String(c.says))) << result.err.toStdString();
        EXPECT_FALSE(QFile::exists(out()));
    }
}

TEST_F(QuillaneMix, MissingArgumentsAndUnwritableOutput)
{
    const QString file = project("p.json", R"({"mode": "composite", "photos": [{"file": "grey.png"}]})");
    EXPECT_EQ(run({file}).status, 2);
    EXPECT_EQ(run({"-o", out()}).status, 2);
    EXPECT_EQ(run({"-o", out(), dir.filePath("missing.json")}).status, 2);

    const MixRun unwritable = run({"-o", dir.filePath("no/such/folder/out.png"), file});
    EXPECT_EQ(unwritable.status, 1);
    EXPECT_EQ(unwritable.err.count(QLatin1Char('\n')), 1);
    EXPECT_TRUE(unwritable.err.contains(QLatin1String("out.png"))) << unwritable.err.toStdString();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files),
              QStringList({"black.png", "blue.png", "cut.png", "grey.png", "p.json", "red.png"}));
}

// Every project type through quillane-mix, at full resolution and in a view, against
// stored pictures: at most 0.5 % of the pixels may differ by more than 3 levels, and no
// pixel by more than 40. QUILLANE_UPDATE_GOLDEN=1 writes the stored pictures instead.
TEST_F(QuillaneMix, GoldenPicturesOfEveryProjectType)
{
    pattern(48, 32, 0).save(dir.filePath("a.png"));
    pattern(40, 30, 1).save(dir.filePath("b.png"));
    pattern(30, 40, 2).save(dir.filePath("c.png"));
    const std::pair<const char *, const char *> projects[] = {
        {"composite", R"({"mode": "composite", "photos": [{"file": "a.png"},
            {"file": "b.png", "blend": "Screen Blend Mode"}, {"file": "c.png", "blend": 16,
             "matchBackground": false, "size": -20, "x": 30, "y": 10}]})"},
        {"shape", R"({"mode": "shape", "photos": [{"file": "a.png"},
            {"file": "b.png", "shape": "star5", "size": -25, "x": 20, "y": 10},
            {"file": "c.png", "shape": "heart", "size": -40, "x": 10, "y": 30}]})"},
        {"linear-horizontal", R"({"mode": "linear-horizontal", "photos": [{"file": "a.png"},
            {"file": "b.png", "level": 90}, {"file": "c.png", "level": 180}]})"},
        {"linear-vertical", R"({"mode": "linear-vertical", "photos": [{"file": "a.png"},
            {"file": "b.png", "level": 90}, {"file": "c.png", "level": 180}]})"},
        {"transparent", R"({"mode": "transparent", "photos": [{"file": "a.png"},
            {"file": "b.png", "transparency": 40, "size": 50, "x": 10, "y": 25},
            {"file": "c.png", "transparency": 20, "size": 30, "x": 60, "y": 50}]})"},
    };
    const bool update = qEnvironmentVariableIntValue("QUILLANE_UPDATE_GOLDEN") == 1;
    for (const auto &[name, json] : projects) {
        const QString file = project(QStringLiteral("%1.json").arg(name), json);
        for (const QStringList &view : {QStringList(), QStringList{"--view", "80x60"}}) {
            const QString golden =
                QStringLiteral(QUILLANE_GOLDEN_DIR "/%1%2.png").arg(name, view.isEmpty() ? "" : "-view");
            const MixRun result = run(view + QStringList{"-o", out(), file});
            ASSERT_EQ(result.status, 0) << name << result.err.toStdString();
            const QImage actual = QImage(out()).convertToFormat(QImage::Format_ARGB32);
            if (update)
                actual.save(golden);
            EXPECT_TRUE(similar(actual, QImage(golden).convertToFormat(QImage::Format_ARGB32)))
                << qPrintable(golden);
        }
    }
}

// Projects written before the mixing controls existed render exactly as before: every
// new key spelled out at its default gives the very same bytes as leaving it out.
TEST_F(QuillaneMix, NewKeysAtTheirDefaultsChangeNoPixel)
{
    pattern(48, 32, 0).save(dir.filePath("a.png"));
    pattern(40, 30, 1).save(dir.filePath("b.png"));
    const std::pair<const char *, const char *> projects[] = {
        {R"({"mode": "composite", "photos": [{"file": "a.png"}, {"file": "b.png", "blend": 18}]})",
         R"({"mode": "composite", "blendSpace": "linear",
             "photos": [{"file": "a.png"}, {"file": "b.png", "blend": 18, "opacity": 100}]})"},
        {R"({"mode": "shape", "photos": [{"file": "a.png"}, {"file": "b.png", "shape": "heart", "size": -20}]})",
         R"({"mode": "shape", "blendSpace": "linear",
             "photos": [{"file": "a.png"}, {"file": "b.png", "shape": "heart", "size": -20, "feather": 0}]})"},
        {R"({"mode": "linear-vertical", "photos": [{"file": "a.png"}, {"file": "b.png", "level": 120}]})",
         R"({"mode": "linear-vertical", "fullResolution": false, "blendSpace": "linear",
             "photos": [{"file": "a.png"}, {"file": "b.png", "level": 120}]})"},
    };
    for (const auto &[before, spelledOut] : projects) {
        QByteArray pictures[2];
        for (int i = 0; i < 2; ++i) {
            const MixRun result = run({"-o", out(), project("p.json", i == 0 ? before : spelledOut)});
            ASSERT_EQ(result.status, 0) << result.err.toStdString();
            QFile file(out());
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            pictures[i] = file.readAll();
        }
        EXPECT_FALSE(pictures[0].isEmpty());
        EXPECT_EQ(pictures[0], pictures[1]) << spelledOut;
    }
}

// The project's own settings reach the picture quillane-mix writes: the blend space
// changes a blend's pixels, a full-resolution strip is as high as its photos.
TEST_F(QuillaneMix, ProjectSettingsReachThePicture)
{
    pattern(1200, 900, 0).save(dir.filePath("a.png"));
    pattern(1200, 900, 1).save(dir.filePath("b.png"));
    auto picture = [&](const char *json) {
        const MixRun result = run({"-o", out(), project("p.json", json)});
        EXPECT_EQ(result.status, 0) << result.err.toStdString();
        return QImage(out()).convertToFormat(QImage::Format_ARGB32);
    };
    const QImage linearLight = picture(R"({"mode": "composite", "blendSpace": "linear",
        "photos": [{"file": "a.png"}, {"file": "b.png", "blend": 18}]})");
    const QImage srgbValues = picture(R"({"mode": "composite", "blendSpace": "srgb",
        "photos": [{"file": "a.png"}, {"file": "b.png", "blend": 18}]})");
    ASSERT_EQ(linearLight.size(), srgbValues.size());
    EXPECT_NE(linearLight, srgbValues);
    for (const bool full : {false, true}) {
        const QByteArray json = QByteArray(R"({"mode": "linear-horizontal", "fullResolution": )") +
                                (full ? "true" : "false") +
                                R"(, "photos": [{"file": "a.png"}, {"file": "b.png", "level": 90}]})";
        EXPECT_EQ(picture(json.constData()).height(), full ? 900 : 288) << "fullResolution " << full;
    }
}

TEST_F(QuillaneMix, TheOutputsExtensionChoosesTheFormatAndOthersAreRefused)
{
    const QString file = project("p.json", R"({"mode": "composite", "photos": [{"file": "grey.png"}]})");
    const struct {
        const char *name;
        QStringList options;
        int status;
        QByteArray magic;
    } cases[] = {
        {"mix.jpg", {}, 0, QByteArray("\xFF\xD8\xFF")},
        {"mix.JPEG", {"--quality", "70"}, 0, QByteArray("\xFF\xD8\xFF")},
        {"mix.webp", {"--lossless"}, 0, QByteArray("RIFF")},
        {"mix.tiff", {"-q"}, 0, QByteArray("II*\0", 4)},
        {"mix.png", {"--format", "png"}, 0, QByteArray("\x89PNG")},
        {"mix.bmp", {}, 2, {}},
        {"mix", {}, 2, {}},
        {"mix.jpg", {"--format", "png"}, 2, {}},
        {"mix.jpg", {"--quality", "0"}, 2, {}},
        {"mix.jpg", {"--quality", "high"}, 2, {}},
        {"mix.jpg", {"--format", "gif"}, 2, {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name + (" " + c.options.join(' ')).toStdString());
        const QString output = dir.filePath(QString::fromLatin1(c.name));
        const MixRun result = run(c.options + QStringList{"-o", output, file});
        EXPECT_EQ(result.status, c.status) << result.err.toStdString();
        QFile written(output);
        if (c.status != 0) {
            EXPECT_EQ(result.err.count(QLatin1Char('\n')), 1) << result.err.toStdString();
            EXPECT_FALSE(written.exists());
            continue;
        }
        ASSERT_TRUE(written.open(QIODevice::ReadOnly));
        EXPECT_TRUE(written.read(c.magic.size()) == c.magic);
        EXPECT_TRUE(pixelNear(QImage(output), 20, 15, qRgb(128, 128, 128), 2));
        written.remove();
    }
}

// --keep-camera-details: the first photo's camera goes into the picture, and only then.
TEST_F(QuillaneMix, CameraDetailsOnlyWhenAsked)
{
    ASSERT_TRUE(addCameraDetails(dir.filePath("grey.png"), exifNamingTheCamera()).ok);
    const QString file = project("p.json", R"({"mode": "composite", "photos": [{"file": "grey.png"}]})");
    for (const bool keep : {true, false}) {
        for (const char *name : {"mix.jpg", "mix.png", "mix.webp", "mix.tif"}) {
            SCOPED_TRACE(std::string(name) + (keep ? " kept" : " not kept"));
            const QString output = dir.filePath(QString::fromLatin1(name));
            const QStringList keeping = keep ? QStringList{"--keep-camera-details"} : QStringList{};
            const MixRun result = run(keeping + QStringList{"-o", output, file});
            ASSERT_EQ(result.status, 0) << result.err.toStdString();
            EXPECT_EQ(cameraDetailsOf(output).contains("Quillcam"), keep);
            QFile::remove(output);
        }
    }
}

TEST_F(QuillaneMix, StandardOutputCarriesThePictureInTheFormatAsked)
{
    const QString file = project("p.json", R"({"mode": "composite", "photos": [{"file": "red.png"}]})");
    for (const char *format : {"png", "jpeg", "webp", "tiff"}) {
        SCOPED_TRACE(format);
        QProcess process;
        process.setWorkingDirectory(dir.path());
        process.start(QStringLiteral(QUILLANE_MIX_PATH), {"--format", format, "-o", "-", file});
        ASSERT_TRUE(process.waitForFinished(60000));
        EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().constData();
        QImage picture;
        ASSERT_TRUE(picture.loadFromData(process.readAllStandardOutput()));
        EXPECT_EQ(picture.size(), QSize(40, 30));
        EXPECT_TRUE(pixelNear(picture, 20, 15, qRgb(100, 0, 0), 3));
    }
    const MixRun noFormat = run({"-o", "-", file});
    EXPECT_EQ(noFormat.status, 2);
    EXPECT_TRUE(noFormat.err.contains(QLatin1String("--format"))) << noFormat.err.toStdString();
    EXPECT_TRUE(noFormat.out.isEmpty());
}

TEST_F(QuillaneMix, SeveralProjectsGoToAFolderAndFailuresAreCounted)
{
    const QString red = project("red-mix.json", R"({"mode": "composite", "photos": [{"file": "red.png"}]})");
    const QString blue =
        project("blue.mix.json", R"({"mode": "composite", "photos": [{"file": "blue.png"}]})");
    const QString gone = project("gone.json", R"({"mode": "composite", "photos": [{"file": "gone.png"}]})");
    const QString bad = project("bad.json", R"({"mode": "blur"})");
    ASSERT_TRUE(QDir(dir.path()).mkdir("out"));
    const QString out = dir.filePath("out");

    const MixRun two = run({"-O", out, "--format", "jpeg", red, gone, blue, bad});
    EXPECT_EQ(two.status, 2) << "two projects failed";
    EXPECT_EQ(two.err.count(QLatin1Char('\n')), 3) << two.err.toStdString(); // each failure, then the count
    EXPECT_TRUE(two.err.contains(QLatin1String("gone.png")) && two.err.contains(QLatin1String("blur")) &&
                two.err.contains(QLatin1String("2 of 4 projects failed")))
        << two.err.toStdString();
    EXPECT_EQ(QDir(out).entryList(QDir::Files), QStringList({"blue.mix.jpg", "red-mix.jpg"}));
    EXPECT_TRUE(pixelNear(QImage(out + "/red-mix.jpg"), 5, 5, qRgb(100, 0, 0), 3));

    const MixRun all = run({"-O", out, red, blue});
    EXPECT_EQ(all.status, 0) << all.err.toStdString();
    EXPECT_TRUE(all.err.isEmpty()) << "no progress lines when standard error is no terminal";
    EXPECT_TRUE(QFile::exists(out + "/red-mix.png") && QFile::exists(out + "/blue.mix.png"));

    EXPECT_EQ(run({"-O", out, "-"}).status, 2);
    EXPECT_EQ(run({"-O", out, "-o", dir.filePath("x.png"), red}).status, 2);
    EXPECT_EQ(run({"-o", dir.filePath("x.png"), red, blue}).status, 2);
}

namespace {

quint32 crc32Of(const QByteArray &bytes)
{
    quint32 crc = 0xFFFFFFFFu;
    for (const char byte : bytes) {
        crc ^= quint8(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

// A PNG of a header announcing `w` x `h` and no data: its size is read without
// decoding, and decoding it would fail.
QByteArray pngHeaderOnly(quint32 w, quint32 h)
{
    QByteArray header("\x89PNG\r\n\x1a\n", 8);
    const char ihdr[] = {0, 0, 0, 13, 'I', 'H', 'D', 'R'};
    header.append(ihdr, 8);
    for (const quint32 side : {w, h})
        for (int shift = 24; shift >= 0; shift -= 8)
            header.append(char((side >> shift) & 0xFF));
    header.append("\x08\x06\x00\x00\x00", 5);
    const auto appendCrc = [&header](qsizetype from) {
        const quint32 crc = crc32Of(header.mid(from));
        for (int shift = 24; shift >= 0; shift -= 8)
            header.append(char((crc >> shift) & 0xFF));
    };
    appendCrc(12);
    for (const char *empty : {"IDAT", "IEND"}) { // the reader looks as far as the data
        const qsizetype from = header.size() + 4;
        header.append(QByteArray(4, '\0') + empty);
        appendCrc(from);
    }
    return header;
}

// A JPEG whose headers are those of a real picture, followed by `scans` scans.
QByteArray jpegOfScans(int scans)
{
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(Qt::gray);
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG");
    const qsizetype firstScan = jpeg.indexOf(QByteArray("\xFF\xDA", 2));
    const QByteArray scan = jpeg.mid(firstScan, jpeg.size() - 2 - firstScan); // up to EOI
    QByteArray many = jpeg.left(firstScan);
    for (int i = 0; i < scans; ++i)
        many += scan;
    return many + QByteArray("\xFF\xD9", 2);
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

// Hostile projects, photos and outputs: each ends (QProcess waits at most a minute) with
// its exit status and one line, writes no picture, and leaves every input as it was.
TEST_F(QuillaneMix, HostileInputsEndWithOneLineAndLoseNothing)
{
    const QDir d(dir.path());
    ASSERT_TRUE(QFile::link(d.filePath("grey.png"), d.filePath("link.png")));
    ASSERT_EQ(mkfifo(QFile::encodeName(d.filePath("fifo.png")).constData(), 0644), 0);
    ASSERT_TRUE(d.mkdir("folder.png"));
    const bool root = geteuid() == 0;
    if (root) {
        ASSERT_EQ(mknod(QFile::encodeName(d.filePath("node.png")).constData(), S_IFCHR | 0666, makedev(1, 3)),
                  0);
    }
    const auto write = [&](const QString &name, const QByteArray &bytes) {
        QFile file(d.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    };
    write("huge.png", pngHeaderOnly(27000, 27000));
    write("tall.png", pngHeaderOnly(2, 30000));
    write("wide.png", pngHeaderOnly(30000, 2));
    write("twelve.png", pngHeaderOnly(12000, 9000));
    write("scans.jpg", jpegOfScans(150));
    write("big.json", QByteArray(5 << 20, ' '));
    ASSERT_TRUE(solid(1, 65501, qRgb(9, 9, 9)).save(d.filePath("tall65501.png")));
    ASSERT_TRUE(solid(1048577, 1, qRgb(9, 9, 9)).save(d.filePath("wide.bmp")));
    ASSERT_TRUE(solid(2000, 1500, qRgb(9, 9, 9)).save(d.filePath("three.png")));

    const QByteArray grey = R"({"mode": "composite", "photos": [{"file": "grey.png"}, {"file": "red.png"}]})";
    const QString budget = QStringLiteral("--memory-budget");
    const struct {
        QStringList arguments; // "P" stands for the project file
        QByteArray json;
        QByteArray input;
        int status;
        const char *says; // a regular expression
    } cases[] = {
        {{"-o", "grey.png", "P"}, grey, {}, 2, "grey.png.*photo"},
        {{"-o", "link.png", "P"}, grey, {}, 2, "link.png.*photo.*grey.png"},
        {{"-o", "p.tif", "P"}, grey, {}, 2, "project file itself"},
        {{"-o", "fifo.png", "P"}, grey, {}, 2, "FIFO, not a regular file"},
        {{"-o", "folder.png", "P"}, grey, {}, 2, "folder, not a regular file"},
        {{"-o", root ? "node.png" : "fifo.png", "P"}, grey, {}, 2, "not a regular file"},
        {{"-o", "out.png", "P"},
         R"({"mode": "composite", "photos": [{"file": "grey.png"}, {"file": "fifo.png"}]})",
         {},
         1,
         "fifo.png.*not a regular file"},
        {{"-o", "out.png", "/dev/zero"}, {}, {}, 2, "/dev/zero.*not a regular file"},
        {{"-o", "out.png", "big.json"}, {}, {}, 2, "big.json.*at most 4 MB"},
        {{"-o", "out.png", "-"}, {}, QByteArray(5 << 20, ' '), 2, "standard input.*at most 4 MB"},
        {{"-o", "out.png", "P"},
         R"({"mode": "composite", "photos": [{"file": "scans.jpg"}]})",
         {},
         1,
         "scans.jpg.*more than 100 scans"},
        {{budget, "4G", "-o", "out.png", "P"},
         R"({"mode": "composite", "photos": [{"file": "huge.png"}, {"file": "huge.png"}]})",
         {},
         1,
         "needs about [0-9.]+ GB of memory to render, more than the 4.0 GB allowed"},
        {{budget, "4G", "-o", "out.png", "P"},
         R"({"mode": "composite", "photos": [{"file": "tall.png"}, {"file": "wide.png"}]})",
         {},
         1,
         "needs about .* GB of memory"},
        {{budget, "4G", "-o", "out.png", "P"},
         R"({"mode": "shape", "photos": [{"file": "twelve.png"}, {"file": "twelve.png", "size": 400}]})",
         {},
         1,
         "needs about .* GB of memory"},
        {{budget, "4G", "--view", "99999x99999", "-o", "out.png", "P"},
         grey,
         {},
         1,
         "needs about .* GB of memory"},
        {{"-o", "out.png", "P"},
         R"({"mode": "composite", "photos": [{"file": "grey.png"}, {"file": "red.png", "matchBackground": false,
              "size": 1e308}]})",
         {},
         -1,
         "size|memory"},
        {{budget, "lots", "-o", "out.png", "P"}, grey, {}, 2, "--memory-budget"},
        // What a format cannot hold or cannot write within the budget, and a picture too
        // wide to draw.
        {{"-o", "out.jpg", "P"},
         R"({"mode": "composite", "photos": [{"file": "tall65501.png"}]})",
         {},
         1,
         "out.jpg.*a JPEG picture is at most 65500 pixels wide and high; this one is 1 . 65501 \\(choose PNG "
         "or "
         "TIFF\\)"},
        {{budget, "64M", "--lossless", "-o", "out.webp", "P"},
         R"({"mode": "composite", "photos": [{"file": "three.png"}]})",
         {},
         1,
         "needs about [0-9.]+ MB of memory to be written as lossless WebP, more than the 64 MB allowed"},
        {{"-o", "out.png", "P"},
         R"({"mode": "composite", "photos": [{"file": "wide.bmp"}, {"file": "grey.png"}]})",
         {},
         1,
         "photo 1 .*wide.bmp.* cannot be drawn: it would be drawn 1048577 . 1 pixels large"},
    };
    const QStringList inputs = {"grey.png", "red.png", "link.png"};
    QList<QByteArray> before;
    for (const QString &name : inputs)
        before.append(contents(d.filePath(name)));
    for (const auto &c : cases) {
        // A project may have any name; one named like a picture shows that the guard, not the
        // extension, keeps the project from being replaced.
        const QString file = project("p.tif", c.json);
        QStringList arguments = c.arguments;
        arguments.replaceInStrings(QRegularExpression("^P$"), file);
        const MixRun result = run(arguments, c.input);
        const std::string context = arguments.join(' ').toStdString() + ": " + result.err.toStdString();
        if (c.status >= 0)
            EXPECT_EQ(result.status, c.status) << context;
        else
            EXPECT_TRUE(result.status == 1 || result.status == 2) << context;
        EXPECT_EQ(result.err.count(QLatin1Char('\n')), 1) << context;
        EXPECT_TRUE(result.err.contains(QRegularExpression(QLatin1String(c.says)))) << context;
        EXPECT_FALSE(QFile::exists(out())) << context;
        EXPECT_EQ(contents(file), c.json) << context;
        for (qsizetype i = 0; i < inputs.size(); ++i)
            EXPECT_EQ(contents(d.filePath(inputs[i])), before[i])
                << context << " changed " << inputs[i].toStdString();
        EXPECT_FALSE(QFileInfo(d.filePath("fifo.png")).isFile()) << "the FIFO is still a FIFO";
        if (root) {
            EXPECT_FALSE(QFileInfo(d.filePath("node.png")).isFile()) << "the device node is still a device";
        }
    }
}
