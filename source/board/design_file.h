#pragma once

// Design files (.corvane): UTF-8 JSON, {"format": "corvane-board",
// "version": 1, ...}. A Scala scale is embedded by content so that a file
// stands alone. Lengths are stored in millimetres, with the unit the user
// works in.

#include "design.h"
#include "whole_file.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace corvane::board {

inline constexpr std::string_view DesignFileFormat = "corvane-board";
// Version 2 adds the strings, version 3 the cut options and router values,
// version 4 the board's own shape (left-handed…); a design is written as
// the oldest version that holds all it has.
inline constexpr int DesignFileVersion = 4;
inline constexpr std::string_view DesignFileExtension = ".corvane";

std::string DesignToJson(const Design& design);

// Reads and validates a whole design; on any problem, the error names the
// field and nothing is returned. The error's field is the file's key
// ("temperament.period"), phrased as language::DesignFileErrorText says.
struct DesignReadResult {
    std::optional<Design> design;
    std::optional<DesignError> error;
};
DesignReadResult DesignFromJson(std::string_view text);

// Files a user names are read only when they are regular files of at most
// this size: a design is a few kilobytes, the largest Scala file a few
// hundred.
inline constexpr std::uintmax_t LargestInputFileBytes = 16U * 1024U * 1024U;

DesignReadResult LoadDesign(const std::filesystem::path& path);

// A Scala file read for a design: its bytes and its name (the last part of
// the path), or why it cannot be read (FileUnreadableBecause, FileTooLarge).
Parsed<ScalaSource> LoadScalaFile(const std::filesystem::path& path);

// Why a design was not saved: it is not valid, or its file could not be
// written.
struct SaveProblem {
    std::optional<DesignError> invalid;
    std::optional<files::WriteProblem> write;
};

// Written whole or not at all, through the file library: the target is
// either the old file or the new one, never a part. Nothing on success.
std::optional<SaveProblem> SaveDesign(const Design& design, const std::filesystem::path& path);

} // namespace corvane::board
