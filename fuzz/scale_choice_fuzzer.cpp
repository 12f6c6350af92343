// A whole scale choice as the window runs it: arbitrary text in the length
// box, a mode (or none), then a choice in the scale list, on an in-memory
// window that records every write. Checked:
//   - the length box stores ToCurrency(ReadNumber(text)) or reports error 6;
//   - a choice either writes texts or reports error 6 or 11, and a choice
//     that reports an error changes nothing on screen;
//   - the order of writes: the scale's position boxes in its order, the
//     diatonic boxes shown, the chromatic-only ones hidden or shown, the
//     note names of the mode;
//   - every position text is a plain number with the period, reads back
//     with ReadNumber to the very number written, and lies within
//     AllowedError (exact_positions.h) of the exact position;
//   - positions increase from slot to slot for a length of 0.01 or more
//     (below that the roundings to four decimals can make neighbouring
//     frets equal or even swap them);
//   - a negated length gives the same texts with a minus sign, the comma
//     separator the same texts with a comma, every diatonic slot the text
//     of the chromatic slot of its semitone (so slot 7 that of slot 12 and
//     slot 15 that of slot 24), a chromatic scale the same texts in every
//     mode;
//   - the tempered scales and the ratio diatonic scales outside mode " Sol"
//     never fail; the others fail (error 6) only for lengths beyond 6 x 10^14
//     and always from 6.5 x 10^14 on.
//
// Input: byte 0 picks the mode (bits 0-1) and an unlisted scale text
// (bits 2-3); byte 1 the scale (0-5 the list, 6 an unlisted text, 7 a
// listed choice (bits 3-7) followed by an unlisted text); the rest is the
// length text.

#include "exact_positions.h"
#include "fuzz_checks.h"
#include "recording_table.h"

#include "currency.h"
#include "fret_calculator.h"
#include "read_number.h"
#include "runtime_error.h"
#include "scale_catalogue.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

using corvane::fuzz::ExactPosition;
using corvane::fuzz::Int128;
using corvane::fuzz::Quad;
using corvane::fuzz::RecordingTable;
using corvane::fuzz::Require;
using corvane::fuzz::Shown;
using corvane::fuzz::Tuning;

struct Scale {
    std::string_view text;
    Tuning tuning;
    bool chromatic;
};

// The scale list, in its order; a diatonic scale's chromatic sibling
// follows it.
constexpr std::array<Scale, 6> Scales { {
    { "Tempérée Diatonique", Tuning::Tempered, false },
    { "Tempérée Chromatique", Tuning::Tempered, true },
    { "Naturelle   Diatonique", Tuning::Natural, false },
    { "Naturelle   Chromatique", Tuning::Natural, true },
    { "Pythagore Diatonique", Tuning::Pythagorean, false },
    { "Pythagore Chromatique", Tuning::Pythagorean, true },
} };

// Near misses that must match no scale.
constexpr std::array<std::string_view, 4> UnlistedScales { "Tempérée diatonique",
    "Naturelle Diatonique", "Gamme :", "" };

// Index 0 stands for no mode chosen; " do" is any other text, mode 1.
constexpr std::array<std::string_view, 4> ModeTexts { "", " Sol", " Do", " do" };

constexpr std::array<std::string_view, 12> NoteCycle { " Do", " Do#", " Ré", " Ré#", " Mi", " Fa",
    " Fa#", " Sol", " Sol#", " La", " La#", " Si" };

constexpr std::array<int, 14> DiatonicSlotOrder { 1, 2, 3, 4, 5, 6, 7, 9, 10, 11, 12, 13, 14, 15 };
constexpr std::array<int, 10> ChromaticOnlySlotOrder { 8, 16, 17, 18, 19, 20, 21, 22, 23, 24 };

std::string Box(int number)
{
    return "Text" + std::to_string(number);
}

std::string Context(
    std::string_view lengthText, std::int64_t count, std::string_view scale, int mode)
{
    return "length " + Shown(lengthText) + " (count " + std::to_string(count) + "), scale "
        + Shown(scale) + ", mode " + std::to_string(mode);
}

// Walks the recorded changes of one scale choice in the order they must
// come; returns the position texts written, by slot.
class ChangeWalk {
public:
    ChangeWalk(const std::vector<RecordingTable::Change>& changes, std::string context)
        : changes_(changes)
        , context_(std::move(context))
    {
    }

    std::string ExpectText(const std::string& control)
    {
        const RecordingTable::Change& change = Next(control);
        Require(change.isText, "a text is written here", context_ + ", " + control);
        return change.text;
    }
    void ExpectTextEquals(const std::string& control, std::string_view text)
    {
        const std::string written = ExpectText(control);
        Require(
            written == text, "the note name", context_ + ", " + control + " = " + Shown(written));
    }
    void ExpectVisible(const std::string& control, bool visible)
    {
        const RecordingTable::Change& change = Next(control);
        Require(!change.isText && change.visible == visible,
            visible ? "a box is shown here" : "a box is hidden here", context_ + ", " + control);
    }
    void ExpectEnd() { Require(at_ == changes_.size(), "nothing more is written", context_); }

private:
    const RecordingTable::Change& Next(const std::string& control)
    {
        Require(at_ < changes_.size(), "the scale choice writes more",
            context_ + ", missing " + control);
        const RecordingTable::Change& change = changes_[at_++];
        Require(change.control == control, "the order of writes",
            context_ + ": expected " + control + ", got " + change.control);
        return change;
    }

    const std::vector<RecordingTable::Change>& changes_;
    std::string context_;
    std::size_t at_ = 0;
};

// The changes every choice makes after the positions: the diatonic slots
// shown, then per kind the chromatic-only slots hidden or shown and the
// note names of the mode written.
void ExpectVisibilityAndNames(ChangeWalk& walk, int kind, int mode)
{
    for (const int slot : DiatonicSlotOrder)
        walk.ExpectVisible(Box(slot), true);
    for (const int slot : DiatonicSlotOrder)
        walk.ExpectVisible(Box(slot + 24), true);
    if (kind == 0) {
        walk.ExpectEnd();
        return;
    }
    const bool chromatic = kind == 2;
    for (const int slot : ChromaticOnlySlotOrder)
        walk.ExpectVisible(Box(slot), chromatic);
    for (const int slot : ChromaticOnlySlotOrder)
        walk.ExpectVisible(Box(slot + 24), chromatic);
    if (mode == 1 || mode == 2) {
        const int open = mode == 1 ? 7 : 0; // Sol or Do
        if (chromatic) {
            for (int slot = 1; slot <= 24; ++slot)
                walk.ExpectTextEquals(
                    Box(slot + 24), NoteCycle[static_cast<std::size_t>((open + slot) % 12)]);
        } else {
            for (const int slot : DiatonicSlotOrder) {
                const int semitone = corvane::fuzz::DiatonicSemitone(slot, mode);
                walk.ExpectTextEquals(
                    Box(slot + 24), NoteCycle[static_cast<std::size_t>((open + semitone) % 12)]);
            }
        }
    }
    walk.ExpectEnd();
}

std::vector<int> WriteOrder(bool chromatic)
{
    if (chromatic) {
        std::vector<int> order;
        for (int slot = 1; slot <= 24; ++slot)
            order.push_back(slot);
        return order;
    }
    // The degrees that do not depend on the mode, then the two sevenths.
    return { 1, 2, 3, 4, 5, 7, 9, 10, 11, 12, 13, 15, 6, 14 };
}

// The texts of a scale computed directly, as Combo1_Click computes them;
// nothing on error.
std::optional<std::map<int, std::string>> Computed(
    const Scale& scale, fret::Currency length, int mode, std::string_view separator)
{
    const fret::ScaleChoice* choice = fret::FindScaleChoice(scale.text);
    Require(choice != nullptr, "every listed scale is in the catalogue", scale.text);
    try {
        std::map<int, std::string> texts;
        for (const auto& entry :
            choice->compute(length, static_cast<std::int16_t>(mode), separator))
            texts[entry.slot] = entry.text;
        return texts;
    } catch (const fret::RuntimeError& error) {
        Require(
            error.code() == 6 || error.code() == 11, "a computation fails only with error 6 or 11");
        return std::nullopt;
    }
}

// Lengths from which the ratio tunings' second-octave sums (up to about
// 1.44 L) must overflow, and below which none can.
constexpr std::int64_t NeverFailsBelow = 6'000'000'000'000'000'000;
constexpr std::int64_t AlwaysFailsFrom = 6'500'000'000'000'000'000;

std::int64_t Magnitude(std::int64_t count)
{
    return count == INT64_MIN ? INT64_MAX : (count < 0 ? -count : count);
}

bool MayFail(const Scale& scale, int mode)
{
    return scale.tuning != Tuning::Tempered && (scale.chromatic || mode == 1);
}

void CheckFailure(const Scale& scale, std::int64_t count, int mode, const std::string& context)
{
    Require(MayFail(scale, mode), "this scale never fails for a valid length", context);
    Require(
        Magnitude(count) >= NeverFailsBelow, "a ratio scale fails only beyond 6 x 10^14", context);
}

void CheckPositions(const Scale& scale, std::int64_t count, int mode,
    const std::map<int, std::string>& texts, const std::string& context)
{
    // Exact values of the texts, in units of 10^-5.
    std::map<int, Int128> shown;
    for (const auto& [slot, text] : texts) {
        const auto value = corvane::fuzz::ReadWrittenDecimal(text, ".", 5);
        Require(value.has_value(), "a position is a plain number with the period",
            context + ", " + Box(slot) + " = " + Shown(text));
        shown[slot] = *value;
        const Quad exact = corvane::fuzz::QuadFromInt(*value) / corvane::fuzz::QuadFromInt(100000);
        Require(fret::ReadNumber(text) == static_cast<double>(exact),
            "a position reads back as written", context + ", " + Box(slot) + " = " + text);
    }

    const Quad length = corvane::fuzz::LengthValue(count);
    const int octaveSlot = scale.chromatic ? 12 : 7;
    const Quad halfLengthShown
        = corvane::fuzz::QuadFromInt(shown.at(octaveSlot)) / corvane::fuzz::QuadFromInt(100000);

    auto check = [&](int slot, const ExactPosition& exact) {
        const Quad value
            = corvane::fuzz::QuadFromInt(shown.at(slot)) / corvane::fuzz::QuadFromInt(100000);
        const Quad error = corvane::fuzz::QuadAbs(value - exact.value);
        if (error > corvane::fuzz::AllowedError(count, exact, value)) {
            char numbers[160];
            std::snprintf(numbers, sizeof numbers, ": shown %.17g, exact %.17g, off by %.6g",
                static_cast<double>(value), static_cast<double>(exact.value),
                static_cast<double>(error));
            corvane::fuzz::Fail(
                "a position lies within half a unit of its fourth decimal of the exact one",
                context + ", " + Box(slot) + " = " + texts.at(slot) + numbers);
        }
        if (!exact.halfway)
            Require(shown.at(slot) % 10 == 0,
                "a fret on a ratio or tempered position has at most four decimals",
                context + ", " + Box(slot) + " = " + texts.at(slot));
    };

    if (scale.tuning != Tuning::Tempered)
        check(octaveSlot, ExactPosition { length / 2, false });
    for (const auto& entry : texts) {
        const int slot = entry.first;
        const int semitone = scale.chromatic ? slot : corvane::fuzz::DiatonicSemitone(slot, mode);
        check(slot,
            corvane::fuzz::ExactChromaticPosition(scale.tuning, count, halfLengthShown, semitone));
    }

    if (count == 0)
        for (const auto& [slot, text] : texts)
            Require(text == "0", "a length of 0 puts every fret at 0", context + ", " + Box(slot));
    // The narrowest gap between neighbouring frets is about 0.0134 L (the
    // Pythagorean double octave and the major seventh below it); the
    // roundings to four decimals can take up to 0.0001 of it, and up to
    // 0.0000265 more through the half length the second octave starts
    // from. From L = 0.01 on the gap always wins. Below, frets can swap:
    // at 0.0007 the octave fret is 0.0004 (0.00035 rounded to even) and
    // the ninth 0.0003.
    if (count >= 100) {
        std::optional<Int128> previous;
        for (const auto& [slot, value] : shown) { // ascending slots
            if (previous)
                Require(value > *previous, "positions increase from slot to slot",
                    context + ", at " + Box(slot));
            previous = value;
        }
    }
}

std::string Negated(const std::string& text)
{
    if (text == "0")
        return text;
    return text.front() == '-' ? text.substr(1) : "-" + text;
}

std::string WithComma(std::string text)
{
    if (const std::size_t at = text.find('.'); at != std::string::npos)
        text.replace(at, 1, ",");
    return text;
}

void CrossCheck(std::size_t scaleIndex, fret::Currency length, int mode,
    const std::map<int, std::string>& texts, const std::string& context)
{
    const Scale& scale = Scales[scaleIndex];

    const auto comma = Computed(scale, length, mode, ",");
    Require(comma.has_value() && comma->size() == texts.size(), "the separator changes no result",
        context);
    for (const auto& [slot, text] : texts)
        Require(comma->at(slot) == WithComma(text),
            "the comma replaces the period and nothing else",
            context + ", " + Box(slot) + ": " + text + " / " + comma->at(slot));

    if (length.count != INT64_MIN) {
        const auto negative = Computed(scale, fret::Currency::FromCount(-length.count), mode, ".");
        Require(negative.has_value() && negative->size() == texts.size(),
            "a negated length computes as well", context);
        for (const auto& [slot, text] : texts)
            Require(negative->at(slot) == Negated(text),
                "a negated length gives the texts with a minus sign",
                context + ", " + Box(slot) + ": " + text + " / " + negative->at(slot));
    }

    if (scale.chromatic) {
        for (const int otherMode : { 0, 1, 2 }) {
            const auto other = Computed(scale, length, otherMode, ".");
            Require(other.has_value() && *other == texts,
                "a chromatic scale does not depend on the mode", context);
        }
    }

    const std::size_t siblingIndex = scaleIndex ^ 1U;
    const auto sibling = Computed(Scales[siblingIndex], length, mode, ".");
    if (!sibling)
        return; // the chromatic sibling overflows where the diatonic scale may not
    const std::map<int, std::string>& diatonic = scale.chromatic ? *sibling : texts;
    const std::map<int, std::string>& chromatic = scale.chromatic ? texts : *sibling;
    for (const auto& [slot, text] : diatonic) {
        const int semitone = corvane::fuzz::DiatonicSemitone(slot, mode);
        Require(text == chromatic.at(semitone),
            "a diatonic slot shows its chromatic slot's position",
            context + ", diatonic " + Box(slot) + " = " + text + ", chromatic " + Box(semitone)
                + " = " + chromatic.at(semitone));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2)
        return 0;
    const std::size_t modePick = data[0] & 3U;
    const std::size_t unlistedPick = (data[0] >> 2) & 3U;
    const std::size_t scalePick = data[1] % 8U;
    const std::size_t earlierPick = (data[1] / 8U) % 6U;
    const std::string lengthText(reinterpret_cast<const char*>(data + 2), size - 2);

    RecordingTable window;
    fret::FretCalculator calculator(window, ".");

    // The length box.
    window.SetText("Longvib", lengthText);
    bool lengthValid = true;
    try {
        calculator.Longvib_Change();
    } catch (const fret::RuntimeError& error) {
        Require(error.code() == 6, "a length out of range reports error 6", Shown(lengthText));
        lengthValid = false;
    }
    Require(calculator.variables().VibratingLengthValid == lengthValid,
        "the length is marked as read", Shown(lengthText));
    const fret::Currency length = calculator.variables().VibratingLength;
    if (lengthValid)
        Require(length == fret::ToCurrency(fret::ReadNumber(lengthText)),
            "the length box stores ToCurrency(ReadNumber(text))", Shown(lengthText));

    // The mode list.
    int mode = 0;
    if (modePick != 0) {
        window.SetText("Combo2", ModeTexts[modePick]);
        calculator.Combo2_Click();
        mode = modePick == 2 ? 2 : 1;
    }
    Require(calculator.variables().ModeCode == mode, "ModeCode follows the mode chosen");

    // An earlier recognised choice, when an unlisted text is to follow it.
    int kind = 0;
    if (scalePick == 7) {
        window.SetText("Combo1", Scales[earlierPick].text);
        try {
            calculator.Combo1_Click();
            kind = Scales[earlierPick].chromatic ? 2 : 1;
        } catch (const fret::RuntimeError&) {
            // checked below when it is the choice under test
        }
    }

    const bool listed = scalePick < Scales.size();
    const std::string_view choiceText
        = listed ? Scales[scalePick].text : UnlistedScales[unlistedPick];
    const std::string context = Context(lengthText, length.count, choiceText, mode);
    window.SetText("Combo1", choiceText);
    window.ForgetChanges();
    try {
        calculator.Combo1_Click();
    } catch (const fret::RuntimeError& error) {
        Require(error.code() == 6 || error.code() == 11,
            "a scale choice fails only with error 6 or 11", context);
        Require(window.changes().empty(), "a scale choice that fails changes nothing on screen",
            context);
        Require(calculator.variables().ScaleKind == kind,
            "a scale choice that fails keeps ScaleKind", context);
        Require(listed, "an unlisted scale text never fails", context);
        if (lengthValid)
            CheckFailure(Scales[scalePick], length.count, mode, context);
        else
            Require(
                error.code() == 6, "a choice with a length out of range reports error 6", context);
        return 0;
    }
    Require(!listed || lengthValid, "a choice with a length out of range reports error 6", context);
    if (listed) {
        const Scale& scale = Scales[scalePick];
        Require(!MayFail(scale, mode) || Magnitude(length.count) < AlwaysFailsFrom,
            "a ratio scale fails from 6.5 x 10^14 on", context);
        kind = scale.chromatic ? 2 : 1;
    }
    Require(calculator.variables().ScaleKind == kind, "ScaleKind follows the last listed choice",
        context);

    ChangeWalk walk(window.changes(), context);
    std::map<int, std::string> texts;
    if (listed)
        for (const int slot : WriteOrder(Scales[scalePick].chromatic))
            texts[slot] = walk.ExpectText(Box(slot));
    ExpectVisibilityAndNames(walk, kind, mode);

    if (listed) {
        CheckPositions(Scales[scalePick], length.count, mode, texts, context);
        CrossCheck(scalePick, length, mode, texts, context);
    }
    return 0;
}
