#pragma once

// What the fuzz targets share: a failed property aborts with a message (so
// libFuzzer, or the corpus replay under ctest, reports the input), and
// texts written by the engine are read back exactly, without the engine's
// own number reading.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

namespace corvane::fuzz {

// Wider types for exact reference arithmetic: __int128 holds any count
// scaled by 10, and __float128 (113-bit significand) computes exact
// positions with an error some 10^17 times below what the checks allow.
__extension__ typedef __int128 Int128;
__extension__ typedef __float128 Quad;

[[noreturn]] inline void Fail(std::string_view what, std::string_view details)
{
    std::fprintf(stderr, "\nproperty failed: %.*s\n  %.*s\n", static_cast<int>(what.size()),
        what.data(), static_cast<int>(details.size()), details.data());
    std::fflush(stderr);
    std::abort();
}

inline void Require(bool holds, std::string_view what, std::string_view details = {})
{
    if (!holds)
        Fail(what, details);
}

// Text with non-printable bytes escaped, for failure messages.
inline std::string Shown(std::string_view text)
{
    std::string shown = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F && c != '"' && c != '\\') {
            shown.push_back(c);
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
            shown += escaped;
        }
    }
    return shown + "\"";
}

inline Quad QuadFromInt(Int128 value)
{
    return static_cast<Quad>(value);
}
inline Quad QuadAbs(Quad value)
{
    return value < 0 ? -value : value;
}

// A decimal number written the way the result boxes write one: "0", or an
// optional minus sign, a whole part without leading zeros, and optionally
// the separator and decimals that do not end in 0. Exponent notation is not
// accepted. Returns the value as a count of 10^-maxDecimals, exactly, or
// nothing when the text is not of that form or has more decimals.
inline std::optional<Int128> ReadWrittenDecimal(
    std::string_view text, std::string_view separator, int maxDecimals)
{
    if (text == "0")
        return Int128 { 0 };
    bool negative = false;
    if (!text.empty() && text.front() == '-') {
        negative = true;
        text.remove_prefix(1);
    }
    const std::size_t separatorAt = text.find(separator);
    const std::string_view whole = text.substr(0, separatorAt);
    const std::string_view decimals = separatorAt == std::string_view::npos
        ? std::string_view {}
        : text.substr(separatorAt + separator.size());
    if (whole.empty() || whole.size() > 20 || (whole.size() > 1 && whole.front() == '0'))
        return std::nullopt;
    if (separatorAt != std::string_view::npos
        && (decimals.empty() || decimals.back() == '0'
            || decimals.size() > static_cast<std::size_t>(maxDecimals)))
        return std::nullopt;

    Int128 value = 0;
    for (const char c : whole) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    int place = 0;
    for (const char c : decimals) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
        ++place;
    }
    for (; place < maxDecimals; ++place)
        value *= 10;
    if (value == 0) // "-0", "0.0" and the like are never written
        return std::nullopt;
    return negative ? -value : value;
}

} // namespace corvane::fuzz
