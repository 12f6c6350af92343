#include "stringing.h"

#include "plain_number.h"
#include "string_catalogue.h"

#include <algorithm>
#include <cmath>

namespace corvane::board {

namespace {

struct Material {
    double unitWeightKgPerM = 0;
    const CatalogueItem* item = nullptr;
};

Material MaterialOf(const SetString& chosen)
{
    Material material;
    material.item = chosen.item.empty() ? nullptr : FindCatalogueItem(chosen.item);
    if (material.item)
        material.unitWeightKgPerM = material.item->unitWeightKgPerM;
    if (chosen.unitWeightKgPerM)
        material.unitWeightKgPerM = *chosen.unitWeightKgPerM;
    return material;
}

// kappa and B0 of a string at its tension and length, and where they come from.
std::pair<std::optional<StringConstants>, ConstantsSource> ConstantsOf(
    const SetString& chosen, const Material& material, double tensionN, double lengthMm)
{
    if (chosen.kappa && chosen.b0)
        return { StringConstants { *chosen.kappa, *chosen.b0 }, ConstantsSource::Typed };
    const CatalogueItem* item = material.item;
    if (chosen.coreDiameterMm)
        return { SteelCoreConstants(*chosen.coreDiameterMm, tensionN, lengthMm),
            ConstantsSource::SteelCore };
    if (item && item->constants) {
        const PublishedConstants& published = *item->constants;
        const double publishedTension
            = TensionNewtons(item->unitWeightKgPerM, published.lengthMm, published.frequencyHz);
        return { CarriedConstants({ published.kappa, published.b0 }, publishedTension,
                     published.lengthMm, tensionN, lengthMm),
            ConstantsSource::Published };
    }
    const std::optional<double> gaugeIn = chosen.gaugeIn ? chosen.gaugeIn
        : item                                           ? item->gaugeIn
                                                         : std::nullopt;
    const StringMaterial kind = item ? item->material : StringMaterial::PlainSteel;
    if (kind == StringMaterial::Nylon || kind == StringMaterial::WoundNylon)
        return { StringConstants { TypicalNylonKappa, TypicalNylonB0At650Mm * 650.0 / lengthMm },
            ConstantsSource::TypicalNylon };
    if (!gaugeIn)
        return { std::nullopt, ConstantsSource::Unknown };
    if (kind == StringMaterial::PlainSteel)
        return { SteelCoreConstants(*gaugeIn * 25.4, tensionN, lengthMm),
            ConstantsSource::SteelWire };
    return { SteelCoreConstants(*gaugeIn * 25.4 * EstimatedCoreShareOfGauge, tensionN, lengthMm),
        ConstantsSource::EstimatedCore };
}

Problem OfString(ProblemKind kind, std::size_t index, std::vector<std::string> values = {})
{
    values.insert(values.begin(), std::to_string(index + 1));
    return { kind, std::move(values), {} };
}

} // namespace

std::optional<double> ParseUnitWeight(std::string_view text, std::optional<WeightUnit> bareUnit)
{
    constexpr std::pair<std::string_view, WeightUnit> Units[] = { { "kg/m", WeightUnit::KgPerM },
        { "g/m", WeightUnit::GramPerM }, { "lb/in", WeightUnit::LbPerIn } };
    const auto trimmed = [](std::string_view t) {
        while (!t.empty() && t.front() == ' ')
            t.remove_prefix(1);
        while (!t.empty() && t.back() == ' ')
            t.remove_suffix(1);
        return t;
    };
    text = trimmed(text);
    std::optional<WeightUnit> unit = bareUnit;
    for (const auto& [symbol, named] : Units)
        if (text.ends_with(symbol)) {
            text = trimmed(text.substr(0, text.size() - symbol.size()));
            unit = named;
            break;
        }
    const auto value = ReadPlainNumber(text);
    if (!unit || !value || !(*value > 0) || !std::isfinite(*value))
        return std::nullopt;
    switch (*unit) {
    case WeightUnit::GramPerM:
        return *value / 1000.0;
    case WeightUnit::LbPerIn:
        return *value * KgPerMPerLbPerIn;
    case WeightUnit::KgPerM:
        break;
    }
    return *value;
}

void ResizeStringing(Stringing& stringing, int strings)
{
    if (strings < 1)
        return;
    const auto count = static_cast<std::size_t>(strings);
    if (!stringing.tuning.empty())
        stringing.tuning.resize(count, stringing.tuning.back());
    if (!stringing.set.empty())
        stringing.set.resize(count, stringing.set.back());
}

std::optional<Problem> StringingProblem(
    const Stringing& stringing, int strings, int frets, std::string& field)
{
    const auto count = static_cast<std::size_t>(strings);
    if (!stringing.tuning.empty() && stringing.tuning.size() != count) {
        field = "tuning";
        return Problem { ProblemKind::StringCountDiffers,
            { std::to_string(stringing.tuning.size()), std::to_string(strings) }, {} };
    }
    if (!stringing.set.empty() && stringing.set.size() != count) {
        field = "string_set";
        return Problem { ProblemKind::StringCountDiffers,
            { std::to_string(stringing.set.size()), std::to_string(strings) }, {} };
    }
    if (!(stringing.referenceA4Hz >= MinReferenceA4Hz
            && stringing.referenceA4Hz <= MaxReferenceA4Hz)) {
        field = "reference_a4_hz";
        return Problem { ProblemKind::CountOutOfRange,
            { MessageNumberText(stringing.referenceA4Hz) + " Hz",
                MessageNumberText(MinReferenceA4Hz) + " Hz",
                MessageNumberText(MaxReferenceA4Hz) + " Hz" },
            {} };
    }
    for (std::size_t i = 0; i < stringing.tuning.size(); ++i)
        if (!ParsePitch(stringing.tuning[i], stringing.referenceA4Hz)) {
            field = "tuning";
            return OfString(ProblemKind::PitchUnreadable, i, { stringing.tuning[i] });
        }
    for (std::size_t i = 0; i < stringing.set.size(); ++i) {
        const SetString& chosen = stringing.set[i];
        field = "string_set";
        if (!chosen.item.empty() && !FindCatalogueItem(chosen.item))
            return OfString(ProblemKind::UnknownStringItem, i, { chosen.item });
        if (chosen.item.empty() && !chosen.unitWeightKgPerM)
            return OfString(ProblemKind::StringWeightMissing, i);
        const struct {
            const char* name;
            std::optional<double> value;
            double low, high;
            bool lowAllowed;
        } ranges[] = {
            { "unit_weight_kg_per_m", chosen.unitWeightKgPerM, 0, 1, false },
            { "gauge_in", chosen.gaugeIn, 0, 0.25, false },
            { "kappa", chosen.kappa, MinKappa, MaxKappa, true },
            { "b0", chosen.b0, 0, MaxB0, true },
            { "core_diameter_mm", chosen.coreDiameterMm, 0, 6.35, false },
            { "nut_clearance_mm", chosen.nutClearanceMm, 0, 50, false },
            { "saddle_height_mm", chosen.saddleHeightMm, 0, 50, false },
        };
        for (const auto& range : ranges)
            if (range.value
                && !(std::isfinite(*range.value) && *range.value <= range.high
                    && (*range.value > range.low
                        || (range.lowAllowed && *range.value == range.low))))
                return OfString(ProblemKind::StringValueOutOfRange, i,
                    { range.name, MessageNumberText(*range.value), MessageNumberText(range.low),
                        MessageNumberText(range.high) });
        if (chosen.kappa.has_value() != chosen.b0.has_value())
            return OfString(ProblemKind::StringConstantsTogether, i);
        const CatalogueItem* item = chosen.item.empty() ? nullptr : FindCatalogueItem(chosen.item);
        const bool derivable = chosen.kappa || chosen.coreDiameterMm || chosen.gaugeIn
            || (item
                && (item->constants || item->gaugeIn || item->material == StringMaterial::Nylon
                    || item->material == StringMaterial::WoundNylon));
        if (!derivable
            && (stringing.compensation == CompensationMode::Computed || stringing.fretlets))
            return OfString(ProblemKind::StringConstantsUnknown, i);
    }
    const Action& action = stringing.action;
    const struct {
        const char* field;
        double value;
        bool zeroAllowed;
    } heights[] = {
        { "action.nut_clearance_mm", action.nutClearanceMm, false },
        { "action.saddle_height_mm", action.saddleHeightMm, false },
        { "action.fretting_distance_mm", action.frettingDistanceMm, true },
    };
    for (const auto& height : heights)
        if (!(std::isfinite(height.value) && height.value <= 50
                && (height.value > 0 || (height.zeroAllowed && height.value == 0)))) {
            field = height.field;
            return Problem { height.zeroAllowed ? ProblemKind::LengthBelowMinimum
                                                : ProblemKind::LengthNotAboveMinimum,
                { MessageNumberText(height.value) + " mm", "0 mm" }, {} };
        }
    if (!(std::isfinite(action.reliefMm) && std::fabs(action.reliefMm) <= 5)) {
        field = "action.relief_mm";
        return Problem { ProblemKind::SetbackOutOfRange,
            { MessageNumberText(action.reliefMm) + " mm", "-5 mm", "5 mm" }, {} };
    }
    // The fit runs over the frets the board has, at least two of them.
    const int fitted = std::min(stringing.fitFrets, frets);
    if (stringing.fitFrets < MinFitFrets || stringing.fitFrets > MaxFitFrets
        || (stringing.compensation == CompensationMode::Computed && fitted < MinFitFrets)) {
        field = "compensation.fit_frets";
        return Problem { ProblemKind::CountOutOfRange,
            { std::to_string(fitted), std::to_string(MinFitFrets), std::to_string(MaxFitFrets) },
            {} };
    }
    if ((stringing.compensation == CompensationMode::Computed || stringing.fretlets)
        && !stringing.HasStrings()) {
        field = "compensation.mode";
        return Problem { ProblemKind::CompensationNeedsStrings, {}, {} };
    }
    return std::nullopt;
}

std::vector<StringReport> ComputeStrings(const Stringing& stringing,
    const std::vector<double>& lengthsMm, const std::vector<Setbacks>& manual,
    const std::vector<double>& fretRatios)
{
    std::vector<StringReport> reports;
    if (!stringing.HasStrings())
        return reports;
    const int fit = std::min(stringing.fitFrets, static_cast<int>(fretRatios.size()));
    for (std::size_t i = 0; i < lengthsMm.size(); ++i) {
        StringReport report;
        report.string = static_cast<int>(i) + 1;
        report.pitch = stringing.tuning[i];
        report.frequencyHz = ParsePitch(report.pitch, stringing.referenceA4Hz)->frequencyHz;
        report.lengthMm = lengthsMm[i];
        const SetString& chosen = stringing.set[i];
        const Material material = MaterialOf(chosen);
        report.item = chosen.item;
        report.gaugeIn = chosen.gaugeIn ? chosen.gaugeIn
            : material.item             ? material.item->gaugeIn
                                        : std::nullopt;
        report.unitWeightKgPerM = material.unitWeightKgPerM;
        report.tensionN
            = TensionNewtons(report.unitWeightKgPerM, report.lengthMm, report.frequencyHz);
        const auto [constants, source]
            = ConstantsOf(chosen, material, report.tensionN, report.lengthMm);
        report.constantsSource = source;
        if (stringing.compensation == CompensationMode::Manual)
            report.setbacks = manual[i];
        if (constants) {
            report.kappa = constants->kappa;
            report.b0 = constants->b0;
            Action action = stringing.action;
            action.nutClearanceMm = chosen.nutClearanceMm.value_or(action.nutClearanceMm);
            action.saddleHeightMm = chosen.saddleHeightMm.value_or(action.saddleHeightMm);
            const StringModel model { report.lengthMm, constants->kappa, constants->b0, action };
            if (stringing.compensation == CompensationMode::Computed)
                report.setbacks = FitSetbacks(model, fretRatios, fit);
            report.centsBefore = FretErrors(model, {}, fretRatios);
            report.centsAfter = FretErrors(model, report.setbacks, fretRatios);
            report.rmsCentsBefore = RootMeanSquare(report.centsBefore, fit);
            report.rmsCentsAfter = RootMeanSquare(report.centsAfter, fit);
            report.worstCentsAfter = Worst(report.centsAfter, fit);
            if (stringing.fretlets)
                for (const double ratio : fretRatios)
                    report.fretletsFromNutMm.push_back(
                        FretletFromNutMm(model, report.setbacks, ratio));
        }
        reports.push_back(std::move(report));
    }
    return reports;
}

} // namespace corvane::board
