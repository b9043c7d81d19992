#include "cli/output_file.h"

#include "cli/input_bytes.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace tessaro::cli {

namespace {

FileError CannotWrite(const std::string& name, int error)
{
    return FileError{"cannot write '" + name + "': " + std::strerror(error)};
}

// New files get the usual permissions, as the process's umask leaves them.
mode_t NewFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

} // namespace

void WriteFileWhole(const std::string& name, std::string_view bytes)
{
    std::string pattern = name + ".XXXXXX";
    std::vector<char> temp(pattern.begin(), pattern.end());
    temp.push_back('\0');
    const int fd = ::mkstemp(temp.data());
    if (fd < 0)
        throw CannotWrite(name, errno);
    int error = 0;
    for (std::size_t done = 0; done < bytes.size() && !error;) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno != EINTR)
            error = errno;
        else if (n > 0)
            done += std::size_t(n);
    }
    if (!error && ::fchmod(fd, NewFileMode()) != 0)
        error = errno;
    if (!error && ::fsync(fd) != 0)
        error = errno;
    if (::close(fd) != 0 && !error)
        error = errno;
    if (!error && std::rename(temp.data(), name.c_str()) != 0)
        error = errno;
    if (error) {
        ::unlink(temp.data());
        throw CannotWrite(name, error);
    }
}

} // namespace tessaro::cli
