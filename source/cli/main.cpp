// corvane-frets: the fret table of one scale, for a terminal or a script.
// The same engine as the window, so the same digits.

#include "board_command.h"
#include "board_options.h"
#include "board_template.h"
#include "options.h"
#include "read_number.h"
#include "regional_numbers.h"
#include "runtime_error.h"
#include "table_output.h"
#include "template_command.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

namespace {

constexpr int ExitFailure = 1; // a run-time error, or the table could not be written
constexpr int ExitUsage = 2;

void PrintHelp()
{
    std::cout << corvane::cli::UsageLine << "\n\n"
              << "Prints where the frets go on a string of the given vibrating length.\n\n"
                 "  --length TEXT     the vibrating length, read as the length box reads it\n"
                 "                    (\"650 mm\" is 650; \"650,5\" is 650.5 where the regional\n"
                 "                    decimal separator is the comma, 650 elsewhere)\n"
                 "  --scale SCALE     tempered-diatonic, tempered-chromatic, natural-diatonic,\n"
                 "                    natural-chromatic, pythagorean-diatonic,\n"
                 "                    pythagorean-chromatic, or a scale list item\n"
                 "  --mode MODE       sol, do (default) or none (no note names)\n"
                 "  --format FORMAT   text (default), csv or json\n"
                 "  --separator CHAR  decimal separator written (default: the regional one\n"
                 "                    for text, \".\" for csv and json); \",\" also lets the\n"
                 "                    length be read with a decimal comma\n\n"
                 "A full-size template instead of the table:\n"
                 "  --template FILE   write the template to FILE: .pdf (tiled on the paper,\n"
                 "                    with a calibration ruler), .svg or .dxf (true size)\n"
                 "  --unit UNIT       mm (default), cm or in: the unit the length is in\n"
                 "  --paper PAPER     a4 (default), letter, a3 or legal, for a PDF\n"
                 "  --board-width N   width of the fretboard, in the unit (default 60 mm)\n\n"
                 "Any temperament, fanned boards and design files: see\n"
                 "  corvane-frets --edo 12 --help    and    corvane-frets --design FILE\n";
}

// The text with its control characters shown as '?', so that a message
// naming it stays on one line.
std::string OneLine(std::string text)
{
    for (char& c : text)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            c = '?';
    return text;
}

// Writes the whole table to standard output; false, with errno set, when
// any of it could not be written (a full disk, a closed output).
bool WriteAll(const std::string& output)
{
    errno = 0;
    const std::size_t written = std::fwrite(output.data(), 1, output.size(), stdout);
    const bool flushed = std::fflush(stdout) == 0;
    if (written == output.size() && flushed && std::ferror(stdout) == 0)
        return true;
    if (errno == 0)
        errno = EIO;
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    using namespace corvane::cli;

    const std::vector<std::string> arguments(argv + 1, argv + argc);
    if (IsBoardCommand(arguments))
        return RunBoardCommand(arguments, std::cout, std::cerr, corvane::regional::DecimalSeparator(),
                               WriteBoardTemplate);
    const ParseResult parsed = ParseOptions(arguments);
    if (parsed.error) {
        std::cerr << "corvane-frets: " << parsed.error->message << '\n' << UsageLine << '\n';
        return ExitUsage;
    }
    const Options& options = *parsed.options;
    if (options.help) {
        PrintHelp();
        if (!WriteAll({})) {
            std::cerr << "corvane-frets: cannot write the help: " << std::strerror(errno) << '\n';
            return ExitFailure;
        }
        return 0;
    }

    const std::string regionalSeparator = corvane::regional::DecimalSeparator();
    const std::string separator = options.separator.value_or(
        options.format == Format::Text ? regionalSeparator : std::string("."));
    // The length is read as the user writes numbers: with a decimal comma
    // where that is the regional separator, or where they asked for one.
    const bool decimalComma = regionalSeparator == "," || options.separator == ",";
    const fret::DecimalInput lengthInput =
        decimalComma ? fret::DecimalInput::PeriodOrComma : fret::DecimalInput::PeriodOnly;

    // The window reads such a text as 0; a script gets an all-zero table it
    // did not ask for, so it is told instead.
    if (!fret::StartsWithNumber(options.lengthText, lengthInput)) {
        std::cerr << "corvane-frets: no number can be read from the length '"
                  << OneLine(options.lengthText) << "'\n";
        return ExitUsage;
    }

    std::string output;
    try {
        const FretTable table = ComputeFretTable(options.lengthText, options.scaleText,
                                                 options.mode, separator, lengthInput);
        if (options.templatePath) {
            if (const auto error = WriteClassicTemplate(options, table, separator)) {
                std::cerr << "corvane-frets: " << *error << '\n';
                return ExitFailure;
            }
            return 0;
        }
        switch (options.format) {
        case Format::Csv:
            output = FormatCsv(table);
            break;
        case Format::Json:
            output = FormatJson(table);
            break;
        case Format::Text:
            output = FormatText(table);
            break;
        }
    } catch (const fret::RuntimeError& error) {
        std::cerr << "corvane-frets: " << error.message() << '\n';
        return ExitFailure;
    }
    if (!WriteAll(output)) {
        std::cerr << "corvane-frets: cannot write the table: " << std::strerror(errno) << '\n';
        return ExitFailure;
    }
    return 0;
}
