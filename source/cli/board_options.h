#pragma once

// Options of corvane-frets for a general fretboard: a design file and/or
// shortcuts that describe one (--edo, --scl, --strings, ...).

#include "design.h"
#include "gcode.h"
#include "options.h"

#include <optional>
#include <string>
#include <vector>

namespace corvane::cli {

// What a laser or a router needs of a template; all off unless asked for.
struct CutOptions {
    double slotWidthMm = 0; // --slot-width
    double extendFretsMm = 0; // --extend-frets
    bool markers = false; // --markers dots
    double markerDiameterMm = 6; // --marker-diameter
    bool hairline = false; // --hairline (SVG)
};

struct BoardOptions {
    board::Design design;
    std::optional<board::Unit> unit; // --unit, when given
    Format format = Format::Text;
    std::optional<std::string> separator; // unset: the format's default
    std::optional<std::string> templatePath;
    std::optional<std::string> paper; // for a PDF template
    CutOptions cut;
    std::optional<std::string> gcodePath; // --gcode: the slotting program instead of the table
    drawing::SlottingParameters slotting;
    bool stringsReport = false; // --strings-report: one row per string instead of the table
    std::optional<std::string> intonationChartPath; // --intonation-chart FILE.svg|png
    bool help = false;
};

// Exit 2 (usage) for a malformed command, exit 1 for a value that cannot be
// used (a length, a count out of range, an unreadable design or Scala file).
struct BoardParseResult {
    std::optional<BoardOptions> options;
    std::optional<UsageError> usage;
    std::optional<std::string> valueError;
};

// True when the arguments describe a general fretboard rather than one of
// the classic scales: any option that only a fretboard has.
bool IsBoardCommand(const std::vector<std::string>& arguments);

BoardParseResult ParseBoardOptions(const std::vector<std::string>& arguments);

inline constexpr const char* BoardUsageLine
    = "corvane-frets (--design FILE | --edo N [--period RATIO] | --scl FILE | --table NAME | "
      "--scale SCALE) [--length L | --bass-length L --treble-length L] [--frets N] [--strings N] "
      "[--nut-width W] [--bridge-width W] [--perpendicular FRET|nut|bridge] [--unit mm|cm|in] "
      "[--format text|csv|json] [--template FILE] [--tuning P,P,... --string-set SET] "
      "[--compensate] [--strings-report] [--help]";

} // namespace corvane::cli
