#pragma once

// Quoting and aligning shared by the classic and the board tables.

#include <cstddef>
#include <string>
#include <string_view>

namespace corvane::cli {

// A JSON string literal: quotes, backslashes and control characters escaped.
std::string JsonString(std::string_view text);

// Width on a terminal, counting one column per UTF-8 code point.
std::size_t TerminalColumns(std::string_view text);

// The text padded with blanks to the width, on the left or on the right.
std::string PadLeft(std::string_view text, std::size_t width);
std::string PadRight(std::string_view text, std::size_t width);

} // namespace corvane::cli
