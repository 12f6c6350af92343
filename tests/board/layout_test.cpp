// Board geometry: straight and fanned boards, compensation.

#include "layout.h"
#include "radiused_board.h"
#include "said.h"

#include <gtest/gtest.h>

#include <cmath>

namespace corvane::board {
namespace {

using testing_support::Said;

// A 5-string fanned bass: 889 mm bass, 864 mm treble, fret 7 square to the
// centre line; strings 39 mm apart at the nut, 75 mm at the saddle.
Design FannedBass()
{
    Design design;
    design.strings = 5;
    design.bassLengthMm = 889.0;
    design.trebleLengthMm = 864.0;
    design.perpendicularFret = 7;
    design.nutWidthMm = 45.0;
    design.nutOverhangMm = 3.0;
    design.bridgeSpacingMm = 75.0;
    design.lastFretOverhangMm = 5.0;
    return design;
}

BoardLayout Compute(const Design& design)
{
    const LayoutResult result = ComputeLayout(design);
    EXPECT_FALSE(result.error) << Said(*result.error);
    return *result.layout;
}

TEST(Layout, FannedBassAgreesWithAHandComputation)
{
    const BoardLayout board = Compute(FannedBass());
    // Fret 7 is square to the centre line.
    EXPECT_NEAR(board.frets[6].from.x, board.frets[6].to.x, 1e-9);

    // By hand: scale lengths run along the centre line, so fret n of an outer
    // string of length L lies p(n) = L (1 - 2^(-n/12)) from its nut in x,
    // that is p(n) - p(7) from fret 7; across, the string has moved out by
    // 18 p(n) / L from 19.5 mm off the centre line (strings 39 mm apart at
    // the nut, 75 at the saddle), the bass below the centre line and the
    // treble above, as a right-handed board's face is seen nut on the left
    // (y runs down).
    for (const int string : { 1, 5 }) {
        const double length = string == 1 ? 889.0 : 864.0;
        const double side = string == 1 ? 1.0 : -1.0;
        const auto p = [&](int n) { return length * (1.0 - std::pow(2.0, -n / 12.0)); };
        for (const int fret : { 1, 12, 24 }) {
            const Point at = board.At(fret, string).at;
            const Point seventh = board.At(7, string).at;
            EXPECT_NEAR(at.x - seventh.x, p(fret) - p(7), 1e-9) << string << " " << fret;
            EXPECT_NEAR(
                at.y - board.centreLine.from.y, side * (19.5 + 18.0 * p(fret) / length), 1e-9);
        }
    }
    // Fret 1, bass end 889 (1 - 2^(-1/12)) - 889 (1 - 2^(-7/12)) = -245.7680 mm
    // from fret 7 along the bass string.
    EXPECT_NEAR(board.At(1, 1).fromNutMm - board.At(7, 1).fromNutMm, -245.76795, 1e-5);
}

TEST(Layout, EveryStringHasItsOctaveAtHalfItsLengthAndFretsAreStraight)
{
    const BoardLayout board = Compute(FannedBass());
    for (const StringLine& string : board.strings) {
        const std::size_t index = static_cast<std::size_t>(&string - board.strings.data());
        const FretOnString& octave = board.At(12, static_cast<int>(index) + 1);
        EXPECT_NEAR(octave.fromNutMm, string.lengthMm / 2.0, 1e-9);
        EXPECT_NEAR(octave.at.x, (string.line.from.x + string.line.to.x) / 2.0, 1e-9);
        EXPECT_NEAR(string.line.to.x - string.line.from.x, string.lengthMm, 1e-9);
        EXPECT_NEAR(string.lengthMm, 889.0 - 25.0 * static_cast<double>(index) / 4.0,
            1e-12); // interpolated
        // Each fret crosses this string on the straight fret line.
        for (int fret = 1; fret <= 24; ++fret) {
            const Segment& line = board.frets[static_cast<std::size_t>(fret - 1)];
            const Point at = board.At(fret, static_cast<int>(index) + 1).at;
            const double cross = (line.to.x - line.from.x) * (at.y - line.from.y)
                - (line.to.y - line.from.y) * (at.x - line.from.x);
            EXPECT_NEAR(
                cross / std::hypot(line.to.x - line.from.x, line.to.y - line.from.y), 0.0, 1e-9);
        }
    }
    // The board is 45 mm wide at the nut, and 5 mm beyond the outer strings at the last fret.
    EXPECT_NEAR(board.nut.from.y - board.nut.to.y, 45.0, 1e-9);
    EXPECT_NEAR(board.bassEdge.to.y - board.At(24, 1).at.y, 5.0, 1e-9);
    EXPECT_NEAR(board.At(24, 5).at.y - board.trebleEdge.to.y, 5.0, 1e-9);
}

TEST(Layout, PerpendicularAtNutOrBridgeAndStraightBoards)
{
    Design design = FannedBass();
    design.perpendicularFret = 0;
    EXPECT_NEAR(Compute(design).nut.from.x, Compute(design).nut.to.x, 1e-9);
    design.perpendicularFret = PerpendicularAtBridge;
    const BoardLayout bridge = Compute(design);
    EXPECT_NEAR(bridge.saddle.from.x, bridge.saddle.to.x, 1e-9);

    const BoardLayout straight = Compute(Design {});
    for (const Segment& fret : straight.frets)
        EXPECT_NEAR(fret.from.x, fret.to.x, 1e-9);
    for (int string = 1; string <= 6; ++string)
        EXPECT_EQ(straight.At(12, string).fromNutMm, 325.0);
    // Widest at the last fret: strings 36 mm apart at the nut, 52 at the saddle,
    // so 48 at fret 24 (three quarters of the way), plus 3.5 mm each side.
    EXPECT_NEAR(straight.heightMm, 48.0 + 2 * 3.5, 1e-9);
}

TEST(Layout, CompensationIsReportedBesideTheDesignPositions)
{
    Design design = FannedBass();
    design.nutSetbackBassMm = 0.8;
    design.nutSetbackTrebleMm = 0.4;
    design.saddleSetbackBassMm = 4.0;
    design.saddleSetbackTrebleMm = 2.0;
    const BoardLayout compensated = Compute(design);
    const BoardLayout plain = Compute(FannedBass());
    struct Case {
        int string;
        double nut;
        double saddle;
    };
    for (const Case c : { Case { 1, 0.8, 4.0 }, Case { 3, 0.6, 3.0 }, Case { 5, 0.4, 2.0 } }) {
        const FretOnString& row = compensated.At(5, c.string);
        EXPECT_EQ(row.fromNutMm, plain.At(5, c.string).fromNutMm);
        EXPECT_NEAR(row.compensatedFromNutMm, row.fromNutMm - c.nut, 1e-12);
        EXPECT_NEAR(row.compensatedToSaddleMm, row.toSaddleMm + c.saddle, 1e-12);
        const StringLine& string = compensated.strings[static_cast<std::size_t>(c.string - 1)];
        EXPECT_NEAR(
            string.compensatedSaddle.x - string.line.from.x, string.lengthMm + c.saddle, 1e-9);
    }
}

// A board 43 mm wide all along (parallel strings), 648 mm, 22 frets: the
// radius where each fret crosses the centre line, and the circle's sagitta
// over half the width, worked by hand.
TEST(Layout, RadiusAndEdgeDropAreTheCircleWhereEachFretCrossesTheCentreLine)
{
    struct Row {
        const char* what;
        double nut, last;
        int fret;
        double radius, drop;
    };
    const Row rows[] = {
        { "12 in cylinder", 304.8, 0, 12, 304.8, 0.75923 },
        { "the last fret's radius alone is a cylinder too", 0, 304.8, 1, 304.8, 0.75923 },
        // The 22nd fret is 466.1611 mm from the nut: 254 + 152.4 * 324 / 466.1611.
        { "10-16 in compound, 12th fret", 254, 406.4, 12, 359.92389, 0.64272 },
        { "10-16 in compound, 1st fret", 254, 406.4, 1, 265.89010, 0.87068 },
        { "10-16 in compound, last fret", 254, 406.4, 22, 406.4, 0.56911 },
    };
    for (const Row& row : rows) {
        const Design design = testing_support::RadiusedBoard(row.nut, row.last);
        const BoardLayout board = Compute(design);
        for (int string = 1; string <= design.strings; ++string) {
            const FretOnString& at = board.At(row.fret, string);
            ASSERT_TRUE(at.radiusMm && at.edgeDropMm) << row.what;
            EXPECT_NEAR(*at.radiusMm, row.radius, 1e-5) << row.what;
            EXPECT_NEAR(*at.edgeDropMm, row.drop, 1e-5) << row.what;
        }
    }
    EXPECT_FALSE(Compute(Design {}).rows.front().radiusMm) << "a flat board has none";
}

// The board's end: square, its corners on the prolonged edges E past the
// last fret's crossing of the centre line; round, every point of the arc
// on one circle through the last fret's corners and the centre line's end.
TEST(Layout, TheBoardEndsWhereAndHowItsEndSays)
{
    struct Row {
        const char* what;
        Design design;
        double end;
        BoardEndShape shape;
    };
    const Row rows[] = {
        { "square, straight", Design {}, 20, BoardEndShape::Square },
        { "square, fanned", FannedBass(), 25, BoardEndShape::Square },
        { "round, straight", Design {}, 15, BoardEndShape::Round },
        { "round, fanned", FannedBass(), 30, BoardEndShape::Round },
    };
    for (Row row : rows) {
        SCOPED_TRACE(row.what);
        const BoardLayout plain = Compute(row.design);
        row.design.boardEndMm = row.end;
        row.design.boardEndShape = row.shape;
        const BoardLayout board = Compute(row.design);
        const Segment last = plain.frets.back();
        const double axis = plain.centreLine.from.y;
        const double onAxis = last.from.x
            + (last.to.x - last.from.x) * (axis - last.from.y) / (last.to.y - last.from.y);
        const std::vector<Point>& outline = board.outline;
        const double shift = board.centreLine.from.x - plain.centreLine.from.x; // a wider box
        EXPECT_EQ(outline.front().x - shift, plain.outline.front().x) << "the nut stays";
        if (row.shape == BoardEndShape::Square) {
            ASSERT_EQ(outline.size(), 4u);
            EXPECT_NEAR(outline[1].x - shift, onAxis + row.end, 1e-9);
            EXPECT_NEAR(outline[1].x, outline[2].x, 1e-9) << "square to the centre line";
            const Segment& edge = board.bassEdge;
            const double slope = (edge.to.y - edge.from.y) / (edge.to.x - edge.from.x);
            EXPECT_NEAR(outline[1].y, edge.from.y + slope * (outline[1].x - edge.from.x), 1e-9)
                << "on the prolonged edge";
            continue;
        }
        // Round: the circle through the corners and the centre line's end
        // holds every point.
        const Point a = outline[1], c = outline[outline.size() - 2],
                    b { onAxis + row.end + shift, board.centreLine.from.y };
        EXPECT_NEAR(a.x - shift, last.from.x, 1e-9);
        const double d = 2 * (a.x * (b.y - c.y) + b.x * (c.y - a.y) + c.x * (a.y - b.y));
        const double a2 = a.x * a.x + a.y * a.y, b2 = b.x * b.x + b.y * b.y,
                     c2 = c.x * c.x + c.y * c.y;
        const Point o { (a2 * (b.y - c.y) + b2 * (c.y - a.y) + c2 * (a.y - b.y)) / d,
            (a2 * (c.x - b.x) + b2 * (a.x - c.x) + c2 * (b.x - a.x)) / d };
        const double r = std::hypot(a.x - o.x, a.y - o.y);
        for (std::size_t i = 1; i + 1 < outline.size(); ++i)
            EXPECT_NEAR(std::hypot(outline[i].x - o.x, outline[i].y - o.y), r, 1e-3) << i;
    }
}

// A zero fret stands at the scale's zero; the nut D behind it, its ends
// on the board's edges prolonged, and the table's fret 0 on every string.
TEST(Layout, AZeroFretStandsAtTheScalesZeroWithTheNutBehind)
{
    for (Design design : { Design {}, FannedBass() }) {
        SCOPED_TRACE(design.strings);
        const BoardLayout plain = Compute(design);
        design.zeroFretMm = 4.5;
        const BoardLayout board = Compute(design);
        ASSERT_TRUE(board.guideNut);
        const double shift = board.nut.from.x - plain.nut.from.x; // a longer board
        EXPECT_NEAR(board.nut.to.x - shift, plain.nut.to.x, 1e-9)
            << "the zero fret: the nut's place";
        for (const auto& [end, edge] : { std::pair { board.guideNut->from, board.bassEdge },
                 std::pair { board.guideNut->to, board.trebleEdge } }) {
            const double slope = (edge.to.y - edge.from.y) / (edge.to.x - edge.from.x);
            EXPECT_NEAR(end.y, edge.from.y + slope * (end.x - edge.from.x), 1e-9);
        }
        EXPECT_NEAR(board.nut.from.x - board.guideNut->from.x, 4.5, 0.1)
            << "behind, along the edge";
        ASSERT_EQ(board.zeroFretRows.size(), static_cast<std::size_t>(design.strings));
        for (const FretOnString& row : board.zeroFretRows) {
            EXPECT_EQ(row.fret, 0);
            EXPECT_EQ(row.fromNutMm, 0);
            EXPECT_EQ(
                row.toSaddleMm, board.strings[static_cast<std::size_t>(row.string - 1)].lengthMm);
        }
        EXPECT_EQ(board.rows.size(), plain.rows.size()) << "the frets as they were";
    }
}

// A length per string (FretFind2D's "individual" mode): each string's
// octave at half its own length, the perpendicular fret square across, and
// the other frets bent at the strings unless the lengths are in proportion.
TEST(Layout, EachStringHasItsOwnLengthAndTheFretsPassThroughItsPoints)
{
    const std::vector<std::vector<double>> rows = {
        { 686, 672, 664, 660, 655, 648 }, // not linear: bent frets
        { 686, 678.4, 670.8, 663.2, 655.6, 648 }, // linear: straight ones
    };
    for (const std::vector<double>& lengths : rows) {
        Design design;
        design.stringLengthsMm = lengths;
        design.bassLengthMm = lengths.front();
        design.trebleLengthMm = lengths.back();
        design.perpendicularFret = 7;
        const BoardLayout board = Compute(design);
        for (int string = 1; string <= 6; ++string) {
            const double own = lengths[static_cast<std::size_t>(string - 1)];
            EXPECT_NEAR(board.At(12, string).fromNutMm, own / 2, 1e-9) << string;
            EXPECT_NEAR(board.At(7, string).at.x, board.At(7, 1).at.x, 1e-9) << string;
        }
        const bool linear = lengths[1] == 678.4;
        EXPECT_EQ(board.fretPaths.empty() || board.fretPaths[0].empty(), linear);
        if (!linear) {
            EXPECT_TRUE(board.fretPaths[6].empty()) << "fret 7 is square, and straight";
            ASSERT_EQ(board.fretPaths[11].size(), 8u) << "edge, six strings, edge";
            EXPECT_EQ(board.fretPaths[11][3], board.At(12, 3).at);
        }
    }
}

TEST(Layout, InvalidDesignsNameTheirField)
{
    struct Case {
        void (*change)(Design&);
        const char* field;
    };
    const Case cases[] = {
        { [](Design& d) { d.frets = 61; }, "frets" },
        { [](Design& d) { d.strings = 0; }, "strings" },
        { [](Design& d) { d.bassLengthMm = -650; }, "bass_length" },
        { [](Design& d) { d.trebleLengthMm = std::nan(""); }, "treble_length" },
        { [](Design& d) { d.perpendicularFret = 25; }, "perpendicular_fret" },
        { [](Design& d) { d.nutOverhangMm = 30; }, "nut_overhang" },
        { [](Design& d) {
             d.temperament = EqualDivisions { 1001, {} };
         },
            "divisions" },
        { [](Design& d) {
             d.temperament = ScalaSource { "", "d\n2\n3/2\n4/3\n" };
         },
            "scala" },
        { [](Design& d) { d.bridgeSpacingMm = 2000; }, "bridge_spacing" },
        { [](Design& d) {
             d.temperament = EqualDivisions { 1, {} };
             d.frets = 20;
         },
            "frets" }, // 2^20 > 10^6
        { [](Design& d) {
             d.temperament = ScalaSource { "", "d\n2\n0.0000000001\n2/1\n" };
         },
            "frets" },
        // 300 mm, 3 frets: fret 1 at 16.84 mm, fret 3 at 48.02 mm, 251.98 mm before the saddle.
        { [](Design& d) {
             d.bassLengthMm = d.trebleLengthMm = 300;
             d.frets = 3;
             d.nutSetbackBassMm = 17;
         },
            "nut_setback_bass" },
        { [](Design& d) {
             d.bassLengthMm = 300;
             d.trebleLengthMm = 290;
             d.frets = 3;
             d.nutSetbackTrebleMm = 16.5;
         },
            "nut_setback_treble" },
        { [](Design& d) {
             d.frets = 60;
             d.saddleSetbackBassMm = -30;
         },
            "saddle_setback_bass" }, // 20.3 mm left
        { [](Design& d) { d.radiusNutMm = 19; }, "radius_nut" },
        { [](Design& d) { d.radiusNutMm = 21.5; }, "radius_nut" }, // the nut is 43 mm wide
        // 55 mm wide at the 24th fret: the nut's radius, used there too, is too small.
        { [](Design& d) { d.radiusNutMm = 25; }, "radius_nut" },
        { [](Design& d) {
             d.radiusNutMm = 254;
             d.radiusLastFretMm = 27;
         },
            "radius_last_fret" },
        { [](Design& d) { d.boardEndMm = 301; }, "board_end" },
        { [](Design& d) {
             d.stringLengthsMm = { 650, 640 };
         },
            "string_lengths" },
        { [](Design& d) {
             d.stringLengthsMm = { 650, 648, 646, 644, 642, 640 };
         },
            "string_lengths" }, // the treble length says 650
        // The 5-string fan's last fret slants: a square end 1 mm past its
        // middle would cut through it.
        { [](Design& d) {
             d = FannedBass();
             d.boardEndMm = 1;
         },
            "board_end" },
    };
    for (const Case& c : cases) {
        Design design;
        c.change(design);
        const LayoutResult result = ComputeLayout(design);
        ASSERT_TRUE(result.error) << c.field;
        EXPECT_EQ(result.error->field, c.field) << Said(*result.error);
    }
}

} // namespace
} // namespace corvane::board
