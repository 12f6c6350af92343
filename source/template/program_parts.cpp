#include "program_parts.h"

#include "slot_span.h"

#include <algorithm>

namespace corvane::drawing {

namespace {

// Where a fret crosses the centre line: the point an operator finds again
// in the slot once the board has moved.
board::Point OnCentreLine(const board::Segment& fret, double axisY) noexcept
{
    const double dy = fret.to.y - fret.from.y;
    const double t = dy == 0 ? 0.5 : (axisY - fret.from.y) / dy;
    return { fret.from.x + (fret.to.x - fret.from.x) * t, axisY };
}

} // namespace

std::variant<std::vector<ProgramPart>, board::DesignError> SplitForBed(
    const board::BoardLayout& board, const std::vector<board::Segment>& frets,
    const std::vector<board::Segment>& paths, board::Point origin, double bed)
{
    if (paths.empty())
        return std::vector<ProgramPart> {};
    if (bed <= 0)
        return std::vector<ProgramPart> { { 0, paths.size() - 1, origin, std::nullopt } };
    std::vector<ProgramPart> parts;
    ProgramPart part { 0, 0, origin, std::nullopt };
    double low = origin.x, high = origin.x;
    for (std::size_t i = 0; i < paths.size(); ++i) {
        const double from = std::min(paths[i].from.x, paths[i].to.x);
        const double to = std::max(paths[i].from.x, paths[i].to.x);
        if (std::max(high, to) - std::min(low, from) <= bed) {
            low = std::min(low, from);
            high = std::max(high, to);
            part.lastSlot = i;
            continue;
        }
        if (i == part.firstSlot) // this slot alone, with its reference, does not fit
            return board::FieldError("router.bed_length",
                { board::ProblemKind::BedTooShort,
                    { board::ProblemValue::Length(bed),
                        std::to_string(static_cast<int>(i) + FirstSlotNumber(board)),
                        board::ProblemValue::Length(std::max(high, to) - std::min(low, from)) },
                    {} });
        parts.push_back(part);
        const std::size_t reference = part.lastSlot;
        part = { i, i, OnCentreLine(frets[reference], board.centreLine.from.y), reference };
        low = high = part.zero.x;
        --i; // this slot again, in the new part
    }
    parts.push_back(part);
    return parts;
}

} // namespace corvane::drawing
