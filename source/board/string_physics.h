#pragma once

// What a string does on the board: how hard it pulls, and how far its
// fretted notes stray from the notes the frets were placed for.
//
// Intonation follows Anderson and Beausoleil's model (J. Acoust. Soc. Am.
// 156, 683, 2024): pressing a string onto a fret stretches it, which raises
// its tension and thins it, and its bending stiffness raises every note a
// little more as the string shortens. Setbacks of the saddle and the nut
// answer both.
//
// Lengths in millimetres, setbacks as the design takes them: the saddle
// moves away from the nut, the nut towards the saddle, each by a positive
// amount.

#include <optional>
#include <vector>

namespace corvane::board {

inline constexpr double KgPerMPerLbPerIn = 0.45359237 / 0.0254;
inline constexpr double NewtonsPerKgf = 9.80665;
inline constexpr double NewtonsPerLbf = 0.45359237 * NewtonsPerKgf;
inline constexpr double SteelModulusPa = 200e9; // the core of a steel string
// A fit needs two frets to settle two setbacks.
inline constexpr int MinFitFrets = 2;
inline constexpr int MaxFitFrets = 60;
// What a luthier can build: a saddle moved back up to 15 mm (or forward
// 2 mm), a nut moved up to 5 mm either way. A fit that wants more is not
// used.
inline constexpr double MinComputedSaddleSetbackMm = -2.0;
inline constexpr double MaxComputedSaddleSetbackMm = 15.0;
inline constexpr double MaxComputedNutSetbackMm = 5.0;
// Physical ranges of the string constants. A thick steel core at a low
// tension has the largest kappa: a long-scale bass set on a 30-inch scale
// is near 1,300, a low B tuned down on a short scale near 2,000.
inline constexpr double MinKappa = 1.0;
inline constexpr double MaxKappa = 5000.0;
inline constexpr double MaxB0 = 0.05;

// T = mu (2 L f)^2.
double TensionNewtons(double unitWeightKgPerM, double lengthMm, double frequencyHz) noexcept;

// Heights of the string (mm): b above fret 1's top at the nut, c of the
// saddle above the nut; the relief lowers the fret tops by at most
// `reliefMm`, at the octave; the finger presses `frettingDistanceMm`
// behind the fret.
inline constexpr double MaxActionHeightMm = 50.0;
inline constexpr double MaxReliefMm = 5.0;

struct Action {
    double nutClearanceMm = 1.0; // b
    double saddleHeightMm = 4.0; // c
    double reliefMm = 0.0;
    double frettingDistanceMm = 0.0; // d
    friend bool operator==(const Action&, const Action&) = default;
};

// One string: its scale length, string constant kappa = A E / T0 and its
// open bending stiffness B0.
struct StringModel {
    double scaleLengthMm = 650;
    double kappa = 0;
    double b0 = 0;
    Action action;
};

struct Setbacks {
    double saddleMm = 0; // away from the nut
    double nutMm = 0; // towards the saddle
    friend bool operator==(const Setbacks&, const Setbacks&) = default;
};

// The error in cents of the note fretted at `fretFromNutMm` (from the
// uncompensated nut) against the note `ratio` above the open string.
double FretErrorCents(
    const StringModel& string, Setbacks setbacks, double fretFromNutMm, double ratio) noexcept;

// The errors of frets placed for `ratios` (fret 1 first) on a straight
// string of this length.
std::vector<double> FretErrors(
    const StringModel& string, Setbacks setbacks, const std::vector<double>& ratios);

// Root mean square and the largest size of the first `count` errors.
double RootMeanSquare(const std::vector<double>& cents, int count) noexcept;
double Worst(const std::vector<double>& cents, int count) noexcept;

// The setbacks that minimise the root mean square error over the first
// `fitFrets` frets, and whether the fit settled on them (its last step
// below a nanometre, every figure finite). Nothing is
// clamped: whether the setbacks can be built is for the caller to judge.
struct Fit {
    Setbacks setbacks;
    bool settled = false;
};
Fit FitSetbacks(const StringModel& string, const std::vector<double>& ratios, int fitFrets);

// Where fret `ratio` must stand on this string, from the uncompensated nut,
// for its note to be in tune with these setbacks; nothing when no place
// between the nut and the saddle puts it within a millionth of a cent.
std::optional<double> FretletFromNutMm(
    const StringModel& string, Setbacks setbacks, double ratio) noexcept;

// kappa and B0 of a string whose stiff core is a steel wire of this
// diameter (the whole string when plain), at its open tension.
struct StringConstants {
    double kappa = 0;
    double b0 = 0;
};
StringConstants SteelCoreConstants(
    double coreDiameterMm, double tensionNewtons, double scaleLengthMm) noexcept;

// Published constants measured at one tension and length, carried to
// another: kappa goes as 1/T, B0 as 1/(sqrt(T) L).
StringConstants CarriedConstants(StringConstants published, double publishedTensionN,
    double publishedLengthMm, double tensionN, double lengthMm) noexcept;

} // namespace corvane::board
