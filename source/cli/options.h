#pragma once

#include "fret_table.h"

#include <optional>
#include <string>
#include <vector>

namespace corvane::cli {

enum class Format { Text, Csv, Json };

struct Options {
    std::string lengthText;
    std::string scaleText; // always the scale list item, whichever name was given
    Mode mode = Mode::Do;
    Format format = Format::Text;
    std::optional<std::string> separator; // unset: the format's default
    bool help = false;
};

struct UsageError {
    std::string message;
};

inline constexpr const char* UsageLine =
    "usage: corvane-frets --length TEXT --scale SCALE [--mode sol|do|none] "
    "[--format text|csv|json] [--separator CHAR]";

// Parses the arguments after the program name. Accepts "--name value" and
// "--name=value". Returns the options, or the reason they are unusable.
struct ParseResult {
    std::optional<Options> options;
    std::optional<UsageError> error;
};
ParseResult ParseOptions(const std::vector<std::string>& arguments);

// The scale list item for a command-line scale name ("tempered-chromatic")
// or for the list item itself; empty when it is neither.
std::string ScaleTextFor(const std::string& name);

} // namespace corvane::cli
