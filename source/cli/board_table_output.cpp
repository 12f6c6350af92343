#include "board_table_output.h"

#include "strings_report.h"

#include "csv.h"
#include "figure_text.h"
#include "messages.h"
#include "table_columns.h"
#include "text_fields.h"
#include "translation.h"
#include "words.h"

#include <algorithm>
#include <cmath>
#include <string_view>
#include <vector>

namespace corvane::cli {

namespace {

using board::BoardLayout;
using board::FretOnString;
using board::TableColumn;
using board::Unit;

using board::CentsDecimals;
using board::FixedText;
using board::FromNutText;
using board::LengthDecimals;
using board::RatioDecimals;

// A text table's heading, in the user's language, with the unit of a length.
std::string Heading(const BoardLayout& board, TableColumn column)
{
    return language::TableHeading(column, language::CurrentLanguage(), board.design.unit);
}

std::string LengthWithUnit(const BoardLayout& board, double mm, std::string_view separator)
{
    return board::LengthWithUnitText(mm, board.design.unit, separator);
}

std::string Title(const BoardLayout& board, std::string_view separator)
{
    const board::Design& d = board.design;
    const drawing::TemplateWords words = language::InterfaceTemplateWords();
    const std::string strings = d.strings == 1
        ? words.oneString
        : drawing::Filled(words.strings, { std::to_string(d.strings) });
    const std::string frets
        = d.frets == 1 ? words.oneFret : drawing::Filled(words.frets, { std::to_string(d.frets) });
    if (!d.IsFanned())
        return Say(QT_TRANSLATE_NOOP("corvane-frets", "%1 - %2, %3, diapason %4"),
            { board.temperament.name, strings, frets,
                LengthWithUnit(board, d.bassLengthMm, separator) });
    const std::string perpendicular = d.perpendicularFret == 0 ? words.nutSquare
        : d.perpendicularFret == board::PerpendicularAtBridge
        ? words.bridgeSquare
        : drawing::Filled(words.fretSquare, { std::to_string(d.perpendicularFret) });
    return Say(
        QT_TRANSLATE_NOOP("corvane-frets", "%1 - %2, %3, diapason %4 (graves) à %5 (aigus), %6"),
        { board.temperament.name, strings, frets, LengthWithUnit(board, d.bassLengthMm, separator),
            LengthWithUnit(board, d.trebleLengthMm, separator), perpendicular });
}

} // namespace

std::string FormatBoardText(const BoardLayout& board, const std::string& separator)
{
    const std::vector<TableColumn> columns = board::CommandColumns(board, false);
    std::vector<std::string> headings;
    for (const TableColumn column : columns)
        headings.push_back(Heading(board, column));
    std::vector<std::vector<std::string>> table;
    table.reserve(board.rows.size());
    std::vector<std::size_t> widths;
    for (const std::string& heading : headings)
        widths.push_back(TerminalColumns(heading));
    for (const FretOnString* row : board::TableRows(board)) {
        table.push_back(board::RowCells(board, *row, columns, separator));
        for (std::size_t i = 0; i < widths.size(); ++i)
            widths[i] = std::max(widths[i], TerminalColumns(table.back()[i]));
    }

    std::string out = Title(board, separator) + "\n"
        + Say(QT_TRANSLATE_NOOP("corvane-frets",
                  "Distances en %1 le long de l'axe du manche (corde 1 : la plus grave)"),
            { board::UnitSymbol(board.design.unit) })
        + "\n\n";
    const auto line = [&](const std::vector<std::string>& cells) {
        std::string text;
        for (std::size_t i = 0; i < cells.size(); ++i) {
            if (i > 0)
                text += "  ";
            const bool last = i + 1 == cells.size();
            if (board::Describe(columns[i]).rightAligned)
                text += PadLeft(cells[i], widths[i]);
            else
                text += last ? cells[i] : PadRight(cells[i], widths[i]);
        }
        while (!text.empty() && text.back() == ' ')
            text.pop_back();
        out += text + '\n';
    };
    line(headings);
    for (const auto& cells : table)
        line(cells);
    const std::vector<std::string> problems = StringProblemsSaid(board);
    if (!problems.empty())
        out += '\n';
    for (const std::string& problem : problems)
        out += problem + '\n';
    return out;
}

std::string FormatBoardCsv(const BoardLayout& board, const std::string& separator)
{
    return board::CommandTableCsv(board, separator);
}

std::string FormatBoardJson(const BoardLayout& board)
{
    const board::Design& d = board.design;
    const Unit unit = d.unit;
    const auto length
        = [&](double mm) { return FixedText(board::FromMillimetres(mm, unit), LengthDecimals); };
    std::string out = "{\"temperament\": " + JsonString(board.temperament.name) + ", \"unit\": "
        + JsonString(board::UnitSymbol(unit)) + ", \"frets\": " + std::to_string(d.frets)
        + ", \"strings\": " + std::to_string(d.strings) + ", \"string_lengths\": [";
    for (std::size_t i = 0; i < board.strings.size(); ++i)
        out += (i > 0 ? ", " : "") + length(board.strings[i].lengthMm);
    out += "], \"rows\": [";
    bool first = true;
    for (const FretOnString* shown : board::TableRows(board)) {
        const FretOnString& row = *shown;
        out += first ? "\n  " : ",\n  ";
        first = false;
        out += "{\"fret\": " + std::to_string(row.fret) + ", \"string\": "
            + std::to_string(row.string) + ", \"from_nut\": " + FromNutText(board, row, ".")
            + ", \"fret_to_fret\": " + length(row.fretToFretMm) + ", \"to_saddle\": "
            + length(row.toSaddleMm) + ", \"ratio\": " + FixedText(row.ratio, RatioDecimals)
            + ", \"cents\": " + FixedText(row.cents, CentsDecimals)
            + ", \"note\": " + JsonString(row.note)
            + ", \"compensated_from_nut\": " + length(row.compensatedFromNutMm)
            + ", \"compensated_to_saddle\": " + length(row.compensatedToSaddleMm);
        if (unit == Unit::Inch) {
            const auto fraction
                = board::NearestSixtyFourth(board::FromMillimetres(row.fromNutMm, Unit::Inch));
            out += ", \"from_nut_64th\": " + JsonString(fraction.Text())
                + ", \"from_nut_64th_error\": "
                + FixedText(fraction.errorInches, board::InchErrorDecimals);
        }
        for (const TableColumn column : { TableColumn::ErrorCents, TableColumn::FretletFromNut,
                 TableColumn::Radius, TableColumn::EdgeDrop }) {
            const std::string cell = board::CellText(board, row, column);
            if (!cell.empty())
                out += ", \"" + std::string(board::Describe(column).key) + "\": " + cell;
        }
        out += "}";
    }
    out += "\n]}\n";
    return out;
}

} // namespace corvane::cli
