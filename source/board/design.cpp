#include "design.h"

#include "enum_table.h"

#include "fields.h"
#include "plain_number.h"

#include <algorithm>
#include <cmath>

namespace corvane::board {

namespace {

// A length as a message names it, in the reader's unit.
ProblemValue Length(double millimetres, Unit)
{
    return ProblemValue::Length(millimetres);
}

} // namespace

std::vector<double> StringLengths(const Design& design)
{
    if (!design.stringLengthsMm.empty())
        return design.stringLengthsMm;
    std::vector<double> lengths;
    for (int i = 0; i < design.strings; ++i) {
        // The outer ones exact; the others spread evenly between.
        const double t = design.strings > 1
            ? static_cast<double>(i) / static_cast<double>(design.strings - 1)
            : 0.0;
        lengths.push_back(i == 0 ? design.bassLengthMm
                : i == design.strings - 1
                ? design.trebleLengthMm
                : design.bassLengthMm + (design.trebleLengthMm - design.bassLengthMm) * t);
    }
    return lengths;
}

std::string_view StringSpacingName(StringSpacing spacing) noexcept
{
    return NameIn(StringSpacingNames, spacing);
}

std::optional<StringSpacing> StringSpacingNamed(std::string_view name) noexcept
{
    return NamedIn(StringSpacingNames, name);
}

StringShares SpreadStrings(const Design& design, double spreadMm)
{
    const int n = design.strings;
    StringShares result;
    for (int i = 0; i < n; ++i)
        result.shares.push_back(n > 1 ? static_cast<double>(i) / (n - 1) : 0.0);
    if (design.spacing != StringSpacing::Gaps || n < 2)
        return result;
    const std::vector<std::optional<double>> gauges = StringGaugesIn(design.stringing);
    std::vector<double> widths;
    for (int i = 0; i < n; ++i) {
        const auto at = static_cast<std::size_t>(i);
        if (at >= gauges.size() || !gauges[at]) {
            result.problem
                = Problem { ProblemKind::SpacingNeedsGauge, { std::to_string(i + 1) }, {} };
            return result;
        }
        widths.push_back(*gauges[at] * MillimetresPerInch);
    }
    // Centre to centre: half of each neighbour and the gap between them.
    double strings = 0;
    for (int i = 0; i + 1 < n; ++i)
        strings
            += (widths[static_cast<std::size_t>(i)] + widths[static_cast<std::size_t>(i + 1)]) / 2;
    const double gap = (spreadMm - strings) / (n - 1);
    if (!(gap > 0)) {
        result.problem = Problem { ProblemKind::SpacingNoGap,
            { ProblemValue::Length(spreadMm), ProblemValue::Length(strings) }, {} };
        return result;
    }
    double at = 0;
    for (int i = 1; i < n; ++i) {
        at += (widths[static_cast<std::size_t>(i - 1)] + widths[static_cast<std::size_t>(i)]) / 2
            + gap;
        result.shares[static_cast<std::size_t>(i)] = i == n - 1 ? 1.0 : at / spreadMm;
    }
    return result;
}

std::string_view BoardEndShapeName(BoardEndShape shape) noexcept
{
    return NameIn(BoardEndShapeNames, shape);
}

std::optional<BoardEndShape> BoardEndShapeNamed(std::string_view name) noexcept
{
    return NamedIn(BoardEndShapeNames, name);
}

DesignError FieldError(std::string field, Problem problem)
{
    return { std::move(field), std::move(problem) };
}

std::optional<DesignError> ValidateDesign(const Design& design)
{
    Temperament unused;
    return ValidateDesign(design, unused);
}

std::optional<DesignError> ValidateDesign(const Design& design, Temperament& temperament)
{
    if (design.unit != Unit::Millimetre && design.unit != Unit::Centimetre
        && design.unit != Unit::Inch)
        return FieldError("unit", { ProblemKind::UnknownUnitValue, {}, {} });
    std::optional<Temperament> scalaScale;
    if (const auto* equal = std::get_if<EqualDivisions>(&design.temperament)) {
        if (equal->divisions < MinDivisions || equal->divisions > MaxDivisions)
            return FieldError("divisions",
                { ProblemKind::CountOutOfRange,
                    { ProblemValue::Count(equal->divisions), ProblemValue::Count(MinDivisions),
                        ProblemValue::Count(MaxDivisions) },
                    {} });
        const Period& period = equal->period;
        if (period.kind == Period::Kind::Ratio) {
            if (period.numerator <= 0 || period.denominator <= 0 || !(period.Ratio() > 1.0)
                || period.Ratio() > 1024.0)
                return FieldError(
                    "period", { ProblemKind::PeriodRatioNotAboveUnison, { period.Text() }, {} });
        } else if (!(period.cents >= MinPeriodCents && period.cents <= MaxPeriodCents)) {
            return FieldError("period",
                { ProblemKind::PeriodCentsNotInRange, { ProblemValue::Number(period.cents) }, {} });
        }
    } else if (const auto* scala = std::get_if<ScalaSource>(&design.temperament)) {
        auto built = MakeScala(*scala);
        if (!built)
            return FieldError("scala",
                scala->fileName.empty()
                    ? Problem { ProblemKind::ScalaScaleUnusable, {}, { std::move(built.problem) } }
                    : Problem { ProblemKind::ScalaFileUnusable, { scala->fileName },
                        { std::move(built.problem) } });
        scalaScale = std::move(built.value);
    }

    // Every number within its range first, then how they fit together.
    if (auto error = FieldRangesProblem(design))
        return error;
    if (const std::vector<double>& own = design.stringLengthsMm; !own.empty()) {
        if (own.size() != static_cast<std::size_t>(design.strings))
            return FieldError("string_lengths",
                { ProblemKind::StringCountDiffers,
                    { std::to_string(own.size()), std::to_string(design.strings) }, {} });
        for (const double length : own)
            if (!(length > 0) || !(length <= MaxLengthMm))
                return FieldError("string_lengths",
                    { length > 0 ? ProblemKind::LengthAboveMaximum
                                 : ProblemKind::LengthNotAboveMinimum,
                        { Length(length, design.unit),
                            Length(length > 0 ? MaxLengthMm : 0, design.unit) },
                        {} });
        if (own.front() != design.bassLengthMm || own.back() != design.trebleLengthMm)
            return FieldError("string_lengths", { ProblemKind::StringLengthsDisagree, {}, {} });
    }
    if (design.strings == 1 && design.bassLengthMm != design.trebleLengthMm)
        return FieldError("treble_length", { ProblemKind::OneStringTwoLengths, {}, {} });
    if (design.perpendicularFret != PerpendicularAtBridge
        && (design.perpendicularFret < 0 || design.perpendicularFret > design.frets))
        return FieldError("perpendicular_fret",
            { ProblemKind::PerpendicularOutOfRange,
                { std::to_string(design.perpendicularFret), std::to_string(design.frets) }, {} });
    if (design.strings > 1 && !(design.bridgeSpacingMm > 0))
        return FieldError("bridge_spacing",
            { ProblemKind::LengthNotAboveMinimum,
                { Length(design.bridgeSpacingMm, design.unit), Length(0, design.unit) }, {} });
    if (design.strings > 1 && !(design.nutWidthMm > 2.0 * design.nutOverhangMm))
        return FieldError("nut_overhang",
            { ProblemKind::NoRoomForStrings,
                { Length(design.nutOverhangMm, design.unit),
                    Length(design.nutWidthMm, design.unit) },
                {} });
    // Strings leaning out by more than half their length are no instrument.
    if (design.strings > 1
        && !(std::fabs(design.bridgeSpacingMm - (design.nutWidthMm - 2.0 * design.nutOverhangMm))
                / 2.0
            < 0.5 * std::min(design.bassLengthMm, design.trebleLengthMm)))
        return FieldError("bridge_spacing",
            { ProblemKind::SpacingTooFar, { Length(design.bridgeSpacingMm, design.unit) }, {} });
    {
        std::string field;
        if (auto problem = StringingProblem(design.stringing, design.strings, design.frets, field))
            return FieldError(std::move(field), std::move(*problem));
        if (auto problem = StringPhysicsProblem(design.stringing, StringLengths(design)))
            return FieldError("string_set", std::move(*problem));
    }
    if (design.stringing.saddle != SaddleShape::PerString
        && (design.stringing.compensation != CompensationMode::Computed
            || !design.stringing.HasStrings()))
        return FieldError(
            "compensation.straight_saddle", { ProblemKind::StraightSaddleNeedsComputed, {}, {} });
    // Strings spaced by their gaps need every gauge, and room between them.
    for (const double spread :
        { design.nutWidthMm - 2.0 * design.nutOverhangMm, design.bridgeSpacingMm })
        if (auto spread_ = SpreadStrings(design, spread); spread_.problem)
            return FieldError("spacing", std::move(*spread_.problem));
    if (design.openNote < 0 || design.openNote > 11)
        return FieldError("open_note",
            { ProblemKind::OpenNoteOutOfRange, { std::to_string(design.openNote) }, {} });
    if (scalaScale) {
        temperament = std::move(*scalaScale);
    } else {
        auto built = MakeTemperament(
            design.temperament, FromMillimetres(design.bassLengthMm, design.unit), design.unit);
        if (!built)
            return FieldError(
                "classic_scale", std::move(built.problem)); // only a classic scale can fail here
        temperament = std::move(*built.value);
    }

    // Every fret must stand clear of the previous one and of the saddle.
    double previous = 0;
    for (int fret = 1; fret <= design.frets; ++fret) {
        const double ratio = temperament.FretRatio(fret);
        if (!(ratio <= MaxFretRatio))
            return FieldError("frets",
                { ProblemKind::TooManyFretsForTemperament,
                    { std::to_string(fret), std::to_string(fret - 1) }, {} });
        const double fraction = 1.0 - 1.0 / ratio;
        if (!(fraction > previous + 1e-9))
            return FieldError("frets",
                { ProblemKind::FretsMerge, { std::to_string(fret - 1), std::to_string(fret) },
                    {} });
        previous = fraction;
    }

    // Compensation moves the nut and the saddle a little, never past a fret.
    // Setbacks and frets both vary linearly across the strings, so the outer
    // strings decide.
    const double firstFraction = 1.0 - 1.0 / temperament.FretRatio(1);
    const struct {
        const char* nutField;
        const char* saddleField;
        double lengthMm, nutSetbackMm, saddleSetbackMm;
    } outerStrings[] = {
        { "nut_setback_bass", "saddle_setback_bass", design.bassLengthMm, design.nutSetbackBassMm,
            design.saddleSetbackBassMm },
        { "nut_setback_treble", "saddle_setback_treble", design.trebleLengthMm,
            design.nutSetbackTrebleMm, design.saddleSetbackTrebleMm },
    };
    for (const auto& string : outerStrings) {
        const double firstFretMm = string.lengthMm * firstFraction;
        if (!(string.nutSetbackMm < firstFretMm))
            return FieldError(string.nutField,
                { ProblemKind::NutSetbackPastFirstFret,
                    { Length(string.nutSetbackMm, design.unit), Length(firstFretMm, design.unit) },
                    {} });
        const double lastFretToSaddleMm = string.lengthMm * (1.0 - previous);
        if (!(string.saddleSetbackMm > -lastFretToSaddleMm))
            return FieldError(string.saddleField,
                { ProblemKind::SaddleSetbackBeforeLastFret,
                    { Length(string.saddleSetbackMm, design.unit),
                        Length(lastFretToSaddleMm, design.unit) },
                    {} });
    }
    return std::nullopt;
}

} // namespace corvane::board
