#include "encode/PngWriter.h"
#include "imaging/FileAccess.h"
#include "imaging/PhotoLoader.h"

#include "TestImages.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

constexpr auto kFolderOnly = QFileDevice::ReadOwner | QFileDevice::ExeOwner;
constexpr auto kFileOnly = QFileDevice::WriteOwner;

// Restores the owner's rights so that the temporary folder can be removed.
struct Locked {
    QString path;
    ~Locked()
    {
        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }
};

bool isSuperuser()
{
    return geteuid() == 0;
}

} // namespace

// Refusals that only the file system's rights explain, for reading and for writing.
// A superuser is never refused, so those rows only count for a normal user (CI runs
// the suite once as one).
TEST(FileAccess, PermissionRefusalsAreRecognisedForTheCurrentUser)
{
    QTemporaryDir dir;
    const QString readable = dir.filePath("open.png");
    ASSERT_TRUE(gradientImage(4, 4).save(readable));
    const QString lockedFile = dir.filePath("locked.png");
    ASSERT_TRUE(gradientImage(4, 4).save(lockedFile));
    ASSERT_TRUE(QDir(dir.path()).mkdir("sealed"));
    const QString sealed = dir.filePath("sealed");
    ASSERT_TRUE(QDir(dir.path()).mkdir("free"));
    ASSERT_TRUE(QFile::setPermissions(lockedFile, kFileOnly));
    ASSERT_TRUE(QFile::setPermissions(sealed, kFolderOnly));
    const Locked unlockFile{lockedFile}, unlockFolder{sealed};

    const bool refused = !isSuperuser();
    const struct {
        QString path;
        FileAccess access;
        bool expected;
    } rows[] = {
        {readable, FileAccess::Read, false},
        {lockedFile, FileAccess::Read, refused},
        {dir.filePath("missing.png"), FileAccess::Read, false},
        {dir.filePath("free/new.png"), FileAccess::WriteInFolder, false},
        {sealed + "/new.png", FileAccess::WriteInFolder, refused},
        {dir.filePath("no/such/folder/new.png"), FileAccess::WriteInFolder, false},
    };
    for (const auto &row : rows)
        EXPECT_EQ(isPermissionRefusal(row.path, row.access), row.expected) << row.path.toStdString();
}

TEST(FileAccess, LoaderAndWriterSayPlainlyThatPermissionIsMissing)
{
    if (isSuperuser())
        GTEST_SKIP() << "running as root: file permissions refuse nothing";
    QTemporaryDir dir;
    const QString lockedFile = dir.filePath("locked.png");
    ASSERT_TRUE(gradientImage(4, 4).save(lockedFile));
    ASSERT_TRUE(QDir(dir.path()).mkdir("sealed"));
    const QString sealed = dir.filePath("sealed");
    ASSERT_TRUE(QFile::setPermissions(lockedFile, kFileOnly));
    ASSERT_TRUE(QFile::setPermissions(sealed, kFolderOnly));
    const Locked unlockFile{lockedFile}, unlockFolder{sealed};

    const LoadResult load = loadPhoto(lockedFile);
    EXPECT_TRUE(load.error.contains("you do not have permission to read it.")) << load.error.toStdString();
    const WriteResult write = writePng(gradientImage(4, 4), sealed + "/out.png");
    EXPECT_FALSE(write.ok);
    EXPECT_TRUE(write.error.contains("you do not have permission to write in that folder."))
        << write.error.toStdString();
    EXPECT_FALSE(QFile::exists(sealed + "/out.png"));
}

// A path that names no file but a symbolic link is told as a link that leads nowhere,
// round a loop or to a missing file; anything else is left to the caller's own words.
TEST(FileAccess, BrokenLinksAreToldAsSuch)
{
    QTemporaryDir dir;
    const QDir d(dir.path());
    ASSERT_TRUE(gradientImage(4, 4).save(d.filePath("real.png")));
    for (const auto &[link, target] : {std::pair{"loop", "loop2"},
                                       {"loop2", "loop"},
                                       {"self", "self"},
                                       {"dangling", "gone.png"},
                                       {"fine", "real.png"}})
        ASSERT_TRUE(QFile::link(target, d.filePath(link)));
    const struct {
        const char *path;
        const char *says; // how the reason starts; empty: not a broken link
    } rows[] = {
        {"loop", "the symbolic link leads nowhere: its links go round in a loop"},
        {"self", "the symbolic link leads nowhere: its links go round in a loop"},
        {"loop/inside.png", "the symbolic link leads nowhere: its links go round in a loop"},
        {"dangling",
         "the symbolic link leads nowhere: \u201C%1/gone.png\u201D, where it points, does not exist."},
        {"fine", ""},
        {"real.png", ""},
        {"missing.png", ""},
    };
    for (const auto &row : rows) {
        const QString reason = brokenLinkReason(d.filePath(row.path));
        const QString says = QString::fromUtf8(row.says).replace("%1", d.path());
        EXPECT_TRUE(says.isEmpty() ? reason.isEmpty() : reason.startsWith(says))
            << row.path << ": " << reason.toStdString();
    }
}
