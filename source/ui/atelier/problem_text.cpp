#include "problem_text.h"

#include <QCoreApplication>

#include <array>

namespace corvane::atelier {
namespace {

// One pattern per kind, in the order of board::ProblemKind; the French is
// the engine's own (a test holds them equal), the translation gives the rest.
constexpr std::array<const char*, board::ProblemKindCount> Patterns = {
    QT_TRANSLATE_NOOP("EngineProblem", "longueur vide"), // LengthEmpty
    QT_TRANSLATE_NOOP("EngineProblem", "unité inconnue « %2 » (mm, cm ou in)"), // UnknownUnit
    QT_TRANSLATE_NOOP("EngineProblem", "« %2 » n'est pas une longueur"), // NotALength
    QT_TRANSLATE_NOOP("EngineProblem", "« %2 » ne contient aucun nombre"), // LengthHasNoNumber
    QT_TRANSLATE_NOOP("EngineProblem", "la longueur « %2 » doit être plus grande que zéro"), // LengthNotPositive
    QT_TRANSLATE_NOOP("EngineProblem", "la longueur « %2 » est trop grande"), // LengthTooLarge
    QT_TRANSLATE_NOOP("EngineProblem", "période « %2 » illisible (un rapport 2/1 ou des cents 1200.0)"), // PeriodUnreadable
    QT_TRANSLATE_NOOP("EngineProblem", "période « %2 » hors de 1 à 12000 cents"), // PeriodCentsOutOfRange
    QT_TRANSLATE_NOOP("EngineProblem", "période « %2 » : le rapport doit dépasser 1/1 (et pas 1024/1)"), // PeriodRatioOutOfRange
    QT_TRANSLATE_NOOP("EngineProblem", "ligne %2 : le nombre de notes manque"), // ScalaCountMissing
    QT_TRANSLATE_NOOP("EngineProblem", "ligne %2 : « %3 » n'est pas un nombre de notes"), // ScalaCountNotANumber
    QT_TRANSLATE_NOOP("EngineProblem", "ligne %2 : trop de notes (%3)"), // ScalaTooManyNotes
    QT_TRANSLATE_NOOP("EngineProblem", "ligne %2 : hauteur manquante (note %3 sur %4)"), // ScalaPitchMissing
    QT_TRANSLATE_NOOP("EngineProblem", "ligne %2 : « %3 » n'est pas une valeur en cents"), // ScalaNotCents
    QT_TRANSLATE_NOOP("EngineProblem", "ligne %2 : « %3 » n'est ni un rapport n/d d'entiers positifs ni des cents"), // ScalaNotRatio
    QT_TRANSLATE_NOOP("EngineProblem", "ligne %2 : le rapport « %3 » est trop grand pour être calculé"), // ScalaRatioTooLarge
    QT_TRANSLATE_NOOP("EngineProblem", "ligne %2 : hauteur « %3 » hors d'usage"), // ScalaPitchUnusable
    QT_TRANSLATE_NOOP("EngineProblem", "ligne %2 : fichier vide : ni description ni nombre de notes"), // ScalaEmpty
    QT_TRANSLATE_NOOP("EngineProblem", "ligne %2 : le fichier s'arrête après %3 hauteurs sur %4"), // ScalaTruncated
    QT_TRANSLATE_NOOP("EngineProblem", "la gamme n'a aucune note hormis 1/1 : pas de frettes possibles"), // ScalaNoPitches
    QT_TRANSLATE_NOOP("EngineProblem", "ligne %2 : la première hauteur doit dépasser 1/1"), // ScalaFirstNotAboveUnison
    QT_TRANSLATE_NOOP("EngineProblem", "ligne %2 : les hauteurs doivent monter, celle-ci ne dépasse pas la précédente"), // ScalaPitchesDoNotRise
    QT_TRANSLATE_NOOP("EngineProblem", "longueur trop petite pour la gamme classique"), // ClassicLengthTooSmall
    QT_TRANSLATE_NOOP("EngineProblem", "position classique illisible : %2"), // ClassicPositionUnreadable
    QT_TRANSLATE_NOOP("EngineProblem", "gamme classique : %2"), // ClassicScaleRefused
    QT_TRANSLATE_NOOP("EngineProblem", "%1 : valeur non finie"), // NotFinite
    QT_TRANSLATE_NOOP("EngineProblem", "%1 : %2 mm, doit être au moins %3 mm"), // LengthBelowMinimum
    QT_TRANSLATE_NOOP("EngineProblem", "%1 : %2 mm, doit être plus grand que %3 mm"), // LengthNotAboveMinimum
    QT_TRANSLATE_NOOP("EngineProblem", "%1 : %2 mm, au plus %3 mm"), // LengthAboveMaximum
    QT_TRANSLATE_NOOP("EngineProblem", "%1 : %2 mm, doit rester entre -100 et 100 mm"), // SetbackOutOfRange
    QT_TRANSLATE_NOOP("EngineProblem", "%1 : %2 mm porte le sillet jusqu'à la première frette, à %3 mm"), // NutSetbackPastFirstFret
    QT_TRANSLATE_NOOP("EngineProblem", "%1 : %2 mm porte le chevalet jusqu'à la dernière frette, à %3 mm de lui"), // SaddleSetbackBeforeLastFret
    QT_TRANSLATE_NOOP("EngineProblem", "%1 : %2, doit être entre %3 et %4"), // CountOutOfRange
    QT_TRANSLATE_NOOP("EngineProblem", "%1 %2 : le rapport doit dépasser 1/1"), // PeriodRatioNotAboveUnison
    QT_TRANSLATE_NOOP("EngineProblem", "%1 de %2 cents : doit être entre 1 et 12000 cents"), // PeriodCentsNotInRange
    QT_TRANSLATE_NOOP("EngineProblem", "%1, %2"), // ScalaScaleUnusable
    QT_TRANSLATE_NOOP("EngineProblem", "%1 « %2 », %3"), // ScalaFileUnusable
    QT_TRANSLATE_NOOP("EngineProblem", "une seule corde : les diapasons des graves et des aigus doivent être égaux"), // OneStringTwoLengths
    QT_TRANSLATE_NOOP("EngineProblem", "%1 : %2, doit être 0 (sillet), une frette de 1 à %3 ou le chevalet"), // PerpendicularOutOfRange
    QT_TRANSLATE_NOOP("EngineProblem", "%1 : %2 mm de chaque côté ne laisse aucune place aux cordes sur %3 mm"), // NoRoomForStrings
    QT_TRANSLATE_NOOP("EngineProblem", "%1 : %2 mm, trop loin de celui du sillet pour des cordes aussi courtes"), // SpacingTooFar
    QT_TRANSLATE_NOOP("EngineProblem", "%1 : %2, doit être entre 0 (Do) et 11 (Si)"), // OpenNoteOutOfRange
    QT_TRANSLATE_NOOP("EngineProblem", "unité inconnue"), // UnknownUnitValue
    QT_TRANSLATE_NOOP("EngineProblem", "%1 : la frette %2 laisserait moins d'un millionième de la corde ; au plus %3 frettes avec ce tempérament"), // TooManyFretsForTemperament
    QT_TRANSLATE_NOOP("EngineProblem", "les frettes %2 et %3 se confondent : le tempérament a deux hauteurs presque égales"), // FretsMerge
    QT_TRANSLATE_NOOP("EngineProblem", "champ absent"), // FieldMissing
    QT_TRANSLATE_NOOP("EngineProblem", "un texte est attendu"), // TextExpected
    QT_TRANSLATE_NOOP("EngineProblem", "un nombre entier est attendu"), // IntegerExpected
    QT_TRANSLATE_NOOP("EngineProblem", "%2 est hors de toute mesure"), // IntegerBeyondMeasure
    QT_TRANSLATE_NOOP("EngineProblem", "un nombre est attendu"), // NumberExpected
    QT_TRANSLATE_NOOP("EngineProblem", "champ inconnu"), // UnknownField
    QT_TRANSLATE_NOOP("EngineProblem", "un objet est attendu"), // ObjectExpected
    QT_TRANSLATE_NOOP("EngineProblem", "base64 illisible"), // Base64Unreadable
    QT_TRANSLATE_NOOP("EngineProblem", "gamme classique inconnue « %2 »"), // UnknownClassicScale
    QT_TRANSLATE_NOOP("EngineProblem", "« %2 » : sol ou do attendu"), // ModeExpected
    QT_TRANSLATE_NOOP("EngineProblem", "table inconnue « %2 » (just-12, pythagorean-12, meantone-12)"), // UnknownTable
    QT_TRANSLATE_NOOP("EngineProblem", "« %2 » : equal, scala, classic ou builtin attendu"), // UnknownTemperamentKind
    QT_TRANSLATE_NOOP("EngineProblem", "le fichier ne contient pas un objet JSON"), // NotAJsonObject
    QT_TRANSLATE_NOOP("EngineProblem", "« %2 » n'est pas un dessin de manche Corvane (corvane-board attendu)"), // NotABoardDesign
    QT_TRANSLATE_NOOP("EngineProblem", "version %2 inconnue (cette version de Corvane lit la version %3)"), // UnknownVersion
    QT_TRANSLATE_NOOP("EngineProblem", "« %2 » : mm, cm ou in attendu"), // UnitExpected
    QT_TRANSLATE_NOOP("EngineProblem", "« %2 » : un numéro de frette, nut ou bridge attendu"), // PerpendicularNameExpected
    QT_TRANSLATE_NOOP("EngineProblem", "un numéro de frette, nut ou bridge attendu"), // PerpendicularExpected
    QT_TRANSLATE_NOOP("EngineProblem", "« %2 » n'est pas un nom de note (Do, Do#, Ré, ... Si)"), // NotANoteName
    QT_TRANSLATE_NOOP("EngineProblem", "fichier JSON mal formé (octet %2)"), // JsonMalformed
    QT_TRANSLATE_NOOP("EngineProblem", "fichier JSON illisible : un nombre hors de toute mesure"), // JsonNumberBeyond
    QT_TRANSLATE_NOOP("EngineProblem", "fichier JSON inutilisable"), // JsonUnusable
    QT_TRANSLATE_NOOP("EngineProblem", "impossible de lire « %2 » : %3"), // FileUnreadableBecause
    QT_TRANSLATE_NOOP("EngineProblem", "« %2 » est trop grand pour un dessin de manche"), // FileTooLarge
    QT_TRANSLATE_NOOP("EngineProblem", "« %2 » est trop grand pour un fichier Scala"), // ScalaFileTooLarge
    QT_TRANSLATE_NOOP("EngineProblem", "impossible de lire « %2 »"), // FileUnreadable
};

} // namespace

const char* ProblemSourcePattern(board::ProblemKind kind)
{
    return Patterns[static_cast<std::size_t>(kind)];
}

bool NamesSubject(board::ProblemKind kind)
{
    return QString::fromUtf8(ProblemSourcePattern(kind)).contains(QStringLiteral("%1"));
}

QString ProblemText(const board::Problem& problem, const QString& subject)
{
    std::vector<std::string> values = problem.values;
    for (const board::Problem& inner : problem.cause)
        values.push_back(ProblemText(inner).toStdString());
    const QString pattern = QCoreApplication::translate("EngineProblem", ProblemSourcePattern(problem.kind));
    return QString::fromStdString(board::FillPattern(pattern.toStdString(), subject.toStdString(), values));
}

} // namespace corvane::atelier
