#include "decimal_text.h"

#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <charconv>
#include <clocale>
#include <cmath>
#include <random>
#include <string>
#include <vector>

namespace {

std::string ToChars(double value, std::chars_format format, int precision = -1)
{
    std::array<char, 512> buffer {};
    const auto result = precision < 0
        ? std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, format)
        : std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, format, precision);
    return std::string(buffer.data(), result.ptr);
}

// The texts written without std::to_chars (those of the libraries that lack
// it) are std::to_chars's, character for
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
                ASSERT_EQ(fret::portable::FixedDecimalText(value, decimals), fixed) << value;
            } else {
                ASSERT_FALSE(fret::portable::FixedDecimalText(value, decimals)) << value;
            }
            ASSERT_EQ(fret::portable::ScientificDecimalText(value, 14),
                ToChars(value, std::chars_format::scientific, 14))
                << value;
            const std::string shortest = ToChars(value, std::chars_format::fixed);
            if (shortest.size() <= 60) {
                ASSERT_EQ(fret::portable::ShortestFixedDecimalText(value), shortest) << value;
            }
        }
    }
    std::setlocale(LC_NUMERIC, "C");
}

// Read as std::from_chars reads, to the bit, the same end and the same
// verdict: the texts of 300,000 doubles in every form, cut short,
// lengthened, stretched beyond a double's range, and the odd ones people
// type.
TEST(DecimalText, ReadsWhatStdFromCharsReads)
{
    std::vector<std::string> texts = { "", "-", ".", "-.", "e5", ".e5", "1e", "1e+", "5.", ".5",
        "+1", " 1", "inf", "-inf", "infinity", "INF", "nan", "-nan", "nan(123)", "0x1p3", "1e400",
        "-1e400", "1e-400", "0e999999", "0.0000e-999", "1e-320", "2.4703282292062328e-324",
        "1.7976931348623158e308", "1.7976931348623159e308", "00012.50", "1_000", "1,5", "١" };
    std::mt19937_64 random(20261209);
    for (int i = 0; i < 300'000; ++i) {
        const double value = std::bit_cast<double>(random());
        const auto forms = { std::chars_format::general, std::chars_format::scientific,
            std::chars_format::fixed };
        std::string text = ToChars(value, *(forms.begin() + random() % 3));
        switch (random() % 4) {
        case 0:
            text = text.substr(0, random() % (text.size() + 1));
            break;
        case 1:
            text += "e" + std::to_string(static_cast<int>(random() % 800) - 400);
            break;
        case 2:
            text += " mm";
            break;
        default:
            break;
        }
        texts.push_back(text);
    }
    for (const std::string& text : texts) {
        double ours = 7.5, theirs = 7.5;
        const char* first = text.data();
        const char* last = text.data() + text.size();
        const auto a = fret::ReadDecimal(first, last, ours);
        const auto b = std::from_chars(first, last, theirs);
        ASSERT_EQ(a.ec, b.ec) << text;
        ASSERT_EQ(a.ptr, b.ptr) << text;
        ASSERT_EQ(std::bit_cast<std::uint64_t>(ours), std::bit_cast<std::uint64_t>(theirs)) << text;
    }
}

} // namespace
