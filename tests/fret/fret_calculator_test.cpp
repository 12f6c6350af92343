#include "fret_calculator.h"

#include "recording_surface.h"
#include "worked_tables.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <functional>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

namespace {

using fret_test::ErrorNumberOf;
using fret_test::RecordingSurface;
using Changes = std::vector<std::string>;

// The main window's controls on a recording fake, driven as a user would.
template <class Surface = RecordingSurface> struct BasicWindow {
    explicit BasicWindow(std::string separator = ".")
        : calculator(surface, std::move(separator))
    {
    }

    void TypeLength(std::string_view text)
    {
        surface.Put("Longvib", text);
        calculator.Longvib_Change();
    }
    void ChooseMode(std::string_view text)
    {
        surface.Put("Combo2", text);
        calculator.Combo2_Click();
    }
    void ChooseScale(std::string_view text)
    {
        surface.Put("Combo1", text);
        calculator.Combo1_Click();
    }
    int scaleKind() const { return calculator.variables().ScaleKind; }
    int modeCode() const { return calculator.variables().ModeCode; }

    Surface surface;
    fret::FretCalculator calculator;
};
using Window = BasicWindow<>;

std::string_view ModeText(int modeCode)
{
    return modeCode == 1 ? " Sol" : " Do";
}

// A length, then a mode (0: none chosen yet), then a scale.
template <class W> void Choose(W& window, std::string_view length, int modeCode, std::size_t scale)
{
    window.TypeLength(length);
    if (modeCode != 0)
        window.ChooseMode(ModeText(modeCode));
    window.ChooseScale(worked::Scales[scale].listText);
}

std::string Box(int slot)
{
    return "Text" + std::to_string(slot);
}

template <class Slots>
void Append(Changes& changes, const char* verb, const Slots& slots, int offset)
{
    for (int slot : slots)
        changes.push_back(std::string(verb) + " " + Box(slot + offset));
}

// The diatonic boxes shown, then the chromatic-only ones shown or hidden.
void AppendVisibility(Changes& changes, bool chromatic)
{
    Append(changes, "show", worked::DiatonicSlots, 0);
    Append(changes, "show", worked::DiatonicSlots, 24);
    Append(changes, chromatic ? "show" : "hide", worked::ChromaticOnlySlots, 0);
    Append(changes, chromatic ? "show" : "hide", worked::ChromaticOnlySlots, 24);
}

// Everything a scale choice at 650 changes on a fresh window, in order.
Changes ExpectedChanges(std::size_t scale, int modeCode)
{
    const std::vector<worked::Row> rows = worked::Rows650(scale, modeCode);
    const bool chromatic = worked::Scales[scale].chromatic;
    // A diatonic scale writes its two sevenths last.
    const std::vector<std::size_t> diatonicOrder { 0, 1, 2, 3, 4, 6, 7, 8, 9, 10, 11, 13, 5, 12 };
    Changes changes;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const worked::Row& row = rows[chromatic ? i : diatonicOrder[i]];
        changes.push_back("text " + Box(row.slot) + "=" + std::string(row.position));
    }
    AppendVisibility(changes, chromatic);
    for (const worked::Row& row : rows)
        if (modeCode != 0)
            changes.push_back("text " + Box(row.slot + 24) + "=" + std::string(row.note));
    return changes;
}

class WorkedTable : public testing::TestWithParam<std::tuple<std::size_t, int>> { };

TEST_P(WorkedTable, IsWrittenShownAndNamedInOrder)
{
    const auto [scale, modeCode] = GetParam();
    Window window;
    Choose(window, "650", modeCode, scale);
    EXPECT_EQ(window.surface.Changes(), ExpectedChanges(scale, modeCode));
    EXPECT_EQ(window.scaleKind(), worked::Scales[scale].chromatic ? 2 : 1);
}

INSTANTIATE_TEST_SUITE_P(AllScales, WorkedTable,
    testing::Combine(testing::Range<std::size_t>(0, 6), testing::Values(1, 2, 0)));

TEST(ScaleChoice, TextsOutsideTheCatalogueMatchNothing)
{
    for (const char* text : { "Gamme :", "", "tempérée Diatonique", "Tempérée diatonique",
             "Naturelle Diatonique", " Pythagore Diatonique", "Pythagore Chromatique ",
             "Tempe\u0301re\u0301e Diatonique" /* accents as combining marks */ }) {
        SCOPED_TRACE(std::string("\"") + text + "\"");
        Window window;
        window.TypeLength("650");
        window.ChooseMode(" Do");
        window.ChooseScale(text);
        Changes shown;
        Append(shown, "show", worked::DiatonicSlots, 0);
        Append(shown, "show", worked::DiatonicSlots, 24);
        EXPECT_EQ(window.surface.Changes(), shown);
        EXPECT_EQ(window.scaleKind(), 0);
    }
}

TEST(ScaleChoice, UnknownTextAfterAChoiceShowsAndNamesTheLastScaleAgain)
{
    Window window;
    Choose(window, "650", 1, 4); // Pythagore Diatonique, mode Sol
    window.ChooseMode(" Do");
    window.TypeLength("100");
    window.surface.ClearLog();

    window.ChooseScale("Gamme :");
    Changes expected;
    AppendVisibility(expected, false);
    for (std::size_t i = 0; i < 14; ++i)
        expected.push_back("text " + Box(worked::DiatonicSlots[i] + 24) + "="
            + std::string(worked::DiatonicNamesDo[i % 7]));
    EXPECT_EQ(window.surface.Changes(), expected);
    EXPECT_EQ(window.scaleKind(), 1);
    EXPECT_EQ(window.surface.position(6).text, "286.214"); // still 650, mode Sol
}

TEST(ScaleChoice, DiatonicAfterChromaticKeepsTheHiddenChromaticTexts)
{
    Window window;
    Choose(window, "650", 2, 1); // Tempérée Chromatique, mode Do
    window.ChooseScale("Naturelle   Diatonique");
    for (int slot : worked::ChromaticOnlySlots) {
        const auto i = static_cast<std::size_t>(slot - 1);
        EXPECT_EQ(window.surface.position(slot).text, worked::Tunings[0].chromatic[i]);
        EXPECT_EQ(window.surface.note(slot).text, worked::ChromaticNamesDo[i % 12]);
        EXPECT_FALSE(window.surface.position(slot).visible || window.surface.note(slot).visible);
    }
    EXPECT_EQ(window.surface.position(2).text, "130");
}

TEST(Modes, OnlyExactlyDoGivesModeCodeTwo)
{
    const std::pair<const char*, int> cases[] = { { " Do", 2 }, { " Sol", 1 }, { "Do", 1 },
        { " do", 1 }, { " Do ", 1 }, { "", 1 }, { "Mode :", 1 } };
    for (const auto& [text, modeCode] : cases) {
        Window window;
        EXPECT_EQ(window.modeCode(), 0);
        window.ChooseMode(text);
        EXPECT_EQ(window.modeCode(), modeCode) << '"' << text << '"';
        EXPECT_TRUE(window.surface.Changes().empty());
    }
}

TEST(Reset, EmptiesTheLengthAndHidesEveryBoxKeepingTexts)
{
    Window window;
    Choose(window, "650", 1, 3); // Naturelle   Chromatique, mode Sol
    window.surface.ClearLog();

    window.calculator.Command1_Click();
    Changes expected { "text Longvib=" };
    Append(expected, "hide", worked::ChromaticOnlySlots, 0);
    Append(expected, "hide", worked::ChromaticOnlySlots, 24);
    Append(expected, "hide", worked::DiatonicSlots, 0);
    Append(expected, "hide", worked::DiatonicSlots, 24);
    EXPECT_EQ(window.surface.Changes(), expected);
    EXPECT_EQ(window.surface.position(13).text, "343.05555");
    EXPECT_EQ(window.surface.note(24).text, " Sol");
    EXPECT_EQ(window.scaleKind(), 2);
    EXPECT_EQ(window.modeCode(), 1);

    window.ChooseScale("Naturelle   Chromatique");
    EXPECT_EQ(window.surface.position(13).text, "0");
}

// Each length and separator turns every position of the 650 table into
// another text by a plain rule.
TEST(Lengths, PositionsFollowTheLengthAndSeparator)
{
    using Rule = std::function<std::string(std::string_view)>;
    const Rule zero = [](std::string_view) { return std::string("0"); };
    const Rule mirrored = [](std::string_view text) { return "-" + std::string(text); };
    const Rule french = [](std::string_view text) {
        std::string comma(text);
        for (char& c : comma)
            c = c == '.' ? ',' : c;
        return comma;
    };
    const std::tuple<const char*, const char*, Rule> cases[]
        = { { "0", ".", zero }, { "", ".", zero }, { "mm", ",", zero }, { "-0", ".", zero },
              { "-650", ".", mirrored }, { " 6 5 0 mm", ",", french } };
    for (const auto& [length, separator, rule] : cases) {
        for (std::size_t scale = 0; scale < worked::Scales.size(); ++scale) {
            for (int modeCode : { 1, 2 }) {
                SCOPED_TRACE(testing::Message()
                    << '"' << length << "\", " << worked::Scales[scale].listText << ", mode "
                    << modeCode);
                Window window(separator);
                Choose(window, length, modeCode, scale);
                for (const worked::Row& row : worked::Rows650(scale, modeCode))
                    EXPECT_EQ(window.surface.position(row.slot).text, rule(row.position))
                        << row.slot;
            }
        }
    }
}

TEST(Lengths, SingleSlotsAtOtherLengths)
{
    const std::tuple<const char*, std::size_t, int, const char*> cases[] = {
        // 325.0000500000267 remains: it rounds to 325.0001, no tie.
        { "650.0001", 0, 7, "325" },
        { "650.0001", 1, 12, "325" },
        // Without midpoints, lengths up to the largest one still work.
        { "900000000000000", 4, 7, "450000000000000" },
        { "-900000000000000", 2, 15, "-675000000000000" },
        { "922337203685477", 1, 24, "691752902764069.7856" },
    };
    for (const auto& [length, scale, slot, text] : cases) {
        Window window;
        EXPECT_EQ(ErrorNumberOf([&] { Choose(window, length, 2, scale); }), 0) << length;
        EXPECT_EQ(window.surface.position(slot).text, text) << length;
    }
}

TEST(LengthOutOfRange, IsReportedAndBlocksScaleChoicesUntilMended)
{
    Window window;
    Choose(window, "650", 2, 0);
    std::string typed; // typed digit by digit: the sixteenth one is too many
    for (int digit = 1; digit <= 16; ++digit) {
        typed += digit == 1 ? '1' : '0';
        EXPECT_EQ(ErrorNumberOf([&] { window.TypeLength(typed); }), digit == 16 ? 6 : 0) << typed;
    }
    for (const worked::Scale& scale : worked::Scales) {
        window.surface.ClearLog();
        EXPECT_EQ(ErrorNumberOf([&] { window.ChooseScale(scale.listText); }), 6);
        EXPECT_EQ(window.surface.Changes(), Changes {});
        EXPECT_EQ(window.scaleKind(), 1);
    }
    window.TypeLength("650 mm");
    window.surface.ClearLog();
    window.ChooseScale("Tempérée Diatonique");
    EXPECT_EQ(window.surface.Changes(), ExpectedChanges(0, 2));

    EXPECT_EQ(ErrorNumberOf([&] { window.TypeLength("1e15"); }), 6);
    window.calculator.Command1_Click(); // the emptied box holds a valid length
    window.ChooseScale("Pythagore Chromatique");
    EXPECT_EQ(window.surface.position(24).text, "0");
}

TEST(ComputationOverflow, WritesNothingAndKeepsTheScaleKind)
{
    // Second-octave midpoints add up to more than the largest length.
    const std::pair<std::size_t, int> cases[]
        = { { 5, 2 }, { 5, 1 }, { 3, 2 }, { 4, 1 }, { 2, 1 } };
    for (const auto& [scale, modeCode] : cases) {
        SCOPED_TRACE(testing::Message() << worked::Scales[scale].listText << " mode " << modeCode);
        Window window;
        Choose(window, "650", 2, 1); // Tempérée Chromatique: kind 2
        window.TypeLength("700000000000000");
        window.ChooseMode(ModeText(modeCode));
        window.surface.ClearLog();

        EXPECT_EQ(ErrorNumberOf([&] { window.ChooseScale(worked::Scales[scale].listText); }), 6);
        EXPECT_EQ(window.surface.Changes(), Changes {});
        EXPECT_EQ(window.scaleKind(), 2);
    }
}

// A toolkit whose own work leaves exception flags raised at every control
// access: the calculator must not take them for its own.
class NoisySurface : public RecordingSurface {
public:
    std::string Text(std::string_view control) override
    {
        Raise();
        return RecordingSurface::Text(control);
    }
    void SetText(std::string_view control, std::string_view text) override
    {
        RecordingSurface::SetText(control, text);
        Raise();
    }
    void SetVisible(std::string_view control, bool visible) override
    {
        RecordingSurface::SetVisible(control, visible);
        Raise();
    }

private:
    static void Raise() { std::feraiseexcept(FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW); }
};

TEST(ArithmeticFlags, RaisedByTheWindowAreClearedAtEachControlAccess)
{
    for (std::size_t scale = 0; scale < worked::Scales.size(); ++scale) {
        BasicWindow<NoisySurface> window;
        EXPECT_EQ(ErrorNumberOf([&] { Choose(window, "650", 1, scale); }), 0) << scale;
        EXPECT_EQ(window.surface.position(1).text, worked::Rows650(scale, 1).front().position);
    }
    std::feclearexcept(FE_ALL_EXCEPT);
}

} // namespace
