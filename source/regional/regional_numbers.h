#pragma once

#include <string>

namespace corvane::regional {

// The decimal separator of the user's regional settings, in UTF-8 (","
// under fr_FR, "." under C or en_US). The locale is named by LC_ALL,
// LC_NUMERIC or LANG, the first that is set, and looked up in Qt's own
// locale data rather than the C library's: the window and corvane-frets
// then agree, even where the system has no files for that locale.
std::string DecimalSeparator();

} // namespace corvane::regional
