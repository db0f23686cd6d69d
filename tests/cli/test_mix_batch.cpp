// quillane-mix -O FOLDER: the names of a run's pictures and the guard over all its inputs.
#include "MixFixture.h"

#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>

#include <unistd.h>

namespace {

const QHash<QString, QRgb> kColours = {
    {"red", qRgb(100, 0, 0)}, {"blue", qRgb(0, 0, 100)}, {"grey", qRgb(128, 128, 128)}};

// One file of a case, relative to the case's folder: "photos/cover.png=red" a photo of
// that colour, "a/mix.json=red.png" a project of that one photo, "alias.json->a.json" a
// symbolic link, "hard.json=>a.json" a hard link.
void makeFile(const QDir &folder, const QString &entry)
{
    const QStringList link = entry.split(QRegularExpression("->|=>"));
    if (link.size() == 2) {
        ASSERT_TRUE(folder.mkpath(QFileInfo(folder.filePath(link[0])).path()));
        const QByteArray name = QFile::encodeName(folder.filePath(link[0]));
        if (entry.contains("->"))
            ASSERT_EQ(::symlink(QFile::encodeName(link[1]).constData(), name.constData()), 0)
                << entry.toStdString();
        else
            ASSERT_EQ(::link(QFile::encodeName(folder.filePath(link[1])).constData(), name.constData()), 0);
        return;
    }
    const QString path = folder.filePath(entry.section('=', 0, 0)), value = entry.section('=', 1);
    ASSERT_TRUE(folder.mkpath(QFileInfo(path).path()));
    if (path.endsWith(".png")) {
        QImage photo(4, 3, QImage::Format_RGB32);
        photo.fill(kColours.value(value));
        ASSERT_TRUE(photo.save(path));
        return;
    }
    QFile project(path);
    ASSERT_TRUE(project.open(QIODevice::WriteOnly));
    project.write(R"({"mode": "composite", "photos": [{"file": ")" +
                  QFile::encodeName(folder.filePath(value)) + R"("}]})");
}

// The bytes of every regular file below `folder` (links left out), by path.
QHash<QString, QByteArray> contentsBelow(const QDir &folder)
{
    QHash<QString, QByteArray> contents;
    for (const QFileInfo &file : folder.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (file.isSymLink())
            continue;
        if (file.isDir()) {
            contents.insert(contentsBelow(QDir(file.filePath())));
            continue;
        }
        QFile read(file.filePath());
        if (read.open(QIODevice::ReadOnly))
            contents.insert(file.filePath(), read.readAll());
    }
    return contents;
}

} // namespace

// Each case: the files made, the run, its status, every file then in the output folder
// with the colour of the photo it was mixed from (empty: not a picture), and the lines
// on standard error. No input may change.
TEST_F(QuillaneMix, BatchesNameEveryPictureApartAndReplaceNoInput)
{
    const struct {
        const char *name;
        QStringList files;
        QStringList arguments;
        int status;
        QStringList pictures; // "out/a.png=red", relative to the case's folder
        QStringList says;     // a regular expression per line
    } cases[] = {
        {"one parent folder tells them apart",
         {"red.png=red", "blue.png=blue", "grey.png=grey", "x/project.json=red.png",
          "y/project.json=blue.png", "z/deep/project.json=grey.png"},
         {"-O", "out", "x/project.json", "y/project.json", "z/deep/project.json"},
         0,
         {"out/x-project.png=red", "out/y-project.png=blue", "out/deep-project.png=grey"},
         {}},
        {"as many parent folders as tell them apart",
         {"red.png=red", "blue.png=blue", "grey.png=grey", "p/a/mix.json=red.png", "q/a/mix.json=blue.png",
          "b/mix.json=grey.png"},
         {"-O", "out", "p/a/mix.json", "q/a/mix.json", "b/mix.json"},
         0,
         {"out/p-a-mix.png=red", "out/q-a-mix.png=blue", "out/b-mix.png=grey"},
         {}},
        {"names that differ in case only",
         {"red.png=red", "blue.png=blue", "A/Mix.json=red.png", "B/mix.json=blue.png", "x/one.json=red.png"},
         {"-O", "out", "A/Mix.json", "B/mix.json", "x/one.json"},
         0,
         {"out/A-Mix.png=red", "out/B-mix.png=blue", "out/one.png=red"},
         {}},
        {"the same project twice",
         {"red.png=red", "a.json=red.png"},
         {"-O", "out", "a.json", "./a.json"},
         1,
         {"out/a.png=red"},
         {"./a.json.* is the same project file as .*a.json.*mixed once", "1 of 2 projects failed"}},
        {"two names for one project file",
         {"red.png=red", "a.json=red.png", "alias.json->a.json", "hard.json=>a.json"},
         {"-O", "out", "a.json", "alias.json", "hard.json"},
         2,
         {"out/a.png=red"},
         {"alias.json.* same project file as .*a.json", "hard.json.* same project file as .*a.json",
          "2 of 3 projects failed"}},
        {"a name already taken",
         {"red.png=red", "blue.png=blue", "grey.png=grey", "a/mix.json=red.png", "b/mix.json=blue.png",
          "a-mix.json=grey.png"},
         {"-O", "out", "a/mix.json", "b/mix.json", "a-mix.json"},
         1,
         {"out/a-mix.png=red", "out/b-mix.png=blue"},
         {"a-mix.json.* is not mixed: its picture would be .*out/a-mix.png.*a/mix.json",
          "1 of 3 projects failed"}},
        {"on another project's photo",
         {"red.png=red", "photos/cover.png=blue", "album.json=photos/cover.png", "cover.json=red.png"},
         {"-O", "photos", "album.json", "cover.json"},
         1,
         {"photos/cover.png=blue", "photos/album.png=blue"},
         {"photos/cover.png.* is the photo .*cover.png.* of the project .*album.json",
          "1 of 2 projects failed"}},
        {"on the photo of a project later in the run",
         {"red.png=red", "photos/cover.png=blue", "album.json=photos/cover.png", "cover.json=red.png"},
         {"-O", "photos", "cover.json", "album.json"},
         1,
         {"photos/cover.png=blue", "photos/album.png=blue"},
         {"photos/cover.png.* is the photo .*cover.png.* of the project .*album.json",
          "1 of 2 projects failed"}},
        {"where a later project looks for a missing photo",
         {"red.png=red", "photos/other.png=grey", "album.json=photos/cover.png", "cover.json=red.png"},
         {"-O", "photos", "cover.json", "album.json"},
         2,
         {"photos/other.png=grey"},
         {"photos/cover.png.* is the photo .*cover.png.* of the project .*album.json",
          "cover.png.* could not be opened: the file does not exist", "2 of 2 projects failed"}},
        {"two names for one picture",
         {"red.png=red", "blue.png=blue", "a.json=red.png", "b.json=blue.png", "out/b.png->a.png"},
         {"-O", "out", "a.json", "b.json"},
         1,
         {"out/a.png=red", "out/b.png=red"},
         {"out/b.png.* is the picture this run has just written for .*a.json", "1 of 2 projects failed"}},
        {"on another project's file through a link",
         {"red.png=red", "blue.png=blue", "q.json=blue.png", "r.json=red.png", "out/r.png->../q.json"},
         {"-O", "out", "q.json", "r.json"},
         1,
         {"out/q.png=blue", "out/r.png="},
         {"out/r.png.* is the project file .*q.json.*, also of this run", "1 of 2 projects failed"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const QDir folder(dir.filePath(QString::fromLatin1(c.name).replace(' ', '_')));
        ASSERT_TRUE(folder.mkpath(c.arguments[1]));
        for (const QString &file : c.files)
            makeFile(folder, file);
        const QHash<QString, QByteArray> inputs = contentsBelow(folder);
        const MixRun result = run(c.arguments, {}, folder.path());
        EXPECT_EQ(result.status, c.status) << result.err.toStdString();
        const QStringList lines = result.err.split('\n', Qt::SkipEmptyParts);
        EXPECT_EQ(lines.size(), c.says.size()) << result.err.toStdString();
        for (qsizetype i = 0; i < std::min(lines.size(), c.says.size()); ++i)
            EXPECT_TRUE(lines[i].contains(QRegularExpression(c.says[i]))) << lines[i].toStdString();
        QStringList expected;
        for (const QString &picture : c.pictures) {
            const QString path = folder.filePath(picture.section('=', 0, 0)),
                          colour = picture.section('=', 1);
            expected += QFileInfo(path).fileName();
            if (!colour.isEmpty()) {
                EXPECT_TRUE(pixelNear(QImage(path), 1, 1, kColours.value(colour), 0))
                    << picture.toStdString();
            }
        }
        const QDir out(folder.filePath(c.arguments[1]));
        expected.sort();
        EXPECT_EQ(out.entryList(QDir::Files | QDir::System, QDir::Name), expected);
        const QHash<QString, QByteArray> after = contentsBelow(folder);
        for (auto input = inputs.cbegin(); input != inputs.cend(); ++input)
            EXPECT_EQ(after.value(input.key()), input.value()) << input.key().toStdString() << " changed";
    }
}
