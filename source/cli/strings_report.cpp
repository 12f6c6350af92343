#include "strings_report.h"

#include "csv.h"
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

// The report's columns, in the order scripts read them; strings spaced by
// their gaps add where to cut the nut and drill the bridge.
std::vector<StringColumn> Columns(const board::BoardLayout& board)
{
    using enum StringColumn;
    std::vector<StringColumn> columns
        = { String, Pitch, Frequency, Length, UnitWeightKgPerM, TensionN, TensionKgf, TensionLbf,
              Kappa, B0, SaddleSetback, NutSetback, RmsBefore, RmsAfter, WorstAfter };
    if (board.design.spacing == board::StringSpacing::Gaps)
        columns.insert(columns.end(), { NutPosition, BridgePosition });
    return columns;
}

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
    return said;
}

std::string FormatStringsText(const board::BoardLayout& board, const std::string& separator)
{
    const std::vector<StringColumn> ReportColumns = Columns(board);
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
    const std::vector<StringColumn> ReportColumns = Columns(board);
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
    const std::vector<StringColumn> ReportColumns = Columns(board);
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
    out += "\n]}\n";
    return out;
}

} // namespace corvane::cli
