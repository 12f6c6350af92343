// Temperaments against numbers published elsewhere, Scala reading, units.

#include "layout.h"
#include "said.h"
#include "scale_catalogue.h"
#include "temperament.h"
#include "units.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cfenv>
#include <cmath>
#include <string>

namespace corvane::board {
namespace {

using testing_support::Said;

BoardLayout OneString(TemperamentSource source, double lengthMm, int frets)
{
    Design design;
    design.temperament = std::move(source);
    design.strings = 1;
    design.frets = frets;
    design.bassLengthMm = design.trebleLengthMm = lengthMm;
    const LayoutResult result = ComputeLayout(design);
    EXPECT_FALSE(result.error) << Said(*result.error);
    return *result.layout;
}

TEST(Temperament, TwelveEqualAt650MatchesTheClassicChromaticDigits)
{
    const fret::SlotTexts classic
        = fret::ScaleCatalogue[1].compute(fret::ToCurrency(650.0), 2, "."); // Tempérée Chromatique
    const BoardLayout board = OneString(EqualDivisions {}, 650.0, 24);
    for (const auto& entry : classic)
        EXPECT_NEAR(board.At(entry.slot, 1).fromNutMm, std::stod(entry.text), 1e-4)
            << "fret " << entry.slot;
}

TEST(Temperament, ClassicScaleOnAStraightBoardGivesTheWindowDigitsExactly)
{
    for (const std::size_t scale : { 0U, 2U, 3U, 5U }) {
        const fret::SlotTexts classic
            = fret::ScaleCatalogue[scale].compute(fret::ToCurrency(650.0), 1, ".");
        const BoardLayout board = OneString(
            ClassicSource { static_cast<ClassicScale>(scale), ClassicMode::Sol }, 650.0, 30);
        std::vector<fret::SlotTexts::Entry> bySlot(classic.begin(), classic.end());
        std::sort(bySlot.begin(), bySlot.end(),
            [](const auto& a, const auto& b) { return a.slot < b.slot; });
        int fret = 0; // diatonic scales have no slot 8: frets count the slots written
        for (const auto& entry : bySlot)
            EXPECT_EQ(board.At(++fret, 1).fromNutMm, std::stod(entry.text))
                << scale << " slot " << entry.slot;
    }
}

// A window's own code leaves overflow and invalid flags raised; the classic
// scales, which read those flags as their overflow check, must not see them,
// and the caller gets its flags back.
TEST(Temperament, ClassicScalesIgnoreFlagsRaisedBeforeThem)
{
    for (int scale = 0; scale < 6; ++scale) {
        std::feraiseexcept(FE_OVERFLOW | FE_INVALID);
        const auto made = MakeClassic(
            { static_cast<ClassicScale>(scale), ClassicMode::Sol }, 600.0, Unit::Millimetre);
        EXPECT_TRUE(made) << scale << " " << Said(made.problem);
        EXPECT_TRUE(std::fetestexcept(FE_OVERFLOW) && std::fetestexcept(FE_INVALID)) << scale;
        std::feclearexcept(FE_ALL_EXCEPT);
    }
}

// FretFind2D (github.com/acspike/FretFind2D, src/fretfind.html): 12-TET
// positions as fractions of the scale length, five decimals.
TEST(Temperament, TwelveEqualMatchesFretFind2DFractions)
{
    const double published[24] = { 0.05613, 0.10910, 0.15910, 0.20630, 0.25085, 0.29289, 0.33258,
        0.37004, 0.40540, 0.43877, 0.47027, 0.50000, 0.52806, 0.55455, 0.57955, 0.60315, 0.62542,
        0.64645, 0.66629, 0.68502, 0.70270, 0.71938, 0.73513, 0.75000 };
    const BoardLayout board = OneString(EqualDivisions {}, 1000.0, 24);
    for (int fret = 1; fret <= 24; ++fret)
        EXPECT_EQ(std::round(board.At(fret, 1).fromNutMm / 1000.0 * 1e5),
            std::round(published[fret - 1] * 1e5))
            << "fret " << fret;
}

// Scala archive style files written from the published ratios: positions
// are L (1 - d/n), a textbook fraction of the length.
TEST(Temperament, ScalaJustAndPythagoreanFilesGiveTextbookPositions)
{
    const std::string ji12
        = "! ji_12.scl\n!\n5-limit just intonation\n 12\n!\n 16/15\n 9/8\n 6/5\n 5/4\n"
          " 4/3\n 45/32\n 3/2\n 8/5\n 5/3\n 9/5\n 15/8\n 2/1\n";
    const std::string pyth12
        = "! pyth_12.scl\r\n!\r\n12-tone Pythagorean scale\r\n 12\r\n!\r\n 256/243\r\n"
          " 9/8\r\n 32/27\r\n 81/64\r\n 4/3\r\n 729/512\r\n 3/2\r\n 128/81\r\n 27/16\r\n"
          " 16/9\r\n 243/128\r\n 2/1\r\n";
    struct Case {
        const std::string* text;
        int fret;
        double expected; // at 648 mm
    };
    const Case cases[] = {
        { &ji12, 3, 648.0 * 1 / 6 },
        { &ji12, 4, 648.0 * 1 / 5 },
        { &ji12, 5, 648.0 * 1 / 4 },
        { &ji12, 6, 648.0 * 13 / 45 },
        { &ji12, 11, 648.0 * 7 / 15 },
        { &ji12, 16, 648.0 * 3 / 5 }, // a major third above the octave
        { &pyth12, 1, 648.0 * 13 / 256 },
        { &pyth12, 4, 648.0 * 17 / 81 },
        { &pyth12, 6, 648.0 * 217 / 729 },
        { &pyth12, 11, 648.0 * 115 / 243 },
    };
    for (const Case& c : cases) {
        const BoardLayout board = OneString(ScalaSource { "x.scl", *c.text }, 648.0, 24);
        EXPECT_NEAR(board.At(c.fret, 1).fromNutMm, c.expected, 1e-9)
            << board.temperament.name << " " << c.fret;
        EXPECT_EQ(board.At(c.fret, 1).note, std::string(NoteName(4 + c.fret)));
    }
}

TEST(Temperament, NineteenAndThirtyOneEqualFollowTheFormulaPastThePeriod)
{
    for (const int divisions : { 19, 31 }) {
        const BoardLayout board = OneString(EqualDivisions { divisions, {} }, 650.0, 60);
        for (int fret = 1; fret <= 60; ++fret) {
            const double expected
                = 650.0 * (1.0 - std::pow(2.0, -fret / static_cast<double>(divisions)));
            EXPECT_NEAR(board.At(fret, 1).fromNutMm / expected, 1.0, 1e-9)
                << divisions << " fret " << fret;
        }
        // No note names outside twelve per octave: degrees, the period ending one.
        EXPECT_EQ(board.At(divisions, 1).note, std::to_string(divisions));
        EXPECT_EQ(board.At(divisions + 1, 1).note, "1");
    }
    // Bohlen-Pierce: 13 divisions of 3/1; fret 13 leaves a third of the string.
    EXPECT_NEAR(
        OneString(EqualDivisions { 13, *ParsePeriod("3/1").value }, 900.0, 13).At(13, 1).fromNutMm,
        600.0, 1e-9);
    EXPECT_NEAR(MakeEqualDivisions({ 12, *ParsePeriod("1200.0").value }).FretRatio(7),
        std::pow(2.0, 7.0 / 12), 1e-15);
}

TEST(Temperament, BuiltinTables)
{
    const Temperament meantone = MakeBuiltin(BuiltinTable::QuarterCommaMeantone12);
    EXPECT_DOUBLE_EQ(meantone.FretRatio(4), 5.0 / 4.0); // pure major third
    EXPECT_NEAR(1200.0 * std::log2(meantone.FretRatio(7)), 696.578, 5e-4); // narrow fifth
    EXPECT_NEAR(1200.0 * std::log2(meantone.FretRatio(3)), 310.265, 5e-4); // Mi bémol, not Ré dièse
    EXPECT_DOUBLE_EQ(MakeBuiltin(BuiltinTable::Pythagorean12).FretRatio(6), 729.0 / 512.0);
    EXPECT_DOUBLE_EQ(MakeBuiltin(BuiltinTable::Just12).FretRatio(10), 9.0 / 5.0);
}

TEST(Scala, FollowsThePublishedFormat)
{
    struct Case {
        const char* text;
        std::size_t count; // pitches read
        double last;
    };
    const Case cases[] = {
        { "desc\n1\n1200.0\n", 1, 2.0 },
        { "\n 1\n 701.955 cents, a fifth\n", 1,
            std::exp2(701.955 / 1200) }, // empty description, trailing text
        { "! c\nd\n! c\n2\n! c\n 3/2 G\n 2 octave\nrubbish after the last pitch\n", 2, 2.0 },
        { "d\n2\n-5.0\n1200.\n", 2, 2.0 }, // negative cents and "1200."
        { "d\n0\n", 0, 0 },
        // Saved on Windows: a byte order mark before the first comment.
        { "\xEF\xBB\xBF! x.scl\n!\n5-limit\n1\n2/1\n", 1, 2.0 },
        // atomschis.scl: a comma of 21 digits over 21 digits.
        { "d\n1\n156348578434374084375/147573952589676412928\n", 1,
            156348578434374084375.0 / 147573952589676412928.0 },
    };
    for (const Case& c : cases) {
        const auto parsed = ParseScala(c.text);
        ASSERT_TRUE(parsed) << c.text << Said(parsed.problem);
        if (c.count == 0)
            continue;
        EXPECT_EQ(parsed.value->ratios.size(), c.count) << c.text;
        EXPECT_DOUBLE_EQ(parsed.value->ratios.back(), c.last) << c.text;
    }
    // Older files' descriptions are Latin-1: read as such, kept as UTF-8.
    EXPECT_EQ(ParseScala("Gamme de P\xE9rotin\n1\n2/1\n").value->description, "Gamme de Pérotin");
    EXPECT_EQ(ParseScala("Gamme de Pérotin\n1\n2/1\n").value->description, "Gamme de Pérotin");
}

TEST(Scala, ErrorsNameTheLineAndTheProblem)
{
    struct Case {
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        { "", "ligne 1 : le nombre de notes manque" },
        { "! only a comment\ndescription\n", "le nombre de notes manque" },
        { "d\ntwelve\n", "ligne 2 : « twelve » n'est pas un nombre de notes" },
        { "d\n3\n9/8\n\n2/1\n", "ligne 4 : hauteur manquante (note 2 sur 3)" },
        { "d\n2\n9/8\n3/-2\n", "ligne 4 : « 3/-2 » n'est ni un rapport" },
        { "d\n2\n9/8\n0/1\n", "ligne 4 : « 0/1 »" },
        { "d\n3\n9/8\n5/4\n", "ligne 4 : le fichier s'arrête après 2 hauteurs sur 3" },
        { "d\n2\n1.2.3\n2/1\n", "ligne 3 : « 1.2.3 » n'est pas une valeur en cents" },
        { "d\n1\n1e400/1\n", "ligne 3 : « 1e400/1 » n'est ni un rapport" },
        { "d\n1\n1"
          "0000000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
          "00000000000000"
          "0000000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
          "00000000000000"
          "0000000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
          "00000000000000"
          "000000000/1\n",
            "est trop grand pour être calculé" },
    };
    for (const Case& c : cases) {
        const auto parsed = ParseScala(c.text);
        ASSERT_FALSE(parsed) << c.text;
        EXPECT_NE(Said(parsed.problem).find(c.message), std::string::npos) << Said(parsed.problem);
    }
    // Readable, but not a scale frets can follow.
    EXPECT_NE(Said(MakeScala({ "", "d\n3\n9/8\n9/8\n2/1\n" }).problem)
                  .find("ligne 4 : les hauteurs doivent monter"),
        std::string::npos);
    EXPECT_NE(Said(MakeScala({ "", "d\n1\n-100.0\n" }).problem)
                  .find("ligne 3 : la première hauteur doit dépasser 1/1"),
        std::string::npos);
    EXPECT_FALSE(MakeScala({ "", "d\n0\n" }));
}

TEST(Units, LengthsAndSixtyFourths)
{
    struct Case {
        const char* text;
        Unit unit;
        double millimetres; // 0: an error
    };
    const Case cases[] = {
        { "650", Unit::Millimetre, 650.0 },
        { "650,5", Unit::Millimetre, 650.5 },
        { "65 cm", Unit::Millimetre, 650.0 },
        { "25 1/2", Unit::Inch, 647.7 },
        { "25-1/2\"", Unit::Millimetre, 647.7 },
        { "3/4", Unit::Inch, 19.05 },
        { "25.5 in", Unit::Centimetre, 647.7 },
        { "0", Unit::Millimetre, 0 },
        { "-3", Unit::Millimetre, 0 },
        { "650 m", Unit::Millimetre, 0 },
        { "25 3/2", Unit::Inch, 0 },
        { "1e3", Unit::Millimetre, 0 },
        { "abc", Unit::Millimetre, 0 },
    };
    for (const Case& c : cases) {
        const auto parsed = ParseLength(c.text, c.unit);
        if (c.millimetres == 0)
            EXPECT_FALSE(parsed) << c.text;
        else
            EXPECT_NEAR(parsed.value.value_or(0), c.millimetres, 1e-12)
                << c.text << Said(parsed.problem);
    }
    EXPECT_EQ(
        Said(ParseLength("abc", Unit::Millimetre).problem), "« abc » ne contient aucun nombre");
    const InchFraction fraction = NearestSixtyFourth(25.5157);
    EXPECT_EQ(fraction.Text(), "25 33/64");
    EXPECT_NEAR(fraction.errorInches, 25.515625 - 25.5157, 1e-12);
    EXPECT_EQ(NearestSixtyFourth(12.499).Text(), "12 1/2");
    EXPECT_EQ(NearestSixtyFourth(0.003).Text(), "0");
}

} // namespace
} // namespace corvane::board
