#include "language.h"

#include <cstdlib>

namespace corvane::language {

Language LanguageOfCode(std::string_view code) noexcept
{
    return code.starts_with("fr") ? Language::French : Language::English;
}

std::string_view CodeOf(Language language) noexcept
{
    return language == Language::French ? "fr" : "en";
}

Language EnvironmentLanguage()
{
    for (const char* variable : { "LC_ALL", "LC_MESSAGES", "LANG" }) {
        const char* value = std::getenv(variable);
        if (value != nullptr && *value != '\0')
            return LanguageOfCode(value);
    }
    return Language::English;
}

} // namespace corvane::language
