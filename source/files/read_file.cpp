#include "read_file.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace corvane::files {

namespace {

ReadProblem FromErrno(const std::string& path, int error)
{
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return { path, ReadFailure::NoSuchFile, error };
    case EACCES:
    case EPERM:
        return { path, ReadFailure::PermissionDenied, error };
    case EISDIR:
        return { path, ReadFailure::IsAFolder, error };
    default:
        return { path, ReadFailure::System, error };
    }
}

} // namespace

std::variant<std::string, ReadProblem> ReadWholeFile(
    const std::string& path, std::uintmax_t largestBytes)
{
    // Opened without blocking, so that a pipe with no writer cannot hang
    // the open; it is refused just after.
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0)
        return FromErrno(path, errno);
    struct stat status { };
    ReadProblem refused { path, ReadFailure::System, 0 };
    bool refuse = false;
    if (::fstat(descriptor, &status) != 0) {
        refused = FromErrno(path, errno);
        refuse = true;
    } else if (S_ISDIR(status.st_mode)) {
        refused.failure = ReadFailure::IsAFolder;
        refuse = true;
    } else if (!S_ISREG(status.st_mode)) {
        refused.failure = ReadFailure::NotARegularFile;
        refuse = true;
    } else if (static_cast<std::uintmax_t>(status.st_size) > largestBytes) {
        refused.failure = ReadFailure::TooLarge;
        refuse = true;
    }
    if (refuse) {
        ::close(descriptor);
        return refused;
    }
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(status.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(descriptor, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            const int error = errno;
            ::close(descriptor);
            return FromErrno(path, error);
        }
        if (n == 0)
            break;
        bytes.append(buffer, static_cast<std::size_t>(n));
        if (bytes.size() > largestBytes) { // it grew while being read
            ::close(descriptor);
            return ReadProblem { path, ReadFailure::TooLarge, 0 };
        }
    }
    ::close(descriptor);
    return bytes;
}

std::optional<FileStamp> StampOf(const std::string& path)
{
    struct stat status { };
    if (::stat(path.c_str(), &status) != 0)
        return std::nullopt;
    return FileStamp { static_cast<unsigned long long>(status.st_dev),
        static_cast<unsigned long long>(status.st_ino), static_cast<long long>(status.st_size),
        static_cast<long long>(status.st_mtim.tv_sec) * 1'000'000'000LL + status.st_mtim.tv_nsec };
}

} // namespace corvane::files
