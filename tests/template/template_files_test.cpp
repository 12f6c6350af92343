#include "board_drawing.h"
#include "classic_board.h"
#include "dxf_writer.h"
#include "intonation_chart.h"
#include "layers.h"
#include "radius_gauges.h"
#include "radiused_board.h"
#include "string_catalogue.h"
#include "svg_writer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>

using namespace corvane::drawing;
using corvane::testing_support::ClassicBoard;
using corvane::testing_support::ClassicRequest;
using corvane::testing_support::TemperedChromatic;

namespace {

std::string TempPath(const std::string& name)
{
    return ::testing::TempDir() + "template-files-" + std::to_string(::getpid()) + "-" + name;
}

// The file read back by ezdxf (read_dxf.py), then removed; empty when the
// reader failed, which the caller's parsing then reports.
std::string ReadBackDxf(const std::string& path)
{
    std::string output;
    if (FILE* pipe = ::popen(
            (std::string(CORVANE_SYSTEM_PYTHON " " READ_DXF_SCRIPT " ") + path).c_str(), "r")) {
        char buffer[4096];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
            output.append(buffer, n);
        if (::pclose(pipe) != 0)
            ADD_FAILURE() << "read_dxf.py failed: " << output;
    }
    std::remove(path.c_str());
    return output;
}

std::vector<double> EnginePositions(const char* length)
{
    std::vector<double> positions;
    for (const auto& fret : ClassicRequest(TemperedChromatic, length, Unit::Millimetre).frets)
        positions.push_back(std::stod(fret.positionText));
    return positions;
}

} // namespace

TEST(SvgFile, IsInMillimetresWithTheNutAtZero)
{
    struct Case {
        const char* length;
        Unit unit;
        double fret12;
    } const cases[] = { { "650", Unit::Millimetre, 325 }, { "65", Unit::Centimetre, 325 },
        { "25.5", Unit::Inch, 323.85 } };
    for (const Case& c : cases) {
        const std::string svg = SvgText(ClassicBoard(TemperedChromatic, c.length, c.unit), "t");
        std::smatch header;
        ASSERT_TRUE(std::regex_search(svg, header,
            std::regex(
                R"re(width="([0-9.]+)mm" height="([0-9.]+)mm" viewBox="(-?[0-9.]+) (-?[0-9.]+) ([0-9.]+) ([0-9.]+)")re")))
            << c.length;
        EXPECT_EQ(header[1], header[5]) << "viewBox width in mm";
        EXPECT_EQ(header[2], header[6]) << "viewBox height in mm";
        const auto frets = svg.find("<g id=\"frets\"");
        ASSERT_NE(frets, std::string::npos);
        std::smatch line;
        std::string rest = svg.substr(frets);
        std::vector<double> xs;
        const std::regex lineStart(R"re(<line x1="([0-9.]+)")re");
        for (std::sregex_iterator it(rest.begin(), rest.end(), lineStart), end;
             it != end && xs.size() < 24; ++it)
            xs.push_back(std::stod((*it)[1]));
        ASSERT_EQ(xs.size(), 24u);
        EXPECT_NEAR(xs[11], c.fret12, 1e-9) << c.length;
    }
}

// Read back by an independent reader: the unit declared, and every fret at
// the engine's own number, in that unit, every text level or upright.
TEST(DxfFile, ReadBackHasItsUnitsAndEveryFretAtTheEnginesPosition)
{
    struct Case {
        const char* length;
        Unit unit;
        int insUnits, measurement;
    } const cases[] = { { "650", Unit::Millimetre, 4, 1 }, { "65", Unit::Centimetre, 5, 1 },
        { "25.5", Unit::Inch, 1, 0 } };
    for (const Case& c : cases) {
        const std::string path = TempPath("board.dxf");
        ASSERT_FALSE(WriteDxfFile(ClassicBoard(TemperedChromatic, c.length, c.unit), c.unit, path));
        const std::string output = ReadBackDxf(path);

        std::istringstream lines(output);
        std::string word, version;
        int insUnits = -1, measurement = -1;
        std::vector<double> frets;
        int upright = 0;
        while (lines >> word) {
            if (word == "VERSION")
                lines >> version;
            else if (word == "INSUNITS")
                lines >> insUnits;
            else if (word == "MEASUREMENT")
                lines >> measurement;
            else if (word == "FRET") {
                double x1, y1, x2, y2;
                lines >> x1 >> y1 >> x2 >> y2;
                EXPECT_EQ(x1, x2) << "a fret is one straight line across";
                frets.push_back(x1);
            } else if (word == "ROTATION") {
                // DXF angles are degrees: labels along a fret read upwards.
                double degrees = -1;
                lines >> degrees;
                EXPECT_TRUE(degrees == 0 || degrees == 90) << c.length << " text at " << degrees;
                upright += degrees == 90;
            }
        }
        EXPECT_GT(upright, 0) << c.length;
        EXPECT_EQ(version, "AC1015");
        EXPECT_EQ(insUnits, c.insUnits) << c.length;
        EXPECT_EQ(measurement, c.measurement) << c.length;
        const std::vector<double> expected = EnginePositions(c.length);
        ASSERT_EQ(frets.size(), expected.size());
        for (std::size_t i = 0; i < frets.size(); ++i)
            EXPECT_NEAR(frets[i], expected[i], 1e-6) << c.length << " fret " << i + 1;
    }
}

// What a laser or CAD program sorts by: the board's outline is one closed
// path, and every layer has a colour of its own.
TEST(DxfFile, TheOutlineIsOneClosedPathAndEveryLayerHasItsColour)
{
    corvane::board::Design design;
    design.trebleLengthMm = 620; // a fan: the outline is no rectangle
    design.perpendicularFret = 7;
    const Drawing board = BoardDrawing(*corvane::board::ComputeLayout(design).layout);
    const std::string path = TempPath("outline.dxf");
    ASSERT_FALSE(WriteDxfFile(board, Unit::Millimetre, path));
    const std::string output = ReadBackDxf(path);

    std::istringstream lines(output);
    std::string word, name;
    std::vector<std::string> outlines;
    std::map<int, std::string> colours;
    while (lines >> word) {
        if (word == "OUTLINE") {
            int closed = 0, vertices = 0;
            lines >> name >> closed >> vertices;
            outlines.push_back(
                name + " " + std::to_string(closed) + " " + std::to_string(vertices));
        } else if (word == "COLOUR") {
            int colour = 0;
            lines >> name >> colour;
            if (name.size() > 1 && name != DxfTextLayer
                && name != "Defpoints") { // ours, not the reader's
                EXPECT_TRUE(colours.emplace(colour, name).second) << name << " shares " << colour;
            }
        }
    }
    EXPECT_EQ(outlines, std::vector<std::string> { "BORDS 1 4" });
    EXPECT_GE(colours.size(), 10u);

    const std::string svg = SvgText(board, "t");
    const auto edges = svg.find("<g id=\"edges\" stroke=\"#00ff00\"");
    ASSERT_NE(edges, std::string::npos);
    EXPECT_NE(svg.find(" Z\" fill=\"none\"", edges), std::string::npos);
}

// What other CAD programs read of our polylines: the radius gauges, each one
// closed outline as wide as the board plus 10 mm; a fan with a length per
// string, each bent fret one open polyline through the six strings.
TEST(DxfFile, GaugesAreClosedAndBentFretsOpenPolylinesAsEzdxfReadsThem)
{
    corvane::board::Design fan;
    fan.stringLengthsMm = { 686, 672, 664, 660, 655, 648 };
    fan.bassLengthMm = 686;
    fan.trebleLengthMm = 648;
    fan.perpendicularFret = 7;
    fan.frets = 12;
    const struct {
        const char* what;
        Drawing drawing;
    } rows[] = {
        { "gauges",
            RadiusGauges(
                *corvane::board::ComputeLayout(corvane::testing_support::RadiusedBoard(254, 406.4))
                     .layout,
                {}) },
        { "bent frets", BoardDrawing(*corvane::board::ComputeLayout(fan).layout) },
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        const std::string path = TempPath("polylines.dxf");
        ASSERT_FALSE(WriteDxfFile(row.drawing, Unit::Millimetre, path));
        std::istringstream lines(ReadBackDxf(path));
        std::map<std::string, int> seen;
        std::vector<double> xs;
        for (std::string word; lines >> word;) {
            if (word == "OUTLINE") {
                std::string layer;
                int closed = 0, vertices = 0;
                lines >> layer >> closed >> vertices;
                ++seen[layer + (closed ? " closed " : " open ") + std::to_string(vertices)];
                xs.clear();
            } else if (word == "VERTEX") {
                double x = 0, y = 0;
                lines >> x >> y;
                xs.push_back(x);
                if (std::string(row.what) == "gauges" && xs.size() > 1) {
                    EXPECT_LE(xs.back() - xs.front(), 43 + 10 + 1e-9);
                }
            }
        }
        if (std::string(row.what) == "gauges") {
            int closed = 0;
            for (const auto& [kind, count] : seen) {
                EXPECT_EQ(kind.substr(0, 13), "BORDS closed ") << kind;
                closed += count;
            }
            EXPECT_EQ(closed, 3);
        } else {
            // Frets 1 to 12 but the square 7th; the nut and the saddle bend too.
            EXPECT_EQ(seen["FRETTES open 8"], 11);
            EXPECT_EQ(seen["SILLET open 8"], 1);
            EXPECT_EQ(seen["CHEVALET open 8"], 1);
            EXPECT_EQ(seen["BORDS closed 4"], 1);
        }
    }
}

// Cut-ready: each slot a closed four-sided outline of the saw's width whose
// centre line is the engine's fret, the face dots midway between their
// frets; read back by ezdxf. In SVG, hairlines on request.
TEST(DxfFile, SlotsAndMarkersLieWhereTheEngineSays)
{
    corvane::board::Design design;
    design.trebleLengthMm = 620; // slanted slots
    design.perpendicularFret = 7;
    const corvane::board::BoardLayout layout = *corvane::board::ComputeLayout(design).layout;
    BoardDrawingOptions options;
    options.cut.slotWidthMm = 0.6;
    options.cut.markers = true;
    options.cut.extendFretsMm = 10;
    const Drawing board = BoardDrawing(layout, options);
    const std::string path = TempPath("slots.dxf");
    ASSERT_FALSE(WriteDxfFile(board, Unit::Millimetre, path));
    const std::string output = ReadBackDxf(path);

    // The engine's fret in the file's frame: from the nut's middle, y up.
    const corvane::board::Point nut { (layout.nut.from.x + layout.nut.to.x) / 2,
        (layout.nut.from.y + layout.nut.to.y) / 2 };
    const auto file = [&](corvane::board::Point p) {
        return corvane::board::Point { p.x - nut.x, nut.y - p.y };
    };
    std::istringstream lines(output);
    std::string word, layer;
    std::vector<std::vector<corvane::board::Point>> slots;
    std::vector<corvane::board::Point> dots;
    while (lines >> word) {
        if (word == "OUTLINE") {
            int closed = 0, vertices = 0;
            lines >> layer >> closed >> vertices;
            if (layer == "FENTES") {
                EXPECT_EQ(closed, 1);
                EXPECT_EQ(vertices, 4);
                slots.emplace_back();
            }
        } else if (word == "VERTEX" && layer == "FENTES") {
            double x, y;
            lines >> x >> y;
            slots.back().push_back({ x, y });
        } else if (word == "CIRCLE") {
            double x, y, r;
            lines >> layer >> x >> y >> r;
            EXPECT_EQ(layer, "REPERES_INCRUSTES");
            EXPECT_NEAR(r, 3.0, 1e-9);
            dots.push_back({ x, y });
        }
    }
    ASSERT_EQ(slots.size(), layout.frets.size());
    for (std::size_t i = 0; i < slots.size(); ++i) {
        const auto& s = slots[i];
        const corvane::board::Point from = file(layout.frets[i].from),
                                    to = file(layout.frets[i].to);
        EXPECT_NEAR((s[0].x + s[3].x) / 2, from.x, 1e-6) << "fret " << i + 1;
        EXPECT_NEAR((s[0].y + s[3].y) / 2, from.y, 1e-6) << "fret " << i + 1;
        EXPECT_NEAR((s[1].x + s[2].x) / 2, to.x, 1e-6) << "fret " << i + 1;
        // The saw's width between the long sides; the ends on the board's edges.
        const auto fromLine
            = [](corvane::board::Point p, corvane::board::Point a, corvane::board::Point b) {
                  return std::fabs((b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x))
                      / std::hypot(b.x - a.x, b.y - a.y);
              };
        EXPECT_NEAR(fromLine(s[3], s[0], s[1]), 0.6, 1e-6) << "fret " << i + 1;
        const corvane::board::Point bassEnd = file(layout.bassEdge.from),
                                    bassStart = file(layout.bassEdge.to);
        EXPECT_NEAR(fromLine(s[0], bassEnd, bassStart), 0, 1e-6) << "fret " << i + 1;
        EXPECT_NEAR(fromLine(s[3], bassEnd, bassStart), 0, 1e-6) << "fret " << i + 1;
    }
    // 24 frets: eight single dots and two pairs; the first between frets 2 and 3.
    ASSERT_EQ(dots.size(), 12u);
    const auto middle = [&](int fret) {
        const auto& f = layout.frets[static_cast<std::size_t>(fret - 1)];
        return file({ (f.from.x + f.to.x) / 2, (f.from.y + f.to.y) / 2 });
    };
    EXPECT_NEAR(dots[0].x, (middle(2).x + middle(3).x) / 2, 1e-6);

    const std::string hairline = SvgText(board, "t", true);
    EXPECT_EQ(hairline.find("stroke-width=\"0.2"), std::string::npos);
    EXPECT_NE(hairline.find("stroke-width=\"0.025\""), std::string::npos);
}

// The same slots and dots found by a reader we did not write: Inkscape's
// --query-all gives each element's box in px from the page's corner; a slot
// and a dot are symmetric, so the box's middle is their centre. Skipped where
// Inkscape is not installed.
TEST(SvgFile, InkscapeFindsTheSlotsAndDotsWhereTheEngineSays)
{
    if (std::system("command -v inkscape >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "inkscape is not installed";
    corvane::board::Design design;
    design.trebleLengthMm = 620;
    design.perpendicularFret = 7;
    const corvane::board::BoardLayout layout = *corvane::board::ComputeLayout(design).layout;
    BoardDrawingOptions options;
    options.cut.slotWidthMm = 0.6;
    options.cut.markers = true;
    const Drawing drawing = BoardDrawing(layout, options);
    const std::string svg = SvgText(drawing, "t");
    std::smatch viewBox;
    ASSERT_TRUE(
        std::regex_search(svg, viewBox, std::regex(R"re(viewBox="(-?[0-9.]+) (-?[0-9.]+))re")));
    const std::string path = TempPath("query.svg");
    std::ofstream(path) << svg;
    std::string output;
    if (FILE* pipe = ::popen(("inkscape --query-all " + path + " 2>/dev/null").c_str(), "r")) {
        char buffer[4096];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
            output.append(buffer, n);
        ::pclose(pipe);
    }
    std::remove(path.c_str());

    constexpr double PxPerMm = 96.0 / 25.4;
    const double left = std::stod(viewBox[1]), top = std::stod(viewBox[2]);
    const corvane::board::Point nut { (layout.nut.from.x + layout.nut.to.x) / 2,
        (layout.nut.from.y + layout.nut.to.y) / 2 };
    std::map<std::string, std::vector<corvane::board::Point>> centres; // by group
    std::istringstream lines(output);
    std::string line, group;
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        std::string id, value;
        std::getline(fields, id, ',');
        double box[4] {};
        for (double& v : box)
            if (std::getline(fields, value, ','))
                v = std::stod(value);
        if (id.rfind("path", 0) != 0 && id.rfind("circle", 0) != 0 && id.rfind("line", 0) != 0)
            group = id;
        else
            centres[group].push_back(
                { (box[0] + box[2] / 2) / PxPerMm + left, (box[1] + box[3] / 2) / PxPerMm + top });
    }
    const auto& slots = centres["slots"];
    ASSERT_EQ(slots.size(), layout.frets.size()) << output;
    for (std::size_t i = 0; i < slots.size(); ++i) {
        const auto& fret = layout.frets[i];
        EXPECT_NEAR(slots[i].x, (fret.from.x + fret.to.x) / 2 - nut.x, 0.005) << "fret " << i + 1;
        EXPECT_NEAR(slots[i].y, (fret.from.y + fret.to.y) / 2 - nut.y, 0.005) << "fret " << i + 1;
    }
    // The dots where the drawing put them (midway along the middle string),
    // from the drawing's datum (the nut's middle).
    const auto& dots = centres["markers"];
    ASSERT_EQ(dots.size(), drawing.circles.size());
    ASSERT_EQ(dots.size(), 12u);
    for (std::size_t i = 0; i < dots.size(); ++i) {
        EXPECT_NEAR(dots[i].x, drawing.circles[i].centre.x - drawing.datum.x, 0.005)
            << "dot " << i + 1;
        EXPECT_NEAR(dots[i].y, drawing.circles[i].centre.y - drawing.datum.y, 0.005)
            << "dot " << i + 1;
    }
}

// A file is written whole or not at all: a failed write names the file and
// leaves neither a half file nor a temporary behind.
TEST(WholeFiles, AFailedWriteLeavesWhatWasThere)
{
    namespace fs = std::filesystem;
    const fs::path directory = TempPath("dir");
    fs::create_directories(directory / "existing.svg");
    const Drawing board = ClassicBoard(TemperedChromatic, "650", Unit::Millimetre);
    for (const fs::path& target : { directory / "missing" / "x.svg", directory / "existing.svg" }) {
        const auto svgError = WriteSvgFile(board, "t", target.string());
        const auto dxfError = WriteDxfFile(board, Unit::Millimetre, target.string());
        ASSERT_TRUE(svgError && dxfError) << target;
        EXPECT_EQ(svgError->path, target.string());
    }
    EXPECT_TRUE(fs::is_directory(directory / "existing.svg"));
    EXPECT_EQ(std::distance(fs::directory_iterator(directory), fs::directory_iterator()), 1);
    fs::remove_all(directory);
}

// Strings on the drawing: each string's own fret as a segment centred on
// its fretlet, each string's saddle point on the dashed compensated saddle;
// the intonation chart puts each error at its height on the cents scale.
TEST(StringsDrawing, FretletsSaddlePointsAndTheChartLieWhereTheEngineSays)
{
    corvane::board::Design design;
    design.frets = 12;
    const auto* set = corvane::board::FindNamedStringSet("ej45");
    design.stringing.tuning = set->tuning;
    for (const std::string& item : set->items)
        design.stringing.set.push_back(corvane::board::SetString::OfItem(item));
    design.stringing.compensation = corvane::board::CompensationMode::Computed;
    design.stringing.fretlets = true;
    const corvane::board::BoardLayout layout = *corvane::board::ComputeLayout(design).layout;
    const Drawing drawing = BoardDrawing(layout, {});
    const Point offset { drawing.datum.x - (layout.nut.from.x + layout.nut.to.x) / 2,
        drawing.datum.y - (layout.nut.from.y + layout.nut.to.y) / 2 };
    std::vector<Line> fretlets, saddle;
    for (const Line& line : drawing.lines) {
        if (line.layer == Layer::Frets)
            fretlets.push_back(line);
        if (line.layer == Layer::Saddle && line.dashed)
            saddle.push_back(line);
    }
    ASSERT_EQ(fretlets.size(), 12u * 6u);
    for (int fret = 1; fret <= 12; ++fret)
        for (int string = 1; string <= 6; ++string) {
            const Line& piece = fretlets[static_cast<std::size_t>((fret - 1) * 6 + string - 1)];
            const corvane::board::Point at = layout.At(fret, string).fretletAt;
            // Straight across at this fretlet's distance from the nut.
            EXPECT_NEAR(piece.from.x, at.x + offset.x, 1e-9) << fret << "/" << string;
            EXPECT_NEAR(piece.to.x, at.x + offset.x, 1e-9) << fret << "/" << string;
        }
    ASSERT_EQ(saddle.size(), 5u); // between six saddle points
    for (std::size_t i = 0; i < saddle.size(); ++i)
        EXPECT_NEAR(saddle[i].from.x, layout.strings[i].compensatedSaddle.x + offset.x, 1e-9);

    // The same read back from the DXF by ezdxf: from the nut's middle, y up.
    const std::string path = TempPath("strings.dxf");
    ASSERT_FALSE(WriteDxfFile(drawing, Unit::Millimetre, path));
    std::istringstream dxf(ReadBackDxf(path));
    std::vector<corvane::board::Point> dashedSaddle;
    std::size_t fretPieces = 0;
    for (std::string word; dxf >> word;) {
        double x1, y1, x2, y2;
        if (word == "FRET" && dxf >> x1 >> y1 >> x2 >> y2) {
            ++fretPieces;
        } else if (word == "SADDLE" && dxf >> x1 >> y1 >> x2 >> y2 >> word && word == "DASHED") {
            dashedSaddle.push_back({ x1, y1 });
        }
    }
    EXPECT_EQ(fretPieces, 12u * 6u);
    ASSERT_EQ(dashedSaddle.size(), 5u);
    const corvane::board::Point nut { (layout.nut.from.x + layout.nut.to.x) / 2,
        (layout.nut.from.y + layout.nut.to.y) / 2 };
    for (std::size_t i = 0; i < dashedSaddle.size(); ++i) {
        EXPECT_NEAR(dashedSaddle[i].x, layout.strings[i].compensatedSaddle.x - nut.x, 1e-6);
        EXPECT_NEAR(dashedSaddle[i].y, nut.y - layout.strings[i].compensatedSaddle.y, 1e-6);
    }

    // The chart: 5 steps each side of zero on PlotHeight 90 mm, so 9 mm a step.
    const Drawing chart = IntonationChart(layout);
    const double step = ChartStepCents(4.9);
    EXPECT_EQ(step, 1);
    EXPECT_EQ(ChartStepCents(5.1), 2);
    EXPECT_EQ(ChartStepCents(24), 5);
    EXPECT_EQ(ChartStepCents(26), 10);
    std::vector<Line> before;
    for (const Line& line : chart.lines)
        if (line.layer == Layer::Strings)
            before.push_back(line);
    ASSERT_EQ(before.size(), 6u * 11u); // a segment between each pair of frets
    double largest = 0;
    for (const auto& string : layout.stringReports)
        for (const auto* cents : { &string.centsBefore, &string.centsAfter })
            for (const double c : *cents)
                largest = std::max(largest, std::fabs(c));
    const double zeroY = 18.0 + 45.0; // the plot's top and half its height
    const double fret12 = layout.stringReports[0].centsBefore.back();
    EXPECT_NEAR(before[10].to.y, zeroY - fret12 / (ChartStepCents(largest) * 5) * 45.0, 1e-9);
}
