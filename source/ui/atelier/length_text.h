#pragma once

#include "design.h"
#include "units.h"

#include <QString>

// Lengths as the form shows and reads them: in the design's unit, with the
// regional decimal separator, no grouping, at most four decimals (the
// fields keep the exact value behind the text, see DesignForm).
namespace corvane::atelier {

QString LengthText(double millimetres, board::Unit unit);

// What a length field may hold: scale lengths and widths are above zero,
// overhangs may be zero, a compensation setback may also go the other way.
enum class LengthKind { Positive, ZeroOrMore, Signed };
LengthKind KindOf(double board::Design::*member);

// A typed length in millimetres, through the engine's reading. Fields that
// may be zero also take "0" and an empty text; a signed one a leading minus.
board::Parsed<double> ReadLength(const QString& text, board::Unit unit, LengthKind kind);

} // namespace corvane::atelier
