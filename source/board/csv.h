#pragma once

// Comma-separated values, read and written in one place: the shipped
// string catalogue read, and every table the command and the windows
// export written (RFC 4180 quoting).

#include <string>
#include <string_view>
#include <vector>

namespace corvane::board {

// How a table's fields are delimited and its lines ended. A field is
// quoted (inner quotes doubled) when it holds the delimiter, a quote, a
// line break, or a decimal separator other than the period: a spreadsheet
// then never splits a number.
struct CsvDialect {
    std::string delimiter = ",";
    std::string lineEnd = "\n";
    std::string decimalSeparator = ".";
};

// One line of fields, with its line end.
std::string CsvLine(const std::vector<std::string>& fields, const CsvDialect& dialect = {});

// Each line after the heading, split into its fields (commas, quoted fields
// may hold them); blank lines skipped.
std::vector<std::vector<std::string>> ReadCsvRows(std::string_view text);

} // namespace corvane::board
