#pragma once

// Doubles written as decimal text without the floating-point std::to_chars,
// which not every standard library has (the WebAssembly build's lacks it):
// the same characters, correctly rounded to nearest, ties to even on the
// exact binary value, whatever the C locale.

#include <charconv>
#include <optional>
#include <string>

namespace fret {

// `decimals` digits after the point ("%.*f"); nothing when the text would
// be longer than 60 characters.
std::optional<std::string> FixedDecimalText(double value, int decimals);
// One digit, a point and `decimals` digits, then the exponent: 1.5e+02.
std::optional<std::string> ScientificDecimalText(double value, int decimals);
// The fewest significant digits that read back as the same double (the
// nearest such when several do), written without an exponent: 0.1, 1200,
// 3.5e-05 as 0.000035; nothing when longer than 60 characters.
std::optional<std::string> ShortestFixedDecimalText(double value);

// The same three from correctly rounded printf and fast_float alone: what
// the others are where the standard library has no floating-point
// std::to_chars (elsewhere it is faster), held to it by the tests.
namespace portable {
std::optional<std::string> FixedDecimalText(double value, int decimals);
std::optional<std::string> ScientificDecimalText(double value, int decimals);
std::optional<std::string> ShortestFixedDecimalText(double value);
} // namespace portable

// Reads a double as std::from_chars does (general format, no leading '+'
// or space, "inf" and "nan" included), with fast_float, which every
// standard library does not have: a value beyond a double's range is
// result_out_of_range and leaves `value` as it was.
std::from_chars_result ReadDecimal(const char* first, const char* last, double& value) noexcept;

} // namespace fret
