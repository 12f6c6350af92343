#include "fields.h"

#include "string_physics.h"

#include <array>
#include <cmath>

namespace corvane::board {

namespace {

using Q = Quantity;
using S = RangeStyle;

// Scale lengths and widths: above zero, and no instrument is ten metres long.
constexpr double LongestMm = MaxLengthMm;

// The fields, with their accessors; a lambda without captures is a plain
// function.
const std::array<NumberField, 33> Fields = { {
    { "frets", "--frets", Q::Count, S::Between, MinFrets, MaxFrets,
        [](const Design& d) { return double(d.frets); },
        [](Design& d, double v) { d.frets = int(v); } },
    { "strings", "--strings", Q::Count, S::Between, MinStrings, MaxStrings,
        [](const Design& d) { return double(d.strings); },
        [](Design& d, double v) { d.strings = int(v); } },
    { "bass_length", "--bass-length", Q::Length, S::AboveMinimum, 0, LongestMm,
        [](const Design& d) { return d.bassLengthMm; },
        [](Design& d, double v) { d.bassLengthMm = v; } },
    { "treble_length", "--treble-length", Q::Length, S::AboveMinimum, 0, LongestMm,
        [](const Design& d) { return d.trebleLengthMm; },
        [](Design& d, double v) { d.trebleLengthMm = v; } },
    { "nut_width", "--nut-width", Q::Length, S::AboveMinimum, 0, LongestMm,
        [](const Design& d) { return d.nutWidthMm; },
        [](Design& d, double v) { d.nutWidthMm = v; } },
    // Zero on a one-string board, which has no spacing (checked with the strings).
    { "bridge_spacing", "--bridge-width", Q::Length, S::AtLeast, 0, LongestMm,
        [](const Design& d) { return d.bridgeSpacingMm; },
        [](Design& d, double v) { d.bridgeSpacingMm = v; } },
    { "nut_overhang", "--overhang", Q::Length, S::AtLeast, 0, LongestMm,
        [](const Design& d) { return d.nutOverhangMm; },
        [](Design& d, double v) { d.nutOverhangMm = v; } },
    { "last_fret_overhang", "--last-fret-overhang", Q::Length, S::AtLeast, 0, LongestMm,
        [](const Design& d) { return d.lastFretOverhangMm; },
        [](Design& d, double v) { d.lastFretOverhangMm = v; } },
    { "nut_setback_bass", "--nut-setback", Q::Length, S::Setback, -MaxSetbackMm, MaxSetbackMm,
        [](const Design& d) { return d.nutSetbackBassMm; },
        [](Design& d, double v) { d.nutSetbackBassMm = v; } },
    { "nut_setback_treble", "--nut-setback", Q::Length, S::Setback, -MaxSetbackMm, MaxSetbackMm,
        [](const Design& d) { return d.nutSetbackTrebleMm; },
        [](Design& d, double v) { d.nutSetbackTrebleMm = v; } },
    { "saddle_setback_bass", "--saddle-setback", Q::Length, S::Setback, -MaxSetbackMm, MaxSetbackMm,
        [](const Design& d) { return d.saddleSetbackBassMm; },
        [](Design& d, double v) { d.saddleSetbackBassMm = v; } },
    { "saddle_setback_treble", "--saddle-setback", Q::Length, S::Setback, -MaxSetbackMm,
        MaxSetbackMm, [](const Design& d) { return d.saddleSetbackTrebleMm; },
        [](Design& d, double v) { d.saddleSetbackTrebleMm = v; } },
    // 0: a flat board; both are written only for a radiused one.
    { "radius_nut", "--radius", Q::Length, S::ZeroOrBetween, MinRadiusMm, MaxRadiusMm,
        [](const Design& d) { return d.radiusNutMm; },
        [](Design& d, double v) { d.radiusNutMm = v; }, true },
    { "radius_last_fret", "--radius", Q::Length, S::ZeroOrBetween, MinRadiusMm, MaxRadiusMm,
        [](const Design& d) { return d.radiusLastFretMm; },
        [](Design& d, double v) { d.radiusLastFretMm = v; }, true },
    { "board_end", "--board-end", Q::Length, S::Between, 0, MaxBoardEndMm,
        [](const Design& d) { return d.boardEndMm; }, [](Design& d, double v) { d.boardEndMm = v; },
        true },
    { "zero_fret", "--zero-fret", Q::Length, S::ZeroOrBetween, 1.0, 30.0,
        [](const Design& d) { return d.zeroFretMm; }, [](Design& d, double v) { d.zeroFretMm = v; },
        true },
    { "reference_a4_hz", "--reference-a4", Q::Frequency, S::Between, MinReferenceA4Hz,
        MaxReferenceA4Hz, [](const Design& d) { return d.stringing.referenceA4Hz; },
        [](Design& d, double v) { d.stringing.referenceA4Hz = v; } },
    { "action.nut_clearance_mm", "--action", Q::Length, S::AboveAndAtMost, 0, MaxActionHeightMm,
        [](const Design& d) { return d.stringing.action.nutClearanceMm; },
        [](Design& d, double v) { d.stringing.action.nutClearanceMm = v; } },
    { "action.saddle_height_mm", "--action", Q::Length, S::AboveAndAtMost, 0, MaxActionHeightMm,
        [](const Design& d) { return d.stringing.action.saddleHeightMm; },
        [](Design& d, double v) { d.stringing.action.saddleHeightMm = v; } },
    { "action.relief_mm", "--relief", Q::Length, S::Setback, -MaxReliefMm, MaxReliefMm,
        [](const Design& d) { return d.stringing.action.reliefMm; },
        [](Design& d, double v) { d.stringing.action.reliefMm = v; } },
    { "action.fretting_distance_mm", "", Q::Length, S::Between, 0, MaxActionHeightMm,
        [](const Design& d) { return d.stringing.action.frettingDistanceMm; },
        [](Design& d, double v) { d.stringing.action.frettingDistanceMm = v; } },
    { "compensation.fit_frets", "--fit-frets", Q::Count, S::Between, MinFitFrets, MaxFitFrets,
        [](const Design& d) { return double(d.stringing.fitFrets.value_or(0)); },
        [](Design& d, double v) {
            d.stringing.fitFrets = v == 0 ? std::nullopt : std::optional<int>(int(v));
        },
        true },
    { "cut.slot_width", "--slot-width", Q::Length, S::ZeroOrBetween, 0.1, 5.0,
        [](const Design& d) { return d.cut.slotWidthMm; },
        [](Design& d, double v) { d.cut.slotWidthMm = v; } },
    { "cut.extend_frets", "--extend-frets", Q::Length, S::Between, 0, 100.0,
        [](const Design& d) { return d.cut.extendFretsMm; },
        [](Design& d, double v) { d.cut.extendFretsMm = v; } },
    { "cut.marker_diameter", "--marker-diameter", Q::Length, S::Between, 1.0, 20.0,
        [](const Design& d) { return d.cut.markerDiameterMm; },
        [](Design& d, double v) { d.cut.markerDiameterMm = v; } },
    { "router.tool_diameter", "--tool-diameter", Q::Length, S::Between, 0.1, 2.0,
        [](const Design& d) { return d.router.toolDiameterMm; },
        [](Design& d, double v) { d.router.toolDiameterMm = v; } },
    { "router.slot_depth", "--slot-depth", Q::Length, S::Between, 0.5, 6.0,
        [](const Design& d) { return d.router.slotDepthMm; },
        [](Design& d, double v) { d.router.slotDepthMm = v; } },
    { "router.pass_depth", "--pass-depth", Q::Length, S::Between, 0.05, 6.0,
        [](const Design& d) { return d.router.passDepthMm; },
        [](Design& d, double v) { d.router.passDepthMm = v; } },
    { "router.feed", "--feed", Q::Feed, S::Between, 1.0, 20000.0,
        [](const Design& d) { return d.router.feedMmPerMinute; },
        [](Design& d, double v) { d.router.feedMmPerMinute = v; } },
    { "router.plunge_feed", "--plunge-feed", Q::Feed, S::Between, 1.0, 20000.0,
        [](const Design& d) { return d.router.plungeFeedMmPerMinute; },
        [](Design& d, double v) { d.router.plungeFeedMmPerMinute = v; } },
    { "router.safe_z", "--safe-z", Q::Length, S::Between, 1.0, 50.0,
        [](const Design& d) { return d.router.safeZMm; },
        [](Design& d, double v) { d.router.safeZMm = v; } },
    { "router.binding_margin", "--binding-margin", Q::Length, S::ZeroOrBetween, 0.1, 25.0,
        [](const Design& d) { return d.router.bindingMarginMm; },
        [](Design& d, double v) { d.router.bindingMarginMm = v; } },
    { "router.bed_length", "--bed-length", Q::Length, S::ZeroOrBetween, 50.0, 3000.0,
        [](const Design& d) { return d.router.bedLengthMm; },
        [](Design& d, double v) { d.router.bedLengthMm = v; } },
} };

ProblemValue ValueOf(Quantity quantity, double value)
{
    switch (quantity) {
    case Q::Length:
        return ProblemValue::Length(value);
    case Q::Feed:
        return ProblemValue::Length(value, "/min");
    case Q::Count:
        return ProblemValue::Number(value);
    case Q::Frequency:
        return ProblemValue::Number(value, "Hz");
    }
    return ProblemValue::Number(value);
}

} // namespace

std::span<const NumberField> NumberFields() noexcept
{
    return { Fields.data(), Fields.size() };
}

const NumberField* FindNumberField(std::string_view key) noexcept
{
    for (const NumberField& field : Fields)
        if (field.key == key)
            return &field;
    return nullptr;
}

std::optional<Problem> RangeProblem(const NumberField& field, double value)
{
    if (field.optional && value == 0)
        return std::nullopt;
    if (!std::isfinite(value))
        return Problem { ProblemKind::NotFinite, {}, {} };
    const auto v = [&](double x) { return ValueOf(field.quantity, x); };
    const double low = field.low, high = field.high;
    switch (field.style) {
    case S::AboveMinimum:
    case S::AtLeast: {
        const bool included = field.style == S::AtLeast;
        if (value < low || (!included && value == low))
            return Problem { included ? ProblemKind::LengthBelowMinimum
                                      : ProblemKind::LengthNotAboveMinimum,
                { v(value), v(low) }, {} };
        if (value > high)
            return Problem { ProblemKind::LengthAboveMaximum, { v(value), v(high) }, {} };
        return std::nullopt;
    }
    case S::Between:
        if (value >= low && value <= high)
            return std::nullopt;
        return Problem { ProblemKind::CountOutOfRange, { v(value), v(low), v(high) }, {} };
    case S::AboveAndAtMost:
        if (value > low && value <= high)
            return std::nullopt;
        return Problem { ProblemKind::AboveMinimumAtMost, { v(value), v(low), v(high) }, {} };
    case S::ZeroOrBetween:
        if (value == 0 || (value >= low && value <= high))
            return std::nullopt;
        return Problem { ProblemKind::ZeroOrInRange, { v(value), v(low), v(high) }, {} };
    case S::Setback:
        if (value >= low && value <= high)
            return std::nullopt;
        return Problem { ProblemKind::SetbackOutOfRange, { v(value), v(low), v(high) }, {} };
    }
    return std::nullopt;
}

std::optional<DesignError> FieldRangesProblem(const Design& design)
{
    for (const NumberField& field : Fields)
        if (auto problem = RangeProblem(field, field.get(design)))
            return DesignError { std::string(field.key), std::move(*problem) };
    return std::nullopt;
}

} // namespace corvane::board
