#include "whole_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace corvane::drawing {

namespace {

std::string Reason(int errorNumber)
{
    switch (errorNumber) {
    case ENOENT:
    case ENOTDIR:
        return "le dossier n'existe pas";
    case EACCES:
    case EPERM:
        return "permission refusée";
    case ENOSPC:
    case EDQUOT:
        return "le disque est plein";
    case EROFS:
        return "le support est en lecture seule";
    case EISDIR:
        return "c'est un dossier";
    case ENAMETOOLONG:
        return "le nom est trop long";
    default:
        return std::string("erreur système ") + std::to_string(errorNumber) + " (" +
               std::strerror(errorNumber) + ")";
    }
}

// A new, empty temporary file beside the path, or the errno of the failure.
struct Temporary {
    std::string path;
    int descriptor = -1;
    int error = 0;
};

Temporary CreateTemporaryBeside(const std::string& path)
{
    std::string pattern = path + ".XXXXXX";
    Temporary temporary;
    temporary.descriptor = ::mkstemp(pattern.data());
    if (temporary.descriptor < 0) {
        temporary.error = errno;
        return temporary;
    }
    temporary.path = pattern;
    // mkstemp creates 0600; a template is an ordinary document.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(temporary.descriptor, 0666 & ~mask);
    return temporary;
}

std::optional<std::string> Install(const std::string& temporaryPath, const std::string& path)
{
    if (::rename(temporaryPath.c_str(), path.c_str()) != 0) {
        const int error = errno;
        ::unlink(temporaryPath.c_str());
        return CannotWriteMessage(path, error);
    }
    return std::nullopt;
}

std::optional<std::string> Abandon(const Temporary& temporary, const std::string& path, int error)
{
    if (temporary.descriptor >= 0)
        ::close(temporary.descriptor);
    ::unlink(temporary.path.c_str());
    return CannotWriteMessage(path, error);
}

} // namespace

std::string CannotWriteMessage(const std::string& path, int errorNumber)
{
    return "Impossible d'écrire « " + path + " » : " + Reason(errorNumber) + ".";
}

std::optional<std::string> WriteWholeFile(const std::string& path, const std::string& bytes)
{
    Temporary temporary = CreateTemporaryBeside(path);
    if (temporary.descriptor < 0)
        return CannotWriteMessage(path, temporary.error);
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(temporary.descriptor, bytes.data() + written, bytes.size() - written);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return Abandon(temporary, path, errno);
        }
        written += static_cast<std::size_t>(n);
    }
    if (::fsync(temporary.descriptor) != 0)
        return Abandon(temporary, path, errno);
    if (::close(temporary.descriptor) != 0) {
        temporary.descriptor = -1;
        return Abandon(temporary, path, errno);
    }
    return Install(temporary.path, path);
}

std::optional<std::string> WriteWholeFileThrough(
    const std::string& path, const std::function<bool(const std::string& temporaryPath)>& write)
{
    Temporary temporary = CreateTemporaryBeside(path);
    if (temporary.descriptor < 0)
        return CannotWriteMessage(path, temporary.error);
    ::close(temporary.descriptor);
    temporary.descriptor = -1;
    errno = 0;
    if (!write(temporary.path))
        return Abandon(temporary, path, errno != 0 ? errno : EIO);
    // The writer closed its stream; make the bytes durable before the rename.
    const int descriptor = ::open(temporary.path.c_str(), O_RDONLY);
    if (descriptor < 0 || ::fsync(descriptor) != 0) {
        const int error = errno;
        if (descriptor >= 0)
            ::close(descriptor);
        return Abandon(temporary, path, error);
    }
    ::close(descriptor);
    return Install(temporary.path, path);
}

} // namespace corvane::drawing
