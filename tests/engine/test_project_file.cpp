// The project file: what the reader accepts and refuses (with the key and the reason),
// and the file as the application writes it: read back it gives the same list, the
// paths are relative to the project's folder, and saving replaces a file whole.
#include "model/ProjectFile.h"
#include "model/ProjectMode.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Every parameter of every group, for comparing photos field by field.
auto parameters(const Object_Photo &p)
{
    return std::make_tuple(
        p.m_Composite_Blend_Mode, p.bCompositeSizeOfBG, p.f_Composite_Size, p.f_Composite_X_Offset,
        p.f_Composite_Y_Offset, p.m_Shape_Type, p.f_Shape_Size, p.f_Shape_X_Offset, p.f_Shape_Y_Offset,
        p.f_Linear_Intersection_Level, p.f_Transparent_Transparency, p.f_Transparent_Size,
        p.f_Transparent_X_Offset, p.f_Transparent_Y_Offset, p.f_Composite_Opacity, p.f_Shape_Feather,
        std::make_tuple(p.f_Composite_Rotation, p.bCompositeFlipHorizontal, p.bCompositeFlipVertical,
                        p.f_Shape_Rotation, p.bShapeFlipHorizontal, p.bShapeFlipVertical,
                        p.f_Transparent_Rotation, p.bTransparentFlipHorizontal, p.bTransparentFlipVertical));
}

// A photo of the mode with values no default has (thirds do not survive a short
// decimal printed as a float).
NewPhoto tunedPhoto(quint64 mode, const QString &file, float seed)
{
    NewPhoto p = makePhoto(QImage(), QFileInfo(file).fileName(), mode);
    p->sFile = file;
    p->m_Composite_Blend_Mode = mode == Composite ? 16 : 0;
    p->bCompositeSizeOfBG = mode == Composite ? seed < 0 : false;
    (mode == Composite ? p->f_Composite_Size
     : mode == Shape   ? p->f_Shape_Size
                     : p->f_Transparent_Size) = (mode == Transparent ? 30 : 0) + seed / 3; // within the range
    (mode == Composite ? p->f_Composite_X_Offset
     : mode == Shape   ? p->f_Shape_X_Offset
                       : p->f_Transparent_X_Offset) = -seed / 7;
    (mode == Composite ? p->f_Composite_Y_Offset
     : mode == Shape   ? p->f_Shape_Y_Offset
                       : p->f_Transparent_Y_Offset) = 1e-7f * seed;
    p->m_Shape_Type = mode == Shape ? 11 : 0;
    p->f_Transparent_Transparency = mode == Transparent ? 45 : 0;
    p->f_Linear_Intersection_Level = isLinearMode(mode) ? 359.9f : 0.0f;
    p->f_Composite_Opacity = mode == Composite ? 62.5f : 100.0f;
    p->f_Shape_Feather = mode == Shape ? 12.5f : 0.0f;
    (mode == Composite ? p->f_Composite_Rotation
     : mode == Shape   ? p->f_Shape_Rotation
                       : p->f_Transparent_Rotation) = -seed / 1.3f; // within -180..180
    (mode == Composite ? p->bCompositeFlipHorizontal
     : mode == Shape   ? p->bShapeFlipHorizontal
                       : p->bTransparentFlipHorizontal) = seed > 0;
    (mode == Composite ? p->bCompositeFlipVertical
     : mode == Shape   ? p->bShapeFlipVertical
                       : p->bTransparentFlipVertical) = seed > 50;
    if (!(mode == Composite || mode == Shape || mode == Transparent)) {
        p->f_Transparent_Size = p->f_Transparent_X_Offset = p->f_Transparent_Y_Offset = 0.0f;
        p->f_Transparent_Rotation = 0.0f;
        p->bTransparentFlipHorizontal = p->bTransparentFlipVertical = false;
    }
    return p;
}

} // namespace

class ProjectRoundTrip : public ::testing::TestWithParam<quint64> {};

TEST_P(ProjectRoundTrip, SavedProjectReadsBackTheSameList)
{
    const quint64 mode = GetParam();
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkpath("projects/mix"));
    const QString projectPath = dir.filePath("projects/mix/beach.json");
    const NewPhotoList photos = {tunedPhoto(mode, dir.filePath("projects/mix/a.jpg"), 1.0f),
                                 tunedPhoto(mode, dir.filePath("projects/mix/photos/b c.png"), -23.7f),
                                 tunedPhoto(mode, dir.filePath("elsewhere/d.tif"), 100.1f)};
    ASSERT_EQ(writeProject(projectPath, mode, photos), QString());

    QFile file(projectPath);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray json = file.readAll();
    const QJsonObject root = QJsonDocument::fromJson(json).object();
    EXPECT_EQ(root.value("version").toInt(), kProjectFormatVersion);
    EXPECT_EQ(root.value("photos")[1]["file"].toString(), "photos/b c.png");
    EXPECT_EQ(root.value("photos")[2]["file"].toString(), "../../elsewhere/d.tif");

    const ProjectParse parse = parseProject(json, QFileInfo(projectPath).absolutePath());
    ASSERT_TRUE(parse.ok()) << parse.error.toStdString() << json.toStdString();
    EXPECT_EQ(parse.kind, ProjectError::None);
    EXPECT_EQ(parse.project.mode, mode);
    ASSERT_EQ(parse.project.photos.size(), photos.size());
    for (qsizetype i = 0; i < photos.size(); ++i) {
        EXPECT_EQ(parse.project.photos[i]->sFile, photos[i]->sFile);
        EXPECT_EQ(parse.project.photos[i]->sFile, photos[i]->sFile);
        EXPECT_EQ(parameters(*parse.project.photos[i]), parameters(*photos[i])) << "photo " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(EveryMode, ProjectRoundTrip,
                         ::testing::Values(quint64(LinearHorizontal), quint64(LinearVertical),
                                           quint64(Composite), quint64(Shape), quint64(Transparent)));

TEST(ProjectReader, KindOfRefusal)
{
    const struct {
        const char *json;
        ProjectError kind;
        const char *part;
    } rows[] = {
        {"\x89PNG\r\n", ProjectError::NotAProject, "not valid JSON"},
        {"[1, 2]", ProjectError::NotAProject, "JSON object"},
        {R"({"name": "left-pad", "version": "1.3.0"})", ProjectError::NotAProject, "\u201Cversion\u201D"},
        {R"({"version": 2, "mode": "composite", "photos": [{"file": "a.jpg"}], "layers": []})",
         ProjectError::NewerVersion,
         "newer version of Quillane (project format 2; this version reads format 1"},
        {R"({"version": 1.5, "mode": "composite", "photos": [{"file": "a.jpg"}]})", ProjectError::Invalid,
         "\u201Cversion\u201D must be a whole number"},
        {R"({"version": 1, "mode": "composite", "photos": []})", ProjectError::Invalid, "no photos"},
        {R"({"version": 1, "mode": "composite", "photos": [{"file": "a.jpg"}]})", ProjectError::None, ""},
        {R"({"mode": "composite", "photos": [{"file": "a.jpg"}]})", ProjectError::None, ""},
    };
    for (const auto &row : rows) {
        const ProjectParse parse = parseProject(QByteArray(row.json), "/p");
        EXPECT_EQ(parse.kind, row.kind) << row.json;
        EXPECT_EQ(parse.ok(), row.kind == ProjectError::None) << row.json;
        EXPECT_TRUE(parse.error.contains(QString::fromUtf8(row.part)))
            << row.json << ": " << parse.error.toStdString();
    }
}

TEST(ProjectWriter, SavingReplacesTheFileWholeOrNotAtAll)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("mix.json");
    const NewPhotoList one = {tunedPhoto(Composite, dir.filePath("a.jpg"), 2.0f)};
    const NewPhotoList two = {one[0], tunedPhoto(Composite, dir.filePath("b.jpg"), 3.0f)};
    ASSERT_EQ(writeProject(path, Composite, two), QString());
    ASSERT_EQ(writeProject(path, Composite, one), QString());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray saved = file.readAll();
    EXPECT_EQ(saved, projectJson(Composite, one, dir.path()));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"mix.json"}); // no temporary left

    EXPECT_FALSE(writeProject(dir.filePath("missing/mix.json"), Composite, one).isEmpty());
    const NewPhotoList unnamed = {makePhoto(QImage(), "pasted", Composite)};
    EXPECT_TRUE(writeProject(path, Composite, unnamed).contains("photo 1 (\u201Cpasted\u201D) has no file"));
    file.seek(0);
    EXPECT_EQ(file.readAll(), saved);
}

namespace {

ProjectParse parse(const char *json)
{
    return parseProject(QByteArray(json), QStringLiteral("/projects/beach"));
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
    QStringList files;
    for (const auto &photo : result.project.photos)
        files << photo->sFile;
    EXPECT_EQ(files, QStringList({"/projects/beach/a.jpg", "/projects/b.png", "/x/c.tif"}));
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

// Every number keeps to the range of its panel's slider; a number too large for the
// field (1e308, 3.5e38) is out of range too. The message shows the number as written.
TEST(ProjectFile, NumbersKeepToTheRangesOfTheSliders)
{
    const struct {
        const char *mode, *entry, *part;
    } refused[] = {
        {"linear-horizontal", R"("level": 360.0001)",
         "\u201Clevel\u201D must be from 0 to 360, not 360.0001"},
        {"linear-vertical", R"("level": -0.5)", "must be from 0 to 360, not -0.5"},
        {"composite", R"("size": 1e308)", "\u201Csize\u201D must be from -90 to 400, not 1e+308"},
        {"composite", R"("x": 3.5e38)", "\u201Cx\u201D must be from -100 to 500, not 3.5e+38"},
        {"composite", R"("y": -100.25)", "must be from -100 to 500, not -100.25"},
        {"shape", R"("size": -90.5)", "must be from -90 to 400, not -90.5"},
        {"transparent", R"("size": 0.5)", "\u201Csize\u201D must be from 1 to 200, not 0.5"},
        {"transparent", R"("x": 100.001)", "must be from -100 to 100, not 100.001"},
        {"transparent", R"("transparency": 100.5)", "from 0 to 100, not 100.5"},
        {"shape", R"("rotation": 180.5)", "\u201Crotation\u201D must be from -180 to 180, not 180.5"},
        {"transparent", R"("rotation": -181)", "must be from -180 to 180, not -181"},
        {"composite", R"("size": 1e999)", "not valid JSON"}, // beyond a double: refused by the parser
    };
    for (const auto &row : refused) {
        const QByteArray json = QStringLiteral(R"({"mode": "%1", "photos": [{"file": "a.jpg", %2}]})")
                                    .arg(QLatin1String(row.mode), QLatin1String(row.entry))
                                    .toUtf8();
        expectError(json.constData(), QString::fromUtf8(row.part));
    }
    const ProjectParse edges = parse(R"({"mode": "transparent", "photos": [{"file": "a.jpg", "size": 200,
        "x": -100, "y": 100, "transparency": 100}]})");
    ASSERT_TRUE(edges.ok()) << edges.error.toStdString();
    EXPECT_EQ(edges.project.photos[0]->f_Transparent_Size, 200.0f);
}

// The mixing controls: left out they are today's picture, given they reach the photo
// or the project, out of range they are refused, and a written project reads back.
TEST(ProjectFile, OpacityFeatherBlendSpaceAndFullResolution)
{
    const ProjectParse old =
        parse(R"({"mode": "composite", "photos": [{"file": "a.jpg"}, {"file": "b.jpg"}]})");
    ASSERT_TRUE(old.ok());
    EXPECT_EQ(old.project.photos[1]->f_Composite_Opacity, 100.0f);
    EXPECT_EQ(old.project.options, ProjectOptions());

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
        NewPhotoList photos = {makePhoto(QImage(), QStringLiteral("a.jpg"), mode)};
        photos[0]->sFile = QStringLiteral("/projects/beach/a.jpg");
        photos[0]->f_Composite_Opacity = 12.0f;
        const ProjectOptions options{true, BlendSpace::Srgb, {}};
        const ProjectParse back =
            parseProject(projectJson(mode, photos, QStringLiteral("/projects/beach"), options),
                         QStringLiteral("/projects/beach"));
        ASSERT_TRUE(back.ok()) << back.error.toStdString();
        EXPECT_EQ(back.project.options.blendSpace, BlendSpace::Srgb);
        EXPECT_EQ(back.project.options.fullResolution, mode == LinearHorizontal);
        EXPECT_EQ(back.project.photos[0]->f_Composite_Opacity, mode == Composite ? 12.0f : 100.0f);
    }
}
