#include "number_text.h"

#include "decimal_text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace fret {

namespace {

void TrimTrailingZeros(std::string& digits)
{
    while (!digits.empty() && digits.back() == '0')
        digits.pop_back();
}

} // namespace

std::string CurrencyText(Currency value, std::string_view separator)
{
    const bool negative = value.count < 0;
    const std::uint64_t magnitude = negative ? 0U - static_cast<std::uint64_t>(value.count)
                                             : static_cast<std::uint64_t>(value.count);
    const std::uint64_t scale = static_cast<std::uint64_t>(Currency::Scale);
    const std::uint64_t whole = magnitude / scale;
    const std::uint64_t fraction = magnitude % scale;

    std::string text;
    if (negative)
        text.push_back('-');
    text += std::to_string(whole);
    if (fraction != 0) {
        std::string decimals = std::to_string(fraction);
        decimals.insert(0, 4 - decimals.size(), '0');
        TrimTrailingZeros(decimals);
        text += separator;
        text += decimals;
    }
    return text;
}

std::string DoubleText(double value, std::string_view separator)
{
    // Both zeros read 0. Non-finite values never get this far: every
    // division is checked before its result is written.
    if (value == 0.0)
        return "0";
    if (!std::isfinite(value))
        return std::isnan(value) ? "NaN" : (value < 0 ? "-Inf" : "Inf");

    // Fifteen significant digits, correctly rounded and independent of the
    // C locale: d.dddddddddddddde±x.
    const std::string printed = *ScientificDecimalText(std::fabs(value), 14);
    const std::string_view scientific(printed);
    const std::size_t marker = scientific.find('e');
    std::string digits;
    digits.push_back(scientific[0]);
    digits.append(scientific.substr(2, marker - 2));
    const int exponent = std::atoi(std::string(scientific.substr(marker + 1)).c_str());

    std::string text;
    if (value < 0)
        text.push_back('-');

    if (exponent >= 15) {
        TrimTrailingZeros(digits);
        text.push_back(digits[0]);
        if (digits.size() > 1) {
            text += separator;
            text.append(digits, 1);
        }
        text += "E+";
        if (exponent < 10)
            text.push_back('0');
        text += std::to_string(exponent);
        return text;
    }

    std::string whole;
    std::string fraction;
    if (exponent >= 0) {
        whole = digits.substr(0, static_cast<std::size_t>(exponent) + 1);
        fraction = digits.substr(static_cast<std::size_t>(exponent) + 1);
    } else {
        whole = "0";
        fraction.assign(static_cast<std::size_t>(-exponent - 1), '0');
        fraction += digits;
    }
    TrimTrailingZeros(fraction);
    text += whole;
    if (!fraction.empty()) {
        text += separator;
        text += fraction;
    }
    return text;
}

} // namespace fret
