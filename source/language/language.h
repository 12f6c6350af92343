#pragma once

// The languages Corvane speaks, and how a front end's reader wants numbers:
// French or English, the unit lengths are shown in, the decimal separator.
// Standard C++: the command, the windows and the web page phrase the
// engines' problems and words through the same tables.

#include "units.h"

#include <string>
#include <string_view>

namespace corvane::language {

enum class Language { French, English };

// "fr" gives French; any other language code English, which more luthiers
// read than French.
Language LanguageOfCode(std::string_view code) noexcept;
std::string_view CodeOf(Language language) noexcept;

// The language of the environment, as the C library reads it: LC_ALL, then
// LC_MESSAGES, then LANG; French settings give French, any other English.
Language EnvironmentLanguage();

// Who reads a message: in which language, lengths in which unit, numbers
// with which decimal separator.
struct Reader {
    Language language = Language::French;
    board::Unit unit = board::Unit::Millimetre;
    std::string decimalSeparator = ".";
};

} // namespace corvane::language
