// Fret positions that other people computed and published, against the
// engine's. Corvane did not produce these numbers, so they catch what a
// table copied from its own output cannot: a wrong ratio, a slot shifted
// by one, a length rounded in the wrong place.

#include "control_table.h"
#include "fret_calculator.h"
#include "fret_slots.h"
#include "read_number.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The texts of the position boxes a scale choice shows, in slot order,
// written with a period.
std::vector<std::string> Positions(const std::string& length, const std::string& scale)
{
    fret::ControlTable window;
    fret::FretCalculator calculator(window, ".");
    window.SetText("Longvib", length);
    calculator.Longvib_Change();
    window.SetText("Combo2", fret::ModeDoText);
    calculator.Combo2_Click();
    window.SetText("Combo1", scale);
    calculator.Combo1_Click();
    std::vector<std::string> positions;
    for (fret::FretSlot slot = 1; slot <= fret::SlotCount; ++slot)
        if (const auto& box = window.control(fret::PositionBox(slot)); box.visible)
            positions.push_back(box.text);
    return positions;
}

double Value(const std::string& text)
{
    return fret::ReadNumber(text);
}

// Half a unit of the published last place.
double HalfUnit(int decimals)
{
    double unit = 1.0;
    for (int i = 0; i < decimals; ++i)
        unit /= 10.0;
    return unit / 2.0;
}

// Ours are rounded to four decimals: half a unit of our last place more.
constexpr double OurHalfUnit = 0.00005;

struct PublishedTable {
    const char* source;
    const char* length;
    double lengthValue;
    bool toTheBridge; // published as distances from the fret to the bridge
    double scaleFactor; // published value times this is a distance in the length's unit
    int decimals;
    std::vector<std::pair<int, double>> frets; // fret number, published value
};

class EqualTemperament : public testing::TestWithParam<PublishedTable> { };

TEST_P(EqualTemperament, AgreesWithThePublishedTable)
{
    const PublishedTable& table = GetParam();
    const std::vector<std::string> positions = Positions(table.length, "Tempérée Chromatique");
    ASSERT_EQ(positions.size(), 24U);
    for (const auto& [fret, published] : table.frets) {
        SCOPED_TRACE(std::string(table.source) + ", fret " + std::to_string(fret));
        const double fromNut = Value(positions[static_cast<std::size_t>(fret - 1)]);
        const double ours = table.toTheBridge ? table.lengthValue - fromNut : fromNut;
        EXPECT_NEAR(ours, published * table.scaleFactor,
            HalfUnit(table.decimals) * table.scaleFactor + OurHalfUnit);
    }
}

INSTANTIATE_TEST_SUITE_P(Sources, EqualTemperament,
    testing::Values(
        // FretFind2D (github.com/acspike/FretFind2D), src/fretfind.html, the
        // table under "In twelve tone equal temperament the values look like
        // this": distance from the nut as a fraction of the length.
        PublishedTable { "FretFind2D", "100000", 100000, false, 100000, 5,
            { { 1, 0.05613 }, { 2, 0.10910 }, { 3, 0.15910 }, { 4, 0.20630 }, { 5, 0.25085 },
                { 6, 0.29289 }, { 7, 0.33258 }, { 8, 0.37004 }, { 9, 0.40540 }, { 10, 0.43877 },
                { 11, 0.47027 }, { 12, 0.50000 }, { 13, 0.52806 }, { 17, 0.62542 }, { 19, 0.66629 },
                { 23, 0.73513 }, { 24, 0.75000 } } },
        // mikebharris/fret-placement-calculator,
        // lambdas/fret-placement-calculator-api/handler/handler_test.go:
        // equal temperament at 600 mm, two decimals.
        PublishedTable { "fret-placement-calculator", "600", 600, false, 1, 2,
            { { 1, 33.68 }, { 2, 65.46 }, { 3, 95.46 }, { 4, 123.78 }, { 5, 150.51 }, { 6, 175.74 },
                { 7, 199.55 }, { 8, 222.02 }, { 9, 243.24 }, { 10, 263.26 }, { 11, 282.16 },
                { 12, 300.0 }, { 13, 316.84 }, { 24, 450.0 } } },
        // stuphi.co.uk, "Guitar bits 'n' bobs", fret table for a 25 in scale:
        // distance from the fret to the bridge, three decimals.
        PublishedTable { "stuphi.co.uk, inches", "25", 25, true, 1, 3,
            { { 1, 23.597 }, { 2, 22.272 }, { 3, 21.022 }, { 4, 19.843 }, { 5, 18.729 },
                { 6, 17.678 }, { 7, 16.685 }, { 8, 15.749 }, { 9, 14.865 }, { 10, 14.031 } } },
        PublishedTable { "stuphi.co.uk, millimetres", "635", 635, true, 1, 3,
            { { 1, 599.360 }, { 2, 565.721 }, { 3, 533.969 }, { 4, 504.000 }, { 5, 475.712 },
                { 6, 449.013 }, { 7, 423.812 }, { 8, 400.025 }, { 9, 377.573 },
                { 10, 356.382 } } }));

// mikebharris/fret-placement-calculator, handler_test.go,
// Test_ShouldDefaultToIonianIfNonSensicalPtolemyDiatonicScaleIsProvided:
// Ptolemy's intense diatonic at 540 mm, ratios 9:8, 5:4, 4:3, 3:2, 5:3,
// 15:8, 2:1. The natural diatonic scale in the mode of Do is the same
// scale, and agrees on every fret but the fourth: Corvane builds it from
// 1.3333, not 4/3, so it lies at 540 - 540 / 1.3333 = 134.9899, 0.0101
// short. That difference, and no other, is by design.
TEST(JustDiatonic, AgreesWithThePublishedTableButForTheFourth)
{
    const std::vector<std::string> published { "60", "108", "135", "180", "216", "252", "270" };
    const std::vector<std::string> positions = Positions("540", "Naturelle   Diatonique");
    ASSERT_EQ(positions.size(), 14U);
    for (std::size_t degree = 0; degree < published.size(); ++degree) {
        SCOPED_TRACE("degree " + std::to_string(degree + 2));
        if (degree == 2) {
            EXPECT_EQ(positions[degree], "134.9899");
            EXPECT_NEAR(Value(published[degree]) - Value(positions[degree]), 0.0101, 1e-9);
        } else
            EXPECT_EQ(positions[degree], published[degree]);
    }
}

} // namespace
