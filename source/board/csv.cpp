#include "csv.h"

namespace corvane::board {

namespace {

std::string Field(std::string_view field, const CsvDialect& dialect)
{
    const bool plain = field.find_first_of("\"\r\n") == std::string_view::npos
        && field.find(dialect.delimiter) == std::string_view::npos
        && (dialect.decimalSeparator == "."
            || field.find(dialect.decimalSeparator) == std::string_view::npos);
    if (plain)
        return std::string(field);
    std::string quoted = "\"";
    for (const char c : field) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

std::vector<std::string> Fields(std::string_view line)
{
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (const char c : line) {
        if (c == '"')
            quoted = !quoted;
        else if (c == ',' && !quoted)
            fields.emplace_back();
        else if (c != '\r')
            fields.back() += c;
    }
    return fields;
}

} // namespace

std::string CsvLine(const std::vector<std::string>& fields, const CsvDialect& dialect)
{
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i)
        line += (i > 0 ? dialect.delimiter : std::string()) + Field(fields[i], dialect);
    return line + dialect.lineEnd;
}

std::vector<std::vector<std::string>> ReadCsvRows(std::string_view text)
{
    std::vector<std::vector<std::string>> rows;
    bool heading = true;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (heading || line.empty()) {
            heading = heading && line.empty();
            continue;
        }
        rows.push_back(Fields(line));
    }
    return rows;
}

} // namespace corvane::board
