#pragma once

// The computed fretboard: every figure per fret and string, and the lines of
// the board at true size.
//
// Coordinates are millimetres with x along the centre line from the nut
// towards the bridge and y across it, downwards; (0, 0) is the top-left
// corner of the board's bounding box (outline and strings), so a drawing
// can use them directly. They show the board's face as the luthier sees it
// on the bench, nut on the left: a right-handed board has its treble side
// at the top and its bass side at the bottom, a left-handed one the other
// way round.
//
// Every length is measured along the centre line, as a scale length is on a
// straight board: a string's scale length is the distance from its nut
// point to its saddle point in x, and a fret at fraction 1 - 1/r(n) of it.
// (Along a string that leans out by s over a length L, the distance is
// longer by the factor sqrt(1 + (s/L)^2): 1.00008 for a guitar whose strings
// spread from 36 to 52 mm.)
//
// The strings' ends are spread evenly along the nut and the saddle, so inner
// strings' lengths are the linear interpolation of the outer ones, and the
// points where fret n crosses the strings lie on one straight line; that
// line, extended to the board's edges, is the fret.

#include "design.h"
#include "temperament.h"
#include "units.h"

#include <optional>
#include <string>
#include <vector>

namespace corvane::board {

struct Point {
    double x = 0;
    double y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Segment {
    Point from;
    Point to;
    friend bool operator==(const Segment&, const Segment&) = default;
};

// The figures of one fret on one string. Distances are in millimetres along
// the centre line, from the design nut and saddle; the compensated ones from
// the compensated nut and saddle.
struct FretOnString {
    int fret = 0; // 1 = first fret
    int string = 0; // 1 = bass string
    double fromNutMm = 0;
    double fretToFretMm = 0; // from the previous fret (or the nut)
    double toSaddleMm = 0;
    double ratio = 1; // of the open string's length to the stopped length
    double cents = 0;
    int degree = 0; // 1..N within the period, N at each period's end
    int period = 0; // how many whole periods below this fret (0 in the first)
    std::string note; // French note name, or the degree number when there are none
    double compensatedFromNutMm = 0;
    double compensatedToSaddleMm = 0;
    Point at; // where the fret crosses the string
    // With strings: the error of this fret's note on this string with the
    // setbacks in use (cents), and, when asked for, where the fret must
    // stand on this string for its note to be in tune (the fretlet).
    std::optional<double> errorCents;
    std::optional<double> fretletFromNutMm;
    Point fretletAt;
    // On a radiused board: the radius where this fret crosses the centre
    // line, and how far the board's edges lie below the middle there.
    std::optional<double> radiusMm;
    std::optional<double> edgeDropMm;
    // fromNutMm is the classic window's own position for this fret (at most
    // five decimals in the design's unit), to be shown digit for digit.
    bool classicDigits = false;
};

struct StringLine {
    double lengthMm = 0; // scale length: nut point to saddle point, along the centre line
    Segment line; // nut point to saddle point
    double nutSetbackMm = 0;
    double saddleSetbackMm = 0;
    Point compensatedNut; // the nut point moved towards the saddle
    Point compensatedSaddle; // the saddle point moved away from the nut
};

// A straight saddle, or one piece of a two-piece one.
struct SaddlePiece {
    int firstString = 1; // bass side, 1 = bass
    int lastString = 1;
    double bassSetbackMm = 0; // at its first and last strings, along them
    double trebleSetbackMm = 0;
    // From square to the centre line; positive when the piece's bass end
    // lies farther from the nut, as guitar saddles slant.
    double angleDeg = 0;
    Segment line; // through both ends' saddle points, moved along the strings
};

struct BoardLayout {
    Design design; // what was computed
    Temperament temperament;

    std::vector<StringLine> strings; // bass first
    // Board edge to board edge at the scale's zero: the nut, or the zero
    // fret when there is one (then its slot 0), guideNut being the nut.
    Segment nut;
    std::optional<Segment> guideNut;
    Segment saddle; // outer string to outer string
    std::vector<Segment> frets; // fret 1 first, board edge to board edge
    // With a length per string whose points do not align: the nut, each
    // fret and the saddle as lines bent at every string (edge, strings,
    // edge); empty where the straight line is the whole of it.
    std::vector<Point> nutPath;
    std::vector<Point> saddlePath;
    std::vector<std::vector<Point>> fretPaths;
    Segment bassEdge; // nut corner to last-fret corner
    Segment trebleEdge;
    // The closed outline: bass nut corner, along the bass edge, round the
    // board's end (two corners, or an arc's points), treble nut corner.
    std::vector<Point> outline;
    Segment centreLine; // middle of the nut to middle of the saddle
    double widthMm = 0; // bounding box of everything above
    double heightMm = 0;

    std::vector<FretOnString> rows; // fret by fret, bass string first in each
    std::vector<FretOnString> zeroFretRows; // with a zero fret: fret 0, bass string first
    std::vector<StringReport> stringReports; // bass first; empty without strings
    // With a straight saddle asked for: its pieces, or why there are none.
    std::vector<SaddlePiece> saddlePieces;
    std::optional<Problem> saddleProblem;

    const FretOnString& At(int fret, int string) const
    {
        return rows[static_cast<std::size_t>((fret - 1) * design.strings + (string - 1))];
    }
};

// Validates the design and computes its board. The error names the field.
struct LayoutResult {
    std::optional<BoardLayout> layout;
    std::optional<DesignError> error;
};
// Notes are named as `naming` says (the interface's language).
LayoutResult ComputeLayout(const Design& design, NoteNaming naming = NoteNaming::Solfege);

// The same from an already built temperament (the design's source is not
// rebuilt); the design must be valid. For benchmarks and live views that
// change only the geometry.
BoardLayout ComputeLayout(
    const Design& design, const Temperament& temperament, NoteNaming naming = NoteNaming::Solfege);

} // namespace corvane::board
