#include "classic_board.h"
#include "paginator.h"
#include "said.h"
#include "words.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>

using namespace corvane::drawing;
using corvane::testing_support::ClassicBoard;
using corvane::testing_support::TemperedChromatic;

namespace {

Drawing BlankBoard(double width, double height)
{
    Drawing board;
    board.widthMm = width;
    board.heightMm = height;
    return board;
}

// Centres of the registration crosses' horizontal strokes on a page.
std::vector<Point> Crosses(const Drawing& page)
{
    std::vector<Point> centres;
    for (const Line& line : page.lines)
        if (line.layer == Layer::Registration && line.from.y == line.to.y
            && std::abs(line.to.x - line.from.x - 8.0) < 1e-9)
            centres.push_back(Point { (line.from.x + line.to.x) / 2, line.from.y });
    std::sort(centres.begin(), centres.end(),
        [](Point a, Point b) { return a.x < b.x || (a.x == b.x && a.y < b.y); });
    return centres;
}

} // namespace

TEST(Paginator, TakesTheOrientationNeedingFewerPages)
{
    struct Case {
        double boardWidth, boardHeight;
        const char* paper;
        int pages;
        bool turned;
    } const cases[] = {
        // 650 mm and its margins on A4: even edge to edge, two A4 lengths
        // less the overlap (297 + 287) fall short of 650, so 3 is the least.
        { 674, 142, "a4", 3, true }, { 674, 142, "a3", 2, true }, { 150, 100, "a4", 1, false },
        { 180, 400, "a4", 2, false }, // a tall board stays upright
    };
    for (const Case& c : cases) {
        const Pagination pagination
            = Paginate(BlankBoard(c.boardWidth, c.boardHeight), *PaperFromName(c.paper));
        EXPECT_FALSE(pagination.error) << c.boardWidth << " on " << c.paper;
        EXPECT_EQ(pagination.pages.size(), static_cast<std::size_t>(c.pages))
            << c.boardWidth << " on " << c.paper;
        EXPECT_EQ(pagination.quarterTurned, c.turned) << c.boardWidth << " on " << c.paper;
    }
}

TEST(Paginator, RefusesWhatWouldNeedTooManyPagesOrTooSmallAPaper)
{
    // 650 typed in inches: a board over 16 m long.
    const Pagination tooLong = Paginate(BlankBoard(650 * 25.4 + 24, 142), *PaperFromName("a4"));
    ASSERT_TRUE(tooLong.error);
    EXPECT_NE(corvane::testing_support::Said(*tooLong.error).find("50 au plus"), std::string::npos);
    EXPECT_TRUE(tooLong.pages.empty());

    const Pagination tooSmall = Paginate(BlankBoard(100, 50), Paper { 100, 80, 5, 5, 5, 5 });
    EXPECT_TRUE(tooSmall.error);
}

// Laying each page over the previous one, crosses on crosses, must put every
// fret of the board where the board has it: no tile shifted, none lost.
TEST(Paginator, PagesReassembledByTheirCrossesRebuildTheBoard)
{
    for (const char* paper : { "a4", "letter" }) {
        const Drawing board = ClassicBoard(TemperedChromatic, "650", Unit::Millimetre);
        const Pagination pagination = Paginate(board, *PaperFromName(paper));
        ASSERT_FALSE(pagination.error);
        ASSERT_EQ(pagination.rows, 1);

        std::set<long long> boardFrets, reassembledFrets; // in micrometres from the nut
        for (const Line& line : board.lines)
            if (line.layer == Layer::Frets)
                boardFrets.insert(std::llround((line.from.x - board.datum.x) * 1000));

        double offset = 0;
        double nut = NAN;
        for (std::size_t k = 0; k < pagination.pages.size(); ++k) {
            const Drawing& page = pagination.pages[k];
            if (k > 0) {
                const auto previous = Crosses(pagination.pages[k - 1]);
                const auto current = Crosses(page);
                ASSERT_GE(current.size(), 2u);
                ASSERT_GE(previous.size(), 2u);
                // The last two crosses of the previous page are the first two of this one.
                EXPECT_DOUBLE_EQ(previous[previous.size() - 2].y, current[0].y);
                offset += previous[previous.size() - 2].x - current[0].x;
            }
            for (const Line& line : page.lines) {
                if (line.layer == Layer::Nut)
                    nut = line.from.x + offset;
                if (line.layer == Layer::Frets)
                    reassembledFrets.insert(std::llround((line.from.x + offset - nut) * 1000));
            }
        }
        EXPECT_EQ(reassembledFrets, boardFrets) << paper;
    }
}

TEST(Paginator, EveryPageCarriesItsRulerAndLabel)
{
    const Pagination pagination
        = Paginate(ClassicBoard(TemperedChromatic, "650", Unit::Millimetre), *PaperFromName("a4"),
            corvane::language::TemplateWordsIn(corvane::language::Language::French));
    for (std::size_t k = 0; k < pagination.pages.size(); ++k) {
        const Drawing& page = pagination.pages[k];
        const std::string label = "page " + std::to_string(k + 1) + "/3";
        EXPECT_TRUE(std::any_of(page.texts.begin(), page.texts.end(), [&](const Text& t) {
            return t.utf8 == label;
        })) << label;
        // The two ruler baselines: 100 mm and 4 in.
        std::multiset<double> baselines;
        for (const Line& line : page.lines)
            if (line.layer == Layer::Ruler && line.from.y == line.to.y)
                baselines.insert(std::round((line.to.x - line.from.x) * 1e6) / 1e6);
        EXPECT_EQ(baselines, (std::multiset<double> { 100.0, 101.6 })) << label;
        // Nothing of the board outside the printable area.
        for (const Line& line : page.lines)
            for (const Point p : { line.from, line.to })
                EXPECT_TRUE(
                    p.x >= 10 - 1e-9 && p.x <= 287 + 1e-9 && p.y >= 10 - 1e-9 && p.y <= 200 + 1e-9)
                    << label;
    }
}
