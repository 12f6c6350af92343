#pragma once

// Tiling a full-size template over sheets of paper.
//
// The board is cut into tiles the size of the paper's printable area less
// a strip at the bottom for the calibration ruler. Neighbouring tiles share
// a 10 mm band of the board: on both pages that band carries the same
// registration crosses and a dashed cut/align line through its middle, so
// the pages can be laid one over the other, crosses on crosses. Tiles run
// along the string first (left to right), then down the board.

#include "drawing.h"
#include "problem.h"
#include "template_words.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvane::drawing {

struct Paper {
    double widthMm = 210;
    double heightMm = 297;
    double marginLeftMm = 10;
    double marginTopMm = 10;
    double marginRightMm = 10;
    double marginBottomMm = 10;

    // The same sheet turned a quarter turn clockwise: its top edge becomes
    // the right edge. A page laid out on the turned paper is printed on the
    // untouched paper by the same turn (see QuarterTurnPoint).
    Paper QuarterTurned() const noexcept
    {
        return Paper { heightMm, widthMm, marginTopMm, marginRightMm, marginBottomMm,
            marginLeftMm };
    }
    Box printableArea() const noexcept
    {
        return Box { marginLeftMm, marginTopMm, widthMm - marginRightMm,
            heightMm - marginBottomMm };
    }
};

// A point of a page laid out on paper.QuarterTurned(), on paper itself.
constexpr Point QuarterTurnPoint(Point onTurnedPage, const Paper& paper) noexcept
{
    return Point { paper.widthMm - onTurnedPage.y, onTurnedPage.x };
}

// The four paper sizes the command line names; margins 10 mm, which every
// common printer can reach.
std::optional<Paper> PaperFromName(std::string_view name); // a4, letter, a3, legal

inline constexpr double TileOverlapMm = 10.0;
inline constexpr int MaximumPageCount = 50;
// The band under the printable area's board tile that holds the ruler, the
// printing instruction and the page label.
inline constexpr double RulerStripHeightMm = 30.0;

struct Pagination {
    std::vector<Drawing> pages; // in page millimetres, origin at the paper's corner
    bool quarterTurned = false; // laid out on paper.QuarterTurned()
    int columns = 0;
    int rows = 0;
    // No pages when set: the paper is too small for one tile (PaperTooSmall),
    // or more than MaximumPageCount pages (TooManyPages).
    std::optional<board::Problem> error;
};

// The pages of a board, on the paper as given or turned a quarter,
// whichever needs fewer (the paper as given on a tie). Refuses, with the
// reason, a board that would need more than MaximumPageCount pages or a
// paper too small to hold a tile and the ruler.
Pagination Paginate(const Drawing& board, const Paper& paper, const TemplateWords& words = {});

// How many columns and rows a board needs on a paper (0, 0 when the paper
// cannot hold a tile).
struct TileCount {
    int columns = 0;
    int rows = 0;
    int pages() const noexcept { return columns * rows; }
};
TileCount CountTiles(const Drawing& board, const Paper& paper) noexcept;

} // namespace corvane::drawing
