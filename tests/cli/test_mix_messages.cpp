// quillane-mix's one line says the true reason: what went wrong, with the figures that
// tell it.
#include "MixFixture.h"

#include <QRegularExpression>

#include <unistd.h>

namespace {

// A Linear project of `count` copies of `photo` at level 0, each pair adding a whole
// frame to the strip.
QByteArray longStrip(const char *mode, const char *photo, int count)
{
    QByteArray photos;
    for (int i = 0; i < count; ++i)
        photos += QByteArray(i ? ", " : "") + R"({"file": ")" + photo + R"(", "level": 0})";
    return QByteArray(R"({"mode": ")") + mode + R"(", "photos": [)" + photos + "]}";
}

} // namespace

TEST_F(QuillaneMix, EachMessageSaysTheTrueReason)
{
    const QDir d(dir.path());
    solid(400, 1, qRgb(9, 9, 9)).save(d.filePath("row.png"));
    solid(1, 400, qRgb(9, 9, 9)).save(d.filePath("column.png"));
    for (const auto &[link, target] : {std::pair{"loop.png", "loop2.png"},
                                       {"loop2.png", "loop.png"},
                                       {"loop.json", "loop.json"},
                                       {"dangling.png", "gone.png"}})
        ASSERT_EQ(::symlink(target, QFile::encodeName(d.filePath(link)).constData()), 0);
    const QByteArray grey = R"({"mode": "composite", "photos": [{"file": "grey.png"}]})";
    const QString budget = QStringLiteral("--memory-budget");
    const struct {
        QStringList arguments; // "P" stands for the project file
        QByteArray json;
        int status;
        const char *says; // a regular expression
    } cases[] = {
        // The two amounts differ where they differ (the need was "about 1 MB" like the budget).
        {{budget, "1k", "-o", "out.png", "P"},
         grey,
         1,
         R"(needs about (\d+ KB) of memory to render, more than the (?!\1 allowed)1 KB allowed)"},
        // The per-photo limit names the budget that set it.
        {{budget, "16k", "-o", "out.png", "P"},
         grey,
         1,
         "grey.png.* 40 × 30 pixels \\(1200 pixels\\), more than one photo may take: at most 1024 pixels, a "
         "quarter of the memory budget of 16 KB\\.$"},
        {{"-o", "out.png", "P"},
         longStrip("linear-horizontal", "row.png", 2630),
         1,
         "the strip of 2630 photos would be 1052000 × 1 pixels, longer than a picture can be \\(at most "
         "1048576 pixels a side\\)"},
        {{"-o", "out.png", "P"},
         longStrip("linear-vertical", "column.png", 2630),
         1,
         "would be 1 × 1052000 pixels, longer than"},
        {{"-o", "out.png", "P"},
         R"({"mode": "composite", "photos": [{"file": "loop.png"}]})",
         1,
         "loop.png.* could not be opened: the symbolic link leads nowhere: .*loop.*too many levels"},
        {{"-o", "out.png", "P"},
         R"({"mode": "composite", "photos": [{"file": "dangling.png"}]})",
         1,
         "dangling.png.* could not be opened: the symbolic link leads nowhere: .*gone.png.*, where it "
         "points, "
         "does not exist"},
        {{"-o", "out.png", "loop.json"},
         {},
         2,
         "loop.json.* could not be read: the symbolic link leads nowhere"},
        {{"-o", "loop.png", "P"},
         grey,
         2,
         "loop.png.* cannot take the picture: the symbolic link leads nowhere"},
        // Options that would change nothing are refused, not ignored.
        {{"--lossless", "-o", "out.jpg", "P"}, grey, 2, "--lossless applies to WebP only, not to JPEG"},
        {{"--lossless", "-o", "out.png", "P"}, grey, 2, "--lossless applies to WebP only, not to PNG"},
        {{"--quality", "80", "-o", "out.png", "P"},
         grey,
         2,
         "--quality applies to JPEG and WebP only, not to PNG"},
        {{"--quality", "80", "-o", "out.tif", "P"}, grey, 2, "--quality .* not to TIFF"},
        {{"--quality", "80", "-O", ".", "P"}, grey, 2, "--quality .* not to PNG"},
        {{"--quality", "80", "--lossless", "-o", "out.webp", "P"},
         grey,
         2,
         "--quality applies to lossy WebP only"},
    };
    for (const auto &c : cases) {
        const QString file = project("p.json", c.json);
        QStringList arguments = c.arguments;
        arguments.replaceInStrings(QRegularExpression("^P$"), file);
        const MixRun result = run(arguments);
        const std::string context =
            arguments.join(' ').left(200).toStdString() + ": " + result.err.toStdString();
        EXPECT_EQ(result.status, c.status) << context;
        EXPECT_EQ(result.err.count('\n'), 1) << context;
        EXPECT_TRUE(result.err.contains(QRegularExpression(QString::fromUtf8(c.says)))) << context;
        EXPECT_FALSE(QFile::exists(d.filePath("out.png")) || QFile::exists(d.filePath("p.png"))) << context;
    }
}

// A reader of standard output that goes away before the picture is complete: the run
// fails in one line saying so, not blaming the disk.
TEST_F(QuillaneMix, AReaderThatGoesAwayIsToldAsSuch)
{
    solid(300, 300, qRgb(9, 9, 9)).save(dir.filePath("big.png"));
    const QString file = project("p.json", R"({"mode": "composite", "photos": [{"file": "big.png"}]})");
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("LANGUAGE", "en");
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(dir.path());
    // Standard output is a pipe whose reading end is closed before the program starts.
    int ends[2];
    ASSERT_EQ(::pipe(ends), 0);
    ::close(ends[0]);
    process.setChildProcessModifier([&ends] { ::dup2(ends[1], STDOUT_FILENO); });
    process.start(QStringLiteral(QUILLANE_MIX_PATH), {"--format", "tiff", "-o", "-", file});
    ::close(ends[1]);
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit) << "not ended by SIGPIPE";
    EXPECT_EQ(process.exitCode(), 1);
    const QString err = QString::fromLocal8Bit(process.readAllStandardError());
    EXPECT_EQ(err.count('\n'), 1) << err.toStdString();
    EXPECT_TRUE(err.contains("the program reading it went away before the picture was complete"))
        << err.toStdString();
}
