#include "imaging/RawDecoder.h"

#include <QColorSpace>

#include <libraw/libraw.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <memory>
#include <vector>

// LibRaw parses hundreds of camera formats, and a crafted file has crashed it inside
// its own parsers (fuzzing found one). A raw file is therefore developed in a child
// process, which sends the developed picture back through a pipe: whatever LibRaw does
// with a damaged file, Quillane refuses the file instead of going down with it.

namespace {

enum class Answer : qint32 { Picture, Damaged, TooLarge };

struct Header {
    Answer answer = Answer::Damaged;
    qint32 width = 0; // the developed picture's, or the declared size refused
    qint32 height = 0;
};

struct ProcessedFree {
    void operator()(libraw_processed_image_t *image) const { LibRaw::dcraw_clear_mem(image); }
};

void setDevelopment(libraw_output_params_t &params)
{
    params.use_camera_wb = 1;
    params.output_color = 1; // sRGB primaries
    params.output_bps = 16;
    params.gamm[0] = 1.0 / 2.4; // the sRGB curve: power 2.4 with a linear toe of slope 12.92
    params.gamm[1] = 12.92;
    params.user_flip = -1; // the camera's orientation
}

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

bool answer(int fd, const Header &header)
{
    return writeAll(fd, &header, sizeof(Header));
}

// The child's work: develops the file and writes the header, then the 16-bit RGB rows.
void developInto(int fd, const QByteArray &bytes, qint64 maxPixels)
{
    const auto raw = std::make_unique<LibRaw>(LIBRAW_OPTIONS_NONE);
    // LibRaw reads from the buffer only; the const is cast away for its interface.
    if (raw->open_buffer(const_cast<char *>(bytes.constData()), size_t(bytes.size())) != LIBRAW_SUCCESS) {
        answer(fd, Header{});
        return;
    }
    const libraw_image_sizes_t &sizes = raw->imgdata.sizes;
    // The sensor's data and the developed picture both have to fit.
    for (const QSize size : {QSize(sizes.raw_width, sizes.raw_height), QSize(sizes.width, sizes.height)})
        if (!Declared_Size_Problem(size.width(), size.height(), maxPixels).isEmpty()) {
            answer(fd, Header{Answer::TooLarge, size.width(), size.height()});
            return;
        }
    setDevelopment(raw->imgdata.params);
    int error = LIBRAW_SUCCESS;
    std::unique_ptr<libraw_processed_image_t, ProcessedFree> developed;
    if (raw->unpack() == LIBRAW_SUCCESS && raw->dcraw_process() == LIBRAW_SUCCESS)
        developed.reset(raw->dcraw_make_mem_image(&error));
    if (!developed || error != LIBRAW_SUCCESS || developed->type != LIBRAW_IMAGE_BITMAP ||
        developed->colors != 3 || developed->bits != 16) {
        answer(fd, Header{});
        return;
    }
    if (answer(fd, Header{Answer::Picture, developed->width, developed->height}))
        writeAll(fd, developed->data, size_t(developed->width) * developed->height * 3 * sizeof(quint16));
}

// The parent's side: the developed picture as 16-bit RGBX, read row by row.
DecodedPicture receive(int fd, qint64 maxPixels)
{
    Header header;
    if (!readAll(fd, &header, sizeof(Header)))
        return Damaged_Picture();
    if (header.answer == Answer::TooLarge)
        return {QImage(), Declared_Size_Problem(header.width, header.height, maxPixels)};
    if (header.answer != Answer::Picture ||
        !Declared_Size_Problem(header.width, header.height, maxPixels).isEmpty())
        return Damaged_Picture();
    QImage picture(header.width, header.height, QImage::Format_RGBX64);
    if (picture.isNull())
        return Damaged_Picture();
    std::vector<quint16> row(size_t(header.width) * 3);
    for (int y = 0; y < header.height; ++y) {
        if (!readAll(fd, row.data(), row.size() * sizeof(quint16)))
            return Damaged_Picture();
        auto *to = reinterpret_cast<quint16 *>(picture.scanLine(y));
        for (int x = 0; x < header.width; ++x) {
            to[4 * x] = row[3 * size_t(x)];
            to[4 * x + 1] = row[3 * size_t(x) + 1];
            to[4 * x + 2] = row[3 * size_t(x) + 2];
            to[4 * x + 3] = 0xFFFF;
        }
    }
    picture.setColorSpace(QColorSpace(QColorSpace::SRgb));
    return {picture, QString()};
}

} // namespace

DecodedPicture Decode_Raw(const QByteArray &bytes, qint64 maxPixels)
{
    int pipeEnds[2];
    if (pipe2(pipeEnds, O_CLOEXEC) != 0)
        return Damaged_Picture();
    const pid_t child = fork();
    if (child == 0) {
        // A crash in the child ends the child only, quietly: no handler of the parent's
        // (a crash reporter, a sanitizer's) acts for it.
        for (const int crash : {SIGABRT, SIGSEGV, SIGBUS, SIGILL, SIGFPE})
            signal(crash, SIG_DFL);
        close(pipeEnds[0]);
        developInto(pipeEnds[1], bytes, maxPixels);
        _exit(0); // no exit handlers of the parent's libraries run in the child
    }
    close(pipeEnds[1]);
    const DecodedPicture decoded = child < 0 ? Damaged_Picture() : receive(pipeEnds[0], maxPixels);
    close(pipeEnds[0]); // a child still writing gets a broken pipe and ends
    if (child > 0)
        while (waitpid(child, nullptr, 0) < 0 && errno == EINTR) {
        }
    return decoded;
}
