#include "words.h"

#include "enum_table.h"
#include "text_encoding.h"

#include <array>

namespace corvane::language {

namespace {

struct Words {
    std::string_view french;
    std::string_view english;
    std::string_view In(Language language) const noexcept
    {
        return language == Language::French ? french : english;
    }
};

using W = drawing::TemplateWords;
const std::pair<std::string W::*, Words> TemplateWordTable[] = {
    { &W::nut, { "Sillet", "Nut" } },
    { &W::saddle, { "Chevalet", "Bridge" } },
    { &W::title, { "Gabarit %1 %2 %3", "Template %1 %2 %3" } },
    { &W::fannedLengths, { "%1 à %2", "%1 to %2" } },
    { &W::oneString, { "1 corde", "1 string" } },
    { &W::strings, { "%1 cordes", "%1 strings" } },
    { &W::oneFret, { "1 frette", "1 fret" } },
    { &W::frets, { "%1 frettes", "%1 frets" } },
    { &W::straightBoard, { "manche droit", "straight neck" } },
    { &W::nutSquare, { "sillet perpendiculaire", "nut perpendicular" } },
    { &W::bridgeSquare, { "chevalet perpendiculaire", "bridge perpendicular" } },
    { &W::fretSquare, { "frette %1 perpendiculaire", "fret %1 perpendicular" } },
    { &W::distances, { "Distances depuis le sillet, en %1.", "Distances from the nut, in %1." } },
    { &W::distancesByString,
        { "Distances depuis le sillet, en %1 : corde %2 en haut, corde %3 en bas.",
            "Distances from the nut, in %1: string %2 at the top, string %3 at the bottom." } },
    { &W::classicModeAndLength,
        { "Mode : %1    Longueur vibrante : %2 %3", "Mode: %1    Vibrating length: %2 %3" } },
    { &W::noMode, { "aucun", "none" } },
    { &W::classicDistances,
        { "Distances depuis le sillet, en %1. Largeur de la touche : %2 %3.",
            "Distances from the nut, in %1. Board width: %2 %3." } },
    { &W::printAtTrueSize,
        { "Imprimer à 100 % (taille réelle) : vérifiez la règle avant de scier.",
            "Print at 100 % (actual size): check the ruler before you saw." } },
    { &W::pageOf, { "page %1/%2", "page %1/%2" } },
    { &W::intonationTitle, { "Justesse de chaque corde : %1", "Intonation of each string: %1" } },
    { &W::fretAxis, { "frette", "fret" } },
    { &W::centsAxis, { "écart (cents)", "error (cents)" } },
    { &W::beforeCompensation, { "tirets : sans compensation", "dashed: without compensation" } },
    { &W::afterCompensation,
        { "traits pleins : avec la compensation", "solid: with the compensation" } },
    { &W::stringNumber, { "corde %1", "string %1" } },
    { &W::radiusGaugesTitle, { "Gabarits de rayon : %1", "Radius gauges: %1" } },
    { &W::radiusGauge, { "R %1 · %2", "R %1 · %2" } },
    { &W::fretNumber, { "Frette %1", "Fret %1" } },
};

using TC = board::TableColumn;
constexpr std::array<std::pair<TC, Words>, 16> TableHeadings = { {
    { TC::Fret, { "Frette", "Fret" } },
    { TC::String, { "Corde", "String" } },
    { TC::Note, { "Note", "Note" } },
    { TC::Ratio, { "Rapport", "Ratio" } },
    { TC::Cents, { "Cents", "Cents" } },
    { TC::FromNut, { "Depuis le sillet", "From the nut" } },
    { TC::FretToFret, { "Frette à frette", "Fret to fret" } },
    { TC::ToSaddle, { "Jusqu'au chevalet", "To the saddle" } },
    { TC::CompensatedFromNut, { "Compensé, depuis le sillet", "Compensated, from the nut" } },
    { TC::CompensatedToSaddle, { "Compensé, jusqu'au chevalet", "Compensated, to the saddle" } },
    { TC::NearestSixtyFourth, { "Au 1/64 in", "Nearest 1/64 in" } },
    { TC::SixtyFourthError, { "Écart du 1/64 (in)", "Error of the 1/64 (in)" } },
    { TC::ErrorCents, { "Justesse (cents)", "Error (cents)" } },
    { TC::FretletFromNut,
        { "Frette de la corde, depuis le sillet", "String's own fret, from the nut" } },
    { TC::Radius, { "Rayon (mm)", "Radius (mm)" } },
    { TC::EdgeDrop, { "Flèche au bord (mm)", "Edge drop (mm)" } },
} };
static_assert(board::InEnumOrder(TableHeadings, [](const auto& entry) { return entry.first; }),
    "one heading per column, in the enum's order");

using SC = board::StringColumn;
constexpr std::array<std::pair<SC, Words>, 24> StringHeadings = { {
    { SC::String, { "Corde", "String" } },
    { SC::Pitch, { "Hauteur", "Pitch" } },
    { SC::Frequency, { "Fréquence (Hz)", "Frequency (Hz)" } },
    { SC::Length, { "Diapason", "Scale length" } },
    { SC::Item, { "Article", "Item" } },
    { SC::Gauge, { "Calibre (in)", "Gauge (in)" } },
    { SC::UnitWeightKgPerM, { "Masse linéique (kg/m)", "Unit weight (kg/m)" } },
    { SC::UnitWeightGramPerM, { "Masse linéique (g/m)", "Unit weight (g/m)" } },
    { SC::TensionN, { "Tension (N)", "Tension (N)" } },
    { SC::TensionKgf, { "Tension (kgf)", "Tension (kgf)" } },
    { SC::TensionLbf, { "Tension (lbf)", "Tension (lbf)" } },
    { SC::Kappa, { "κ", "κ" } },
    { SC::B0, { "B₀", "B₀" } },
    { SC::ConstantsSource, { "κ et B₀", "κ and B₀" } },
    { SC::SaddleSetback, { "Recul du chevalet", "Saddle setback" } },
    { SC::NutSetback, { "Recul du sillet", "Nut setback" } },
    { SC::RmsBefore, { "Écart RMS avant (cents)", "RMS error before (cents)" } },
    { SC::RmsAfter, { "Écart RMS après (cents)", "RMS error after (cents)" } },
    { SC::WorstAfter, { "Pire écart après (cents)", "Worst error after (cents)" } },
    { SC::NutPosition, { "Au sillet, depuis le bord grave", "At the nut, from the bass edge" } },
    { SC::BridgePosition,
        { "Au chevalet, depuis le bord grave", "At the saddle, from the bass edge" } },
    { SC::StraightSaddleSetback, { "Recul du chevalet droit", "Straight saddle's setback" } },
    { SC::StraightSaddleRms,
        { "Écart RMS, chevalet droit (cents)", "RMS error, straight saddle (cents)" } },
    { SC::StraightSaddleWorst,
        { "Pire écart, chevalet droit (cents)", "Worst error, straight saddle (cents)" } },
} };
static_assert(board::InEnumOrder(StringHeadings, [](const auto& entry) { return entry.first; }),
    "one heading per column, in the enum's order");

using CS = board::ConstantsSource;
constexpr std::array<std::pair<CS, Words>, 7> ConstantsSources = { {
    { CS::Typed, { "saisis", "typed" } },
    { CS::Published, { "publiés", "published" } },
    { CS::SteelWire, { "fil d'acier", "steel wire" } },
    { CS::SteelCore, { "âme d'acier", "steel core" } },
    { CS::EstimatedCore, { "âme estimée", "estimated core" } },
    { CS::TypicalNylon, { "nylon typique", "typical nylon" } },
    { CS::Unknown, { "inconnus", "unknown" } },
} };
static_assert(board::InEnumOrder(ConstantsSources, [](const auto& entry) { return entry.first; }),
    "one name per source, in the enum's order");

// Temperaments by the engine's name: the built-in tables' names are their
// keys; the classic scales keep the window's French names.
const std::pair<std::string_view, Words> TemperamentTitles[] = {
    { "just-12", { "Juste, 5-limite (12 notes)", "Just, 5-limit (12 notes)" } },
    { "pythagorean-12",
        { "Pythagore, quintes justes (12 notes)", "Pythagorean, pure fifths (12 notes)" } },
    { "meantone-12",
        { "Mésotonique au quart de comma (12 notes)", "Quarter-comma meantone (12 notes)" } },
    { "Tempérée Diatonique", { "Tempérée Diatonique", "Equal-tempered, diatonic" } },
    { "Tempérée Chromatique", { "Tempérée Chromatique", "Equal-tempered, chromatic" } },
    { "Naturelle Diatonique", { "Naturelle Diatonique", "Natural (just), diatonic" } },
    { "Naturelle Chromatique", { "Naturelle Chromatique", "Natural (just), chromatic" } },
    { "Pythagore Diatonique", { "Pythagore Diatonique", "Pythagorean, diatonic" } },
    { "Pythagore Chromatique", { "Pythagore Chromatique", "Pythagorean, chromatic" } },
};

std::string WithUnit(std::string_view heading, bool length, board::Unit unit)
{
    return std::string(heading)
        + (length ? " (" + std::string(board::UnitSymbol(unit)) + ")" : std::string());
}

} // namespace

drawing::TemplateWords TemplateWordsIn(Language language)
{
    drawing::TemplateWords words;
    for (const auto& [member, text] : TemplateWordTable)
        words.*member = std::string(text.In(language));
    return words;
}

std::string TableHeading(board::TableColumn column, Language language, board::Unit unit)
{
    return WithUnit(TableHeadings[static_cast<std::size_t>(column)].second.In(language),
        board::Describe(column).inDesignUnit, unit);
}

std::string StringHeading(board::StringColumn column, Language language, board::Unit unit)
{
    return WithUnit(StringHeadings[static_cast<std::size_t>(column)].second.In(language),
        board::Describe(column).inDesignUnit, unit);
}

std::string_view ConstantsSourceName(board::ConstantsSource source, Language language) noexcept
{
    return ConstantsSources[static_cast<std::size_t>(source)].second.In(language);
}

std::string TemperamentTitle(std::string_view name, Language language)
{
    const std::string single = board::SingleBlanks(name);
    for (const auto& [key, title] : TemperamentTitles)
        if (key == single)
            return std::string(title.In(language));
    return single;
}

std::string StringSetTitle(const board::NamedStringSet& set, Language language)
{
    return language == Language::French ? set.title : set.englishTitle;
}

board::NoteNaming NoteNamingIn(Language language) noexcept
{
    return language == Language::French ? board::NoteNaming::Solfege : board::NoteNaming::Letters;
}

} // namespace corvane::language
