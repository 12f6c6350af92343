#include "table_columns.h"

#include "csv.h"

#include "figure_text.h"

#include "enum_table.h"

#include <array>

namespace corvane::board {

namespace {

using C = TableColumn;

constexpr std::array<ColumnInfo, 16> Columns = { {
    { C::Fret, "fret", false, true },
    { C::String, "string", false, true },
    { C::Note, "note", false, false },
    { C::Ratio, "ratio", false, true },
    { C::Cents, "cents", false, true },
    { C::FromNut, "from_nut", true, true },
    { C::FretToFret, "fret_to_fret", true, true },
    { C::ToSaddle, "to_saddle", true, true },
    { C::CompensatedFromNut, "compensated_from_nut", true, true },
    { C::CompensatedToSaddle, "compensated_to_saddle", true, true },
    { C::NearestSixtyFourth, "from_nut_64th", false, true },
    { C::SixtyFourthError, "from_nut_64th_error", false, true },
    { C::ErrorCents, "error_cents", false, true },
    { C::FretletFromNut, "fretlet_from_nut", true, true },
    { C::Radius, "radius_mm", false, true },
    { C::EdgeDrop, "edge_drop_mm", false, true },
} };

static_assert(InEnumOrder(Columns, [](const auto& entry) { return entry.column; }),
    "one description per column, in the enum's order");

} // namespace

const ColumnInfo& Describe(TableColumn column) noexcept
{
    return Columns[static_cast<std::size_t>(column)];
}

namespace {

bool ComputedCompensation(const Design& d) noexcept
{
    return d.stringing.compensation == CompensationMode::Computed && d.stringing.HasStrings();
}

} // namespace

bool Compensated(const Design& d) noexcept
{
    if (d.stringing.compensation == CompensationMode::None)
        return false;
    return ComputedCompensation(d) || d.nutSetbackBassMm != 0 || d.nutSetbackTrebleMm != 0
        || d.saddleSetbackBassMm != 0 || d.saddleSetbackTrebleMm != 0;
}

bool StringsDiffer(const Design& d) noexcept
{
    if (d.bassLengthMm != d.trebleLengthMm || ComputedCompensation(d))
        return true;
    return d.stringing.compensation != CompensationMode::None
        && (d.nutSetbackBassMm != d.nutSetbackTrebleMm
            || d.saddleSetbackBassMm != d.saddleSetbackTrebleMm);
}

bool HasErrors(const BoardLayout& board) noexcept
{
    return !board.rows.empty() && board.rows.front().errorCents.has_value();
}

bool HasFretlets(const BoardLayout& board) noexcept
{
    return !board.rows.empty() && board.rows.front().fretletFromNutMm.has_value();
}

std::vector<const FretOnString*> TableRows(const BoardLayout& board)
{
    std::vector<const FretOnString*> rows;
    rows.reserve(board.zeroFretRows.size() + board.rows.size());
    for (const FretOnString& row : board.zeroFretRows)
        rows.push_back(&row);
    for (const FretOnString& row : board.rows)
        rows.push_back(&row);
    return rows;
}

bool HasRadius(const BoardLayout& board) noexcept
{
    return !board.rows.empty() && board.rows.front().radiusMm.has_value();
}

std::string CellText(const BoardLayout& board, const FretOnString& row, TableColumn column,
    std::string_view separator)
{
    const Unit unit = board.design.unit;
    const auto length = [&](double mm) {
        return FixedText(FromMillimetres(mm, unit), LengthDecimals, separator);
    };
    switch (column) {
    case C::Fret:
        return std::to_string(row.fret);
    case C::String:
        return std::to_string(row.string);
    case C::Note:
        return row.note;
    case C::Ratio:
        return FixedText(row.ratio, RatioDecimals, separator);
    case C::Cents:
        return FixedText(row.cents, CentsDecimals, separator);
    case C::FromNut:
        return FromNutText(board, row, separator);
    case C::FretToFret:
        return length(row.fretToFretMm);
    case C::ToSaddle:
        return length(row.toSaddleMm);
    case C::CompensatedFromNut:
        return length(row.compensatedFromNutMm);
    case C::CompensatedToSaddle:
        return length(row.compensatedToSaddleMm);
    case C::NearestSixtyFourth:
        return NearestSixtyFourth(FromMillimetres(row.fromNutMm, Unit::Inch)).Text();
    case C::SixtyFourthError:
        return InchErrorText(
            NearestSixtyFourth(FromMillimetres(row.fromNutMm, Unit::Inch)).errorInches, separator);
    case C::ErrorCents:
        return row.errorCents ? FixedText(*row.errorCents, ErrorCentsDecimals, separator)
                              : std::string();
    case C::FretletFromNut:
        return row.fretletFromNutMm ? length(*row.fretletFromNutMm) : std::string();
    case C::Radius:
        return row.radiusMm ? FixedText(*row.radiusMm, LengthDecimals, separator) : std::string();
    case C::EdgeDrop:
        return row.edgeDropMm ? FixedText(*row.edgeDropMm, LengthDecimals, separator)
                              : std::string();
    }
    return {};
}

std::vector<TableColumn> CommandColumns(const BoardLayout& board, bool allCompensation)
{
    using enum TableColumn;
    std::vector<TableColumn> columns
        = { Fret, String, FromNut, FretToFret, ToSaddle, Ratio, Cents, Note };
    if (allCompensation || Compensated(board.design))
        columns.insert(columns.end(), { CompensatedFromNut, CompensatedToSaddle });
    if (board.design.unit == Unit::Inch)
        columns.insert(columns.end(), { NearestSixtyFourth, SixtyFourthError });
    if (HasErrors(board))
        columns.push_back(ErrorCents);
    if (HasFretlets(board))
        columns.push_back(FretletFromNut);
    if (HasRadius(board))
        columns.insert(columns.end(), { Radius, EdgeDrop });
    return columns;
}

std::vector<std::string> RowCells(const BoardLayout& board, const FretOnString& row,
    const std::vector<TableColumn>& columns, std::string_view separator)
{
    std::vector<std::string> cells;
    cells.reserve(columns.size());
    for (const TableColumn column : columns)
        cells.push_back(CellText(board, row, column, separator));
    return cells;
}

std::string CommandTableCsv(const BoardLayout& board, const std::string& separator)
{
    const std::vector<TableColumn> columns = CommandColumns(board, true);
    const CsvDialect dialect { ",", "\n", separator };
    std::vector<std::string> keys;
    for (const TableColumn column : columns)
        keys.emplace_back(Describe(column).key);
    std::string out = CsvLine(keys, dialect);
    for (const FretOnString* row : TableRows(board))
        out += CsvLine(RowCells(board, *row, columns, separator), dialect);
    return out;
}

} // namespace corvane::board
