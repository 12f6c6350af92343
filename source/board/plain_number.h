#pragma once

// Numbers as files, options and messages write them: a period, no unit.

#include <optional>
#include <string>
#include <string_view>

namespace corvane::board {

// The whole text as one number ("110", "98.5", "2.215e-05"); nothing
// otherwise.
std::optional<double> ReadPlainNumber(std::string_view text) noexcept;

// The whole text as one integer ("12", "-1"); nothing otherwise.
std::optional<int> ReadPlainInteger(std::string_view text) noexcept;

// A value as a message names it: up to ten significant digits ("650",
// "0.06").
std::string MessageNumberText(double value);

} // namespace corvane::board
