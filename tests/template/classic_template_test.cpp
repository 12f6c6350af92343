#include "board_drawing.h"
#include "classic_board.h"
#include "layout.h"
#include "said.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace corvane::drawing;
using corvane::cli::Mode;
using corvane::testing_support::ClassicBoard;
using corvane::testing_support::ClassicRequest;
using corvane::testing_support::TemperedChromatic;

namespace {

std::vector<double> LinesFromNut(const Drawing& board, Layer layer)
{
    std::vector<double> xs;
    for (const Line& line : board.lines)
        if (line.layer == layer)
            xs.push_back(line.from.x - board.datum.x);
    return xs;
}

std::vector<std::string> TextsOnLayerAbove(const Drawing& board, double y)
{
    std::vector<std::string> texts;
    for (const Text& text : board.texts)
        if (text.layer == Layer::Labels && text.rotationDeg == 0 && text.at.y < y)
            texts.push_back(text.utf8);
    return texts;
}

} // namespace

// One unit of the user's numbers is 1, 10 or 25.4 mm on paper; a wrong
// factor moves every fret.
TEST(ClassicTemplate, DrawsTheLengthInItsUnitAtTrueSize)
{
    struct Case {
        const char* length;
        Unit unit;
        double fret12Mm, saddleMm, widthMm;
        std::optional<double> width;
    } const cases[] = {
        { "650", Unit::Millimetre, 325.0, 650.0, 60.0, {} },
        { "65", Unit::Centimetre, 325.0, 650.0, 60.0, {} },
        // 25.5 in, a common electric scale: the octave at 12.75 in.
        { "25.5", Unit::Inch, 323.85, 647.7, 57.15, 2.25 },
    };
    for (const Case& c : cases) {
        const ClassicTemplate result = BuildClassicTemplate(
            ClassicRequest(TemperedChromatic, c.length, c.unit, Mode::Sol, c.width));
        ASSERT_TRUE(result.drawing) << c.length;
        const Drawing& board = *result.drawing;
        const auto frets = LinesFromNut(board, Layer::Frets);
        ASSERT_EQ(frets.size(), 24u);
        EXPECT_NEAR(frets[11], c.fret12Mm, 1e-9) << c.length;
        EXPECT_NEAR(LinesFromNut(board, Layer::Saddle).at(0), c.saddleMm, 1e-9) << c.length;
        const Line& fret = *std::find_if(board.lines.begin(), board.lines.end(),
            [](const Line& l) { return l.layer == Layer::Frets; });
        EXPECT_NEAR(std::fabs(fret.to.y - fret.from.y), c.widthMm, 1e-9) << c.length;
    }
}

TEST(ClassicTemplate, NumbersFretsAsAPlayerCountsAndNamesNotesOnlyWithAMode)
{
    struct Case {
        const char* scale;
        Mode mode;
        std::size_t frets;
        const char* twelfthLabelNote; // the note over fret 12 (empty: no names)
    } const cases[] = {
        { "Tempérée Diatonique", Mode::Sol, 14, "Sol" },
        { "Naturelle   Diatonique", Mode::None, 14, "" },
        { "Pythagore Chromatique", Mode::Do, 24, "Do" },
    };
    for (const Case& c : cases) {
        const Drawing board
            = *BuildClassicTemplate(ClassicRequest(c.scale, "650", Unit::Millimetre, c.mode))
                   .drawing;
        const auto numbersAndNotes = TextsOnLayerAbove(board, 1e9);
        for (std::size_t n = 1; n <= c.frets; ++n)
            EXPECT_EQ(
                std::count(numbersAndNotes.begin(), numbersAndNotes.end(), std::to_string(n)), 1)
                << c.scale << " fret " << n;
        EXPECT_EQ(
            std::count(numbersAndNotes.begin(), numbersAndNotes.end(), std::to_string(c.frets + 1)),
            0)
            << c.scale;
        // The fret whose number is 12 or, diatonic, 7 (the octave) carries the open note.
        const std::size_t octave = c.frets == 24 ? 12 : 7;
        const std::string expected = c.twelfthLabelNote;
        bool found = expected.empty();
        for (const Text& text : board.texts)
            if (!expected.empty() && text.utf8 == expected)
                found = found
                    || std::any_of(board.texts.begin(), board.texts.end(), [&](const Text& t) {
                           return t.utf8 == std::to_string(octave) && t.at.x == text.at.x;
                       });
        EXPECT_TRUE(found) << c.scale;
        if (expected.empty()) {
            EXPECT_EQ(numbersAndNotes.size(), c.frets + 2) << "numbers, Sillet, Chevalet only";
        }
    }
}

TEST(ClassicTemplate, TitleBlockNamesTheProgramTheDateAndTheUnit)
{
    const Drawing board
        = *BuildClassicTemplate(ClassicRequest(TemperedChromatic, "65", Unit::Centimetre)).drawing;
    std::string all;
    for (const Text& text : board.texts)
        if (text.layer == Layer::TitleBlock)
            all += text.utf8 + "\n";
    for (const char* expected :
        { "Corvane 2.3", "2026-12-08", "65 cm", "Largeur de la touche : 6 cm" })
        EXPECT_NE(all.find(expected), std::string::npos) << expected << " in\n" << all;
}

TEST(ClassicTemplate, RefusesWhatCannotBeDrawn)
{
    ClassicTemplateRequest noScale = ClassicRequest(TemperedChromatic, "650", Unit::Millimetre);
    noScale.frets.clear();
    ClassicTemplateRequest zeroWidth = ClassicRequest(TemperedChromatic, "650", Unit::Millimetre);
    zeroWidth.boardWidth = 0;
    for (const ClassicTemplateRequest& request :
        { noScale, ClassicRequest(TemperedChromatic, "0", Unit::Millimetre),
            ClassicRequest(TemperedChromatic, "-650", Unit::Millimetre), zeroWidth }) {
        const ClassicTemplate result = BuildClassicTemplate(request);
        EXPECT_FALSE(result.drawing) << request.lengthText;
        EXPECT_TRUE(result.error && !corvane::testing_support::Said(*result.error).empty())
            << request.lengthText;
    }
}

// One builder: the classic template and the template of the same scale as
// a one-string board designed in the Atelier put every fret, the nut, the
// saddle and the board's outline at the same place, the window's digits on
// both.
TEST(ClassicTemplate, IsTheBoardTemplateOfAStraightOneStringBoard)
{
    const Drawing classic = ClassicBoard(TemperedChromatic, "650", Unit::Millimetre);
    corvane::board::Design design;
    design.temperament
        = corvane::board::ClassicSource { corvane::board::ClassicScale::TemperedChromatic,
              corvane::board::ClassicMode::Sol };
    design.strings = 1;
    design.nutWidthMm = 60;
    design.nutOverhangMm = design.lastFretOverhangMm = 30;
    const auto layout = corvane::board::ComputeLayout(design);
    ASSERT_TRUE(layout.layout) << corvane::testing_support::Said(*layout.error);
    const Drawing board = BoardDrawing(*layout.layout, {});
    for (const Layer layer : { Layer::Nut, Layer::Frets, Layer::Saddle })
        EXPECT_EQ(LinesFromNut(classic, layer), LinesFromNut(board, layer));
    ASSERT_EQ(classic.outlines.size(), board.outlines.size());
    for (std::size_t i = 0; i < classic.outlines.front().points.size(); ++i)
        EXPECT_EQ(classic.outlines.front().points[i].x - classic.datum.x,
            board.outlines.front().points[i].x - board.datum.x);
    const auto has = [](const Drawing& d, const char* text) {
        return std::any_of(
            d.texts.begin(), d.texts.end(), [&](const Text& t) { return t.utf8 == text; });
    };
    EXPECT_TRUE(has(classic, "36.4817") && has(board, "36.4817"));
}
