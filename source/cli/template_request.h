#pragma once

#include "classic_template.h"
#include "fret_table.h"

#include <optional>
#include <string>

namespace corvane::cli {

// The template request of a computed table: the engine's own texts, each
// row under the fret number a player counts.
drawing::ClassicTemplateRequest TemplateRequestFor(const FretTable& table,
    const std::string& decimalSeparator, drawing::Unit unit, std::optional<double> boardWidth,
    const std::string& date);

// Today's date as the title block prints it ("2026-12-08").
std::string TodayText();

} // namespace corvane::cli
