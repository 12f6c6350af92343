#include "design.h"

#include <algorithm>
#include <cmath>
#include <sstream>

namespace corvane::board {

namespace {

std::string Number(double value)
{
    std::ostringstream out;
    out.imbue(std::locale::classic());
    out.precision(10);
    out << value;
    return out.str();
}

std::optional<DesignError> CheckLength(const char* field, const char* what, double value, double minimum,
                                       bool minimumAllowed)
{
    if (!std::isfinite(value))
        return DesignError{field, std::string(what) + " : valeur non finie"};
    if (value < minimum || (!minimumAllowed && value == minimum))
        return DesignError{field, std::string(what) + " : " + Number(value) + " mm, doit être "
                                      + (minimumAllowed ? "au moins " : "plus grand que ") + Number(minimum)
                                      + " mm"};
    if (value > MaxLengthMm)
        return DesignError{field, std::string(what) + " : " + Number(value) + " mm, au plus "
                                      + Number(MaxLengthMm) + " mm"};
    return std::nullopt;
}

std::optional<DesignError> CheckSetback(const char* field, const char* what, double value)
{
    if (!std::isfinite(value) || std::fabs(value) > 100.0)
        return DesignError{field, std::string(what) + " : " + Number(value) + " mm, doit rester entre -100 et 100 mm"};
    return std::nullopt;
}

} // namespace

std::optional<DesignError> ValidateDesign(const Design& design)
{
    Temperament unused;
    return ValidateDesign(design, unused);
}

std::optional<DesignError> ValidateDesign(const Design& design, Temperament& temperament)
{
    std::optional<Temperament> scalaScale;
    if (const auto* equal = std::get_if<EqualDivisions>(&design.temperament)) {
        if (equal->divisions < MinDivisions || equal->divisions > MaxDivisions)
            return DesignError{"divisions", "divisions de la période : " + std::to_string(equal->divisions)
                                                + ", doit être entre 1 et 1000"};
        const Period& period = equal->period;
        if (period.kind == Period::Kind::Ratio) {
            if (period.numerator <= 0 || period.denominator <= 0 || !(period.Ratio() > 1.0)
                || period.Ratio() > 1024.0)
                return DesignError{"period", "période " + period.Text() + " : le rapport doit dépasser 1/1"};
        } else if (!(period.cents >= MinPeriodCents && period.cents <= MaxPeriodCents)) {
            return DesignError{"period", "période de " + Number(period.cents)
                                             + " cents : doit être entre 1 et 12000 cents"};
        }
    } else if (const auto* scala = std::get_if<ScalaSource>(&design.temperament)) {
        auto built = MakeScala(*scala);
        if (!built)
            return DesignError{"scala", "gamme Scala" + (scala->fileName.empty() ? std::string() : " « " + scala->fileName + " »")
                                            + ", " + built.error};
        scalaScale = std::move(built.value);
    }

    if (design.frets < MinFrets || design.frets > MaxFrets)
        return DesignError{"frets", "nombre de frettes : " + std::to_string(design.frets)
                                        + ", doit être entre 1 et 60"};
    if (design.strings < MinStrings || design.strings > MaxStrings)
        return DesignError{"strings", "nombre de cordes : " + std::to_string(design.strings)
                                          + ", doit être entre 1 et 16"};
    if (auto error = CheckLength("bass_length", "diapason des graves", design.bassLengthMm, 0, false))
        return error;
    if (auto error = CheckLength("treble_length", "diapason des aigus", design.trebleLengthMm, 0, false))
        return error;
    if (design.strings == 1 && design.bassLengthMm != design.trebleLengthMm)
        return DesignError{"treble_length", "une seule corde : les diapasons des graves et des aigus doivent être égaux"};
    if (design.perpendicularFret != PerpendicularAtBridge
        && (design.perpendicularFret < 0 || design.perpendicularFret > design.frets))
        return DesignError{"perpendicular_fret", "frette perpendiculaire : " + std::to_string(design.perpendicularFret)
                                                     + ", doit être 0 (sillet), une frette de 1 à "
                                                     + std::to_string(design.frets) + " ou le chevalet"};
    if (auto error = CheckLength("nut_width", "largeur au sillet", design.nutWidthMm, 0, false))
        return error;
    if (auto error = CheckLength("bridge_spacing", "écartement au chevalet", design.bridgeSpacingMm, 0,
                                 design.strings == 1))
        return error;
    if (auto error = CheckLength("nut_overhang", "marge au sillet", design.nutOverhangMm, 0, true))
        return error;
    if (auto error = CheckLength("last_fret_overhang", "marge à la dernière frette", design.lastFretOverhangMm, 0, true))
        return error;
    if (design.strings > 1 && !(design.nutWidthMm > 2.0 * design.nutOverhangMm))
        return DesignError{"nut_overhang", "marge au sillet : " + Number(design.nutOverhangMm)
                                               + " mm de chaque côté ne laisse aucune place aux cordes sur "
                                               + Number(design.nutWidthMm) + " mm"};
    // Strings leaning out by more than half their length are no instrument.
    if (design.strings > 1
        && !(std::fabs(design.bridgeSpacingMm - (design.nutWidthMm - 2.0 * design.nutOverhangMm)) / 2.0
             < 0.5 * std::min(design.bassLengthMm, design.trebleLengthMm)))
        return DesignError{"bridge_spacing", "écartement au chevalet : " + Number(design.bridgeSpacingMm)
                                                 + " mm, trop loin de celui du sillet pour des cordes aussi courtes"};
    if (auto error = CheckSetback("nut_setback_bass", "recul du sillet (graves)", design.nutSetbackBassMm))
        return error;
    if (auto error = CheckSetback("nut_setback_treble", "recul du sillet (aigus)", design.nutSetbackTrebleMm))
        return error;
    if (auto error = CheckSetback("saddle_setback_bass", "recul du chevalet (graves)", design.saddleSetbackBassMm))
        return error;
    if (auto error = CheckSetback("saddle_setback_treble", "recul du chevalet (aigus)", design.saddleSetbackTrebleMm))
        return error;
    if (design.openNote < 0 || design.openNote > 11)
        return DesignError{"open_note", "note de la corde à vide : " + std::to_string(design.openNote)
                                            + ", doit être entre 0 (Do) et 11 (Si)"};
    if (design.unit != Unit::Millimetre && design.unit != Unit::Centimetre && design.unit != Unit::Inch)
        return DesignError{"unit", "unité inconnue"};
    if (scalaScale) {
        temperament = std::move(*scalaScale);
    } else {
        auto built = MakeTemperament(design.temperament, FromMillimetres(design.bassLengthMm, design.unit),
                                     design.unit);
        if (!built)
            return DesignError{"classic_scale", built.error}; // only a classic scale can fail here
        temperament = std::move(*built.value);
    }

    // Every fret must stand clear of the previous one and of the saddle.
    double previous = 0;
    for (int fret = 1; fret <= design.frets; ++fret) {
        const double ratio = temperament.FretRatio(fret);
        if (!(ratio <= MaxFretRatio))
            return DesignError{"frets", "nombre de frettes : la frette " + std::to_string(fret)
                                            + " laisserait moins d'un millionième de la corde ; au plus "
                                            + std::to_string(fret - 1) + " frettes avec ce tempérament"};
        const double fraction = 1.0 - 1.0 / ratio;
        if (!(fraction > previous + 1e-9))
            return DesignError{"frets", "les frettes " + std::to_string(fret - 1) + " et " + std::to_string(fret)
                                            + " se confondent : le tempérament a deux hauteurs presque égales"};
        previous = fraction;
    }
    return std::nullopt;
}

} // namespace corvane::board
