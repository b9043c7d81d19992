// main() of tessaro-wmf-decoder and tessaro-emf-decoder: draws one
// metafile, read from standard input, and writes its pixels to standard
// output (see metafile_pipe.h). Metafiles come with layouts that people
// share, so they are decoded here, in a process of their own with limits on
// processor time and memory: a damaged or hostile file ends this process,
// never the program.
#include "platform/metafile_decoding.h"

#include <sys/resource.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#if defined(__SANITIZE_ADDRESS__)
// In a sanitizer build the answer is written before exit, and libwmf,
// fontconfig and Qt keep memory until then: a leak report at exit must not
// turn a good answer into a failed decode.
extern "C" const char* __asan_default_options()
{
    return "detect_leaks=0";
}
#endif

namespace {

using namespace tessaro::platform;

void LimitSelf()
{
    const rlimit cpu{kMetafileDecoderCpuSeconds, kMetafileDecoderCpuSeconds + 1};
    setrlimit(RLIMIT_CPU, &cpu);
    const rlimit noCore{0, 0};
    setrlimit(RLIMIT_CORE, &noCore);
#if !defined(__SANITIZE_ADDRESS__)
    // AddressSanitizer reserves terabytes of shadow address space up front;
    // its builds go without this limit and rely on the time limits.
    const rlimit space{rlim_t(kMetafileDecoderAddressSpace), rlim_t(kMetafileDecoderAddressSpace)};
    setrlimit(RLIMIT_AS, &space);
#endif
}

QByteArray ReadAll(int fd)
{
    QByteArray bytes;
    char buffer[1 << 16];
    for (;;) {
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n > 0)
            bytes.append(buffer, qsizetype(n));
        else if (n == 0 || errno != EINTR)
            break;
    }
    return bytes;
}

bool WriteAll(int fd, const char* data, std::size_t size)
{
    while (size > 0) {
        const ssize_t n = write(fd, data, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data += n;
        size -= std::size_t(n);
    }
    return true;
}

bool WritePixels(const QImage& drawn)
{
    const bool premultiplied = drawn.format() == QImage::Format_ARGB32_Premultiplied;
    const QImage image = premultiplied ? drawn : drawn.convertToFormat(QImage::Format_ARGB32);
    MetafilePixelsHeader header;
    header.width = std::uint32_t(image.width());
    header.height = std::uint32_t(image.height());
    header.premultiplied = premultiplied ? 1 : 0;
    if (!WriteAll(STDOUT_FILENO, reinterpret_cast<const char*>(&header), sizeof header))
        return false;
    const std::size_t lineBytes = std::size_t(image.width()) * 4;
    for (int y = 0; y < image.height(); ++y)
        if (!WriteAll(STDOUT_FILENO, reinterpret_cast<const char*>(image.constScanLine(y)), lineBytes))
            return false;
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    LimitSelf();
    if (argc != 1) {
        std::fprintf(stderr, "Usage: %s <METAFILE >PIXELS\n", kDecoderName);
        return kMetafileDecoderUsage;
    }
    const QImage image = DecodeMetafile(argc, argv, ReadAll(STDIN_FILENO));
    if (image.isNull() || image.width() > kMaxMetafileSide || image.height() > kMaxMetafileSide)
        return kMetafileRefused;
    // A closed standard output leaves the program without an answer, which it
    // counts as a failed decode whatever the status.
    return WritePixels(image) ? 0 : kMetafileDecoderUsage;
}
