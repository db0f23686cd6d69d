// quillane-mix and masks: the project file carries them, and the picture is the one the
// window's capture makes of the same project.
#include "imaging/PhotoLoader.h"
#include "model/ProjectFile.h"
#include "render/RenderPass.h"

#include "MixFixture.h"

#include <QColorSpace>

#include <gtest/gtest.h>

namespace {

// The same mask in every mode: a gradient, a hiding stroke and a showing one.
const char *const kMask = R"("mask": {"gradients": [{"type": "linear", "from": [0.1, 0.5], "to": [0.9, 0.4]},
    {"type": "radial", "centre": [0.5, 0.5], "radius": 0.6, "inner": 0.2}],
    "strokes": [{"paint": "hide", "size": 0.2, "hardness": 40, "opacity": 90, "points": [[0.1, 0.1], [0.8, 0.7]]},
    {"paint": "show", "size": 0.1, "hardness": 100, "opacity": 60, "points": [[0.5, 0.0], [0.5, 1.0]]}],
    "invert": false})";

} // namespace

TEST_F(QuillaneMix, MasksRenderAsTheWindowsCaptureDoes)
{
    ASSERT_TRUE(pattern(120, 90, 1).save(dir.filePath("a.png")));
    ASSERT_TRUE(pattern(100, 80, 2).save(dir.filePath("b.png")));
    for (const char *mode : {"composite", "shape", "transparent"}) {
        const QByteArray json = QByteArray(R"({"mode": ")") + mode +
                                R"(", "photos": [{"file": "a.png"}, {"file": "b.png", "size": 50, )" +
                                (QByteArray(mode) == "composite" ? R"("matchBackground": false, )" : "") +
                                kMask + "}]}";
        const MixRun result = run({"-o", out(), project("m.json", json)});
        ASSERT_EQ(result.status, 0) << mode << ": " << result.err.toStdString();
        // The window opens the same file and captures it.
        ProjectParse parse = parseProject(json, dir.path());
        ASSERT_TRUE(parse.ok()) << parse.error.toStdString();
        ASSERT_FALSE(parse.project.photos[1]->mask.isEmpty());
        for (const NewPhoto &photo : parse.project.photos)
            photo->image = loadPhoto(photo->sFile).image;
        QImage captured = renderPass(parse.project.photos, parse.project.mode, {}, true).mixed;
        const QImage plain = [&] {
            parse.project.photos[1]->mask = {};
            return renderPass(parse.project.photos, parse.project.mode, {}, true).mixed;
        }();
        captured.setColorSpace(QColorSpace::SRgb);
        EXPECT_EQ(QImage(out()).convertToFormat(captured.format()), captured) << mode;
        EXPECT_NE(captured, plain) << mode << ": the mask changed the picture";
    }
}

TEST_F(QuillaneMix, HelpDescribesMasksAndAWrongMaskIsRefusedNamingIt)
{
    const MixRun help = run({"--help"});
    for (const char *word : {"\"mask\"", "\"gradients\"", "\"strokes\"", "\"invert\"", "10000"})
        EXPECT_TRUE(help.out.contains(QLatin1String(word))) << word;
    const MixRun wrong =
        run({"-o", out(), project("w.json", R"({"mode": "composite", "photos": [{"file": "grey.png"},
            {"file": "grey.png", "mask": {"strokes": [{"paint": "hide", "size": 3, "points": [[0, 0]]}]}}]})")});
    EXPECT_EQ(wrong.status, 2);
    EXPECT_TRUE(
        wrong.err.contains(QStringLiteral("\u201Cmask\u201D \u201Cstrokes\u201D 1: \u201Csize\u201D")))
        << wrong.err.toStdString();
    EXPECT_FALSE(QFile::exists(out()));
}
