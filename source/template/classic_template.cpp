#include "classic_template.h"

#include "figure_text.h"
#include "line_weights.h"
#include "text_encoding.h"
#include "title_block.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace corvane::drawing {

namespace {

// Page layout of the board, in millimetres.
constexpr double SideMarginMm = 12.0; // before the nut and after the saddle
constexpr double LabelBandMm = 22.0; // above the board: note names and fret numbers
constexpr double DistanceBandMm = 24.0; // below the board: distances from the nut
constexpr double BottomMarginMm = 6.0;

constexpr double DistanceHeightMm = 2.5;

std::string Trimmed(const std::string& text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
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
    const auto [stop, error] = std::from_chars(plain.data(), end, value);
    if (plain.empty() || error != std::errc() || stop != end || !std::isfinite(value))
        return std::nullopt;
    return value;
}

void AddLine(Drawing& drawing, Point from, Point to, Layer layer, double width, bool dashed = false)
{
    drawing.lines.push_back(Line { from, to, layer, width, dashed });
}

void AddText(Drawing& drawing, Point at, std::string text, double height, Layer layer,
    Anchor anchor, double rotation = 0)
{
    drawing.texts.push_back(Text { at, std::move(text), height, layer, anchor, rotation, {} });
}

void AddTitleBlock(Drawing& drawing, const ClassicTemplateRequest& request, double left, double top)
{
    const std::string unit(UnitSymbol(request.unit));
    const std::string separator = request.decimalSeparator.empty() ? "." : request.decimalSeparator;
    AddTitleBlock(drawing, { left, top },
        { Trimmed(request.scaleText),
            "Mode : " + (request.modeText.empty() ? std::string("aucun") : request.modeText)
                + "    Longueur vibrante : " + request.lengthText + " " + unit,
            "Distances depuis le sillet, en " + unit + ". Largeur de la touche : "
                + board::ShortText(request.boardWidth, separator) + " " + unit + ".",
            request.date });
}

} // namespace

std::string ClassicTemplateProblemSentence(const ClassicTemplateProblem& problem)
{
    using Kind = ClassicTemplateProblem::Kind;
    switch (problem.kind) {
    case Kind::NoScale:
        return "Choisissez d'abord une gamme : le gabarit dessine ses frettes.";
    case Kind::LengthNotPositive:
        return "La longueur vibrante doit être supérieure à zéro pour dessiner un gabarit.";
    case Kind::WidthNotPositive:
        return "La largeur de la touche doit être supérieure à zéro.";
    case Kind::PositionNotANumber:
        break;
    }
    return "La position « " + problem.position + " » de la frette " + std::to_string(problem.fret)
        + " n'est pas un nombre.";
}

double DefaultBoardWidth(Unit unit) noexcept
{
    return 60.0 / MillimetresPer(unit);
}

std::string ClassicTemplateTitle(const ClassicTemplateRequest& request)
{
    return "Gabarit " + board::SingleBlanks(Trimmed(request.scaleText)) + " " + request.lengthText
        + " " + std::string(UnitSymbol(request.unit));
}

ClassicTemplate BuildClassicTemplate(const ClassicTemplateRequest& request)
{
    ClassicTemplate result;
    if (request.frets.empty()) {
        result.error = ClassicTemplateProblem { ClassicTemplateProblem::Kind::NoScale, {}, 0 };
        return result;
    }
    const auto length = ReadEngineNumber(request.lengthText, request.decimalSeparator);
    if (!length || *length <= 0) {
        result.error
            = ClassicTemplateProblem { ClassicTemplateProblem::Kind::LengthNotPositive, {}, 0 };
        return result;
    }
    if (!(request.boardWidth > 0) || !std::isfinite(request.boardWidth)) {
        result.error
            = ClassicTemplateProblem { ClassicTemplateProblem::Kind::WidthNotPositive, {}, 0 };
        return result;
    }
    const double mmPerUnit = MillimetresPer(request.unit);
    const double lengthMm = *length * mmPerUnit;
    const double widthMm = request.boardWidth * mmPerUnit;

    Drawing drawing;
    const double nutX = SideMarginMm;
    const double saddleX = nutX + lengthMm;
    const double top = LabelBandMm;
    const double bottom = top + widthMm;
    const double centreY = (top + bottom) / 2;
    drawing.datum = Point { nutX, centreY };

    AddLine(drawing, { nutX, top }, { nutX, bottom }, Layer::Nut, NutLineMm);
    AddLine(drawing, { saddleX, top }, { saddleX, bottom }, Layer::Saddle, NutLineMm);
    AddLine(drawing, { nutX, top }, { saddleX, top }, Layer::Edges, EdgeLineMm);
    AddLine(drawing, { nutX, bottom }, { saddleX, bottom }, Layer::Edges, EdgeLineMm);
    AddLine(drawing, { nutX, centreY }, { saddleX, centreY }, Layer::CentreLine, 0.15, true);
    AddText(drawing, { nutX, top - 2.0 }, "Sillet", NoteHeightMm, Layer::Labels, Anchor::Centre);
    AddText(
        drawing, { saddleX, top - 2.0 }, "Chevalet", NoteHeightMm, Layer::Labels, Anchor::Centre);
    AddText(drawing, { saddleX + DistanceHeightMm / 2, bottom + 2.0 }, request.lengthText,
        DistanceHeightMm, Layer::Labels, Anchor::Right, 90);

    for (const ClassicFret& fret : request.frets) {
        const auto position = ReadEngineNumber(fret.positionText, request.decimalSeparator);
        if (!position) {
            result.error
                = ClassicTemplateProblem { ClassicTemplateProblem::Kind::PositionNotANumber,
                      fret.positionText, fret.fretNumber };
            return result;
        }
        const double x = nutX + *position * mmPerUnit;
        AddLine(drawing, { x, top }, { x, bottom }, Layer::Frets, FretLineMm);
        AddText(drawing, { x, top - 2.0 }, std::to_string(fret.fretNumber), FretNumberHeightMm,
            Layer::Labels, Anchor::Centre);
        if (const std::string note = Trimmed(fret.noteText); !note.empty())
            AddText(drawing, { x, top - 8.0 }, note, NoteHeightMm, Layer::Labels, Anchor::Centre);
        // Read upwards, centred on the fret line, ending just under the board.
        AddText(drawing, { x + DistanceHeightMm / 2, bottom + 2.0 }, Trimmed(fret.positionText),
            DistanceHeightMm, Layer::Labels, Anchor::Right, 90);
    }

    const double titleTop = bottom + DistanceBandMm;
    AddTitleBlock(drawing, request, nutX, titleTop);
    drawing.widthMm = std::max(saddleX, nutX + TitleBlockWidthMm) + SideMarginMm;
    drawing.heightMm = titleTop + TitleBlockHeightMm + BottomMarginMm;
    result.drawing = std::move(drawing);
    return result;
}

} // namespace corvane::drawing
