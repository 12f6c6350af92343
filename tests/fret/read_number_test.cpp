#include "read_number.h"

#include "recording_surface.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

namespace {

using fret::ReadNumber;
using fret_test::ErrorNumberOf;

struct ReadCase {
    std::string label; // what the case is about; also shown on failure
    std::string text;
    double value = 0.0; // expected result when error is 0
    int error = 0; // expected run-time error number, 0 for none
};

void PrintTo(const ReadCase& c, std::ostream* out)
{
    *out << c.label << " (" << c.text.size() << " characters)";
}

std::string Repeat(char c, std::size_t count)
{
    return std::string(count, c);
}

std::vector<ReadCase> ReadCases()
{
    constexpr double Max = std::numeric_limits<double>::max();
    constexpr double Denormal = std::numeric_limits<double>::denorm_min();
    return {
        // What a length box is typed with.
        { "650", "650", 650 },
        { "650.5", "650.5", 650.5 },
        { "a comma ends the number", "650,5", 650 },
        { "a unit after the number", "650 mm", 650 },
        { "blanks, tabs and line feeds anywhere", "6 5\t0\n", 650 },
        { "blank after the sign", "- 650", -650 },
        { "no whole part", ".5", 0.5 },
        { "second period ends the number", "1.2.3", 1.2 },
        { "minus", "-650", -650 },
        { "plus", "+650", 650 },
        { "two signs are no number", "+-650", 0 },
        { "exponent", "1e3", 1000 },
        { "upper-case exponent with sign", "1E+3", 1000 },
        { "negative exponent", "25e-2", 0.25 },
        { "D exponent marker", "1d3", 1000 },
        { "upper-case D with sign", "1D-3", 0.001 },
        { "marker without digits", "1e", 1 },
        { "marker and sign without digits", "1e+", 1 },
        { "period after the exponent ends it", "1e3.5", 1000 },
        { "comma before the exponent", "1,5e3", 1 },
        { "exponent only is no number", "e3", 0 },
        { "empty", "", 0 },
        { "letters only", "mm", 0 },
        { "sign only", "-", 0 },
        { "period only", ".", 0 },
        // &H and &O: 16-bit patterns up to FFFF, 32-bit ones above.
        { "hex -1", "&HFFFF", -1 },
        { "hex 16-bit maximum", "&H7FFF", 32767 },
        { "hex 16-bit minimum", "&H8000", -32768 },
        { "hex past 16 bits", "&H10000", 65536 },
        { "hex 32-bit -1", "&HFFFFFFFF", -1 },
        { "hex 32-bit minimum", "&H80000000", -2147483648.0 },
        { "hex past 32 bits", "&H100000000", 0, 6 },
        { "hex leading zeros", "&H0000000000FF", 255 },
        { "lower-case hex", "&hff", 255 },
        { "hex stops at a non-digit", "&H1FG", 31 },
        { "hex without digits", "&H", 0 },
        { "octal", "&O17", 15 },
        { "octal -1", "&O177777", -1 },
        { "octal past 32 bits", "&O40000000000", 0, 6 },
        { "octal stops at 8", "&O78", 7 },
        { "ampersand alone", "&", 0 },
        // The double range.
        { "1e308", "1e308", 1e308 },
        { "largest double", "1.7976931348623157e308", Max },
        { "just under halfway past the largest double", "1.7976931348623158e308", Max },
        { "past halfway beyond the largest double", "1.7976931348623159e308", 0, 6 },
        { "1e309", "1e309", 0, 6 },
        { "-1e309", "-1e309", 0, 6 },
        { "smallest denormal", "4.9406564584124654e-324", Denormal },
        { "rounds up to the smallest denormal", "3e-324", Denormal },
        { "rounds down to zero", "2e-324", 0 },
        { "1e-400", "1e-400", 0 },
        { "huge exponent digits", "1e" + Repeat('9', 60), 0, 6 },
        { "huge negative exponent digits", "1e-" + Repeat('9', 60), 0 },
        { "zero with a huge exponent", "0e" + Repeat('9', 60), 0 },
        // Long digit strings are read to the last digit.
        { "400 zeros then 1", Repeat('0', 400) + "1", 1 },
        { "1 at the 400th decimal, times 1e400", "0." + Repeat('0', 399) + "1e400", 1 },
        { "10 000 digits", "1" + Repeat('0', 9999), 0, 6 },
        { "10 000 digits scaled back", "1" + Repeat('0', 9999) + "e-9999", 1 },
        { "10 000 decimals", "0." + Repeat('0', 9997) + "1", 0 },
        { "10 000 blanks around a number", Repeat(' ', 5000) + "650" + Repeat(' ', 5000), 650 },
        // 2^53 + 1 lies halfway between two doubles: exactly there it goes to
        // the even one, a digit far behind pushes it up.
        { "tie goes to even", "9007199254740993", 9007199254740992.0 },
        { "just past the tie", "9007199254740993." + Repeat('0', 5000) + "1", 9007199254740994.0 },
    };
}

class ReadNumberForms : public testing::TestWithParam<ReadCase> { };

TEST_P(ReadNumberForms, ReadsTheLeadingNumber)
{
    const ReadCase& c = GetParam();
    if (c.error != 0) {
        EXPECT_EQ(ErrorNumberOf([&] { ReadNumber(c.text); }), c.error);
        return;
    }
    double value = 0.0;
    ASSERT_EQ(ErrorNumberOf([&] { value = ReadNumber(c.text); }), 0);
    EXPECT_EQ(value, c.value);
}

INSTANTIATE_TEST_SUITE_P(Texts, ReadNumberForms, testing::ValuesIn(ReadCases()));

// Where the regional separator is the comma, it may stand for the period;
// elsewhere it still ends the number. Blanks go first: "1 234,5" is 1234.5.
TEST(ReadNumber, TakesTheDecimalCommaOnlyWhereItIsRegional)
{
    using fret::DecimalInput;
    const struct {
        const char* text;
        double periodOnly;
        double periodOrComma;
        bool isNumber;
    } cases[] = {
        { "650,5", 650, 650.5, true },
        { "650.5", 650.5, 650.5, true },
        { "650,5.3", 650, 650.5, true }, // a second separator ends the number
        { "650.5,3", 650.5, 650.5, true },
        { "1 234,5 mm", 1234, 1234.5, true },
        { ",5", 0, 0.5, true }, // a number only where the comma is one
        { "-1,5e2", -1, -150, true },
        { "&H1A,5", 26, 26, true },
        { "&Hz", 0, 0, false },
        { "", 0, 0, false },
        { "mm", 0, 0, false },
        { "-", 0, 0, false },
        { ".", 0, 0, false },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ReadNumber(c.text), c.periodOnly);
        EXPECT_EQ(ReadNumber(c.text, DecimalInput::PeriodOrComma), c.periodOrComma);
        EXPECT_EQ(fret::StartsWithNumber(c.text, DecimalInput::PeriodOrComma), c.isNumber);
        EXPECT_EQ(fret::StartsWithNumber(c.text), c.isNumber && c.text[0] != ',');
    }
    EXPECT_EQ(fret::DecimalInputFor(","), DecimalInput::PeriodOrComma);
    EXPECT_EQ(fret::DecimalInputFor("."), DecimalInput::PeriodOnly);
    EXPECT_EQ(fret::DecimalInputFor("\u066B"), DecimalInput::PeriodOnly);
}

} // namespace
