// The slotting program run by two G-code readers, a small one of the
// test's own and bCNC's parser (when Debian's bcnc is installed): each
// executes the moves, and the test checks every slot's path, its depth, the
// safe heights and the order, against the engine's frets.

#include "gcode.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>
#include <unistd.h>

namespace corvane::drawing {
namespace {

struct Move {
    bool rapid;
    double x, y, z;
};

// The program's moves (absolute, millimetres or inches as it says), and the
// codes it gave outside moves.
struct Executed {
    std::vector<Move> moves;
    std::vector<std::string> codes;
};

Executed Execute(const std::string& program)
{
    Executed run;
    double x = 0, y = 0, z = 0;
    std::istringstream lines(program);
    for (std::string line; std::getline(lines, line);) {
        if (line.empty() || line.front() == '(')
            continue;
        std::istringstream words(line);
        std::string code;
        words >> code;
        if (code != "G0" && code != "G1") {
            run.codes.push_back(code);
            continue;
        }
        for (std::string word; words >> word;) {
            const double value = std::stod(word.substr(1));
            if (word[0] == 'X')
                x = value;
            else if (word[0] == 'Y')
                y = value;
            else if (word[0] == 'Z')
                z = value;
        }
        run.moves.push_back({ code == "G0", x, y, z });
    }
    return run;
}

// The same moves as bCNC executes them; nothing when bCNC is missing.
std::optional<Executed> ExecuteWithBcnc(const std::string& program)
{
    const std::string path
        = ::testing::TempDir() + "slotting-" + std::to_string(::getpid()) + ".nc";
    std::ofstream(path) << program;
    std::string output;
    FILE* pipe = ::popen(
        (std::string(CORVANE_SYSTEM_PYTHON " " READ_GCODE_BCNC_SCRIPT " ") + path).c_str(), "r");
    if (!pipe)
        return std::nullopt;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        output.append(buffer, n);
    const int status = ::pclose(pipe);
    std::remove(path.c_str());
    if (WEXITSTATUS(status) == 77)
        return std::nullopt;
    EXPECT_EQ(status, 0) << output;
    Executed run;
    std::istringstream lines(output);
    std::string code;
    Move m {};
    while (lines >> code >> m.x >> m.y >> m.z) {
        m.rapid = code == "G0";
        run.moves.push_back(m);
    }
    return run;
}

board::BoardLayout Fanned()
{
    board::Design design;
    design.bassLengthMm = 686;
    design.trebleLengthMm = 648;
    design.perpendicularFret = 7;
    return *board::ComputeLayout(design).layout;
}

TEST(SlottingProgram, CutsEverySlotAlongItsFretInPassesFromTheNut)
{
    const board::BoardLayout board = Fanned();
    SlottingParameters parameters;
    parameters.bindingMarginMm = 2; // a bound board: each slot stops 2 mm inside
    const auto program = SlottingProgram(board, parameters, "t");
    ASSERT_TRUE(std::holds_alternative<std::string>(program));
    const std::string& text = std::get<std::string>(program);
    const Executed ours = Execute(text);
    EXPECT_EQ(
        ours.codes, (std::vector<std::string> { "G21", "G90", "G17", "M3", "G4", "M5", "M30" }));
    std::vector<std::pair<std::string, Executed>> runs { { "our reader", ours } };
    if (auto bcnc = ExecuteWithBcnc(text))
        runs.emplace_back("bCNC", std::move(*bcnc));

    // From the nut's middle, Y towards the treble.
    const board::Point origin { (board.nut.from.x + board.nut.to.x) / 2,
        (board.nut.from.y + board.nut.to.y) / 2 };
    for (const auto& [reader, run] : runs) {
        SCOPED_TRACE(reader);
        std::size_t slot = 0;
        int passes = 0;
        double deepest = 0, lastX = -1;
        for (std::size_t i = 0; i < run.moves.size(); ++i) {
            const Move& m = run.moves[i];
            if (m.rapid) {
                EXPECT_GE(m.z, parameters.safeZMm) << "a rapid below the safe height, move " << i;
                if (passes > 0) { // a slot ended
                    EXPECT_EQ(passes, 3);
                    EXPECT_DOUBLE_EQ(deepest, -3.0);
                    ++slot;
                    passes = 0;
                    deepest = 0;
                }
                continue;
            }
            ASSERT_LT(slot, board.frets.size());
            const board::Segment& fret = board.frets[slot];
            const double ax = fret.from.x - origin.x, ay = fret.from.y - origin.y;
            const double bx = fret.to.x - origin.x, by = fret.to.y - origin.y;
            const double length = std::hypot(bx - ax, by - ay);
            // On the fret's line, and inside its ends by the margin.
            EXPECT_NEAR(((bx - ax) * (m.y - ay) - (by - ay) * (m.x - ax)) / length, 0, 1e-4)
                << "slot " << slot + 1;
            const double along = ((m.x - ax) * (bx - ax) + (m.y - ay) * (by - ay)) / length;
            EXPECT_TRUE(std::fabs(along - 2) < 1e-3 || std::fabs(along - (length - 2)) < 1e-3)
                << along;
            EXPECT_LT(m.z, 0);
            if (m.z < deepest) {
                deepest = m.z;
                ++passes;
            }
            EXPECT_GE(m.x, lastX - 30) << "slots in order from the nut"; // a fan slants each slot
            lastX = std::max(lastX, m.x);
        }
        EXPECT_EQ(slot, board.frets.size());
    }
}

TEST(SlottingProgram, RefusesWhatARouterCannotDo)
{
    const board::BoardLayout board = Fanned();
    using Kind = SlottingProblem::Kind;
    const std::pair<void (*)(SlottingParameters&), Kind> cases[] = {
        { [](SlottingParameters& p) { p.slotDepthMm = 6.5; }, Kind::SlotDepth },
        { [](SlottingParameters& p) { p.slotDepthMm = 0; }, Kind::SlotDepth },
        { [](SlottingParameters& p) { p.passDepthMm = 4; }, Kind::PassDepth },
        { [](SlottingParameters& p) { p.toolDiameterMm = 2.5; }, Kind::ToolDiameter },
        { [](SlottingParameters& p) { p.feedMmPerMinute = 0; }, Kind::Feed },
        { [](SlottingParameters& p) { p.plungeFeedMmPerMinute = 0; }, Kind::PlungeFeed },
        { [](SlottingParameters& p) { p.safeZMm = 0; }, Kind::SafeZ },
    };
    for (const auto& [change, kind] : cases) {
        SlottingParameters parameters;
        change(parameters);
        const auto program = SlottingProgram(board, parameters, "t");
        ASSERT_TRUE(std::holds_alternative<SlottingProblem>(program));
        EXPECT_EQ(std::get<SlottingProblem>(program).kind, kind);
    }
    board::Design longer;
    longer.bassLengthMm = longer.trebleLengthMm = 1600;
    const auto tooLong = SlottingProgram(*board::ComputeLayout(longer).layout, {}, "t");
    ASSERT_TRUE(std::holds_alternative<SlottingProblem>(tooLong));
    EXPECT_EQ(std::get<SlottingProblem>(tooLong).kind, Kind::BoardTooLong);
}

} // namespace
} // namespace corvane::drawing
