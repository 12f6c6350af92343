#pragma once

// Why something the user typed or opened cannot be used, as data: a kind
// and the numbers and texts it names. The engine phrases it in French
// (ProblemSentence); an interface in another language phrases the same
// kind from its own table, with the same values.

#include <string>
#include <string_view>
#include <vector>

namespace corvane::board {

enum class ProblemKind {
    // A typed length.
    LengthEmpty,
    UnknownUnit,
    NotALength,
    LengthHasNoNumber,
    LengthNotPositive,
    LengthTooLarge,
    // A typed period.
    PeriodUnreadable,
    PeriodCentsOutOfRange,
    PeriodRatioOutOfRange,
    // A Scala file's text.
    ScalaCountMissing,
    ScalaCountNotANumber,
    ScalaTooManyNotes,
    ScalaPitchMissing,
    ScalaNotCents,
    ScalaNotRatio,
    ScalaRatioTooLarge,
    ScalaPitchUnusable,
    ScalaEmpty,
    ScalaTruncated,
    ScalaNoPitches,
    ScalaFirstNotAboveUnison,
    ScalaPitchesDoNotRise,
    // A classic scale at a given length.
    ClassicLengthTooSmall,
    ClassicPositionUnreadable,
    ClassicScaleRefused,
    // A design's values.
    NotFinite,
    LengthBelowMinimum,
    LengthNotAboveMinimum,
    LengthAboveMaximum,
    SetbackOutOfRange,
    NutSetbackPastFirstFret,
    SaddleSetbackBeforeLastFret,
    CountOutOfRange,
    PeriodRatioNotAboveUnison,
    PeriodCentsNotInRange,
    ScalaScaleUnusable,
    ScalaFileUnusable,
    OneStringTwoLengths,
    PerpendicularOutOfRange,
    NoRoomForStrings,
    SpacingTooFar,
    OpenNoteOutOfRange,
    UnknownUnitValue,
    TooManyFretsForTemperament,
    FretsMerge,
    // A design file.
    FieldMissing,
    TextExpected,
    IntegerExpected,
    IntegerBeyondMeasure,
    NumberExpected,
    UnknownField,
    ObjectExpected,
    Base64Unreadable,
    UnknownClassicScale,
    ModeExpected,
    UnknownTable,
    UnknownTemperamentKind,
    NotAJsonObject,
    NotABoardDesign,
    UnknownVersion,
    UnitExpected,
    PerpendicularNameExpected,
    PerpendicularExpected,
    NotANoteName,
    JsonMalformed,
    JsonNumberBeyond,
    JsonUnusable,
    FileUnreadableBecause,
    FileTooLarge,
    ScalaFileTooLarge,
    // A design's strings; the first value is the string's number.
    StringCountDiffers,
    PitchUnreadable,
    UnknownStringItem,
    StringWeightMissing,
    StringValueOutOfRange,
    StringConstantsTogether,
    StringConstantsUnknown,
    CompensationNeedsStrings,
    CompensationModeExpected,
    ArrayExpected,
    BooleanExpected,
    PitchOutOfRange,
    TooManyStrings,
    FretsTooFewToFit,
    AboveMinimumAtMost,
    // A string's computed compensation or fretlets, not used; the first
    // value is the string's number.
    CompensationWorse,
    CompensationUnsettled,
    CompensationSaddleBeyond,
    CompensationNutBeyond,
    CompensationNutPastFirstFret,
    CompensationSaddlePastLastFret,
    FretletOutOfPlace,
    FretletNoPlace,
    // The router's values.
    PassDeeperThanSlot,
    TooManyPasses,
    ZeroOrInRange,
    MarginLeavesNoSlot,
    BoardTooLongToSlot,
    // Why a named file cannot be read (the cause of FileUnreadableBecause).
    ReadNoSuchFile,
    ReadPermissionDenied,
    ReadIsAFolder,
    ReadNotARegularFile,
    ReadSystemError,
};
inline constexpr int ProblemKindCount = static_cast<int>(ProblemKind::ReadSystemError) + 1;

struct Problem {
    ProblemKind kind = ProblemKind::NotFinite;
    // What the sentence names, in its order (%2, %3, ...), already written
    // out: numbers as the engine writes them, texts as the user gave them.
    std::vector<std::string> values;
    // The problem inside this one (the Scala text's, for a Scala scale a
    // design cannot use): at most one, its sentence is the last value.
    std::vector<Problem> cause;
};

// The French pattern of a kind: %1 is the subject (the field's name), %2,
// %3... the values; a pattern may leave out any of them.
std::string_view ProblemPattern(ProblemKind kind) noexcept;

// Replaces %1 by the subject and %2... by the given values; a number past
// the values stays as written.
std::string FillPattern(
    std::string_view pattern, std::string_view subject, const std::vector<std::string>& values);

// The French sentence (the end of a sentence, lower case), as every
// message of the engine reads.
std::string ProblemSentence(const Problem& problem, std::string_view subject = {});

// A text the user gave, as a message quotes it: control characters
// escaped ("\n"), and at most QuotedValueLength characters, "…" ending what
// is left out.
inline constexpr std::size_t QuotedValueLength = 60;
std::string QuotedValue(std::string_view text, std::size_t longest = QuotedValueLength);

// The French name of a design field, as the engine's sentences say it
// ("bass_length" -> "diapason des graves"); the key itself when unknown.
std::string_view FieldSubject(std::string_view field) noexcept;

} // namespace corvane::board
