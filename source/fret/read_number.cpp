#include "read_number.h"

#include "decimal_text.h"

#include "runtime_error.h"

#include <charconv>
#include <cstdint>
#include <limits>
#include <string>
#include <system_error>

namespace fret {

namespace {

bool IsRemovedBlank(char c) noexcept
{
    return c == ' ' || c == '\t' || c == '\n';
}
bool IsDigit(char c) noexcept
{
    return c >= '0' && c <= '9';
}

std::string WithoutBlanks(std::string_view text)
{
    std::string kept;
    kept.reserve(text.size());
    for (char c : text)
        if (!IsRemovedBlank(c))
            kept.push_back(c);
    return kept;
}

int DigitValue(char c) noexcept
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return 99;
}

// &H and &O forms: the digits are a two's-complement pattern of 16 bits,
// or 32 bits once the value needs more than 16.
double ReadRadixWhole(std::string_view digits, int radix)
{
    std::uint64_t value = 0;
    for (char c : digits) {
        const int digit = DigitValue(c);
        if (digit >= radix)
            break;
        value = value * static_cast<std::uint64_t>(radix) + static_cast<std::uint64_t>(digit);
        if (value > 0xFFFF'FFFFU)
            throw RuntimeError(ErrorNumber::Overflow);
    }
    if (value <= 0xFFFFU)
        return static_cast<double>(static_cast<std::int16_t>(static_cast<std::uint16_t>(value)));
    return static_cast<double>(static_cast<std::int32_t>(static_cast<std::uint32_t>(value)));
}

// The decimal form, split into its parts as they were typed.
struct DecimalForm {
    bool negative = false;
    std::string_view wholeDigits;
    std::string_view fractionDigits;
    bool exponentNegative = false;
    std::string_view exponentDigits;
};

bool IsDecimalSeparator(char c, DecimalInput input) noexcept
{
    return c == '.' || (c == ',' && input == DecimalInput::PeriodOrComma);
}

// Finds the longest leading decimal form; false when there is none.
bool ScanDecimal(std::string_view text, DecimalInput input, DecimalForm& form)
{
    std::size_t at = 0;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        form.negative = text[at] == '-';
        ++at;
    }
    const std::size_t wholeStart = at;
    while (at < text.size() && IsDigit(text[at]))
        ++at;
    form.wholeDigits = text.substr(wholeStart, at - wholeStart);
    if (at < text.size() && IsDecimalSeparator(text[at], input)) {
        const std::size_t fractionStart = ++at;
        while (at < text.size() && IsDigit(text[at]))
            ++at;
        form.fractionDigits = text.substr(fractionStart, at - fractionStart);
    }
    if (form.wholeDigits.empty() && form.fractionDigits.empty())
        return false;

    if (at < text.size()) {
        const char marker = text[at];
        if (marker == 'e' || marker == 'E' || marker == 'd' || marker == 'D') {
            std::size_t exponentAt = at + 1;
            bool negative = false;
            if (exponentAt < text.size() && (text[exponentAt] == '+' || text[exponentAt] == '-')) {
                negative = text[exponentAt] == '-';
                ++exponentAt;
            }
            const std::size_t digitsStart = exponentAt;
            while (exponentAt < text.size() && IsDigit(text[exponentAt]))
                ++exponentAt;
            if (exponentAt > digitsStart) {
                form.exponentNegative = negative;
                form.exponentDigits = text.substr(digitsStart, exponentAt - digitsStart);
            }
        }
    }
    return true;
}

// The exponent as typed, clamped far beyond any exponent that can still
// give a finite, non-zero double, so that no digit count can overflow it.
std::int64_t ClampedExponent(const DecimalForm& form) noexcept
{
    constexpr std::int64_t Limit = 1'000'000'000;
    std::int64_t exponent = 0;
    for (char c : form.exponentDigits) {
        exponent = exponent * 10 + (c - '0');
        if (exponent > Limit) {
            exponent = Limit;
            break;
        }
    }
    return form.exponentNegative ? -exponent : exponent;
}

double ConvertDecimal(const DecimalForm& form)
{
    // Significant digits only: leading zeros of the whole part and trailing
    // zeros of the fraction carry no value.
    std::string_view whole = form.wholeDigits;
    while (!whole.empty() && whole.front() == '0')
        whole.remove_prefix(1);
    std::string_view fraction = form.fractionDigits;
    while (!fraction.empty() && fraction.back() == '0')
        fraction.remove_suffix(1);

    std::string digits;
    std::int64_t pointShift = 0; // value = 0.digits * 10^(decimalExponent)
    if (!whole.empty()) {
        digits.assign(whole);
        digits.append(fraction);
        pointShift = static_cast<std::int64_t>(whole.size());
    } else {
        std::size_t zeros = 0;
        while (zeros < fraction.size() && fraction[zeros] == '0')
            ++zeros;
        digits.assign(fraction.substr(zeros));
        pointShift = -static_cast<std::int64_t>(zeros);
    }
    if (digits.empty())
        return form.negative ? -0.0 : 0.0;

    const std::int64_t decimalExponent = pointShift + ClampedExponent(form);
    // 0.d... * 10^decimalExponent: at or above 10^309 no double holds it,
    // at or below 10^-325 it is closer to zero than to any double.
    if (decimalExponent > 309)
        throw RuntimeError(ErrorNumber::Overflow);
    if (decimalExponent < -325)
        return form.negative ? -0.0 : 0.0;

    std::string normalised = "0.";
    normalised += digits;
    normalised += 'e';
    normalised += std::to_string(decimalExponent);

    double value = 0.0;
    const auto [end, error]
        = ReadDecimal(normalised.data(), normalised.data() + normalised.size(), value);
    (void)end;
    if (error == std::errc::result_out_of_range) {
        if (decimalExponent > 0)
            throw RuntimeError(ErrorNumber::Overflow);
        value = 0.0;
    }
    return form.negative ? -value : value;
}

// The radix of an &H or &O form, or 0 when the text is not one.
int RadixPrefix(std::string_view text) noexcept
{
    if (text.size() < 2 || text[0] != '&')
        return 0;
    if (text[1] == 'H' || text[1] == 'h')
        return 16;
    if (text[1] == 'O' || text[1] == 'o')
        return 8;
    return 0;
}

} // namespace

DecimalInput DecimalInputFor(std::string_view regionalSeparator) noexcept
{
    return regionalSeparator == "," ? DecimalInput::PeriodOrComma : DecimalInput::PeriodOnly;
}

double ReadNumber(std::string_view text, DecimalInput input)
{
    const std::string kept = WithoutBlanks(text);
    const std::string_view view = kept;

    if (const int radix = RadixPrefix(view))
        return ReadRadixWhole(view.substr(2), radix);

    DecimalForm form;
    if (!ScanDecimal(view, input, form))
        return 0.0;
    return ConvertDecimal(form);
}

bool StartsWithNumber(std::string_view text, DecimalInput input)
{
    const std::string kept = WithoutBlanks(text);
    const std::string_view view = kept;

    if (const int radix = RadixPrefix(view))
        return view.size() > 2 && DigitValue(view[2]) < radix;
    DecimalForm form;
    return ScanDecimal(view, input, form);
}

} // namespace fret
