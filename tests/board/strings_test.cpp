// Strings against numbers published by others: the string maker's tension
// chart, and Anderson and Beausoleil's compensation of a nylon set (J.
// Acoust. Soc. Am. 156, 683, 2024, from its kappa and B0).

#include "design_file.h"
#include "layout.h"
#include "pitch.h"
#include "said.h"
#include "string_catalogue.h"
#include "string_columns.h"
#include "string_physics.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

namespace corvane::board {
namespace {

using testing_support::FileSaid;
using testing_support::Said;

TEST(StringPhysics, TensionIsTheChartsAndTheHandWorkedOne)
{
    // T = mu (2 L f)^2: 0.01 kg/m, 0.5 m, 100 Hz -> 0.01 * 100^2 = 100 N.
    EXPECT_DOUBLE_EQ(TensionNewtons(0.01, 500, 100), 100.0);
    struct Case {
        double unitWeightLbPerIn;
        const char* pitch;
        double lengthIn;
        double chartLbf;
    } const cases[] = {
        // The 10-46 set at 25.5 in, treble to bass.
        { 2.215e-05, "E4", 25.5, 16.2 }, // PL010
        { 3.744e-05, "B3", 25.5, 15.4 }, // PL013
        { 6.402e-05, "G3", 25.5, 16.6 }, // PL017
        { 0.00012671, "D3", 25.5, 18.4 }, // NW026
        { 0.00023964, "A2", 25.5, 19.5 }, // NW036
        { 0.00038216, "E2", 25.5, 17.5 }, // NW046
        // A long-scale bass at 34 in (XLB045 at G2, XLB100 at E1): the chart
        // works its tensions out as UW (2 L f)^2 / 386.4.
        { 0.0003724, "G2", 34, 0.0003724 * std::pow(2 * 34 * 97.998859, 2) / 386.4 },
        { 0.00179687, "E1", 34, 0.00179687 * std::pow(2 * 34 * 41.203445, 2) / 386.4 },
    };
    for (const Case& c : cases) {
        const auto pitch = ParsePitch(c.pitch);
        ASSERT_TRUE(pitch) << c.pitch;
        const double lbf = TensionNewtons(c.unitWeightLbPerIn * KgPerMPerLbPerIn, c.lengthIn * 25.4,
                               pitch->frequencyHz)
            / NewtonsPerLbf;
        EXPECT_NEAR(lbf, c.chartLbf, 0.1) << c.pitch;
    }
}

TEST(StringPhysics, PitchesByNameOrFrequency)
{
    struct Case {
        const char* text;
        double hz; // 0: refused
    } const cases[] = { { "A4", 440 }, { "E2", 82.406889 }, { "F#3", 184.997211 },
        { "Bb1", 58.270470 }, { "a4", 440 }, { "110 Hz", 110 }, { "98.5", 98.5 }, { "H2", 0 },
        { "E", 0 }, { "E22", 0 }, { "0 Hz", 0 }, { "", 0 }, { "F\u266F3", 184.997211 },
        { "B\u266D1", 58.270470 }, { "C-1", 8.175799 }, { "Cb4", 246.941651 } };
    for (const Case& c : cases) {
        const auto pitch = ParsePitch(c.text);
        if (c.hz == 0)
            EXPECT_FALSE(pitch) << c.text;
        else
            EXPECT_NEAR(pitch ? pitch->frequencyHz : 0, c.hz, 1e-5) << c.text;
    }
    EXPECT_EQ(PitchName(40), "E2");
    EXPECT_EQ(PitchName(66), "F#4");
    EXPECT_NEAR(ParsePitch("A4", 415)->frequencyHz, 415, 1e-12);
}

TEST(StringPhysics, ComputedSetbacksAreThePublishedOnes)
{
    struct Case {
        double kappa, b0, saddle, nut, rms;
    } const ej45[] = {
        { 48.2, 0.00190, 1.48, -0.36, 0.143 },
        { 48.7, 0.00220, 1.69, -0.36, 0.145 },
        { 58.6, 0.00301, 2.33, -0.43, 0.177 },
        { 46.0, 0.00192, 1.49, -0.34, 0.137 },
        { 48.7, 0.00239, 1.83, -0.36, 0.146 },
        { 58.2, 0.00321, 2.46, -0.43, 0.177 },
    };
    std::vector<double> ratios;
    for (int n = 1; n <= 19; ++n)
        ratios.push_back(std::exp2(n / 12.0));
    for (const Case& c : ej45) {
        const StringModel string { 650, c.kappa, c.b0, { 1, 4, 0, 0 } };
        const Setbacks fit = FitSetbacks(string, ratios, 12).setbacks;
        EXPECT_NEAR(fit.saddleMm, c.saddle, 0.01) << c.kappa;
        EXPECT_NEAR(-fit.nutMm, c.nut, 0.01) << c.kappa; // the paper's nut moves the other way
        const auto after = FretErrors(string, fit, ratios);
        EXPECT_NEAR(RootMeanSquare(after, 12), c.rms, 0.01) << c.kappa;
        EXPECT_GT(RootMeanSquare(FretErrors(string, {}, ratios), 12), 5 * c.rms);
    }
}

// The approximate closed forms of the model (strings.md) bound the fit:
// dS ~ B0 X0 + kappa/(4 X0) ((b + c)^2 - 7 b^2), dN ~ -kappa/(2 X0) (5b + c) b.
TEST(StringPhysics, ComputedSetbacksFollowTheClosedFormsAcrossStringsAndActions)
{
    struct Case {
        double lengthMm, kappa, b0, b, c;
    } const cases[] = {
        { 650, 48.2, 0.00190, 1.0, 4.0 }, // the published treble
        { 650, 140, 0.00116, 0.5, 2.5 }, // a plain steel E4 on an electric
        { 648, 440, 0.00380, 0.8, 3.0 }, // a wound steel E2
        { 864, 300, 0.00200, 1.0, 3.0 }, // a bass string
    };
    std::vector<double> ratios;
    for (int n = 1; n <= 12; ++n)
        ratios.push_back(std::exp2(n / 12.0));
    for (const Case& c : cases) {
        const StringModel string { c.lengthMm, c.kappa, c.b0, { c.b, c.c, 0, 0 } };
        const Setbacks fit = FitSetbacks(string, ratios, 12).setbacks;
        const double saddle = c.b0 * c.lengthMm
            + c.kappa / (4 * c.lengthMm) * ((c.b + c.c) * (c.b + c.c) - 7 * c.b * c.b);
        const double nut = c.kappa / (2 * c.lengthMm) * (5 * c.b + c.c) * c.b;
        EXPECT_NEAR(fit.saddleMm, saddle, 0.15 * saddle) << c.kappa;
        EXPECT_NEAR(fit.nutMm, nut, 0.25 * nut) << c.kappa;
    }
    // Relief and fretting behind the fret raise the fretted notes: the
    // saddle must move further.
    const StringModel plain { 650, 48.2, 0.00190, { 1, 4, 0, 0 } };
    const StringModel relieved { 650, 48.2, 0.00190, { 1, 4, 0.3, 0 } };
    const StringModel fretted { 650, 48.2, 0.00190, { 1, 4, 0, 2 } };
    const double base = FitSetbacks(plain, ratios, 12).setbacks.saddleMm;
    EXPECT_GT(FitSetbacks(relieved, ratios, 12).setbacks.saddleMm, base + 0.01);
    EXPECT_NE(FitSetbacks(fretted, ratios, 12).setbacks.saddleMm, base);
}

TEST(StringPhysics, FretletsPutEveryNoteInTune)
{
    std::vector<double> ratios;
    for (int n = 1; n <= 12; ++n)
        ratios.push_back(std::exp2(n / 12.0));
    // An ideal string: the fretlets are the plain frets.
    const StringModel ideal { 650, 0, 0, { 0, 0, 0, 0 } };
    for (const double ratio : ratios)
        EXPECT_NEAR(*FretletFromNutMm(ideal, {}, ratio), 650 * (1 - 1 / ratio), 1e-9);
    // A real one, uncompensated: each note is sharp by e cents, so its fret
    // moves towards the nut by about (stopped length) * e * ln 2 / 1200,
    // more at every fret up the neck past the first (whose stretch over the
    // nut's clearance makes it sharper than the second).
    const StringModel nylon { 650, 48.2, 0.00190, { 1, 4, 0, 0 } };
    const auto errors = FretErrors(nylon, {}, ratios);
    double previousShift = 0;
    for (std::size_t i = 0; i < ratios.size(); ++i) {
        const double plain = 650 * (1 - 1 / ratios[i]);
        const double shift = plain - *FretletFromNutMm(nylon, {}, ratios[i]);
        const double expected = (650 - plain) * errors[i] * std::log(2.0) / 1200;
        EXPECT_NEAR(shift, expected, 0.1 * expected) << "fret " << i + 1;
        if (i > 1) {
            EXPECT_GT(shift, previousShift) << "fret " << i + 1;
        }
        previousShift = shift;
        EXPECT_NEAR(FretErrorCents(nylon, {}, plain - shift, ratios[i]), 0, 1e-6);
    }
}

TEST(StringCatalogue, ItemsAreFoundAndClassifiedAsTheChartGroupsThem)
{
    struct Case {
        const char* id;
        StringMaterial material;
        double gaugeIn; // 0: none
    } const cases[] = {
        { "PL010", StringMaterial::PlainSteel, 0.010 },
        { "nw046", StringMaterial::WoundSteel, 0.046 }, // any case
        { "NYL028", StringMaterial::Nylon, 0.028 },
        { "J4504", StringMaterial::WoundNylon, 0 }, // the chart's ".4504" is no gauge
        { "XLB100", StringMaterial::WoundSteel, 0.100 },
    };
    for (const Case& c : cases) {
        const CatalogueItem* item = FindCatalogueItem(c.id);
        ASSERT_TRUE(item) << c.id;
        EXPECT_EQ(item->material, c.material) << c.id;
        EXPECT_EQ(item->gaugeIn.value_or(0), c.gaugeIn) << c.id;
    }
    EXPECT_NEAR(FindCatalogueItem("PL010")->unitWeightKgPerM, 2.215e-05 * 17.857967, 1e-9);
    EXPECT_TRUE(FindCatalogueItem("J4501")->constants);
    EXPECT_FALSE(FindCatalogueItem("XX999"));
    for (const NamedStringSet& set : NamedStringSets()) {
        EXPECT_EQ(set.items.size(), set.tuning.size()) << set.name;
        for (const std::string& item : set.items)
            EXPECT_TRUE(FindCatalogueItem(item)) << set.name << " " << item;
    }
}

TEST(Strings, UnitWeightsAreReadInTheirUnit)
{
    struct Case {
        const char* text;
        double kgPerM; // 0: refused
    } const cases[] = { { "6.8 g/m", 0.0068 }, { "0.0068kg/m", 0.0068 },
        { "2.215e-05 lb/in", 2.215e-05 * 17.857967 }, { "6.8", 0.0068 }, // bare: g/m here
        { "0 g/m", 0 }, { "-1 g/m", 0 }, { "six g/m", 0 }, { "6.8 oz/yd", 0 } };
    for (const Case& c : cases) {
        const auto read = ParseUnitWeight(c.text, WeightUnit::GramPerM);
        EXPECT_NEAR(read.value_or(0), c.kgPerM, 1e-9) << c.text;
        EXPECT_EQ(read.has_value(), c.kgPerM > 0) << c.text;
    }
    EXPECT_FALSE(ParseUnitWeight("6.8", std::nullopt)); // no unit, none assumed
}

TEST(Strings, AChangeOfStringCountKeepsTheStringsThatRemain)
{
    Stringing stringing;
    stringing.tuning = { "E2", "A2", "D3" };
    stringing.set
        = { SetString::OfItem("NW046"), SetString::OfItem("NW036"), SetString::OfItem("NW026") };
    ResizeStringing(stringing, 2);
    EXPECT_EQ(stringing.tuning, (std::vector<std::string> { "E2", "A2" }));
    ResizeStringing(stringing, 4);
    EXPECT_EQ(stringing.tuning, (std::vector<std::string> { "E2", "A2", "A2", "A2" }));
    EXPECT_EQ(stringing.set[3].item, "NW036");
    Stringing none;
    ResizeStringing(none, 5);
    EXPECT_TRUE(none.tuning.empty() && none.set.empty());
}

// The classical set of the catalogue on a 650 mm board, computed.
Design Classical()
{
    Design design;
    design.frets = 19;
    const NamedStringSet* set = FindNamedStringSet("ej45");
    design.stringing.tuning = set->tuning;
    for (const std::string& item : set->items)
        design.stringing.set.push_back(board::SetString::OfItem(item));
    design.stringing.compensation = CompensationMode::Computed;
    return design;
}

TEST(Strings, TheLayoutMovesEachStringsNutAndSaddleByItsOwnSetbacks)
{
    const BoardLayout board = *ComputeLayout(Classical()).layout;
    ASSERT_EQ(board.stringReports.size(), 6u);
    // The catalogue's constants at their own length and pitch: the
    // published setbacks, bass (J4506) and treble (J4501).
    EXPECT_NEAR(board.strings[0].saddleSetbackMm, 2.46, 0.01);
    EXPECT_NEAR(board.strings[0].nutSetbackMm, 0.43, 0.01);
    EXPECT_NEAR(board.strings[5].saddleSetbackMm, 1.48, 0.01);
    EXPECT_EQ(board.stringReports[5].constantsSource, ConstantsSource::Published);
    const StringLine& bass = board.strings[0];
    EXPECT_NEAR(bass.compensatedSaddle.x - bass.line.to.x, bass.saddleSetbackMm, 1e-12);
    EXPECT_NEAR(board.At(12, 1).compensatedToSaddleMm - board.At(12, 1).toSaddleMm,
        bass.saddleSetbackMm, 1e-12);
    EXPECT_LT(std::fabs(*board.At(12, 1).errorCents), 0.5);
    // A string of its own action: a saddle twice as high asks about
    // kappa/(4 X0) ((b + c)^2 - 25) = 1.25 mm more of that string only.
    Design higher = Classical();
    higher.stringing.set[0].saddleHeightMm = 8;
    const BoardLayout raised = *ComputeLayout(higher).layout;
    EXPECT_NEAR(raised.strings[0].saddleSetbackMm - board.strings[0].saddleSetbackMm, 1.25, 0.15);
    EXPECT_EQ(raised.strings[1].saddleSetbackMm, board.strings[1].saddleSetbackMm);
    // Steel strings get theirs from the wire: a plain 0.010 in at E4.
    Design electric;
    const NamedStringSet* set = FindNamedStringSet("light-electric-10-46");
    electric.stringing.tuning = set->tuning;
    for (const std::string& item : set->items)
        electric.stringing.set.push_back(board::SetString::OfItem(item));
    electric.stringing.compensation = CompensationMode::Computed;
    electric.bassLengthMm = electric.trebleLengthMm = 647.7;
    const BoardLayout steel = *ComputeLayout(electric).layout;
    EXPECT_EQ(steel.stringReports[5].constantsSource, ConstantsSource::SteelWire);
    EXPECT_EQ(steel.stringReports[0].constantsSource, ConstantsSource::EstimatedCore);
    EXPECT_NEAR(steel.stringReports[5].tensionN / NewtonsPerLbf, 16.2, 0.1);
    // A = pi (0.127 mm)^2, E = 200 GPa, T0 = 72.1 N: kappa ~ 140.
    EXPECT_NEAR(*steel.stringReports[5].kappa, 140.6, 1);
    for (const StringReport& string : steel.stringReports) {
        EXPECT_GT(string.setbacks.saddleMm, 0.5) << string.string;
        EXPECT_LT(string.setbacks.saddleMm, 6) << string.string;
        EXPECT_LT(string.rmsCentsAfter, string.rmsCentsBefore) << string.string;
    }
}

// The three modes: none leaves nut and saddle where the scale puts them
// whatever the design's setbacks, manual takes those, computed its own; the
// reference A4 moves every pitch and so every tension.
// Strings spaced by equal gaps, from the set's published gauges (.010 to
// .046 in), worked by hand: the gap is what the spread leaves once each
// pair of neighbours' half gauges is taken, shared five ways.
TEST(Strings, EqualGapsPlaceEachStringFromTheGauges)
{
    struct Row {
        const char* what;
        double bass, treble; // scale lengths
        std::vector<double> nut, bridge; // from the bass edge, mm
    };
    const Row rows[] = {
        { "straight", 648, 648, { 3.5, 11.1318, 18.5096, 25.6461, 32.6175, 39.5 },
            { 3.5, 14.3318, 24.9096, 35.2461, 45.4175, 55.5 } },
        { "fanned", 686, 648, { 3.5, 11.1318, 18.5096, 25.6461, 32.6175, 39.5 }, {} },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        Design design;
        design.bassLengthMm = row.bass;
        design.trebleLengthMm = row.treble;
        design.perpendicularFret = 7;
        design.spacing = StringSpacing::Gaps;
        const NamedStringSet* set = FindNamedStringSet("light-electric-10-46");
        design.stringing.tuning = set->tuning;
        for (const std::string& item : set->items)
            design.stringing.set.push_back(SetString::OfItem(item));
        const LayoutResult result = ComputeLayout(design);
        ASSERT_TRUE(result.layout) << Said(*result.error);
        const BoardLayout& board = *result.layout;
        // Along a fan's slanted nut every distance is longer by the same factor.
        const double slant = board.stringReports[0].nutPositionMm / 3.5;
        EXPECT_EQ(slant == 1, row.bass == row.treble);
        for (std::size_t i = 0; i < 6; ++i) {
            EXPECT_NEAR(board.stringReports[i].nutPositionMm, row.nut[i] * slant, 1e-4) << i;
            if (!row.bridge.empty()) {
                EXPECT_NEAR(board.stringReports[i].bridgePositionMm, row.bridge[i], 1e-4) << i;
            }
        }
        // Frets are straight pieces of wire: every string's point on one line.
        for (int fret = 1; fret <= design.frets; ++fret) {
            const Point a = board.At(fret, 1).at, b = board.At(fret, 6).at;
            for (int string = 2; string < 6; ++string) {
                const Point p = board.At(fret, string).at;
                EXPECT_NEAR((b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x), 0, 1e-6)
                    << "fret " << fret << ", string " << string;
            }
        }
    }
    Design bare;
    bare.spacing = StringSpacing::Gaps; // no strings, no gauges
    EXPECT_EQ(ComputeLayout(bare).error->field, "spacing");
}

// A straight saddle is the line across the strings with the least sum of
// their squared RMS errors: nudging either end of any piece, or its
// angle, plays worse. Two pieces part the wound strings from the plain.
TEST(Strings, AStraightSaddlePlaysBetterThanAnyNearbyLine)
{
    for (const SaddleShape shape : { SaddleShape::Straight, SaddleShape::TwoPiece }) {
        Design design;
        design.bassLengthMm = design.trebleLengthMm = 648;
        const NamedStringSet* set = FindNamedStringSet("light-electric-10-46");
        design.stringing.tuning = set->tuning;
        for (const std::string& item : set->items)
            design.stringing.set.push_back(SetString::OfItem(item));
        design.stringing.compensation = CompensationMode::Computed;
        design.stringing.saddle = shape;
        const LayoutResult result = ComputeLayout(design);
        ASSERT_TRUE(result.layout) << Said(*result.error);
        const BoardLayout& board = *result.layout;
        ASSERT_FALSE(board.saddleProblem) << Said(*board.saddleProblem);
        ASSERT_EQ(board.saddlePieces.size(), shape == SaddleShape::Straight ? 1u : 2u);
        if (shape == SaddleShape::TwoPiece) {
            EXPECT_EQ(board.saddlePieces.front().lastString, 3) << "NW046, NW036, NW026 wound";
        }
        std::vector<double> ratios;
        for (int fret = 1; fret <= design.frets; ++fret)
            ratios.push_back(std::pow(2.0, fret / 12.0));
        for (const SaddlePiece& piece : board.saddlePieces) {
            // The squared RMS errors summed over the piece, its ends moved.
            const auto cost = [&](double bass, double treble) {
                double sum = 0;
                for (int i = piece.firstString; i <= piece.lastString; ++i) {
                    const StringReport& r = board.stringReports[static_cast<std::size_t>(i - 1)];
                    const double t = double(i - piece.firstString)
                        / std::max(1, piece.lastString - piece.firstString);
                    const StringModel model { r.lengthMm, *r.kappa, *r.b0,
                        design.stringing.action };
                    const Setbacks at { bass + (treble - bass) * t, r.setbacks.nutMm };
                    sum += std::pow(RootMeanSquare(FretErrors(model, at, ratios), 12), 2);
                    if (bass == piece.bassSetbackMm && treble == piece.trebleSetbackMm) {
                        EXPECT_NEAR(*r.straightSaddleSetbackMm, at.saddleMm, 1e-9);
                        EXPECT_NEAR(*r.straightSaddleRmsCents,
                            RootMeanSquare(FretErrors(model, at, ratios), 12), 1e-9);
                    }
                }
                return sum;
            };
            const double best = cost(piece.bassSetbackMm, piece.trebleSetbackMm);
            for (const auto& [db, dt] : { std::pair { 0.02, 0.0 }, { -0.02, 0.0 }, { 0.0, 0.02 },
                     { 0.0, -0.02 }, { 0.02, -0.02 }, { -0.02, 0.02 } })
                EXPECT_GT(cost(piece.bassSetbackMm + db, piece.trebleSetbackMm + dt), best)
                    << piece.firstString << " " << db << " " << dt;
        }
    }
}

TEST(Strings, EachModeSetsTheSetbacksItSays)
{
    Design design = Classical();
    design.saddleSetbackBassMm = 3;
    design.saddleSetbackTrebleMm = 1;
    struct Case {
        CompensationMode mode;
        double bassSaddle, trebleSaddle, within;
    } const cases[]
        = { { CompensationMode::None, 0, 0, 1e-12 }, { CompensationMode::Manual, 3, 1, 1e-12 },
              { CompensationMode::Computed, 2.46, 1.48, 0.01 } }; // the published E2 and E4
    for (const Case& c : cases) {
        design.stringing.compensation = c.mode;
        const BoardLayout board = *ComputeLayout(design).layout;
        EXPECT_NEAR(board.strings[0].saddleSetbackMm, c.bassSaddle, c.within);
        EXPECT_NEAR(board.strings[5].saddleSetbackMm, c.trebleSaddle, c.within);
        EXPECT_EQ(board.stringReports[0].setbacks.saddleMm, board.strings[0].saddleSetbackMm);
        EXPECT_NEAR(board.At(1, 1).compensatedToSaddleMm - board.At(1, 1).toSaddleMm,
            board.strings[0].saddleSetbackMm, 1e-9);
    }
    design.stringing.compensation = CompensationMode::None;
    const double at440 = ComputeLayout(design).layout->stringReports[0].tensionN;
    design.stringing.referenceA4Hz = 415;
    EXPECT_NEAR(ComputeLayout(design).layout->stringReports[0].tensionN,
        at440 * (415.0 / 440) * (415.0 / 440), 1e-9);
}

// The published constants belong to their length and pitch: carried to
// another through the tension (kappa ~ 1/T, B0 ~ 1/(sqrt(T) L)); a
// string of another temperament is fitted against its own frets.
TEST(Strings, PublishedConstantsAreCarriedToAnotherStringAndTemperament)
{
    Design design = Classical();
    const BoardLayout at650 = *ComputeLayout(design).layout;
    EXPECT_NEAR(*at650.stringReports[5].kappa, 48.2, 1e-9);
    EXPECT_NEAR(*at650.stringReports[5].b0, 0.00190, 1e-12);
    design.bassLengthMm = design.trebleLengthMm = 630;
    const BoardLayout at630 = *ComputeLayout(design).layout;
    const double t = at650.stringReports[5].tensionN / at630.stringReports[5].tensionN;
    EXPECT_NEAR(t, (650.0 / 630) * (650.0 / 630), 1e-12);
    EXPECT_NEAR(*at630.stringReports[5].kappa, 48.2 * t, 1e-9);
    EXPECT_NEAR(*at630.stringReports[5].b0, 0.00190 * std::sqrt(t) * 650 / 630, 1e-12);

    design.temperament = EqualDivisions { 19, {} };
    design.frets = 19;
    const BoardLayout nineteen = *ComputeLayout(design).layout;
    EXPECT_LT(nineteen.stringReports[5].rmsCentsAfter, 0.3);
    EXPECT_GT(nineteen.stringReports[5].rmsCentsBefore, 1.0);
}

// Every figure of the strings' table in its own unit: a column with the
// wrong factor (kgf for lbf, kg for g, mm for in) reads as another.
TEST(Strings, EachColumnWritesItsFigureInItsUnit)
{
    StringReport string;
    string.string = 1;
    string.pitch = "E2";
    string.frequencyHz = 82.4068892;
    string.lengthMm = 647.7;
    string.unitWeightKgPerM = 0.0068246;
    string.tensionN = 77.8404;
    string.kappa = 441.2;
    string.b0 = 0.00379;
    string.constantsSource = ConstantsSource::EstimatedCore;
    string.setbacks = { 2.54, -0.254 };
    using C = StringColumn;
    const std::tuple<C, Unit, const char*> cases[] = {
        { C::Frequency, Unit::Millimetre, "82.407" }, { C::Length, Unit::Inch, "25.5000" },
        { C::UnitWeightKgPerM, Unit::Millimetre, "0.0068246" },
        { C::UnitWeightGramPerM, Unit::Millimetre, "6.8246" },
        { C::TensionN, Unit::Millimetre, "77.84" },
        { C::TensionKgf, Unit::Millimetre, "7.94" }, // / 9.80665
        { C::TensionLbf, Unit::Millimetre, "17.50" }, // / 4.4482216
        { C::Kappa, Unit::Millimetre, "441.2" }, { C::B0, Unit::Millimetre, "0.00379" },
        { C::SaddleSetback, Unit::Inch, "0.1000" }, { C::NutSetback, Unit::Centimetre, "-0.0254" },
        { C::ConstantsSource, Unit::Millimetre, "estimated-core" }, // words: language/
    };
    for (const auto& [column, unit, text] : cases)
        EXPECT_EQ(StringCellText(string, column, unit), text) << Describe(column).key;
    StringReport unknown = string;
    unknown.kappa.reset();
    unknown.b0.reset();
    for (const C column : { C::Kappa, C::B0, C::RmsAfter, C::WorstAfter })
        EXPECT_EQ(StringCellText(unknown, column, Unit::Millimetre), "") << Describe(column).key;
}

// Bad strings in a design file name their key.
TEST(Strings, DesignFilesRefuseBadStringsByTheirKey)
{
    const std::string head = R"({"format": "corvane-board", "version": 2, "temperament":
        {"kind": "equal", "divisions": 12}, "frets": 12, "strings": 2, "bass_length": 650, )";
    struct Case {
        const char* tail;
        const char* field;
        ProblemKind kind;
    } const cases[] = {
        { R"("tuning": "E2"})", "tuning", ProblemKind::ArrayExpected },
        { R"("tuning": ["E2", 40]})", "tuning", ProblemKind::TextExpected },
        { R"("string_set": [{"itm": "NW046"}]})", "string_set.itm", ProblemKind::UnknownField },
        { R"("string_set": [{"item": 46}]})", "string_set.item", ProblemKind::TextExpected },
        { R"("string_set": [{"kappa": "high"}]})", "string_set.kappa",
            ProblemKind::NumberExpected },
        { R"("action": {"height_mm": 1}})", "action.height_mm", ProblemKind::UnknownField },
        { R"("compensation": {"mode": "auto"}})", "compensation.mode",
            ProblemKind::CompensationModeExpected },
        { R"("compensation": {"fretlets": "yes"}})", "compensation.fretlets",
            ProblemKind::BooleanExpected },
        { R"("tuning": ["E2", "A2", "D3"]})", "tuning", ProblemKind::StringCountDiffers },
        { R"("compensation": {"mode": "computed"}})", "compensation.mode",
            ProblemKind::CompensationNeedsStrings },
    };
    for (const Case& c : cases) {
        const auto read = DesignFromJson(head + c.tail);
        ASSERT_TRUE(read.error) << c.tail;
        EXPECT_EQ(read.error->field, c.field) << c.tail;
        EXPECT_EQ(read.error->problem.kind, c.kind) << c.tail << ": " << FileSaid(*read.error);
    }
}

TEST(Strings, DesignFilesKeepThemAndVersionOneFilesOpenUnchanged)
{
    Design design = Classical();
    design.stringing.set[2] = { {}, 0.0008, 0.04, 55, 0.003, {}, 1.2, 4.5 };
    design.stringing.action = { 0.8, 3.5, 0.1, 1 };
    design.stringing.referenceA4Hz = 442;
    design.stringing.fitFrets = 9;
    design.stringing.fretlets = true;
    const std::string text = DesignToJson(design);
    EXPECT_NE(text.find("\"version\": 2"), std::string::npos);
    const auto read = DesignFromJson(text);
    ASSERT_TRUE(read.design) << FileSaid(*read.error);
    EXPECT_EQ(*read.design, design);
    const std::string plain = DesignToJson(Design {});
    EXPECT_NE(plain.find("\"version\": 1"), std::string::npos);
    EXPECT_EQ(*DesignFromJson(plain).design, Design {});
}

TEST(Strings, BadStringsAreRefusedNamingTheStringAndTheField)
{
    struct Case {
        void (*change)(Stringing&);
        const char* field;
        const char* message;
    } const cases[] = {
        { [](Stringing& s) { s.tuning[1] = "H2"; }, "tuning",
            "accord, corde 2 : « H2 » n'est pas une hauteur" },
        { [](Stringing& s) { s.tuning.pop_back(); }, "tuning",
            "accord : 5 cordes pour un manche de 6" },
        { [](Stringing& s) { s.set[3] = board::SetString::OfItem("XX999"); }, "string_set",
            "jeu de cordes, corde 4 : pas d'article « XX999 »" },
        { [](Stringing& s) { s.set[0].unitWeightKgPerM = 0; }, "string_set",
            "corde 1 : unit_weight_kg_per_m = 0, doit être entre 1e-05 et 0.1" },
        // Once infinite kappa and B0, and "nan" in every report.
        { [](Stringing& s) { s.set[0].unitWeightKgPerM = 5e-324; }, "string_set",
            "corde 1 : unit_weight_kg_per_m = 4.940656458e-324, doit être entre 1e-05 et 0.1" },
        { [](Stringing& s) { s.tuning[0] = "2 Hz"; }, "tuning",
            "accord, corde 1 : « 2 Hz » sonne à 2 Hz, doit être entre 8 Hz et 20000 Hz" },
        // 100 g/m at E4 on 650 mm pulls 18 kN.
        { [](Stringing& s) {
             s.set[5] = { {}, 0.1, {}, 50, 0.002, {}, {}, {} };
         },
            "string_set", "corde 6 : tension_n = 18362.58" },
        // A 0.3 mm steel wire at 50 Hz, slack: kappa from the wire far past
        // any string's.
        { [](Stringing& s) {
             s.set[0] = { {}, 0.00055, {}, {}, {}, 0.3, {}, {} };
             s.tuning[0] = "50 Hz";
         },
            "string_set", "corde 1 : kappa = " },
        { [](Stringing& s) { s.action.saddleHeightMm = 1000; }, "action.saddle_height_mm",
            "hauteur du chevalet : 1000 mm, doit être plus grand que 0 mm et au plus 50 mm" },
        { [](Stringing& s) {
             s.set[0] = { {}, 0.001, {}, 6000, 0.002, {}, {}, {} };
         },
            "string_set", "corde 1 : kappa = 6000, doit être entre 1 et 5000" },
        { [](Stringing& s) {
             s.set[5] = { {}, 0.001, {}, 50, 0.06, {}, {}, {} };
         },
            "string_set", "corde 6 : b0 = 0.06, doit être entre 0 et 0.05" },
        { [](Stringing& s) {
             s.set[5] = { {}, 0.001, {}, {}, {}, {}, {}, {} };
         },
            "string_set", "corde 6 : κ et B₀ inconnus" },
        { [](Stringing& s) { s.action.nutClearanceMm = 0; }, "action.nut_clearance_mm",
            "hauteur des cordes au sillet : 0 mm, doit être plus grand que 0 mm" },
        { [](Stringing& s) { s.fitFrets = 1; }, "compensation.fit_frets",
            "frettes de l'ajustement : 1, doit être entre 2 et 60" },
        // The board, not the fit, has too few frets.
        { [](Stringing& s) { s.compensation = CompensationMode::Computed, s.fitFrets = 40; },
            "frets",
            "nombre de frettes : 1, la compensation calculée demande une touche d'au moins 2" },
    };
    for (const Case& c : cases) {
        Design design = Classical();
        if (c.field == std::string("frets"))
            design.frets = 1;
        c.change(design.stringing);
        const auto error = ValidateDesign(design);
        ASSERT_TRUE(error) << c.message;
        EXPECT_EQ(error->field, c.field);
        EXPECT_NE(Said(*error).find(c.message), std::string::npos)
            << Said(*error) << " / " << c.message;
    }
}

} // namespace
} // namespace corvane::board

namespace corvane::board {
namespace {

Design Electric(double lengthMm, int divisions, int frets)
{
    Design design = Classical();
    const NamedStringSet* set = FindNamedStringSet("light-electric-10-46");
    design.stringing.tuning = set->tuning;
    design.stringing.set.clear();
    for (const std::string& item : set->items)
        design.stringing.set.push_back(board::SetString::OfItem(item));
    design.bassLengthMm = design.trebleLengthMm = lengthMm;
    design.temperament = EqualDivisions { divisions, {} };
    design.frets = frets;
    return design;
}

// Computed compensation is used only where it is buildable and plays
// better than none; elsewhere the string keeps its plain nut and saddle and
// says why. Fretlets stand strictly between their neighbours or are not
// given. Settings from users' reports, where setbacks once reached 100 mm.
TEST(Strings, ComputedCompensationNeverPlaysWorse)
{
    const std::tuple<const char*, Design, std::optional<ProblemKind>> cases[] = {
        { "72-EDO, frets crowded at the nut", Electric(647.7, 72, 24),
            ProblemKind::CompensationSaddleBeyond },
        { "a 50 mm action",
            [] {
                Design d = Classical();
                d.stringing.action = { 50, 50, 0, 0 };
                return d;
            }(),
            ProblemKind::CompensationSaddleBeyond },
        { "31-EDO, three frets, fretlets",
            [] {
                Design d = Electric(647.7, 31, 3);
                d.stringing.fretlets = true;
                return d;
            }(),
            ProblemKind::CompensationSaddleBeyond },
        { "the published nylon set", Classical(), std::nullopt },
        // The long-scale set on a 32-inch bass: its E string's kappa, 1126,
        // was once refused as past any string's.
        { "a 32-inch bass, long-scale set",
            [] {
                Design d = Electric(812.8, 12, 20);
                d.strings = 4;
                const NamedStringSet* set = FindNamedStringSet("long-scale-bass-45-100");
                d.stringing.tuning = set->tuning;
                d.stringing.set.clear();
                for (const std::string& item : set->items)
                    d.stringing.set.push_back(board::SetString::OfItem(item));
                return d;
            }(),
            ProblemKind::CompensationNutBeyond },
    };
    for (const auto& [name, design, expected] : cases) {
        SCOPED_TRACE(name);
        const auto computed = ComputeLayout(design);
        ASSERT_TRUE(computed.layout) << Said(*computed.error);
        bool seen = false;
        for (const StringReport& s : computed.layout->stringReports) {
            SCOPED_TRACE(s.string);
            if (s.compensationProblem) {
                seen = seen || !expected || s.compensationProblem->kind == expected;
                EXPECT_EQ(s.setbacks, Setbacks {});
            } else {
                EXPECT_LT(s.rmsCentsAfter, s.rmsCentsBefore);
                EXPECT_GE(s.setbacks.saddleMm, MinComputedSaddleSetbackMm);
                EXPECT_LE(s.setbacks.saddleMm, MaxComputedSaddleSetbackMm);
                EXPECT_LE(std::fabs(s.setbacks.nutMm), MaxComputedNutSetbackMm);
            }
            EXPECT_LE(s.rmsCentsAfter, s.rmsCentsBefore);
            double previous = s.setbacks.nutMm;
            for (const double fretlet : s.fretletsFromNutMm) {
                EXPECT_GT(fretlet, previous);
                previous = fretlet;
            }
            if (!s.fretletsFromNutMm.empty()) {
                EXPECT_LT(previous, s.lengthMm + s.setbacks.saddleMm);
            }
            EXPECT_TRUE(s.fretletsFromNutMm.empty()
                == (design.stringing.fretlets == false || s.fretletsProblem.has_value()));
        }
        EXPECT_EQ(seen, expected.has_value()) << "a string refused as expected, none otherwise";
    }
}

// Unless told otherwise, the fit runs over one period of the temperament:
// 31 frets of a 31-EDO board, not the twelve of 12-EDO.
TEST(Strings, TheFitRunsOverOnePeriod)
{
    Design byDefault = Electric(647.7, 31, 36);
    Design thirtyOne = byDefault, twelve = byDefault;
    thirtyOne.stringing.fitFrets = 31;
    twelve.stringing.fitFrets = 12;
    const auto setbacks = [](const Design& design) {
        return ComputeLayout(design).layout->stringReports[2].setbacks;
    };
    EXPECT_EQ(setbacks(byDefault), setbacks(thirtyOne));
    EXPECT_NE(setbacks(byDefault), setbacks(twelve));
}

} // namespace
} // namespace corvane::board
