#include "plain_number.h"

#include "decimal_text.h"

#include <charconv>
#include <locale>
#include <sstream>

namespace corvane::board {

std::optional<double> ReadPlainNumber(std::string_view text) noexcept
{
    double value = 0;
    const auto [end, error] = fret::ReadDecimal(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::optional<int> ReadPlainInteger(std::string_view text) noexcept
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::string MessageNumberText(double value)
{
    std::ostringstream out;
    out.imbue(std::locale::classic());
    out.precision(10);
    out << value;
    return out.str();
}

} // namespace corvane::board
