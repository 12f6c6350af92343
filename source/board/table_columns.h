#pragma once

// The columns of a board's table, defined once: the command's text, csv
// and json tables and the Atelier's table, its copy and its CSV take their
// keys, headings, precision and figures from here, so that the same column
// holds the same digits wherever it is read.

#include "layout.h"

#include <string>
#include <string_view>
#include <vector>

namespace corvane::board {

enum class TableColumn {
    Fret,
    String,
    Note,
    Ratio,
    Cents,
    FromNut,
    FretToFret,
    ToSaddle,
    CompensatedFromNut,
    CompensatedToSaddle,
    NearestSixtyFourth,
    SixtyFourthError,
    ErrorCents, // with strings: the note's error with the setbacks in use
    FretletFromNut, // with fretlets: this string's own fret position
    Radius, // on a radiused board, in millimetres whatever the unit
    EdgeDrop,
};

struct ColumnInfo {
    TableColumn column;
    std::string_view key; // csv heading and json key: never translated
    bool inDesignUnit; // a length in the design's unit: its heading names the unit
    bool rightAligned;
};

const ColumnInfo& Describe(TableColumn column) noexcept;

// Whether any setback is set: the compensated columns say something then.
bool Compensated(const Design& design) noexcept;
// Whether the strings differ (a fan, or compensation varying across).
bool StringsDiffer(const Design& design) noexcept;
// Whether the layout has each fret's error, and each string's fretlets.
bool HasErrors(const BoardLayout& board) noexcept;
bool HasFretlets(const BoardLayout& board) noexcept;
bool HasRadius(const BoardLayout& board) noexcept;

// The table's rows in order: a zero fret's first, then every fret's.
std::vector<const FretOnString*> TableRows(const BoardLayout& board);

// The figure of a row in a column: fixed decimals, the given decimal
// separator, no negative zero, a classic scale's own digits; empty where
// the layout has no such figure.
std::string CellText(const BoardLayout& board, const FretOnString& row, TableColumn column,
    std::string_view separator = ".");

// The command's columns, in the order scripts have always read them: the
// compensated ones always with `allCompensation` (csv, json), otherwise
// only when a setback is set; then what the board has (inches, errors,
// fretlets, radius).
std::vector<TableColumn> CommandColumns(const BoardLayout& board, bool allCompensation);

// A row's figures in those columns.
std::vector<std::string> RowCells(const BoardLayout& board, const FretOnString& row,
    const std::vector<TableColumn>& columns, std::string_view separator = ".");

// The command's csv table (keys, then one line per row; comma, LF), the
// same bytes from every front end that offers it.
std::string CommandTableCsv(const BoardLayout& board, const std::string& separator);

} // namespace corvane::board
