#pragma once

// The columns of a table of strings, defined once: the command's
// --strings-report (text, csv, json) and the Atelier's strings take their
// keys, headings and figures from here, so that a figure reads the same
// digits in both.

#include "layout.h"

#include <string>
#include <string_view>
#include <vector>

namespace corvane::board {

enum class StringColumn {
    String,
    Pitch,
    Frequency,
    Length,
    Item,
    Gauge,
    UnitWeightKgPerM,
    UnitWeightGramPerM,
    TensionN,
    TensionKgf,
    TensionLbf,
    Kappa,
    B0,
    ConstantsSource,
    SaddleSetback,
    NutSetback,
    RmsBefore,
    RmsAfter,
    WorstAfter,
    NutPosition, // across the nut from the board's bass edge
    BridgePosition, // across the saddle from the bass edge prolonged
    StraightSaddleSetback, // where a straight saddle crosses the string
    StraightSaddleRms,
    StraightSaddleWorst,
};

struct StringColumnInfo {
    StringColumn column;
    std::string_view key; // csv heading and json key: never translated
    bool inDesignUnit; // a length in the design's unit: its heading names the unit
    bool isText; // json writes it quoted
};

const StringColumnInfo& Describe(StringColumn column) noexcept;

// Where kappa and B0 come from, as files and scripts name it ("published");
// in words: language::ConstantsSourceName.
std::string_view ConstantsSourceKey(ConstantsSource source) noexcept;

// The figure of a string in a column: fixed decimals, the given decimal
// separator; empty where the engine has no such figure (kappa and B0 of a
// string it knows nothing of). Lengths in `unit`.
std::string StringCellText(
    const StringReport& string, StringColumn column, Unit unit, std::string_view separator = ".");

// The command's --strings-report columns, in the order scripts read them;
// strings spaced by their gaps add where to cut the nut and drill the
// bridge, a straight saddle its own figures.
std::vector<StringColumn> CommandStringColumns(const BoardLayout& board);

} // namespace corvane::board
