#include "encode/OutputRunner.h"

#include "imaging/Parallel.h"

#include <QThread>

#include <utility>

OutputRunner::OutputRunner(QObject *parent) : QObject(parent)
{
    connect(&m_capture, &CaptureRunner::captureFinished, this,
            [this](const QImage &picture) { emit captured(picture, m_capture.lastError()); });
}

OutputRunner::~OutputRunner()
{
    if (m_writer) {
        m_writer->wait();
        delete m_writer;
    }
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
    if (m_writer)
        return false;
    m_writer = QThread::create([this, job = std::move(job)] { runOnPoolThread([&] { m_written = job(); }); });
    // `finished` is emitted on the worker; the runner lives here, so it arrives queued.
    connect(m_writer, &QThread::finished, this, &OutputRunner::deliverWrite);
    m_writer->start();
    return true;
}

void OutputRunner::deliverWrite()
{
    m_writer->wait();
    delete m_writer;
    m_writer = nullptr;
    emit written(std::exchange(m_written, WriteResult()));
}
