#pragma once

// corvane-frets reads one set of options, for every temperament: a design
// file and/or the options that describe one (option_table.h).

#include "design.h"
#include "options.h"

#include <optional>
#include <string>
#include <vector>

namespace corvane::cli {

struct BoardOptions {
    board::Design design; // its cut options and router values included
    Format format = Format::Text;
    std::optional<std::string> separator; // unset: the format's default
    bool noteNames = true; // --mode none: the notes go unnamed
    std::optional<std::string> templatePath;
    std::optional<std::string> paper; // for a PDF template
    std::optional<std::string> gcodePath; // --gcode: the slotting program instead of the table
    bool stringsReport = false; // --strings-report: one row per string instead of the table
    std::optional<std::string> intonationChartPath; // --intonation-chart FILE.svg|png
    std::optional<std::string> radiusGaugesPath; // --radius-gauges FILE.pdf|svg|dxf
    std::optional<std::string> saveDesignPath; // --save-design FILE.corvane
    bool help = false;
};

// Exit 2 (usage) for a malformed command, exit 1 for a value that cannot be
// used (a length, a count out of range, an unreadable design or Scala file).
struct BoardParseResult {
    std::optional<BoardOptions> options;
    std::optional<UsageError> usage;
    std::optional<std::string> valueError;
};

// True when the classic table cannot say what the arguments ask: any option
// it does not take (option_table.h), or none of its scales.
bool IsBoardCommand(const std::vector<std::string>& arguments);

BoardParseResult ParseBoardOptions(const std::vector<std::string>& arguments);

// "corvane-frets (--design FILE | --edo N | …) …", from the option table.
std::string BoardUsageLine();

} // namespace corvane::cli
