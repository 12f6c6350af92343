#include "stringing.h"

#include "text_encoding.h"

#include "plain_number.h"
#include "string_catalogue.h"

#include <algorithm>
#include <cmath>
#include <tuple>

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

Problem OfString(ProblemKind kind, std::size_t index, std::vector<ProblemValue> values = {})
{
    values.insert(values.begin(), std::to_string(index + 1));
    return { kind, std::move(values), {} };
}

} // namespace

std::optional<double> ParseUnitWeight(std::string_view text, std::optional<WeightUnit> bareUnit)
{
    constexpr std::pair<std::string_view, WeightUnit> Units[] = { { "kg/m", WeightUnit::KgPerM },
        { "g/m", WeightUnit::GramPerM }, { "lb/in", WeightUnit::LbPerIn } };
    text = Trimmed(text);
    std::optional<WeightUnit> unit = bareUnit;
    for (const auto& [symbol, named] : Units)
        if (text.ends_with(symbol)) {
            text = Trimmed(text.substr(0, text.size() - symbol.size()));
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
    for (std::size_t i = 0; i < stringing.tuning.size(); ++i) {
        field = "tuning";
        const auto pitch = ReadPitch(stringing.tuning[i], stringing.referenceA4Hz);
        if (!pitch)
            return OfString(ProblemKind::PitchUnreadable, i, { stringing.tuning[i] });
        if (!PitchInRange(pitch->frequencyHz))
            return OfString(ProblemKind::PitchOutOfRange, i,
                { stringing.tuning[i], ProblemValue::Number(pitch->frequencyHz, "Hz"),
                    ProblemValue::Number(MinPitchHz, "Hz"),
                    ProblemValue::Number(MaxPitchHz, "Hz") });
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
            { "unit_weight_kg_per_m", chosen.unitWeightKgPerM, MinUnitWeightKgPerM,
                MaxUnitWeightKgPerM, true },
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
                    { range.name, ProblemValue::Number(*range.value),
                        ProblemValue::Number(range.low), ProblemValue::Number(range.high) });
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
    if (stringing.compensation == CompensationMode::Computed && frets < MinFitFrets) {
        field = "frets";
        return Problem { ProblemKind::FretsTooFewToFit,
            { std::to_string(frets), std::to_string(MinFitFrets) }, {} };
    }
    if ((stringing.compensation == CompensationMode::Computed || stringing.fretlets)
        && !stringing.HasStrings()) {
        field = "compensation.mode";
        return Problem { ProblemKind::CompensationNeedsStrings, {}, {} };
    }
    return std::nullopt;
}

namespace {

// What a string is on a board: its pull and its constants.
struct Physics {
    Material material;
    double frequencyHz = 0;
    double tensionN = 0;
    std::optional<StringConstants> constants;
    ConstantsSource source = ConstantsSource::Unknown;
};

Physics PhysicsOf(const Stringing& stringing, std::size_t index, double lengthMm)
{
    Physics physics;
    const SetString& chosen = stringing.set[index];
    physics.material = MaterialOf(chosen);
    physics.frequencyHz = ParsePitch(stringing.tuning[index], stringing.referenceA4Hz)->frequencyHz;
    physics.tensionN
        = TensionNewtons(physics.material.unitWeightKgPerM, lengthMm, physics.frequencyHz);
    std::tie(physics.constants, physics.source)
        = ConstantsOf(chosen, physics.material, physics.tensionN, lengthMm);
    return physics;
}

// Computed setbacks a luthier can build and that play better than none;
// otherwise why not.
std::optional<Problem> CompensationProblem(std::size_t index, const Fit& fit, double rmsBefore,
    double rmsAfter, double firstFretMm, double lastFretToSaddleMm)
{
    const auto mm = [](double value) { return ProblemValue::Length(value); };
    const Setbacks& s = fit.setbacks;
    if (!fit.settled)
        return OfString(ProblemKind::CompensationUnsettled, index);
    if (!(s.saddleMm >= MinComputedSaddleSetbackMm && s.saddleMm <= MaxComputedSaddleSetbackMm))
        return OfString(ProblemKind::CompensationSaddleBeyond, index,
            { mm(s.saddleMm), mm(MinComputedSaddleSetbackMm), mm(MaxComputedSaddleSetbackMm) });
    if (!(std::fabs(s.nutMm) <= MaxComputedNutSetbackMm))
        return OfString(ProblemKind::CompensationNutBeyond, index,
            { mm(s.nutMm), mm(-MaxComputedNutSetbackMm), mm(MaxComputedNutSetbackMm) });
    if (!(s.nutMm < firstFretMm))
        return OfString(
            ProblemKind::CompensationNutPastFirstFret, index, { mm(s.nutMm), mm(firstFretMm) });
    if (!(s.saddleMm > -lastFretToSaddleMm))
        return OfString(ProblemKind::CompensationSaddlePastLastFret, index,
            { mm(-s.saddleMm), mm(lastFretToSaddleMm) });
    if (!(rmsAfter < rmsBefore))
        return OfString(ProblemKind::CompensationWorse, index,
            { ProblemValue::Number(rmsAfter, {}, 3), ProblemValue::Number(rmsBefore, {}, 3) });
    return std::nullopt;
}

// Each fret strictly between its neighbours on the string, the nut and
// saddle points the outer ones; otherwise why not.
std::optional<Problem> FretletsProblem(std::size_t index, const std::vector<double>& fretlets,
    const std::vector<std::optional<double>>& found, const Setbacks& setbacks, double lengthMm)
{
    const auto mm = [](double value) { return ProblemValue::Length(value); };
    for (std::size_t k = 0; k < found.size(); ++k) {
        if (!found[k])
            return OfString(ProblemKind::FretletNoPlace, index, { std::to_string(k + 1) });
        const double low = k == 0 ? setbacks.nutMm : fretlets[k - 1];
        const double high
            = k + 1 < fretlets.size() ? fretlets[k + 1] : lengthMm + setbacks.saddleMm;
        if (!(fretlets[k] > low && fretlets[k] < high))
            return OfString(ProblemKind::FretletOutOfPlace, index,
                { std::to_string(k + 1), mm(fretlets[k]), mm(low), mm(high) });
    }
    return std::nullopt;
}

} // namespace

std::optional<Problem> StringPhysicsProblem(
    const Stringing& stringing, const std::vector<double>& lengthsMm)
{
    if (!stringing.HasStrings())
        return std::nullopt;
    for (std::size_t i = 0; i < lengthsMm.size() && i < stringing.set.size(); ++i) {
        const Physics physics = PhysicsOf(stringing, i, lengthsMm[i]);
        const struct {
            const char* name;
            double value, low, high;
        } ranges[] = {
            { "tension_n", physics.tensionN, MinTensionN, MaxTensionN },
            { "kappa", physics.constants ? physics.constants->kappa : MinKappa, MinKappa,
                MaxKappa },
            { "b0", physics.constants ? physics.constants->b0 : MaxB0, 0, MaxB0 },
        };
        for (const auto& range : ranges)
            if (!(range.value >= range.low && range.value <= range.high))
                return OfString(ProblemKind::StringValueOutOfRange, i,
                    { range.name, ProblemValue::Number(range.value),
                        ProblemValue::Number(range.low), ProblemValue::Number(range.high) });
    }
    return std::nullopt;
}

bool IsWound(const Stringing& stringing, std::size_t index)
{
    const SetString& chosen = stringing.set[index];
    if (const Material material = MaterialOf(chosen); material.item)
        return material.item->material == StringMaterial::WoundSteel
            || material.item->material == StringMaterial::WoundNylon;
    return chosen.coreDiameterMm.has_value();
}

std::vector<std::optional<double>> StringGaugesIn(const Stringing& stringing)
{
    std::vector<std::optional<double>> gauges;
    for (const SetString& chosen : stringing.set) {
        const Material material = MaterialOf(chosen);
        gauges.push_back(chosen.gaugeIn ? chosen.gaugeIn
                : material.item         ? material.item->gaugeIn
                                        : std::nullopt);
    }
    return gauges;
}

std::vector<StringReport> ComputeStrings(const Stringing& stringing,
    const std::vector<double>& lengthsMm, const std::vector<Setbacks>& manual,
    const std::vector<double>& fretRatios, int periodFrets)
{
    std::vector<StringReport> reports;
    if (!stringing.HasStrings())
        return reports;
    const int fit
        = std::min(stringing.fitFrets.value_or(periodFrets), static_cast<int>(fretRatios.size()));
    for (std::size_t i = 0; i < lengthsMm.size(); ++i) {
        StringReport report;
        report.string = static_cast<int>(i) + 1;
        report.pitch = stringing.tuning[i];
        report.lengthMm = lengthsMm[i];
        const SetString& chosen = stringing.set[i];
        const Physics physics = PhysicsOf(stringing, i, report.lengthMm);
        report.frequencyHz = physics.frequencyHz;
        report.item = chosen.item;
        report.gaugeIn = chosen.gaugeIn ? chosen.gaugeIn
            : physics.material.item     ? physics.material.item->gaugeIn
                                        : std::nullopt;
        report.unitWeightKgPerM = physics.material.unitWeightKgPerM;
        report.tensionN = physics.tensionN;
        report.constantsSource = physics.source;
        if (stringing.compensation == CompensationMode::Manual)
            report.setbacks = manual[i];
        if (const auto& constants = physics.constants) {
            report.kappa = constants->kappa;
            report.b0 = constants->b0;
            Action action = stringing.action;
            action.nutClearanceMm = chosen.nutClearanceMm.value_or(action.nutClearanceMm);
            action.saddleHeightMm = chosen.saddleHeightMm.value_or(action.saddleHeightMm);
            const StringModel model { report.lengthMm, constants->kappa, constants->b0, action };
            report.centsBefore = FretErrors(model, {}, fretRatios);
            report.rmsCentsBefore = RootMeanSquare(report.centsBefore, fit);
            if (stringing.compensation == CompensationMode::Computed) {
                const Fit fitted = FitSetbacks(model, fretRatios, fit);
                const double rmsFitted
                    = RootMeanSquare(FretErrors(model, fitted.setbacks, fretRatios), fit);
                report.compensationProblem = CompensationProblem(i, fitted, report.rmsCentsBefore,
                    rmsFitted, report.lengthMm * (1.0 - 1.0 / fretRatios.front()),
                    report.lengthMm / fretRatios.back());
                if (!report.compensationProblem)
                    report.setbacks = fitted.setbacks;
            }
            report.centsAfter = FretErrors(model, report.setbacks, fretRatios);
            report.rmsCentsAfter = RootMeanSquare(report.centsAfter, fit);
            report.worstCentsAfter = Worst(report.centsAfter, fit);
            if (stringing.fretlets) {
                std::vector<std::optional<double>> found;
                for (const double ratio : fretRatios) {
                    found.push_back(FretletFromNutMm(model, report.setbacks, ratio));
                    report.fretletsFromNutMm.push_back(found.back().value_or(0));
                }
                report.fretletsProblem = FretletsProblem(
                    i, report.fretletsFromNutMm, found, report.setbacks, report.lengthMm);
                if (report.fretletsProblem)
                    report.fretletsFromNutMm.clear();
            }
        }
        reports.push_back(std::move(report));
    }
    return reports;
}

} // namespace corvane::board
