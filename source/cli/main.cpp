// corvane-frets: the fret table of one scale, for a terminal or a script.
// The same engine as the window, so the same digits.

#include "board_command.h"
#include "board_options.h"
#include "board_template.h"
#include "messages.h"
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
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr int ExitFailure = 1; // a run-time error, or the table could not be written
constexpr int ExitUsage = 2;

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

namespace corvane::cli {

// The command's own work, in its namespace: its texts are the command's.
int RunCommand(int argc, char** argv)
{
    ChooseCommandLanguage();
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    if (IsBoardCommand(arguments))
        return RunBoardCommand(arguments, std::cout, std::cerr,
            corvane::regional::DecimalSeparator(), WriteBoardTemplate, WriteIntonationChart);
    const ParseResult parsed = ParseOptions(arguments);
    if (parsed.error) {
        std::cerr << "corvane-frets: " << parsed.error->message << '\n'
                  << Say(QT_TRANSLATE_NOOP("corvane-frets", "utilisation : %1"), { UsageLine() })
                  << '\n';
        return ExitUsage;
    }
    const Options& options = *parsed.options;
    if (options.help) {
        std::ostringstream help;
        PrintHelp(help);
        if (!WriteAll(help.str())) {
            std::cerr << "corvane-frets: "
                      << Say(QT_TRANSLATE_NOOP("corvane-frets", "impossible d'écrire l'aide : %1"),
                             { std::strerror(errno) })
                      << '\n';
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
    const fret::DecimalInput lengthInput
        = decimalComma ? fret::DecimalInput::PeriodOrComma : fret::DecimalInput::PeriodOnly;

    // The window reads such a text as 0; a script gets an all-zero table it
    // did not ask for, so it is told instead.
    if (!fret::StartsWithNumber(options.lengthText, lengthInput)) {
        std::cerr << "corvane-frets: "
                  << Say(QT_TRANSLATE_NOOP("corvane-frets",
                             "aucun nombre ne peut être lu dans la longueur « %1 »"),
                         { OneLine(options.lengthText) })
                  << '\n';
        return ExitUsage;
    }

    std::string output;
    try {
        const FretTable table = ComputeFretTable(
            options.lengthText, options.scaleText, options.mode, separator, lengthInput);
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
        std::cerr << "corvane-frets: "
                  << Say(QT_TRANSLATE_NOOP("corvane-frets", "impossible d'écrire le tableau : %1"),
                         { std::strerror(errno) })
                  << '\n';
        return ExitFailure;
    }
    return 0;
}

} // namespace corvane::cli

int main(int argc, char** argv)
{
    return corvane::cli::RunCommand(argc, argv);
}
