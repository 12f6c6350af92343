#include "classic_template.h"

#include "decimal_text.h"

#include "board_drawing.h"
#include "layout.h"

#include "figure_text.h"
#include "text_encoding.h"
#include "title_block.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace corvane::drawing {

namespace {

std::string Trimmed(const std::string& text)
{
    return std::string(board::Trimmed(text));
}

// A number as the engine wrote it, with its decimal separator.
std::optional<double> ReadEngineNumber(const std::string& text, const std::string& separator)
{
    const std::string trimmed = Trimmed(text);
    std::string plain;
    for (std::size_t at = 0; at < trimmed.size();) {
        if (!separator.empty() && trimmed.compare(at, separator.size(), separator) == 0) {
            plain += '.';
            at += separator.size();
        } else {
            plain += trimmed[at++];
        }
    }
    double value = 0;
    const char* end = plain.data() + plain.size();
    const auto [stop, error] = fret::ReadDecimal(plain.data(), end, value);
    if (plain.empty() || error != std::errc() || stop != end || !std::isfinite(value))
        return std::nullopt;
    return value;
}

TitleBlockText ClassicTitleBlock(const ClassicTemplateRequest& request)
{
    const std::string unit(UnitSymbol(request.unit));
    const std::string separator = request.decimalSeparator.empty() ? "." : request.decimalSeparator;
    const TemplateWords& words = request.words;
    return { Trimmed(request.scaleText),
        Filled(words.classicModeAndLength,
            { request.modeText.empty() ? words.noMode : request.modeText, request.lengthText,
                unit }),
        Filled(words.classicDistances,
            { unit, board::ShortText(request.boardWidth, separator), unit }),
        request.date };
}

} // namespace

double DefaultBoardWidth(Unit unit) noexcept
{
    return 60.0 / MillimetresPer(unit);
}

std::string ClassicTemplateTitle(const ClassicTemplateRequest& request)
{
    return Filled(request.words.title,
        { board::SingleBlanks(Trimmed(request.scaleText)), request.lengthText,
            UnitSymbol(request.unit) });
}

ClassicTemplate BuildClassicTemplate(const ClassicTemplateRequest& request)
{
    ClassicTemplate result;
    if (request.frets.empty()) {
        result.error = board::Problem { board::ProblemKind::NoScaleChosen, {}, {} };
        return result;
    }
    const auto length = ReadEngineNumber(request.lengthText, request.decimalSeparator);
    if (!length || *length <= 0) {
        result.error = board::Problem { board::ProblemKind::ClassicLengthNotPositive, {}, {} };
        return result;
    }
    if (!(request.boardWidth > 0) || !std::isfinite(request.boardWidth)) {
        result.error = board::Problem { board::ProblemKind::BoardWidthNotPositive, {}, {} };
        return result;
    }
    // The classic board is a straight one-string board whose frets stand
    // at the window's positions, drawn like every board.
    std::vector<double> positions;
    BoardDrawingOptions::GivenLabels labels;
    for (const ClassicFret& fret : request.frets) {
        const auto position = ReadEngineNumber(fret.positionText, request.decimalSeparator);
        if (!position) {
            result.error = board::Problem { board::ProblemKind::PositionNotANumber,
                { fret.positionText, board::ProblemValue::Count(fret.fretNumber) }, {} };
            return result;
        }
        positions.push_back(*position);
        labels.numbers.push_back(std::to_string(fret.fretNumber));
        labels.notes.push_back(Trimmed(fret.noteText));
        labels.distances.push_back(Trimmed(fret.positionText));
    }
    labels.saddleDistance = Trimmed(request.lengthText);

    board::Design design;
    design.unit = request.unit;
    design.strings = 1;
    design.frets = static_cast<int>(positions.size());
    design.bassLengthMm = design.trebleLengthMm = board::ToMillimetres(*length, request.unit);
    design.nutWidthMm = board::ToMillimetres(request.boardWidth, request.unit);
    design.nutOverhangMm = design.lastFretOverhangMm = design.nutWidthMm / 2;
    design.bridgeSpacingMm = 0;
    const board::BoardLayout layout = board::ComputeLayout(design,
        board::MakeFromPositions(Trimmed(request.scaleText), positions, *length, request.unit));

    BoardDrawingOptions options;
    options.decimalSeparator = request.decimalSeparator.empty() ? "." : request.decimalSeparator;
    options.date = request.date;
    options.givenLabels = std::move(labels);
    options.givenTitle = ClassicTitleBlock(request);
    options.words = request.words;
    result.drawing = BoardDrawing(layout, options);
    return result;
}

} // namespace corvane::drawing
