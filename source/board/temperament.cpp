#include "temperament.h"

#include "decimal_text.h"
#include "maths.h"

#include "note_names.h"
#include "scale_catalogue.h"
#include "text_encoding.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>

namespace corvane::board {

namespace {

constexpr std::array<std::string_view, 12> LetterNotes
    = { "C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B" };

// The classic engine's names without its leading blank: one table of the
// French names for the whole program.
constexpr std::string_view Solfege(std::size_t semitone) noexcept
{
    return fret::ChromaticNoteCycle[semitone].substr(1);
}

constexpr std::array<std::string_view, 6> ClassicNames
    = { "tempered-diatonic", "tempered-chromatic", "natural-diatonic", "natural-chromatic",
          "pythagorean-diatonic", "pythagorean-chromatic" };

constexpr std::array<std::string_view, 3> BuiltinNames
    = { "just-12", "pythagorean-12", "meantone-12" };

bool IsOctave(double period) noexcept
{
    return std::fabs(period / 2.0 - 1.0) < 1e-9;
}

std::vector<int> Chromatic(int count)
{
    std::vector<int> semitones(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        semitones[static_cast<std::size_t>(i)] = i + 1;
    return semitones;
}

// Names degrees as semitones when there are twelve to an octave.
void NameTwelvePerOctave(Temperament& temperament)
{
    if (temperament.ratios.size() == 12 && IsOctave(temperament.PeriodRatio())) {
        temperament.semitones = Chromatic(12);
        temperament.semitonesPerPeriod = 12;
    }
}

std::optional<std::uint64_t> ReadPositiveInteger(std::string_view text)
{
    std::uint64_t value = 0;
    if (text.empty() || !std::isdigit(static_cast<unsigned char>(text.front())))
        return std::nullopt;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value == 0)
        return std::nullopt;
    return value;
}

// A Scala ratio's term: any count of digits, to the nearest double, so that
// a 21-digit comma reads as well as 3/2. Nothing when it is not a positive
// integer; infinity when it is beyond a double.
std::optional<double> ReadPositiveDigits(std::string_view text)
{
    if (text.empty() || text.find_first_not_of("0123456789") != std::string_view::npos)
        return std::nullopt;
    double value = 0;
    const auto [end, error] = fret::ReadDecimal(text.data(), text.data() + text.size(), value);
    if (error == std::errc::result_out_of_range)
        return HUGE_VAL;
    if (error != std::errc() || end != text.data() + text.size() || !(value > 0))
        return std::nullopt;
    return value;
}

std::optional<double> ReadCents(std::string_view text)
{
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    double value = 0;
    const auto [end, error] = fret::ReadDecimal(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// A Scala problem at a line: the line number comes first among the values.
Parsed<ScalaScale> LineError(ProblemKind kind, int line, std::vector<ProblemValue> values = {})
{
    values.insert(values.begin(), std::to_string(line));
    return Parsed<ScalaScale>::Failure({ kind, std::move(values), {} });
}

} // namespace

// --- Periods -----------------------------------------------------------

double Period::Ratio() const noexcept
{
    if (kind == Kind::Cents)
        return maths::Exp2(cents / 1200.0);
    return static_cast<double>(numerator) / static_cast<double>(denominator);
}

std::string Period::Text() const
{
    if (kind == Kind::Ratio)
        return std::to_string(numerator) + "/" + std::to_string(denominator);
    // The shortest text that reads back as the same double.
    std::string text = fret::ShortestFixedDecimalText(cents).value_or("?");
    if (text.find('.') == std::string::npos)
        text += ".0";
    return text;
}

Parsed<Period> ParsePeriod(std::string_view text)
{
    const std::string shown(Trimmed(text));
    std::string_view word = Trimmed(text);
    bool cents = false;
    for (const std::string_view suffix : { std::string_view("cents"), std::string_view("c") }) {
        if (word.size() > suffix.size() && word.substr(word.size() - suffix.size()) == suffix) {
            word = Trimmed(word.substr(0, word.size() - suffix.size()));
            cents = true;
            break;
        }
    }
    Period period;
    if (cents || word.find('.') != std::string_view::npos) {
        const auto value = ReadCents(word);
        if (!value)
            return Parsed<Period>::Failure({ ProblemKind::PeriodUnreadable, { shown }, {} });
        if (!(*value >= MinPeriodCents && *value <= MaxPeriodCents))
            return Parsed<Period>::Failure({ ProblemKind::PeriodCentsOutOfRange, { shown }, {} });
        period.kind = Period::Kind::Cents;
        period.cents = *value;
        return { period, {} };
    }
    const std::size_t slash = word.find('/');
    const auto numerator = ReadPositiveInteger(word.substr(0, slash));
    const auto denominator = slash == std::string_view::npos
        ? std::optional<std::uint64_t>(1)
        : ReadPositiveInteger(word.substr(slash + 1));
    constexpr std::uint64_t Largest = 1'000'000'000'000ULL;
    if (!numerator || !denominator || *numerator > Largest || *denominator > Largest)
        return Parsed<Period>::Failure({ ProblemKind::PeriodUnreadable, { shown }, {} });
    period.kind = Period::Kind::Ratio;
    period.numerator = static_cast<std::int64_t>(*numerator);
    period.denominator = static_cast<std::int64_t>(*denominator);
    if (!(period.Ratio() > 1.0) || period.Ratio() > 1024.0)
        return Parsed<Period>::Failure({ ProblemKind::PeriodRatioOutOfRange, { shown }, {} });
    return { period, {} };
}

// --- Temperament ---------------------------------------------------------

double Temperament::FretRatio(int fret) const noexcept
{
    if (fret <= 0 || ratios.empty())
        return 1.0;
    const auto count = static_cast<int>(ratios.size());
    const int periods = (fret - 1) / count;
    const double within = ratios[static_cast<std::size_t>((fret - 1) % count)];
    return periods == 0 ? within : within * maths::Pow(PeriodRatio(), periods);
}

std::optional<int> Temperament::FretSemitones(int fret) const noexcept
{
    if (semitones.empty() || fret < 0)
        return std::nullopt;
    if (fret == 0)
        return 0;
    const auto count = static_cast<int>(semitones.size());
    const int periods = (fret - 1) / count;
    return semitones[static_cast<std::size_t>((fret - 1) % count)] + periods * semitonesPerPeriod;
}

// --- Scala ---------------------------------------------------------------

Parsed<ScalaScale> ParseScala(std::string_view text)
{
    text = WithoutByteOrderMark(text);
    ScalaScale scale;
    enum class Expect { Description, Count, Pitch } expect = Expect::Description;
    std::uint64_t count = 0;
    int lineNumber = 0;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        const bool last = end == std::string_view::npos;
        if (last)
            end = text.size();
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        ++lineNumber;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (last && line.empty() && lineNumber > 1) {
            --lineNumber; // the end of the last line, not a line of its own
            break;
        }
        if (!line.empty() && line.front() == '!') {
            if (last)
                break;
            continue;
        }

        if (expect == Expect::Description) {
            scale.description = Utf8OrLatin1(line);
            expect = Expect::Count;
        } else if (expect == Expect::Count) {
            std::string_view word = Trimmed(line);
            word = word.substr(0, std::min(word.size(), word.find_first_of(" \t")));
            if (word.empty())
                return LineError(ProblemKind::ScalaCountMissing, lineNumber);
            std::uint64_t value = 0;
            const auto [wordEnd, error]
                = std::from_chars(word.data(), word.data() + word.size(), value);
            if (error != std::errc() || wordEnd != word.data() + word.size())
                return LineError(
                    ProblemKind::ScalaCountNotANumber, lineNumber, { std::string(word) });
            if (value > 10000)
                return LineError(ProblemKind::ScalaTooManyNotes, lineNumber, { std::string(word) });
            count = value;
            expect = Expect::Pitch;
            if (count == 0)
                break;
        } else {
            std::string_view word = Trimmed(line);
            word = word.substr(0, std::min(word.size(), word.find_first_of(" \t")));
            if (word.empty())
                return LineError(ProblemKind::ScalaPitchMissing, lineNumber,
                    { std::to_string(scale.ratios.size() + 1), std::to_string(count) });
            double ratio = 0;
            if (word.find('.') != std::string_view::npos) {
                const auto cents = ReadCents(word);
                if (!cents)
                    return LineError(ProblemKind::ScalaNotCents, lineNumber, { std::string(word) });
                ratio = maths::Exp2(*cents / 1200.0);
            } else {
                const std::size_t slash = word.find('/');
                const auto numerator = ReadPositiveDigits(word.substr(0, slash));
                const auto denominator = slash == std::string_view::npos
                    ? std::optional<double>(1.0)
                    : ReadPositiveDigits(word.substr(slash + 1));
                if (!numerator || !denominator)
                    return LineError(ProblemKind::ScalaNotRatio, lineNumber, { std::string(word) });
                if (std::isinf(*numerator) || std::isinf(*denominator))
                    return LineError(
                        ProblemKind::ScalaRatioTooLarge, lineNumber, { std::string(word) });
                ratio = *numerator / *denominator;
            }
            if (!std::isfinite(ratio) || ratio <= 0)
                return LineError(
                    ProblemKind::ScalaPitchUnusable, lineNumber, { std::string(word) });
            scale.ratios.push_back(ratio);
            scale.lines.push_back(lineNumber);
            if (scale.ratios.size() == count)
                break; // what follows the last pitch is not part of the scale
        }
        if (last)
            break;
    }
    if (expect == Expect::Description)
        return LineError(ProblemKind::ScalaEmpty, lineNumber);
    if (expect == Expect::Count)
        return LineError(ProblemKind::ScalaCountMissing, lineNumber);
    if (scale.ratios.size() < count)
        return LineError(ProblemKind::ScalaTruncated, lineNumber,
            { std::to_string(scale.ratios.size()), std::to_string(count) });
    return { std::move(scale), {} };
}

Parsed<Temperament> MakeScala(const ScalaSource& source)
{
    auto parsed = ParseScala(source.content);
    if (!parsed)
        return Parsed<Temperament>::Failure(std::move(parsed.problem));
    const ScalaScale& scale = *parsed.value;
    if (scale.ratios.empty())
        return Parsed<Temperament>::Failure({ ProblemKind::ScalaNoPitches, {}, {} });
    double previous = 1.0;
    for (std::size_t i = 0; i < scale.ratios.size(); ++i) {
        if (!(scale.ratios[i] > previous))
            return Parsed<Temperament>::Failure({ i == 0 ? ProblemKind::ScalaFirstNotAboveUnison
                                                         : ProblemKind::ScalaPitchesDoNotRise,
                { std::to_string(scale.lines[i]) }, {} });
        previous = scale.ratios[i];
    }
    Temperament temperament;
    temperament.name = Trimmed(scale.description).empty() ? Utf8OrLatin1(source.fileName)
                                                          : std::string(Trimmed(scale.description));
    temperament.ratios = scale.ratios;
    NameTwelvePerOctave(temperament);
    return { std::move(temperament), {} };
}

// --- Equal divisions and built-in tables ----------------------------------

Temperament MakeEqualDivisions(const EqualDivisions& source)
{
    Temperament temperament;
    const int divisions = std::max(1, source.divisions);
    const double period = source.period.Ratio();
    temperament.name = std::to_string(divisions)
        + (source.period == Period {} ? std::string("-EDO")
                                      : "-ED" + source.period.Text()
                    + (source.period.kind == Period::Kind::Cents ? " cents" : ""));
    temperament.ratios.resize(static_cast<std::size_t>(divisions));
    for (int step = 1; step < divisions; ++step)
        temperament.ratios[static_cast<std::size_t>(step - 1)]
            = maths::Pow(period, static_cast<double>(step) / static_cast<double>(divisions));
    temperament.ratios.back() = period;
    NameTwelvePerOctave(temperament);
    return temperament;
}

Temperament MakeBuiltin(BuiltinTable table)
{
    Temperament temperament;
    // Named by its key; front ends give it words (language::TemperamentTitle).
    temperament.name = std::string(BuiltinTableName(table));
    switch (table) {
    case BuiltinTable::Just12:
        temperament.ratios = { 16.0 / 15.0, 9.0 / 8.0, 6.0 / 5.0, 5.0 / 4.0, 4.0 / 3.0, 45.0 / 32.0,
            3.0 / 2.0, 8.0 / 5.0, 5.0 / 3.0, 9.0 / 5.0, 15.0 / 8.0, 2.0 };
        break;
    case BuiltinTable::Pythagorean12:
        temperament.ratios = { 256.0 / 243.0, 9.0 / 8.0, 32.0 / 27.0, 81.0 / 64.0, 4.0 / 3.0,
            729.0 / 512.0, 3.0 / 2.0, 128.0 / 81.0, 27.0 / 16.0, 16.0 / 9.0, 243.0 / 128.0, 2.0 };
        break;
    case BuiltinTable::QuarterCommaMeantone12: {
        // Each note is a number of fifths of 5^(1/4) from Do, brought into
        // the octave; the set runs from Mi bémol (-3) to Sol dièse (+8).
        temperament.ratios.assign(12, 2.0);
        for (int fifths = -3; fifths <= 8; ++fifths) {
            if (fifths == 0)
                continue;
            double ratio = maths::Pow(5.0, static_cast<double>(fifths) / 4.0);
            ratio /= maths::Exp2(std::floor(maths::Log2(ratio)));
            const int semitone = ((fifths * 7) % 12 + 12) % 12;
            temperament.ratios[static_cast<std::size_t>(semitone - 1)] = ratio;
        }
        break;
    }
    }
    NameTwelvePerOctave(temperament);
    return temperament;
}

std::string_view ClassicScaleName(ClassicScale scale) noexcept
{
    return ClassicNames[static_cast<std::size_t>(scale)];
}

std::string ClassicScaleTitle(ClassicScale scale)
{
    return SingleBlanks(fret::ScaleCatalogue[static_cast<std::size_t>(scale)].text);
}

bool IsDiatonic(ClassicScale scale) noexcept
{
    return fret::ScaleCatalogue[static_cast<std::size_t>(scale)].kind == fret::DiatonicScaleKind;
}

std::optional<ClassicScale> ParseClassicScaleName(std::string_view name) noexcept
{
    for (std::size_t i = 0; i < ClassicNames.size(); ++i)
        if (ClassicNames[i] == name || fret::ScaleCatalogue[i].text == name)
            return static_cast<ClassicScale>(i);
    return std::nullopt;
}

std::string_view BuiltinTableName(BuiltinTable table) noexcept
{
    return BuiltinNames[static_cast<std::size_t>(table)];
}

std::optional<BuiltinTable> ParseBuiltinTableName(std::string_view name) noexcept
{
    for (std::size_t i = 0; i < BuiltinNames.size(); ++i)
        if (BuiltinNames[i] == name)
            return static_cast<BuiltinTable>(i);
    return std::nullopt;
}

std::string_view NoteName(int semitonesFromDo, NoteNaming naming) noexcept
{
    const auto semitone = static_cast<std::size_t>(((semitonesFromDo % 12) + 12) % 12);
    return naming == NoteNaming::Letters ? LetterNotes[semitone] : Solfege(semitone);
}

std::optional<int> ParseNoteName(std::string_view name) noexcept
{
    name = Trimmed(name);
    for (std::size_t i = 0; i < LetterNotes.size(); ++i)
        if (Solfege(i) == name || LetterNotes[i] == name)
            return static_cast<int>(i);
    if (name == "Re")
        return 2;
    if (name == "Re#")
        return 3;
    return std::nullopt;
}

Parsed<Temperament> MakeTemperament(
    const TemperamentSource& source, double classicLength, Unit unit)
{
    if (const auto* equal = std::get_if<EqualDivisions>(&source))
        return { MakeEqualDivisions(*equal), {} };
    if (const auto* scala = std::get_if<ScalaSource>(&source))
        return MakeScala(*scala);
    if (const auto* classic = std::get_if<ClassicSource>(&source))
        return MakeClassic(*classic, classicLength, unit);
    return { MakeBuiltin(std::get<BuiltinSource>(source).table), {} };
}

} // namespace corvane::board
