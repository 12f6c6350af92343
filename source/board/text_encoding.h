#pragma once

// The bytes of the files Corvane reads are not always UTF-8: Scala files
// from older tools are Latin-1, files saved on Windows start with a byte
// order mark. Everything Corvane writes is valid UTF-8.

#include <string>
#include <string_view>

namespace corvane::board {

bool IsValidUtf8(std::string_view bytes) noexcept;

// The text itself when it is valid UTF-8, otherwise its bytes read as
// Latin-1 (ISO 8859-1), each one a code point.
std::string Utf8OrLatin1(std::string_view bytes);

// The text with every run of blanks read as one and none in front: the
// classic list items ("Naturelle   Diatonique") as titles show them.
std::string SingleBlanks(std::string_view text);

// The text without the blanks (spaces, tabs, line ends) around it.
std::string_view Trimmed(std::string_view text) noexcept;

// The text without a leading UTF-8 byte order mark.
std::string_view WithoutByteOrderMark(std::string_view text) noexcept;

} // namespace corvane::board
