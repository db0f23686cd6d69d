#include "encode/OutputRunner.h"
#include "model/ProjectMode.h"
#include "render/CaptureRunner.h"
#include "render/RenderPass.h"

#include "PreviewCompare.h"

#include <QEventLoop>
#include <QImageReader>
#include <QTemporaryDir>

namespace {

constexpr quint64 kMultiply = 16;
constexpr quint64 kDifference = 5;

NewPhoto layer(const QImage &image, quint64 blend)
{
    NewPhoto photo = makePhoto(image, QStringLiteral("layer.png"), Composite);
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
    NewPhotoList photos = {makePhoto(texturedImage(1201, 901), QStringLiteral("a.png"), Composite),
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

// Save's capture and PNG write, as Save runs them on the output runner: each starts and
// the main thread goes on handling events before it ends. A message queued right after
// the capture starts, and one queued right after the write starts, are handled before
// that step reports back; a step that ran on this thread, or that this thread waited for,
// would report first. (How long the thread goes without events is measured by the
// preview worker benchmark.)
TEST(CaptureRunner, MainThreadHandlesEventsWhileACaptureAndItsPngWriteRun)
{
    NewPhotoList photos = {makePhoto(texturedImage(1600, 1200), QStringLiteral("a.png"), Composite)};
    for (int i = 1; i < 4; ++i)
        photos.append(layer(texturedImage(1200, 900, i), kMultiply));
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    OutputRunner runner;
    QEventLoop loop;
    QObject context;
    WriteResult written;
    enum Step { Capturing, Writing, Done };
    Step step = Capturing;
    QList<Step> handledDuring; // the step under way when each queued message was handled
    auto queueMessage = [&] {
        QMetaObject::invokeMethod(
            &context, [&] { handledDuring.append(step); }, Qt::QueuedConnection);
    };
    QObject::connect(&runner, &OutputRunner::captured, [&](const QImage &picture) {
        step = Writing;
        EXPECT_TRUE(runner.write(picture, folder.filePath("mix.png")));
        queueMessage();
    });
    QObject::connect(&runner, &OutputRunner::written, [&](const WriteResult &result) {
        step = Done;
        written = result;
        loop.quit();
    });
    ASSERT_TRUE(runner.capture(photos, Composite));
    EXPECT_TRUE(runner.isCapturing());
    queueMessage();
    loop.exec();
    EXPECT_EQ(handledDuring, QList<Step>({Capturing, Writing}));
    EXPECT_FALSE(runner.isWriting());
    EXPECT_TRUE(written.ok) << written.error.toStdString();
    EXPECT_EQ(QImageReader(folder.filePath("mix.png")).size(), QSize(1600, 1200)) << "the picture is on disk";
}
