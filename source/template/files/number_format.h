#pragma once

#include <cmath>
#include <cstdio>
#include <string>

namespace corvane::drawing {

// A coordinate to a nanometre, without trailing zeros: moving a drawing to
// its datum leaves noise in the last bits (36.481700000000004) that a file
// need not show.
inline void AppendNumber(std::string& out, double value)
{
    char digits[64];
    int length = std::snprintf(digits, sizeof digits, "%.9f", value);
    if (length <= 0 || length >= static_cast<int>(sizeof digits)) {
        out += "0";
        return;
    }
    while (length > 1 && digits[length - 1] == '0')
        --length;
    if (digits[length - 1] == '.')
        --length;
    std::string text(digits, static_cast<std::size_t>(length));
    if (text == "-0")
        text = "0";
    out += text;
}

} // namespace corvane::drawing
