#pragma once

// Design files (.corvane): UTF-8 JSON, {"format": "corvane-board",
// "version": 1, ...}. A Scala scale is embedded by content so that a file
// stands alone. Lengths are stored in millimetres, with the unit the user
// works in.

#include "design.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace corvane::board {

inline constexpr std::string_view DesignFileFormat = "corvane-board";
inline constexpr int DesignFileVersion = 1;
inline constexpr std::string_view DesignFileExtension = ".corvane";

std::string DesignToJson(const Design& design);

// Reads and validates a whole design; on any problem, the error names the
// field and nothing is returned. The error's field is the file's key
// ("temperament.period"); its message puts "champ « key » : " before the
// problem's sentence when there is a field.
struct DesignReadResult {
    std::optional<Design> design;
    std::optional<DesignError> error;
};
DesignReadResult DesignFromJson(std::string_view text);

DesignReadResult LoadDesign(const std::filesystem::path& path);

// Writes the whole file beside the target, then renames it over the target:
// the target is either the old file or the new one, never a part. Returns
// an error message, or nothing on success.
std::optional<std::string> SaveDesign(const Design& design, const std::filesystem::path& path);

} // namespace corvane::board
