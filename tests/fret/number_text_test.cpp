#include "number_text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

namespace {

using fret::Currency;

// The Arabic decimal separator: two bytes in UTF-8, one character.
constexpr const char* ArabicSeparator = "\u066B";

struct CurrencyTextCase {
    std::int64_t count;
    const char* separator;
    const char* text;
};

TEST(CurrencyText, WritesUpToFourDecimalsWithTheGivenSeparator)
{
    const CurrencyTextCase cases[] = {
        { 709'158, ".", "70.9158" },
        { 709'158, ",", "70,9158" },
        { 709'158, ArabicSeparator, "70\u066B9158" },
        { 2'161'770, ".", "216.177" },
        { 2'161'770, ",", "216,177" },
        { 3'250'000, ".", "325" },
        { 3'250'000, ",", "325" },
        { 4'875'000, ".", "487.5" },
        { 4'875'000, ArabicSeparator, "487\u066B5" },
        { -5'000, ".", "-0.5" },
        { 0, ".", "0" },
        { 1, ".", "0.0001" },
        { -1, ".", "-0.0001" },
        { 1'000, ".", "0.1" },
        { 10'001, ".", "1.0001" },
        { -10'000, ".", "-1" },
        { std::numeric_limits<std::int64_t>::max(), ".", "922337203685477.5807" },
        { std::numeric_limits<std::int64_t>::min(), ",", "-922337203685477,5808" },
    };
    for (const CurrencyTextCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "count " << c.count << ", separator " << c.separator);
        EXPECT_EQ(fret::CurrencyText(Currency { c.count }, c.separator), c.text);
    }
}

struct DoubleTextCase {
    double value;
    const char* separator;
    const char* text;
};

TEST(DoubleText, RoundsToFifteenDigitsInPlainNotation)
{
    const DoubleTextCase cases[] = {
        { 90.24555, ".", "90.24555" },
        { 90.24555, ",", "90,24555" },
        { 90.24555, ArabicSeparator, "90\u066B24555" },
        { 343.05555, ".", "343.05555" },
        { 325, ".", "325" },
        { 120, ".", "120" },
        { 100'000'000'000'000.0, ".", "100000000000000" },
        { 0.5, ".", "0.5" },
        { 0.0, ".", "0" },
        { -0.0, ".", "0" },
        { -90.24555, ".", "-90.24555" },
        // Below 0.0001 the notation stays plain: lengths that small are
        // still shown as decimals, never with an exponent.
        { 0.00005, ".", "0.00005" },
        { -0.00005, ".", "-0.00005" },
        { 1.5e-7, ".", "0.00000015" },
        { 1e-10, ",", "0,0000000001" },
        // Fifteen significant digits, the last one rounded.
        { 0.1 + 0.2, ".", "0.3" },
        { 1.0 / 3.0, ".", "0.333333333333333" },
        { 2.0 / 3.0, ".", "0.666666666666667" },
        { 123456789012345.67, ".", "123456789012346" },
        { -123456789.0123456789, ".", "-123456789.012346" },
        { 461168601842738.8, ".", "461168601842739" },
        // 1E15 and above: exponent notation, also when rounding reaches it.
        { 999999999999999.9, ".", "1E+15" },
        { 1e15, ".", "1E+15" },
        { -1e15, ".", "-1E+15" },
        { 1.5e15, ",", "1,5E+15" },
        { 1e100, ".", "1E+100" },
    };
    for (const DoubleTextCase& c : cases) {
        SCOPED_TRACE(testing::Message()
            << "value " << std::hexfloat << c.value << ", separator " << c.separator);
        EXPECT_EQ(fret::DoubleText(c.value, c.separator), c.text);
    }
}

} // namespace
