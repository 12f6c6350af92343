#pragma once

// The unit a template's numbers are in: the board engine's own, so that a
// unit typed in the Atelier, on a sheet or on the command line is the same
// value all the way to the file. The drawing itself is always in
// millimetres; the unit only says how long one of the user's units is, and
// which unit a CAD file declares.

#include "units.h"

#include <optional>
#include <string_view>

namespace corvane::drawing {

using board::MillimetresPer;
using board::Unit;
using board::UnitSymbol;

using board::UnitFromSymbol;

} // namespace corvane::drawing
