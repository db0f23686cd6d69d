// The project MIME type: shared-mime-info, given only Quillane's package, knows a saved
// project of every mode by its content (no extension to go by) and leaves other JSON
// files alone, including ones that happen to have a "mode" key.
#include "model/ProjectFile.h"
#include "model/ProjectMode.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const std::string kProjectType = "application/x-quillane-project";

class ProjectMime : public testing::Test {
  protected:
    void SetUp() override
    {
        m_gio = QStandardPaths::findExecutable(QStringLiteral("gio"));
        const QString update = QStandardPaths::findExecutable(QStringLiteral("update-mime-database"));
        if (m_gio.isEmpty() || update.isEmpty())
            GTEST_SKIP() << "gio (libglib2.0-bin) or update-mime-database (shared-mime-info) missing";
        ASSERT_TRUE(m_dir.isValid());
        const QString packages = m_dir.filePath(QStringLiteral("data/mime/packages"));
        ASSERT_TRUE(QDir().mkpath(packages));
        ASSERT_TRUE(QFile::copy(
            QStringLiteral(QUILLANE_SOURCE_DIR "/resources/desktop/org.quillane.Quillane.mime.xml"),
            packages + QStringLiteral("/org.quillane.Quillane.xml")));
        QProcess compile; // it warns that the folder is not where applications look: it is meant so
        compile.setProcessChannelMode(QProcess::MergedChannels);
        compile.start(update, {m_dir.filePath(QStringLiteral("data/mime"))});
        ASSERT_TRUE(compile.waitForFinished(30000));
        ASSERT_EQ(compile.exitCode(), 0) << compile.readAll().constData();
    }

    // The type GIO gives a file of this content; the name has no extension, so only the
    // magic rules decide.
    std::string typeOf(const QByteArray &content)
    {
        const QString path = m_dir.filePath(QStringLiteral("file%1").arg(++m_files));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
            return {};
        file.close();
        QProcess gio;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_DATA_DIRS"), m_dir.filePath(QStringLiteral("data")) + ":/usr/share");
        env.insert(QStringLiteral("XDG_DATA_HOME"), m_dir.filePath(QStringLiteral("home")));
        env.insert(QStringLiteral("GIO_USE_VFS"), QStringLiteral("local"));
        gio.setProcessEnvironment(env);
        gio.start(m_gio, {QStringLiteral("info"), QStringLiteral("-a"),
                          QStringLiteral("standard::content-type"), path});
        gio.waitForFinished();
        const QString out = QString::fromUtf8(gio.readAllStandardOutput());
        const qsizetype at = out.indexOf(QStringLiteral("standard::content-type: "));
        return (at < 0 ? out : out.mid(at + 24).trimmed()).toStdString();
    }

    QString m_gio;
    QTemporaryDir m_dir;
    int m_files = 0;
};

PhotoList photos(quint64 mode, int count)
{
    PhotoList list;
    for (int i = 0; i < count; ++i) {
        NewPhoto photo = makePhoto(QImage(), QStringLiteral("photo%1.jpg").arg(i), mode);
        photo->sFile = QStringLiteral("/projects/a long folder name/photo%1.jpg").arg(i);
        list.append(photo);
    }
    return list;
}

TEST_F(ProjectMime, SavedProjectsOfEveryModeAreProjects)
{
    for (quint64 mode = LinearHorizontal; mode <= Transparent; ++mode)
        for (BlendSpace space : {BlendSpace::Linear, BlendSpace::Srgb})
            for (bool fullResolution : {false, true}) {
                const ProjectOptions options{fullResolution, space, {}};
                const QByteArray json =
                    projectJson(mode, photos(mode, 3), QStringLiteral("/projects"), options);
                EXPECT_EQ(typeOf(json), kProjectType) << json.left(160).constData();
            }
    // Hand-written, compact, "version" first, as the file format's own example.
    EXPECT_EQ(typeOf(R"({"version":1,"mode":"composite","photos":[{"file":"a.jpg"}]})"), kProjectType);
}

TEST_F(ProjectMime, OtherJsonFilesAreNotProjects)
{
    const QByteArray others[] = {
        R"({"mode": "dark"})",
        "{\n    \"mode\": \"dark\",\n    \"accent\": \"blue\"\n}\n",
        R"({"name": "photos", "mode": "list"})", // the words as values, not as the keys
        R"({"photos": [{"file": "a.jpg"}]})",
    };
    for (const QByteArray &json : others)
        EXPECT_NE(typeOf(json), kProjectType) << json.constData();
}

} // namespace
