#pragma once

// A temperament is the list of pitch ratios of one period, in rising order,
// the last being the period itself (2/1 for an octave). Fret n of a string
// of length L lies at L (1 - 1/r(n)) from the nut, where r(n) continues past
// the period by multiplying by it: r(n + N) = r(n) × period.

#include "units.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace corvane::board {

// The six scales of the classic window, in the order of its scale list.
enum class ClassicScale {
    TemperedDiatonic,
    TemperedChromatic,
    NaturalDiatonic,
    NaturalChromatic,
    PythagoreanDiatonic,
    PythagoreanChromatic,
};
// The diatonic mode: where the seventh degree lies and what the open string
// is called in the classic window.
enum class ClassicMode { Sol, Do };

enum class BuiltinTable {
    Just12, // 5-limit just intonation
    Pythagorean12, // pure fifths
    QuarterCommaMeantone12, // fifths of 5^(1/4), E-flat to G-sharp around C
};

inline constexpr double MinPeriodCents = 1.0;
inline constexpr double MaxPeriodCents = 12000.0;

// A period given as a ratio of two positive integers (2/1, 3/1) or in cents.
struct Period {
    enum class Kind { Ratio, Cents };
    Kind kind = Kind::Ratio;
    std::int64_t numerator = 2;
    std::int64_t denominator = 1;
    double cents = 1200.0;

    double Ratio() const noexcept;
    std::string Text() const; // "2/1", "1200.0", as ParsePeriod reads it
    friend bool operator==(const Period&, const Period&) = default;
};
// "3/1" or "3" is a ratio; a number with a period ("1901.955") or followed by
// "c"/"cents" is in cents, as in Scala files. The period must exceed 1/1.
Parsed<Period> ParsePeriod(std::string_view text);

// Where a temperament comes from; this is what a design stores.
struct EqualDivisions {
    int divisions = 12; // 1 to 1000
    Period period;
    friend bool operator==(const EqualDivisions&, const EqualDivisions&) = default;
};
struct ScalaSource {
    std::string fileName; // only for showing; the content is what counts
    std::string content; // the whole .scl text
    friend bool operator==(const ScalaSource&, const ScalaSource&) = default;
};
struct ClassicSource {
    ClassicScale scale = ClassicScale::TemperedChromatic;
    ClassicMode mode = ClassicMode::Do;
    friend bool operator==(const ClassicSource&, const ClassicSource&) = default;
};
struct BuiltinSource {
    BuiltinTable table = BuiltinTable::Just12;
    friend bool operator==(const BuiltinSource&, const BuiltinSource&) = default;
};
using TemperamentSource = std::variant<EqualDivisions, ScalaSource, ClassicSource, BuiltinSource>;

struct Temperament {
    std::string name; // for titles: "12-EDO", the Scala description, ...
    std::vector<double> ratios; // rising, each above 1; the last is the period

    // Semitones above the open string of each degree, when the degrees can
    // be named as notes of twelve per octave (same size as ratios); empty
    // when only degree numbers make sense.
    std::vector<int> semitones;
    int semitonesPerPeriod = 0; // 12 per octave, 24 for a two-octave classic period

    // Classic scales only: the positions the classic window shows at the
    // length they were computed for (in that length's unit), so that a
    // string of exactly that length gets exactly the window's digits.
    double classicLength = 0;
    Unit classicUnit = Unit::Millimetre;
    std::vector<double> classicPositions;

    std::size_t DegreeCount() const noexcept { return ratios.size(); }
    double PeriodRatio() const noexcept { return ratios.empty() ? 1.0 : ratios.back(); }
    // Ratio of fret n (n >= 0; fret 0 is the open string, 1/1).
    double FretRatio(int fret) const noexcept;
    // Semitones above the open string at fret n, or nothing when the
    // temperament has no note names.
    std::optional<int> FretSemitones(int fret) const noexcept;
};

// Scala .scl text read as the published format says. The error names the
// line (1-based) and the problem.
struct ScalaScale {
    std::string description;
    std::vector<double> ratios;
    std::vector<int> lines; // the line of each pitch, for messages
};
Parsed<ScalaScale> ParseScala(std::string_view text);

Temperament MakeEqualDivisions(const EqualDivisions& source);
Temperament MakeBuiltin(BuiltinTable table);
// The classic scale's positions at the given length, read back as ratios
// L / (L - position). Fails (error message) when the classic engine rejects
// the length.
Parsed<Temperament> MakeClassic(const ClassicSource& source, double length, Unit unit);
// Frets standing at the given positions (rising, in the unit) on a string
// of the given length: a board of that length gets exactly those positions
// (for templates drawn from positions another engine wrote).
Temperament MakeFromPositions(
    std::string name, const std::vector<double>& positions, double length, Unit unit);
Parsed<Temperament> MakeScala(const ScalaSource& source);

// Any source; classicLength/unit are used by classic scales only.
Parsed<Temperament> MakeTemperament(
    const TemperamentSource& source, double classicLength, Unit unit);

// Names for files and command lines: "tempered-chromatic", "just-12", ...
std::string_view ClassicScaleName(ClassicScale scale) noexcept;
// The classic list item with its runs of blanks read as one ("Naturelle
// Diatonique"), for titles and lists; and whether it is diatonic.
std::string ClassicScaleTitle(ClassicScale scale);
bool IsDiatonic(ClassicScale scale) noexcept;
// The name files and command lines use, or the window's list item itself.
std::optional<ClassicScale> ParseClassicScaleName(std::string_view name) noexcept;
std::string_view BuiltinTableName(BuiltinTable table) noexcept;
std::optional<BuiltinTable> ParseBuiltinTableName(std::string_view name) noexcept;

// How notes are named: French solfège ("Do", "Ré#") or letters ("C",
// "D#"), as the interface's language names them. Sharps only.
enum class NoteNaming { Solfege, Letters };

// The name of a pitch class counted from Do/C (0 = "Do", 1 = "Do#", ...
// 11 = "Si"), any integer accepted; and the reverse, which reads either
// naming (and "Re" for "Ré").
std::string_view NoteName(int semitonesFromDo, NoteNaming naming = NoteNaming::Solfege) noexcept;
std::optional<int> ParseNoteName(std::string_view name) noexcept;

} // namespace corvane::board
