#pragma once

// The strings a design carries: their open pitches and what they are made
// of, the action, and how the nut and saddle are compensated. A design
// without a tuning and a string set has no strings to compute.

#include "pitch.h"
#include "problem.h"
#include "string_physics.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace corvane::board {

enum class CompensationMode {
    None, // nut and saddle where the scale length puts them
    Manual, // the design's four setbacks, linear across the strings
    Computed, // per string, from its physics
};

// One string of the set, as the user chose it: a catalogue item, or its
// unit weight typed; each typed value overrides the catalogue's.
struct SetString {
    std::string item;
    std::optional<double> unitWeightKgPerM;
    std::optional<double> gaugeIn;
    std::optional<double> kappa;
    std::optional<double> b0;
    std::optional<double> coreDiameterMm;
    // This string's own action, where it differs from the design's.
    std::optional<double> nutClearanceMm;
    std::optional<double> saddleHeightMm;
    friend bool operator==(const SetString&, const SetString&) = default;

    static SetString OfItem(std::string id)
    {
        SetString chosen;
        chosen.item = std::move(id);
        return chosen;
    }
};

// How the saddle is made when the compensation is computed: each string's
// own setback, one straight saddle, or one for the wound strings and one
// for the plain.
enum class SaddleShape { PerString, Straight, TwoPiece };
inline constexpr std::array<std::pair<SaddleShape, std::string_view>, 2> SaddleShapeNames = { {
    { SaddleShape::Straight, "one" },
    { SaddleShape::TwoPiece, "two-piece" },
} };

struct Stringing {
    std::vector<std::string> tuning; // pitch texts, bass first
    double referenceA4Hz = DefaultReferenceA4Hz;
    std::vector<SetString> set; // bass first
    Action action;
    CompensationMode compensation = CompensationMode::Manual;
    // The fit runs over frets 1..fitFrets; unset, over one period (12 frets
    // in 12-EDO, 31 in 31-EDO, a Scala file's own count).
    std::optional<int> fitFrets;
    bool fretlets = false; // a fret position per string
    SaddleShape saddle = SaddleShape::PerString;
    friend bool operator==(const Stringing&, const Stringing&) = default;

    bool HasStrings() const noexcept { return !tuning.empty() && !set.empty(); }
};

// Where a string's kappa and B0 come from.
enum class ConstantsSource {
    Typed,
    Published, // the catalogue's measured constants, carried to this string
    SteelWire, // a plain steel string, from its gauge
    SteelCore, // a wound string, from the core diameter given
    EstimatedCore, // a wound steel string, core estimated from the gauge
    TypicalNylon, // an estimate: typical values of nylon strings
    Unknown,
};

// A wound steel string's core, when not given, as a share of its gauge.
inline constexpr double EstimatedCoreShareOfGauge = 0.4;
// Typical nylon: the mean of the published normal-tension set, at 650 mm.
inline constexpr double TypicalNylonKappa = 51.4;
inline constexpr double TypicalNylonB0At650Mm = 0.00244;

// One string as the engine computed it.
struct StringReport {
    int string = 0; // 1 = bass
    std::string pitch; // as given
    std::string item; // the catalogue's, or empty
    std::optional<double> gaugeIn; // typed, or the catalogue's
    double frequencyHz = 0;
    double lengthMm = 0;
    double unitWeightKgPerM = 0;
    double tensionN = 0;
    std::optional<double> kappa;
    std::optional<double> b0;
    ConstantsSource constantsSource = ConstantsSource::Unknown;
    Setbacks setbacks; // in use
    // Per fret, fret 1 first; empty when kappa and B0 are unknown.
    std::vector<double> centsBefore; // without setbacks
    std::vector<double> centsAfter; // with the setbacks in use
    double rmsCentsBefore = 0; // over the fit frets
    double rmsCentsAfter = 0;
    double worstCentsAfter = 0;
    std::vector<double> fretletsFromNutMm; // when asked for and possible
    // Why computed setbacks were not used (the string keeps none), or why
    // no fretlets: values in millimetres and cents, the string's number first.
    std::optional<Problem> compensationProblem;
    std::optional<Problem> fretletsProblem;
    // Where the string's centre crosses the nut and the saddle, from the
    // board's bass edge (prolonged to the saddle), along each.
    double nutPositionMm = 0;
    double bridgePositionMm = 0;
    // On a straight saddle: where it crosses this string, and the string's
    // errors there (nut setback as computed).
    std::optional<double> straightSaddleSetbackMm;
    std::optional<double> straightSaddleRmsCents;
    std::optional<double> straightSaddleWorstCents;
};

// Whether string `index` of the set is wound: its catalogue item's
// material, or a core diameter typed.
bool IsWound(const Stringing& stringing, std::size_t index);

// Each string's gauge in inches, bass first, where known: typed, or the
// catalogue item's.
std::vector<std::optional<double>> StringGaugesIn(const Stringing& stringing);

// Physical ranges of a string: what any instrument's strings have.
inline constexpr double MinUnitWeightKgPerM = 1e-5; // 0.01 g/m
inline constexpr double MaxUnitWeightKgPerM = 0.1; // 100 g/m
inline constexpr double MinTensionN = 1.0;
inline constexpr double MaxTensionN = 2000.0;

// A typed unit weight in kg/m: a number with its unit ("6.8 g/m",
// "0.0068 kg/m", "3.8e-4 lb/in"), or a bare number in `bareUnit`'s
// (g/m or kg/m or lb/in). Nothing for anything else, zero or less.
enum class WeightUnit { KgPerM, GramPerM, LbPerIn };
std::optional<double> ParseUnitWeight(std::string_view text, std::optional<WeightUnit> bareUnit);

// The strings of a board that now has `strings` strings: the last ones
// dropped, or the last one repeated for the new ones. Nothing changes
// without strings.
void ResizeStringing(Stringing& stringing, int strings);

// The first problem of the strings of a design with this many strings and
// frets; its field is the design file's key ("string_set"), its values name
// the string.
std::optional<Problem> StringingProblem(
    const Stringing& stringing, int strings, int frets, std::string& field);

// The first string whose figures on strings of these lengths (bass first)
// leave what strings can be: its tension, or the kappa and B0 derived from
// it. The field is "string_set".
std::optional<Problem> StringPhysicsProblem(
    const Stringing& stringing, const std::vector<double>& lengthsMm);

// Each string's report on strings of these lengths (bass first), for
// frets placed for these ratios, `periodFrets` to a period; `manual` are
// the design's own setbacks per string. The stringing must be valid
// (StringingProblem, StringPhysicsProblem).
std::vector<StringReport> ComputeStrings(const Stringing& stringing,
    const std::vector<double>& lengthsMm, const std::vector<Setbacks>& manual,
    const std::vector<double>& fretRatios, int periodFrets);

} // namespace corvane::board
