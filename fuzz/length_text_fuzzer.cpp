// Arbitrary bytes typed into the length box: ReadNumber, then ToCurrency,
// then the stored length written back with ToDouble, CurrencyText and
// DoubleText. Every step is compared with an independent reading of the
// same text (the C library's correctly rounded strtod on the number the
// text starts with), not only run for crashes.

#include "fuzz_checks.h"

#include "currency.h"
#include "number_text.h"
#include "read_number.h"
#include "runtime_error.h"

#include <cerrno>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string>
#include <string_view>

namespace {

using corvane::fuzz::Int128;
using corvane::fuzz::Quad;
using corvane::fuzz::Require;
using corvane::fuzz::Shown;

constexpr double TwoToThe63 = 9223372036854775808.0;

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}
bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n';
}

std::string WithoutBlanks(std::string_view text)
{
    std::string kept;
    for (const char c : text)
        if (!IsBlank(c))
            kept.push_back(c);
    return kept;
}

// What a text should read as: overflow (error 6), or a double.
struct Reading {
    bool overflow = false;
    double value = 0.0;
};

// &H and &O: the digits as a two's-complement pattern, 16 bits up to FFFF,
// 32 bits up to FFFFFFFF, overflow beyond.
Reading ReadRadixReference(std::string_view digits, int radix)
{
    Int128 value = 0;
    for (const char c : digits) {
        int digit = 99;
        if (IsDigit(c))
            digit = c - '0';
        else if (c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        if (digit >= radix)
            break;
        value = value * radix + digit;
        if (value > (Int128 { 1 } << 40))
            return Reading { true, 0.0 };
    }
    if (value > 0xFFFFFFFF)
        return Reading { true, 0.0 };
    if (value > 0xFFFF)
        return Reading { false,
            static_cast<double>(value >= 0x80000000 ? value - (Int128 { 1 } << 32) : value) };
    return Reading { false, static_cast<double>(value >= 0x8000 ? value - 0x10000 : value) };
}

// The longest leading decimal number, rewritten for strtod: the exponent
// marker D becomes e, a marker without digits is dropped.
Reading ReadDecimalReference(std::string_view text)
{
    std::string number;
    std::size_t at = 0;
    if (at < text.size() && (text[at] == '+' || text[at] == '-'))
        number.push_back(text[at++]);
    std::size_t digitCount = 0;
    while (at < text.size() && IsDigit(text[at])) {
        number.push_back(text[at++]);
        ++digitCount;
    }
    if (at < text.size() && text[at] == '.') {
        number.push_back(text[at++]);
        while (at < text.size() && IsDigit(text[at])) {
            number.push_back(text[at++]);
            ++digitCount;
        }
    }
    if (digitCount == 0)
        return Reading { false, 0.0 };
    if (at < text.size()
        && (text[at] == 'e' || text[at] == 'E' || text[at] == 'd' || text[at] == 'D')) {
        std::string exponent = "e";
        std::size_t next = at + 1;
        if (next < text.size() && (text[next] == '+' || text[next] == '-'))
            exponent.push_back(text[next++]);
        std::size_t exponentDigits = 0;
        while (next < text.size() && IsDigit(text[next])) {
            exponent.push_back(text[next++]);
            ++exponentDigits;
        }
        if (exponentDigits > 0)
            number += exponent;
    }
    errno = 0;
    char* end = nullptr;
    const double value = std::strtod(number.c_str(), &end);
    Require(
        end == number.c_str() + number.size(), "reference: strtod reads the whole number", number);
    if (std::isinf(value))
        return Reading { true, 0.0 };
    return Reading { false, value };
}

Reading ReadReference(std::string_view typed)
{
    const std::string text = WithoutBlanks(typed);
    if (text.size() >= 2 && text[0] == '&') {
        if (text[1] == 'H' || text[1] == 'h')
            return ReadRadixReference(std::string_view(text).substr(2), 16);
        if (text[1] == 'O' || text[1] == 'o')
            return ReadRadixReference(std::string_view(text).substr(2), 8);
    }
    return ReadDecimalReference(text);
}

// ReadNumber, with error 6 as the only failure it may report.
Reading ReadWithEngine(std::string_view text)
{
    try {
        return Reading { false, fret::ReadNumber(text) };
    } catch (const fret::RuntimeError& error) {
        Require(error.code() == 6, "ReadNumber fails only with error 6", Shown(text));
        return Reading { true, 0.0 };
    }
}

bool SameDouble(double a, double b)
{
    return a == b && std::signbit(a) == std::signbit(b);
}

// ToCurrency by its definition: the product with 10 000 in double, then the
// nearest whole number with halves to even, found without nearbyint.
std::optional<std::int64_t> CountReference(double value)
{
    const double scaled = value * 10000.0;
    if (!std::isfinite(scaled))
        return std::nullopt;
    double whole = std::floor(scaled);
    // Exact from 1 in magnitude on (Sterbenz); between -1 and 0 the sum
    // with 1 may round, but never across 0.5 in a way that changes the
    // nearest whole number.
    const double fraction = scaled - whole;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0))
        whole += 1.0;
    if (!(whole >= -TwoToThe63 && whole < TwoToThe63))
        return std::nullopt;
    return static_cast<std::int64_t>(whole);
}

std::optional<std::int64_t> CountWithEngine(double value)
{
    try {
        return fret::ToCurrency(value).count;
    } catch (const fret::RuntimeError& error) {
        Require(error.code() == 6, "ToCurrency fails only with error 6");
        return std::nullopt;
    }
}

std::string Described(std::string_view text, double value)
{
    char number[64];
    std::snprintf(number, sizeof number, " -> %.17g", value);
    return Shown(text) + number;
}

void CheckStoredLength(std::int64_t count)
{
    const fret::Currency stored = fret::Currency::FromCount(count);
    const std::string countText = "count " + std::to_string(count);

    // ToDouble is the double nearest to count / 10 000. The quotient in
    // 113 bits is rounded once more to 53; that second rounding cannot go
    // wrong, since count / 10 000 is either a double midpoint exactly (and
    // then exact in 113 bits) or at least 2^-66 of its size away from one.
    const double nearest = static_cast<double>(corvane::fuzz::QuadFromInt(count) / Quad { 10000 });
    Require(SameDouble(fret::ToDouble(stored), nearest),
        "ToDouble gives the double nearest to count / 10000", countText);

    // CurrencyText: canonical, exact, and the separator is the only change.
    const std::string period = fret::CurrencyText(stored, ".");
    const auto written = corvane::fuzz::ReadWrittenDecimal(period, ".", 4);
    Require(written.has_value() && *written == count, "CurrencyText writes the count exactly",
        countText + " -> " + period);
    std::string comma = period;
    if (const std::size_t at = comma.find('.'); at != std::string::npos)
        comma.replace(at, 1, ",");
    Require(
        fret::CurrencyText(stored, ",") == comma, "CurrencyText differs only by separator", period);
    std::string arabic = period;
    if (const std::size_t at = arabic.find('.'); at != std::string::npos)
        arabic.replace(at, 1, "\xD9\xAB"); // U+066B, two bytes
    Require(fret::CurrencyText(stored, "\xD9\xAB") == arabic,
        "CurrencyText takes any separator text", period);

    // What is written reads back as the same length while the count is
    // small enough for a double to carry all its digits (|count| < 2^51).
    if (count > -(std::int64_t { 1 } << 50) && count < (std::int64_t { 1 } << 50)) {
        const auto again = CountWithEngine(fret::ReadNumber(period));
        Require(again.has_value() && *again == count, "CurrencyText reads back as the same length",
            countText + " -> " + period);
    }
}

// DoubleText: 15 significant digits, correctly rounded, trailing zeros
// removed. The reference is printf's correctly rounded %.14e.
void CheckDoubleText(double value)
{
    const std::string text = fret::DoubleText(value, ".");
    char reference[64];
    std::snprintf(reference, sizeof reference, "%.14e", value);
    const double expected = std::strtod(reference, nullptr);

    Require(
        !text.empty() && text.find(' ') == std::string::npos, "DoubleText writes a number", text);
    errno = 0;
    char* end = nullptr;
    const double readBack = std::strtod(text.c_str(), &end);
    Require(end == text.c_str() + text.size(), "DoubleText output is one number",
        Described(text, value));
    Require(readBack == expected, "DoubleText rounds to 15 significant digits",
        Described(text, value) + " expected " + reference);

    const bool exponentForm = text.find('E') != std::string::npos;
    Require(exponentForm == (std::fabs(expected) >= 1e15),
        "DoubleText uses E notation from 1E15 on", Described(text, value));
    if (!exponentForm) {
        Require(text == "0" || text.back() != '0' || text.find('.') == std::string::npos,
            "DoubleText removes trailing zeros", text);
        const std::size_t digitsStart = text[0] == '-' ? 1 : 0;
        Require(text[digitsStart] != '0' || text.size() == digitsStart + 1
                || text[digitsStart + 1] == '.',
            "DoubleText writes no leading zeros", text);
        std::string comma = text;
        if (const std::size_t at = comma.find('.'); at != std::string::npos)
            comma.replace(at, 1, ",");
        Require(
            fret::DoubleText(value, ",") == comma, "DoubleText differs only by separator", text);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    const Reading engine = ReadWithEngine(text);
    const Reading reference = ReadReference(text);
    Require(engine.overflow == reference.overflow,
        "ReadNumber reports overflow exactly when the number is too large", Shown(text));
    if (engine.overflow)
        return 0;
    Require(SameDouble(engine.value, reference.value),
        "ReadNumber gives the double nearest to the number typed",
        Described(text, engine.value) + " expected " + Described("", reference.value));

    // Blanks, tabs and line feeds anywhere do not change what is read.
    if (size > 0) {
        std::string spread(text);
        const std::size_t at = data[0] % (size + 1);
        spread.insert(at, (data[size - 1] & 1U) != 0 ? " \t" : "\n ");
        const Reading again = ReadWithEngine(spread);
        Require(!again.overflow && SameDouble(again.value, engine.value),
            "ReadNumber ignores blanks", Shown(spread));
    }

    // A minus sign in front of a number negates exactly what is read (a
    // text without a number reads 0, signed or not).
    const std::string bare = WithoutBlanks(text);
    if (!bare.empty() && (IsDigit(bare[0]) || bare[0] == '.')) {
        const Reading negated = ReadWithEngine("-" + bare);
        Require(!negated.overflow && negated.value == -engine.value,
            "a leading minus sign negates the number", Shown(bare));
    }

    // Where the comma is the regional decimal separator, a text without a
    // period reads as if each comma were one; a number is found exactly
    // where ReadNumber finds one.
    if (text.find('.') == std::string_view::npos) {
        std::string periods(text);
        for (char& c : periods)
            if (c == ',')
                c = '.';
        double withComma = 0.0;
        bool commaOverflow = false;
        try {
            withComma = fret::ReadNumber(text, fret::DecimalInput::PeriodOrComma);
        } catch (const fret::RuntimeError&) {
            commaOverflow = true;
        }
        const Reading asPeriods = ReadWithEngine(periods);
        Require(commaOverflow == asPeriods.overflow
                && (commaOverflow || SameDouble(withComma, asPeriods.value)),
            "a decimal comma reads as a period", Shown(text));
        Require(fret::StartsWithNumber(periods)
                == fret::StartsWithNumber(text, fret::DecimalInput::PeriodOrComma),
            "StartsWithNumber agrees with the comma reading", Shown(text));
    }
    Require(fret::StartsWithNumber(text) || engine.value == 0.0, "a text without a number reads 0",
        Shown(text));

    const std::optional<std::int64_t> count = CountWithEngine(engine.value);
    const std::optional<std::int64_t> expectedCount = CountReference(engine.value);
    Require(count == expectedCount,
        "ToCurrency rounds to the nearest count, halves to even, range-checked",
        Described(text, engine.value));

    CheckDoubleText(engine.value);
    if (count) {
        CheckStoredLength(*count);
        CheckDoubleText(fret::ToDouble(fret::Currency::FromCount(*count)));
    }
    return 0;
}
