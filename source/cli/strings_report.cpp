#include "strings_report.h"

#include "csv.h"
#include "figure_text.h"
#include "messages.h"
#include "string_columns.h"
#include "text_fields.h"
#include "translation.h"
#include "words.h"

#include <algorithm>
#include <vector>

namespace corvane::cli {

namespace {

using board::StringColumn;

std::string Heading(const board::BoardLayout& board, StringColumn column)
{
    return language::StringHeading(column, language::CurrentLanguage(), board.design.unit);
}

// A string's problems as one sentence, empty when it has none.
std::string ProblemsOf(const board::StringReport& string, board::Unit unit)
{
    std::string said;
    for (const auto& problem : { string.compensationProblem, string.fretletsProblem })
        if (problem)
            said += (said.empty() ? "" : "; ") + ProblemSaid(*problem, {}, unit);
    return said;
}

} // namespace

std::vector<std::string> StringProblemsSaid(const board::BoardLayout& board)
{
    std::vector<std::string> said;
    for (const board::StringReport& string : board.stringReports)
        for (const auto& problem : { string.compensationProblem, string.fretletsProblem })
            if (problem)
                said.push_back(ProblemSaid(*problem, {}, board.design.unit));
    if (board.saddleProblem)
        said.push_back(ProblemSaid(*board.saddleProblem, {}, board.design.unit));
    return said;
}

std::string FormatStringsText(const board::BoardLayout& board, const std::string& separator)
{
    const std::vector<StringColumn> ReportColumns = board::CommandStringColumns(board);
    std::vector<std::vector<std::string>> table(1);
    for (const StringColumn column : ReportColumns)
        table[0].push_back(Heading(board, column));
    for (const board::StringReport& string : board.stringReports) {
        table.emplace_back();
        for (const StringColumn column : ReportColumns)
            table.back().push_back(
                board::StringCellText(string, column, board.design.unit, separator));
    }
    std::vector<std::size_t> widths(ReportColumns.size(), 0);
    for (const auto& row : table)
        for (std::size_t i = 0; i < row.size(); ++i)
            widths[i] = std::max(widths[i], TerminalColumns(row[i]));
    std::string out;
    for (const auto& row : table) {
        std::string line;
        for (std::size_t i = 0; i < row.size(); ++i)
            line += (i > 0 ? "  " : "")
                + (board::Describe(ReportColumns[i]).isText ? PadRight(row[i], widths[i])
                                                            : PadLeft(row[i], widths[i]));
        while (!line.empty() && line.back() == ' ')
            line.pop_back();
        out += line + '\n';
    }
    for (const board::SaddlePiece& piece : board.saddlePieces)
        out += Say(QT_TRANSLATE_NOOP("corvane-frets",
                       "Chevalet droit, cordes %1 à %2 : recul %3 à la corde %1, %4 à la corde "
                       "%2, incliné de %5°"),
                   { std::to_string(piece.firstString), std::to_string(piece.lastString),
                       board::LengthWithUnitText(piece.bassSetbackMm, board.design.unit, separator),
                       board::LengthWithUnitText(
                           piece.trebleSetbackMm, board.design.unit, separator),
                       board::FixedText(piece.angleDeg, 2, separator) })
            + '\n';
    const std::vector<std::string> problems = StringProblemsSaid(board);
    if (!problems.empty())
        out += '\n';
    for (const std::string& problem : problems)
        out += problem + '\n';
    return out;
}

std::string FormatStringsCsv(const board::BoardLayout& board, const std::string& separator)
{
    const board::CsvDialect dialect { ",", "\n", separator };
    const std::vector<StringColumn> ReportColumns = board::CommandStringColumns(board);
    std::vector<std::string> keys;
    for (const StringColumn column : ReportColumns)
        keys.emplace_back(board::Describe(column).key);
    keys.emplace_back("problem");
    std::string out = board::CsvLine(keys, dialect);
    for (const board::StringReport& string : board.stringReports) {
        std::vector<std::string> fields;
        for (const StringColumn column : ReportColumns)
            fields.push_back(
                board::StringCellText(string, column, board::Unit::Millimetre, separator));
        fields.push_back(ProblemsOf(string, board.design.unit));
        out += board::CsvLine(fields, dialect);
    }
    return out;
}

std::string FormatStringsJson(const board::BoardLayout& board)
{
    // Lengths in millimetres whatever the design's unit: the keys say so.
    const std::vector<StringColumn> ReportColumns = board::CommandStringColumns(board);
    std::string out = "{\"strings\": [";
    bool firstString = true;
    for (const board::StringReport& string : board.stringReports) {
        out += firstString ? "\n  {" : ",\n  {";
        firstString = false;
        bool first = true;
        for (const StringColumn column : ReportColumns) {
            std::string figure
                = board::StringCellText(string, column, board::Unit::Millimetre, ".");
            if (board::Describe(column).isText)
                figure = JsonString(figure);
            else if (figure.empty())
                figure = "null";
            out += (first ? "\"" : ", \"") + std::string(board::Describe(column).key)
                + "\": " + figure;
            first = false;
        }
        const std::string problems = ProblemsOf(string, board.design.unit);
        out += ", \"problem\": " + (problems.empty() ? "null" : JsonString(problems)) + "}";
    }
    out += "\n]";
    if (!board.saddlePieces.empty()) {
        // The whole saddle's ends, its angle when it is one piece, and each piece.
        const auto mm = [](double value) { return board::FixedText(value, board::LengthDecimals); };
        const auto& pieces = board.saddlePieces;
        out += ", \"straight_saddle\": {\"bass_setback_mm\": " + mm(pieces.front().bassSetbackMm)
            + ", \"treble_setback_mm\": " + mm(pieces.back().trebleSetbackMm) + ", \"angle_deg\": "
            + (pieces.size() == 1 ? board::FixedText(pieces.front().angleDeg, 3) : "null")
            + ", \"pieces\": [";
        for (std::size_t i = 0; i < pieces.size(); ++i)
            out += std::string(i > 0 ? ", " : "")
                + "{\"first_string\": " + std::to_string(pieces[i].firstString)
                + ", \"last_string\": " + std::to_string(pieces[i].lastString)
                + ", \"bass_setback_mm\": " + mm(pieces[i].bassSetbackMm)
                + ", \"treble_setback_mm\": " + mm(pieces[i].trebleSetbackMm)
                + ", \"angle_deg\": " + board::FixedText(pieces[i].angleDeg, 3) + "}";
        out += "]}";
    }
    out += "}\n";
    return out;
}

} // namespace corvane::cli
