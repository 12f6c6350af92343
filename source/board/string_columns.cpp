#include "string_columns.h"

#include "figure_text.h"
#include "string_physics.h"

#include "enum_table.h"

#include <array>

// The engine holds no translation; the marker lets Qt's lupdate find the
// headings.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif

namespace corvane::board {

namespace {

using C = StringColumn;

constexpr std::array<StringColumnInfo, 19> Columns = { {
    { C::String, "string", QT_TRANSLATE_NOOP("StringTable", "Corde"), false, false },
    { C::Pitch, "pitch", QT_TRANSLATE_NOOP("StringTable", "Hauteur"), false, true },
    { C::Frequency, "frequency_hz", QT_TRANSLATE_NOOP("StringTable", "Fréquence (Hz)"), false,
        false },
    { C::Length, "length_mm", QT_TRANSLATE_NOOP("StringTable", "Diapason"), true, false },
    { C::Item, "item", QT_TRANSLATE_NOOP("StringTable", "Article"), false, true },
    { C::Gauge, "gauge_in", QT_TRANSLATE_NOOP("StringTable", "Calibre (in)"), false, false },
    { C::UnitWeightKgPerM, "unit_weight_kg_per_m",
        QT_TRANSLATE_NOOP("StringTable", "Masse linéique (kg/m)"), false, false },
    { C::UnitWeightGramPerM, "unit_weight_g_per_m",
        QT_TRANSLATE_NOOP("StringTable", "Masse linéique (g/m)"), false, false },
    { C::TensionN, "tension_n", QT_TRANSLATE_NOOP("StringTable", "Tension (N)"), false, false },
    { C::TensionKgf, "tension_kgf", QT_TRANSLATE_NOOP("StringTable", "Tension (kgf)"), false,
        false },
    { C::TensionLbf, "tension_lbf", QT_TRANSLATE_NOOP("StringTable", "Tension (lbf)"), false,
        false },
    { C::Kappa, "kappa", QT_TRANSLATE_NOOP("StringTable", "κ"), false, false },
    { C::B0, "b0", QT_TRANSLATE_NOOP("StringTable", "B₀"), false, false },
    { C::ConstantsSource, "constants_source", QT_TRANSLATE_NOOP("StringTable", "κ et B₀"), false,
        true },
    { C::SaddleSetback, "saddle_setback_mm", QT_TRANSLATE_NOOP("StringTable", "Recul du chevalet"),
        true, false },
    { C::NutSetback, "nut_setback_mm", QT_TRANSLATE_NOOP("StringTable", "Recul du sillet"), true,
        false },
    { C::RmsBefore, "rms_cents_before", QT_TRANSLATE_NOOP("StringTable", "Écart RMS avant (cents)"),
        false, false },
    { C::RmsAfter, "rms_cents_after", QT_TRANSLATE_NOOP("StringTable", "Écart RMS après (cents)"),
        false, false },
    { C::WorstAfter, "worst_cents_after",
        QT_TRANSLATE_NOOP("StringTable", "Pire écart après (cents)"), false, false },
} };

static_assert(InEnumOrder(Columns, [](const auto& entry) { return entry.column; }),
    "one description per column, in the enum's order");

} // namespace

const StringColumnInfo& Describe(StringColumn column) noexcept
{
    return Columns[static_cast<std::size_t>(column)];
}

std::string_view ConstantsSourceName(ConstantsSource source) noexcept
{
    switch (source) {
    case ConstantsSource::Typed:
        return QT_TRANSLATE_NOOP("StringTable", "saisis");
    case ConstantsSource::Published:
        return QT_TRANSLATE_NOOP("StringTable", "publiés");
    case ConstantsSource::SteelWire:
        return QT_TRANSLATE_NOOP("StringTable", "fil d'acier");
    case ConstantsSource::SteelCore:
        return QT_TRANSLATE_NOOP("StringTable", "âme d'acier");
    case ConstantsSource::EstimatedCore:
        return QT_TRANSLATE_NOOP("StringTable", "âme estimée");
    case ConstantsSource::TypicalNylon:
        return QT_TRANSLATE_NOOP("StringTable", "nylon typique");
    case ConstantsSource::Unknown:
        break;
    }
    return QT_TRANSLATE_NOOP("StringTable", "inconnus");
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
        return std::string(ConstantsSourceName(s.constantsSource));
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
    }
    return {};
}

} // namespace corvane::board
