#pragma once

// The options of corvane-frets that put strings on the board: their
// pitches and the string set, and the compensation (the action and the
// reference pitch are numbers of the field table).

#include "design.h"
#include "options.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace corvane::cli {

// Applies the string options to the design. `stringsGiven`: --strings was
// given; otherwise a string set sets the number of strings. Nothing, or the
// message of the first value that cannot be used.
std::optional<std::string> ApplyStringOptions(
    const OptionWords& words, board::Design& design, bool stringsGiven);

} // namespace corvane::cli
