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

} // namespace corvane::files
