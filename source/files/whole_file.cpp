#include "whole_file.h"

#include <array>
#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace corvane::files {

namespace {

constexpr int LinkHopsAtMost = 40; // as the kernel counts them

WriteProblem Problem(const std::string& path, WriteFailure failure, int systemError = 0)
{
    return { path, failure, systemError };
}

WriteProblem FromErrno(const std::string& path, int error)
{
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return Problem(path, WriteFailure::NoSuchFolder);
    case EACCES:
    case EPERM:
        return Problem(path, WriteFailure::PermissionDenied);
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return Problem(path, WriteFailure::DiskFull);
    case EROFS:
        return Problem(path, WriteFailure::ReadOnlyMedium);
    case EISDIR:
        return Problem(path, WriteFailure::IsAFolder);
    case ENAMETOOLONG:
        return Problem(path, WriteFailure::NameTooLong);
    case ELOOP:
        return Problem(path, WriteFailure::TooManyLinks);
    default:
        return Problem(path, WriteFailure::System, error);
    }
}

std::string FolderOf(const std::string& path)
{
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? std::string("/") : path.substr(0, slash);
}

// Where the bytes really go: the path itself, or the end of its chain of
// links (which need not exist yet). Refuses what cannot be replaced.
struct Target {
    std::string path;
    bool exists = false;
    struct stat status { };
};

std::optional<WriteProblem> Resolve(const std::string& named, Target& target)
{
    std::string path = named;
    for (int hop = 0;; ++hop) {
        struct stat status { };
        if (::lstat(path.c_str(), &status) != 0) {
            if (errno != ENOENT)
                return FromErrno(named, errno);
            target.path = path;
            target.exists = false;
            return std::nullopt;
        }
        if (!S_ISLNK(status.st_mode)) {
            if (S_ISDIR(status.st_mode))
                return Problem(named, WriteFailure::IsAFolder);
            if (!S_ISREG(status.st_mode))
                return Problem(named, WriteFailure::NotARegularFile);
            // A file nobody may write is read-only by intent, even for root.
            if ((status.st_mode & 0222) == 0)
                return Problem(named, WriteFailure::ReadOnlyFile);
            if (::access(path.c_str(), W_OK) != 0)
                return Problem(named,
                    errno == EROFS ? WriteFailure::ReadOnlyMedium : WriteFailure::ReadOnlyFile);
            target.path = path;
            target.exists = true;
            target.status = status;
            return std::nullopt;
        }
        if (hop == LinkHopsAtMost)
            return Problem(named, WriteFailure::TooManyLinks);
        std::string link(
            static_cast<std::size_t>(status.st_size > 0 ? status.st_size : 255) + 1, '\0');
        const ssize_t length = ::readlink(path.c_str(), link.data(), link.size());
        if (length < 0)
            return FromErrno(named, errno);
        link.resize(static_cast<std::size_t>(length));
        path = !link.empty() && link.front() == '/' ? link : FolderOf(path) + "/" + link;
    }
}

// A new, empty temporary file beside the target, with the target's
// permissions (or those of a new document).
std::optional<WriteProblem> CreateTemporary(
    const std::string& named, const Target& target, std::string& temporaryPath, int& descriptor)
{
    std::string pattern = target.path + ".XXXXXX";
    descriptor = ::mkstemp(pattern.data());
    if (descriptor < 0)
        return FromErrno(named, errno);
    temporaryPath = pattern;
    if (target.exists) {
        ::fchmod(descriptor, target.status.st_mode & 07777);
        // Only root may give the file back to another owner; the bytes
        // count more than the ownership, so a refusal is let pass.
        [[maybe_unused]] const int owned
            = ::fchown(descriptor, target.status.st_uid, target.status.st_gid);
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        ::fchmod(descriptor, 0666 & ~mask);
    }
    return std::nullopt;
}

WriteProblem Abandon(const std::string& temporaryPath, int descriptor, WriteProblem problem)
{
    if (descriptor >= 0)
        ::close(descriptor);
    ::unlink(temporaryPath.c_str());
    return problem;
}

std::optional<WriteProblem> Install(
    const std::string& named, const std::string& temporaryPath, const Target& target)
{
    if (::rename(temporaryPath.c_str(), target.path.c_str()) != 0)
        return Abandon(temporaryPath, -1, FromErrno(named, errno));
    // The rename itself reaches the disk with its folder.
    const int folder = ::open(FolderOf(target.path).c_str(), O_RDONLY | O_DIRECTORY);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
    return std::nullopt;
}

// The number written at `at`, or nothing.
std::optional<std::size_t> NumberAt(std::string_view text, std::size_t at)
{
    std::size_t value = 0;
    if (at >= text.size())
        return std::nullopt;
    const auto [end, error] = std::from_chars(text.data() + at, text.data() + text.size(), value);
    if (error != std::errc())
        return std::nullopt;
    return value;
}

} // namespace

namespace {

// The start every whole write shares: where the bytes go, and an open
// temporary file beside it.
std::optional<WriteProblem> Begin(
    const std::string& path, Target& target, std::string& temporaryPath, int& descriptor)
{
    if (auto refused = Resolve(path, target))
        return refused;
    return CreateTemporary(path, target, temporaryPath, descriptor);
}

// And its end: the bytes on the disk, the temporary renamed over the target.
std::optional<WriteProblem> Finish(
    const std::string& path, const std::string& temporaryPath, int descriptor, const Target& target)
{
    if (::fsync(descriptor) != 0)
        return Abandon(temporaryPath, descriptor, FromErrno(path, errno));
    if (::close(descriptor) != 0)
        return Abandon(temporaryPath, -1, FromErrno(path, errno));
    return Install(path, temporaryPath, target);
}

} // namespace

std::optional<WriteProblem> WriteWholeFile(const std::string& path, std::string_view bytes)
{
    Target target;
    std::string temporaryPath;
    int descriptor = -1;
    if (auto failed = Begin(path, target, temporaryPath, descriptor))
        return failed;
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(descriptor, bytes.data() + written, bytes.size() - written);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return Abandon(temporaryPath, descriptor, FromErrno(path, errno));
        }
        written += static_cast<std::size_t>(n);
    }
    return Finish(path, temporaryPath, descriptor, target);
}

std::optional<WriteProblem> WriteWholeFileThrough(
    const std::string& path, const std::function<bool(const std::string& temporaryPath)>& write)
{
    Target target;
    std::string temporaryPath;
    int descriptor = -1;
    if (auto failed = Begin(path, target, temporaryPath, descriptor))
        return failed;
    ::close(descriptor);
    errno = 0;
    if (!write(temporaryPath)) {
        const int error = errno;
        return Abandon(temporaryPath, -1,
            error != 0 ? FromErrno(path, error) : Problem(path, WriteFailure::Incomplete));
    }
    // The writer closed its own stream: the file is opened again to be synced.
    descriptor = ::open(temporaryPath.c_str(), O_RDONLY);
    if (descriptor < 0)
        return Abandon(temporaryPath, -1, FromErrno(path, errno));
    return Finish(path, temporaryPath, descriptor, target);
}

bool PdfIsWhole(std::string_view pdf)
{
    std::string_view trimmed = pdf;
    while (!trimmed.empty()
        && (trimmed.back() == '\n' || trimmed.back() == '\r' || trimmed.back() == ' '))
        trimmed.remove_suffix(1);
    if (pdf.substr(0, 5) != "%PDF-" || trimmed.size() < 5
        || trimmed.substr(trimmed.size() - 5) != "%%EOF")
        return false;
    const std::size_t startxref = pdf.rfind("startxref");
    if (startxref == std::string_view::npos)
        return false;
    std::size_t at = startxref + 9;
    while (at < pdf.size() && (pdf[at] == '\n' || pdf[at] == '\r' || pdf[at] == ' '))
        ++at;
    const auto table = NumberAt(pdf, at);
    if (!table || *table >= startxref || pdf.substr(*table, 4) != "xref")
        return false;

    // "xref", then "0 N", then N entries of 20 bytes: "oooooooooo ggggg n\n".
    const std::size_t firstLine = pdf.find('\n', *table);
    const std::size_t countAt
        = firstLine == std::string_view::npos ? firstLine : pdf.find(' ', firstLine + 1);
    const auto count
        = countAt == std::string_view::npos ? std::nullopt : NumberAt(pdf, countAt + 1);
    const std::size_t entries = count ? pdf.find('\n', countAt + 1) : std::string_view::npos;
    if (!count || *count == 0 || entries == std::string_view::npos
        || entries + 1 + 20 * *count > startxref)
        return false;
    for (std::size_t object = 1; object < *count; ++object) {
        const std::size_t entry = entries + 1 + 20 * object;
        if (pdf[entry + 17] != 'n')
            continue;
        const auto offset = NumberAt(pdf, entry);
        const std::string expected = std::to_string(object) + " 0 obj";
        if (!offset || pdf.substr(*offset, expected.size()) != expected)
            return false;
    }
    return true;
}

} // namespace corvane::files
