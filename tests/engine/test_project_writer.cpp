// The project file as the application writes it: read back it gives the same list, the
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
    return std::make_tuple(p.m_Composite_Blend_Mode, p.bCompositeSizeOfBG, p.f_Composite_Size,
                           p.f_Composite_X_Offset, p.f_Composite_Y_Offset, p.m_Shape_Type, p.f_Shape_Size,
                           p.f_Shape_X_Offset, p.f_Shape_Y_Offset, p.f_Linear_Intersection_Level,
                           p.f_Transparent_Transparency, p.f_Transparent_Size, p.f_Transparent_X_Offset,
                           p.f_Transparent_Y_Offset);
}

// A photo of the mode with values no default has (thirds do not survive a short
// decimal printed as a float).
PhotoPtr tunedPhoto(quint64 mode, const QString &file, float seed)
{
    PhotoPtr p = Make_Photo(QImage(), QFileInfo(file).fileName(), mode);
    p->sFile = file;
    p->m_Composite_Blend_Mode = mode == Composite ? 16 : 0;
    p->bCompositeSizeOfBG = mode == Composite ? seed < 0 : false;
    (mode == Composite ? p->f_Composite_Size
     : mode == Shape   ? p->f_Shape_Size
                       : p->f_Transparent_Size) = seed / 3;
    (mode == Composite ? p->f_Composite_X_Offset
     : mode == Shape   ? p->f_Shape_X_Offset
                       : p->f_Transparent_X_Offset) = -seed / 7;
    (mode == Composite ? p->f_Composite_Y_Offset
     : mode == Shape   ? p->f_Shape_Y_Offset
                       : p->f_Transparent_Y_Offset) = 1e-7f * seed;
    p->m_Shape_Type = mode == Shape ? 11 : 0;
    p->f_Transparent_Transparency = mode == Transparent ? 45 : 0;
    p->f_Linear_Intersection_Level = isLinearMode(mode) ? 359.9f : 0.0f;
    if (!(mode == Composite || mode == Shape || mode == Transparent))
        p->f_Transparent_Size = p->f_Transparent_X_Offset = p->f_Transparent_Y_Offset = 0.0f;
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
    const PhotoList photos = {tunedPhoto(mode, dir.filePath("projects/mix/a.jpg"), 1.0f),
                              tunedPhoto(mode, dir.filePath("projects/mix/photos/b c.png"), -23.7f),
                              tunedPhoto(mode, dir.filePath("elsewhere/d.tif"), 100.1f)};
    ASSERT_EQ(Write_Project(projectPath, mode, photos), QString());

    QFile file(projectPath);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray json = file.readAll();
    const QJsonObject root = QJsonDocument::fromJson(json).object();
    EXPECT_EQ(root.value("version").toInt(), kProjectFormatVersion);
    EXPECT_EQ(root.value("photos")[1]["file"].toString(), "photos/b c.png");
    EXPECT_EQ(root.value("photos")[2]["file"].toString(), "../../elsewhere/d.tif");

    const ProjectParse parse = Parse_Project(json, QFileInfo(projectPath).absolutePath());
    ASSERT_TRUE(parse.ok()) << parse.error.toStdString() << json.toStdString();
    EXPECT_EQ(parse.kind, ProjectError::None);
    EXPECT_EQ(parse.project.mode, mode);
    ASSERT_EQ(parse.project.photos.size(), photos.size());
    for (qsizetype i = 0; i < photos.size(); ++i) {
        EXPECT_EQ(parse.project.photos[i]->sFile, photos[i]->sFile);
        EXPECT_EQ(parse.project.files[i], photos[i]->sFile);
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
        const ProjectParse parse = Parse_Project(QByteArray(row.json), "/p");
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
    const PhotoList one = {tunedPhoto(Composite, dir.filePath("a.jpg"), 2.0f)};
    const PhotoList two = {one[0], tunedPhoto(Composite, dir.filePath("b.jpg"), 3.0f)};
    ASSERT_EQ(Write_Project(path, Composite, two), QString());
    ASSERT_EQ(Write_Project(path, Composite, one), QString());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray saved = file.readAll();
    EXPECT_EQ(saved, Project_Json(Composite, one, dir.path()));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"mix.json"}); // no temporary left

    EXPECT_FALSE(Write_Project(dir.filePath("missing/mix.json"), Composite, one).isEmpty());
    const PhotoList unnamed = {Make_Photo(QImage(), "pasted", Composite)};
    EXPECT_TRUE(Write_Project(path, Composite, unnamed).contains("photo 1 (\u201Cpasted\u201D) has no file"));
    file.seek(0);
    EXPECT_EQ(file.readAll(), saved);
}
