#include "board_drawing.h"

#include "maths.h"
#include "slot_span.h"

#include "table_columns.h"

#include "figure_text.h"
#include "line_weights.h"
#include "title_block.h"

#include <algorithm>
#include <cmath>

namespace corvane::drawing {

namespace {

// Page layout around the board, in millimetres.
constexpr double SideMarginMm = 12.0;
constexpr double LabelBandMm = 30.0; // above: fret numbers, notes, bass-string distances
constexpr double DistanceBandMm = 16.0; // below: treble-string distances
constexpr double BottomMarginMm = 6.0;

constexpr double DistanceHeightMm = 2.2;

bool TwoDistanceRows(const board::Design& design) noexcept
{
    return design.strings > 1 && design.IsFanned();
}

Point Moved(board::Point p, Point offset) noexcept
{
    return { p.x + offset.x, p.y + offset.y };
}

void AddLine(Drawing& drawing, board::Segment segment, Point offset, Layer layer, double width,
    bool dashed = false)
{
    drawing.lines.push_back(
        Line { Moved(segment.from, offset), Moved(segment.to, offset), layer, width, dashed });
}

void AddText(Drawing& drawing, Point at, std::string text, double height, Anchor anchor,
    double rotation = 0, Layer layer = Layer::Labels)
{
    drawing.texts.push_back(Text { at, std::move(text), height, layer, anchor, rotation, {} });
}

board::Point Along(board::Point from, board::Point to, double t) noexcept
{
    return { from.x + (to.x - from.x) * t, from.y + (to.y - from.y) * t };
}

// The fret line, longer by `by` at each end, in its own direction.
board::Segment Prolonged(const board::Segment& fret, double by)
{
    const double length = maths::Hypot(fret.to.x - fret.from.x, fret.to.y - fret.from.y);
    if (by <= 0 || length <= 0)
        return fret;
    return { Along(fret.from, fret.to, -by / length), Along(fret.from, fret.to, 1 + by / length) };
}

// The slot a saw of that width cuts along the fret: the fret line is its
// centre line. Through, its ends lie on the board's edges (slanted on a
// fanned board); blind, each side stops the margin short of each edge,
// square to it, as the router's slot does.
std::optional<Outline> Slot(
    const board::BoardLayout& board, const board::Segment& fret, double widthMm, Point offset)
{
    const double length = maths::Hypot(fret.to.x - fret.from.x, fret.to.y - fret.from.y);
    const double nx = length > 0 ? -(fret.to.y - fret.from.y) / length * widthMm / 2 : widthMm / 2;
    const double ny = length > 0 ? (fret.to.x - fret.from.x) / length * widthMm / 2 : 0;
    board::Segment one { { fret.from.x - nx, fret.from.y - ny },
        { fret.to.x - nx, fret.to.y - ny } };
    board::Segment other { { fret.from.x + nx, fret.from.y + ny },
        { fret.to.x + nx, fret.to.y + ny } };
    const double margin = std::max(0.0, board.design.router.bindingMarginMm);
    const auto a = SpanInside(board, one, margin), b = SpanInside(board, other, margin);
    if (!a || !b)
        return std::nullopt;
    one = *a;
    other = *b;
    return Outline { { Moved(one.from, offset), Moved(one.to, offset), Moved(other.to, offset),
                         Moved(other.from, offset) },
        Layer::Slots, FretLineMm };
}

// Fret n's line, edge to edge; the nut's for 0.
const board::Segment& FretLine(const board::BoardLayout& board, int fret)
{
    return fret == 0 ? board.nut : board.frets[static_cast<std::size_t>(fret - 1)];
}

void AddMarkers(Drawing& drawing, const board::BoardLayout& board, double diameterMm, Point offset)
{
    const auto dot = [&](board::Point at) {
        drawing.circles.push_back({ Moved(at, offset), diameterMm, Layer::Markers, EdgeLineMm });
    };
    for (const FaceDot& face : FaceDots(board)) {
        // Midway between the fret and the one before, on the middle of the
        // board; two dots a quarter of its width from the middle.
        const board::Segment& a = FretLine(board, face.fret - 1);
        const board::Segment& b = FretLine(board, face.fret);
        const board::Segment across { Along(a.from, b.from, 0.5), Along(a.to, b.to, 0.5) };
        if (face.double_) {
            dot(Along(across.from, across.to, 0.25));
            dot(Along(across.from, across.to, 0.75));
        } else {
            dot(Along(across.from, across.to, 0.5));
        }
    }
}

std::string PerpendicularText(const board::Design& design, const TemplateWords& words)
{
    if (!design.IsFanned())
        return words.straightBoard;
    if (design.perpendicularFret == board::PerpendicularAtBridge)
        return words.bridgeSquare;
    if (design.perpendicularFret == 0)
        return words.nutSquare;
    return Filled(words.fretSquare, { std::to_string(design.perpendicularFret) });
}

} // namespace

std::vector<FaceDot> FaceDots(const board::BoardLayout& board)
{
    const board::Temperament& temperament = board.temperament;
    const int frets = board.design.frets;
    const auto cents = [&](int fret) { return 1200.0 * maths::Log2(temperament.FretRatio(fret)); };
    double period = 1200.0 * maths::Log2(temperament.PeriodRatio());
    // Two octaves, as the classic scales' period: a dot pattern an octave.
    const double octaves = period / 1200.0;
    if (octaves > 1.5 && std::fabs(octaves - std::round(octaves)) < 1e-3)
        period = 1200.0;
    const double last = cents(frets);
    const double reach = last + (last - cents(frets - 1)) / 2;
    std::vector<FaceDot> dots;
    for (double start = 0; start < reach; start += period)
        for (const auto& [above, twoAcross] : { std::pair { 300.0, false }, { 500.0, false },
                 { 700.0, false }, { 900.0, false }, { period, true } }) {
            // 12-tone dots past the period's end belong to the next period.
            if (!twoAcross && above >= period)
                continue;
            const double target = start + above;
            if (target > reach)
                continue;
            int nearest = 1;
            for (int fret = 2; fret <= frets; ++fret)
                if (std::fabs(cents(fret) - target) < std::fabs(cents(nearest) - target))
                    nearest = fret;
            const auto same = std::find_if(
                dots.begin(), dots.end(), [&](const FaceDot& dot) { return dot.fret == nearest; });
            if (same == dots.end())
                dots.push_back({ nearest, twoAcross });
            else
                same->double_ = same->double_ || twoAcross;
        }
    std::sort(dots.begin(), dots.end(),
        [](const FaceDot& a, const FaceDot& b) { return a.fret < b.fret; });
    return dots;
}

std::string BoardTemplateTitle(const board::BoardLayout& board, const std::string& decimalSeparator,
    const TemplateWords& words)
{
    const board::Design& design = board.design;
    const std::string unit(board::UnitSymbol(design.unit));
    std::string lengths = board::ShortText(
        board::FromMillimetres(design.bassLengthMm, design.unit), decimalSeparator);
    if (design.IsFanned())
        lengths = Filled(words.fannedLengths,
            { lengths,
                board::ShortText(board::FromMillimetres(design.trebleLengthMm, design.unit),
                    decimalSeparator) });
    return Filled(words.title, { board.temperament.name, lengths, unit });
}

namespace {

// Each string's own fret, as a short segment along the fret's direction
// reaching halfway to the neighbouring strings (for bent or segmented frets).
void AddFretlets(Drawing& drawing, const board::BoardLayout& board, Point offset)
{
    const int strings = board.design.strings;
    for (int fret = 1; fret <= board.design.frets; ++fret) {
        const board::Segment& line = board.frets[static_cast<std::size_t>(fret - 1)];
        const double length = maths::Hypot(line.to.x - line.from.x, line.to.y - line.from.y);
        const board::Point along { (line.to.x - line.from.x) / length,
            (line.to.y - line.from.y) / length };
        const auto at = [&](int string) { return board.At(fret, string).fretletAt; };
        for (int string = 1; string <= strings; ++string) {
            const board::Point p = at(string);
            const auto half = [&](int neighbour) {
                if (neighbour < 1 || neighbour > strings)
                    return strings > 1 ? maths::Hypot(at(2).x - at(1).x, at(2).y - at(1).y) / 2
                                       : 3.0;
                return maths::Hypot(at(neighbour).x - p.x, at(neighbour).y - p.y) / 2;
            };
            const double before = half(string - 1), after = half(string + 1);
            AddLine(drawing,
                { { p.x - along.x * before, p.y - along.y * before },
                    { p.x + along.x * after, p.y + along.y * after } },
                offset, Layer::Frets, FretLineMm);
        }
    }
}

} // namespace

Drawing BoardDrawing(const board::BoardLayout& board, const BoardDrawingOptions& options)
{
    const board::Design& design = board.design;
    const double extend = std::max(0.0, options.cut.extendFretsMm);
    const Point offset { SideMarginMm, (options.labels ? LabelBandMm : SideMarginMm) + extend };
    const double bottom = offset.y + board.heightMm;
    Drawing drawing;
    drawing.datum = Moved(
        { (board.nut.from.x + board.nut.to.x) / 2, (board.nut.from.y + board.nut.to.y) / 2 },
        offset);

    Outline outline { {}, Layer::Edges, EdgeLineMm };
    for (const board::Point& corner : board.outline)
        outline.points.push_back(Moved(corner, offset));
    drawing.outlines.push_back(std::move(outline));
    AddLine(drawing, board.centreLine, offset, Layer::CentreLine, StringLineMm, true);
    for (const board::StringLine& string : board.strings)
        AddLine(drawing, string.line, offset, Layer::Strings, StringLineMm);
    // A line bent at the strings is drawn as one open polyline.
    const auto addPath = [&](const std::vector<board::Point>& path, Layer layer, double width) {
        Outline bent { {}, layer, width, false };
        for (const board::Point& p : path)
            bent.points.push_back(Moved(p, offset));
        drawing.outlines.push_back(std::move(bent));
    };
    if (!board.nutPath.empty() && !board.guideNut)
        addPath(board.nutPath, Layer::Nut, NutLineMm);
    else
        AddLine(drawing, board.guideNut.value_or(board.nut), offset, Layer::Nut, NutLineMm);
    // One string ends at a point of the saddle: it is drawn across the board.
    const board::Segment saddle = board.saddle.from == board.saddle.to
        ? board::Segment { { board.saddle.from.x, board.frets.back().from.y },
              { board.saddle.from.x, board.frets.back().to.y } }
        : board.saddle;
    if (!board.saddlePath.empty())
        addPath(board.saddlePath, Layer::Saddle, NutLineMm);
    else
        AddLine(drawing, saddle, offset, Layer::Saddle, NutLineMm);
    const bool fretlets = board::HasFretlets(board);
    // A bound board's slots stop short of its edges: so do their lines,
    // which are then not prolonged.
    const double margin = design.router.bindingMarginMm;
    const auto addFret = [&](const board::Segment& fret, bool ownLine) {
        if (ownLine) {
            if (margin <= 0)
                AddLine(drawing, Prolonged(fret, extend), offset, Layer::Frets, FretLineMm);
            else if (const auto blind = SpanInside(board, fret, margin))
                AddLine(drawing, *blind, offset, Layer::Frets, FretLineMm);
        }
        if (options.cut.slotWidthMm > 0)
            if (auto slot = Slot(board, fret, options.cut.slotWidthMm, offset))
                drawing.outlines.push_back(std::move(*slot));
    };
    // A zero fret stands where the nut would: every string's, fretlets or not.
    if (board.guideNut)
        addFret(board.nut, true);
    for (std::size_t i = 0; i < board.frets.size(); ++i)
        if (i < board.fretPaths.size() && !board.fretPaths[i].empty())
            addPath(board.fretPaths[i], Layer::Frets, FretLineMm); // no straight slot fits it
        else
            addFret(board.frets[i], !fretlets);
    if (fretlets)
        AddFretlets(drawing, board, offset);
    if (options.cut.markers)
        AddMarkers(drawing, board, options.cut.markerDiameterMm, offset);

    // Compensated nut and saddle, dashed, where they differ from the design.
    const auto compensated = [&](auto point, Layer layer) {
        for (std::size_t i = 1; i < board.strings.size(); ++i)
            AddLine(drawing, { point(board.strings[i - 1]), point(board.strings[i]) }, offset,
                layer, EdgeLineMm, true);
        if (board.strings.size() == 1) {
            const board::Point p = point(board.strings.front());
            AddLine(drawing, { { p.x, p.y - 3.0 }, { p.x, p.y + 3.0 } }, offset, layer, EdgeLineMm,
                true);
        }
    };
    // Each string's own points: computed compensation sets them one by one.
    const auto any = [&](double board::StringLine::*setback) {
        return std::any_of(board.strings.begin(), board.strings.end(),
            [&](const board::StringLine& s) { return s.*setback != 0; });
    };
    if (any(&board::StringLine::nutSetbackMm))
        compensated([](const board::StringLine& s) { return s.compensatedNut; }, Layer::Nut);
    if (any(&board::StringLine::saddleSetbackMm))
        compensated([](const board::StringLine& s) { return s.compensatedSaddle; }, Layer::Saddle);
    // A straight saddle, or each piece of one: the line to cut its slot along.
    for (const board::SaddlePiece& piece : board.saddlePieces)
        AddLine(drawing, piece.line, offset, Layer::Saddle, NutLineMm);

    const std::string unit(board::UnitSymbol(design.unit));
    if (options.labels) {
        const std::string& separator = options.decimalSeparator;
        // The strings of a straight board share their distances: one row
        // of them is enough. Degree numbers would read as fret numbers:
        // only real note names are drawn.
        const bool perString = TwoDistanceRows(design);
        const bool named = !board.temperament.semitones.empty();
        // Labels stand above the board's top edge: the treble side of a
        // right-handed board, the bass side of a left-handed one.
        const auto top = [](const board::Segment& s) { return s.from.y <= s.to.y ? s.from : s.to; };
        const auto lower
            = [](const board::Segment& s) { return s.from.y <= s.to.y ? s.to : s.from; };
        const int topString = design.leftHanded ? 1 : design.strings;
        const int bottomString = design.leftHanded ? design.strings : 1;
        const Point nutTop = Moved(top(board.guideNut.value_or(board.nut)), offset);
        const Point saddleTop = Moved(top(saddle), offset);
        const BoardDrawingOptions::GivenLabels* given
            = options.givenLabels ? &*options.givenLabels : nullptr;
        // Behind a zero fret, the nut's word stands a row higher than the fret's "0".
        AddText(drawing, { nutTop.x, nutTop.y - (board.guideNut ? 7.0 : 2.0) }, options.words.nut,
            NoteHeightMm, Anchor::Centre);
        AddText(drawing, { saddleTop.x, saddleTop.y - 2.0 }, options.words.saddle, NoteHeightMm,
            Anchor::Centre);
        if (given && !given->saddleDistance.empty())
            AddText(drawing, { saddleTop.x + DistanceHeightMm / 2, saddleTop.y - 11.5 },
                given->saddleDistance, DistanceHeightMm, Anchor::Left, 90);
        if (board.guideNut) {
            const Point zero = Moved(top(Prolonged(board.nut, extend)), offset);
            AddText(drawing, { zero.x, zero.y - 2.0 }, "0", FretNumberHeightMm, Anchor::Centre);
        }
        for (int fret = 1; fret <= design.frets; ++fret) {
            // Labels follow the fret's ends, which a fanned board slants.
            const board::Segment& line = board.frets[static_cast<std::size_t>(fret - 1)];
            // Labels stand clear of the fret lines' prolongations.
            const Point above = Moved(top(Prolonged(line, extend)), offset);
            const Point below = Moved(lower(Prolonged(line, extend)), offset);
            const auto index = static_cast<std::size_t>(fret - 1);
            AddText(drawing, { above.x, above.y - 2.0 },
                given ? given->numbers[index] : std::to_string(fret), FretNumberHeightMm,
                Anchor::Centre);
            if (given ? !given->notes[index].empty() : named)
                AddText(drawing, { above.x, above.y - 7.0 },
                    given ? given->notes[index] : board.At(fret, 1).note, NoteHeightMm,
                    Anchor::Centre);
            // Read upwards, centred on the fret: the top string's distance
            // above the board, the bottom string's below.
            AddText(drawing, { above.x + DistanceHeightMm / 2, above.y - 11.5 },
                given ? given->distances[index]
                      : board::FromNutText(board, board.At(fret, topString), separator),
                DistanceHeightMm, Anchor::Left, 90);
            if (perString)
                AddText(drawing, { below.x + DistanceHeightMm / 2, below.y + 2.0 },
                    board::FromNutText(board, board.At(fret, bottomString), separator),
                    DistanceHeightMm, Anchor::Right, 90);
        }
    }

    double right = offset.x + board.widthMm;
    double height = bottom + extend + (options.labels ? DistanceBandMm : 0.0);
    if (options.titleBlock) {
        const TemplateWords& words = options.words;
        const double left = offset.x;
        const double titleTop = height + 4.0;
        AddTitleBlock(drawing, { left, titleTop },
            options.givenTitle
                ? *options.givenTitle
                : TitleBlockText { BoardTemplateTitle(board, options.decimalSeparator, words),
                    (design.strings == 1
                            ? words.oneString
                            : Filled(words.strings, { std::to_string(design.strings) }))
                        + ", "
                        + (design.frets == 1
                                ? words.oneFret
                                : Filled(words.frets, { std::to_string(design.frets) }))
                        + ", " + PerpendicularText(design, words),
                    options.labels && TwoDistanceRows(design) ? Filled(words.distancesByString,
                        { unit, std::to_string(design.leftHanded ? 1 : design.strings),
                            std::to_string(design.leftHanded ? design.strings : 1) })
                                                              : Filled(words.distances, { unit }),
                    options.date });
        const double titleRight = left + TitleBlockWidthMm;
        const double titleBottom = titleTop + TitleBlockHeightMm;
        right = std::max(right, titleRight);
        height = titleBottom;
    }
    drawing.widthMm = right + SideMarginMm;
    drawing.heightMm = height + (options.titleBlock ? BottomMarginMm : SideMarginMm);
    return drawing;
}

} // namespace corvane::drawing
