#pragma once

#include "design.h"
#include "units.h"

#include <QString>

// Lengths as the form shows and reads them: in the design's unit, with the
// regional decimal separator, no grouping, at most four decimals (the
// fields keep the exact value behind the text, see DesignForm).
namespace corvane::atelier {

QString LengthText(double millimetres, board::Unit unit);

// What a length field may hold (the engine's kinds of length).
using board::LengthKind;
LengthKind KindOf(double board::Design::*member);

// A typed length in millimetres, through the engine's reading.
board::Parsed<double> ReadLength(const QString& text, board::Unit unit, LengthKind kind);

} // namespace corvane::atelier
