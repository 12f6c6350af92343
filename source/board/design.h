#pragma once

// Everything a user sets to describe a fretboard. Lengths are in
// millimetres whatever the unit; the unit says how they are typed and shown.
//
// Scale lengths are measured along the centre line, every width square to
// it. The strings are spread evenly along the nut and along the saddle; the
// bass string is string 1.

#include "stringing.h"
#include "temperament.h"
#include "units.h"
#include "workshop.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace corvane::board {

inline constexpr int MinFrets = 1;
inline constexpr int MaxFrets = 60;
inline constexpr int MinStrings = 1;
inline constexpr int MaxStrings = 16;
inline constexpr int MinDivisions = 1;
inline constexpr int MaxDivisions = 1000;
inline constexpr double MaxLengthMm = 10000.0; // ten metres: beyond any instrument
inline constexpr double MaxSetbackMm = 100.0; // typed setbacks move the nut or saddle a little
// The last fret leaves at least a millionth of the string: beyond, frets
// could no longer be told apart in double precision.
inline constexpr double MaxFretRatio = 1e6;
// A fretboard's radius: a violin's is about 40 mm, the flattest guitars'
// 20 in (508 mm); beyond five metres a board is flat to a hundredth.
inline constexpr double MinRadiusMm = 20.0;
inline constexpr double MaxRadiusMm = 5000.0;

// The perpendicular fret: 0 is the nut, 1..frets a fret, this value the
// saddle (bridge).
inline constexpr int PerpendicularAtBridge = -1;

// How the board ends past its last fret.
enum class BoardEndShape {
    Square, // square to the centre line
    Round, // an arc from corner to corner through the centre line's end
};

// A shape's name in design files and on the command line.
inline constexpr std::array<std::pair<BoardEndShape, std::string_view>, 2> BoardEndShapeNames = { {
    { BoardEndShape::Square, "square" },
    { BoardEndShape::Round, "round" },
} };
std::string_view BoardEndShapeName(BoardEndShape shape) noexcept;
std::optional<BoardEndShape> BoardEndShapeNamed(std::string_view name) noexcept;

// How the strings are spread along the nut and the saddle: their centres
// evenly, or so that the clear gaps between neighbours are equal (as nut
// makers space them, from the strings' gauges).
enum class StringSpacing { Centres, Gaps };
inline constexpr std::array<std::pair<StringSpacing, std::string_view>, 2> StringSpacingNames = { {
    { StringSpacing::Centres, "centres" },
    { StringSpacing::Gaps, "gaps" },
} };
std::string_view StringSpacingName(StringSpacing spacing) noexcept;
std::optional<StringSpacing> StringSpacingNamed(std::string_view name) noexcept;

// Past the last fret, the board ends at most this far along the centre line.
inline constexpr double MaxBoardEndMm = 300.0;

struct Design {
    TemperamentSource temperament = EqualDivisions {};
    int frets = 24;
    int strings = 6;
    Unit unit = Unit::Millimetre;

    double bassLengthMm = 650.0; // scale length of string 1
    double trebleLengthMm = 650.0; // scale length of the last string
    int perpendicularFret = 0; // see PerpendicularAtBridge
    // A scale length per string, bass first, for fans that are not linear:
    // empty, the strings between the outer ones are spread evenly between
    // their lengths; otherwise the first and last are the bass and treble
    // lengths.
    std::vector<double> stringLengthsMm;

    double nutWidthMm = 43.0; // board width at the nut
    double bridgeSpacingMm = 52.0; // outer strings, centre to centre, at the saddle
    double nutOverhangMm = 3.5; // outer string to board edge at the nut
    double lastFretOverhangMm = 3.5; // outer string to board edge at the last fret

    // Manual compensation, along each string: the nut moves towards the
    // bridge by nutSetback, the saddle away from the nut by saddleSetback.
    // Given for the outer strings, linear between.
    double nutSetbackBassMm = 0.0;
    double nutSetbackTrebleMm = 0.0;
    double saddleSetbackBassMm = 0.0;
    double saddleSetbackTrebleMm = 0.0;

    int openNote = 4; // pitch class of the open bass string from Do (4 = Mi)
    StringSpacing spacing = StringSpacing::Centres;

    // The face's radius across the board: 0 for a flat board; the same at
    // both ends for a cylinder; else a cone (a compound radius), growing in
    // proportion to the distance from the nut along the centre line. An
    // end left at 0 takes the other's radius.
    double radiusNutMm = 0;
    double radiusLastFretMm = 0;

    // How far the board goes past the last fret, along the centre line: 0
    // stops it at the last fret (its corners the overhang past the outer
    // strings); otherwise it ends there square, or in an arc from the last
    // fret's corners.
    double boardEndMm = 0;

    // A zero fret: a fret at the scale's zero, where the nut is otherwise,
    // and the nut this far behind it, a guide for the strings; 0 for none.
    double zeroFretMm = 0;
    BoardEndShape boardEndShape = BoardEndShape::Square;

    // A left-handed board is the mirror image of the right-handed one: the
    // bass side where the other has its treble.
    bool leftHanded = false;

    // The strings themselves, when known: their physics, and the
    // compensation it calls for.
    Stringing stringing;

    // For the laser and the router.
    CutOptions cut;
    RouterValues router;

    friend bool operator==(const Design&, const Design&) = default;

    bool IsFanned() const noexcept { return bassLengthMm != trebleLengthMm; }
    bool IsRadiused() const noexcept { return radiusNutMm != 0 || radiusLastFretMm != 0; }
};

// A design value the engine cannot use: which field (its name in design
// files: "strings", "bass_length", ...) and why, as data; the front end
// names the field its own way.
struct DesignError {
    std::string field;
    Problem problem;
    friend bool operator==(const DesignError&, const DesignError&) = default;
};
DesignError FieldError(std::string field, Problem problem);

// Where each string's centre lies across a spread of `spreadMm` between the
// outer strings' centres, as a share of it from the bass string (0) to the
// treble (1): evenly, or by equal gaps between the gauges. A problem when
// gaps are asked for and a gauge is unknown or the strings do not fit.
struct StringShares {
    std::vector<double> shares;
    std::optional<Problem> problem;
};
StringShares SpreadStrings(const Design& design, double spreadMm);

// Each string's scale length, bass first: the outer strings' own, the
// others spread evenly between them.
std::vector<double> StringLengths(const Design& design);

// Checks every field's range and the consistency between them (strings
// spread wider than zero at the nut, perpendicular fret within the board,
// a temperament source that builds, frets that stand apart). Nothing when
// the design is usable.
std::optional<DesignError> ValidateDesign(const Design& design);
// The same, handing back the temperament it had to build (when valid).
std::optional<DesignError> ValidateDesign(const Design& design, Temperament& temperament);

} // namespace corvane::board
