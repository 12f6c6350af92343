#include "template_words.h"

#include <vector>

namespace corvane::drawing {

std::string Filled(std::string_view pattern, std::initializer_list<std::string_view> values)
{
    const std::vector<std::string_view> given(values);
    std::string text;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        if (pattern[i] == '%' && next >= '1' && next <= '9'
            && static_cast<std::size_t>(next - '1') < given.size()) {
            text += given[static_cast<std::size_t>(next - '1')];
            ++i;
            continue;
        }
        text += pattern[i];
    }
    return text;
}

} // namespace corvane::drawing
