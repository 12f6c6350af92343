#pragma once

#include <string_view>

namespace fret {

// Reads the number at the start of a typed text, the way the length box has
// always read it. The period is the only decimal separator, whatever the
// user's regional settings.
//
//   1. Blanks, tabs and line feeds are removed wherever they stand:
//      "6 5 0" reads as 650.
//   2. "&H" (or "&h") starts a hexadecimal whole number, "&O" (or "&o") an
//      octal one. A value up to FFFF is a signed 16-bit number (&HFFFF is
//      -1), a value up to FFFFFFFF a signed 32-bit one (&HFFFFFFFF is -1);
//      a larger one is an overflow.
//   3. Otherwise the longest leading decimal form is read: an optional sign,
//      digits with at most one period (at least one digit), then optionally
//      an exponent: E or D (either case), an optional sign and digits. An
//      exponent marker with no digits after it is not part of the number
//      ("1e" reads as 1). Anything else ends the number: "650,5" is 650.
//   4. The result is the double nearest to the number read. A text with no
//      leading number gives 0.
//
// Throws RuntimeError 6 when the number is too large for a double.
double ReadNumber(std::string_view text);

} // namespace fret
