#include "decimal_text.h"

#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <charconv>
#include <clocale>
#include <cmath>
#include <random>
#include <string>

namespace {

std::string ToChars(double value, std::chars_format format, int precision = -1)
{
    std::array<char, 512> buffer {};
    const auto result = precision < 0
        ? std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, format)
        : std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, format, precision);
    return std::string(buffer.data(), result.ptr);
}

// The texts written without std::to_chars are std::to_chars's, character for
// character, on 400,000 doubles in three forms: any bit pattern, and lengths, ratios
// and cents of the sizes the engines write; under a French decimal comma too.
TEST(DecimalText, WritesWhatStdToCharsWrites)
{
    const char* const locales[] = { "C", "fr_FR.UTF-8" };
    std::mt19937_64 random(20261209);
    std::uniform_real_distribution<double> figure(-2000.0, 2000.0);
    for (const char* locale : locales) {
        if (!std::setlocale(LC_NUMERIC, locale))
            continue; // that locale is not installed
        SCOPED_TRACE(locale);
        for (int i = 0; i < 200'000; ++i) {
            const double any = std::bit_cast<double>(random());
            const double value = std::isfinite(any) && i % 2 ? any : figure(random);
            const int decimals = static_cast<int>(random() % 11);
            const std::string fixed = ToChars(value, std::chars_format::fixed, decimals);
            if (fixed.size() <= 60) {
                ASSERT_EQ(fret::FixedDecimalText(value, decimals), fixed) << value;
            } else {
                ASSERT_FALSE(fret::FixedDecimalText(value, decimals)) << value;
            }
            ASSERT_EQ(fret::ScientificDecimalText(value, 14),
                ToChars(value, std::chars_format::scientific, 14))
                << value;
            const std::string shortest = ToChars(value, std::chars_format::fixed);
            if (shortest.size() <= 60) {
                ASSERT_EQ(fret::ShortestFixedDecimalText(value), shortest) << value;
            }
        }
    }
    std::setlocale(LC_NUMERIC, "C");
}

} // namespace
