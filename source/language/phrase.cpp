#include "phrase.h"

#include "enum_table.h"
#include "figure_text.h"
#include "plain_number.h"

#include <array>

namespace corvane::language {

namespace {

using K = board::ProblemKind;

struct PatternEntry {
    K kind;
    std::string_view french;
    std::string_view english;
};

constexpr std::array<PatternEntry, board::ProblemKindCount> Patterns = { {
    { K::LengthEmpty, "longueur vide", "empty length" },
    { K::UnknownUnit, "unité inconnue « %2 » (mm, cm ou in)", "unknown unit “%2” (mm, cm or in)" },
    { K::NotALength, "« %2 » n'est pas une longueur", "“%2” is not a length" },
    { K::LengthHasNoNumber, "« %2 » ne contient aucun nombre", "“%2” holds no number" },
    { K::LengthNotPositive, "la longueur « %2 » doit être plus grande que zéro",
        "the length “%2” must be greater than zero" },
    { K::LengthTooLarge, "la longueur « %2 » est trop grande", "the length “%2” is too large" },
    { K::PeriodUnreadable, "période « %2 » illisible (un rapport 2/1 ou des cents 1200.0)",
        "period “%2” cannot be read (a ratio 2/1 or cents 1200.0)" },
    { K::PeriodCentsOutOfRange, "période « %2 » hors de 1 à 12000 cents",
        "period “%2” outside 1 to 12000 cents" },
    { K::PeriodRatioOutOfRange, "période « %2 » : le rapport doit dépasser 1/1 (et pas 1024/1)",
        "period “%2”: the ratio must exceed 1/1 (and not 1024/1)" },
    { K::ScalaCountMissing, "ligne %2 : le nombre de notes manque",
        "line %2: the number of notes is missing" },
    { K::ScalaCountNotANumber, "ligne %2 : « %3 » n'est pas un nombre de notes",
        "line %2: “%3” is not a number of notes" },
    { K::ScalaTooManyNotes, "ligne %2 : trop de notes (%3)", "line %2: too many notes (%3)" },
    { K::ScalaPitchMissing, "ligne %2 : hauteur manquante (note %3 sur %4)",
        "line %2: pitch missing (note %3 of %4)" },
    { K::ScalaNotCents, "ligne %2 : « %3 » n'est pas une valeur en cents",
        "line %2: “%3” is not a value in cents" },
    { K::ScalaNotRatio, "ligne %2 : « %3 » n'est ni un rapport n/d d'entiers positifs ni des cents",
        "line %2: “%3” is neither a ratio n/d of positive integers nor cents" },
    { K::ScalaRatioTooLarge, "ligne %2 : le rapport « %3 » est trop grand pour être calculé",
        "line %2: the ratio “%3” is too large to compute" },
    { K::ScalaPitchUnusable, "ligne %2 : hauteur « %3 » hors d'usage",
        "line %2: pitch “%3” cannot be used" },
    { K::ScalaEmpty, "ligne %2 : fichier vide : ni description ni nombre de notes",
        "line %2: empty file: no description and no number of notes" },
    { K::ScalaTruncated, "ligne %2 : le fichier s'arrête après %3 hauteurs sur %4",
        "line %2: the file ends after %3 pitches of %4" },
    { K::ScalaNoPitches, "la gamme n'a aucune note hormis 1/1 : pas de frettes possibles",
        "the scale has no note besides 1/1: no frets are possible" },
    { K::ScalaFirstNotAboveUnison, "ligne %2 : la première hauteur doit dépasser 1/1",
        "line %2: the first pitch must exceed 1/1" },
    { K::ScalaPitchesDoNotRise,
        "ligne %2 : les hauteurs doivent monter, celle-ci ne dépasse pas la précédente",
        "line %2: the pitches must rise, this one does not exceed the previous one" },
    { K::ClassicLengthTooSmall, "longueur trop petite pour la gamme classique",
        "length too small for the classic scale" },
    { K::ClassicPositionUnreadable, "position classique illisible : %2",
        "unreadable classic position: %2" },
    { K::ClassicScaleRefused, "gamme classique : %2", "classic scale: %2" },
    { K::NotFinite, "%1 : valeur non finie", "%1: value not finite" },
    { K::LengthBelowMinimum, "%1 : %2, doit être au moins %3", "%1: %2, must be at least %3" },
    { K::LengthNotAboveMinimum, "%1 : %2, doit être plus grand que %3",
        "%1: %2, must be greater than %3" },
    { K::LengthAboveMaximum, "%1 : %2, au plus %3", "%1: %2, at most %3" },
    { K::SetbackOutOfRange, "%1 : %2, doit rester entre %3 et %4",
        "%1: %2, must stay between %3 and %4" },
    { K::NutSetbackPastFirstFret, "%1 : %2 porte le sillet jusqu'à la première frette, à %3",
        "%1: %2 brings the nut up to the first fret, at %3" },
    { K::SaddleSetbackBeforeLastFret,
        "%1 : %2 porte le chevalet jusqu'à la dernière frette, à %3 de lui",
        "%1: %2 brings the saddle up to the last fret, %3 from it" },
    { K::CountOutOfRange, "%1 : %2, doit être entre %3 et %4",
        "%1: %2, must be between %3 and %4" },
    { K::PeriodRatioNotAboveUnison, "%1 %2 : le rapport doit dépasser 1/1",
        "%1 %2: the ratio must exceed 1/1" },
    { K::PeriodCentsNotInRange, "%1 de %2 cents : doit être entre 1 et 12000 cents",
        "%1 of %2 cents: must be between 1 and 12000 cents" },
    { K::ScalaScaleUnusable, "%1, %2", "%1, %2" },
    { K::ScalaFileUnusable, "%1 « %2 », %3", "%1 “%2”, %3" },
    { K::OneStringTwoLengths,
        "une seule corde : les diapasons des graves et des aigus doivent être égaux",
        "a single string: the bass and treble scale lengths must be equal" },
    { K::PerpendicularOutOfRange,
        "%1 : %2, doit être 0 (sillet), une frette de 1 à %3 ou le chevalet",
        "%1: %2, must be 0 (nut), a fret from 1 to %3 or the bridge" },
    { K::NoRoomForStrings, "%1 : %2 de chaque côté ne laisse aucune place aux cordes sur %3",
        "%1: %2 on each side leaves no room for the strings on %3" },
    { K::SpacingTooFar, "%1 : %2, trop loin de celui du sillet pour des cordes aussi courtes",
        "%1: %2, too far from the nut's for strings this short" },
    { K::OpenNoteOutOfRange, "%1 : %2, doit être entre 0 (Do) et 11 (Si)",
        "%1: %2, must be between 0 (Do) and 11 (Si)" },
    { K::UnknownUnitValue, "unité inconnue", "unknown unit" },
    { K::TooManyFretsForTemperament,
        "%1 : la frette %2 laisserait moins d'un millionième de la corde ; au plus %3 frettes avec "
        "ce tempérament",
        "%1: fret %2 would leave less than a millionth of the string; at most %3 frets with this "
        "temperament" },
    { K::FretsMerge,
        "les frettes %2 et %3 se confondent : le tempérament a deux hauteurs presque égales",
        "frets %2 and %3 coincide: the temperament has two almost equal pitches" },
    { K::RadiusBelowHalfWidth, "%1 : %2, pas plus que la demi-largeur de la touche (%3)",
        "%1: %2, no more than half the board's width (%3)" },
    { K::BoardEndCutsLastFret,
        "%1 : %2, une fin d'équerre couperait la dernière frette ; au moins %3",
        "%1: %2, a square end would cut through the last fret; at least %3" },
    { K::SpacingNeedsGauge,
        "%1 : des vides égaux demandent le calibre de chaque corde, celui de la corde %2 manque",
        "%1: equal gaps need each string's gauge, string %2's is missing" },
    { K::SpacingNoGap, "%1 : les cordes, %3 côte à côte, ne tiennent pas dans %2",
        "%1: the strings, %3 side by side, do not fit in %2" },
    { K::StringLengthsDisagree,
        "%1 : le premier et le dernier doivent être les diapasons des graves et des aigus",
        "%1: the first and the last must be the bass and treble scale lengths" },
    { K::FretsNotStraight,
        "%1 : les frettes brisées aux cordes ne se fraisent pas en fentes droites",
        "%1: frets that bend at the strings cannot be cut as straight slots" },
    { K::FieldMissing, "champ absent", "field missing" },
    { K::TextExpected, "un texte est attendu", "a text is expected" },
    { K::IntegerExpected, "un nombre entier est attendu", "a whole number is expected" },
    { K::IntegerBeyondMeasure, "%2 est hors de toute mesure", "%2 is beyond any measure" },
    { K::NumberExpected, "un nombre est attendu", "a number is expected" },
    { K::UnknownField, "champ inconnu", "unknown field" },
    { K::ObjectExpected, "un objet est attendu", "an object is expected" },
    { K::Base64Unreadable, "base64 illisible", "unreadable base64" },
    { K::UnknownClassicScale, "gamme classique inconnue « %2 »", "unknown classic scale “%2”" },
    { K::ModeExpected, "« %2 » : sol ou do attendu", "“%2”: sol or do expected" },
    { K::UnknownTable, "table inconnue « %2 » (just-12, pythagorean-12, meantone-12)",
        "unknown table “%2” (just-12, pythagorean-12, meantone-12)" },
    { K::UnknownTemperamentKind, "« %2 » : equal, scala, classic ou builtin attendu",
        "“%2”: equal, scala, classic or builtin expected" },
    { K::NotAJsonObject, "le fichier ne contient pas un objet JSON",
        "the file does not hold a JSON object" },
    { K::NotABoardDesign, "« %2 » n'est pas un dessin de manche Corvane (corvane-board attendu)",
        "“%2” is not a Corvane board design (corvane-board expected)" },
    { K::UnknownVersion, "version %2 inconnue (cette version de Corvane lit les versions 1 à %3)",
        "unknown version %2 (this version of Corvane reads versions 1 to %3)" },
    { K::UnitExpected, "« %2 » : mm, cm ou in attendu", "“%2”: mm, cm or in expected" },
    { K::PerpendicularNameExpected, "« %2 » : un numéro de frette, nut ou bridge attendu",
        "“%2”: a fret number, nut or bridge expected" },
    { K::PerpendicularExpected, "un numéro de frette, nut ou bridge attendu",
        "a fret number, nut or bridge expected" },
    { K::NotANoteName, "« %2 » n'est pas un nom de note (Do, Do#, Ré, ... Si ou C, C#, D, ... B)",
        "“%2” is not a note name (C, C#, D, ... B or Do, Do#, Ré, ... Si)" },
    { K::JsonMalformed, "fichier JSON mal formé (octet %2)", "malformed JSON file (byte %2)" },
    { K::JsonNumberBeyond, "fichier JSON illisible : un nombre hors de toute mesure",
        "unreadable JSON file: a number beyond any measure" },
    { K::JsonUnusable, "fichier JSON inutilisable", "unusable JSON file" },
    { K::FileUnreadableBecause, "impossible de lire « %2 » : %3", "cannot read “%2”: %3" },
    { K::FileTooLarge, "« %2 » est trop grand pour un dessin de manche",
        "“%2” is too large for a board design" },
    { K::ScalaFileTooLarge, "« %2 » est trop grand pour un fichier Scala",
        "“%2” is too large for a Scala file" },
    { K::StringCountDiffers, "%1 : %2 cordes pour un manche de %3",
        "%1: %2 strings for a board of %3" },
    { K::PitchUnreadable,
        "%1, corde %2 : « %3 » n'est pas une hauteur (E2, F#3, Bb1 ou une fréquence, 110 Hz)",
        "%1, string %2: “%3” is not a pitch (E2, F#3, Bb1 or a frequency, 110 Hz)" },
    { K::UnknownStringItem, "%1, corde %2 : pas d'article « %3 » au catalogue",
        "%1, string %2: no item “%3” in the catalogue" },
    { K::StringWeightMissing, "%1, corde %2 : ni article du catalogue ni masse linéique",
        "%1, string %2: neither a catalogue item nor a unit weight" },
    { K::StringValueOutOfRange, "%1, corde %2 : %3 = %4, doit être entre %5 et %6",
        "%1, string %2: %3 = %4, must be between %5 and %6" },
    { K::StringConstantsTogether, "%1, corde %2 : donnez κ et B₀ ensemble",
        "%1, string %2: give κ and B₀ together" },
    { K::StringConstantsUnknown,
        "%1, corde %2 : κ et B₀ inconnus ; donnez-les, ou le diamètre du fil ou de l'âme",
        "%1, string %2: κ and B₀ unknown; give them, or the diameter of the wire or of the core" },
    { K::CompensationNeedsStrings,
        "%1 : calculer la compensation demande l'accord et le jeu de cordes",
        "%1: computing the compensation needs the tuning and the string set" },
    { K::CompensationModeExpected, "« %2 » : none, manual ou computed attendu",
        "“%2”: none, manual or computed expected" },
    { K::ArrayExpected, "une liste est attendue", "a list is expected" },
    { K::BooleanExpected, "true ou false est attendu", "true or false is expected" },
    { K::PitchOutOfRange, "%1, corde %2 : « %3 » sonne à %4, doit être entre %5 et %6",
        "%1, string %2: “%3” sounds at %4, must be between %5 and %6" },
    { K::TooManyStrings, "plus de %2 cordes", "more than %2 strings" },
    { K::FretsTooFewToFit,
        "%1 : %2, la compensation calculée demande une touche d'au moins %3 frettes",
        "%1: %2, computed compensation needs a board of at least %3 frets" },
    { K::AboveMinimumAtMost, "%1 : %2, doit être plus grand que %3 et au plus %4",
        "%1: %2, must be greater than %3 and at most %4" },
    { K::CompensationWorse,
        "corde %2 : compensation impossible, l'ajustement finirait à %3 cents RMS, plus que les %4 "
        "sans compensation",
        "string %2: compensation impossible, the fit would end at %3 cents RMS, more than the %4 "
        "without compensation" },
    { K::CompensationUnsettled, "corde %2 : compensation impossible, l'ajustement ne converge pas",
        "string %2: compensation impossible, the fit does not converge" },
    { K::CompensationSaddleBeyond,
        "corde %2 : compensation impossible, il faudrait reculer le chevalet de %3, hors de %4 à "
        "%5",
        "string %2: compensation impossible, the saddle would have to move back %3, outside %4 to "
        "%5" },
    { K::CompensationNutBeyond,
        "corde %2 : compensation impossible, il faudrait reculer le sillet de %3, hors de %4 à %5",
        "string %2: compensation impossible, the nut would have to move %3, outside %4 to %5" },
    { K::CompensationNutPastFirstFret,
        "corde %2 : compensation impossible, il faudrait reculer le sillet de %3, jusqu'à la "
        "première frette (à %4)",
        "string %2: compensation impossible, the nut would have to move %3, up to the first fret "
        "(at %4)" },
    { K::CompensationSaddlePastLastFret,
        "corde %2 : compensation impossible, il faudrait avancer le chevalet de %3, jusqu'à la "
        "dernière frette (à %4)",
        "string %2: compensation impossible, the saddle would have to move forward %3, up to the "
        "last fret (at %4)" },
    { K::FretletOutOfPlace,
        "corde %2 : pas de frettes par corde, la frette %3 tomberait à %4 du sillet, hors de %5 à "
        "%6",
        "string %2: no fretlets, fret %3 would stand %4 from the nut, outside %5 to %6" },
    { K::FretletNoPlace,
        "corde %2 : pas de frettes par corde, aucune place ne rend la frette %3 juste",
        "string %2: no fretlets, no place puts fret %3 in tune" },
    { K::SaddlePiecesMixed,
        "pas de chevalet en deux pièces : la corde %2, filée, est parmi les cordes lisses",
        "no two-piece saddle: string %2, wound, lies among the plain strings" },
    { K::SaddleStringUnknown,
        "pas de chevalet droit : la justesse de la corde %2 n'est pas connue (κ et B₀)",
        "no straight saddle: the intonation of string %2 is not known (κ and B₀)" },
    { K::SaddleUnsettled, "pas de chevalet droit : l'ajustement ne converge pas",
        "no straight saddle: the fit does not converge" },
    { K::SaddleBeyond, "pas de chevalet droit : il reculerait de %3 à la corde %2, hors de %4 à %5",
        "no straight saddle: it would move back %3 at string %2, outside %4 to %5" },
    { K::StraightSaddleNeedsComputed, "%1 : un chevalet droit demande la compensation calculée",
        "%1: a straight saddle needs the computed compensation" },
    { K::PassDeeperThanSlot, "%1 : %2, au plus la profondeur des fentes (%3)",
        "%1: %2, at most the slot depth (%3)" },
    { K::TooManyPasses, "%1 : %2 ferait %3 passes par fente, %4 au plus",
        "%1: %2 would take %3 passes a slot, %4 at most" },
    { K::ZeroOrInRange, "%1 : %2, doit être 0 ou entre %3 et %4",
        "%1: %2, must be 0 or between %3 and %4" },
    { K::MarginLeavesNoSlot, "%1 : %2 ne laisse rien de la fente %3",
        "%1: %2 leaves nothing of slot %3" },
    { K::BoardTooLongToSlot, "%1 : la corde de %2 dépasse les %3 qu'une petite fraiseuse couvre",
        "%1: the %2 string is longer than the %3 a small router covers" },
    { K::BedTooShort, "%1 : %2 ne couvre pas la fente %3 et son repère (%4)",
        "%1: %2 does not cover slot %3 and its reference (%4)" },
    { K::ReadNoSuchFile, "le fichier n'existe pas", "the file does not exist" },
    { K::ReadPermissionDenied, "permission refusée", "permission denied" },
    { K::ReadIsAFolder, "c'est un dossier", "it is a folder" },
    { K::ReadNotARegularFile, "ce n'est pas un fichier ordinaire (périphérique, tube ou socket)",
        "it is not a regular file (a device, pipe or socket)" },
    { K::ReadSystemError, "%2", "%2" },
    { K::FileNotWritten, "Impossible d'écrire « %2 » : %3.", "Cannot write “%2”: %3." },
    { K::WriteNoSuchFolder, "le dossier n'existe pas", "the folder does not exist" },
    { K::WritePermissionDenied, "permission refusée", "permission denied" },
    { K::WriteReadOnlyFile, "le fichier est en lecture seule", "the file is read-only" },
    { K::WriteDiskFull, "le disque est plein", "the disk is full" },
    { K::WriteReadOnlyMedium, "le support est en lecture seule", "the medium is read-only" },
    { K::WriteIsAFolder, "c'est un dossier", "it is a folder" },
    { K::WriteNotARegularFile, "ce n'est pas un fichier ordinaire (périphérique, tube ou socket)",
        "it is not a regular file (a device, pipe or socket)" },
    { K::WriteNameTooLong, "le nom est trop long", "the name is too long" },
    { K::WriteTooManyLinks, "trop de liens symboliques à suivre",
        "too many symbolic links to follow" },
    { K::WriteIncomplete, "le fichier n'a pas pu être écrit en entier",
        "the file could not be written whole" },
    { K::WriteSystemError, "%2", "%2" },
    { K::DesignNotSaved, "dessin non enregistré : %2", "design not saved: %2" },
    { K::PaperTooSmall,
        "Le papier est trop petit pour le gabarit : il faut une zone imprimable d'au moins 17 cm "
        "sur 6 cm.",
        "The paper is too small for the template: it needs a printable area of at least 17 cm by 6 "
        "cm." },
    { K::TooManyPages,
        "Ce gabarit demanderait %2 pages (%3 au plus) pour une planche de %4 m : la longueur "
        "est-elle dans la bonne unité ? (des millimètres lus comme des pouces, par exemple)",
        "This template would take %2 pages (%3 at most) for a board %4 m long: is the length in "
        "the right unit? (millimetres read as inches, for one)" },
    { K::NoScaleChosen, "Choisissez d'abord une gamme : le gabarit dessine ses frettes.",
        "Choose a scale first: the template draws its frets." },
    { K::ClassicLengthNotPositive,
        "La longueur vibrante doit être supérieure à zéro pour dessiner un gabarit.",
        "The vibrating length must be greater than zero to draw a template." },
    { K::BoardWidthNotPositive, "La largeur de la touche doit être supérieure à zéro.",
        "The board width must be greater than zero." },
    { K::PositionNotANumber, "La position « %2 » de la frette %3 n'est pas un nombre.",
        "The position “%2” of fret %3 is not a number." },
    { K::UnknownTemplateFormat,
        "Le format de « %2 » n'est pas reconnu : le nom doit finir par .pdf, .svg ou .dxf.",
        "The format of “%2” is not known: the name must end in .pdf, .svg or .dxf." },
    { K::UnknownChartFormat, "%1 %2 : un fichier .svg ou .png est attendu",
        "%1 %2: an .svg or .png file is expected" },
    { K::PrinterRefusesPage, "L'impression a échoué : l'imprimante refuse une nouvelle page.",
        "Printing failed: the printer refuses a new page." },
    { K::PrinterUnavailable, "L'impression a échoué : l'imprimante ne peut pas être ouverte.",
        "Printing failed: the printer cannot be opened." },
    { K::PrintUnfinished, "L'impression a échoué : le travail n'a pas pu être terminé.",
        "Printing failed: the job could not be finished." },
    { K::RouterOriginExpected, "« %2 » : nut-centre ou nut-bass-corner attendu",
        "“%2”: nut-centre or nut-bass-corner expected" },
    { K::BoardEndShapeExpected, "« %2 » : square ou round attendu",
        "“%2”: square or round expected" },
    { K::SpacingExpected, "« %2 » : centres ou gaps attendu", "“%2”: centres or gaps expected" },
    { K::SaddleShapeExpected, "« %2 » : one ou two-piece attendu",
        "“%2”: one or two-piece expected" },
} };

static_assert(board::InEnumOrder(Patterns, [](const auto& entry) { return entry.kind; }),
    "one pattern per kind, in the enum's order");

struct FieldEntry {
    std::string_view key;
    std::string_view french;
    std::string_view english;
};

constexpr FieldEntry Fields[] = {
    { "divisions", "divisions de la période", "divisions of the period" },
    { "period", "période", "period" },
    { "scala", "gamme Scala", "Scala scale" },
    { "frets", "nombre de frettes", "number of frets" },
    { "strings", "nombre de cordes", "number of strings" },
    { "bass_length", "diapason des graves", "bass scale length" },
    { "treble_length", "diapason des aigus", "treble scale length" },
    { "perpendicular_fret", "frette perpendiculaire", "perpendicular fret" },
    { "nut_width", "largeur au sillet", "width at the nut" },
    { "bridge_spacing", "écartement au chevalet", "string spacing at the saddle" },
    { "nut_overhang", "marge au sillet", "overhang at the nut" },
    { "last_fret_overhang", "marge à la dernière frette", "overhang at the last fret" },
    { "nut_setback_bass", "recul du sillet (graves)", "nut setback (bass)" },
    { "nut_setback_treble", "recul du sillet (aigus)", "nut setback (treble)" },
    { "saddle_setback_bass", "recul du chevalet (graves)", "saddle setback (bass)" },
    { "saddle_setback_treble", "recul du chevalet (aigus)", "saddle setback (treble)" },
    { "open_note", "note de la corde à vide", "open-string note" },
    { "tuning", "accord", "tuning" },
    { "radius_nut", "rayon au sillet", "radius at the nut" },
    { "radius_last_fret", "rayon à la dernière frette", "radius at the last fret" },
    { "board_end", "fin de la touche", "board's end" },
    { "string_lengths", "diapasons des cordes", "string scale lengths" },
    { "spacing", "écartement des cordes", "string spacing" },
    { "board_end_shape", "forme de la fin de la touche", "shape of the board's end" },
    { "zero_fret", "sillet derrière la frette zéro", "nut behind the zero fret" },
    { "reference_a4_hz", "fréquence du la de référence", "reference A4 frequency" },
    { "string_set", "jeu de cordes", "string set" },
    { "action.nut_clearance_mm", "hauteur des cordes au sillet", "string height at the nut" },
    { "action.saddle_height_mm", "hauteur du chevalet", "saddle height" },
    { "action.relief_mm", "creux de la touche", "neck relief" },
    { "action.fretting_distance_mm", "distance du doigt à la frette", "fretting distance" },
    { "compensation.mode", "compensation", "compensation" },
    { "compensation.straight_saddle", "chevalet droit", "straight saddle" },
    { "compensation.fit_frets", "nombre de frettes de l'ajustement", "number of frets of the fit" },
    { "router.tool_diameter", "diamètre de la fraise", "cutter diameter" },
    { "router.slot_depth", "profondeur des fentes", "slot depth" },
    { "router.pass_depth", "profondeur par passe", "pass depth" },
    { "router.feed", "avance", "feed" },
    { "router.plunge_feed", "avance en plongée", "plunge feed" },
    { "router.safe_z", "hauteur de dégagement", "safe height" },
    { "router.binding_margin", "marge des filets", "binding margin" },
    { "router.bed_length", "course de la fraiseuse en X", "router's travel along X" },
    { "cut.slot_width", "largeur des fentes", "slot width" },
    { "cut.extend_frets", "prolongement des frettes", "fret extension" },
    { "cut.marker_diameter", "diamètre des repères", "marker diameter" },
};

std::string_view In(Language language, std::string_view french, std::string_view english) noexcept
{
    return language == Language::French ? french : english;
}

// A number with the reader's decimal separator.
std::string WithSeparator(std::string text, std::string_view separator)
{
    if (const std::size_t point = text.find('.'); point != std::string::npos && separator != ".")
        text.replace(point, 1, separator);
    return text;
}

std::string ValueText(const board::ProblemValue& value, const Reader& reader)
{
    using Kind = board::ProblemValue::Kind;
    const auto number = [&](double figure) {
        return WithSeparator(value.decimals < 0 ? board::MessageNumberText(figure)
                                                : board::FixedText(figure, value.decimals),
            reader.decimalSeparator);
    };
    switch (value.kind) {
    case Kind::Text:
        return board::QuotedValue(value.text);
    case Kind::Number:
        return number(value.number) + (value.text.empty() ? "" : " " + value.text);
    case Kind::Length:
        return number(board::FromMillimetres(value.number, reader.unit)) + " "
            + std::string(board::UnitSymbol(reader.unit)) + value.text;
    }
    return {};
}

} // namespace

std::string_view Pattern(board::ProblemKind kind, Language language) noexcept
{
    const auto index = static_cast<std::size_t>(kind);
    return index < Patterns.size() ? In(language, Patterns[index].french, Patterns[index].english)
                                   : std::string_view();
}

bool NamesSubject(board::ProblemKind kind) noexcept
{
    return Pattern(kind, Language::French).find("%1") != std::string_view::npos;
}

std::string Phrase(const board::Problem& problem, const Reader& reader, std::string_view subject)
{
    std::vector<std::string> values;
    for (const board::ProblemValue& value : problem.values)
        values.push_back(ValueText(value, reader));
    for (const board::Problem& inner : problem.cause)
        values.push_back(Phrase(inner, reader));
    const std::string_view pattern = Pattern(problem.kind, reader.language);
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

std::string FieldName(std::string_view field, Language language)
{
    for (const FieldEntry& entry : Fields)
        if (entry.key == field)
            return std::string(In(language, entry.french, entry.english));
    return std::string(field);
}

std::string DesignErrorText(const board::DesignError& error, const Reader& reader)
{
    return Phrase(error.problem, reader, FieldName(error.field, reader.language));
}

std::string DesignFileErrorText(const board::DesignError& error, const Reader& reader)
{
    if (error.field.empty())
        return Phrase(error.problem, reader);
    // The engine names a temperament's fields by their own names.
    std::string field = error.field;
    if (field.rfind("temperament.", 0) == 0)
        field.erase(0, std::string_view("temperament.").size());
    if (field == "content")
        field = "scala";
    const std::string sentence = Phrase(error.problem, reader, FieldName(field, reader.language));
    return (reader.language == Language::French ? "champ « " + error.field + " » : "
                                                : "field “" + error.field + "”: ")
        + sentence;
}

} // namespace corvane::language
