#pragma once

#include "currency.h"

#include <string>
#include <string_view>

namespace fret {

// Number output follows the user's regional settings for the decimal
// separator only; the caller supplies it ("." or "," or any other text).

// A Currency as the result boxes show it: optional minus sign, the whole
// part without grouping, then the separator and up to four decimals with
// trailing zeros removed; a whole value has no separator.
// Examples with ".": 70.9158, 216.177, 325, -0.5, 0.
std::string CurrencyText(Currency value, std::string_view separator);

// A double rounded to 15 significant digits, in plain notation with
// trailing zeros removed: 90.24555, 325, 0.5, 0.00005. Magnitudes of 1E15
// and above use exponent notation ("1.5E+15"); no length the program
// accepts gives one.
std::string DoubleText(double value, std::string_view separator);

} // namespace fret
