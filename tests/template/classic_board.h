#pragma once

// The classic template of a scale, computed by the engine as the command
// line computes it.

#include "classic_template.h"
#include "fret_table.h"
#include "template_request.h"
#include "words.h"

#include <optional>
#include <string>

namespace corvane::testing_support {

inline drawing::ClassicTemplateRequest ClassicRequest(const std::string& scale,
    const std::string& length, drawing::Unit unit, cli::Mode mode = cli::Mode::Sol,
    std::optional<double> width = {})
{
    const cli::FretTable table = cli::ComputeFretTable(length, scale, mode, ".");
    drawing::ClassicTemplateRequest request
        = cli::TemplateRequestFor(table, ".", unit, width, "2026-12-08");
    request.words = language::TemplateWordsIn(language::Language::French);
    return request;
}

inline drawing::Drawing ClassicBoard(const std::string& scale, const std::string& length,
    drawing::Unit unit, cli::Mode mode = cli::Mode::Sol)
{
    return *drawing::BuildClassicTemplate(ClassicRequest(scale, length, unit, mode)).drawing;
}

inline constexpr const char* TemperedChromatic = "Tempérée Chromatique";

} // namespace corvane::testing_support
