#include "model/ProjectFile.h"

#include "model/ProjectMode.h"

#include <gtest/gtest.h>

namespace {

ProjectParse parse(const char *json)
{
    return Parse_Project(QByteArray(json), QStringLiteral("/projects/beach"));
}

void expectError(const char *json, const QString &part)
{
    const ProjectParse result = parse(json);
    EXPECT_FALSE(result.ok()) << json;
    EXPECT_TRUE(result.error.contains(part)) << json << " gave: " << result.error.toStdString();
    EXPECT_FALSE(result.error.contains(QLatin1Char('\n')));
    EXPECT_TRUE(result.project.photos.isEmpty());
}

} // namespace

TEST(ProjectFile, MissingKeysTakeTheModesDefaults)
{
    const ProjectParse result =
        parse(R"({"mode": "transparent", "photos": [{"file": "a.jpg"}, {"file": "b.jpg"}]})");
    ASSERT_TRUE(result.ok()) << result.error.toStdString();
    EXPECT_EQ(result.project.mode, quint64(Transparent));
    ASSERT_EQ(result.project.photos.size(), 2);
    EXPECT_EQ(result.project.photos[1]->f_Transparent_Size, 30.0f);
    EXPECT_EQ(result.project.photos[1]->f_Transparent_Transparency, 0u);
    EXPECT_EQ(result.project.photos[1]->sName, "b.jpg");
    EXPECT_TRUE(result.project.photos[1]->image.isNull());

    const ProjectParse composite = parse(R"({"mode": "composite", "photos": [{"file": "a.jpg"}]})");
    ASSERT_TRUE(composite.ok());
    EXPECT_TRUE(composite.project.photos[0]->bCompositeSizeOfBG);
}

TEST(ProjectFile, KeysOfEachModeReachTheirFields)
{
    const ProjectParse composite = parse(R"({"mode": "composite", "photos": [{"file": "a.jpg"},
        {"file": "b.jpg", "blend": "multiply blend mode", "matchBackground": false, "size": 20, "x": -10.5, "y": 10}]})");
    ASSERT_TRUE(composite.ok()) << composite.error.toStdString();
    const Object_Photo &c = *composite.project.photos[1];
    EXPECT_EQ(c.m_Composite_Blend_Mode, 16u);
    EXPECT_FALSE(c.bCompositeSizeOfBG);
    EXPECT_EQ(c.f_Composite_Size, 20.0f);
    EXPECT_EQ(c.f_Composite_X_Offset, -10.5f);
    EXPECT_EQ(c.f_Composite_Y_Offset, 10.0f);
    EXPECT_EQ(c.f_Shape_Size, 0.0f);

    const ProjectParse shape =
        parse(R"({"mode": "shape", "photos": [{"file": "a.jpg", "shape": "heart", "size": 5},
        {"file": "b.jpg", "shape": 11, "x": 3}]})");
    ASSERT_TRUE(shape.ok()) << shape.error.toStdString();
    EXPECT_EQ(shape.project.photos[0]->m_Shape_Type, 3u);
    EXPECT_EQ(shape.project.photos[0]->f_Shape_Size, 5.0f);
    EXPECT_EQ(shape.project.photos[1]->m_Shape_Type, 11u);
    EXPECT_EQ(shape.project.photos[1]->f_Shape_X_Offset, 3.0f);

    const ProjectParse linear =
        parse(R"({"mode": "linear-vertical", "photos": [{"file": "a.jpg", "level": 180}]})");
    ASSERT_TRUE(linear.ok());
    EXPECT_EQ(linear.project.mode, quint64(LinearVertical));
    EXPECT_EQ(linear.project.photos[0]->f_Linear_Intersection_Level, 180.0f);

    const ProjectParse transparent = parse(
        R"({"mode": "transparent", "photos": [{"file": "a.jpg", "transparency": 100, "size": 50, "y": 25}]})");
    ASSERT_TRUE(transparent.ok());
    EXPECT_EQ(transparent.project.photos[0]->f_Transparent_Transparency, 100u);
    EXPECT_EQ(transparent.project.photos[0]->f_Transparent_Size, 50.0f);
    EXPECT_EQ(transparent.project.photos[0]->f_Transparent_Y_Offset, 25.0f);
}

TEST(ProjectFile, RelativeFilesStartFromTheBaseFolder)
{
    const ProjectParse result = parse(
        R"({"mode": "composite", "photos": [{"file": "a.jpg"}, {"file": "../b.png"}, {"file": "/x/c.tif"}]})");
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(result.project.files, QStringList({"/projects/beach/a.jpg", "/projects/b.png", "/x/c.tif"}));
}

TEST(ProjectFile, WrongProjectsAreRefusedWithTheKeyAndTheReason)
{
    expectError(R"({"mode": "blur", "photos": [{"file": "a.jpg"}]})", "\u201Cmode\u201D must be one of");
    expectError(R"({"photos": [{"file": "a.jpg"}]})", "\u201Cmode\u201D");
    expectError(R"({"mode": "composite", "photos": [], "x": 1})", "unknown key \u201Cx\u201D");
    expectError(R"({"mode": "composite", "photos": []})", "no photos");
    expectError(R"({"mode": "composite"})", "no photos");
    expectError(R"({"mode": "composite", "photos": [{"file": "a.jpg", "colour": 1}]})",
                "photo 1: unknown key \u201Ccolour\u201D");
    expectError(R"({"mode": "shape", "photos": [{"file": "a.jpg"}, {"file": "b.jpg", "blend": 3}]})",
                "photo 2: key \u201Cblend\u201D belongs to composite projects, not shape");
    expectError(R"({"mode": "composite", "photos": [{"file": "a.jpg", "level": 3}]})",
                "belongs to linear-horizontal, linear-vertical");
    expectError(R"({"mode": "composite", "photos": [{"file": "a.jpg", "blend": 25}]})",
                "\u201Cblend\u201D must be a whole number from 0 to 24 or a name, not 25");
    expectError(R"({"mode": "composite", "photos": [{"file": "a.jpg", "blend": -1}]})", "not -1");
    expectError(R"({"mode": "composite", "photos": [{"file": "a.jpg", "blend": 2.5}]})", "not 2.5");
    expectError(R"({"mode": "composite", "photos": [{"file": "a.jpg", "blend": "Sparkle"}]})",
                "not \u201CSparkle\u201D");
    expectError(R"({"mode": "shape", "photos": [{"file": "a.jpg", "shape": 12}]})", "from 0 to 11");
    expectError(R"({"mode": "transparent", "photos": [{"file": "a.jpg", "transparency": 101}]})",
                "from 0 to 100, not 101");
    expectError(R"({"mode": "transparent", "photos": [{"file": "a.jpg", "transparency": "clear"}]})",
                "\u201Ctransparency\u201D");
    expectError(R"({"mode": "composite", "photos": [{"file": "a.jpg", "size": "big"}]})",
                "\u201Csize\u201D must be a number");
    expectError(R"({"mode": "composite", "photos": [{"file": "a.jpg", "matchBackground": 1}]})",
                "true or false");
    expectError(R"({"mode": "linear-horizontal", "photos": [{"file": "a.jpg", "level": 400}]})", "0 to 360");
    expectError(R"({"mode": "composite", "photos": [{"size": 3}]})", "photo 1: \u201Cfile\u201D must name");
    expectError(R"({"mode": "composite", "photos": ["a.jpg"]})", "must be an object");
    expectError(R"({"mode": "composite", "photos": [{"file": "a.jpg"})", "not valid JSON");
    expectError(R"([1, 2])", "JSON object");
}

// The mixing controls: left out they are today's picture, given they reach the photo
// or the project, out of range they are refused, and a written project reads back.
TEST(ProjectFile, OpacityFeatherBlendSpaceAndFullResolution)
{
    const ProjectParse old =
        parse(R"({"mode": "composite", "photos": [{"file": "a.jpg"}, {"file": "b.jpg"}]})");
    ASSERT_TRUE(old.ok());
    EXPECT_EQ(old.project.photos[1]->f_Composite_Opacity, 100.0f);
    EXPECT_EQ(old.project.options, Project_Options());

    const ProjectParse composite = parse(R"({"mode": "composite", "blendSpace": "srgb",
        "photos": [{"file": "a.jpg"}, {"file": "b.jpg", "opacity": 37.5, "blend": "Normal Blend Mode"}]})");
    ASSERT_TRUE(composite.ok()) << composite.error.toStdString();
    EXPECT_EQ(composite.project.photos[1]->f_Composite_Opacity, 37.5f);
    EXPECT_EQ(composite.project.photos[1]->m_Composite_Blend_Mode, 24u);
    EXPECT_EQ(composite.project.options.blendSpace, BlendSpace::Srgb);

    const ProjectParse shape = parse(R"({"mode": "shape", "photos": [{"file": "a.jpg", "feather": 60}]})");
    ASSERT_TRUE(shape.ok()) << shape.error.toStdString();
    EXPECT_EQ(shape.project.photos[0]->f_Shape_Feather, 60.0f);

    const ProjectParse linear =
        parse(R"({"mode": "linear-vertical", "fullResolution": true, "photos": [{"file": "a.jpg"}]})");
    ASSERT_TRUE(linear.ok()) << linear.error.toStdString();
    EXPECT_TRUE(linear.project.options.fullResolution);

    const std::pair<const char *, const char *> wrong[] = {
        {R"({"mode": "composite", "photos": [{"file": "a.jpg", "opacity": 101}]})",
         "\u201Copacity\u201D must be from 0 to 100, not 101"},
        {R"({"mode": "shape", "photos": [{"file": "a.jpg", "feather": "soft"}]})",
         "\u201Cfeather\u201D must be a number"},
        {R"({"mode": "shape", "photos": [{"file": "a.jpg", "opacity": 50}]})",
         "belongs to composite projects"},
        {R"({"mode": "composite", "blendSpace": "cmyk", "photos": [{"file": "a.jpg"}]})",
         "\u201CblendSpace\u201D must be \u201Clinear\u201D or \u201Csrgb\u201D, not \u201Ccmyk\u201D"},
        {R"({"mode": "composite", "fullResolution": true, "photos": [{"file": "a.jpg"}]})",
         "\u201CfullResolution\u201D belongs to linear-horizontal, linear-vertical projects"},
        {R"({"mode": "linear-horizontal", "fullResolution": 1, "photos": [{"file": "a.jpg"}]})",
         "must be true or false, not 1"},
    };
    for (const auto &[json, part] : wrong)
        expectError(json, QString::fromUtf8(part));

    for (const quint64 mode : {quint64(Composite), quint64(LinearHorizontal)}) {
        PhotoList photos = {Make_Photo(QImage(), QStringLiteral("a.jpg"), mode)};
        photos[0]->sFile = QStringLiteral("/projects/beach/a.jpg");
        photos[0]->f_Composite_Opacity = 12.0f;
        const Project_Options options{true, BlendSpace::Srgb};
        const ProjectParse back =
            Parse_Project(Project_Json(mode, photos, QStringLiteral("/projects/beach"), options),
                          QStringLiteral("/projects/beach"));
        ASSERT_TRUE(back.ok()) << back.error.toStdString();
        EXPECT_EQ(back.project.options.blendSpace, BlendSpace::Srgb);
        EXPECT_EQ(back.project.options.fullResolution, mode == LinearHorizontal);
        EXPECT_EQ(back.project.photos[0]->f_Composite_Opacity, mode == Composite ? 12.0f : 100.0f);
    }
}
