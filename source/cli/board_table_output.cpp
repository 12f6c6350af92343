#include "board_table_output.h"

#include "figure_text.h"
#include "text_fields.h"

#include <algorithm>
#include <cmath>
#include <string_view>
#include <vector>

namespace corvane::cli {

namespace {

using board::BoardLayout;
using board::FretOnString;
using board::Unit;

using board::CentsDecimals;
using board::LengthDecimals;
using board::RatioDecimals;

using board::FixedText;
using board::FromNutText;

bool Compensated(const BoardLayout& board)
{
    const board::Design& d = board.design;
    return d.nutSetbackBassMm != 0 || d.nutSetbackTrebleMm != 0 || d.saddleSetbackBassMm != 0
           || d.saddleSetbackTrebleMm != 0;
}

// The row's fields, in column order, for csv and text.
struct Column {
    std::string_view csvName;
    std::string_view heading; // French, for the text table
    bool rightAligned;
};

std::vector<Column> Columns(const BoardLayout& board, bool allCompensation)
{
    std::vector<Column> columns = {
        {"fret", "Frette", true},        {"string", "Corde", true},
        {"from_nut", "Depuis sillet", true}, {"fret_to_fret", "Depuis frette préc.", true},
        {"to_saddle", "Jusqu'au chevalet", true}, {"ratio", "Rapport", true},
        {"cents", "Cents", true},        {"note", "Note", false},
    };
    if (allCompensation || Compensated(board)) {
        columns.push_back({"compensated_from_nut", "Depuis sillet comp.", true});
        columns.push_back({"compensated_to_saddle", "Jusqu'au chevalet comp.", true});
    }
    if (board.design.unit == Unit::Inch) {
        columns.push_back({"from_nut_64th", "Au 1/64", true});
        columns.push_back({"from_nut_64th_error", "Écart", true});
    }
    return columns;
}

std::vector<std::string> Fields(const BoardLayout& board, const FretOnString& row, bool allCompensation,
                                std::string_view separator)
{
    const Unit unit = board.design.unit;
    const auto length = [&](double mm) { return FixedText(board::FromMillimetres(mm, unit), LengthDecimals, separator); };
    std::vector<std::string> fields = {
        std::to_string(row.fret),          std::to_string(row.string),
        FromNutText(board, row, separator), length(row.fretToFretMm),
        length(row.toSaddleMm),            FixedText(row.ratio, RatioDecimals, separator),
        FixedText(row.cents, CentsDecimals, separator), row.note,
    };
    if (allCompensation || Compensated(board)) {
        fields.push_back(length(row.compensatedFromNutMm));
        fields.push_back(length(row.compensatedToSaddleMm));
    }
    if (unit == Unit::Inch) {
        const auto fraction = board::NearestSixtyFourth(board::FromMillimetres(row.fromNutMm, Unit::Inch));
        fields.push_back(fraction.Text());
        fields.push_back(board::InchErrorText(fraction.errorInches, separator));
    }
    return fields;
}

std::string LengthWithUnit(const BoardLayout& board, double mm, std::string_view separator)
{
    const Unit unit = board.design.unit;
    return board::ShortText(board::FromMillimetres(mm, unit), separator) + " " + std::string(board::UnitSymbol(unit));
}

std::string Title(const BoardLayout& board, std::string_view separator)
{
    const board::Design& d = board.design;
    std::string title = board.temperament.name + " - " + std::to_string(d.strings)
                        + (d.strings == 1 ? " corde, " : " cordes, ") + std::to_string(d.frets)
                        + (d.frets == 1 ? " frette, diapason " : " frettes, diapason ")
                        + LengthWithUnit(board, d.bassLengthMm, separator);
    if (d.IsFanned()) {
        title += " (graves) à " + LengthWithUnit(board, d.trebleLengthMm, separator) + " (aigus), ";
        if (d.perpendicularFret == 0)
            title += "sillet perpendiculaire";
        else if (d.perpendicularFret == board::PerpendicularAtBridge)
            title += "chevalet perpendiculaire";
        else
            title += "frette " + std::to_string(d.perpendicularFret) + " perpendiculaire";
    }
    return title;
}

} // namespace

std::string FormatBoardText(const BoardLayout& board, const std::string& separator)
{
    const std::vector<Column> columns = Columns(board, false);
    std::vector<std::vector<std::string>> table;
    table.reserve(board.rows.size());
    std::vector<std::size_t> widths;
    for (const Column& column : columns)
        widths.push_back(TerminalColumns(column.heading));
    for (const FretOnString& row : board.rows) {
        table.push_back(Fields(board, row, false, separator));
        for (std::size_t i = 0; i < widths.size(); ++i)
            widths[i] = std::max(widths[i], TerminalColumns(table.back()[i]));
    }

    std::string out = Title(board, separator) + "\nDistances en " + std::string(board::UnitSymbol(board.design.unit))
                      + " le long de l'axe du manche (corde 1 : la plus grave)\n\n";
    const auto line = [&](const std::vector<std::string>& cells) {
        std::string text;
        for (std::size_t i = 0; i < cells.size(); ++i) {
            if (i > 0)
                text += "  ";
            const bool last = i + 1 == cells.size();
            if (columns[i].rightAligned)
                text += PadLeft(cells[i], widths[i]);
            else
                text += last ? cells[i] : PadRight(cells[i], widths[i]);
        }
        while (!text.empty() && text.back() == ' ')
            text.pop_back();
        out += text + '\n';
    };
    std::vector<std::string> headings;
    for (const Column& column : columns)
        headings.emplace_back(column.heading);
    line(headings);
    for (const auto& cells : table)
        line(cells);
    return out;
}

std::string FormatBoardCsv(const BoardLayout& board, const std::string& separator)
{
    const std::vector<Column> columns = Columns(board, true);
    std::string out;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if (i > 0)
            out += ',';
        out += columns[i].csvName;
    }
    out += '\n';
    for (const FretOnString& row : board.rows) {
        const std::vector<std::string> fields = Fields(board, row, true, separator);
        for (std::size_t i = 0; i < fields.size(); ++i) {
            if (i > 0)
                out += ',';
            out += CsvField(fields[i], separator == "." ? "," : separator);
        }
        out += '\n';
    }
    return out;
}

std::string FormatBoardJson(const BoardLayout& board)
{
    const board::Design& d = board.design;
    const Unit unit = d.unit;
    const auto length = [&](double mm) { return FixedText(board::FromMillimetres(mm, unit), LengthDecimals); };
    std::string out = "{\"temperament\": " + JsonString(board.temperament.name) + ", \"unit\": "
                      + JsonString(board::UnitSymbol(unit)) + ", \"frets\": " + std::to_string(d.frets)
                      + ", \"strings\": " + std::to_string(d.strings) + ", \"string_lengths\": [";
    for (std::size_t i = 0; i < board.strings.size(); ++i)
        out += (i > 0 ? ", " : "") + length(board.strings[i].lengthMm);
    out += "], \"rows\": [";
    bool first = true;
    for (const FretOnString& row : board.rows) {
        out += first ? "\n  " : ",\n  ";
        first = false;
        out += "{\"fret\": " + std::to_string(row.fret) + ", \"string\": " + std::to_string(row.string)
               + ", \"from_nut\": " + FromNutText(board, row, ".") + ", \"fret_to_fret\": " + length(row.fretToFretMm)
               + ", \"to_saddle\": " + length(row.toSaddleMm) + ", \"ratio\": " + FixedText(row.ratio, RatioDecimals)
               + ", \"cents\": " + FixedText(row.cents, CentsDecimals) + ", \"note\": " + JsonString(row.note)
               + ", \"compensated_from_nut\": " + length(row.compensatedFromNutMm)
               + ", \"compensated_to_saddle\": " + length(row.compensatedToSaddleMm);
        if (unit == Unit::Inch) {
            const auto fraction = board::NearestSixtyFourth(board::FromMillimetres(row.fromNutMm, Unit::Inch));
            out += ", \"from_nut_64th\": " + JsonString(fraction.Text())
                   + ", \"from_nut_64th_error\": " + FixedText(fraction.errorInches, board::InchErrorDecimals);
        }
        out += "}";
    }
    out += "\n]}\n";
    return out;
}

} // namespace corvane::cli
