#pragma once

#include "fret_table.h"
#include "options.h"

#include <optional>
#include <string>

namespace corvane::cli {

// Writes the full-size template of a computed table to options.templatePath
// (PDF, SVG or DXF by its extension). Runs Qt without a window system, so it
// works over SSH and in CI. Returns the French reason on failure, nothing
// on success; a file that existed is then left as it was.
std::optional<std::string> WriteClassicTemplate(
    const Options& options, const FretTable& table, const std::string& decimalSeparator);

// Fonts and PDF need a Qt application; the offscreen platform needs no
// display. Made once, on first use, and kept to the end of the program.
void EnsureGuiApplication();

} // namespace corvane::cli
