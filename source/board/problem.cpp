#include "problem.h"

#include "enum_table.h"

#include <array>
#include <utility>

namespace corvane::board {

namespace {

using K = ProblemKind;

constexpr std::array<std::pair<ProblemKind, std::string_view>, ProblemKindCount> Patterns = { {
    { K::LengthEmpty, "longueur vide" },
    { K::UnknownUnit, "unité inconnue « %2 » (mm, cm ou in)" },
    { K::NotALength, "« %2 » n'est pas une longueur" },
    { K::LengthHasNoNumber, "« %2 » ne contient aucun nombre" },
    { K::LengthNotPositive, "la longueur « %2 » doit être plus grande que zéro" },
    { K::LengthTooLarge, "la longueur « %2 » est trop grande" },
    { K::PeriodUnreadable, "période « %2 » illisible (un rapport 2/1 ou des cents 1200.0)" },
    { K::PeriodCentsOutOfRange, "période « %2 » hors de 1 à 12000 cents" },
    { K::PeriodRatioOutOfRange, "période « %2 » : le rapport doit dépasser 1/1 (et pas 1024/1)" },
    { K::ScalaCountMissing, "ligne %2 : le nombre de notes manque" },
    { K::ScalaCountNotANumber, "ligne %2 : « %3 » n'est pas un nombre de notes" },
    { K::ScalaTooManyNotes, "ligne %2 : trop de notes (%3)" },
    { K::ScalaPitchMissing, "ligne %2 : hauteur manquante (note %3 sur %4)" },
    { K::ScalaNotCents, "ligne %2 : « %3 » n'est pas une valeur en cents" },
    { K::ScalaNotRatio,
        "ligne %2 : « %3 » n'est ni un rapport n/d d'entiers positifs ni des cents" },
    { K::ScalaRatioTooLarge, "ligne %2 : le rapport « %3 » est trop grand pour être calculé" },
    { K::ScalaPitchUnusable, "ligne %2 : hauteur « %3 » hors d'usage" },
    { K::ScalaEmpty, "ligne %2 : fichier vide : ni description ni nombre de notes" },
    { K::ScalaTruncated, "ligne %2 : le fichier s'arrête après %3 hauteurs sur %4" },
    { K::ScalaNoPitches, "la gamme n'a aucune note hormis 1/1 : pas de frettes possibles" },
    { K::ScalaFirstNotAboveUnison, "ligne %2 : la première hauteur doit dépasser 1/1" },
    { K::ScalaPitchesDoNotRise,
        "ligne %2 : les hauteurs doivent monter, celle-ci ne dépasse pas la précédente" },
    { K::ClassicLengthTooSmall, "longueur trop petite pour la gamme classique" },
    { K::ClassicPositionUnreadable, "position classique illisible : %2" },
    { K::ClassicScaleRefused, "gamme classique : %2" },
    { K::NotFinite, "%1 : valeur non finie" },
    { K::LengthBelowMinimum, "%1 : %2, doit être au moins %3" },
    { K::LengthNotAboveMinimum, "%1 : %2, doit être plus grand que %3" },
    { K::LengthAboveMaximum, "%1 : %2, au plus %3" },
    { K::SetbackOutOfRange, "%1 : %2, doit rester entre %3 et %4" },
    { K::NutSetbackPastFirstFret, "%1 : %2 porte le sillet jusqu'à la première frette, à %3" },
    { K::SaddleSetbackBeforeLastFret,
        "%1 : %2 porte le chevalet jusqu'à la dernière frette, à %3 de lui" },
    { K::CountOutOfRange, "%1 : %2, doit être entre %3 et %4" },
    { K::PeriodRatioNotAboveUnison, "%1 %2 : le rapport doit dépasser 1/1" },
    { K::PeriodCentsNotInRange, "%1 de %2 cents : doit être entre 1 et 12000 cents" },
    { K::ScalaScaleUnusable, "%1, %2" },
    { K::ScalaFileUnusable, "%1 « %2 », %3" },
    { K::OneStringTwoLengths,
        "une seule corde : les diapasons des graves et des aigus doivent être égaux" },
    { K::PerpendicularOutOfRange,
        "%1 : %2, doit être 0 (sillet), une frette de 1 à %3 ou le chevalet" },
    { K::NoRoomForStrings, "%1 : %2 de chaque côté ne laisse aucune place aux cordes sur %3" },
    { K::SpacingTooFar, "%1 : %2, trop loin de celui du sillet pour des cordes aussi courtes" },
    { K::OpenNoteOutOfRange, "%1 : %2, doit être entre 0 (Do) et 11 (Si)" },
    { K::UnknownUnitValue, "unité inconnue" },
    { K::TooManyFretsForTemperament,
        "%1 : la frette %2 laisserait moins d'un millionième de la corde ; au plus %3 frettes avec "
        "ce tempérament" },
    { K::FretsMerge,
        "les frettes %2 et %3 se confondent : le tempérament a deux hauteurs presque égales" },
    { K::FieldMissing, "champ absent" },
    { K::TextExpected, "un texte est attendu" },
    { K::IntegerExpected, "un nombre entier est attendu" },
    { K::IntegerBeyondMeasure, "%2 est hors de toute mesure" },
    { K::NumberExpected, "un nombre est attendu" },
    { K::UnknownField, "champ inconnu" },
    { K::ObjectExpected, "un objet est attendu" },
    { K::Base64Unreadable, "base64 illisible" },
    { K::UnknownClassicScale, "gamme classique inconnue « %2 »" },
    { K::ModeExpected, "« %2 » : sol ou do attendu" },
    { K::UnknownTable, "table inconnue « %2 » (just-12, pythagorean-12, meantone-12)" },
    { K::UnknownTemperamentKind, "« %2 » : equal, scala, classic ou builtin attendu" },
    { K::NotAJsonObject, "le fichier ne contient pas un objet JSON" },
    { K::NotABoardDesign, "« %2 » n'est pas un dessin de manche Corvane (corvane-board attendu)" },
    { K::UnknownVersion, "version %2 inconnue (cette version de Corvane lit les versions 1 à %3)" },
    { K::UnitExpected, "« %2 » : mm, cm ou in attendu" },
    { K::PerpendicularNameExpected, "« %2 » : un numéro de frette, nut ou bridge attendu" },
    { K::PerpendicularExpected, "un numéro de frette, nut ou bridge attendu" },
    { K::NotANoteName, "« %2 » n'est pas un nom de note (Do, Do#, Ré, ... Si ou C, C#, D, ... B)" },
    { K::JsonMalformed, "fichier JSON mal formé (octet %2)" },
    { K::JsonNumberBeyond, "fichier JSON illisible : un nombre hors de toute mesure" },
    { K::JsonUnusable, "fichier JSON inutilisable" },
    { K::FileUnreadableBecause, "impossible de lire « %2 » : %3" },
    { K::FileTooLarge, "« %2 » est trop grand pour un dessin de manche" },
    { K::ScalaFileTooLarge, "« %2 » est trop grand pour un fichier Scala" },
    { K::StringCountDiffers, "%1 : %2 cordes pour un manche de %3" },
    { K::PitchUnreadable,
        "%1, corde %2 : « %3 » n'est pas une hauteur (E2, F#3, Bb1 ou une fréquence, 110 Hz)" },
    { K::UnknownStringItem, "%1, corde %2 : pas d'article « %3 » au catalogue" },
    { K::StringWeightMissing, "%1, corde %2 : ni article du catalogue ni masse linéique" },
    { K::StringValueOutOfRange, "%1, corde %2 : %3 = %4, doit être entre %5 et %6" },
    { K::StringConstantsTogether, "%1, corde %2 : donnez κ et B₀ ensemble" },
    { K::StringConstantsUnknown,
        "%1, corde %2 : κ et B₀ inconnus ; donnez-les, ou le diamètre du fil ou de l'âme" },
    { K::CompensationNeedsStrings,
        "%1 : calculer la compensation demande l'accord et le jeu de cordes" },
    { K::CompensationModeExpected, "« %2 » : none, manual ou computed attendu" },
    { K::ArrayExpected, "une liste est attendue" },
    { K::BooleanExpected, "true ou false est attendu" },
    { K::PitchOutOfRange, "%1, corde %2 : « %3 » sonne à %4, doit être entre %5 et %6" },
    { K::TooManyStrings, "plus de %2 cordes" },
    { K::FretsTooFewToFit,
        "%1 : %2, la compensation calculée demande une touche d'au moins %3 frettes" },
    { K::AboveMinimumAtMost, "%1 : %2, doit être plus grand que %3 et au plus %4" },
    { K::CompensationWorse,
        "corde %2 : compensation impossible, l'ajustement finirait à %3 cents RMS, plus que les %4 "
        "sans compensation" },
    { K::CompensationUnsettled,
        "corde %2 : compensation impossible, l'ajustement ne converge pas" },
    { K::CompensationSaddleBeyond,
        "corde %2 : compensation impossible, il faudrait reculer le chevalet de %3, hors de %4 à "
        "%5" },
    { K::CompensationNutBeyond,
        "corde %2 : compensation impossible, il faudrait reculer le sillet de %3, hors de %4 à "
        "%5" },
    { K::CompensationNutPastFirstFret,
        "corde %2 : compensation impossible, il faudrait reculer le sillet de %3, jusqu'à la "
        "première frette (à %4)" },
    { K::CompensationSaddlePastLastFret,
        "corde %2 : compensation impossible, il faudrait avancer le chevalet de %3, jusqu'à la "
        "dernière frette (à %4)" },
    { K::FretletOutOfPlace,
        "corde %2 : pas de frettes par corde, la frette %3 tomberait à %4 du sillet, hors de %5 à "
        "%6" },
    { K::FretletNoPlace,
        "corde %2 : pas de frettes par corde, aucune place ne rend la frette %3 juste" },
    { K::PassDeeperThanSlot, "%1 : %2, au plus la profondeur des fentes (%3)" },
    { K::TooManyPasses, "%1 : %2 ferait %3 passes par fente, %4 au plus" },
    { K::ZeroOrInRange, "%1 : %2, doit être 0 ou entre %3 et %4" },
    { K::MarginLeavesNoSlot, "%1 : %2 ne laisse rien de la fente %3" },
    { K::BoardTooLongToSlot, "%1 : la corde de %2 dépasse les %3 qu'une petite fraiseuse couvre" },
    { K::ReadNoSuchFile, "le fichier n'existe pas" },
    { K::ReadPermissionDenied, "permission refusée" },
    { K::ReadIsAFolder, "c'est un dossier" },
    { K::ReadNotARegularFile, "ce n'est pas un fichier ordinaire (périphérique, tube ou socket)" },
    { K::ReadSystemError, "%2" },
} };

static_assert(InEnumOrder(Patterns, [](const auto& entry) { return entry.first; }),
    "one pattern per kind, in the enum's order");

constexpr std::array<std::pair<std::string_view, std::string_view>, 36> Subjects = { {
    { "divisions", "divisions de la période" },
    { "period", "période" },
    { "scala", "gamme Scala" },
    { "frets", "nombre de frettes" },
    { "strings", "nombre de cordes" },
    { "bass_length", "diapason des graves" },
    { "treble_length", "diapason des aigus" },
    { "perpendicular_fret", "frette perpendiculaire" },
    { "nut_width", "largeur au sillet" },
    { "bridge_spacing", "écartement au chevalet" },
    { "nut_overhang", "marge au sillet" },
    { "last_fret_overhang", "marge à la dernière frette" },
    { "nut_setback_bass", "recul du sillet (graves)" },
    { "nut_setback_treble", "recul du sillet (aigus)" },
    { "saddle_setback_bass", "recul du chevalet (graves)" },
    { "saddle_setback_treble", "recul du chevalet (aigus)" },
    { "open_note", "note de la corde à vide" },
    { "tuning", "accord" },
    { "reference_a4_hz", "fréquence du la de référence" },
    { "string_set", "jeu de cordes" },
    { "action.nut_clearance_mm", "hauteur des cordes au sillet" },
    { "action.saddle_height_mm", "hauteur du chevalet" },
    { "action.relief_mm", "creux de la touche" },
    { "action.fretting_distance_mm", "distance du doigt à la frette" },
    { "compensation.mode", "compensation" },
    { "compensation.fit_frets", "frettes de l'ajustement" },
    { "tool_diameter", "diamètre de la fraise" },
    { "slot_depth", "profondeur des fentes" },
    { "pass_depth", "profondeur par passe" },
    { "feed", "avance" },
    { "plunge_feed", "avance en plongée" },
    { "safe_z", "hauteur de dégagement" },
    { "binding_margin", "marge des filets" },
    { "slot_width", "largeur des fentes" },
    { "extend_frets", "prolongement des frettes" },
    { "marker_diameter", "diamètre des repères" },
} };

} // namespace

std::string_view ProblemPattern(ProblemKind kind) noexcept
{
    const auto index = static_cast<std::size_t>(kind);
    return index < Patterns.size() ? Patterns[index].second : std::string_view();
}

std::string FillPattern(
    std::string_view pattern, std::string_view subject, const std::vector<std::string>& values)
{
    std::string text;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        if (pattern[i] == '%' && next >= '1' && next <= '9') {
            const auto number = static_cast<std::size_t>(next - '0');
            if (number == 1) {
                text += subject;
                ++i;
                continue;
            }
            if (number - 2 < values.size()) {
                text += values[number - 2];
                ++i;
                continue;
            }
        }
        text += pattern[i];
    }
    return text;
}

std::string QuotedValue(std::string_view text, std::size_t longest)
{
    std::string quoted;
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size();) {
        if (characters == longest)
            return quoted + "\u2026";
        const auto byte = static_cast<unsigned char>(text[i]);
        // The length of a well-formed UTF-8 sequence starting here; 0 for a
        // stray byte.
        std::size_t length = byte < 0x80 ? 1
            : (byte & 0xE0) == 0xC0      ? 2
            : (byte & 0xF0) == 0xE0      ? 3
            : (byte & 0xF8) == 0xF0      ? 4
                                         : 0;
        for (std::size_t k = 1; k < length; ++k)
            if (i + k >= text.size() || (static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80)
                length = 0;
        constexpr std::string_view Hex = "0123456789abcdef";
        if (byte == '\n')
            quoted += "\\n";
        else if (byte == '\r')
            quoted += "\\r";
        else if (byte == '\t')
            quoted += "\\t";
        else if (length == 0 || byte < 0x20 || byte == 0x7F)
            quoted += std::string("\\x") + Hex[byte >> 4] + Hex[byte & 15];
        else
            quoted.append(text.substr(i, length));
        i += length == 0 ? 1 : length;
        ++characters;
    }
    return quoted;
}

std::string ProblemSentence(const Problem& problem, std::string_view subject)
{
    std::vector<std::string> values;
    for (const std::string& value : problem.values)
        values.push_back(QuotedValue(value));
    for (const Problem& inner : problem.cause)
        values.push_back(ProblemSentence(inner));
    return FillPattern(ProblemPattern(problem.kind), subject, values);
}

std::string_view FieldSubject(std::string_view field) noexcept
{
    for (const auto& [key, subject] : Subjects)
        if (key == field)
            return subject;
    return field;
}

} // namespace corvane::board
