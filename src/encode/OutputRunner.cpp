#include "encode/OutputRunner.h"

#include <utility>

OutputRunner::OutputRunner(QObject *parent) : QObject(parent)
{
    connect(&m_capture, &CaptureRunner::captureFinished, this,
            [this](const QImage &picture) { emit captured(picture, m_capture.lastError()); });
}

bool OutputRunner::capture(const PhotoList &photos, quint64 mode, const ProjectOptions &options)
{
    if (!m_capture.start(photos, mode, options))
        return false;
    emit captureStarted();
    return true;
}

bool OutputRunner::write(const QImage &picture, const QString &path)
{
    return write([picture, path] { return writePng(picture, path); });
}

bool OutputRunner::write(std::function<WriteResult()> job)
{
    return m_writer.start<WriteResult>(std::move(job), [this](WriteResult result) { emit written(result); });
}
