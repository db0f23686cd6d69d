#include "model/ProjectMode.h"
#include "output/engine/OutputRunner.h"
#include "render/CaptureRunner.h"
#include "render/RenderPass.h"

#include "PreviewCompare.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QImageReader>
#include <QTemporaryDir>
#include <QTimer>

namespace {

constexpr quint64 kMultiply = 16;
constexpr quint64 kDifference = 5;

PhotoPtr layer(const QImage &image, quint64 blend)
{
    PhotoPtr photo = makePhoto(image, QStringLiteral("layer.png"), Composite);
    photo->bCompositeSizeOfBG = false;
    photo->m_Composite_Blend_Mode = blend;
    photo->f_Composite_Size = 20.0f;
    photo->f_Composite_X_Offset = 10.0f;
    photo->f_Composite_Y_Offset = 10.0f;
    return photo;
}

// Runs the event loop until the runner hands back its picture.
QImage waitForCapture(CaptureRunner &runner)
{
    QImage picture;
    QEventLoop loop;
    QObject::connect(&runner, &CaptureRunner::captureFinished, &loop, [&](const QImage &captured) {
        picture = captured;
        loop.quit();
    });
    loop.exec();
    return picture;
}

} // namespace

TEST(CaptureRunner, CapturesTheFullResolutionPassOfTheListAsItWasWhenItStarted)
{
    PhotoList photos = {makePhoto(texturedImage(1201, 901), QStringLiteral("a.png"), Composite),
                        layer(texturedImage(800, 600, 1), kMultiply)};
    const QImage expected = renderPass(photos, Composite, QSizeF(0, 0), true).mixed;
    renderPass(photos, Composite, QSizeF(300, 200), false); // a preview first: copies exist
    CaptureRunner runner;
    ASSERT_TRUE(runner.start(photos, Composite));
    EXPECT_FALSE(runner.start(photos, Composite)) << "one capture at a time";
    // Every kind of change while the capture runs: parameters, pictures, the list.
    photos[1]->m_Composite_Blend_Mode = kDifference;
    photos[1]->f_Composite_Size = -40.0f;
    photos[0]->image = texturedImage(640, 480, 2);
    photos.append(layer(texturedImage(300, 300, 3), kMultiply));
    const QImage captured = waitForCapture(runner);
    EXPECT_FALSE(runner.isRunning());
    EXPECT_EQ(captured.size(), QSize(1201, 901));
    EXPECT_TRUE(captured == expected) << "bit for bit the full-resolution pass of the snapshot";
    EXPECT_TRUE(runner.start(photos, Composite)) << "free again once the picture is back";
    EXPECT_TRUE(waitForCapture(runner) == renderPass(photos, Composite, QSizeF(0, 0), true).mixed);
}

// The eight-photo project of two 24-megapixel photos, saved as Save saves it: the
// output runner captures it and then writes the PNG, both on its workers, while a
// 10 ms timer on this thread records how late it fires. The thread never goes more
// than 250 ms without handling events: the capture and the write take seconds, so a
// thread that waited for either would miss that by far, while a busy machine's
// scheduling alone stays well within it.
TEST(CaptureRunner, MainThreadKeepsAnsweringWhileACaptureAndItsPngWriteRun)
{
    const QImage a = sharedPhoto(QStringLiteral("pair24_a.jpg"));
    const QImage b = sharedPhoto(QStringLiteral("pair24_b.jpg"));
    ASSERT_FALSE(a.isNull() || b.isNull());
    PhotoList photos = {makePhoto(a, QStringLiteral("a.jpg"), Composite)};
    for (int i = 1; i < 8; ++i)
        photos.append(layer(i % 2 ? b : a, kMultiply));
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());

    qint64 worstMs = 0;
    QElapsedTimer sinceTick;
    QTimer ticker;
    ticker.setInterval(10);
    QObject::connect(&ticker, &QTimer::timeout,
                     [&] { worstMs = std::max(worstMs, sinceTick.restart() - 10); });
    OutputRunner runner;
    QEventLoop loop;
    WriteResult written;
    QObject::connect(&runner, &OutputRunner::captured, [&](const QImage &picture) {
        EXPECT_TRUE(runner.write(picture, folder.filePath("mix.png")));
    });
    QObject::connect(&runner, &OutputRunner::written, [&](const WriteResult &result) {
        written = result;
        loop.quit();
    });
    sinceTick.start();
    ticker.start();
    ASSERT_TRUE(runner.capture(photos, Composite));
    EXPECT_TRUE(runner.isCapturing());
    loop.exec();
    ticker.stop();
    EXPECT_FALSE(runner.isWriting());
    EXPECT_TRUE(written.ok) << written.error.toStdString();
    EXPECT_FALSE(QImageReader(folder.filePath("mix.png")).size().isEmpty()) << "the picture is on disk";
    RecordProperty("worst_lateness_ms", int(worstMs));
    EXPECT_LE(worstMs, 250) << "the longest the main thread went without handling a timer, past its interval";
}
