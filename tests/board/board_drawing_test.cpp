// The fretboard template: the layout's lines at true size, nothing scaled.

#include "board_drawing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace corvane::drawing {
namespace {

TEST(BoardDrawing, DrawsEveryLineOfTheLayoutAtTrueSize)
{
    board::Design design;
    design.strings = 5;
    design.bassLengthMm = 889.0;
    design.trebleLengthMm = 864.0;
    design.perpendicularFret = 7;
    design.saddleSetbackBassMm = 3.0;
    const board::BoardLayout board = *board::ComputeLayout(design).layout;
    const Drawing drawing = BoardDrawing(board);

    const auto layer = [&](Layer wanted) {
        std::vector<Line> lines;
        std::copy_if(drawing.lines.begin(), drawing.lines.end(), std::back_inserter(lines),
                     [&](const Line& line) { return line.layer == wanted && !line.dashed; });
        return lines;
    };
    const std::vector<Line> frets = layer(Layer::Frets);
    ASSERT_EQ(frets.size(), 24U);
    EXPECT_NEAR(frets[6].from.x, frets[6].to.x, 1e-9); // fret 7 square to the centre line
    // The nut's middle is the datum; fret 12 on the bass string lies half
    // its length from the bass end of the nut, as drawn.
    const Line nut = layer(Layer::Nut).front();
    EXPECT_NEAR(drawing.datum.x, (nut.from.x + nut.to.x) / 2, 1e-12);
    const Line bassString = layer(Layer::Strings).front();
    const double dx = frets[11].from.x - bassString.from.x;
    const double along = std::hypot(bassString.to.x - bassString.from.x, bassString.to.y - bassString.from.y);
    EXPECT_NEAR(along, 889.0, 1e-9);
    EXPECT_NEAR(std::hypot(board.At(12, 1).at.x - board.strings[0].line.from.x,
                           board.At(12, 1).at.y - board.strings[0].line.from.y),
                444.5, 1e-9);
    EXPECT_NEAR(frets[11].from.x - nut.from.x, board.frets[11].from.x - board.nut.from.x, 1e-9);
    EXPECT_GT(dx, 0);
    // The compensated saddle is drawn dashed beside the saddle.
    EXPECT_TRUE(std::any_of(drawing.lines.begin(), drawing.lines.end(),
                            [](const Line& line) { return line.layer == Layer::Saddle && line.dashed; }));
    // Everything fits on the drawing.
    for (const Line& line : drawing.lines)
        for (const Point p : {line.from, line.to})
            EXPECT_TRUE(p.x >= 0 && p.y >= 0 && p.x <= drawing.widthMm && p.y <= drawing.heightMm);
    EXPECT_EQ(BoardTemplateTitle(board), "Gabarit 12-EDO 889 à 864 mm");
}

} // namespace
} // namespace corvane::drawing
