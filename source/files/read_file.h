#pragma once

// Reading a file the user names: only a regular file, only up to a size
// (a pipe or /dev/zero would never end), and why not, as data.

#include <cstdint>
#include <optional>
#include <string>
#include <variant>

namespace corvane::files {

enum class ReadFailure {
    NoSuchFile,
    PermissionDenied,
    IsAFolder,
    NotARegularFile,
    TooLarge,
    System, // `systemError` says which
};

struct ReadProblem {
    std::string path;
    ReadFailure failure = ReadFailure::System;
    int systemError = 0;
};

// The whole file, or why not. A file larger than `largestBytes` is refused
// before it is read.
std::variant<std::string, ReadProblem> ReadWholeFile(
    const std::string& path, std::uintmax_t largestBytes);

// What tells one state of a file on the disk from another: a file saved
// over since (by another program, another window) has another stamp.
struct FileStamp {
    unsigned long long device = 0, inode = 0;
    long long size = 0, modifiedNs = 0;
    friend bool operator==(const FileStamp&, const FileStamp&) = default;
};
// The file's stamp now; nothing when there is no such file.
std::optional<FileStamp> StampOf(const std::string& path);

} // namespace corvane::files
