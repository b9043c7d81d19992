#include "cli/input_bytes.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <istream>
#include <new>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace tessaro::cli {

namespace {

constexpr std::size_t kChunk = std::size_t(1) << 16;

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() { ::close(fd_); }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

FileError ErrorOf(const std::string& what, const std::string& name, int error)
{
    return FileError{what + " '" + name + "': " + std::strerror(error)};
}

} // namespace

InputBytes::InputBytes(InputBytes&& other) noexcept
    : data_(std::exchange(other.data_, nullptr)), size_(std::exchange(other.size_, 0)),
      mapped_(std::exchange(other.mapped_, 0))
{
}

InputBytes::~InputBytes()
{
    if (mapped_ > 0)
        ::munmap(data_, mapped_);
}

char* InputBytes::Reserve(std::size_t more)
{
    if (size_ + more > mapped_) {
        const std::size_t capacity = std::max({mapped_ * 2, size_ + more, kChunk * 16});
        void* data = mapped_ == 0 ? ::mmap(nullptr, capacity, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0)
                                  : ::mremap(data_, mapped_, capacity, MREMAP_MAYMOVE);
        if (data == MAP_FAILED)
            throw std::bad_alloc();
        data_ = data;
        mapped_ = capacity;
    }
    return static_cast<char*>(data_) + size_;
}

InputBytes InputBytes::ReadFile(const std::string& name)
{
    const FileDescriptor fd(::open(name.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0)
        throw ErrorOf("cannot open", name, errno);
    struct stat status {};
    if (::fstat(fd.get(), &status) != 0)
        throw ErrorOf("cannot read", name, errno);
    if (S_ISDIR(status.st_mode))
        throw FileError{"'" + name + "' is a folder, not a text file"};

    InputBytes input;
    if (S_ISREG(status.st_mode) && status.st_size > 0) {
        const std::size_t size = std::size_t(status.st_size);
        void* data = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE | MAP_POPULATE, fd.get(), 0);
        if (data != MAP_FAILED) {
            input.data_ = data;
            input.size_ = input.mapped_ = size;
            return input;
        }
    }
    // Not a mappable file (a pipe, a device, a file of the kernel): read on
    // to the end.
    for (;;) {
        const ssize_t n = ::read(fd.get(), input.Reserve(kChunk), kChunk);
        if (n == 0)
            return input;
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            throw ErrorOf("cannot read", name, errno);
        input.size_ += std::size_t(n);
    }
}

InputBytes InputBytes::ReadStream(std::istream& in)
{
    InputBytes input;
    std::streambuf* buffer = in.rdbuf();
    for (;;) {
        const std::streamsize n = buffer->sgetn(input.Reserve(kChunk), std::streamsize(kChunk));
        if (n <= 0)
            return input;
        input.size_ += std::size_t(n);
    }
}

} // namespace tessaro::cli
