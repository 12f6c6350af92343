#include "string_columns.h"

#include "figure_text.h"
#include "string_physics.h"

#include "enum_table.h"

#include <array>

namespace corvane::board {

namespace {

using C = StringColumn;

constexpr std::array<StringColumnInfo, 24> Columns = { {
    { C::String, "string", false, false },
    { C::Pitch, "pitch", false, true },
    { C::Frequency, "frequency_hz", false, false },
    { C::Length, "length_mm", true, false },
    { C::Item, "item", false, true },
    { C::Gauge, "gauge_in", false, false },
    { C::UnitWeightKgPerM, "unit_weight_kg_per_m", false, false },
    { C::UnitWeightGramPerM, "unit_weight_g_per_m", false, false },
    { C::TensionN, "tension_n", false, false },
    { C::TensionKgf, "tension_kgf", false, false },
    { C::TensionLbf, "tension_lbf", false, false },
    { C::Kappa, "kappa", false, false },
    { C::B0, "b0", false, false },
    { C::ConstantsSource, "constants_source", false, true },
    { C::SaddleSetback, "saddle_setback_mm", true, false },
    { C::NutSetback, "nut_setback_mm", true, false },
    { C::RmsBefore, "rms_cents_before", false, false },
    { C::RmsAfter, "rms_cents_after", false, false },
    { C::WorstAfter, "worst_cents_after", false, false },
    { C::NutPosition, "nut_position_mm", true, false },
    { C::BridgePosition, "bridge_position_mm", true, false },
    { C::StraightSaddleSetback, "straight_saddle_setback_mm", true, false },
    { C::StraightSaddleRms, "straight_saddle_rms_cents", false, false },
    { C::StraightSaddleWorst, "straight_saddle_worst_cents", false, false },
} };

static_assert(InEnumOrder(Columns, [](const auto& entry) { return entry.column; }),
    "one description per column, in the enum's order");

} // namespace

const StringColumnInfo& Describe(StringColumn column) noexcept
{
    return Columns[static_cast<std::size_t>(column)];
}

std::string_view ConstantsSourceKey(ConstantsSource source) noexcept
{
    constexpr std::array<std::pair<ConstantsSource, std::string_view>, 7> Keys = { {
        { ConstantsSource::Typed, "typed" },
        { ConstantsSource::Published, "published" },
        { ConstantsSource::SteelWire, "steel-wire" },
        { ConstantsSource::SteelCore, "steel-core" },
        { ConstantsSource::EstimatedCore, "estimated-core" },
        { ConstantsSource::TypicalNylon, "typical-nylon" },
        { ConstantsSource::Unknown, "unknown" },
    } };
    static_assert(InEnumOrder(Keys, [](const auto& entry) { return entry.first; }),
        "one key per source, in the enum's order");
    return Keys[static_cast<std::size_t>(source)].second;
}

std::string StringCellText(
    const StringReport& s, StringColumn column, Unit unit, std::string_view separator)
{
    const auto fixed
        = [&](double value, int decimals) { return FixedText(value, decimals, separator); };
    const auto length = [&](double mm) { return fixed(FromMillimetres(mm, unit), LengthDecimals); };
    const bool intonation = s.kappa.has_value();
    switch (column) {
    case C::String:
        return std::to_string(s.string);
    case C::Pitch:
        return s.pitch;
    case C::Frequency:
        return fixed(s.frequencyHz, 3);
    case C::Length:
        return length(s.lengthMm);
    case C::Item:
        return s.item;
    case C::Gauge:
        return s.gaugeIn ? fixed(*s.gaugeIn, 4) : std::string();
    case C::UnitWeightKgPerM:
        return fixed(s.unitWeightKgPerM, 7);
    case C::UnitWeightGramPerM:
        return fixed(s.unitWeightKgPerM * 1000, 4);
    case C::TensionN:
        return fixed(s.tensionN, 2);
    case C::TensionKgf:
        return fixed(s.tensionN / NewtonsPerKgf, 2);
    case C::TensionLbf:
        return fixed(s.tensionN / NewtonsPerLbf, 2);
    case C::Kappa:
        return intonation ? fixed(*s.kappa, 1) : std::string();
    case C::B0:
        return s.b0 ? fixed(*s.b0, 5) : std::string();
    case C::ConstantsSource:
        return std::string(ConstantsSourceKey(s.constantsSource));
    case C::SaddleSetback:
        return length(s.setbacks.saddleMm);
    case C::NutSetback:
        return length(s.setbacks.nutMm);
    case C::RmsBefore:
        return intonation ? fixed(s.rmsCentsBefore, 3) : std::string();
    case C::RmsAfter:
        return intonation ? fixed(s.rmsCentsAfter, 3) : std::string();
    case C::WorstAfter:
        return intonation ? fixed(s.worstCentsAfter, 3) : std::string();
    case C::NutPosition:
        return length(s.nutPositionMm);
    case C::BridgePosition:
        return length(s.bridgePositionMm);
    case C::StraightSaddleSetback:
        return s.straightSaddleSetbackMm ? length(*s.straightSaddleSetbackMm) : std::string();
    case C::StraightSaddleRms:
        return s.straightSaddleRmsCents ? fixed(*s.straightSaddleRmsCents, 3) : std::string();
    case C::StraightSaddleWorst:
        return s.straightSaddleWorstCents ? fixed(*s.straightSaddleWorstCents, 3) : std::string();
    }
    return {};
}

std::vector<StringColumn> CommandStringColumns(const BoardLayout& board)
{
    using enum StringColumn;
    std::vector<StringColumn> columns
        = { String, Pitch, Frequency, Length, UnitWeightKgPerM, TensionN, TensionKgf, TensionLbf,
              Kappa, B0, SaddleSetback, NutSetback, RmsBefore, RmsAfter, WorstAfter };
    if (board.design.spacing == StringSpacing::Gaps)
        columns.insert(columns.end(), { NutPosition, BridgePosition });
    if (!board.saddlePieces.empty())
        columns.insert(
            columns.end(), { StraightSaddleSetback, StraightSaddleRms, StraightSaddleWorst });
    return columns;
}

} // namespace corvane::board
