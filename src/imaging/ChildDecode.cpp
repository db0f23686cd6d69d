#include "imaging/ChildDecode.h"

#include <QColorSpace>

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace {

constexpr qint64 kDecoderOverhead = qint64(256) << 20;
constexpr qint64 kCopiesOfDeepPicture = 3;

struct Header {
    qint32 format = QImage::Format_Invalid; // Format_Invalid: refused, with a reason
    qint32 width = 0;
    qint32 height = 0;
    qint32 reasonBytes = 0;
    qint32 iccBytes = 0;
};

bool writeAll(int fd, const void *data, size_t size)
{
    const auto *bytes = static_cast<const char *>(data);
    while (size > 0) {
        const ssize_t written = write(fd, bytes, size);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes += written;
        size -= size_t(written);
    }
    return true;
}

bool readAll(int fd, void *data, size_t size)
{
    auto *bytes = static_cast<char *>(data);
    while (size > 0) {
        const ssize_t got = read(fd, bytes, size);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return false;
        bytes += got;
        size -= size_t(got);
    }
    return true;
}

// The data memory the process holds now, in bytes (from /proc/self/statm).
qint64 dataMemory()
{
    FILE *statm = std::fopen("/proc/self/statm", "r");
    long pages[7] = {};
    const bool read = statm && std::fscanf(statm, "%ld %ld %ld %ld %ld %ld", &pages[0], &pages[1], &pages[2],
                                           &pages[3], &pages[4], &pages[5]) == 6;
    if (statm)
        std::fclose(statm);
    return read ? qint64(pages[5]) * sysconf(_SC_PAGESIZE) : 0;
}

// Set in a child of decodeInChild only: the data memory it held when it began.
qint64 g_childBaseMemory = -1;

void limitDataMemory(qint64 bytes)
{
    const rlim_t limit = rlim_t(g_childBaseMemory + bytes);
    const rlimit data{limit, limit};
    setrlimit(RLIMIT_DATA, &data);
}

// In the child: a crash ends the child quietly, memory beyond the budget is refused, and
// whatever a decoder library prints on standard error goes nowhere (the parent tells
// the refusal in its own words).
void prepareChild(qint64 memoryBytes)
{
    for (const int crash : {SIGABRT, SIGSEGV, SIGBUS, SIGILL, SIGFPE})
        signal(crash, SIG_DFL);
    if (const int nowhere = open("/dev/null", O_WRONLY | O_CLOEXEC); nowhere >= 0) {
        dup2(nowhere, STDERR_FILENO);
        close(nowhere);
    }
    g_childBaseMemory = dataMemory();
    limitDataMemory(memoryBytes);
}

void sendPicture(int fd, const DecodedPicture &decoded)
{
    const QByteArray reason = decoded.reason.toUtf8();
    const QByteArray icc =
        decoded.image.colorSpace().isValid() ? decoded.image.colorSpace().iccProfile() : QByteArray();
    const QImage &image = decoded.image;
    // A refusal carries the size the header declared in place of the picture's.
    const QSize size = image.isNull() ? decoded.declared : image.size();
    const Header header{image.isNull() ? qint32(QImage::Format_Invalid) : qint32(image.format()),
                        size.width(), size.height(), qint32(reason.size()), qint32(icc.size())};
    if (!writeAll(fd, &header, sizeof(Header)) || !writeAll(fd, reason.constData(), size_t(reason.size())) ||
        !writeAll(fd, icc.constData(), size_t(icc.size())))
        return;
    const size_t rowBytes = size_t(image.width()) * size_t(image.depth() / 8);
    for (int y = 0; y < image.height(); ++y)
        if (!writeAll(fd, image.constScanLine(y), rowBytes))
            return;
}

DecodedPicture receivePicture(int fd)
{
    Header header;
    if (!readAll(fd, &header, sizeof(Header)) || header.reasonBytes < 0 || header.iccBytes < 0 ||
        header.reasonBytes > (1 << 16) || header.iccBytes > (1 << 24))
        return damagedPicture();
    QByteArray reason(header.reasonBytes, Qt::Uninitialized), icc(header.iccBytes, Qt::Uninitialized);
    if (!readAll(fd, reason.data(), size_t(reason.size())) || !readAll(fd, icc.data(), size_t(icc.size())))
        return damagedPicture();
    if (header.format <= QImage::Format_Invalid || header.format >= QImage::NImageFormats)
        return {QImage(), reason.isEmpty() ? damagedPicture().reason : QString::fromUtf8(reason),
                QSize(header.width, header.height)};
    QImage image(header.width, header.height, QImage::Format(header.format));
    if (image.isNull())
        return damagedPicture();
    const size_t rowBytes = size_t(image.width()) * size_t(image.depth() / 8);
    for (int y = 0; y < image.height(); ++y)
        if (!readAll(fd, image.scanLine(y), rowBytes))
            return damagedPicture();
    if (!icc.isEmpty())
        image.setColorSpace(QColorSpace::fromIccProfile(icc));
    return {image, QString(), QSize()};
}

} // namespace

qint64 decoderMemoryBudget(qint64 maxPixels)
{
    return maxPixels * 8 * kCopiesOfDeepPicture + kDecoderOverhead;
}

void limitChildMemoryTo(qint64 pixels)
{
    if (g_childBaseMemory >= 0)
        limitDataMemory(decoderMemoryBudget(pixels));
}

DecodedPicture decodeInChild(const std::function<DecodedPicture()> &decode, qint64 memoryBytes)
{
    int pipeEnds[2];
    if (pipe2(pipeEnds, O_CLOEXEC) != 0)
        return damagedPicture();
    const pid_t child = fork();
    if (child == 0) {
        close(pipeEnds[0]);
        prepareChild(memoryBytes);
        sendPicture(pipeEnds[1], decode());
        _exit(0); // no exit handlers of the parent's libraries run in the child
    }
    close(pipeEnds[1]);
    const DecodedPicture decoded = child < 0 ? damagedPicture() : receivePicture(pipeEnds[0]);
    close(pipeEnds[0]); // a child still writing gets a broken pipe and ends
    if (child > 0)
        while (waitpid(child, nullptr, 0) < 0 && errno == EINTR) {
        }
    return decoded;
}
