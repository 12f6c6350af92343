#include "strings_report.h"

#include "figure_text.h"
#include "messages.h"
#include "text_fields.h"

#include "string_physics.h"

#include <algorithm>
#include <functional>

namespace corvane::cli {

namespace {

using board::FixedText;
using board::StringReport;

// A column of the report: its key (csv, json), its heading (French, said in
// the user's language) and its figure.
struct Column {
    const char* key;
    const char* heading;
    bool lengthInDesignUnit;
    std::function<std::string(const StringReport&, const board::BoardLayout&, std::string_view)>
        figure;
};

std::string Optional(const std::optional<double>& value, int decimals, std::string_view separator)
{
    return value ? FixedText(*value, decimals, separator) : std::string();
}

std::string Length(const board::BoardLayout& board, double mm, std::string_view separator)
{
    return FixedText(
        board::FromMillimetres(mm, board.design.unit), board::LengthDecimals, separator);
}

const std::vector<Column>& Columns()
{
    static const std::vector<Column> columns = {
        { "string", "Corde", false,
            [](const StringReport& s, const auto&, auto) { return std::to_string(s.string); } },
        { "pitch", "Hauteur", false,
            [](const StringReport& s, const auto&, auto) { return s.pitch; } },
        { "frequency_hz", "Fréquence (Hz)", false,
            [](const StringReport& s, const auto&, auto sep) {
                return FixedText(s.frequencyHz, 3, sep);
            } },
        { "length_mm", "Diapason", true,
            [](const StringReport& s, const auto& b, auto sep) {
                return Length(b, s.lengthMm, sep);
            } },
        { "unit_weight_kg_per_m", "Masse linéique (kg/m)", false,
            [](const StringReport& s, const auto&, auto sep) {
                return FixedText(s.unitWeightKgPerM, 7, sep);
            } },
        { "tension_n", "Tension (N)", false,
            [](const StringReport& s, const auto&, auto sep) {
                return FixedText(s.tensionN, 2, sep);
            } },
        { "tension_kgf", "Tension (kgf)", false,
            [](const StringReport& s, const auto&, auto sep) {
                return FixedText(s.tensionN / board::NewtonsPerKgf, 2, sep);
            } },
        { "tension_lbf", "Tension (lbf)", false,
            [](const StringReport& s, const auto&, auto sep) {
                return FixedText(s.tensionN / board::NewtonsPerLbf, 2, sep);
            } },
        { "kappa", "κ", false,
            [](const StringReport& s, const auto&, auto sep) {
                return Optional(s.kappa, 1, sep);
            } },
        { "b0", "B₀", false,
            [](const StringReport& s, const auto&, auto sep) { return Optional(s.b0, 5, sep); } },
        { "saddle_setback_mm", "Recul du chevalet", true,
            [](const StringReport& s, const auto& b, auto sep) {
                return Length(b, s.setbacks.saddleMm, sep);
            } },
        { "nut_setback_mm", "Recul du sillet", true,
            [](const StringReport& s, const auto& b, auto sep) {
                return Length(b, s.setbacks.nutMm, sep);
            } },
        { "rms_cents_before", "Écart RMS avant (cents)", false,
            [](const StringReport& s, const auto&, auto sep) {
                return s.kappa ? FixedText(s.rmsCentsBefore, 3, sep) : std::string();
            } },
        { "rms_cents_after", "Écart RMS après (cents)", false,
            [](const StringReport& s, const auto&, auto sep) {
                return s.kappa ? FixedText(s.rmsCentsAfter, 3, sep) : std::string();
            } },
        { "worst_cents_after", "Pire écart après (cents)", false,
            [](const StringReport& s, const auto&, auto sep) {
                return s.kappa ? FixedText(s.worstCentsAfter, 3, sep) : std::string();
            } },
    };
    return columns;
}

} // namespace

std::string FormatStringsText(const board::BoardLayout& board, const std::string& separator)
{
    std::vector<std::vector<std::string>> table(1);
    for (const Column& column : Columns())
        table[0].push_back(Say(column.heading)
            + (column.lengthInDesignUnit
                    ? " (" + std::string(board::UnitSymbol(board.design.unit)) + ")"
                    : std::string()));
    for (const StringReport& string : board.stringReports) {
        table.emplace_back();
        for (const Column& column : Columns())
            table.back().push_back(column.figure(string, board, separator));
    }
    std::vector<std::size_t> widths(Columns().size(), 0);
    for (const auto& row : table)
        for (std::size_t i = 0; i < row.size(); ++i)
            widths[i] = std::max(widths[i], TerminalColumns(row[i]));
    std::string out;
    for (const auto& row : table) {
        std::string line;
        for (std::size_t i = 0; i < row.size(); ++i)
            line += (i > 0 ? "  " : "")
                + (i == 1 ? PadRight(row[i], widths[i]) : PadLeft(row[i], widths[i]));
        while (!line.empty() && line.back() == ' ')
            line.pop_back();
        out += line + '\n';
    }
    return out;
}

std::string FormatStringsCsv(const board::BoardLayout& board, const std::string& separator)
{
    std::string out;
    for (const Column& column : Columns())
        out += (out.empty() ? "" : ",") + std::string(column.key);
    out += '\n';
    for (const StringReport& string : board.stringReports) {
        bool first = true;
        for (const Column& column : Columns()) {
            out += (first ? "" : ",")
                + CsvField(
                    column.figure(string, board, separator), separator == "." ? "," : separator);
            first = false;
        }
        out += '\n';
    }
    return out;
}

std::string FormatStringsJson(const board::BoardLayout& board)
{
    // Lengths in millimetres whatever the design's unit: the keys say so.
    board::BoardLayout inMillimetres = board;
    inMillimetres.design.unit = board::Unit::Millimetre;
    std::string out = "{\"strings\": [";
    bool firstString = true;
    for (const StringReport& string : board.stringReports) {
        out += firstString ? "\n  {" : ",\n  {";
        firstString = false;
        bool first = true;
        for (const Column& column : Columns()) {
            std::string figure = column.figure(string, inMillimetres, ".");
            if (std::string_view(column.key) == "pitch")
                figure = JsonString(figure);
            else if (figure.empty())
                figure = "null";
            out += (first ? "\"" : ", \"") + std::string(column.key) + "\": " + figure;
            first = false;
        }
        out += "}";
    }
    out += "\n]}\n";
    return out;
}

} // namespace corvane::cli
