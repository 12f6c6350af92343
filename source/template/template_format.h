#pragma once

// The file formats of a template, told by the name's extension (any case).

#include <optional>
#include <string_view>

namespace corvane::drawing {

enum class TemplateFormat { Pdf, Svg, Dxf };

constexpr std::optional<TemplateFormat> TemplateFormatOf(std::string_view path) noexcept
{
    const std::size_t dot = path.find_last_of("./");
    if (dot == std::string_view::npos || path[dot] != '.' || path.size() - dot != 4)
        return std::nullopt;
    char extension[3] = {};
    for (std::size_t i = 0; i < 3; ++i) {
        const char c = path[dot + 1 + i];
        extension[i] = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    }
    const std::string_view lower(extension, 3);
    if (lower == "pdf")
        return TemplateFormat::Pdf;
    if (lower == "svg")
        return TemplateFormat::Svg;
    if (lower == "dxf")
        return TemplateFormat::Dxf;
    return std::nullopt;
}

} // namespace corvane::drawing
