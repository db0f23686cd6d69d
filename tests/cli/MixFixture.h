// What the tests of quillane-mix share: a folder of small generated photos, and the
// program run as a process in it.
#pragma once

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

struct MixRun {
    int status = -1;
    QString out;
    QString err;
};

class QuillaneMix : public ::testing::Test {
  protected:
    QTemporaryDir dir;

    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        solid(40, 30, qRgb(128, 128, 128)).save(dir.filePath("grey.png"));
        solid(20, 10, qRgb(0, 0, 0)).save(dir.filePath("black.png"));
        solid(40, 30, qRgb(100, 0, 0)).save(dir.filePath("red.png"));
        solid(40, 30, qRgb(0, 0, 100)).save(dir.filePath("blue.png"));
        QFile whole(dir.filePath("grey.png")), cut(dir.filePath("cut.png"));
        ASSERT_TRUE(whole.open(QIODevice::ReadOnly) && cut.open(QIODevice::WriteOnly));
        cut.write(whole.readAll().chopped(30));
    }

    static QImage solid(int w, int h, QRgb colour)
    {
        QImage image(w, h, QImage::Format_RGB32);
        image.fill(colour);
        return image;
    }

    QString project(const QString &name, const QByteArray &json) const
    {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(json);
        return file.fileName();
    }

    // Runs quillane-mix in `folder` (the test's folder when empty).
    MixRun run(const QStringList &arguments, const QByteArray &input = {}, const QString &folder = {}) const
    {
        QProcess process;
        // The messages compared below are the English ones, whatever the user's language.
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("LANGUAGE", "en");
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(folder.isEmpty() ? dir.path() : folder);
        process.start(QStringLiteral(QUILLANE_MIX_PATH), arguments);
        process.write(input);
        process.closeWriteChannel();
        EXPECT_TRUE(process.waitForFinished(60000));
        return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                QString::fromLocal8Bit(process.readAllStandardOutput()),
                QString::fromLocal8Bit(process.readAllStandardError())};
    }

    QString out() const { return dir.filePath("out.png"); }

    // A smooth picture with a hard-edged block, different for each `seed`.
    static QImage pattern(int w, int h, int seed)
    {
        QImage image(w, h, QImage::Format_RGB32);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const bool block = (x / 8 + y / 8 + seed) % 3 == 0;
                image.setPixel(x, y,
                               qRgb((x * 255 / w + seed * 70) % 256, (y * 255 / h) % 256, block ? 230 : 40));
            }
        return image;
    }
};

// Pixel (x, y) counted from the lower-left corner is within `tolerance` of `expected`.
inline ::testing::AssertionResult pixelNear(const QImage &image, int x, int y, QRgb expected,
                                            int tolerance = 1)
{
    const QRgb actual = image.pixel(x, image.height() - 1 - y);
    const int d =
        std::max({std::abs(qRed(actual) - qRed(expected)), std::abs(qGreen(actual) - qGreen(expected)),
                  std::abs(qBlue(actual) - qBlue(expected)), std::abs(qAlpha(actual) - qAlpha(expected))});
    if (d <= tolerance)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "pixel (" << x << ", " << y << ") is off by " << d;
}
