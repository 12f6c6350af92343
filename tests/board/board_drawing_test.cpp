// The fretboard template: the layout's lines at true size, nothing scaled.

#include "board_drawing.h"
#include "radius_gauges.h"
#include "radiused_board.h"
#include "words.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <tuple>

namespace corvane::drawing {
namespace {

// Where the line through a and b crosses the line through c and d.
Point Crossing(Point a, Point b, Point c, Point d)
{
    const double t = ((c.x - a.x) * (d.y - c.y) - (c.y - a.y) * (d.x - c.x))
        / ((b.x - a.x) * (d.y - c.y) - (b.y - a.y) * (d.x - c.x));
    return { a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t };
}

// How far p lies from the line through a and b, square to it.
double FromLine(Point p, Point a, Point b)
{
    return std::fabs((b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x))
        / std::hypot(b.x - a.x, b.y - a.y);
}

// A bound board's slots, drawn: every fret line and every slot outline
// stops the binding margin short of each edge, square to it (the router's
// cutter stops there too); without a margin they run edge to edge.
TEST(BoardDrawing, BlindSlotsStopTheMarginShortOfEachEdge)
{
    for (const double margin : { 0.0, 2.5 }) {
        SCOPED_TRACE(margin);
        board::Design design;
        design.bassLengthMm = 686;
        design.trebleLengthMm = 610; // a wide fan: square to the edge is not along the fret
        design.perpendicularFret = 7;
        design.cut.slotWidthMm = 0.6;
        design.cut.extendFretsMm = margin > 0 ? 10 : 0; // no jig lines past a bound board's edge
        design.router.bindingMarginMm = margin;
        const board::BoardLayout board = *board::ComputeLayout(design).layout;
        BoardDrawingOptions options;
        options.cut = design.cut;
        const Drawing drawing = BoardDrawing(board, options);
        const Point offset { drawing.datum.x - (board.nut.from.x + board.nut.to.x) / 2,
            drawing.datum.y - (board.nut.from.y + board.nut.to.y) / 2 };
        const auto fromEdges = [&](Point p) {
            const board::Segment* edges[] = { &board.bassEdge, &board.trebleEdge };
            double nearest = 1e9;
            for (const board::Segment* e : edges)
                nearest = std::min(nearest,
                    FromLine(p, { e->from.x + offset.x, e->from.y + offset.y },
                        { e->to.x + offset.x, e->to.y + offset.y }));
            return nearest;
        };
        int lines = 0, outlines = 0;
        for (const Line& line : drawing.lines)
            if (line.layer == Layer::Frets) {
                ++lines;
                EXPECT_NEAR(fromEdges(line.from), margin, 1e-9);
                EXPECT_NEAR(fromEdges(line.to), margin, 1e-9);
            }
        for (const Outline& slot : drawing.outlines)
            if (slot.layer == Layer::Slots) {
                ++outlines;
                for (const Point& corner : slot.points)
                    EXPECT_NEAR(fromEdges(corner), margin, 1e-9);
            }
        EXPECT_EQ(lines, 24);
        EXPECT_EQ(outlines, 24);
    }
}

TEST(BoardDrawing, DrawsEveryLineOfTheLayoutAtTrueSize)
{
    board::Design design;
    design.strings = 5;
    design.bassLengthMm = 889.0;
    design.trebleLengthMm = 864.0;
    design.perpendicularFret = 7;
    design.saddleSetbackBassMm = 3.0;
    const Drawing drawing = BoardDrawing(*board::ComputeLayout(design).layout);

    const auto layer = [&](Layer wanted) {
        std::vector<Line> lines;
        std::copy_if(drawing.lines.begin(), drawing.lines.end(), std::back_inserter(lines),
            [&](const Line& line) { return line.layer == wanted && !line.dashed; });
        return lines;
    };
    const std::vector<Line> frets = layer(Layer::Frets);
    ASSERT_EQ(frets.size(), 24U);
    EXPECT_NEAR(frets[6].from.x, frets[6].to.x, 1e-9); // fret 7 square to the centre line
    const Line nut = layer(Layer::Nut).front();
    EXPECT_NEAR(drawing.datum.x, (nut.from.x + nut.to.x) / 2, 1e-12);
    // The drawn strings are their scale length long along the centre line,
    // and each drawn fret crosses them where its fraction of the length says.
    const std::vector<Line> strings = layer(Layer::Strings);
    ASSERT_EQ(strings.size(), 5U);
    for (std::size_t i = 0; i < strings.size(); ++i) {
        const double length = 889.0 - 25.0 * static_cast<double>(i) / 4.0;
        EXPECT_NEAR(strings[i].to.x - strings[i].from.x, length, 1e-9);
        for (const int fret : { 1, 12, 24 }) {
            const Line& line = frets[static_cast<std::size_t>(fret - 1)];
            const Point at = Crossing(line.from, line.to, strings[i].from, strings[i].to);
            EXPECT_NEAR(at.x - strings[i].from.x, length * (1 - std::pow(2.0, -fret / 12.0)), 1e-9);
        }
    }
    // The compensated saddle is drawn dashed beside the saddle.
    EXPECT_TRUE(std::any_of(drawing.lines.begin(), drawing.lines.end(),
        [](const Line& line) { return line.layer == Layer::Saddle && line.dashed; }));
    // Everything fits on the drawing.
    for (const Line& line : drawing.lines)
        for (const Point p : { line.from, line.to })
            EXPECT_TRUE(p.x >= 0 && p.y >= 0 && p.x <= drawing.widthMm && p.y <= drawing.heightMm);
    EXPECT_EQ(BoardTemplateTitle(*board::ComputeLayout(design).layout, ".",
                  language::TemplateWordsIn(language::Language::French)),
        "Gabarit 12-EDO 889 à 864 mm");
}

// The labels a luthier reads: one row of distances when every string shares
// them, a classic scale's own digits (fifth decimal kept), note names only
// where the temperament has them (a 19-EDO degree would read as a fret number).
TEST(BoardDrawing, LabelsShowEachFigureOnceWithTheEnginesDigits)
{
    struct Case {
        const char* name;
        board::TemperamentSource source;
        double trebleLengthMm;
        std::size_t distances;
        const char* fret6; // the bass string's distance label at fret 6
        bool notes;
    };
    const Case cases[] = {
        { "straight 12-EDO", board::EqualDivisions {}, 650.0, 12, "190.3806", true },
        { "fanned 12-EDO", board::EqualDivisions {}, 630.0, 24, "190.3806", true },
        { "natural chromatic",
            board::ClassicSource { board::ClassicScale::NaturalChromatic, board::ClassicMode::Sol },
            650.0, 12, "189.57725", true },
        { "19-EDO", board::EqualDivisions { 19, {} }, 650.0, 12, "127.7827", false },
    };
    for (const Case& c : cases) {
        board::Design design;
        design.temperament = c.source;
        design.frets = 12;
        design.trebleLengthMm = c.trebleLengthMm;
        const Drawing drawing = BoardDrawing(*board::ComputeLayout(design).layout);
        std::vector<std::string> distances;
        bool notes = false;
        for (const Text& text : drawing.texts) {
            if (text.layer == Layer::Labels && text.rotationDeg == 90)
                distances.push_back(text.utf8);
            notes = notes || text.utf8 == "Mi" || text.utf8 == "Fa" || text.utf8 == "Do";
        }
        ASSERT_EQ(distances.size(), c.distances) << c.name;
        // The bass string's distance last at each fret: below a right-handed board.
        EXPECT_EQ(distances[5 * (c.distances / 12) + c.distances / 12 - 1], c.fret6) << c.name;
        EXPECT_EQ(notes, c.notes) << c.name;
    }
}

} // namespace
} // namespace corvane::drawing

namespace corvane::drawing {
namespace {

// Face dots where a player looks for them: on a 12-tone guitar the usual
// 3, 5, 7, 9, 12 (two), 15…; on other temperaments the frets nearest in
// pitch to those, as 19- and 31-tone guitars are dotted.
TEST(BoardDrawing, FaceDotsStandNearestInPitchToTheGuitarsOwn)
{
    using Dots = std::vector<FaceDot>;
    const Dots guitar = { { 3, false }, { 5, false }, { 7, false }, { 9, false }, { 12, true },
        { 15, false }, { 17, false }, { 19, false }, { 21, false }, { 24, true } };
    const std::tuple<const char*, board::TemperamentSource, int, Dots> cases[] = {
        { "12-EDO", board::EqualDivisions {}, 24, guitar },
        { "the classic chromatic scale, a two-octave period", board::ClassicSource {}, 24, guitar },
        { "31-EDO: minor third 8, fourth 13, fifth 18, major sixth 23",
            board::EqualDivisions { 31, {} }, 36,
            { { 8, false }, { 13, false }, { 18, false }, { 23, false }, { 31, true } } },
        { "19-EDO", board::EqualDivisions { 19, {} }, 24,
            { { 5, false }, { 8, false }, { 11, false }, { 14, false }, { 19, true },
                { 24, false } } },
    };
    for (const auto& [name, temperament, frets, expected] : cases) {
        board::Design design;
        design.temperament = temperament;
        design.frets = frets;
        EXPECT_EQ(FaceDots(*board::ComputeLayout(design).layout), expected) << name;
    }
}

// Each gauge's arc is the circle of the board's radius there (found from
// three of its points), as wide as the board plus 10 mm, with 20 mm of wood
// behind its deepest point; labelled with its radius and place.
TEST(RadiusGauges, AreTheBoardsCircleAtTheNutTheTwelfthAndTheLastFret)
{
    struct Row {
        const char* what;
        double nut, last;
        std::vector<double> radii; // nut, 12th, 22nd fret
        std::vector<std::string> labels;
    };
    const Row rows[] = {
        { "cylinder", 184.15, 0, { 184.15, 184.15, 184.15 },
            { "R 184.15 mm · Nut", "R 184.15 mm · Fret 12", "R 184.15 mm · Fret 22" } },
        // 12th fret 324 mm from the nut, 22nd 466.1611 mm.
        { "compound", 254, 406.4, { 254, 359.92389, 406.4 },
            { "R 254 mm · Nut", "R 359.9239 mm · Fret 12", "R 406.4 mm · Fret 22" } },
    };
    const TemplateWords words = language::TemplateWordsIn(language::Language::English);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        const board::Design design = testing_support::RadiusedBoard(row.nut, row.last);
        const Drawing gauges = RadiusGauges(*board::ComputeLayout(design).layout, words);
        ASSERT_EQ(gauges.outlines.size(), 3u);
        for (std::size_t g = 0; g < 3; ++g) {
            const std::vector<Point>& p = gauges.outlines[g].points;
            const std::size_t arcEnd = p.size() - 3; // then the right side's foot, the left's
            const Point a = p.front(), b = p[arcEnd / 2], c = p[arcEnd];
            const double ab = std::hypot(b.x - a.x, b.y - a.y),
                         bc = std::hypot(c.x - b.x, c.y - b.y),
                         ca = std::hypot(a.x - c.x, a.y - c.y);
            const double area2 = std::fabs((b.x - a.x) * (c.y - a.y) - (c.x - a.x) * (b.y - a.y));
            EXPECT_NEAR(ab * bc * ca / (2 * area2), row.radii[g], 1e-3) << "gauge " << g;
            EXPECT_NEAR(ca, 43 + 10, 1e-9) << "gauge " << g;
            EXPECT_GT(b.y, a.y) << "concave: the middle lies deeper than the ends";
            EXPECT_NEAR(p.back().y - b.y, 20, 1e-3) << "gauge " << g;
            const auto labelled = std::any_of(gauges.texts.begin(), gauges.texts.end(),
                [&](const Text& t) { return t.utf8 == row.labels[g]; });
            EXPECT_TRUE(labelled) << row.labels[g];
        }
    }
}

} // namespace
} // namespace corvane::drawing
