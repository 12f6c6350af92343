#pragma once

// The options of corvane-frets that put strings on the board: their
// pitches, the string set, the action and the compensation.

#include "design.h"
#include "options.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace corvane::cli {

inline constexpr std::array<std::string_view, 9> StringOptionNames { "--tuning", "--reference-a4",
    "--string-set", "--action", "--relief", "--fit-frets", "--compensate", "--fretlets",
    "--strings-report" };

// The options of StringOptionNames that take no value.
bool StringFlag(std::string_view name) noexcept;

// Applies the string options to the design. `stringsGiven`: --strings was
// given; otherwise a string set sets the number of strings. Nothing, or the
// message of the first value that cannot be used.
std::optional<std::string> ApplyStringOptions(
    const OptionWords& words, board::Design& design, bool stringsGiven);

} // namespace corvane::cli
