// The slotting program run by two G-code readers, a small one of the
// test's own and bCNC's parser (Debian's bcnc): each executes the moves, and
// the test checks every slot's path, its depth, the safe heights and the
// order, against the engine's frets and the board's edges, at true size.

#include "board_drawing.h"
#include "gcode.h"
#include "radiused_board.h"
#include "said.h"

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
    double x, y, z, feed; // millimetres, millimetres a minute
    int slot = 0; // as the program's comment numbers it (our reader only)
};

// The program's moves at true size, and the codes it gave outside moves.
struct Executed {
    std::vector<Move> moves;
    std::vector<std::string> codes;
};

Executed Execute(const std::string& program)
{
    Executed run;
    double x = 0, y = 0, z = 0, feed = 0, scale = 1;
    int slot = 0;
    std::istringstream lines(program);
    for (std::string line; std::getline(lines, line);) {
        if (line.starts_with("( Slot "))
            slot = std::stoi(line.substr(7));
        if (line.empty() || line.front() == '(')
            continue;
        std::istringstream words(line);
        std::string code;
        words >> code;
        if (code == "G20" || code == "G21")
            scale = code == "G20" ? 25.4 : 1;
        if (code != "G0" && code != "G1") {
            run.codes.push_back(code);
            continue;
        }
        for (std::string word; words >> word;) {
            const double value = std::stod(word.substr(1)) * scale;
            (word[0] == 'X' ? x : word[0] == 'Y' ? y : word[0] == 'Z' ? z : feed) = value;
        }
        run.moves.push_back({ code == "G0", x, y, z, feed, slot });
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
    while (lines >> code >> m.x >> m.y >> m.z >> m.feed) {
        m.rapid = code == "G0";
        run.moves.push_back(m);
    }
    return run;
}

// Both readers' runs of a program; bCNC's wherever it is installed.
std::vector<std::pair<std::string, Executed>> Runs(const std::string& program)
{
    std::vector<std::pair<std::string, Executed>> runs { { "our reader", Execute(program) } };
    if (auto bcnc = ExecuteWithBcnc(program))
        runs.emplace_back("bCNC", std::move(*bcnc));
    return runs;
}

board::BoardLayout Fanned(board::Unit unit = board::Unit::Millimetre)
{
    board::Design design;
    design.bassLengthMm = 686;
    design.trebleLengthMm = 648;
    design.perpendicularFret = 7;
    design.unit = unit;
    return *board::ComputeLayout(design).layout;
}

// How far p lies from the edge's line, square to it.
double FromEdge(board::Point p, const board::Segment& edge)
{
    const double dx = edge.to.x - edge.from.x, dy = edge.to.y - edge.from.y;
    return std::fabs(dx * (p.y - edge.from.y) - dy * (p.x - edge.from.x)) / std::hypot(dx, dy);
}

// The board slotted with these values.
board::BoardLayout WithRouter(board::BoardLayout board, const board::RouterValues& router)
{
    board.design.router = router;
    return board;
}

std::string Program(const board::BoardLayout& board, const board::RouterValues& parameters)
{
    const auto program = SlottingProgram(WithRouter(board, parameters), "t");
    EXPECT_TRUE(std::holds_alternative<std::string>(program))
        << testing_support::Said(std::get<board::DesignError>(program));
    return std::holds_alternative<std::string>(program) ? std::get<std::string>(program) : "";
}

// Each slot's cutting moves along its fret, in passes, each end stopping
// where the margin says: bound, the cutter's edge the margin short of the
// board's edge, square to it; through, the whole cutter off the board.
TEST(SlottingProgram, CutsEverySlotAlongItsFretInPassesFromTheNut)
{
    const std::tuple<double, double, int> cases[] = {
        // margin, tool diameter, strings
        { 2, 0.6, 6 }, { 0, 0.6, 6 },
        { 0.1, 2, 6 }, // the cutter's edge, not its centre, stops short
        { 3, 2, 16 }, // a wide fan: the margin square to the edge, not along the slanted fret
    };
    for (const auto& [margin, tool, strings] : cases) {
        SCOPED_TRACE(testing::Message() << "margin " << margin << ", tool " << tool);
        board::Design design;
        design.strings = strings;
        design.bassLengthMm = strings == 16 ? 1000 : 686;
        design.trebleLengthMm = strings == 16 ? 500 : 648;
        design.nutWidthMm = strings == 16 ? 120 : 43;
        design.bridgeSpacingMm = strings == 16 ? 160 : 52;
        design.perpendicularFret = 7;
        const board::BoardLayout board = *board::ComputeLayout(design).layout;
        board::RouterValues parameters;
        parameters.bindingMarginMm = margin;
        parameters.toolDiameterMm = tool;
        const std::string text = Program(board, parameters);
        EXPECT_EQ(Execute(text).codes,
            (std::vector<std::string> { "G21", "G90", "G17", "M3", "G4", "M5", "M30" }));
        const board::Point origin { (board.nut.from.x + board.nut.to.x) / 2,
            (board.nut.from.y + board.nut.to.y) / 2 };
        // How far the cutter's centre stops from each edge: inside by the
        // margin and the radius, or outside by the radius.
        const double expected = margin > 0 ? margin + tool / 2 : tool / 2;
        for (const auto& [reader, run] : Runs(text)) {
            SCOPED_TRACE(reader);
            std::size_t slot = 0;
            int passes = 0;
            double deepest = 0;
            for (std::size_t i = 0; i < run.moves.size(); ++i) {
                const Move& m = run.moves[i];
                if (m.rapid) {
                    EXPECT_GE(m.z, parameters.safeZMm)
                        << "a rapid below the safe height, move " << i;
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
                // The machine's Y runs up the face the layout draws downwards.
                const double ax = fret.from.x - origin.x, ay = origin.y - fret.from.y;
                const double bx = fret.to.x - origin.x, by = origin.y - fret.to.y;
                const double length = std::hypot(bx - ax, by - ay);
                EXPECT_NEAR(((bx - ax) * (m.y - ay) - (by - ay) * (m.x - ax)) / length, 0, 1e-4)
                    << "slot " << slot + 1;
                const board::Point at { m.x + origin.x, origin.y - m.y };
                const double bass = FromEdge(at, board.bassEdge);
                const double treble = FromEdge(at, board.trebleEdge);
                EXPECT_NEAR(std::min(bass, treble), expected, 1e-4) << "slot " << slot + 1;
                EXPECT_LT(m.z, 0);
                if (m.z < deepest) {
                    deepest = m.z;
                    ++passes;
                }
            }
            EXPECT_EQ(slot, board.frets.size());
        }
    }
}

// A design kept in centimetres or inches gets the same cuts at true size:
// millimetres for both metric units, inches for inches, never centimetres
// under G21.
TEST(SlottingProgram, CutsTheSameBoardAtTrueSizeInEveryUnit)
{
    board::RouterValues parameters;
    parameters.bindingMarginMm = 1.5;
    const auto inMillimetres = Runs(Program(Fanned(), parameters));
    const std::tuple<board::Unit, const char*, const char*> cases[] = {
        { board::Unit::Centimetre, "G21", "every length, depth, height and feed below in mm" },
        { board::Unit::Inch, "G20", "every length, depth, height and feed below in in" },
    };
    for (const auto& [unit, code, header] : cases) {
        SCOPED_TRACE(code);
        const std::string text = Program(Fanned(unit), parameters);
        EXPECT_NE(text.find(std::string("\n") + code + "\n"), std::string::npos);
        EXPECT_NE(text.find(header), std::string::npos);
        const auto runs = Runs(text);
        ASSERT_EQ(runs.size(), inMillimetres.size());
        for (std::size_t r = 0; r < runs.size(); ++r) {
            SCOPED_TRACE(runs[r].first);
            const std::vector<Move>& moves = runs[r].second.moves;
            const std::vector<Move>& reference = inMillimetres[r].second.moves;
            ASSERT_EQ(moves.size(), reference.size());
            for (std::size_t i = 0; i < moves.size(); ++i) {
                const Move &a = moves[i], &b = reference[i];
                // An inch program holds five decimals: within 0.00005 in.
                const double near = unit == board::Unit::Inch ? 0.0013 : 1e-4;
                EXPECT_NEAR(a.x, b.x, near) << "move " << i;
                EXPECT_NEAR(a.y, b.y, near) << "move " << i;
                EXPECT_NEAR(a.z, b.z, near) << "move " << i;
                EXPECT_NEAR(a.feed, b.feed, 0.01) << "move " << i;
            }
        }
    }
}

// A board radiused before slotting: every point the cutter passes through
// lies a pass's depth under the curved face (the circle of the board's
// radius there, the edge's depth past an edge), and so does, within 5 µm,
// the middle of every straight move between them. Both readers, both units.
TEST(SlottingProgram, SlotsFollowTheRadiusAtTheirDepthUnderTheFace)
{
    struct Row {
        const char* what;
        double nutRadius, lastRadius;
        board::Unit unit;
    };
    const Row rows[] = {
        { "7.25 in vintage cylinder", 184.15, 0, board::Unit::Millimetre },
        { "10-16 in compound", 254, 406.4, board::Unit::Inch },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        // Half-width 21.5 mm at every fret.
        board::Design design = testing_support::RadiusedBoard(row.nutRadius, row.lastRadius);
        design.unit = row.unit;
        const double lastFret = 648 * (1 - std::pow(2.0, -22.0 / 12));
        const auto face = [&](double x, double y) {
            const double r = row.lastRadius == 0
                ? row.nutRadius
                : row.nutRadius + (row.lastRadius - row.nutRadius) * x / lastFret;
            const double d = std::min(std::fabs(y), 21.5);
            return r - std::sqrt(r * r - d * d);
        };
        board::RouterValues parameters;
        parameters.followRadius = true;
        const double near = row.unit == board::Unit::Inch ? 0.0013 : 2e-4;
        for (const auto& [reader, run] :
            Runs(Program(*board::ComputeLayout(design).layout, parameters))) {
            SCOPED_TRACE(reader);
            int deepest = 0;
            for (std::size_t i = 1; i < run.moves.size(); ++i) {
                const Move &m = run.moves[i], &before = run.moves[i - 1];
                if (m.rapid || m.z >= 0)
                    continue;
                const double depth = -m.z - face(m.x, m.y);
                EXPECT_NEAR(depth, std::round(depth), near) << "move " << i;
                deepest += std::round(depth) == 3;
                if (before.rapid || before.z >= 0 || (m.x == before.x && m.y == before.y))
                    continue;
                const double x = (m.x + before.x) / 2, y = (m.y + before.y) / 2;
                EXPECT_NEAR(-(m.z + before.z) / 2 - face(x, y), std::round(depth), 0.005 + near)
                    << "middle of move " << i;
            }
            EXPECT_GT(deepest, 22 * 10) << "every slot cut to its depth along its length";
        }
    }
}

// A board longer than the bed, split: the parts together cut each slot of
// the whole program exactly once, where it cuts it, once X is zeroed again
// on the slot and at the Y each part's header names; every part's moves,
// and its zero, within the bed along X.
TEST(SlottingProgram, PartsForAShortBedCutTheWholeProgramsSlotsOnce)
{
    const std::tuple<board::Unit, double> rows[] = {
        { board::Unit::Millimetre, 200 },
        { board::Unit::Inch, 254 },
    };
    for (const auto& [unit, bed] : rows) {
        SCOPED_TRACE(bed);
        board::RouterValues router;
        router.bindingMarginMm = 1.5;
        const Executed whole = Execute(Program(Fanned(unit), router));
        router.bedLengthMm = bed;
        const auto parts = SlottingPrograms(WithRouter(Fanned(unit), router), "t");
        ASSERT_TRUE(std::holds_alternative<std::vector<std::string>>(parts));
        const auto& texts = std::get<std::vector<std::string>>(parts);
        ASSERT_GE(texts.size(), 3u);
        std::map<int, int> cut;
        for (std::size_t k = 0; k < texts.size(); ++k) {
            SCOPED_TRACE(k + 1);
            // Where this part's X zero lies in the whole program's frame.
            double zero = 0;
            const std::string marker = "lower the cutter into slot ";
            if (const std::size_t at = texts[k].find(marker); at != std::string::npos) {
                const int slot = std::stoi(texts[k].substr(at + marker.size()));
                const double y = std::stod(texts[k].substr(texts[k].find("at Y = ", at) + 7))
                    * (unit == board::Unit::Inch ? 25.4 : 1);
                const auto first = std::find_if(whole.moves.begin(), whole.moves.end(),
                    [&](const Move& m) { return m.slot == slot && !m.rapid && m.z < 0; });
                const Move &a = *first, &b = *std::next(first);
                zero = a.x + (b.x - a.x) * (y - a.y) / (b.y - a.y);
            }
            double low = 0, high = 0;
            std::vector<Move> slots, expected;
            for (const Move& m : Execute(texts[k]).moves) {
                low = std::min(low, m.x);
                high = std::max(high, m.x);
                if (m.slot > 0)
                    slots.push_back(m);
            }
            EXPECT_LE(high - low, bed + 1e-3);
            ASSERT_FALSE(slots.empty());
            for (const Move& m : whole.moves)
                if (m.slot >= slots.front().slot && m.slot <= slots.back().slot)
                    expected.push_back(m);
            ASSERT_EQ(slots.size(), expected.size());
            for (std::size_t i = 0; i < expected.size(); ++i) {
                const Move &m = slots[i], &w = expected[i];
                ASSERT_EQ(m.slot, w.slot);
                EXPECT_EQ(m.z, w.z) << "slot " << m.slot;
                ++cut[m.slot];
                if (i == 0 || expected[i - 1].slot != w.slot)
                    continue; // the rise to the safe height, wherever the tool stands
                EXPECT_NEAR(m.x + zero, w.x, 2e-3) << "slot " << m.slot;
                EXPECT_NEAR(m.y, w.y, 2e-3) << "slot " << m.slot;
            }
        }
        for (const Move& m : whole.moves)
            if (m.slot > 0)
                --cut[m.slot];
        for (const auto& [slot, surplus] : cut)
            EXPECT_EQ(surplus, 0) << "slot " << slot << " cut once";
    }
}

// A zero fret is slot 0, cut first along the scale's zero, where X is 0;
// slot 1 stands where 12-EDO's first fret is on 650 mm (36.4817 mm).
TEST(SlottingProgram, AZeroFretIsSlotZeroAtTheOrigin)
{
    board::Design design;
    design.zeroFretMm = 5;
    const Executed run = Execute(Program(*board::ComputeLayout(design).layout, {}));
    std::map<int, std::vector<double>> xs;
    for (const Move& m : run.moves)
        if (!m.rapid && m.z < 0)
            xs[m.slot].push_back(m.x);
    ASSERT_EQ(xs.begin()->first, 0);
    for (const auto& [slot, x] : { std::pair { 0, 0.0 }, std::pair { 1, 36.4817 } })
        for (const double at : xs[slot])
            EXPECT_NEAR(at, x, 1e-4) << "slot " << slot;
}

// The router cuts the board the template draws, seen from above with the
// nut on the left: a right-handed board's treble side away from the
// operator (+Y), as a right-handed guitar lies face up with its head to
// the left (FretFind2D draws the first, treble, string on the right with
// the nut at the top); a left-handed board's bass side there.
TEST(SlottingProgram, CutsTheBoardTheTemplateDrawsWithTheTrebleWhereTheHandSays)
{
    for (const bool leftHanded : { false, true }) {
        SCOPED_TRACE(leftHanded ? "left-handed" : "right-handed");
        board::Design design;
        design.bassLengthMm = 686;
        design.trebleLengthMm = 610;
        design.perpendicularFret = 7;
        design.leftHanded = leftHanded;
        const board::BoardLayout board = *board::ComputeLayout(design).layout;
        const std::string text = Program(board, {});
        EXPECT_NE(
            text.find(leftHanded ? "Y across towards the bass" : "Y across towards the treble"),
            std::string::npos);
        const Drawing drawing = BoardDrawing(board);
        // The template's frets in the machine's frame: from its datum (the
        // middle of the nut), Y up the page.
        std::vector<board::Segment> frets;
        for (const Line& line : drawing.lines)
            if (line.layer == Layer::Frets)
                frets.push_back({ { line.from.x - drawing.datum.x, drawing.datum.y - line.from.y },
                    { line.to.x - drawing.datum.x, drawing.datum.y - line.to.y } });
        ASSERT_EQ(frets.size(), board.frets.size());
        std::size_t slot = 0;
        bool cutting = false;
        for (const Move& m : Execute(text).moves) {
            if (m.rapid) {
                slot += cutting;
                cutting = false;
                continue;
            }
            cutting = true;
            ASSERT_LT(slot, frets.size());
            const board::Segment& f = frets[slot];
            EXPECT_NEAR(
                ((f.to.x - f.from.x) * (m.y - f.from.y) - (f.to.y - f.from.y) * (m.x - f.from.x))
                    / std::hypot(f.to.x - f.from.x, f.to.y - f.from.y),
                0, 1e-4)
                << "slot " << slot + 1;
        }
        EXPECT_EQ(slot, frets.size());
        // The first fret on the treble string, nearer the nut than on the
        // bass string's, lies on the treble side of the centre line.
        const board::Point treble = board.At(1, design.strings).at;
        const double machineY = (board.nut.from.y + board.nut.to.y) / 2 - treble.y;
        EXPECT_EQ(machineY > 0, !leftHanded);
    }
}

TEST(SlottingProgram, RefusesWhatARouterCannotDo)
{
    using board::ProblemKind;
    const struct {
        void (*change)(board::RouterValues&);
        const char* field;
        ProblemKind kind;
    } cases[] = {
        { [](board::RouterValues& p) { p.slotDepthMm = 6.5; }, "router.slot_depth",
            ProblemKind::CountOutOfRange },
        { [](board::RouterValues& p) { p.slotDepthMm = 0; }, "router.slot_depth",
            ProblemKind::CountOutOfRange },
        { [](board::RouterValues& p) { p.passDepthMm = 4; }, "router.pass_depth",
            ProblemKind::PassDeeperThanSlot },
        { [](board::RouterValues& p) { p.passDepthMm = 1e-10; }, "router.pass_depth",
            ProblemKind::CountOutOfRange }, // once a 385 MB program
        { [](board::RouterValues& p) { p.slotDepthMm = 6, p.passDepthMm = 0.055; },
            "router.pass_depth", ProblemKind::TooManyPasses },
        { [](board::RouterValues& p) { p.toolDiameterMm = 2.5; }, "router.tool_diameter",
            ProblemKind::CountOutOfRange },
        { [](board::RouterValues& p) { p.toolDiameterMm = 1e-5; }, "router.tool_diameter",
            ProblemKind::CountOutOfRange },
        { [](board::RouterValues& p) { p.feedMmPerMinute = 1e70; }, "router.feed",
            ProblemKind::CountOutOfRange }, // once "F?"
        { [](board::RouterValues& p) { p.feedMmPerMinute = 1e-5; }, "router.feed",
            ProblemKind::CountOutOfRange }, // once "F0.0000"
        { [](board::RouterValues& p) { p.plungeFeedMmPerMinute = 0; }, "router.plunge_feed",
            ProblemKind::CountOutOfRange },
        { [](board::RouterValues& p) { p.safeZMm = 1e-5; }, "router.safe_z",
            ProblemKind::CountOutOfRange }, // once rapids at the board's face
        { [](board::RouterValues& p) { p.safeZMm = 1e70; }, "router.safe_z",
            ProblemKind::CountOutOfRange },
        { [](board::RouterValues& p) { p.safeZMm = std::nan(""); }, "router.safe_z",
            ProblemKind::NotFinite },
        { [](board::RouterValues& p) { p.bindingMarginMm = 0.01; }, "router.binding_margin",
            ProblemKind::ZeroOrInRange },
        { [](board::RouterValues& p) { p.bindingMarginMm = 24; }, "router.binding_margin",
            ProblemKind::MarginLeavesNoSlot },
        { [](board::RouterValues& p) { p.bedLengthMm = 40; }, "router.bed_length",
            ProblemKind::ZeroOrInRange },
    };
    const board::BoardLayout board = Fanned();
    for (const auto& c : cases) {
        board::RouterValues parameters;
        c.change(parameters);
        const auto program = SlottingPrograms(WithRouter(board, parameters), "t");
        ASSERT_TRUE(std::holds_alternative<board::DesignError>(program)) << c.field;
        EXPECT_EQ(std::get<board::DesignError>(program).field, c.field);
        EXPECT_EQ(std::get<board::DesignError>(program).problem.kind, c.kind) << c.field;
    }
    board::Design longer;
    longer.bassLengthMm = longer.trebleLengthMm = 1600;
    const auto tooLong = SlottingProgram(*board::ComputeLayout(longer).layout, "t");
    ASSERT_TRUE(std::holds_alternative<board::DesignError>(tooLong));
    EXPECT_EQ(std::get<board::DesignError>(tooLong).problem.kind, ProblemKind::BoardTooLongToSlot);
    // A 1400 mm string's first fret stands 78.6 mm from the nut: beyond a 50 mm bed.
    board::Design bass;
    bass.bassLengthMm = bass.trebleLengthMm = 1400;
    bass.router.bedLengthMm = 50;
    const auto shortBed = SlottingPrograms(*board::ComputeLayout(bass).layout, "t");
    ASSERT_TRUE(std::holds_alternative<board::DesignError>(shortBed));
    EXPECT_EQ(std::get<board::DesignError>(shortBed).problem.kind, ProblemKind::BedTooShort);
}

} // namespace
} // namespace corvane::drawing
