#include "text_fields.h"

#include <algorithm>

namespace corvane::cli {

std::string JsonString(std::string_view text)
{
    static constexpr char Hex[] = "0123456789abcdef";
    std::string quoted = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (byte < 0x20) {
            quoted += "\\u00";
            quoted += Hex[byte >> 4];
            quoted += Hex[byte & 0xF];
        } else {
            quoted += c;
        }
    }
    return quoted + '"';
}

std::size_t TerminalColumns(std::string_view text)
{
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(),
        [](char c) { return (static_cast<unsigned char>(c) & 0xC0U) != 0x80U; }));
}

std::string PadLeft(std::string_view text, std::size_t width)
{
    const std::size_t columns = TerminalColumns(text);
    return std::string(width > columns ? width - columns : 0, ' ') + std::string(text);
}

std::string PadRight(std::string_view text, std::size_t width)
{
    const std::size_t columns = TerminalColumns(text);
    return std::string(text) + std::string(width > columns ? width - columns : 0, ' ');
}

} // namespace corvane::cli
