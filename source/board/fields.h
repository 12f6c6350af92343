#pragma once

// The design's numbers, one row each: the key in design files, the
// command-line option that sets it, what it measures, its range, and how
// it is read and written on a design. Files, validation, the command's
// options and help, and the forms of every front end take them from here,
// so that a field's range is defined once. The default is the Design's own
// (Design{}). A row's words (its name, label and help) are the phrasing
// library's, keyed by the same key.

#include "design.h"

#include <optional>
#include <span>
#include <string_view>

namespace corvane::board {

enum class Quantity {
    Length, // millimetres, shown in the design's unit
    Feed, // millimetres a minute, shown in the design's unit a minute
    Count, // a whole number
    Frequency, // hertz
};

// How a range is said when a value leaves it.
enum class RangeStyle {
    AboveMinimum, // low excluded, high included ("plus grand que 0 mm", "au plus 10 m")
    AtLeast, // low included, high included ("au moins 0 mm", "au plus 10 m")
    Between, // both included ("entre 1 et 16")
    AboveAndAtMost, // low excluded, high included, both said
    ZeroOrBetween, // 0 (off), or between both included
    Setback, // a signed distance between both, included
};

struct NumberField {
    std::string_view key; // in design files: "nut_width", "action.relief_mm", "router.feed"
    std::string_view option; // "--nut-width"; empty when the command has none of its own
    Quantity quantity;
    RangeStyle style;
    double low;
    double high;
    double (*get)(const Design&);
    void (*set)(Design&, double);
    bool optional = false; // 0 means unset: "as the engine decides" (the fit's frets, a flat board)
};

// Every numeric field, in the order files and forms list them.
std::span<const NumberField> NumberFields() noexcept;
const NumberField* FindNumberField(std::string_view key) noexcept;

// Why the value cannot be the field's, or nothing: its range as the row
// says it, the value and limits as data (lengths in millimetres).
std::optional<Problem> RangeProblem(const NumberField& field, double value);

// The first numeric field of the design out of its range.
std::optional<DesignError> FieldRangesProblem(const Design& design);

} // namespace corvane::board
