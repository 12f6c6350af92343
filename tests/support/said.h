#pragma once

// The engines' problems as a French reader sees them, through the one
// phrasing every front end uses: for tests that check a message's words.

#include "phrase.h"

#include <string>
#include <string_view>

namespace corvane::testing_support {

inline language::Reader French(board::Unit unit = board::Unit::Millimetre)
{
    return { language::Language::French, unit, "." };
}

inline std::string Said(const board::Problem& problem, std::string_view subject = {})
{
    return language::Phrase(problem, French(), subject);
}

// A design's problem, its field named in words.
inline std::string Said(const board::DesignError& error, board::Unit unit = board::Unit::Millimetre)
{
    return language::DesignErrorText(error, French(unit));
}

// A design file's problem: "champ « key » : …".
inline std::string FileSaid(const board::DesignError& error)
{
    return language::DesignFileErrorText(error, French());
}

} // namespace corvane::testing_support
