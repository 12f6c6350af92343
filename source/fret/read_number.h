#pragma once

#include <string_view>

namespace fret {

// Which characters end the whole part of a typed number. Where the user's
// regional decimal separator is the comma, a French user types "650,5" as
// they write it, and reading it as 650 would silently give another length.
// Elsewhere the comma groups thousands and guessing would be worse, so the
// period stays the only decimal separator.
enum class DecimalInput {
    PeriodOnly, // "650,5" is 650
    PeriodOrComma, // "650,5" and "650.5" are 650.5; "650,5.3" is 650.5
};

// The decimal input rule for a regional decimal separator: the comma is
// accepted only where it is the separator.
DecimalInput DecimalInputFor(std::string_view regionalSeparator) noexcept;

// Reads the number at the start of a typed text, the way the length box has
// always read it. With DecimalInput::PeriodOnly the period is the only
// decimal separator; with PeriodOrComma a comma may stand in its place.
//
//   1. Blanks, tabs and line feeds are removed wherever they stand:
//      "6 5 0" reads as 650.
//   2. "&H" (or "&h") starts a hexadecimal whole number, "&O" (or "&o") an
//      octal one. A value up to FFFF is a signed 16-bit number (&HFFFF is
//      -1), a value up to FFFFFFFF a signed 32-bit one (&HFFFFFFFF is -1);
//      a larger one is an overflow.
//   3. Otherwise the longest leading decimal form is read: an optional sign,
//      digits with at most one decimal separator (at least one digit),
//      then optionally
//      an exponent: E or D (either case), an optional sign and digits. An
//      exponent marker with no digits after it is not part of the number
//      ("1e" reads as 1). Anything else ends the number, a second
//      separator included.
//   4. The result is the double nearest to the number read. A text with no
//      leading number gives 0.
//
// Throws RuntimeError 6 when the number is too large for a double.
double ReadNumber(std::string_view text, DecimalInput input = DecimalInput::PeriodOnly);

// True when ReadNumber finds a number at the start of the text (after the
// blanks are removed): "650 mm" and "-.5" have one, "", "mm", "-" and "&H"
// do not. The window reads such a text as 0; a script is better told.
bool StartsWithNumber(std::string_view text, DecimalInput input = DecimalInput::PeriodOnly);

} // namespace fret
