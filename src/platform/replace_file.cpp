#include "platform/replace_file.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tessaro {

namespace {

// 0, or the error number of the first write that failed.
int WriteAllBytes(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        bytes.remove_prefix(std::size_t(written));
    }
    return 0;
}

// New files get the usual permissions, as the process's umask leaves them
// (mkstemp makes them for their owner only).
mode_t NewFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

} // namespace

bool ReplaceFileBytes(const std::string& path, std::string_view bytes, int* error)
{
    std::string temp = path + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) {
        if (error)
            *error = errno;
        return false;
    }
    int failure = ::fchmod(fd, NewFileMode()) != 0 ? errno : 0;
    if (!failure)
        failure = WriteAllBytes(fd, bytes);
    if (!failure && ::fsync(fd) != 0)
        failure = errno;
    if (::close(fd) != 0 && !failure)
        failure = errno;
    if (!failure && std::rename(temp.c_str(), path.c_str()) != 0)
        failure = errno;
    if (!failure)
        return true;
    std::remove(temp.c_str());
    if (error)
        *error = failure;
    return false;
}

} // namespace tessaro
