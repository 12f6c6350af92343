#include "board_command.h"

#include "board_options.h"
#include "board_table_output.h"

#include <cerrno>
#include <cstring>
#include <ostream>

namespace corvane::cli {

namespace {

constexpr int ExitValue = 1;
constexpr int ExitUsage = 2;

// 0 once everything written has reached the output; otherwise one line
// saying why, and 1 (a full disk, a closed output). errno was cleared
// before the writing began.
int Flushed(std::ostream& out, std::ostream& err, const char* what)
{
    out.flush();
    if (out)
        return 0;
    err << "corvane-frets: cannot write " << what << ": " << std::strerror(errno != 0 ? errno : EIO) << '\n';
    return ExitValue;
}

void PrintBoardHelp(std::ostream& out)
{
    out << BoardUsageLine << "\n\n"
        << "Prints where the frets go on a straight or fanned board in any temperament:\n"
           "one row per fret and string.\n\n"
           "  --design FILE        a design saved as a .corvane file (other options change it)\n"
           "  --edo N              N equal divisions of the period (1 to 1000)\n"
           "  --period RATIO       the period of --edo: 2/1 (default), 3/1, or cents (1200.0)\n"
           "  --scl FILE           a Scala scale file\n"
           "  --table NAME         just-12, pythagorean-12 or meantone-12\n"
           "  --scale SCALE        one of the six classic scales (with --mode sol|do)\n"
           "  --length L           scale length of every string\n"
           "  --bass-length L      scale length of the bass string (fanned board)\n"
           "  --treble-length L    scale length of the treble string (fanned board)\n"
           "  --perpendicular F    the fret square to the centre line, or nut or bridge\n"
           "  --frets N            1 to 60 (default 24)\n"
           "  --strings N          1 to 16 (default 6)\n"
           "  --nut-width W        board width at the nut (default 43 mm)\n"
           "  --bridge-width W     outer strings, centre to centre, at the saddle (default 52 mm)\n"
           "  --overhang W         outer string to board edge (default 3.5 mm)\n"
           "  --last-fret-overhang W  the same at the last fret only\n"
           "  --nut-setback B[:T]  nut compensation, bass and treble string\n"
           "  --saddle-setback B[:T]  saddle compensation, bass and treble string\n"
           "  --open-note NOTE     note of the open strings, for note names (default Mi)\n"
           "  --unit mm|cm|in      unit of the lengths typed and shown (default mm;\n"
           "                       a length may also carry its own: \"25 1/2 in\")\n"
           "  --format FORMAT      text (default), csv or json\n"
           "  --separator CHAR     decimal separator of text and csv\n"
           "  --template FILE      draw the board at true size: .pdf (tiled), .svg or .dxf\n"
           "  --paper PAPER        a4 (default), letter, a3 or legal, for a .pdf template\n";
}

} // namespace

int RunBoardCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
                    const std::string& regionalSeparator, const BoardTemplateWriter& writeTemplate)
{
    const BoardParseResult parsed = ParseBoardOptions(arguments);
    if (parsed.usage) {
        err << "corvane-frets: " << parsed.usage->message << '\n' << BoardUsageLine << '\n';
        return ExitUsage;
    }
    if (parsed.valueError) {
        err << "corvane-frets: " << *parsed.valueError << '\n';
        return ExitValue;
    }
    const BoardOptions& options = *parsed.options;
    if (options.help) {
        errno = 0;
        PrintBoardHelp(out);
        return Flushed(out, err, "the help");
    }

    const board::LayoutResult computed = board::ComputeLayout(options.design);
    if (!computed.layout) {
        err << "corvane-frets: " << computed.error->message << '\n';
        return ExitValue;
    }
    const board::BoardLayout& layout = *computed.layout;

    if (options.templatePath) {
        const std::optional<std::string> failure =
            writeTemplate ? writeTemplate(layout, *options.templatePath, options.paper)
                          : std::optional<std::string>("les gabarits ne sont pas disponibles dans cette version");
        if (failure) {
            err << "corvane-frets: " << *failure << '\n';
            return ExitValue;
        }
        return 0;
    }

    const std::string separator =
        options.separator.value_or(options.format == Format::Text ? regionalSeparator : std::string("."));
    errno = 0;
    switch (options.format) {
    case Format::Csv:
        out << FormatBoardCsv(layout, separator);
        break;
    case Format::Json:
        out << FormatBoardJson(layout);
        break;
    case Format::Text:
        out << FormatBoardText(layout, separator);
        break;
    }
    return Flushed(out, err, "the table");
}

} // namespace corvane::cli
