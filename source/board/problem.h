#pragma once

// Why something the user typed or opened cannot be used, as data: a kind
// and the numbers and texts it names. The engines never phrase it: every
// front end does, through the one table of patterns (language/phrase.h),
// in its reader's language, unit and decimal separator.

#include "whole_file.h"

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
    RadiusBelowHalfWidth,
    BoardEndCutsLastFret,
    SpacingNeedsGauge,
    SpacingNoGap,
    StringLengthsDisagree,
    FretsNotStraight,
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
    // A straight saddle that could not be fitted.
    SaddlePiecesMixed,
    SaddleStringUnknown,
    SaddleUnsettled,
    SaddleBeyond,
    StraightSaddleNeedsComputed,
    // The router's values.
    PassDeeperThanSlot,
    TooManyPasses,
    ZeroOrInRange,
    MarginLeavesNoSlot,
    BoardTooLongToSlot,
    BedTooShort,
    // Why a named file cannot be read (the cause of FileUnreadableBecause).
    ReadNoSuchFile,
    ReadPermissionDenied,
    ReadIsAFolder,
    ReadNotARegularFile,
    ReadSystemError,
    // A file that could not be written (the reason is its cause).
    FileNotWritten,
    WriteNoSuchFolder,
    WritePermissionDenied,
    WriteReadOnlyFile,
    WriteDiskFull,
    WriteReadOnlyMedium,
    WriteIsAFolder,
    WriteNotARegularFile,
    WriteNameTooLong,
    WriteTooManyLinks,
    WriteIncomplete,
    WriteSystemError,
    // A design that could not be saved (its problem is the cause).
    DesignNotSaved,
    // Templates: their pages, a classic scale's texts, their files, printing.
    PaperTooSmall,
    TooManyPages,
    NoScaleChosen,
    ClassicLengthNotPositive,
    BoardWidthNotPositive,
    PositionNotANumber,
    UnknownTemplateFormat,
    UnknownChartFormat,
    PrinterRefusesPage,
    PrinterUnavailable,
    PrintUnfinished,
    RouterOriginExpected,
    BoardEndShapeExpected,
    SpacingExpected,
    SaddleShapeExpected,
};
inline constexpr int ProblemKindCount = static_cast<int>(ProblemKind::SaddleShapeExpected) + 1;

// What a problem names, kept as data so that each reader sees it in their
// own unit and with their own decimal separator: a text as the user gave
// it, a number with the unit that follows it ("Hz", "cents"), or a length
// in millimetres (written in the reader's unit, "/min" after it for a feed).
struct ProblemValue {
    enum class Kind { Text, Number, Length };
    Kind kind = Kind::Text;
    std::string text; // Text: as given; Number, Length: what follows the unit
    double number = 0; // Number: the value; Length: millimetres
    int decimals = -1; // fixed decimals; -1: up to ten significant digits

    ProblemValue() = default;
    ProblemValue(std::string given)
        : text(std::move(given))
    {
    }
    ProblemValue(const char* given)
        : text(given)
    {
    }
    static ProblemValue Length(double millimetres, std::string after = {});
    static ProblemValue Number(double value, std::string unit = {}, int decimals = -1);
    static ProblemValue Count(long long value);
    friend bool operator==(const ProblemValue&, const ProblemValue&) = default;
};

struct Problem {
    ProblemKind kind = ProblemKind::NotFinite;
    // What the pattern names, in its order (%2, %3, ...): %1 is the subject,
    // the field as the reader's front end names it.
    std::vector<ProblemValue> values;
    // The problem inside this one (the Scala text's, for a Scala scale a
    // design cannot use): at most one, phrased after the values.
    std::vector<Problem> cause;
    friend bool operator==(const Problem&, const Problem&) = default;
};

// A text the user gave, as a message quotes it: control characters
// escaped ("\n"), and at most `longest` characters, "…" ending what is left
// out.
inline constexpr std::size_t QuotedValueLength = 60;
std::string QuotedValue(std::string_view text, std::size_t longest = QuotedValueLength);

// A file that could not be written: the path, and the reason as its cause.
Problem WriteProblemOf(const files::WriteProblem& problem);

} // namespace corvane::board
