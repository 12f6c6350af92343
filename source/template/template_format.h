#pragma once

// The file formats of a template or a chart, told by the name's extension
// (any case).

#include <array>
#include <optional>
#include <string_view>

namespace corvane::drawing {

// The name's three-letter extension in lower case; nothing when it has none.
constexpr std::optional<std::array<char, 3>> ExtensionOf(std::string_view path) noexcept
{
    const std::size_t dot = path.find_last_of("./");
    if (dot == std::string_view::npos || path[dot] != '.' || path.size() - dot != 4)
        return std::nullopt;
    std::array<char, 3> extension {};
    for (std::size_t i = 0; i < 3; ++i) {
        const char c = path[dot + 1 + i];
        extension[i] = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return extension;
}

constexpr bool HasExtension(std::string_view path, std::string_view lower) noexcept
{
    const auto extension = ExtensionOf(path);
    return extension && std::string_view(extension->data(), 3) == lower;
}

enum class TemplateFormat { Pdf, Svg, Dxf };

constexpr std::optional<TemplateFormat> TemplateFormatOf(std::string_view path) noexcept
{
    if (HasExtension(path, "pdf"))
        return TemplateFormat::Pdf;
    if (HasExtension(path, "svg"))
        return TemplateFormat::Svg;
    if (HasExtension(path, "dxf"))
        return TemplateFormat::Dxf;
    return std::nullopt;
}

// Charts (the intonation chart) are pictures: SVG or PNG.
enum class ChartFormat { Svg, Png };

constexpr std::optional<ChartFormat> ChartFormatOf(std::string_view path) noexcept
{
    if (HasExtension(path, "svg"))
        return ChartFormat::Svg;
    if (HasExtension(path, "png"))
        return ChartFormat::Png;
    return std::nullopt;
}

} // namespace corvane::drawing
