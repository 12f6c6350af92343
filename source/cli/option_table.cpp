#include "option_table.h"

#include "messages.h"

#include <array>

namespace corvane::cli {

namespace {

using G = OptionGroup;
using V = ValueSplit;

const std::array<CommandOption, 61> Options = { {
    // The table, classic or not.
    { "--length", "L", true, G::Table, { "bass_length", "treble_length" }, V::One,
        QT_TRANSLATE_NOOP("corvane-frets",
            "diapason de toutes les cordes (une gamme classique le lit comme la case de "
            "longueur)") },
    { "--scale", QT_TRANSLATE_NOOP("corvane-frets", "GAMME"), true, G::Temperament,
        { "classic_scale" }, V::One,
        QT_TRANSLATE_NOOP("corvane-frets",
            "une des six gammes classiques : tempered-diatonic, tempered-chromatic, "
            "natural-diatonic, natural-chromatic, pythagorean-diatonic, "
            "pythagorean-chromatic, ou un nom de la liste des gammes") },
    { "--mode", QT_TRANSLATE_NOOP("corvane-frets", "MODE"), true, G::Table, {}, V::One,
        QT_TRANSLATE_NOOP("corvane-frets",
            "sol ou do (par défaut) pour une gamme diatonique ; none : sans noms de "
            "notes") },
    { "--format", QT_TRANSLATE_NOOP("corvane-frets", "FORMAT"), true, G::Table, {}, V::One,
        QT_TRANSLATE_NOOP("corvane-frets", "text (par défaut), csv ou json") },
    { "--separator", QT_TRANSLATE_NOOP("corvane-frets", "CAR"), true, G::Table, {}, V::One,
        QT_TRANSLATE_NOOP("corvane-frets",
            "séparateur décimal écrit (par défaut : le régional pour text, « . » pour "
            "csv et json)") },
    { "--unit", "mm|cm|in", true, G::Table, {}, V::One,
        QT_TRANSLATE_NOOP("corvane-frets",
            "unité des longueurs données et écrites (mm par défaut ; une longueur peut "
            "porter la sienne : « 25 1/2 in »)") },
    // The temperament.
    { "--design", QT_TRANSLATE_NOOP("corvane-frets", "FICHIER"), false, G::Temperament, {}, V::One,
        QT_TRANSLATE_NOOP("corvane-frets",
            "un dessin enregistré dans un fichier .corvane (les autres options le "
            "modifient)") },
    { "--edo", "N", false, G::Temperament, { "divisions" }, V::One,
        QT_TRANSLATE_NOOP("corvane-frets", "N divisions égales de la période (1 à 1000)") },
    { "--period", QT_TRANSLATE_NOOP("corvane-frets", "RAPPORT"), false, G::Temperament,
        { "period" }, V::One,
        QT_TRANSLATE_NOOP("corvane-frets",
            "la période de --edo : 2/1 (par défaut), 3/1, ou des cents (1200.0)") },
    { "--scl", QT_TRANSLATE_NOOP("corvane-frets", "FICHIER"), false, G::Temperament, { "scala" },
        V::One, QT_TRANSLATE_NOOP("corvane-frets", "un fichier de gamme Scala") },
    { "--table", QT_TRANSLATE_NOOP("corvane-frets", "NOM"), false, G::Temperament, {}, V::One,
        QT_TRANSLATE_NOOP("corvane-frets", "just-12, pythagorean-12 ou meantone-12") },
    // The board.
    { "--bass-length", "L", false, G::Board, { "bass_length" }, V::One, nullptr },
    { "--treble-length", "L", false, G::Board, { "treble_length" }, V::One, nullptr },
    { "--lengths", "L,L,...", false, G::Board, { "string_lengths" }, V::One,
        QT_TRANSLATE_NOOP("corvane-frets",
            "le diapason de chaque corde, du grave à l'aigu, pour un éventail non linéaire : les "
            "frettes passent par le point de chaque corde") },
    { "--perpendicular", "F", false, G::Board, { "perpendicular_fret" }, V::One,
        QT_TRANSLATE_NOOP("corvane-frets",
            "la frette d'équerre avec l'axe, ou nut (sillet) ou bridge (chevalet)") },
    { "--frets", "N", false, G::Board, { "frets" }, V::One, nullptr },
    { "--strings", "N", false, G::Board, { "strings" }, V::One, nullptr },
    { "--nut-width", "W", false, G::Board, { "nut_width" }, V::One, nullptr },
    { "--bridge-width", "W", false, G::Board, { "bridge_spacing" }, V::One, nullptr },
    { "--board-width", "W", true, G::Board, {}, V::One,
        QT_TRANSLATE_NOOP("corvane-frets",
            "une touche droite de cette largeur constante, cordes parallèles (60 mm par "
            "défaut pour une gamme classique)") },
    { "--overhang", "W", false, G::Board, { "nut_overhang", "last_fret_overhang" }, V::One,
        nullptr },
    { "--last-fret-overhang", "W", false, G::Board, { "last_fret_overhang" }, V::One, nullptr },
    { "--nut-setback", QT_TRANSLATE_NOOP("corvane-frets", "G[:A]"), false, G::Board,
        { "nut_setback_bass", "nut_setback_treble" }, V::OneOrPair, nullptr },
    { "--saddle-setback", QT_TRANSLATE_NOOP("corvane-frets", "G[:A]"), false, G::Board,
        { "saddle_setback_bass", "saddle_setback_treble" }, V::OneOrPair, nullptr },
    { "--open-note", QT_TRANSLATE_NOOP("corvane-frets", "NOTE"), false, G::Board, { "open_note" },
        V::One,
        QT_TRANSLATE_NOOP(
            "corvane-frets", "note des cordes à vide, pour les noms de notes (Mi par défaut)") },
    { "--radius", QT_TRANSLATE_NOOP("corvane-frets", "R[:R2]"), false, G::Board,
        { "radius_nut", "radius_last_fret" }, V::OneOrPair, nullptr },
    { "--zero-fret", "D", false, G::Board, { "zero_fret" }, V::One, nullptr },
    { "--board-end", QT_TRANSLATE_NOOP("corvane-frets", "E[:square|round]"), false, G::Board,
        { "board_end" }, V::One,
        QT_TRANSLATE_NOOP("corvane-frets",
            "la touche va E plus loin que la dernière frette le long de l'axe, finie d'équerre "
            "(square, par défaut) ou en arc (round) ; 0 : elle s'arrête à la dernière frette") },
    { "--left-handed", "", false, G::Board, { "left_handed" }, V::One,
        QT_TRANSLATE_NOOP("corvane-frets",
            "une touche de gaucher : le miroir de la touche de droitier, graves de l'autre côté, "
            "dans chaque dessin et le programme de rainurage") },
    // The strings.
    { "--spacing", "centres|gaps", false, G::Strings, { "spacing" }, V::One,
        QT_TRANSLATE_NOOP("corvane-frets",
            "centres (par défaut) : les cordes régulièrement espacées, centre à centre ; gaps : "
            "des vides égaux entre les cordes, d'après leurs calibres, au sillet et au "
            "chevalet") },
    { "--string-set", QT_TRANSLATE_NOOP("corvane-frets", "JEU"), false, G::Strings,
        { "string_set" }, V::One,
        QT_TRANSLATE_NOOP("corvane-frets",
            "un jeu du catalogue (light-electric-10-46, phosphor-bronze-12-53, "
            "long-scale-bass-45-100, ej45) ou ses articles, du grave à l'aigu "
            "(NW046,NW036,…), ou des masses linéiques (6.8g/m, 0.0068kg/m)") },
    { "--tuning", QT_TRANSLATE_NOOP("corvane-frets", "H,H,..."), false, G::Strings, { "tuning" },
        V::One,
        QT_TRANSLATE_NOOP(
            "corvane-frets", "hauteurs à vide, du grave à l'aigu (E2,A2,D3,G3,B3,E4)") },
    { "--reference-a4", "HZ", false, G::Strings, { "reference_a4_hz" }, V::One, nullptr },
    { "--action", "B:C", false, G::Strings,
        { "action.nut_clearance_mm", "action.saddle_height_mm" }, V::Pair, nullptr },
    { "--relief", "R", false, G::Strings, { "action.relief_mm" }, V::One, nullptr },
    { "--compensate", "", false, G::Strings, { "compensation.mode" }, V::One,
        QT_TRANSLATE_NOOP(
            "corvane-frets", "calcule le recul du sillet et du chevalet de chaque corde") },
    { "--straight-saddle", "one|two-piece", false, G::Strings, { "compensation.straight_saddle" },
        V::One,
        QT_TRANSLATE_NOOP("corvane-frets",
            "avec --compensate : un chevalet droit au plus juste pour toutes les cordes (one), ou "
            "un pour les cordes filées et un pour les lisses (two-piece)") },
    { "--fit-frets", "N", false, G::Strings, { "compensation.fit_frets" }, V::One, nullptr },
    { "--fretlets", "", false, G::Strings, {}, V::One,
        QT_TRANSLATE_NOOP("corvane-frets", "la position juste de chaque frette sur chaque corde") },
    { "--strings-report", "", false, G::Strings, {}, V::One,
        QT_TRANSLATE_NOOP("corvane-frets", "une ligne par corde au lieu du tableau des frettes") },
    // Files instead of the table.
    { "--radius-gauges", QT_TRANSLATE_NOOP("corvane-frets", "FICHIER"), false, G::Files, {}, V::One,
        QT_TRANSLATE_NOOP("corvane-frets",
            "les gabarits de rayon en taille réelle, au sillet, à la frette 12 et à la dernière : "
            ".pdf, .svg ou .dxf") },
    { "--template", QT_TRANSLATE_NOOP("corvane-frets", "FICHIER"), true, G::Files, {}, V::One,
        QT_TRANSLATE_NOOP("corvane-frets",
            "dessine la touche en taille réelle : .pdf (en pages, avec une règle "
            "d'étalonnage), .svg ou .dxf") },
    { "--paper", QT_TRANSLATE_NOOP("corvane-frets", "PAPIER"), true, G::Files, {}, V::One,
        QT_TRANSLATE_NOOP(
            "corvane-frets", "a4 (par défaut), letter, a3 ou legal, pour un gabarit .pdf") },
    { "--intonation-chart", QT_TRANSLATE_NOOP("corvane-frets", "FICHIER"), false, G::Files, {},
        V::One,
        QT_TRANSLATE_NOOP(
            "corvane-frets", "la justesse de chaque corde, avant et après : .svg ou .png") },
    { "--save-design", QT_TRANSLATE_NOOP("corvane-frets", "FICHIER"), false, G::Files, {}, V::One,
        QT_TRANSLATE_NOOP("corvane-frets",
            "enregistre le dessin que décrivent les options dans un fichier .corvane") },
    // For the laser.
    { "--slot-width", "W", false, G::Cut, { "cut.slot_width" }, V::One, nullptr },
    { "--extend-frets", "E", false, G::Cut, { "cut.extend_frets" }, V::One, nullptr },
    { "--markers", "dots|none", false, G::Cut, {}, V::One,
        QT_TRANSLATE_NOOP("corvane-frets", "les repères de touche habituels (none par défaut)") },
    { "--marker-diameter", "D", false, G::Cut, { "cut.marker_diameter" }, V::One, nullptr },
    { "--hairline", "", false, G::Cut, {}, V::One,
        QT_TRANSLATE_NOOP("corvane-frets", "tous les traits du SVG en filet de 0,025 mm") },
    // For the router.
    { "--gcode", QT_TRANSLATE_NOOP("corvane-frets", "FICHIER.nc"), false, G::Router, {}, V::One,
        QT_TRANSLATE_NOOP(
            "corvane-frets", "le programme de rainurage des fentes (GRBL) au lieu du tableau") },
    { "--origin", "O", false, G::Router, {}, V::One,
        QT_TRANSLATE_NOOP("corvane-frets", "nut-centre (par défaut) ou nut-bass-corner") },
    { "--tool-diameter", "D", false, G::Router, { "router.tool_diameter" }, V::One, nullptr },
    { "--slot-depth", "P", false, G::Router, { "router.slot_depth" }, V::One, nullptr },
    { "--pass-depth", "P", false, G::Router, { "router.pass_depth" }, V::One, nullptr },
    { "--feed", "V", false, G::Router, { "router.feed" }, V::One, nullptr },
    { "--plunge-feed", "V", false, G::Router, { "router.plunge_feed" }, V::One, nullptr },
    { "--safe-z", "Z", false, G::Router, { "router.safe_z" }, V::One, nullptr },
    { "--binding-margin", "M", false, G::Router, { "router.binding_margin" }, V::One, nullptr },
    { "--bed-length", "B", false, G::Router, { "router.bed_length" }, V::One, nullptr },
    { "--slots-follow-radius", "", false, G::Router, {}, V::One,
        QT_TRANSLATE_NOOP("corvane-frets",
            "pour une touche déjà bombée : chaque fente à sa profondeur sous la surface courbe") },
} };

} // namespace

std::span<const CommandOption> CommandOptions() noexcept
{
    return { Options.data(), Options.size() };
}

const CommandOption* FindCommandOption(std::string_view name) noexcept
{
    for (const CommandOption& option : CommandOptions())
        if (option.name == name)
            return &option;
    return nullptr;
}

} // namespace corvane::cli
