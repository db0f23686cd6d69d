#include "imaging/PhotoLoadRunner.h"
#include "imaging/ReducedCopies.h"

#include "EventWait.h"
#include "TestImages.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>

namespace {

// A folder of photo files of distinct sizes, so that each result tells which file it is.
struct PhotoFolder {
    QTemporaryDir dir;

    QString photo(const QString &name, QSize size) const
    {
        const QString path = dir.filePath(name);
        EXPECT_TRUE(noiseImage(size.width(), size.height(), quint32(size.width())).save(path));
        return path;
    }
    QString notAPhoto(const QString &name) const
    {
        const QString path = dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("this is text, not a picture");
        return path;
    }
};

// What a runner handed back: the photos by their place in the batch, and how many
// batches it said were finished.
struct Received {
    std::map<int, LoadedPhoto> photos;
    int arrivals = 0;
    int finished = 0;
    int arrivalsAfterFinish = 0;
};

void record(PhotoLoadRunner &runner, Received &received)
{
    QObject::connect(&runner, &PhotoLoadRunner::photoLoaded, [&](int index, const LoadedPhoto &photo) {
        ++received.arrivals;
        if (received.finished > 0)
            ++received.arrivalsAfterFinish;
        received.photos[index] = photo;
    });
    QObject::connect(&runner, &PhotoLoadRunner::batchFinished, [&] { ++received.finished; });
}

// Runs the event loop until the runner's batch has finished.
void waitForBatch(PhotoLoadRunner &runner)
{
    runEventsUntil([&] { return !runner.isRunning(); });
}

} // namespace

// Every file of a batch comes back once under its own place, whatever order the workers
// finish in: a picture with its reduced copies built from it, a refused file with its
// reason; the batch ends after its last file.
TEST(PhotoLoadRunner, EachFileComesBackOnceUnderItsPlaceInTheBatch)
{
    PhotoFolder folder;
    const QList<QSize> sizes = {{1200, 900}, {40, 30}, {0, 0}, {700, 500}, {33, 800}, {0, 0}, {2, 2}};
    QStringList paths;
    for (qsizetype i = 0; i < sizes.size(); ++i)
        paths << (sizes[i].isEmpty() ? folder.notAPhoto(QStringLiteral("%1.png").arg(i))
                                     : folder.photo(QStringLiteral("%1.png").arg(i), sizes[i]));
    PhotoLoadRunner runner;
    Received received;
    record(runner, received);
    runner.start(paths);
    EXPECT_TRUE(runner.isRunning());
    waitForBatch(runner);

    EXPECT_FALSE(runner.isRunning());
    EXPECT_EQ(received.finished, 1);
    EXPECT_EQ(received.arrivals, int(paths.size())) << "no file twice";
    EXPECT_EQ(received.arrivalsAfterFinish, 0);
    ASSERT_EQ(received.photos.size(), size_t(paths.size()));
    for (qsizetype i = 0; i < sizes.size(); ++i) {
        SCOPED_TRACE(i);
        const LoadedPhoto &photo = received.photos[int(i)];
        if (sizes[i].isEmpty()) {
            EXPECT_TRUE(photo.result.image.isNull());
            EXPECT_TRUE(photo.result.error.contains(QStringLiteral("%1.png").arg(i)))
                << photo.result.error.toStdString();
            EXPECT_FALSE(photo.reducedCopies);
            continue;
        }
        EXPECT_EQ(photo.result.image.size(), sizes[i]);
        ASSERT_TRUE(photo.reducedCopies);
        EXPECT_EQ(photo.reducedCopies->sourceKey, photo.result.image.cacheKey());
    }
}

// A batch cancelled, or replaced by another, hands nothing more back; a runner destroyed
// while its workers read waits for them.
TEST(PhotoLoadRunner, ACancelledOrReplacedBatchHandsNothingBack)
{
    PhotoFolder folder;
    QStringList first;
    for (int i = 0; i < 6; ++i)
        first << folder.photo(QStringLiteral("big%1.png").arg(i), QSize(1500 + i, 1000));
    const QStringList second = {folder.photo(QStringLiteral("small.png"), QSize(64, 48))};

    {
        PhotoLoadRunner runner;
        Received received;
        record(runner, received);
        runner.start(first);
        runner.start(second);
        waitForBatch(runner);
        EXPECT_EQ(received.finished, 1);
        ASSERT_EQ(received.photos.size(), size_t(1));
        EXPECT_EQ(received.photos[0].result.image.size(), QSize(64, 48));
    }
    {
        PhotoLoadRunner runner;
        Received received;
        record(runner, received);
        runner.start(first);
        runner.cancel();
        EXPECT_FALSE(runner.isRunning());
        runEventsUntil([] { return false; }, 300); // long enough for anything queued to arrive
        EXPECT_EQ(received.arrivals, 0);
        EXPECT_EQ(received.finished, 0);
    }
    {
        PhotoLoadRunner runner;
        runner.start(first);
    } // the destructor waits for the workers it started
}
