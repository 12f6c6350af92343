#pragma once

// Every file Corvane writes is written whole or not at all. The bytes go to
// a temporary file in the target's own folder, are flushed to the disk and
// checked, and only then replace the target in one rename; any failure
// removes the temporary file and leaves an earlier file as it was.
//
// The target is a regular file or does not exist yet. A symbolic link is
// written through: the file it points at gets the new bytes and the link
// stays a link. An existing file keeps its permissions; one the user may
// not write is refused, and so are folders, devices, pipes and sockets.

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace corvane::files {

// Why a file could not be written, as data (board::WriteProblemOf makes it a
// problem every front end phrases).
enum class WriteFailure {
    NoSuchFolder,
    PermissionDenied,
    ReadOnlyFile,
    DiskFull,
    ReadOnlyMedium,
    IsAFolder,
    NotARegularFile,
    NameTooLong,
    TooManyLinks,
    Incomplete, // the writer or the check said the contents were not whole
    System, // any other system error: `systemError` says which
};
inline constexpr int WriteFailureCount = static_cast<int>(WriteFailure::System) + 1;

struct WriteProblem {
    std::string path; // as the caller named it
    WriteFailure failure = WriteFailure::System;
    int systemError = 0; // errno, for WriteFailure::System
};

// Writes the bytes to the path.
std::optional<WriteProblem> WriteWholeFile(const std::string& path, std::string_view bytes);

// For writers that insist on opening a file by name themselves: `write`
// receives the temporary path, fills it and says whether it wrote
// everything (errno, when set, tells why not).
std::optional<WriteProblem> WriteWholeFileThrough(
    const std::string& path, const std::function<bool(const std::string& temporaryPath)>& write);

// True when a PDF ends as a whole file does and its cross-reference table
// finds every object where it says: a write that failed part-way, whether it
// cut the end or left a gap, moves or loses what follows.
bool PdfIsWhole(std::string_view pdf);

} // namespace corvane::files
