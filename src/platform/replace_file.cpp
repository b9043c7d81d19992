#include "platform/replace_file.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
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

// The file a path names once symbolic links are followed, also when the
// last link points at a file that does not exist yet. A relative link
// target is taken from the link's own folder.
std::string FollowLinks(std::string path)
{
    for (int depth = 0; depth < 40; ++depth) {
        char target[PATH_MAX];
        const ssize_t length = ::readlink(path.c_str(), target, sizeof target);
        if (length < 0 || std::size_t(length) == sizeof target)
            return path;
        std::string next(target, std::size_t(length));
        if (!next.starts_with('/')) {
            const std::size_t slash = path.rfind('/');
            if (slash != std::string::npos)
                next = path.substr(0, slash + 1) + next;
        }
        path = std::move(next);
    }
    return path;
}

// 0, or the error number: the bytes written into a device or pipe that
// stands where the file would be.
int WriteInPlace(const std::string& path, std::string_view bytes)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
    if (fd < 0)
        return errno;
    int failure = WriteAllBytes(fd, bytes);
    if (::close(fd) != 0 && !failure)
        failure = errno;
    return failure;
}

// The temporary file takes the old file's owner, group and permissions.
// Only the owner's own processes (and root) may keep another owner; a
// group the process belongs to is kept even when the owner cannot be.
int TakeOldFilesPlace(int fd, const struct stat* old)
{
    if (!old)
        return ::fchmod(fd, NewFileMode()) != 0 ? errno : 0;
    if (::fchown(fd, old->st_uid, old->st_gid) != 0)
        (void)::fchown(fd, uid_t(-1), old->st_gid);
    return ::fchmod(fd, old->st_mode & 07777) != 0 ? errno : 0;
}

int Replace(const std::string& path, std::string_view bytes)
{
    if (path.empty())
        return ENOENT;
    const std::string target = FollowLinks(path);
    struct stat old {};
    const bool exists = ::stat(target.c_str(), &old) == 0;
    if (exists && S_ISDIR(old.st_mode))
        return EISDIR;
    if (exists && !S_ISREG(old.st_mode))
        return WriteInPlace(target, bytes);
    // A file its owner made read-only stays as it is, although the folder
    // would let it be replaced.
    if (exists && ::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0 && errno == EACCES)
        return kReadOnlyFileError;

    std::string temp = target + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0)
        return errno;
    int failure = TakeOldFilesPlace(fd, exists ? &old : nullptr);
    if (!failure)
        failure = WriteAllBytes(fd, bytes);
    if (!failure && ::fsync(fd) != 0)
        failure = errno;
    if (::close(fd) != 0 && !failure)
        failure = errno;
    if (!failure && std::rename(temp.c_str(), target.c_str()) != 0)
        failure = errno;
    if (failure)
        std::remove(temp.c_str());
    return failure;
}

} // namespace

bool ReplaceFileBytes(const std::string& path, std::string_view bytes, int* error)
{
    const int failure = Replace(path, bytes);
    if (error)
        *error = failure;
    return failure == 0;
}

std::string ReplaceErrorText(int error)
{
    if (error == kReadOnlyFileError)
        return "The file is read-only";
    return std::strerror(error);
}

} // namespace tessaro
