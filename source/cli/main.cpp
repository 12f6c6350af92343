// corvane-frets: the fret table of one scale, for a terminal or a script.
// The same engine as the window, so the same digits.

#include "board_command.h"
#include "board_options.h"
#include "board_template.h"
#include "options.h"
#include "runtime_error.h"
#include "table_output.h"
#include "template_command.h"

#include <clocale>
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

namespace {

constexpr int ExitRunTimeError = 1;
constexpr int ExitUsage = 2;

// The decimal separator of the user's regional settings, from the locale
// environment (LC_ALL, LC_NUMERIC, LANG); "." when it names no locale
// installed on this system.
std::string RegionalSeparator()
{
    if (std::setlocale(LC_NUMERIC, "") == nullptr)
        return ".";
    const std::lconv* conventions = std::localeconv();
    std::string separator =
        conventions != nullptr && conventions->decimal_point != nullptr ? conventions->decimal_point : "";
    std::setlocale(LC_NUMERIC, "C");
    return separator.empty() ? "." : separator;
}

void PrintHelp()
{
    std::cout << corvane::cli::UsageLine << "\n\n"
              << "Prints where the frets go on a string of the given vibrating length.\n\n"
                 "  --length TEXT     the vibrating length, read as the length box reads it\n"
                 "                    (\"650 mm\" is 650, \"650,5\" is 650)\n"
                 "  --scale SCALE     tempered-diatonic, tempered-chromatic, natural-diatonic,\n"
                 "                    natural-chromatic, pythagorean-diatonic,\n"
                 "                    pythagorean-chromatic, or a scale list item\n"
                 "  --mode MODE       sol, do (default) or none (no note names)\n"
                 "  --format FORMAT   text (default), csv or json\n"
                 "  --separator CHAR  decimal separator written (default: the regional one\n"
                 "                    for text, \".\" for csv and json)\n\n"
                 "A full-size template instead of the table:\n"
                 "  --template FILE   write the template to FILE: .pdf (tiled on the paper,\n"
                 "                    with a calibration ruler), .svg or .dxf (true size)\n"
                 "  --unit UNIT       mm (default), cm or in: the unit the length is in\n"
                 "  --paper PAPER     a4 (default), letter, a3 or legal, for a PDF\n"
                 "  --board-width N   width of the fretboard, in the unit (default 60 mm)\n\n"
                 "Any temperament, fanned boards and design files: see\n"
                 "  corvane-frets --edo 12 --help    and    corvane-frets --design FILE\n";
}

} // namespace

int main(int argc, char** argv)
{
    using namespace corvane::cli;

    const std::vector<std::string> arguments(argv + 1, argv + argc);
    if (IsBoardCommand(arguments))
        return RunBoardCommand(arguments, std::cout, std::cerr, RegionalSeparator(), WriteBoardTemplate);
    const ParseResult parsed = ParseOptions(arguments);
    if (parsed.error) {
        std::cerr << "corvane-frets: " << parsed.error->message << '\n' << UsageLine << '\n';
        return ExitUsage;
    }
    const Options& options = *parsed.options;
    if (options.help) {
        PrintHelp();
        return 0;
    }

    const std::string separator = options.separator.value_or(
        options.format == Format::Text ? RegionalSeparator() : std::string("."));

    std::string output;
    try {
        const FretTable table =
            ComputeFretTable(options.lengthText, options.scaleText, options.mode, separator);
        if (options.templatePath) {
            if (const auto error = WriteClassicTemplate(options, table, separator)) {
                std::cerr << "corvane-frets: " << *error << '\n';
                return ExitRunTimeError;
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
        return ExitRunTimeError;
    }
    std::cout << output << std::flush;
    return std::cout ? 0 : ExitRunTimeError;
}
