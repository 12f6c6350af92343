#pragma once

#include "drawing_unit.h"
#include "fret_table.h"
#include "paginator.h"

#include <optional>
#include <string>
#include <string_view>
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
    // A full-size template instead of the table.
    std::optional<std::string> templatePath; // format by extension: .pdf, .svg, .dxf
    drawing::Unit unit = drawing::Unit::Millimetre; // the unit the length is in
    drawing::Paper paper = *drawing::PaperFromName("a4");
    std::optional<std::string> boardWidthText; // in the unit; unset: 60 mm
};

struct UsageError {
    std::string message;
};

// The first line of the help and of a usage error: the options every call
// needs, in the user's language's words.
std::string UsageLine();

// The words of a command line, for the classic and the board commands
// alike: "--name value" or "--name=value", each option once, every one
// with a value, --help or -h anywhere.
struct OptionValue {
    std::string name;
    std::string text;
};
struct OptionWords {
    std::vector<OptionValue> values; // in the order given
    bool help = false;
    std::optional<UsageError> error;
    const std::string* find(std::string_view name) const;
};
// `flag` names the options that take no value ("--hairline").
OptionWords SplitOptions(const std::vector<std::string>& arguments,
    bool (*known)(std::string_view name), bool (*flag)(std::string_view name) = nullptr);

// Parses the arguments after the program name. Returns the options, or the
// reason they are unusable.
struct ParseResult {
    std::optional<Options> options;
    std::optional<UsageError> error;
};
ParseResult ParseOptions(const std::vector<std::string>& arguments);

// Why a text cannot be the decimal separator, or nothing when it can. It
// must be one visible character, valid UTF-8, that no reader takes for part
// of a number or for a gap between two: not a digit, a sign, an exponent
// letter (E and D), a blank, a control or an invisible formatting character.
std::optional<std::string> SeparatorProblem(const std::string& text);

// The format named "text", "csv" or "json"; nothing for any other name.
std::optional<Format> FormatFromName(std::string_view name) noexcept;

// The scale list item for a command-line scale name ("tempered-chromatic")
// or for the list item itself; empty when it is neither.
std::string ScaleTextFor(const std::string& name);

} // namespace corvane::cli
