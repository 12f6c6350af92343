#include "decimal_text.h"

#include <fast_float/fast_float.h>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace fret {

namespace {

constexpr int Longest = 60;

// printf's conversions are correctly rounded in the C libraries Corvane is
// built with (glibc, musl). Their decimal point is the locale's, which Qt
// front ends set to the user's: it is put back to a point.
std::optional<std::string> Printed(const char* format, int decimals, double value)
{
    char buffer[Longest + 2];
    const int length = std::snprintf(buffer, sizeof buffer, format, decimals, value);
    if (length < 0 || length > Longest)
        return std::nullopt;
    std::string text(buffer, static_cast<std::size_t>(length));
    for (char& c : text)
        if (c == ',')
            c = '.';
    return text;
}

#if defined(__cpp_lib_to_chars)
// At most Longest characters, or nothing.
std::optional<std::string> Converted(double value, std::chars_format format, int precision)
{
    char buffer[Longest];
    const std::to_chars_result result = precision < 0
        ? std::to_chars(buffer, buffer + Longest, value, format)
        : std::to_chars(buffer, buffer + Longest, value, format, precision);
    if (result.ec != std::errc())
        return std::nullopt;
    return std::string(buffer, result.ptr);
}
#endif

} // namespace

std::optional<std::string> FixedDecimalText(double value, int decimals)
{
#if defined(__cpp_lib_to_chars)
    return Converted(value, std::chars_format::fixed, decimals);
#else
    return portable::FixedDecimalText(value, decimals);
#endif
}

std::optional<std::string> ScientificDecimalText(double value, int decimals)
{
#if defined(__cpp_lib_to_chars)
    return Converted(value, std::chars_format::scientific, decimals);
#else
    return portable::ScientificDecimalText(value, decimals);
#endif
}

std::optional<std::string> ShortestFixedDecimalText(double value)
{
#if defined(__cpp_lib_to_chars)
    if (!std::isfinite(value))
        return std::nullopt;
    return Converted(value, std::chars_format::fixed, -1);
#else
    return portable::ShortestFixedDecimalText(value);
#endif
}

namespace portable {

std::optional<std::string> FixedDecimalText(double value, int decimals)
{
    return Printed("%.*f", decimals, value);
}

std::optional<std::string> ScientificDecimalText(double value, int decimals)
{
    return Printed("%.*e", decimals, value);
}

std::optional<std::string> ShortestFixedDecimalText(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    if (value == 0)
        return std::signbit(value) ? "-0" : "0";
    // The fewest significant digits whose correctly rounded text reads back
    // as the value: that text is also the nearest of its length.
    std::string scientific;
    for (int digits = 1; digits <= 17; ++digits) {
        scientific = *ScientificDecimalText(value, digits - 1);
        double back = 0;
        fast_float::from_chars(scientific.data(), scientific.data() + scientific.size(), back);
        if (back == value)
            break;
    }
    // d.ddde±x to fixed notation.
    const std::size_t marker = scientific.find('e');
    const int exponent = std::atoi(scientific.c_str() + marker + 1);
    const bool negative = scientific.front() == '-';
    std::string mantissa;
    for (std::size_t i = negative ? 1 : 0; i < marker; ++i)
        if (scientific[i] != '.')
            mantissa += scientific[i];
    std::string text;
    const int whole = exponent + 1; // digits before the point
    if (whole <= 0) {
        text = "0." + std::string(static_cast<std::size_t>(-whole), '0') + mantissa;
    } else if (static_cast<std::size_t>(whole) >= mantissa.size()) {
        // A whole number: every text of it is as long, and the exact one
        // is the nearest (beyond 2^53 the shortest digits and zeros are not).
        return FixedDecimalText(value, 0);
    } else {
        text = mantissa.substr(0, static_cast<std::size_t>(whole)) + "."
            + mantissa.substr(static_cast<std::size_t>(whole));
    }
    if (negative)
        text.insert(0, 1, '-');
    if (text.size() > Longest)
        return std::nullopt;
    return text;
}

} // namespace portable

std::from_chars_result ReadDecimal(const char* first, const char* last, double& value) noexcept
{
    double read = 0;
    const fast_float::from_chars_result result = fast_float::from_chars(first, last, read);
    if (result.ec != std::errc())
        return { result.ptr, result.ec };
    // fast_float rounds a number too large to infinity and one too small to
    // zero; std::from_chars calls both out of range.
    const char* digits = first + (first != last && *first == '-' ? 1 : 0);
    const bool number
        = digits != result.ptr && (*digits == '.' || (*digits >= '0' && *digits <= '9'));
    if (number && std::isinf(read))
        return { result.ptr, std::errc::result_out_of_range };
    if (number && read == 0) {
        for (const char* c = digits; c != result.ptr && *c != 'e' && *c != 'E'; ++c)
            if (*c >= '1' && *c <= '9')
                return { result.ptr, std::errc::result_out_of_range };
    }
    value = read;
    return { result.ptr, std::errc() };
}

} // namespace fret
