// Arbitrary bytes opened as a design file, a Scala file, a typed length and
// a period. Whatever opens must compute a whole board of finite numbers,
// with computed setbacks a luthier can build, write every output without
// "inf" or "nan", and save to a file that opens as the same design;
// nothing may crash.

#include "fuzz_checks.h"

#include "board_drawing.h"
#include "design_file.h"
#include "gcode.h"
#include "intonation_chart.h"
#include "layout.h"
#include "radius_gauges.h"
#include "string_columns.h"
#include "svg_writer.h"
#include "table_columns.h"
#include "temperament.h"
#include "units.h"

#include <cctype>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

using corvane::fuzz::Require;

// No number written as "inf" or "nan" (a word of its own: "information"
// and the like are no numbers).
void RequireFiniteText(std::string_view text, std::string_view what, std::string_view source)
{
    const auto letter = [&](std::size_t at) {
        return at < text.size() && std::isalpha(static_cast<unsigned char>(text[at])) != 0;
    };
    for (const std::string_view word : { "inf", "nan", "INF", "NAN" })
        for (std::size_t at = text.find(word); at != std::string_view::npos;
             at = text.find(word, at + 1))
            Require((at > 0 && letter(at - 1)) || letter(at + word.size()), what, source);
}

// Every output the engines write from a board: the template and the
// intonation chart as SVG, the slotting program, each figure of the tables.
void CheckOutputs(corvane::board::BoardLayout board, std::string_view source)
{
    using namespace corvane;
    board.temperament.name = "fuzz"; // the user's own text is no figure
    drawing::BoardDrawingOptions options;
    options.cut.slotWidthMm = 0.6;
    options.cut.markers = true;
    RequireFiniteText(drawing::SvgText(drawing::BoardDrawing(board, options), "fuzz"),
        "a finite template", source);
    if (!board.stringReports.empty())
        RequireFiniteText(drawing::SvgText(drawing::IntonationChart(board), "fuzz"),
            "a finite intonation chart", source);
    if (board.design.IsRadiused())
        RequireFiniteText(drawing::SvgText(drawing::RadiusGauges(board, {}), "fuzz"),
            "finite radius gauges", source);
    const auto programs = drawing::SlottingPrograms(board, "fuzz");
    if (const auto* texts = std::get_if<std::vector<std::string>>(&programs))
        for (const std::string& text : *texts)
            RequireFiniteText(text, "a finite slotting program", source);
    for (const board::FretOnString* row : board::TableRows(board))
        for (int column = 0; column <= static_cast<int>(board::TableColumn::EdgeDrop); ++column)
            RequireFiniteText(
                board::CellText(board, *row, static_cast<board::TableColumn>(column), "."),
                "a finite table", source);
    for (const board::StringReport& string : board.stringReports)
        for (int column = 0; column <= static_cast<int>(board::StringColumn::StraightSaddleWorst);
             ++column)
            if (column != static_cast<int>(board::StringColumn::Pitch)
                && column != static_cast<int>(board::StringColumn::Item))
                RequireFiniteText(board::StringCellText(string,
                                      static_cast<board::StringColumn>(column), board.design.unit),
                    "a finite strings report", source);
}

void CheckBoard(const corvane::board::Design& design, std::string_view source)
{
    const corvane::board::LayoutResult result = corvane::board::ComputeLayout(design);
    Require(result.layout.has_value(), "a valid design computes",
        result.error ? result.error->field : "");
    const corvane::board::BoardLayout& board = *result.layout;
    Require(board.rows.size() == static_cast<std::size_t>(design.frets * design.strings),
        "one row per fret and string", source);
    for (const corvane::board::StringReport& string : board.stringReports) {
        using namespace corvane::board;
        Require(std::isfinite(string.tensionN) && std::isfinite(string.setbacks.saddleMm)
                && std::isfinite(string.setbacks.nutMm),
            "finite tensions and setbacks", source);
        if (design.stringing.compensation == CompensationMode::Computed)
            Require(string.compensationProblem
                    ? string.setbacks == Setbacks {}
                    : string.setbacks.saddleMm >= MinComputedSaddleSetbackMm
                        && string.setbacks.saddleMm <= MaxComputedSaddleSetbackMm
                        && std::fabs(string.setbacks.nutMm) <= MaxComputedNutSetbackMm
                        && string.rmsCentsAfter < string.rmsCentsBefore,
                "computed setbacks a luthier can build and that play better", source);
    }
    CheckOutputs(board, source);
    double previous = 0;
    for (const corvane::board::FretOnString& row : board.rows) {
        Require(std::isfinite(row.fromNutMm) && std::isfinite(row.toSaddleMm)
                && std::isfinite(row.at.x) && std::isfinite(row.at.y) && std::isfinite(row.cents),
            "finite figures", source);
        Require(!row.errorCents || std::isfinite(*row.errorCents), "finite errors", source);
        Require(!row.fretletFromNutMm || std::isfinite(*row.fretletFromNutMm), "finite fretlets",
            source);
        if (row.string == 1) {
            Require(row.fromNutMm > previous, "frets rise along the string", source);
            previous = row.fromNutMm;
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    const corvane::board::DesignReadResult opened = corvane::board::DesignFromJson(text);
    Require(opened.design.has_value() != opened.error.has_value(), "a design or an error", text);
    if (opened.design) {
        CheckBoard(*opened.design, text);
        const auto again
            = corvane::board::DesignFromJson(corvane::board::DesignToJson(*opened.design));
        Require(again.design == opened.design, "a saved design opens the same", text);
    }

    const auto scala = corvane::board::MakeScala({ "fuzz.scl", std::string(text) });
    if (scala) {
        corvane::board::Design design;
        design.temperament = corvane::board::ScalaSource { "fuzz.scl", std::string(text) };
        design.frets = 60;
        design.strings = 2;
        design.trebleLengthMm = 600;
        // Sixty frets may run past what the scale allows; then it must say so.
        const auto error = corvane::board::ValidateDesign(design);
        if (error)
            Require(error->field == "frets", "too many frets for the scale", text);
        else
            CheckBoard(design, text);
    } else {
        Require(scala.problem.kind >= corvane::board::ProblemKind::ScalaCountMissing
                && scala.problem.kind <= corvane::board::ProblemKind::ScalaPitchesDoNotRise,
            "a Scala error says why", text);
    }

    for (const auto unit : { corvane::board::Unit::Millimetre, corvane::board::Unit::Inch }) {
        const auto length = corvane::board::ParseLength(text, unit);
        Require(length ? *length.value > 0 && std::isfinite(*length.value)
                       : length.problem.kind <= corvane::board::ProblemKind::LengthTooLarge,
            "a length above zero or a reason", text);
    }
    const auto period = corvane::board::ParsePeriod(text);
    if (period) {
        const corvane::board::Temperament equal
            = corvane::board::MakeEqualDivisions({ 31, *period.value });
        Require(equal.PeriodRatio() > 1 && std::isfinite(equal.PeriodRatio()), "a period above 1/1",
            text);
        Require(corvane::board::ParsePeriod(period.value->Text()).value == period.value,
            "a period reads back", text);
    }
    return 0;
}
